// The order the Tab key walks a form's controls in, and which of them it stops on. The order
// is the controls' tab indices, controls of equal index in the order they were built. Tab
// passes over a locked text box (the pilot reads it, nothing is typed there) and stops once
// on a group of option buttons: on the selected one, or the first when none is selected.
// The arrow keys move within a group.
#pragma once

#include <vector>

#include "form/Control.h"
#include "form/Form.h"

namespace aloftra {

class OptionButton;

// Every control that can take the focus, in tab order, stops or not.
std::vector<Control*> TabOrder(const Form& form);
// Whether Tab stops on the control (shown and enabled or not: the window system leaves out
// those it cannot give the focus to).
bool IsTabStop(const Control& control);
// The option buttons of the option's group (its container), in tab order.
std::vector<OptionButton*> OptionGroupOf(const OptionButton& option);
// The button of the group an arrow key moves to from this one (forward for right and down),
// skipping buttons that cannot take the focus and coming round at the ends; nullptr when
// there is no other.
OptionButton* NextInOptionGroup(const OptionButton& option, bool forward);

}  // namespace aloftra
