// The site page: the flying sites with their details and statistics.
#pragma once

#include "shell/Page.h"

namespace aloftra {

class frmSiteList : public Page {
 public:
  explicit frmSiteList(App& app) : Page(app, PageId::kSiteList, "frmSiteList") {}
};

}  // namespace aloftra
