#include "pagekit/Dialog.h"

#include "shell/App.h"

namespace aloftra {

Dialog::Dialog(App& app, std::string name, std::string caption, int width, int height)
    : Form(std::move(name)), app_(app) {
  SetCaption(std::move(caption));
  Resize(width, height);
  onUnload = [this](int& cancel) {
    Form_Unload(cancel);
    if (cancel == 0) app_.DialogClosed(*this);
  };
}

}  // namespace aloftra
