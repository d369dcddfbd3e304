// The glider page: the gliders with their details and statistics.
#pragma once

#include "shell/Page.h"

namespace aloftra {

class frmGliders : public Page {
 public:
  explicit frmGliders(App& app) : Page(app, PageId::kGliders, "frmGliders") {}
};

}  // namespace aloftra
