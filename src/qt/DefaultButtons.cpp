#include "qt/DefaultButtons.h"

namespace aloftra::qt {

namespace {

template <class Predicate>
CommandButton* FirstButton(const Form& form, Predicate wanted) {
  for (Control* control : form.Controls()) {
    if (control->Kind() != ControlKind::kCommandButton) continue;
    auto* button = static_cast<CommandButton*>(control);
    if (wanted(*button) && button->EffectivelyVisible() && button->EffectivelyEnabled()) {
      return button;
    }
  }
  return nullptr;
}

}  // namespace

CommandButton* DefaultButtonOf(const Form& form) {
  return FirstButton(form, [](const CommandButton& b) { return b.IsDefault(); });
}

CommandButton* CancelButtonOf(const Form& form) {
  return FirstButton(form, [](const CommandButton& b) { return b.IsCancel(); });
}

bool PressDefaultButton(Form& form) {
  CommandButton* button = DefaultButtonOf(form);
  if (button == nullptr) return false;
  form.SetFocus(*button);
  // A lost-focus check that refused the field keeps the focus there; the press is dropped.
  if (form.ActiveControl() == button) button->Click();
  return true;
}

bool PressCancelButton(Form& form) {
  CommandButton* button = CancelButtonOf(form);
  if (button == nullptr) return false;
  button->Click();
  return true;
}

}  // namespace aloftra::qt
