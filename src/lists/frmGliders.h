// The glider page: the gliders with their details and statistics.
#pragma once

#include "pagekit/EditState.h"
#include "pagekit/Page.h"

namespace aloftra {

class frmGliders : public Page {
 public:
  explicit frmGliders(PageHost& host);

  EditState State = EditState::kClean;

  // Shows the current glider with its statistics.
  void GlidersDisplayEntry() {}
  // A glider being edited keeps what the pilot typed.
  void OnStatisticsChanged() override;
};

}  // namespace aloftra
