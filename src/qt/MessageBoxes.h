// The program's message boxes as Qt message boxes: the buttons and icon asked for, the
// title given, and the pilot's answer as the forms count answers.
#pragma once

#include <QMessageBox>
#include <memory>
#include <string>

#include "form/Platform.h"

namespace aloftra::qt {

// A box is at least this wide, so the desktop's title bar shows the whole title.
int MessageBoxMinimumWidth(const QString& title, const QFont& font);

std::unique_ptr<QMessageBox> MakeMessageBox(const std::string& prompt, MsgBoxButtons buttons,
                                            MsgBoxIcon icon, const std::string& title,
                                            QWidget* parent);
// The answer of a pressed button; a box closed without one gives the cautious answer.
MsgBoxAnswer AnswerOf(QMessageBox::StandardButton pressed, MsgBoxButtons buttons);
// The answer given when nobody can be asked: the one that changes least.
MsgBoxAnswer CautiousAnswer(MsgBoxButtons buttons);

}  // namespace aloftra::qt
