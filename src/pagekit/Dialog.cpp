#include "pagekit/Dialog.h"

namespace aloftra {

Dialog::Dialog(PageHost& host, DialogId id, std::string name, std::string caption, int width,
               int height)
    : Form(std::move(name)), host_(host), id_(id) {
  SetCaption(std::move(caption));
  Resize(width, height);
  onUnload = [this](int& cancel) {
    Form_Unload(cancel);
    if (cancel == 0) host_.DialogClosed(*this);
  };
}

}  // namespace aloftra
