#include "form/ListControl.h"

#include <algorithm>

namespace aloftra {

namespace {

// Only ASCII letters fold, whatever locale the program runs in.
unsigned char FoldAscii(char c) {
  auto byte = static_cast<unsigned char>(c);
  return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

bool ListTextLess(const std::string& a, const std::string& b) {
  return CompareListText(a, b) < 0;
}

}  // namespace

int CompareListText(const std::string& a, const std::string& b) {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    unsigned char ca = FoldAscii(a[i]);
    unsigned char cb = FoldAscii(b[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

void ListControl::EntriesChanged() {
  ++listRevision_;
  Changed();
}

void ListControl::SetItemData(int index, long data) {
  SetProperty(items_.at(index).data, data);
}

int ListControl::AddItem(std::string text, long data) {
  std::size_t position = items_.size();
  if (sorted_) {
    auto it = std::upper_bound(
        items_.begin(), items_.end(), text,
        [](const std::string& value, const Item& item) { return ListTextLess(value, item.text); });
    position = static_cast<std::size_t>(it - items_.begin());
  }
  items_.insert(items_.begin() + static_cast<long>(position), Item{std::move(text), data});
  int index = static_cast<int>(position);
  if (listIndex_ >= index) ++listIndex_;  // the same entry stays selected
  EntriesChanged();
  return index;
}

void ListControl::RemoveItem(int index) {
  if (index < 0 || index >= ListCount()) return;
  items_.erase(items_.begin() + index);
  EntriesChanged();
  if (listIndex_ == index) {
    listIndex_ = -1;
    SelectionChanged();
  } else if (listIndex_ > index) {
    --listIndex_;
  }
}

void ListControl::Clear() {
  if (items_.empty()) return;
  items_.clear();
  EntriesChanged();
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
  Changed();
  SelectionChanged();
  if (onClick) onClick();
}

const std::string& ListControl::SelectedText() const {
  static const std::string kNone;
  return listIndex_ >= 0 ? items_[listIndex_].text : kNone;
}

}  // namespace aloftra
