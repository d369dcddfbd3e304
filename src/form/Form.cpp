#include "form/Form.h"

namespace aloftra {

Form::Form(std::string name) : name_(std::move(name)) {}

void Form::Load() {
  if (loaded_) return;
  loaded_ = true;
  if (onLoad) onLoad();
}

void Form::Show() {
  Load();
  visible_ = true;
}

bool Form::Unload() {
  int cancel = 0;
  if (onUnload) onUnload(cancel);
  if (cancel != 0) return false;
  visible_ = false;
  loaded_ = false;
  active_ = nullptr;
  return true;
}

int Form::Register(Control& control) {
  controls_.push_back(&control);
  return static_cast<int>(controls_.size()) - 1;
}

Control* Form::FindControl(const std::string& name, int index) const {
  for (Control* control : controls_) {
    if (control->Name() == name && control->Index() == index) return control;
  }
  return nullptr;
}

bool Form::SetFocus(Control& control) {
  if (&control.Parent() != this) return false;
  if (!control.Focusable() || !control.EffectivelyVisible() || !control.EffectivelyEnabled()) {
    return false;
  }
  if (active_ == &control) return true;
  Control* previous = active_;
  // The new control holds the focus before the old one hears of its loss, so a lost-focus
  // handler that moves the focus elsewhere has the last word.
  active_ = &control;
  if (previous != nullptr && previous->onLostFocus) previous->onLostFocus();
  if (active_ == &control && control.onGotFocus) control.onGotFocus();
  return true;
}

Menu& Form::AddMenu(std::string name, std::string caption) {
  menus_.push_back(std::make_unique<Menu>(std::move(name), std::move(caption)));
  return *menus_.back();
}

Menu* Form::FindMenu(const std::string& name) const {
  for (const auto& menu : menus_) {
    if (menu->Name() == name) return menu.get();
  }
  return nullptr;
}

void Form::Paint() {
  if (onPaint) onPaint();
}

void Form::MouseDown(int button, int shift, double x, double y) {
  if (onMouseDown) onMouseDown(button, shift, x, y);
}

void Form::MouseUp(int button, int shift, double x, double y) {
  if (onMouseUp) onMouseUp(button, shift, x, y);
}

void Form::MouseMove(int button, int shift, double x, double y) {
  if (onMouseMove) onMouseMove(button, shift, x, y);
}

int Form::KeyDown(int keyCode, int shift) {
  if (onKeyDown) onKeyDown(keyCode, shift);
  return keyCode;
}

}  // namespace aloftra
