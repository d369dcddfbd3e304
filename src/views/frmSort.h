// The sort dialog: chooses which of the five kept flight orders the flight page follows.
// No flight is compared: the orders are always kept up to date.
#pragma once

#include "form/CommandButton.h"
#include "form/ControlArray.h"
#include "form/Label.h"
#include "form/OptionButton.h"
#include "pagekit/Dialog.h"

namespace aloftra {

class frmSort : public Dialog {
 public:
  explicit frmSort(PageHost& host);

  aloftra::Label SortLabel;
  ControlArray<OptionButton> Sort;  // 0 "Date", 1 "Airtime", 2 "Max MSL", 3 "Over Launch",
                                    // 4 "Distance"
  CommandButton Ok;
  CommandButton Cancel;

  void Form_Load();
  void Ok_Click();
  void Cancel_Click();
};

}  // namespace aloftra
