// A dialog of the program: opened over a page, 300 twips right of and 600 twips below its
// top-left corner, with that page disabled until the dialog unloads. Dialogs that need their
// own unload step override Form_Unload.
#pragma once

#include "form/Form.h"
#include "pagekit/DialogId.h"
#include "pagekit/PageHost.h"

namespace aloftra {

class Dialog : public Form {
 public:
  Dialog(PageHost& host, DialogId id, std::string name, std::string caption, int width, int height);

  DialogId Id() const { return id_; }
  // Closes the dialog the way its Close or Cancel button does.
  void Close() { Unload(); }

 protected:
  virtual void Form_Unload(int& cancel) { (void)cancel; }
  PageHost& host_;

 private:
  DialogId id_;
};

}  // namespace aloftra
