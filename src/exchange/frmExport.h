// The export dialog: writes the flights, the site list or the glider list of the logbook to
// a comma-delimited text file chosen in the save dialog. It stays open for another export
// until Close.
#pragma once

#include "form/CommandButton.h"
#include "form/ControlArray.h"
#include "form/Frame.h"
#include "form/OptionButton.h"
#include "pagekit/Dialog.h"

namespace aloftra {

class frmExport : public Dialog {
 public:
  explicit frmExport(PageHost& host);

  Frame ExportFrame;
  ControlArray<OptionButton> ExportWhat;  // 0 "Aloftra", 1 "Site List", 2 "Gliders"
  CommandButton Ok;
  CommandButton Close;

  void Form_Load();
  void Ok_Click();
  void Close_Click();
};

}  // namespace aloftra
