// The windows show their forms: one widget per control at its place, and whatever a
// handler changes shows once the handler returns.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "BindingFixture.h"
#include "qt/FormCanvas.h"

namespace aloftra::test {
namespace {

TEST_F(BindingTest, EachControlHasAWidgetOfItsKindAtItsPlaceInPixels) {
  EXPECT_EQ(window->objectName(), QStringLiteral("frmDemo"));
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Demo"));
  EXPECT_EQ(window->Canvas().size(), QSize(400, 300));
  EXPECT_EQ(window->geometry().topLeft(), QPoint(100, 100));  // its inside

  QLineEdit* name = Widget<QLineEdit>("Name");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->geometry(), QRect(8, 8, 160, 21));
  EXPECT_EQ(name->parentWidget(), &window->Canvas());
  EXPECT_NE(Widget<QPlainTextEdit>("Remarks"), nullptr);
  EXPECT_NE(Widget<QPushButton>("Enter"), nullptr);
  EXPECT_NE(Widget<QCheckBox>("Tandem"), nullptr);
  EXPECT_NE(Widget<QGroupBox>("Kind"), nullptr);
  EXPECT_NE(Widget<QListWidget>("Gliders"), nullptr);
  // Controls in a frame keep form coordinates: they are the canvas's children too.
  QRadioButton* paraglider = Widget<QRadioButton>("Wing(1)");
  ASSERT_NE(paraglider, nullptr);
  EXPECT_EQ(paraglider->parentWidget(), &window->Canvas());
  EXPECT_EQ(paraglider->geometry().topLeft(), QPoint(16, 180));
  QComboBox* site = Widget<QComboBox>("Site");
  ASSERT_NE(site, nullptr);
  EXPECT_EQ(site->count(), 2);
  EXPECT_EQ(site->itemText(1), QStringLiteral("Torrey Pines"));
  EXPECT_EQ(Widget<QLabel>("Status")->text(), QStringLiteral("Ready"));
  // Shapes are painted, not widgets.
  EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("Marker")), nullptr);
}

TEST_F(BindingTest, FramesLieUnderneathTheControlsTheyHold) {
  QWidget* frame = Widget<QGroupBox>("Kind");
  QWidget* option = Widget<QRadioButton>("Wing(0)");
  QPoint inside = option->geometry().center();
  EXPECT_EQ(window->Canvas().childAt(inside), option);
  EXPECT_LT(window->Canvas().children().indexOf(frame),
            window->Canvas().children().indexOf(option));
}

TEST_F(BindingTest, TheMenuBarHoldsTheFormsMenusWithTheirShortcuts) {
  QMenu* file = window->menuBar()->findChild<QMenu*>(QStringLiteral("FileMenu"));
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->title(), QStringLiteral("&File"));  // with its access key
  QList<QAction*> actions = file->actions();
  ASSERT_EQ(actions.size(), 3);
  EXPECT_EQ(actions[0]->text(), QStringLiteral("New..."));
  EXPECT_EQ(actions[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
  EXPECT_TRUE(actions[1]->isSeparator());
  EXPECT_EQ(actions[2]->objectName(), QStringLiteral("FileMenu(2)"));
}

TEST_F(BindingTest, WhatAHandlerChangesShowsInTheWidgetsAfterTheCall) {
  form.Name.onChange = [this] {
    form.Status.SetCaption("Edited: " + form.Name.Text());
    form.Height.SetText("1200");
    form.Height.SetForeColor(kRed);
    form.Enter.SetEnabled(false);
    form.Tandem.SetVisible(false);
    form.Kind.SetEnabled(false);
    form.Gliders.AddItem("Alpha");
    form.FileMenu.Item(0).enabled = false;
    form.SetCaption("Demo*");
  };
  QTest::keyClicks(Widget<QLineEdit>("Name"), "x");

  EXPECT_EQ(Widget<QLabel>("Status")->text(), QStringLiteral("Edited: x"));
  QLineEdit* height = Widget<QLineEdit>("Height");
  EXPECT_EQ(height->text(), QStringLiteral("1200"));
  EXPECT_EQ(height->palette().color(QPalette::Active, QPalette::Text), QColor(255, 0, 0));
  EXPECT_FALSE(Widget<QPushButton>("Enter")->isEnabled());
  EXPECT_FALSE(Widget<QCheckBox>("Tandem")->isVisible());
  // A disabled frame disables what it holds.
  EXPECT_FALSE(Widget<QRadioButton>("Wing(0)")->isEnabled());
  QListWidget* gliders = Widget<QListWidget>("Gliders");
  ASSERT_EQ(gliders->count(), 3);
  EXPECT_EQ(gliders->item(2)->text(), QStringLiteral("Alpha"));
  EXPECT_FALSE(window->findChild<QAction*>(QStringLiteral("FileMenu(0)"))->isEnabled());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Demo*"));
}

TEST_F(BindingTest, ProgramChangesToSelectionsShowWithoutRunningTheirHandlersTwice) {
  ASSERT_TRUE(binding.Dispatch([this] {
    form.Site.SetListIndex(1);
    form.Paraglider.SetValue(true);
    form.Tandem.SetChecked(true);
    form.Gliders.SetListIndex(0);
  }));
  EXPECT_EQ(Widget<QComboBox>("Site")->currentIndex(), 1);
  EXPECT_TRUE(Widget<QRadioButton>("Wing(1)")->isChecked());
  EXPECT_TRUE(Widget<QCheckBox>("Tandem")->isChecked());
  EXPECT_EQ(Widget<QListWidget>("Gliders")->currentRow(), 0);
  EXPECT_EQ(form.events, (std::vector<std::string>{"Site_Click Torrey Pines", "Wing_Click 1",
                                                   "Tandem_Click 1", "Gliders_Click Falcon"}));
}

TEST_F(BindingTest, MultiLineTextShowsLineFeedsAndStoresCarriageReturnLineFeeds) {
  ASSERT_TRUE(binding.Dispatch([this] { form.Remarks.SetText("Thermals\r\nLanded out"); }));
  QPlainTextEdit* remarks = Widget<QPlainTextEdit>("Remarks");
  EXPECT_EQ(remarks->toPlainText(), QStringLiteral("Thermals\nLanded out"));

  ClickInto(remarks);
  remarks->moveCursor(QTextCursor::End);
  QTest::keyClick(remarks, Qt::Key_Return);
  QTest::keyClicks(remarks, "ok");
  EXPECT_EQ(form.Remarks.Text(), "Thermals\r\nLanded out\r\nok");
  // Enter stays in a multi-line box instead of pressing the default button.
  EXPECT_EQ(std::count(form.events.begin(), form.events.end(), "Enter_Click"), 0);
}

TEST_F(BindingTest, ALockedTextBoxIsReadOnlyAndAMaximumLengthLimitsTyping) {
  ASSERT_TRUE(binding.Dispatch([this] {
    form.Height.SetLocked(true);
    form.Name.SetMaxLength(3);
  }));
  EXPECT_TRUE(Widget<QLineEdit>("Height")->isReadOnly());
  QLineEdit* name = Widget<QLineEdit>("Name");
  ClickInto(name);
  QTest::keyClicks(name, "abcdef");
  EXPECT_EQ(form.Name.Text(), "abc");
}

TEST_F(BindingTest, TheSelectionAHandlerSetsShowsInTheEditor) {
  form.Height.onGotFocus = [this] {
    form.Height.SetSelection(0, static_cast<int>(form.Height.Text().size()));
  };
  ASSERT_TRUE(binding.Dispatch([this] { form.Height.SetText("1500"); }));
  QLineEdit* height = Widget<QLineEdit>("Height");
  height->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  EXPECT_EQ(height->selectedText(), QStringLiteral("1500"));
  // Typing over the selection replaces it, and the caret the pilot left is the model's.
  QTest::keyClicks(height, "9");
  EXPECT_EQ(form.Height.Text(), "9");
  EXPECT_EQ(form.Height.SelStart(), 1);
  EXPECT_EQ(form.Height.SelLength(), 0);
}

TEST_F(BindingTest, TypingInTheMiddleKeepsTheCaretWhereThePilotPutIt) {
  ASSERT_TRUE(binding.Dispatch([this] { form.Name.SetText("Tory"); }));
  QLineEdit* name = Widget<QLineEdit>("Name");
  ClickInto(name);
  name->setCursorPosition(3);
  QTest::keyClicks(name, "re");
  EXPECT_EQ(form.Name.Text(), "Torrey");
  EXPECT_EQ(name->cursorPosition(), 5);
}

}  // namespace
}  // namespace aloftra::test
