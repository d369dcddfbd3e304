// The summary page: hang-gliding and paragliding experience side by side.
#pragma once

#include "pagekit/Page.h"

namespace aloftra {

class frmSummary : public Page {
 public:
  explicit frmSummary(App& app) : Page(app, PageId::kSummary, "frmSummary") {}

  // Fills the page from both pilot totals; run at the end of every recomputation.
  void SummaryDisplayInfo() {}
};

}  // namespace aloftra
