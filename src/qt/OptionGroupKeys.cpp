#include "qt/OptionGroupKeys.h"

#include <QKeyEvent>

#include "form/Form.h"
#include "form/TabOrder.h"

namespace aloftra::qt {

OptionGroupKeys::OptionGroupKeys(Dispatcher& dispatcher,
                                 std::function<OptionButton*(QObject*)> optionOf, QObject* parent)
    : QObject(parent), dispatcher_(dispatcher), optionOf_(std::move(optionOf)) {}

bool OptionGroupKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || dispatcher_.Syncing()) return false;
  const auto& key = static_cast<const QKeyEvent&>(*event);
  if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
  bool forward = false;
  switch (key.key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
      forward = true;
      break;
    case Qt::Key_Left:
    case Qt::Key_Up:
      break;
    default:
      return false;
  }
  OptionButton* option = optionOf_(watched);
  if (option == nullptr) return false;
  OptionButton* next = NextInOptionGroup(*option, forward);
  // A group of one keeps its arrows to itself.
  if (next == nullptr) return true;
  dispatcher_.Dispatch([next] {
    if (next->Parent().SetFocus(*next)) next->SetValue(true);
  });
  return true;
}

}  // namespace aloftra::qt
