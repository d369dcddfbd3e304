#include "form/OptionButton.h"

#include "form/Form.h"

namespace aloftra {

void OptionButton::SetValue(bool value) {
  if (!value) {
    SetProperty(value_, false);
    return;
  }
  if (value_) return;
  for (Control* control : Parent().Controls()) {
    if (control != this && control->Kind() == ControlKind::kOptionButton &&
        control->Container() == Container()) {
      auto* other = static_cast<OptionButton*>(control);
      other->SetProperty(other->value_, false);
    }
  }
  SetProperty(value_, true);
  if (onClick) onClick();
}

}  // namespace aloftra
