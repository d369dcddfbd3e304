#include "lists/frmSiteList.h"

namespace aloftra {

frmSiteList::frmSiteList(PageHost& host) : Page(host, PageId::kSiteList, "frmSiteList") {}

void frmSiteList::OnStatisticsChanged() {
  if (State == EditState::kClean) SiteListDisplayEntry();
}

}  // namespace aloftra
