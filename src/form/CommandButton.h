// A push button, with an optional picture in place of its caption. The default button
// answers the Enter key of its form, the cancel button the Escape key.
#pragma once

#include "form/Control.h"

namespace aloftra {

class CommandButton : public Control {
 public:
  CommandButton(Form& form, std::string name, int index = -1)
      : Control(form, ControlKind::kCommandButton, std::move(name), index) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { SetProperty(caption_, std::move(caption)); }
  // The name of a picture drawn on the button ("first", "previous", "next", "last", ...).
  const std::string& Picture() const { return picture_; }
  void SetPicture(std::string picture) { SetProperty(picture_, std::move(picture)); }
  bool IsDefault() const { return default_; }
  void SetDefault(bool isDefault) { SetProperty(default_, isDefault); }
  bool IsCancel() const { return cancel_; }
  void SetCancel(bool isCancel) { SetProperty(cancel_, isCancel); }

  bool Focusable() const override { return true; }

  std::function<void()> onClick;
  // A press by the pilot or the program; a disabled button does nothing.
  void Click() {
    if (EffectivelyEnabled() && onClick) onClick();
  }

 private:
  std::string caption_;
  std::string picture_;
  bool default_ = false;
  bool cancel_ = false;
};

}  // namespace aloftra
