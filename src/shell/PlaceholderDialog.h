// A dialog whose contents are not built yet: it opens over its page with its title and a
// Close button, and closes the way every dialog does.
#pragma once

#include "form/CommandButton.h"
#include "form/Label.h"
#include "pagekit/Dialog.h"

namespace aloftra {

class PlaceholderDialog : public Dialog {
 public:
  PlaceholderDialog(PageHost& host, DialogId id);

  Label Message;
  CommandButton Close;
};

// The placeholder of one dialog, made like every other dialog from the host alone.
template <DialogId id>
class Placeholder : public PlaceholderDialog {
 public:
  explicit Placeholder(PageHost& host) : PlaceholderDialog(host, id) {}
};

}  // namespace aloftra
