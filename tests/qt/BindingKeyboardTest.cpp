// The keyboard and the wheel as a pilot uses them: Tab walks the stops of the form, the
// arrows move within an option group, and the wheel leaves a combo box alone unless the pilot
// is working in it.
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QWheelEvent>

#include "BindingFixture.h"

namespace aloftra::test {
namespace {

class KeyboardTest : public BindingTest {
 protected:
  // The names of the widgets Tab gives the focus to, starting from the one that has it,
  // once round.
  std::vector<std::string> TabRound() {
    std::vector<std::string> visited;
    QWidget* first = QApplication::focusWidget();
    for (int i = 0; i < 20; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QWidget* now = QApplication::focusWidget();
      if (now == first || now == nullptr) break;
      visited.push_back(now->objectName().toStdString());
    }
    return visited;
  }
};

TEST_F(KeyboardTest, TabPassesOverLockedBoxesAndStopsOnceOnAnOptionGroup) {
  ASSERT_TRUE(binding.Dispatch([this] { form.Height.SetLocked(true); }));
  ClickInto(Widget<QLineEdit>("Name"));
  // Nothing chosen in the group: Tab stops on its first button.
  EXPECT_EQ(TabRound(), (std::vector<std::string>{"Remarks", "Enter", "Cancel", "Tandem", "Wing(0)",
                                                  "Site", "Gliders"}));
  // Passing through chose nothing: the list taking the focus made a row current, no more.
  EXPECT_EQ(form.Gliders.ListIndex(), -1);
  EXPECT_FALSE(form.HangGlider.Value());
  // The chosen button is the group's stop; a box unlocked is a stop again.
  ASSERT_TRUE(binding.Dispatch([this] {
    form.Paraglider.SetValue(true);
    form.Height.SetLocked(false);
  }));
  EXPECT_EQ(TabRound(), (std::vector<std::string>{"Height", "Remarks", "Enter", "Cancel", "Tandem",
                                                  "Wing(1)", "Site", "Gliders"}));
  // A click still reaches a locked box.
  ASSERT_TRUE(binding.Dispatch([this] { form.Height.SetLocked(true); }));
  ClickInto(Widget<QLineEdit>("Height"));
  EXPECT_EQ(form.ActiveControl(), &form.Height);
}

TEST_F(KeyboardTest, ArrowsMoveWithinAnOptionGroupAndSelectTheButtonMovedTo) {
  auto* paraglider = Widget<QRadioButton>("Wing(1)");
  QTest::mouseClick(paraglider, Qt::LeftButton);
  ASSERT_TRUE(form.Paraglider.Value());
  QTest::keyClick(paraglider, Qt::Key_Up);
  EXPECT_TRUE(form.HangGlider.Value());
  EXPECT_EQ(form.ActiveControl(), &form.HangGlider);
  EXPECT_TRUE(Widget<QRadioButton>("Wing(0)")->hasFocus());
  EXPECT_EQ(form.events.back(), "Wing_Click 0");
  // Round the end of the group and back.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
  EXPECT_TRUE(form.Paraglider.Value());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
  EXPECT_TRUE(form.HangGlider.Value());
  EXPECT_FALSE(form.Paraglider.Value());
}

TEST_F(KeyboardTest, TheWheelChangesAComboOnlyWhileThePilotWorksInIt) {
  auto* site = Widget<QComboBox>("Site");
  ClickInto(Widget<QLineEdit>("Name"));
  ASSERT_TRUE(binding.Dispatch([this] { form.Site.SetListIndex(0); }));
  form.events.clear();
  auto turnWheel = [site] {
    QPointF at(10, 5);
    QWheelEvent notch(at, site->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(site, &notch);
  };
  turnWheel();
  EXPECT_EQ(form.Site.ListIndex(), 0);
  EXPECT_EQ(site->currentIndex(), 0);
  EXPECT_TRUE(form.events.empty());
  EXPECT_EQ(form.ActiveControl(), &form.Name);  // the wheel gives no focus either

  site->setFocus(Qt::TabFocusReason);
  ASSERT_EQ(form.ActiveControl(), &form.Site);
  turnWheel();
  EXPECT_EQ(form.Site.ListIndex(), 1);
  EXPECT_EQ(form.events.back(), "Site_Click Torrey Pines");
}

}  // namespace
}  // namespace aloftra::test
