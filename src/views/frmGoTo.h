// The go-to dialog: shows the flight with a given number on the flight page. Hang-glider and
// paraglider flights are numbered apart, so the pilot says which kind is meant.
#pragma once

#include "form/CommandButton.h"
#include "form/ControlArray.h"
#include "form/Label.h"
#include "form/OptionButton.h"
#include "form/TextBox.h"
#include "pagekit/Dialog.h"

namespace aloftra {

class frmGoTo : public Dialog {
 public:
  explicit frmGoTo(PageHost& host);

  aloftra::Label Prompt;
  TextBox FlightNo;
  ControlArray<OptionButton> SearchWhat;  // 0 hang glider flight, 1 paraglider flight
  CommandButton Ok;
  CommandButton Cancel;

  void Form_Load();
  void Ok_Click();
  void Cancel_Click();
};

}  // namespace aloftra
