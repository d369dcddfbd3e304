// The graphs page: flights and airtime per day of a year.
#pragma once

#include "form/Label.h"
#include "pagekit/Page.h"

namespace aloftra {

class frmGraphs : public Page {
 public:
  explicit frmGraphs(PageHost& host);

  // The year shown, as four digits.
  aloftra::Label Year;

  // A new logbook is shown from the current year.
  void OnLogbookReset() override;
};

}  // namespace aloftra
