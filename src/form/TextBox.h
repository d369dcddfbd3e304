// A text box. Changing its text, whether the pilot types or the program writes, runs its
// change handler at once; writing the text it already holds changes nothing.
#pragma once

#include "form/Control.h"

namespace aloftra {

class TextBox : public Control {
 public:
  TextBox(Form& form, std::string name, int index = -1)
      : Control(form, ControlKind::kTextBox, std::move(name), index) {
    SetBackColor(kWindowBackground);
  }

  const std::string& Text() const { return text_; }
  void SetText(std::string text);

  bool Locked() const { return locked_; }
  void SetLocked(bool locked) { SetProperty(locked_, locked); }
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool multiLine) { SetProperty(multiLine_, multiLine); }
  Alignment TextAlignment() const { return alignment_; }
  void SetTextAlignment(Alignment alignment) { SetProperty(alignment_, alignment); }
  int MaxLength() const { return maxLength_; }  // 0: no limit
  void SetMaxLength(int length) { SetProperty(maxLength_, length); }

  // The selection, in characters of the text.
  int SelStart() const { return selStart_; }
  int SelLength() const { return selLength_; }
  void SetSelection(int start, int length) {
    if (start == selStart_ && length == selLength_) return;
    selStart_ = start;
    selLength_ = length;
    Changed();
  }

  bool Focusable() const override { return true; }

  std::function<void()> onChange;

 private:
  std::string text_;
  bool locked_ = false;
  bool multiLine_ = false;
  Alignment alignment_ = Alignment::kLeft;
  int maxLength_ = 0;
  int selStart_ = 0;
  int selLength_ = 0;
};

}  // namespace aloftra
