// An option button. The option buttons in one container (a frame, or the form itself)
// form one group: selecting one clears the others and runs its click handler.
#pragma once

#include "form/Control.h"

namespace aloftra {

class OptionButton : public Control {
 public:
  OptionButton(Form& form, std::string name, int index = -1)
      : Control(form, ControlKind::kOptionButton, std::move(name), index) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { SetProperty(caption_, std::move(caption)); }

  bool Value() const { return value_; }
  // Selecting runs the click handler when the button was not already selected; clearing
  // one button by hand runs nothing.
  void SetValue(bool value);

  bool Focusable() const override { return true; }

  std::function<void()> onClick;

 private:
  std::string caption_;
  bool value_ = false;
};

}  // namespace aloftra
