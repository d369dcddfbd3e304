// The summary page: hang-gliding and paragliding experience side by side.
#pragma once

#include "pagekit/Page.h"

namespace aloftra {

class frmSummary : public Page {
 public:
  explicit frmSummary(PageHost& host);

  // Fills the page from both pilot totals.
  void SummaryDisplayInfo() {}
  void OnStatisticsChanged() override;
};

}  // namespace aloftra
