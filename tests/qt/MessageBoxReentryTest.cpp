// A real message box opened by a lost-focus check: while it is open the focus goes to the
// box and back, and none of that may reach the form again; the box shows over windows that
// already show what the check changed before asking.
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "BindingFixture.h"
#include "qt/QtPlatform.h"
#include "qt/Session.h"

namespace aloftra::test {
namespace {

// Answers the next message box that opens, noting its text and what a widget showed then.
class BoxAnswerer {
 public:
  BoxAnswerer(QWidget* watched, QMessageBox::StandardButton answer)
      : watched_(watched), answer_(answer) {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { AnswerIfOpen(); });
    timer_.start();
  }
  QStringList texts;
  QStringList watchedTexts;

 private:
  void AnswerIfOpen() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    texts.push_back(box->text());
    watchedTexts.push_back(qobject_cast<QLineEdit*>(watched_)->text());
    box->button(answer_)->click();
  }
  QWidget* watched_;
  QMessageBox::StandardButton answer_;
  QTimer timer_;
};

TEST_F(BindingTest, AMessageBoxInALostFocusCheckDoesNotRunTheFormAgain) {
  qt::QtPlatform platform;
  qt::BindProgram(binding, platform, {&form}, nullptr);
  int checks = 0;
  int heightFocus = 0;
  MsgBoxAnswer answer = MsgBoxAnswer::kCancel;
  form.Name.onLostFocus = [&] {
    ++checks;
    if (form.Name.Text() == "ok") return;
    form.Name.SetText("");
    answer =
        platform.MsgBox("Invalid name", MsgBoxButtons::kOk, MsgBoxIcon::kExclamation, "Aloftra");
    form.SetFocus(form.Name);
  };
  form.Height.onGotFocus = [&] { ++heightFocus; };

  QLineEdit* name = Widget<QLineEdit>("Name");
  ClickInto(name);
  QTest::keyClicks(name, "bad");
  BoxAnswerer answerer(name, QMessageBox::Ok);
  ClickInto(Widget<QLineEdit>("Height"));

  EXPECT_EQ(answerer.texts, QStringList{QStringLiteral("Invalid name")});
  // The field was emptied on the screen before the question was asked.
  EXPECT_EQ(answerer.watchedTexts, QStringList{QString()});
  EXPECT_EQ(answer, MsgBoxAnswer::kOk);
  EXPECT_EQ(checks, 1);
  // The check kept the focus, and the box coming and going gave none to the height.
  EXPECT_EQ(heightFocus, 0);
  EXPECT_EQ(form.ActiveControl(), &form.Name);
}

}  // namespace
}  // namespace aloftra::test
