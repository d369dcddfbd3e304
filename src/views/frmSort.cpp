#include "views/frmSort.h"

#include "core/Logbook.h"
#include "pagekit/FlightPage.h"
#include "views/FlightLookup.h"

namespace aloftra {

frmSort::frmSort(PageHost& host)
    : Dialog(host, DialogId::kSort, "frmSort", "Sort", 3300, 3000),
      SortLabel(*this, "SortLabel"),
      Sort(*this, "Sort", kSortKeys),
      Ok(*this, "Ok"),
      Cancel(*this, "Cancel") {
  SortLabel.SetCaption("Sort Aloftra by");
  SortLabel.Move(240, 180, 2400, 255);
  const char* captions[kSortKeys] = {"Date", "Airtime", "Max MSL", "Over Launch", "Distance"};
  for (int key = 0; key < kSortKeys; ++key) {
    Sort[key].SetCaption(captions[key]);
    Sort[key].Move(480, 510 + 330 * key, 1800, 285);
  }
  Ok.SetCaption("Ok");
  Ok.Move(360, 2280, 1080, 375);
  Ok.SetDefault(true);
  Cancel.SetCaption("Cancel");
  Cancel.Move(1800, 2280, 1080, 375);
  Cancel.SetCancel(true);

  onLoad = [this] { Form_Load(); };
  Ok.onClick = [this] { Ok_Click(); };
  Cancel.onClick = [this] { Cancel_Click(); };
}

void frmSort::Form_Load() {
  Sort[host_.Book().doc.SortKey].SetValue(true);
}

void frmSort::Ok_Click() {
  Logbook& book = host_.Book();
  int key = book.doc.SortKey;
  for (int k = 0; k < kSortKeys; ++k) {
    if (Sort[k].Value()) key = k;
  }
  // The page's position follows the flight it shows into the new order, so a save of its
  // pending edits during the move below still writes that same flight.
  int shown = book.CurrentFlightIndex();
  book.doc.SortKey = key;
  if (shown >= 0) MoveToFlight(book, shown);
  host_.Flights().ShowSortStatus();
  if (book.LastPosition() >= 0) host_.Flights().ViewEntry_Click(key == kSortDate ? 3 : 0);
  Close();
}

void frmSort::Cancel_Click() {
  Close();
}

}  // namespace aloftra
