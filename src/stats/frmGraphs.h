// The graphs page: flights and airtime per day of a year.
#pragma once

#include "pagekit/Page.h"

namespace aloftra {

class frmGraphs : public Page {
 public:
  explicit frmGraphs(App& app) : Page(app, PageId::kGraphs, "frmGraphs") {}
};

}  // namespace aloftra
