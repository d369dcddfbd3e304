#include "form/ComboBox.h"

namespace aloftra {

void ComboBox::SetText(std::string text) {
  if (style_ == Style::kDropDownList) {
    SetListIndex(FindItem(text));
    return;
  }
  if (!SetProperty(text_, std::move(text))) return;
  // Text that is no longer the selected entry's leaves nothing selected, so choosing that
  // entry again is a choice like any other.
  if (ListIndex() >= 0 && List(ListIndex()) != text_) DropSelection();
  if (onChange) onChange();
}

}  // namespace aloftra
