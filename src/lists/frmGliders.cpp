#include "lists/frmGliders.h"

namespace aloftra {

frmGliders::frmGliders(PageHost& host) : Page(host, PageId::kGliders, "frmGliders") {}

void frmGliders::OnStatisticsChanged() {
  if (State == EditState::kClean) GlidersDisplayEntry();
}

}  // namespace aloftra
