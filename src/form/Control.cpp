#include "form/Control.h"

#include "form/Form.h"
#include "form/Frame.h"

namespace aloftra {

Control::Control(Form& form, ControlKind kind, std::string name, int index)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index) {
  tabIndex_ = form.Register(*this);
}

std::string Control::QualifiedName() const {
  if (index_ < 0) return name_;
  return name_ + "(" + std::to_string(index_) + ")";
}

bool Control::EffectivelyVisible() const {
  if (!visible_) return false;
  return container_ == nullptr || container_->EffectivelyVisible();
}

bool Control::EffectivelyEnabled() const {
  if (!enabled_ || !form_.Enabled()) return false;
  return container_ == nullptr || container_->EffectivelyEnabled();
}

void Control::MouseDown(int button, int shift, double x, double y) {
  if (onMouseDown) onMouseDown(button, shift, x, y);
}

void Control::MouseUp(int button, int shift, double x, double y) {
  if (onMouseUp) onMouseUp(button, shift, x, y);
}

int Control::KeyPress(int keyAscii) {
  if (onKeyPress) onKeyPress(keyAscii);
  return keyAscii;
}

int Control::KeyDown(int keyCode, int shift) {
  if (onKeyDown) onKeyDown(keyCode, shift);
  return keyCode;
}

void Control::DblClick() {
  if (onDblClick) onDblClick();
}

}  // namespace aloftra
