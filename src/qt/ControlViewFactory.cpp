// Makes the view of each kind of control.
#include "qt/ButtonViews.h"
#include "qt/ControlView.h"
#include "qt/GridView.h"
#include "qt/LabelViews.h"
#include "qt/ListViews.h"
#include "qt/TextBoxView.h"

namespace aloftra::qt {

std::unique_ptr<ControlView> MakeControlView(Control& control, QWidget* canvas,
                                             Dispatcher& dispatcher) {
  switch (control.Kind()) {
    case ControlKind::kTextBox:
      return std::make_unique<TextBoxView>(static_cast<TextBox&>(control), canvas, dispatcher);
    case ControlKind::kLabel:
      return std::make_unique<LabelView>(static_cast<Label&>(control), canvas, dispatcher);
    case ControlKind::kCommandButton:
      return std::make_unique<CommandButtonView>(static_cast<CommandButton&>(control), canvas,
                                                 dispatcher);
    case ControlKind::kCheckBox:
      return std::make_unique<CheckBoxView>(static_cast<CheckBox&>(control), canvas, dispatcher);
    case ControlKind::kOptionButton:
      return std::make_unique<OptionButtonView>(static_cast<OptionButton&>(control), canvas,
                                                dispatcher);
    case ControlKind::kComboBox:
      return std::make_unique<ComboBoxView>(static_cast<ComboBox&>(control), canvas, dispatcher);
    case ControlKind::kListBox:
      return std::make_unique<ListBoxView>(static_cast<ListBox&>(control), canvas, dispatcher);
    case ControlKind::kFrame:
      return std::make_unique<FrameView>(static_cast<Frame&>(control), canvas, dispatcher);
    case ControlKind::kGrid:
      return std::make_unique<GridView>(static_cast<Grid&>(control), canvas, dispatcher);
    case ControlKind::kShape:
    case ControlKind::kLine:
    case ControlKind::kImage:
      // Painted by the canvas.
      break;
  }
  return nullptr;
}

}  // namespace aloftra::qt
