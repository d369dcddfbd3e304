#include "form/ComboBox.h"

namespace aloftra {

void ComboBox::SetText(std::string text) {
  if (style_ == Style::kDropDownList) {
    SetListIndex(FindItem(text));
    return;
  }
  if (text == text_) return;
  text_ = std::move(text);
  if (onChange) onChange();
}

}  // namespace aloftra
