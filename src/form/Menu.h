// A menu of the menu bar. Its items are an array indexed from 0; "-" is a separator. A click
// on an enabled item runs the menu's handler with the item's index.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace aloftra {

struct MenuItem {
  std::string caption;
  std::string shortcut;  // "F3", "Ctrl+S", or "" for none
  bool enabled = true;
  bool checked = false;
  bool visible = true;
  bool IsSeparator() const { return caption == "-"; }
};

class Menu {
 public:
  Menu(std::string name, std::string caption)
      : name_(std::move(name)), caption_(std::move(caption)) {}

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }

  int AddItem(std::string caption, std::string shortcut = "") {
    items_.push_back(MenuItem{std::move(caption), std::move(shortcut)});
    return static_cast<int>(items_.size()) - 1;
  }
  int ItemCount() const { return static_cast<int>(items_.size()); }
  MenuItem& Item(int index) { return items_.at(index); }
  const MenuItem& Item(int index) const { return items_.at(index); }

  std::function<void(int index)> onClick;
  void Click(int index) {
    if (index < 0 || index >= ItemCount()) return;
    const MenuItem& item = items_[index];
    if (item.IsSeparator() || !item.enabled || !item.visible) return;
    if (onClick) onClick(index);
  }

 private:
  std::string name_;
  std::string caption_;
  std::vector<MenuItem> items_;
};

}  // namespace aloftra
