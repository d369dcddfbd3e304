// The graphs page: flights and airtime per day of a year.
#pragma once

#include "pagekit/Page.h"

namespace aloftra {

class frmGraphs : public Page {
 public:
  explicit frmGraphs(PageHost& host);
};

}  // namespace aloftra
