#include "form/ListControl.h"

#include <algorithm>
#include <iterator>

#include "core/NameOrder.h"

namespace aloftra {

namespace {

bool ListTextLess(const std::string& a, const std::string& b) {
  return CompareNames(a, b) < 0;
}

bool ItemLess(const ListItem& a, const ListItem& b) {
  return ListTextLess(a.text, b.text);
}

}  // namespace

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
    auto it = std::upper_bound(items_.begin(), items_.end(), text,
                               [](const std::string& value, const ListItem& item) {
                                 return ListTextLess(value, item.text);
                               });
    position = static_cast<std::size_t>(it - items_.begin());
  }
  items_.insert(items_.begin() + static_cast<long>(position), ListItem{std::move(text), data});
  int index = static_cast<int>(position);
  if (listIndex_ >= index) ++listIndex_;  // the same entry stays selected
  EntriesChanged();
  return index;
}

void ListControl::AddItems(std::vector<ListItem> items) {
  if (items.empty()) return;
  if (!sorted_) {
    // Appended entries all go after the selected one.
    items_.insert(items_.end(), std::make_move_iterator(items.begin()),
                  std::make_move_iterator(items.end()));
  } else if (!std::is_sorted(items_.begin(), items_.end(), ItemLess)) {
    // Entries added before the list was told to sort lie in no order; only adding one at a
    // time places the new ones exactly where AddItem would.
    for (ListItem& item : items)
      AddItem(std::move(item.text), item.data);
    return;
  } else {
    MergeSorted(std::move(items));
  }
  EntriesChanged();
}

void ListControl::MergeSorted(std::vector<ListItem> items) {
  // Sorted once, keeping the order given among equal entries; the merge then puts each new
  // entry after the old ones equal to it, as one by one it would go after all of those.
  std::stable_sort(items.begin(), items.end(), ItemLess);
  std::vector<ListItem> merged;
  merged.reserve(items_.size() + items.size());
  int selected = -1;
  auto oldItem = items_.begin();
  auto newItem = items.begin();
  while (oldItem != items_.end() || newItem != items.end()) {
    bool takeOld = newItem == items.end() ||
                   (oldItem != items_.end() && !ListTextLess(newItem->text, oldItem->text));
    if (takeOld) {
      if (oldItem - items_.begin() == listIndex_) selected = static_cast<int>(merged.size());
      merged.push_back(std::move(*oldItem++));
    } else {
      merged.push_back(std::move(*newItem++));
    }
  }
  items_ = std::move(merged);
  listIndex_ = selected;
}

void ListControl::SetItems(std::vector<ListItem> items) {
  Clear();
  AddItems(std::move(items));
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

void ListControl::DropSelection() {
  if (listIndex_ == -1) return;
  listIndex_ = -1;
  Changed();
}

const std::string& ListControl::SelectedText() const {
  static const std::string kNone;
  return listIndex_ >= 0 ? items_[listIndex_].text : kNone;
}

}  // namespace aloftra
