// The vario dialog: the full scale of the flight page's lift and sink bars, and whether the
// display-only boxes and the bars are shown in full colour.
#pragma once

#include "form/CheckBox.h"
#include "form/CommandButton.h"
#include "form/ControlArray.h"
#include "form/OptionButton.h"
#include "pagekit/Dialog.h"

namespace aloftra {

inline constexpr int kVarioScales = 4;

class frmVario : public Dialog {
 public:
  explicit frmVario(PageHost& host);

  ControlArray<OptionButton> Vario;  // 0 "400 fpm" ... 3 "1,600 fpm", or "2 m/s" ... "8 m/s"
  CheckBox ColorMode;                // "Full Color Display"
  CommandButton Ok;
  CommandButton Cancel;

  void Form_Load();
  void Ok_Click();
  void Cancel_Click();
};

}  // namespace aloftra
