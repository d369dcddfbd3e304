#include "form/TabOrder.h"

#include <algorithm>

#include "form/OptionButton.h"
#include "form/TextBox.h"

namespace aloftra {

namespace {

bool CanTakeFocus(const Control& control) {
  return control.EffectivelyVisible() && control.EffectivelyEnabled();
}

}  // namespace

std::vector<Control*> TabOrder(const Form& form) {
  std::vector<Control*> order;
  for (Control* control : form.Controls()) {
    if (control->Focusable()) order.push_back(control);
  }
  std::stable_sort(order.begin(), order.end(),
                   [](Control* a, Control* b) { return a->TabIndex() < b->TabIndex(); });
  return order;
}

std::vector<OptionButton*> OptionGroupOf(const OptionButton& option) {
  std::vector<OptionButton*> group;
  for (Control* control : TabOrder(option.Parent())) {
    if (control->Kind() == ControlKind::kOptionButton &&
        control->Container() == option.Container()) {
      group.push_back(static_cast<OptionButton*>(control));
    }
  }
  return group;
}

bool IsTabStop(const Control& control) {
  if (!control.Focusable()) return false;
  if (control.Kind() == ControlKind::kTextBox) {
    return !static_cast<const TextBox&>(control).Locked();
  }
  if (control.Kind() != ControlKind::kOptionButton) return true;
  std::vector<OptionButton*> group = OptionGroupOf(static_cast<const OptionButton&>(control));
  auto selected = std::find_if(group.begin(), group.end(),
                               [](const OptionButton* option) { return option->Value(); });
  const OptionButton* stop = selected != group.end() ? *selected : group.front();
  return stop == &control;
}

OptionButton* NextInOptionGroup(const OptionButton& option, bool forward) {
  std::vector<OptionButton*> group = OptionGroupOf(option);
  if (!forward) std::reverse(group.begin(), group.end());
  auto here = std::find(group.begin(), group.end(), &option);
  std::size_t start = static_cast<std::size_t>(here - group.begin());
  for (std::size_t step = 1; step < group.size(); ++step) {
    OptionButton* candidate = group[(start + step) % group.size()];
    if (CanTakeFocus(*candidate)) return candidate;
  }
  return nullptr;
}

}  // namespace aloftra
