// The site page: the flying sites with their details and statistics.
#pragma once

#include "pagekit/EditState.h"
#include "pagekit/Page.h"

namespace aloftra {

class frmSiteList : public Page {
 public:
  explicit frmSiteList(App& app) : Page(app, PageId::kSiteList, "frmSiteList") {}

  EditState State = EditState::kClean;

  // Shows the current site with its statistics; run after every recomputation while the page is
  // Clean.
  void SiteListDisplayEntry() {}
};

}  // namespace aloftra
