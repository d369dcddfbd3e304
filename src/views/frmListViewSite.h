// The site list view: every site of the logbook in slot order.
#pragma once

#include "views/frmListView.h"

namespace aloftra {

class frmListViewSite : public frmListView {
 public:
  explicit frmListViewSite(PageHost& host);

  void ListViewRefresh() override;

 protected:
  void ShowDetails(int slot) override;
};

}  // namespace aloftra
