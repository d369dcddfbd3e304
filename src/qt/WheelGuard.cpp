#include "qt/WheelGuard.h"

#include <QEvent>
#include <QWidget>

namespace aloftra::qt {

namespace {

class WheelGuard : public QObject {
 public:
  explicit WheelGuard(QWidget* guarded) : QObject(guarded), guarded_(guarded) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // The wheel does nothing to a box the pilot is not working in.
    return watched == guarded_ && event->type() == QEvent::Wheel && !guarded_->hasFocus();
  }

 private:
  QWidget* guarded_;
};

}  // namespace

void TakeWheelOnlyWithFocus(QWidget* widget) {
  if (widget->focusPolicy() == Qt::WheelFocus) widget->setFocusPolicy(Qt::StrongFocus);
  widget->installEventFilter(new WheelGuard(widget));
}

}  // namespace aloftra::qt
