#include "form/ListControl.h"

#include <algorithm>

#include "core/Ascii.h"

namespace aloftra {

int ListControl::AddItem(std::string text, long data) {
  std::size_t position = items_.size();
  if (sorted_) {
    auto it = std::upper_bound(items_.begin(), items_.end(), text,
                               [](const std::string& value, const Item& item) {
                                 return CompareIgnoringCase(value, item.text) < 0;
                               });
    position = static_cast<std::size_t>(it - items_.begin());
  }
  items_.insert(items_.begin() + static_cast<long>(position), Item{std::move(text), data});
  int index = static_cast<int>(position);
  if (listIndex_ >= index) ++listIndex_;  // the same entry stays selected
  return index;
}

void ListControl::RemoveItem(int index) {
  if (index < 0 || index >= ListCount()) return;
  items_.erase(items_.begin() + index);
  if (listIndex_ == index) {
    listIndex_ = -1;
    SelectionChanged();
  } else if (listIndex_ > index) {
    --listIndex_;
  }
}

void ListControl::Clear() {
  items_.clear();
  if (listIndex_ != -1) {
    listIndex_ = -1;
    SelectionChanged();
  }
}

int ListControl::FindItem(const std::string& text) const {
  for (int i = 0; i < ListCount(); ++i) {
    if (items_[i].text == text) return i;
  }
  return -1;
}

void ListControl::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) index = -1;
  if (index == listIndex_) return;
  listIndex_ = index;
  SelectionChanged();
  if (onClick) onClick();
}

const std::string& ListControl::SelectedText() const {
  static const std::string kNone;
  return listIndex_ >= 0 ? items_[listIndex_].text : kNone;
}

}  // namespace aloftra
