// The site page: the flying sites with their details and statistics.
#pragma once

#include "pagekit/EditState.h"
#include "pagekit/Page.h"

namespace aloftra {

class frmSiteList : public Page {
 public:
  explicit frmSiteList(PageHost& host);

  EditState State = EditState::kClean;

  // Shows the current site with its statistics.
  void SiteListDisplayEntry() {}
  // A site being edited keeps what the pilot typed.
  void OnStatisticsChanged() override;
};

}  // namespace aloftra
