// The glider page: the gliders with their details and statistics.
#pragma once

#include "pagekit/EditState.h"
#include "pagekit/Page.h"

namespace aloftra {

class frmGliders : public Page {
 public:
  explicit frmGliders(App& app) : Page(app, PageId::kGliders, "frmGliders") {}

  EditState State = EditState::kClean;

  // Shows the current glider with its statistics; run after every recomputation while the page is
  // Clean.
  void GlidersDisplayEntry() {}
};

}  // namespace aloftra
