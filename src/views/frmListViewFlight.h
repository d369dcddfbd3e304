// The flight list view: the flights that pass the filter, in the order the flight page
// follows, with the sort key and the filter state as the flight page shows them.
#pragma once

#include "views/frmListView.h"

namespace aloftra {

class frmListViewFlight : public frmListView {
 public:
  explicit frmListViewFlight(PageHost& host);

  aloftra::Label SortStatus1;
  aloftra::Label SortStatus2;
  aloftra::Label FilterStatus1;
  aloftra::Label FilterStatus2;

  void ListViewRefresh() override;

 protected:
  void ShowDetails(int slot) override;
};

}  // namespace aloftra
