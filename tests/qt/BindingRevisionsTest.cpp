// After each call the binding brings only the controls that changed up to date: an
// unchanged control's widget is left alone and an unchanged list is not read again, while a
// frame or form that changed still reaches the controls it holds.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "BindingFixture.h"

namespace aloftra::test {
namespace {

TEST_F(BindingTest, AControlThatDidNotChangeLeavesItsWidgetAlone) {
  // Widgets written behind the binding's back keep what was written until their control
  // changes: the binding did not touch them.
  QLabel* status = Widget<QLabel>("Status");
  QLineEdit* height = Widget<QLineEdit>("Height");
  status->setText(QStringLiteral("written"));
  height->setText(QStringLiteral("written"));
  ASSERT_TRUE(binding.Dispatch([this] { form.Name.SetText("Kim"); }));
  EXPECT_EQ(status->text(), QStringLiteral("written"));
  EXPECT_EQ(height->text(), QStringLiteral("written"));

  ASSERT_TRUE(binding.Dispatch([this] { form.Status.SetCaption("Saved"); }));
  EXPECT_EQ(status->text(), QStringLiteral("Saved"));
  EXPECT_EQ(height->text(), QStringLiteral("written"));
  // Setting what the control holds already is no change either.
  ASSERT_TRUE(binding.Dispatch([this] { form.Height.SetText(""); }));
  EXPECT_EQ(height->text(), QStringLiteral("written"));
}

TEST_F(BindingTest, AListWhoseEntriesDidNotChangeIsNotReadAgain) {
  QComboBox* site = Widget<QComboBox>("Site");
  QListWidget* gliders = Widget<QListWidget>("Gliders");
  site->setItemText(0, QStringLiteral("written"));
  gliders->item(0)->setText(QStringLiteral("written"));
  // A new selection shows, the entries stay as they were.
  ASSERT_TRUE(binding.Dispatch([this] {
    form.Site.SetListIndex(1);
    form.Gliders.SetListIndex(1);
  }));
  EXPECT_EQ(site->currentIndex(), 1);
  EXPECT_EQ(gliders->currentRow(), 1);
  EXPECT_EQ(site->itemText(0), QStringLiteral("written"));
  EXPECT_EQ(gliders->item(0)->text(), QStringLiteral("written"));

  // Changed entries are read again, and the selection follows its entry.
  ASSERT_TRUE(binding.Dispatch([this] {
    form.Site.AddItem("Dunlap");
    form.Gliders.SetItems({{"Alpha"}, {"Falcon"}, {"Sport 2"}});
    form.Gliders.SetListIndex(2);
  }));
  ASSERT_EQ(site->count(), 3);
  EXPECT_EQ(site->itemText(0), QStringLiteral("Kitty Hawk"));
  EXPECT_EQ(site->itemText(2), QStringLiteral("Dunlap"));
  EXPECT_EQ(site->currentIndex(), 1);
  ASSERT_EQ(gliders->count(), 3);
  EXPECT_EQ(gliders->item(0)->text(), QStringLiteral("Alpha"));
  EXPECT_EQ(gliders->currentRow(), 2);
}

TEST_F(BindingTest, AFrameOrFormThatChangesReachesTheUnchangedControlsItHolds) {
  QRadioButton* hang = Widget<QRadioButton>("Wing(0)");
  QLineEdit* name = Widget<QLineEdit>("Name");
  struct Step {
    std::function<void()> change;
    bool optionsShown;
    bool optionsEnabled;
    bool nameEnabled;
  };
  std::vector<Step> steps = {
      {[this] { form.Kind.SetVisible(false); }, false, true, true},
      {[this] { form.Kind.SetEnabled(false); }, false, false, true},
      {[this] { form.Kind.SetVisible(true); }, true, false, true},
      {[this] { form.Kind.SetEnabled(true); }, true, true, true},
      {[this] { form.SetEnabled(false); }, true, false, false},
      {[this] { form.SetEnabled(true); }, true, true, true},
  };
  for (std::size_t i = 0; i < steps.size(); ++i) {
    SCOPED_TRACE(i);
    ASSERT_TRUE(binding.Dispatch(steps[i].change));
    EXPECT_EQ(hang->isVisible(), steps[i].optionsShown);
    EXPECT_EQ(hang->isEnabled(), steps[i].optionsEnabled);
    EXPECT_EQ(name->isEnabled(), steps[i].nameEnabled);
  }
}

}  // namespace
}  // namespace aloftra::test
