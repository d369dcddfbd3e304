// The buttons that answer Enter and Escape on a form: the default button and the cancel
// button, when one is set and can be pressed.
#pragma once

#include "form/CommandButton.h"
#include "form/Form.h"

namespace aloftra::qt {

CommandButton* DefaultButtonOf(const Form& form);
CommandButton* CancelButtonOf(const Form& form);

// Enter: the default button takes the focus first, so the field being left is checked as
// it would be for a click; the button is pressed only when the focus got there. Returns
// false when the form has no default button.
bool PressDefaultButton(Form& form);
// Escape: the cancel button is pressed without checking the field being left.
bool PressCancelButton(Form& form);

}  // namespace aloftra::qt
