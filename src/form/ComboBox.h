// A combo box. A drop-down list shows only its entries and its text is the selected
// entry's; an editable combo also takes typed text, which runs its change handler.
#pragma once

#include "form/ListControl.h"

namespace aloftra {

class ComboBox : public ListControl {
 public:
  enum class Style { kDropDownList, kDropDownCombo };

  ComboBox(Form& form, std::string name, int index = -1)
      : ListControl(form, ControlKind::kComboBox, std::move(name), index) {
    SetBackColor(kWindowBackground);
  }

  Style ComboStyle() const { return style_; }
  void SetComboStyle(Style style) { SetProperty(style_, style); }

  const std::string& Text() const { return text_; }
  // A drop-down list selects the entry with this text (nothing when there is none); an
  // editable combo takes the text as typed.
  void SetText(std::string text);

  std::function<void()> onChange;

 protected:
  void SelectionChanged() override { text_ = SelectedText(); }

 private:
  Style style_ = Style::kDropDownList;
  std::string text_;
};

class ListBox : public ListControl {
 public:
  ListBox(Form& form, std::string name, int index = -1)
      : ListControl(form, ControlKind::kListBox, std::move(name), index) {
    SetBackColor(kWindowBackground);
  }
};

}  // namespace aloftra
