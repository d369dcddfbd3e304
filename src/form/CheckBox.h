// A check box. Changing its value, by a click or by the program, runs its click handler.
#pragma once

#include "form/Control.h"

namespace aloftra {

class CheckBox : public Control {
 public:
  static constexpr int kUnchecked = 0;
  static constexpr int kChecked = 1;

  CheckBox(Form& form, std::string name, int index = -1)
      : Control(form, ControlKind::kCheckBox, std::move(name), index) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { SetProperty(caption_, std::move(caption)); }

  int Value() const { return value_; }
  bool Checked() const { return value_ == kChecked; }
  void SetValue(int value) {
    if (!SetProperty(value_, value)) return;
    if (onClick) onClick();
  }
  void SetChecked(bool checked) { SetValue(checked ? kChecked : kUnchecked); }
  // A click of the pilot toggles the box.
  void Toggle() { SetValue(value_ == kChecked ? kUnchecked : kChecked); }

  bool Focusable() const override { return true; }

  std::function<void()> onClick;

 private:
  std::string caption_;
  int value_ = kUnchecked;
};

}  // namespace aloftra
