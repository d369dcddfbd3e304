// The glider list view: every glider of the logbook in slot order.
#pragma once

#include "views/frmListView.h"

namespace aloftra {

class frmListViewGlider : public frmListView {
 public:
  explicit frmListViewGlider(PageHost& host);

  void ListViewRefresh() override;

 protected:
  void ShowDetails(int slot) override;
};

}  // namespace aloftra
