#include "qt/MessageBoxes.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>

#include "qt/QtConvert.h"

namespace aloftra::qt {

namespace {

QMessageBox::StandardButtons ButtonsOf(MsgBoxButtons buttons) {
  switch (buttons) {
    case MsgBoxButtons::kOkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgBoxButtons::kYesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgBoxButtons::kYesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MsgBoxButtons::kOk:
      break;
  }
  return QMessageBox::Ok;
}

// The first button is the default, as in the program's message boxes everywhere.
QMessageBox::StandardButton DefaultButtonOf(MsgBoxButtons buttons) {
  switch (buttons) {
    case MsgBoxButtons::kYesNoCancel:
    case MsgBoxButtons::kYesNo:
      return QMessageBox::Yes;
    case MsgBoxButtons::kOkCancel:
    case MsgBoxButtons::kOk:
      break;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon IconOf(MsgBoxIcon icon) {
  switch (icon) {
    case MsgBoxIcon::kCritical:
      return QMessageBox::Critical;
    case MsgBoxIcon::kQuestion:
      return QMessageBox::Question;
    case MsgBoxIcon::kExclamation:
      return QMessageBox::Warning;
    case MsgBoxIcon::kInformation:
      return QMessageBox::Information;
    case MsgBoxIcon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

// What a desktop's title bar holds beside the title: the window's icon, up to three buttons
// and the space around them.
constexpr int kTitleBarAllowance = 120;

}  // namespace

int MessageBoxMinimumWidth(const QString& title, const QFont& font) {
  // Title bars mostly show their text in bold, a little larger than the dialog's.
  QFont titleFont = font;
  titleFont.setBold(true);
  int text = QFontMetrics(titleFont).horizontalAdvance(title);
  return text + text / 10 + kTitleBarAllowance;
}

std::unique_ptr<QMessageBox> MakeMessageBox(const std::string& prompt, MsgBoxButtons buttons,
                                            MsgBoxIcon icon, const std::string& title,
                                            QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(IconOf(icon), ToQString(title), ToWidgetText(prompt),
                                           ButtonsOf(buttons), parent);
  box->setTextFormat(Qt::PlainText);
  box->setDefaultButton(DefaultButtonOf(buttons));
  // Qt makes a box as narrow as its text, and a short text leaves the title bar no room for
  // the title. A row of that width keeps the box wide enough; the box still grows with its
  // text (which it wraps only beyond half the screen).
  auto* row = new QSpacerItem(MessageBoxMinimumWidth(box->windowTitle(), box->font()), 0,
                              QSizePolicy::Minimum, QSizePolicy::Minimum);
  if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
    grid->addItem(row, grid->rowCount(), 0, 1, grid->columnCount());
  } else {
    box->layout()->addItem(row);
  }
  return box;
}

MsgBoxAnswer AnswerOf(QMessageBox::StandardButton pressed, MsgBoxButtons buttons) {
  switch (pressed) {
    case QMessageBox::Ok:
      return MsgBoxAnswer::kOk;
    case QMessageBox::Yes:
      return MsgBoxAnswer::kYes;
    case QMessageBox::No:
      return MsgBoxAnswer::kNo;
    case QMessageBox::Cancel:
      return MsgBoxAnswer::kCancel;
    default:
      break;
  }
  return CautiousAnswer(buttons);
}

MsgBoxAnswer CautiousAnswer(MsgBoxButtons buttons) {
  switch (buttons) {
    case MsgBoxButtons::kOkCancel:
    case MsgBoxButtons::kYesNoCancel:
      return MsgBoxAnswer::kCancel;
    case MsgBoxButtons::kYesNo:
      return MsgBoxAnswer::kNo;
    case MsgBoxButtons::kOk:
      break;
  }
  return MsgBoxAnswer::kOk;
}

}  // namespace aloftra::qt
