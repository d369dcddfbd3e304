#include "stats/frmSummary.h"

namespace aloftra {

frmSummary::frmSummary(PageHost& host) : Page(host, PageId::kSummary, "frmSummary") {}

void frmSummary::OnStatisticsChanged() {
  SummaryDisplayInfo();
}

}  // namespace aloftra
