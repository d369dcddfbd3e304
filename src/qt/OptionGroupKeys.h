// The arrow keys within a group of option buttons: Tab stops on a group once, and the arrows
// move to the group's next or previous button and select it, as on every desktop.
#pragma once

#include <QObject>
#include <functional>

#include "form/OptionButton.h"
#include "qt/Dispatcher.h"

namespace aloftra::qt {

class OptionGroupKeys : public QObject {
 public:
  // optionOf tells which option button a watched widget shows.
  OptionGroupKeys(Dispatcher& dispatcher, std::function<OptionButton*(QObject*)> optionOf,
                  QObject* parent);

  void Watch(QObject* optionWidget) { optionWidget->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Dispatcher& dispatcher_;
  std::function<OptionButton*(QObject*)> optionOf_;
};

}  // namespace aloftra::qt
