// A dialog of the program: opened over the current page, 300 twips right of and 600 twips
// below its top-left corner, with that page disabled until the dialog unloads. Dialogs that
// need their own unload step override Form_Unload.
#pragma once

#include "form/Form.h"

namespace aloftra {

class App;

class Dialog : public Form {
 public:
  Dialog(App& app, std::string name, std::string caption, int width, int height);

  // Closes the dialog the way its Close or Cancel button does.
  void Close() { Unload(); }

 protected:
  virtual void Form_Unload(int& cancel) { (void)cancel; }
  App& app_;
};

}  // namespace aloftra
