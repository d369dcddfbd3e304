// Windows come and go with their forms; one call runs at a time; the close box and the end
// of the program are the forms' decisions.
#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include "BindingFixture.h"

namespace aloftra::test {
namespace {

class SecondForm : public Form {
 public:
  SecondForm() : Form("frmSecond") {
    SetCaption("Second");
    Resize(3000, 1500);
    Close.Move(120, 120, 1200, 375);
    Close.SetCaption("Close");
    Close.onClick = [this] { Unload(); };
  }
  CommandButton Close{*this, "Close"};
};

TEST_F(BindingTest, AFormShownByAHandlerGetsItsWindowAndAHiddenOneLosesIt) {
  SecondForm second;
  binding.AddForm(second);
  EXPECT_EQ(binding.WindowOf(second), nullptr);  // made when first needed
  form.Enter.onClick = [&] {
    second.Move(form.Left() + 300, form.Top() + 600);
    form.SetEnabled(false);
    second.Show();
  };
  QTest::mouseClick(Widget<QPushButton>("Enter"), Qt::LeftButton);
  qt::FormWindow* secondWindow = binding.WindowOf(second);
  ASSERT_NE(secondWindow, nullptr);
  EXPECT_TRUE(secondWindow->isVisible());
  EXPECT_EQ(secondWindow->Kind(), qt::WindowKind::kDialog);
  EXPECT_EQ(secondWindow->geometry().topLeft(), QPoint(120, 140));
  EXPECT_FALSE(window->isEnabled());
  // The desktop keeps the dialog above the page it disabled.
  ASSERT_NE(secondWindow->windowHandle(), nullptr);
  EXPECT_EQ(secondWindow->windowHandle()->transientParent(), window->windowHandle());

  second.onUnload = [&](int&) { form.SetEnabled(true); };
  auto* close = secondWindow->findChild<QPushButton*>(QStringLiteral("Close"));
  QTest::mouseClick(close, Qt::LeftButton);
  EXPECT_FALSE(secondWindow->isVisible());
  EXPECT_TRUE(window->isEnabled());
  EXPECT_TRUE(window->isVisible());
}

TEST_F(BindingTest, TheCloseBoxAsksTheFormWhichMayStayLoaded) {
  int asked = 0;
  form.onUnload = [&](int& cancel) {
    ++asked;
    cancel = 1;
  };
  window->close();
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(form.Loaded());

  form.onUnload = [&](int&) { ++asked; };
  window->close();
  EXPECT_EQ(asked, 2);
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(form.Loaded());
}

// The form's place is where the window's inside begins, below the desktop's title bar: the
// frame's size is not known at every moment, the inside's place is.
TEST_F(BindingTest, MovingTheWindowWritesThePlaceOfItsInsideIntoTheFormInTwips) {
  window->move(210, 90);  // by its frame, as the pilot drags it
  QApplication::processEvents();
  QPoint inside = window->geometry().topLeft();
  ASSERT_NE(inside, window->frameGeometry().topLeft()) << "the desktop draws no frame";
  EXPECT_EQ(form.Left(), inside.x() * 15);
  EXPECT_EQ(form.Top(), inside.y() * 15);
  // And the form moving the window puts its inside there.
  ASSERT_TRUE(binding.Dispatch([this] { form.Move(600, 750); }));
  EXPECT_EQ(window->geometry().topLeft(), QPoint(40, 50));
}

TEST_F(BindingTest, APageShownInPlaceOfAnotherCoversItExactly) {
  SecondForm second;
  binding.AddForm(second, qt::WindowKind::kPage);
  window->move(210, 90);
  QApplication::processEvents();
  const QRect frame = window->frameGeometry();
  const QPoint inside = window->geometry().topLeft();
  // As the program switches pages: the new one goes where the old one is, which hides.
  ASSERT_TRUE(binding.Dispatch([&] {
    second.Move(form.Left(), form.Top());
    second.Show();
    form.Hide();
  }));
  qt::FormWindow* secondWindow = binding.WindowOf(second);
  ASSERT_NE(secondWindow, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(secondWindow));
  EXPECT_EQ(secondWindow->geometry().topLeft(), inside);
  EXPECT_EQ(secondWindow->frameGeometry().topLeft(), frame.topLeft());
}

TEST_F(BindingTest, OneCallRunsAtATime) {
  bool nested = true;
  ASSERT_TRUE(binding.Dispatch([&] { nested = binding.Dispatch([] {}); }));
  EXPECT_FALSE(nested);
  // Once the call is over the next one runs.
  EXPECT_TRUE(binding.Dispatch([] {}));
}

TEST_F(BindingTest, AClickTurnedAwayLeavesTheWidgetShowingItsControl) {
  // While another call runs (as when a message box is open in it), a click is turned away
  // and the check box shows the control's value, not the click's.
  auto* tandem = window->findChild<QCheckBox*>(QStringLiteral("Tandem"));
  ASSERT_NE(tandem, nullptr);
  ASSERT_TRUE(binding.Dispatch([&] { tandem->click(); }));
  EXPECT_FALSE(form.Tandem.Checked());
  EXPECT_FALSE(tandem->isChecked());
}

TEST_F(BindingTest, AnErrorInAHandlerIsReportedAndTheProgramCarriesOn) {
  form.Enter.onClick = [] { throw std::runtime_error("disk on fire"); };
  QTest::mouseClick(Widget<QPushButton>("Enter"), Qt::LeftButton);
  EXPECT_EQ(errors, std::vector<std::string>{"disk on fire"});
  EXPECT_TRUE(binding.Dispatch([] {}));
}

TEST_F(BindingTest, WhenTheQuitConditionHoldsTheWindowsCloseAndNoMoreCallsRun) {
  bool ended = false;
  binding.SetQuitCondition([&] { return ended; });
  form.Cancel.onClick = [&] { ended = true; };
  QTest::mouseClick(Widget<QPushButton>("Cancel"), Qt::LeftButton);
  EXPECT_TRUE(binding.QuitDone());
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(binding.Dispatch([] {}));
}

TEST_F(BindingTest, TheEventLoopEndsWhenTheProgramEnds) {
  bool ended = false;
  binding.SetQuitCondition([&] { return ended; });
  form.Cancel.onClick = [&] { ended = true; };
  QPushButton* cancel = Widget<QPushButton>("Cancel");
  QTimer::singleShot(0, cancel, [cancel] { QTest::mouseClick(cancel, Qt::LeftButton); });
  // Should the loop not end, this ends it with a code the test refuses.
  QTimer::singleShot(5000, [] { QCoreApplication::exit(7); });
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_TRUE(binding.QuitDone());
}

TEST_F(BindingTest, TheWindowOfAFormCanBeRenderedWithoutShowingIt) {
  SecondForm second;
  binding.AddForm(second);
  QPixmap image = binding.Render(second);
  EXPECT_EQ(image.size(), QSize(200, 100));
  ASSERT_NE(binding.WindowOf(second), nullptr);
  EXPECT_FALSE(binding.WindowOf(second)->isVisible());
}

}  // namespace
}  // namespace aloftra::test
