#include "form/OptionButton.h"

#include "form/Form.h"

namespace aloftra {

void OptionButton::SetValue(bool value) {
  if (!value) {
    value_ = false;
    return;
  }
  if (value_) return;
  for (Control* control : Parent().Controls()) {
    if (control != this && control->Kind() == ControlKind::kOptionButton &&
        control->Container() == Container()) {
      static_cast<OptionButton*>(control)->value_ = false;
    }
  }
  value_ = true;
  if (onClick) onClick();
}

}  // namespace aloftra
