// A whole site typed into the page from outside it (the import): the page's own New Site and
// Enter do the work, so the site passes the checks a site typed by the pilot passes.
#include "form/Platform.h"
#include "lists/frmSiteList.h"

namespace aloftra {

bool frmSiteList::EnterTypedSite(const SiteEntryText& site) {
  NewSite_Click();
  SiteName.SetText(site.name);
  Location.SetText(site.location);
  LaunchMSL.SetText(site.launch);
  LandingMSL.SetText(site.landing);
  for (int level = 0; level < kDifficultyLevels; ++level)
    Difficulty[level].SetChecked(site.difficulty[static_cast<std::size_t>(level)]);
  RoseFlags = site.wind;
  DrawRose();
  Description.SetText(site.description);
  SiteURL.SetText(site.url);
  host_.GetPlatform().DoEvents();
  return EnterSite();
}

}  // namespace aloftra
