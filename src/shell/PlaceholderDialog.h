// A dialog whose contents are not built yet: it opens over its page with its title and a
// Close button, and closes the way every dialog does.
#pragma once

#include "form/CommandButton.h"
#include "form/Label.h"
#include "pagekit/Dialog.h"

namespace aloftra {

class PlaceholderDialog : public Dialog {
 public:
  PlaceholderDialog(App& app, std::string name, std::string caption);

  Label Message;
  CommandButton Close;
};

}  // namespace aloftra
