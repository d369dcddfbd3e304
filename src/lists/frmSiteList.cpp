// What the program tells the site page: a logbook emptied or opened, the units or the colour
// mode changed, the statistics recomputed.
#include <vector>

#include "core/Logbook.h"
#include "form/Platform.h"
#include "lists/frmSiteList.h"
#include "units/UnitChoice.h"

namespace aloftra {

namespace {

constexpr Color kDisplayOnlyGrey = Rgb(220, 220, 220);

}  // namespace

void frmSiteList::OnLogbookReset() {
  State = EditState::kFilling;
  SiteName.Clear();
  TotalSites.SetText("0");
  ShowBlankSite();
}

void frmSiteList::OnLogbookLoaded() {
  const Logbook& book = host_.Book();
  std::vector<ListItem> names;
  for (const SiteRecord& site : book.sites) {
    if (!site.IsFree()) names.push_back({site.SITE_NAME});
  }
  // Filling runs no click handler, so nothing is chosen or asked here.
  SiteName.SetItems(std::move(names));
  TotalSites.SetText(std::to_string(book.sites.LiveCount()));
  if (CurrentLiveSite() < 0) {
    ShowBlankSite();
    return;
  }
  State = EditState::kClean;
  SiteListDisplayEntry();
}

void frmSiteList::OnUnitsChanged() {
  ApplyUnitLabels();
  // A site being edited keeps its text as typed, read in the new units when entered.
  if (State == EditState::kClean) SiteListDisplayEntry();
}

void frmSiteList::OnStatisticsChanged() {
  if (State == EditState::kClean) SiteListDisplayEntry();
}

void frmSiteList::ApplyUnitLabels() {
  const UnitFlags& flags = host_.Book().UNIT_FLAGS;
  Alt1.SetCaption(UnitCaption(UnitKind::kAltitude, flags));
  Alt2.SetCaption(UnitCaption(UnitKind::kAltitude, flags));
  Alt3.SetCaption(AltitudeInfoCaption(flags));
  Dist1.SetCaption(UnitCaption(UnitKind::kDistance, flags));
}

void frmSiteList::ApplyColorMode() {
  Color back = host_.Book().doc.COLOR_MODE != 0 ? kDisplayOnlyGrey : kWhite;
  for (TextBox* box : {&TotalSites, &Longest, &Highest, &OverLaunch, &Distance, &FlyingDays,
                       &Flights, &TotalAirtime, &AvgAirtime}) {
    box->SetBackColor(back);
  }
}

void frmSiteList::ShowMessage(const std::string& text) {
  host_.GetPlatform().Message(text);
}

}  // namespace aloftra
