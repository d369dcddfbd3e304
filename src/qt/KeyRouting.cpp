#include "qt/KeyRouting.h"

#include "form/Control.h"

namespace aloftra::qt {

namespace {

constexpr int kEnter = 13;
constexpr int kEscape = 27;
constexpr int kBackspace = 8;
constexpr int kFirstPrintable = 32;
constexpr int kDelete = 127;

bool IsLetterKey(int qtKey) {
  return qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z;
}

}  // namespace

std::optional<int> KeyAsciiFor(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
  bool ctrl = modifiers.testFlag(Qt::ControlModifier);
  bool alt = modifiers.testFlag(Qt::AltModifier);
  // Ctrl with a letter types the control character of that letter, whatever text the
  // keyboard layer reports for it.
  if (ctrl && !alt && IsLetterKey(qtKey)) return qtKey - Qt::Key_A + 1;
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kEnter;
    case Qt::Key_Escape:
      return kEscape;
    case Qt::Key_Backspace:
      return kBackspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
      return std::nullopt;
    default:
      break;
  }
  if (ctrl || alt || text.isEmpty()) return std::nullopt;
  char32_t c = text.toUcs4().value(0);
  if (c < kFirstPrintable || c == kDelete) return std::nullopt;
  return static_cast<int>(c);
}

bool IsAltCommand(Qt::KeyboardModifiers modifiers, const QString& text) {
  if (!modifiers.testFlag(Qt::AltModifier) || modifiers.testFlag(Qt::ControlModifier)) {
    return false;
  }
  return !text.isEmpty() && text.at(0).isPrint();
}

int KeyCodeFor(int qtKey) {
  if (IsLetterKey(qtKey) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) return qtKey;
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return 112 + (qtKey - Qt::Key_F1);
  switch (qtKey) {
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Shift:
      return 16;
    case Qt::Key_Control:
      return 17;
    case Qt::Key_Alt:
      return 18;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Space:
      return 32;
    case Qt::Key_PageUp:
      return 33;
    case Qt::Key_PageDown:
      return 34;
    case Qt::Key_End:
      return 35;
    case Qt::Key_Home:
      return 36;
    case Qt::Key_Left:
      return 37;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Right:
      return 39;
    case Qt::Key_Down:
      return 40;
    case Qt::Key_Insert:
      return 45;
    case Qt::Key_Delete:
      return 46;
    default:
      return 0;
  }
}

int ShiftStateFor(Qt::KeyboardModifiers modifiers) {
  int shift = 0;
  if (modifiers.testFlag(Qt::ShiftModifier)) shift |= kShiftMask;
  if (modifiers.testFlag(Qt::ControlModifier)) shift |= kCtrlMask;
  if (modifiers.testFlag(Qt::AltModifier)) shift |= kAltMask;
  return shift;
}

int MouseButtonsFor(Qt::MouseButtons buttons) {
  int result = 0;
  if (buttons.testFlag(Qt::LeftButton)) result |= kLeftButton;
  if (buttons.testFlag(Qt::RightButton)) result |= kRightButton;
  if (buttons.testFlag(Qt::MiddleButton)) result |= kMiddleButton;
  return result;
}

}  // namespace aloftra::qt
