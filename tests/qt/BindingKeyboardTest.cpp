// The keyboard and the wheel as a pilot uses them: Tab walks the stops of the form, the
// arrows move within an option group, Alt with a title's letter and F10 open the menus, and
// the wheel leaves a combo box alone unless the pilot is working in it.
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QWheelEvent>

#include "BindingFixture.h"
#include "qt/MenuBarView.h"

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
  QMenu* FileMenu() { return window->menuBar()->findChild<QMenu*>(QStringLiteral("FileMenu")); }
  // The File menu opened by a key, closed again.
  bool KeyOpensFileMenu(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(target, key, modifiers);
    bool opened = QTest::qWaitFor([this] { return FileMenu()->isVisible(); }, 1000);
    FileMenu()->close();
    bool closed = QTest::qWaitFor([this] { return !FileMenu()->isVisible(); }, 1000);
    return opened && closed;
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

TEST_F(KeyboardTest, AltWithATitlesLetterOrF10OpensAMenuAndNoAltKeyIsTyped) {
  auto* name = Widget<QLineEdit>("Name");
  ClickInto(name);
  QTest::keyClicks(name, "Ab");
  EXPECT_TRUE(KeyOpensFileMenu(name, Qt::Key_F, Qt::AltModifier));
  EXPECT_TRUE(KeyOpensFileMenu(name, Qt::Key_F10, Qt::NoModifier));
  // A letter no title has is no menu's, and still not typed.
  QTest::keyClick(name, Qt::Key_X, Qt::AltModifier);
  EXPECT_EQ(name->text(), QStringLiteral("Ab"));
  EXPECT_EQ(form.Name.Text(), "Ab");
  // The access key is the window's business: the form's caption stays as it was.
  EXPECT_EQ(FileMenu()->title(), QStringLiteral("&File"));
  EXPECT_EQ(form.FileMenu.Caption(), "File");
}

TEST(MenuTitlesTest, EachTitleTakesTheFirstLetterNoTitleBeforeItHasTaken) {
  EXPECT_EQ(qt::MenuTitlesWithAccessKeys({"File", "Search", "Options", "Help"}),
            (QStringList{QStringLiteral("&File"), QStringLiteral("&Search"),
                         QStringLiteral("&Options"), QStringLiteral("&Help")}));
  EXPECT_EQ(qt::MenuTitlesWithAccessKeys({"File", "Format", "Ff", "Q & A"}),
            (QStringList{QStringLiteral("&File"), QStringLiteral("F&ormat"), QStringLiteral("Ff"),
                         QStringLiteral("&Q && A")}));
}

}  // namespace
}  // namespace aloftra::test
