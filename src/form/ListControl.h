// The list shared by combo boxes and list boxes: entries with an optional number each, an
// optional self-sorting order (CompareNames: case and accents ignored; stable: a new entry
// goes after the entries equal to it), and the selected entry. Selecting a different entry, by the
// pilot or by the program, runs the click handler.
#pragma once

#include <string>
#include <vector>

#include "form/Control.h"

namespace aloftra {

// An entry of a list: its text and the number the page keeps with it.
struct ListItem {
  std::string text;
  long data = 0;
  bool operator==(const ListItem&) const = default;
};

class ListControl : public Control {
 public:
  using Control::Control;

  int ListCount() const { return static_cast<int>(items_.size()); }
  const std::string& List(int index) const { return items_.at(index).text; }
  long ItemData(int index) const { return items_.at(index).data; }
  void SetItemData(int index, long data);

  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted) { SetProperty(sorted_, sorted); }

  // Adds an entry (in its sorted place when the list sorts itself) and returns its index.
  int AddItem(std::string text, long data = 0);
  // Empties the list and fills it with these entries, ending as Clear and then AddItem for
  // each entry in turn would. A sorted list sorts them once, so this is the way to fill a
  // list, however long.
  void SetItems(std::vector<ListItem> items);
  // Adds many entries at once, ending as AddItem for each in turn would: in their sorted
  // places (after the entries equal to them, in the order given) or at the end, the
  // selected entry still selected, no handler run.
  void AddItems(std::vector<ListItem> items);
  void RemoveItem(int index);
  void Clear();
  // The index of the first entry with exactly this text, or -1.
  int FindItem(const std::string& text) const;

  int ListIndex() const { return listIndex_; }
  // -1 selects nothing.
  void SetListIndex(int index);
  // The text of the selected entry, or "" when none is selected.
  const std::string& SelectedText() const;

  // Counts the changes of the entries alone (a subset of the control's revision), so a
  // front end reads them again only when they changed.
  unsigned long ListRevision() const { return listRevision_; }

  bool Focusable() const override { return true; }

  std::function<void()> onClick;

 protected:
  // Called when the selection changes, before the click handler runs.
  virtual void SelectionChanged() {}
  // Selects nothing, without a click and without SelectionChanged: what typing over the
  // selected entry of an editable combo does.
  void DropSelection();

 private:
  void EntriesChanged();
  void MergeSorted(std::vector<ListItem> items);

  std::vector<ListItem> items_;
  bool sorted_ = false;
  int listIndex_ = -1;
  unsigned long listRevision_ = 0;
};

}  // namespace aloftra
