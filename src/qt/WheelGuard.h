// A combo box changes its choice with every notch of the mouse wheel that passes over it,
// which would overwrite an entry's fields unnoticed while the pilot only meant to move on.
// Guarded, a box takes the wheel only while it has the keyboard focus, and the wheel no
// longer gives it the focus.
#pragma once

class QWidget;

namespace aloftra::qt {

void TakeWheelOnlyWithFocus(QWidget* widget);

}  // namespace aloftra::qt
