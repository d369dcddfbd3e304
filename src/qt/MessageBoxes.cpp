#include "qt/MessageBoxes.h"

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

}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(const std::string& prompt, MsgBoxButtons buttons,
                                            MsgBoxIcon icon, const std::string& title,
                                            QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(IconOf(icon), ToQString(title), ToWidgetText(prompt),
                                           ButtonsOf(buttons), parent);
  box->setTextFormat(Qt::PlainText);
  box->setDefaultButton(DefaultButtonOf(buttons));
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
