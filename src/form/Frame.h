// A frame: a captioned border that groups controls. Hiding or disabling it hides or
// disables what it holds, and the option buttons inside it form one group.
#pragma once

#include "form/Control.h"

namespace aloftra {

class Frame : public Control {
 public:
  Frame(Form& form, std::string name, int index = -1)
      : Control(form, ControlKind::kFrame, std::move(name), index) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { SetProperty(caption_, std::move(caption)); }

 private:
  std::string caption_;
};

}  // namespace aloftra
