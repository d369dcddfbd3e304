#include "views/frmListViewFlight.h"

#include <algorithm>

#include "pagekit/FlightPage.h"

namespace aloftra {

namespace {

constexpr int kLocationCol = 3;
constexpr int kWideLocation = 2460;
// From this many rows on, the scroll bar takes room from the location column.
constexpr int kRowsWithScrollBar = 25;
constexpr int kNarrowLocation = 2200;

void PlaceStatus(aloftra::Label& label, const char* caption, int left, int width) {
  label.SetCaption(caption);
  label.Move(left, 5310, width, 255);
}

}  // namespace

frmListViewFlight::frmListViewFlight(PageHost& host)
    : frmListView(host, DialogId::kListViewFlight, "frmListViewFlight", "Aloftra List View",
                  "Number of Entries:"),
      SortStatus1(*this, "SortStatus1"),
      SortStatus2(*this, "SortStatus2"),
      FilterStatus1(*this, "FilterStatus1"),
      FilterStatus2(*this, "FilterStatus2") {
  PlaceStatus(FilterStatus1, "Filter", 3900, 540);
  PlaceStatus(FilterStatus2, "Off", 4440, 450);
  PlaceStatus(SortStatus1, "Sort By", 5100, 660);
  PlaceStatus(SortStatus2, "Date", 5760, 1140);
  BuildHeader({{"Flight", 600, Alignment::kCenter},
               {"Date", 1200, Alignment::kLeft, GridMerge::kDown},
               {"Location", kWideLocation, Alignment::kLeft, GridMerge::kAcross},
               {"Airtime", 700, Alignment::kLeft, GridMerge::kAcross},
               {"Over Launch", 1200, Alignment::kLeft, GridMerge::kAcross},
               {"Distance", 1200, Alignment::kLeft, GridMerge::kAcross}});
}

void frmListViewFlight::ListViewRefresh() {
  ShowRows(FlightListRows(host_.Book(), host_.Filter()));
  FlexGrid.SetColWidth(kLocationCol,
                       FlexGrid.Rows() < kRowsWithScrollBar ? kWideLocation : kNarrowLocation);
  static const char* const kKeyCaptions[kSortKeys] = {"Date", "Airtime", "Max MSL", "Over Launch",
                                                      "Distance"};
  const int key = std::clamp(host_.Book().doc.SortKey, 0, kSortKeys - 1);
  SortStatus2.SetCaption(kKeyCaptions[key]);
  SortStatus2.SetForeColor(key == kSortDate ? kBlack : kRed);
  const bool filtered = host_.Filter().On();
  FilterStatus2.SetCaption(filtered ? "On" : "Off");
  FilterStatus2.SetForeColor(filtered ? kRed : kBlack);
}

void frmListViewFlight::ShowDetails(int slot) {
  host_.Flights().ShowFlight(slot);
}

}  // namespace aloftra
