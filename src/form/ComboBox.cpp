#include "form/ComboBox.h"

namespace aloftra {

void ComboBox::SetText(std::string text) {
  if (style_ == Style::kDropDownList) {
    SetListIndex(FindItem(text));
    return;
  }
  if (!SetProperty(text_, std::move(text))) return;
  if (onChange) onChange();
}

}  // namespace aloftra
