// The pilot's typing, clicks and focus moves reach the form's controls as the toolkit's
// user-side calls, and through them the pages' handlers.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "BindingFixture.h"
#include "qt/FormCanvas.h"
#include "qt/QtConvert.h"

namespace aloftra::test {
namespace {

bool Saw(const DemoForm& form, const std::string& event) {
  return std::find(form.events.begin(), form.events.end(), event) != form.events.end();
}

TEST_F(BindingTest, TypingIntoALineEditRunsTheChangeHandlerForEachCharacter) {
  QLineEdit* name = Widget<QLineEdit>("Name");
  ClickInto(name);
  QTest::keyClicks(name, "Ab");
  EXPECT_EQ(form.Name.Text(), "Ab");
  EXPECT_TRUE(Saw(form, "Name_Change A"));
  EXPECT_TRUE(Saw(form, "Name_Change Ab"));
}

TEST_F(BindingTest, AChangeHandlerThatRewritesTheTextShowsItsVersion) {
  form.Name.onChange = [this] {
    std::string upper = form.Name.Text();
    for (char& c : upper)
      c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    form.Name.SetText(upper);
  };
  QLineEdit* name = Widget<QLineEdit>("Name");
  ClickInto(name);
  QTest::keyClicks(name, "dune");
  EXPECT_EQ(name->text(), QStringLiteral("DUNE"));
  EXPECT_EQ(form.Name.Text(), "DUNE");
}

TEST_F(BindingTest, MovingTheFocusRunsTheLostFocusHandlerOfTheControlLeft) {
  ClickInto(Widget<QLineEdit>("Name"));
  EXPECT_EQ(form.ActiveControl(), &form.Name);
  ClickInto(Widget<QLineEdit>("Height"));
  EXPECT_EQ(form.ActiveControl(), &form.Height);
  EXPECT_TRUE(Saw(form, "Name_LostFocus"));
  EXPECT_FALSE(Saw(form, "Height_LostFocus"));
}

TEST_F(BindingTest, ALostFocusCheckThatKeepsTheFocusBringsQtsFocusBack) {
  form.Name.onLostFocus = [this] {
    if (form.Name.Text() != "ok") {
      form.Name.SetText("");
      form.SetFocus(form.Name);
    }
  };
  QLineEdit* name = Widget<QLineEdit>("Name");
  ClickInto(name);
  QTest::keyClicks(name, "bad");
  ClickInto(Widget<QLineEdit>("Height"));
  EXPECT_EQ(form.ActiveControl(), &form.Name);
  EXPECT_EQ(QApplication::focusWidget(), name);
  EXPECT_EQ(name->text(), QString());
}

TEST_F(BindingTest, PressingAButtonChecksTheFieldLeftBeforeTheClick) {
  ClickInto(Widget<QLineEdit>("Name"));
  form.events.clear();
  QTest::mouseClick(Widget<QPushButton>("Enter"), Qt::LeftButton);
  EXPECT_EQ(form.events, (std::vector<std::string>{"Name_LostFocus", "Enter_Click"}));
}

TEST_F(BindingTest, OptionButtonsFollowTheFormsGroupsNotQtsExclusivity) {
  QRadioButton* hang = Widget<QRadioButton>("Wing(0)");
  QRadioButton* para = Widget<QRadioButton>("Wing(1)");
  QTest::mouseClick(hang, Qt::LeftButton);
  QTest::mouseClick(para, Qt::LeftButton);
  EXPECT_FALSE(form.HangGlider.Value());
  EXPECT_TRUE(form.Paraglider.Value());
  EXPECT_FALSE(hang->isChecked());
  EXPECT_TRUE(para->isChecked());
  // A second click on the selected button leaves it selected, as the form has it.
  QTest::mouseClick(para, Qt::LeftButton);
  EXPECT_TRUE(para->isChecked());
  EXPECT_EQ(std::count(form.events.begin(), form.events.end(), "Wing_Click 1"), 1);
}

TEST_F(BindingTest, ClickingACheckBoxTogglesTheControl) {
  QCheckBox* tandem = Widget<QCheckBox>("Tandem");
  QTest::mouseClick(tandem, Qt::LeftButton);
  EXPECT_TRUE(form.Tandem.Checked());
  QTest::mouseClick(tandem, Qt::LeftButton);
  EXPECT_FALSE(form.Tandem.Checked());
  EXPECT_TRUE(Saw(form, "Tandem_Click 1"));
  EXPECT_TRUE(Saw(form, "Tandem_Click 0"));
}

TEST_F(BindingTest, AClickHandlerThatRefusesACheckKeepsTheBoxClear) {
  form.Tandem.onClick = [this] {
    if (form.Tandem.Checked()) form.Tandem.SetChecked(false);
  };
  QCheckBox* tandem = Widget<QCheckBox>("Tandem");
  QTest::mouseClick(tandem, Qt::LeftButton);
  EXPECT_FALSE(tandem->isChecked());
}

TEST_F(BindingTest, ChoosingAComboEntrySetsTheListIndex) {
  QComboBox* site = Widget<QComboBox>("Site");
  ClickInto(site);
  QTest::keyClick(site, Qt::Key_Down);
  EXPECT_EQ(form.Site.ListIndex(), 0);
  EXPECT_TRUE(Saw(form, "Site_Click Kitty Hawk"));
}

TEST_F(BindingTest, TypingIntoAnEditableComboSetsItsText) {
  ASSERT_TRUE(
      binding.Dispatch([this] { form.Site.SetComboStyle(ComboBox::Style::kDropDownCombo); }));
  QComboBox* site = Widget<QComboBox>("Site");
  ASSERT_TRUE(site->isEditable());
  ClickInto(site);
  QTest::keyClicks(site->lineEdit(), "Dunes");
  EXPECT_EQ(form.Site.Text(), "Dunes");
  // No entry is added behind the pilot's back.
  QTest::keyClick(site->lineEdit(), Qt::Key_Tab);
  EXPECT_EQ(form.Site.ListCount(), 2);
}

// Typing in the middle of the chosen entry's name keeps the text and the cursor where the
// pilot types, and leaves the entry free to be chosen again.
TEST_F(BindingTest, TypingOverAChosenEntryKeepsTheCursorAndFreesTheEntry) {
  ASSERT_TRUE(
      binding.Dispatch([this] { form.Site.SetComboStyle(ComboBox::Style::kDropDownCombo); }));
  QComboBox* site = Widget<QComboBox>("Site");
  ClickInto(site);
  QTest::keyClick(site, Qt::Key_Down);
  ASSERT_EQ(form.Site.ListIndex(), 0);
  const QString chosen = site->lineEdit()->text();
  site->lineEdit()->setCursorPosition(1);
  QTest::keyClicks(site->lineEdit(), "xy");
  EXPECT_EQ(site->lineEdit()->text(), chosen.left(1) + "xy" + chosen.mid(1));
  EXPECT_EQ(site->lineEdit()->cursorPosition(), 3);
  EXPECT_EQ(form.Site.ListIndex(), -1);
  EXPECT_EQ(form.Site.Text(), qt::ToStdString(site->lineEdit()->text()));
  EXPECT_EQ(site->currentIndex(), -1);
  QTest::keyClick(site, Qt::Key_Down);
  EXPECT_EQ(form.Site.ListIndex(), 0);
  EXPECT_EQ(form.Site.Text(), qt::ToStdString(chosen));
}

// A box the form watches the mouse on turns the press over to the form, whose handler may
// change the box and put the focus elsewhere; other boxes place the cursor as usual.
TEST_F(BindingTest, APressOnABoxWithAMouseHandlerReachesTheForm) {
  ASSERT_TRUE(binding.Dispatch([this] {
    form.Height.SetText("N");
    form.Height.onMouseDown = [this](int, int, double, double) {
      form.Height.SetText(form.Height.Text() == "N" ? "S" : "N");
      form.SetFocus(form.Name);
    };
  }));
  QLineEdit* height = Widget<QLineEdit>("Height");
  QTest::mouseClick(height, Qt::LeftButton);
  EXPECT_EQ(form.Height.Text(), "S");
  EXPECT_EQ(height->text(), QStringLiteral("S"));
  EXPECT_TRUE(Widget<QLineEdit>("Name")->hasFocus());
  QTest::mouseClick(height, Qt::LeftButton);
  EXPECT_EQ(form.Height.Text(), "N");
}

TEST_F(BindingTest, ClickingAListEntrySelectsIt) {
  QListWidget* gliders = Widget<QListWidget>("Gliders");
  QRect second = gliders->visualItemRect(gliders->item(1));
  QTest::mouseClick(gliders->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
  EXPECT_EQ(form.Gliders.ListIndex(), 1);
  EXPECT_TRUE(Saw(form, "Gliders_Click Sport 2"));
}

// A list taking the focus makes its first row current, which is no choice of the pilot's: the
// list's selection and click handler are left alone, and the focus stays where Tab put it.
TEST_F(BindingTest, TabbingIntoAListChoosesNothing) {
  QComboBox* site = Widget<QComboBox>("Site");
  site->setFocus(Qt::TabFocusReason);
  QTest::keyClick(site, Qt::Key_Tab);
  EXPECT_TRUE(Widget<QListWidget>("Gliders")->hasFocus());
  EXPECT_EQ(form.ActiveControl(), &form.Gliders);
  EXPECT_EQ(form.Gliders.ListIndex(), -1);
  EXPECT_FALSE(Saw(form, "Gliders_Click Falcon"));
  // The pilot's own choice by the keyboard still counts, once.
  QTest::keyClick(Widget<QListWidget>("Gliders"), Qt::Key_Down);
  EXPECT_EQ(form.Gliders.ListIndex(), 0);
  EXPECT_EQ(std::count(form.events.begin(), form.events.end(), "Gliders_Click Falcon"), 1);
  QTest::keyClick(Widget<QListWidget>("Gliders"), Qt::Key_Down);
  EXPECT_EQ(form.Gliders.ListIndex(), 1);
  EXPECT_EQ(std::count(form.events.begin(), form.events.end(), "Gliders_Click Sport 2"), 1);
}

TEST_F(BindingTest, CtrlDReachesKeyPressAsFourAndASwallowedKeyTypesNothing) {
  std::vector<int> seen;
  form.Name.onKeyPress = [&](int& keyAscii) {
    seen.push_back(keyAscii);
    if (keyAscii == 4) {
      form.Name.SetText("5/5/2001");
      keyAscii = 0;
    }
  };
  QLineEdit* name = Widget<QLineEdit>("Name");
  ClickInto(name);
  QTest::keyClick(name, Qt::Key_D, Qt::ControlModifier);
  EXPECT_EQ(seen, std::vector<int>{4});
  EXPECT_EQ(name->text(), QStringLiteral("5/5/2001"));
}

TEST_F(BindingTest, KeyPressMayRefuseOrReplaceCharacters) {
  form.Height.onKeyPress = [](int& keyAscii) {
    if (keyAscii >= 'a' && keyAscii <= 'z') keyAscii = 0;  // letters refused
    if (keyAscii == ',') keyAscii = '.';                   // a comma typed as a point
  };
  QLineEdit* height = Widget<QLineEdit>("Height");
  ClickInto(height);
  QTest::keyClicks(height, "1x2,5");
  EXPECT_EQ(form.Height.Text(), "12.5");
  EXPECT_EQ(height->text(), QStringLiteral("12.5"));
}

TEST_F(BindingTest, TheFormSeesKeyDownBeforeItsControl) {
  std::vector<std::string> seen;
  form.onKeyDown = [&](int& keyCode, int shift) {
    seen.push_back("form " + std::to_string(keyCode) + " " + std::to_string(shift));
    if (keyCode == 113) keyCode = 0;  // F2 is the form's
  };
  form.Name.onKeyDown = [&](int& keyCode, int) {
    seen.push_back("Name " + std::to_string(keyCode));
  };
  QLineEdit* name = Widget<QLineEdit>("Name");
  ClickInto(name);
  QTest::keyClick(name, Qt::Key_F2);
  QTest::keyClick(name, Qt::Key_Left, Qt::ShiftModifier);
  // Shift is a key of its own before the arrow it modifies.
  EXPECT_EQ(seen, (std::vector<std::string>{"form 113 0", "form 16 1", "Name 16", "form 37 1",
                                            "Name 37"}));
}

TEST_F(BindingTest, EnterPressesTheDefaultButtonAfterCheckingTheFieldLeft) {
  QLineEdit* name = Widget<QLineEdit>("Name");
  ClickInto(name);
  form.events.clear();
  QTest::keyClick(name, Qt::Key_Return);
  EXPECT_EQ(form.events, (std::vector<std::string>{"Name_LostFocus", "Enter_Click"}));
}

TEST_F(BindingTest, EnterIsDroppedWhenTheCheckOfTheFieldLeftKeepsTheFocus) {
  form.Name.onLostFocus = [this] { form.SetFocus(form.Name); };
  QLineEdit* name = Widget<QLineEdit>("Name");
  ClickInto(name);
  QTest::keyClick(name, Qt::Key_Return);
  EXPECT_FALSE(Saw(form, "Enter_Click"));
  EXPECT_EQ(QApplication::focusWidget(), name);
}

TEST_F(BindingTest, EscapePressesTheCancelButtonWithoutCheckingTheField) {
  QLineEdit* name = Widget<QLineEdit>("Name");
  ClickInto(name);
  form.events.clear();
  QTest::keyClick(name, Qt::Key_Escape);
  EXPECT_EQ(form.events, std::vector<std::string>{"Cancel_Click"});
}

TEST_F(BindingTest, ALabelReportsItsMouseButtonsAndALeftClick) {
  std::vector<std::string> seen;
  form.Status.onMouseUp = [&](int button, int shift, double x, double y) {
    seen.push_back("up " + std::to_string(button) + " " + std::to_string(shift) + " " +
                   std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y)));
  };
  form.Status.onClick = [&] { seen.push_back("click"); };
  int formClicks = 0;
  form.onMouseUp = [&](int, int, double, double) { ++formClicks; };
  QLabel* status = Widget<QLabel>("Status");
  QTest::mouseClick(status, Qt::RightButton, Qt::ShiftModifier, QPoint(10, 4));
  QTest::mouseClick(status, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
  EXPECT_EQ(seen, (std::vector<std::string>{"up 2 1 150,60", "up 1 0 30,30", "click"}));
  EXPECT_EQ(formClicks, 0);
}

TEST_F(BindingTest, TheCanvasReportsTheMouseToTheFormInTwips) {
  std::vector<std::string> seen;
  auto record = [&seen](const char* what) {
    return [&seen, what](int button, int shift, double x, double y) {
      seen.push_back(std::string(what) + " " + std::to_string(button) + " " +
                     std::to_string(shift) + " " + std::to_string(static_cast<int>(x)) + "," +
                     std::to_string(static_cast<int>(y)));
    };
  };
  form.onMouseDown = record("down");
  form.onMouseUp = record("up");
  QTest::mouseClick(&window->Canvas(), Qt::MiddleButton, Qt::ControlModifier, QPoint(300, 250));
  EXPECT_EQ(seen, (std::vector<std::string>{"down 4 2 4500,3750", "up 4 2 4500,3750"}));
}

TEST_F(BindingTest, AMenuItemRunsItsMenusHandlerWithItsIndex) {
  auto* exit = window->findChild<QAction*>(QStringLiteral("FileMenu(2)"));
  ASSERT_NE(exit, nullptr);
  exit->trigger();
  EXPECT_TRUE(Saw(form, "FileMenu_Click 2"));
}

}  // namespace
}  // namespace aloftra::test
