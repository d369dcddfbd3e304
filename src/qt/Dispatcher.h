// The one way the window system's events reach the forms: the call runs, then every shown
// window is brought up to date with its form. While a call runs (a message box may be open
// inside it) or while the windows are being updated, further events are turned away.
#pragma once

#include <functional>

namespace aloftra::qt {

class Dispatcher {
 public:
  virtual ~Dispatcher() = default;
  // Runs the call and updates the windows; false when it was turned away.
  virtual bool Dispatch(const std::function<void()>& call) = 0;
  // True while the windows are being updated from their forms.
  virtual bool Syncing() const = 0;
};

}  // namespace aloftra::qt
