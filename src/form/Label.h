// A label: a caption the pilot cannot edit. Its mouse events still reach the form.
#pragma once

#include "form/Control.h"

namespace aloftra {

class Label : public Control {
 public:
  Label(Form& form, std::string name, int index = -1)
      : Control(form, ControlKind::kLabel, std::move(name), index) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { SetProperty(caption_, std::move(caption)); }
  Alignment TextAlignment() const { return alignment_; }
  void SetTextAlignment(Alignment alignment) { SetProperty(alignment_, alignment); }
  bool Bordered() const { return bordered_; }
  void SetBordered(bool bordered) { SetProperty(bordered_, bordered); }
  // A transparent label shows the form (and its drawing) behind its text.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent) { SetProperty(transparent_, transparent); }

  std::function<void()> onClick;
  void Click() {
    if (onClick) onClick();
  }

 private:
  std::string caption_;
  Alignment alignment_ = Alignment::kLeft;
  bool bordered_ = false;
  bool transparent_ = true;
};

}  // namespace aloftra
