#include "form/TextBox.h"

namespace aloftra {

void TextBox::SetText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  selStart_ = static_cast<int>(text_.size());
  selLength_ = 0;
  Changed();
  if (onChange) onChange();
}

}  // namespace aloftra
