#include "views/frmListViewSite.h"

#include "pagekit/RecordPage.h"

namespace aloftra {

frmListViewSite::frmListViewSite(PageHost& host)
    : frmListView(host, DialogId::kListViewSite, "frmListViewSite", "Aloftra Site List",
                  "Total Number of Flying Sites:") {
  BuildHeader({{"Site Name", 1600},
               {"Launch", 900},
               {"Landing", 900},
               {"Wind Directions", 1590},
               {"Days", 700},
               {"Flights", 700},
               {"Airtime", 700}});
}

void frmListViewSite::ListViewRefresh() {
  ShowRows(SiteListRows(host_.Book()));
}

void frmListViewSite::ShowDetails(int slot) {
  host_.Records(PageId::kSiteList).ShowRecord(slot);
}

}  // namespace aloftra
