#include "views/frmListViewGlider.h"

#include "pagekit/RecordPage.h"

namespace aloftra {

frmListViewGlider::frmListViewGlider(PageHost& host)
    : frmListView(host, DialogId::kListViewGlider, "frmListViewGlider", "Aloftra Glider List",
                  "Total Number of Gliders:") {
  BuildHeader({{"Glider Name", 2120},
               {"Type", 1100},
               {"Places", 900},
               {"DHV", 500},
               {"AFNOR", 1100},
               {"Flights", 700},
               {"Airtime", 700}});
}

void frmListViewGlider::ListViewRefresh() {
  ShowRows(GliderListRows(host_.Book()));
}

void frmListViewGlider::ShowDetails(int slot) {
  host_.Records(PageId::kGliders).ShowRecord(slot);
}

}  // namespace aloftra
