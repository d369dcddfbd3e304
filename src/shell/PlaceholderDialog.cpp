#include "shell/PlaceholderDialog.h"

namespace aloftra {

PlaceholderDialog::PlaceholderDialog(App& app, std::string name, std::string caption)
    : Dialog(app, std::move(name), std::move(caption), 4200, 1800),
      Message(*this, "Message"),
      Close(*this, "Close") {
  Message.SetCaption("This part of Aloftra is not available yet.");
  Message.Move(240, 240, 3720, 480);
  Close.SetCaption("Close");
  Close.Move(1500, 1080, 1200, 375);
  Close.SetDefault(true);
  Close.SetCancel(true);
  Close.onClick = [this] { Dialog::Close(); };
}

}  // namespace aloftra
