// Showing a site with its statistics, starting a new one, and the marking of a change.
#include "core/Logbook.h"
#include "core/Numbers.h"
#include "form/Platform.h"
#include "lists/frmSiteList.h"
#include "units/BestFlightTexts.h"
#include "units/ConvertUnit.h"
#include "units/DisplayText.h"

namespace aloftra {

namespace {

// Hours and minutes as the statistics boxes show them: unlike an airtime field, no minutes
// at all still read "0:00".
std::string StatisticsAirtime(long minutes) {
  return minutes == 0 ? "0:00" : FormatAirtime(minutes);
}

}  // namespace

int frmSiteList::CurrentLiveSite() const {
  const Logbook& book = host_.Book();
  const int current = book.doc.currentSite;
  return book.sites.IsLive(current) ? current : -1;
}

std::string frmSiteList::SaveChangesQuestion() const {
  const int current = CurrentLiveSite();
  const std::string stored = current >= 0 ? host_.Book().sites[current].SITE_NAME : "";
  return "Do you want to save the changes to the '" + stored + "' flying site?";
}

void frmSiteList::SiteListDisplayEntry() {
  const int current = CurrentLiveSite();
  if (current < 0) return;
  const Logbook& book = host_.Book();
  const SiteRecord& site = book.sites[current];
  const UnitFlags& flags = book.UNIT_FLAGS;

  State = EditState::kFilling;
  SiteName.SetListIndex(SiteName.FindItem(site.SITE_NAME));
  SiteName.SetText(site.SITE_NAME);
  typedName_ = site.SITE_NAME;
  Location.SetText(site.LOCATION);
  LaunchMSL.SetText(DisplayStored(site.LAUNCH_MSL, UnitKind::kAltitude, true, flags));
  LandingMSL.SetText(DisplayStored(site.LANDING_MSL, UnitKind::kAltitude, true, flags));
  for (int i = 0; i < kDifficultyLevels; ++i)
    Difficulty[i].SetChecked(site.DIFFICULTY[i] != 0);
  RoseFlags = site.WIND_FLAGS;
  ShowStatistics(site);
  Description.SetText(site.DESCRIPTION);
  SiteURL.SetText(site.URL);
  DrawRose();
  SiteListColor(false);
  State = EditState::kClean;
}

// The statistics as the statistics engine stored them; nothing is recomputed here.
void frmSiteList::ShowStatistics(const SiteRecord& site) {
  const BestFlightTexts best = BestFlightTextsOf(host_.Book(), site.best);
  Longest.SetText(best.longestMinutes ? StatisticsAirtime(*best.longestMinutes) : "");
  Highest.SetText(best.highest);
  OverLaunch.SetText(best.overLaunch);
  Distance.SetText(best.distance);
  FlyingDays.SetText(FormatInteger(site.FLYING_DAYS));
  Flights.SetText(FormatInteger(site.FLIGHTS));
  AvgAirtime.SetText(StatisticsAirtime(site.AVG_AIRTIME));
  TotalAirtime.SetText(StatisticsAirtime(site.TOTAL_AIRTIME));
}

void frmSiteList::SiteListColor(bool changed) {
  for (Control* field : std::initializer_list<Control*>{&SiteName, &Location, &LaunchMSL,
                                                        &LandingMSL, &Description, &SiteURL}) {
    field->SetForeColor(changed ? kRed : kBlack);
  }
}

void frmSiteList::NewSite_Click() {
  if (State == EditState::kModified &&
      host_.GetPlatform().MsgBox(SaveChangesQuestion(), MsgBoxButtons::kYesNo, MsgBoxIcon::kNone,
                                 "Save Changes") == MsgBoxAnswer::kYes &&
      !EnterSite()) {
    // Enter refused what was typed: the pilot keeps it to correct.
    return;
  }
  ShowBlankSite();
  SetFocus(SiteName);
}

void frmSiteList::ShowBlankSite() {
  State = EditState::kFilling;
  SiteName.SetListIndex(-1);
  SiteName.SetText("");
  typedName_.clear();
  for (TextBox* box : {&Location, &LaunchMSL, &LandingMSL})
    box->SetText("");
  Difficulty.ForEach([](CheckBox& box) { box.SetChecked(false); });
  RoseFlags = {};
  DrawRose();
  for (TextBox* box : {&Longest, &Highest, &OverLaunch, &Distance, &FlyingDays, &AvgAirtime,
                       &Flights, &TotalAirtime, &Description, &SiteURL}) {
    box->SetText("");
  }
  State = EditState::kNew;
  SiteListColor(true);
}

void frmSiteList::SiteName_Change() {
  typedName_ = SiteName.Text();
  MarkModified();
}

void frmSiteList::MarkModified() {
  if (State != EditState::kClean) return;
  State = EditState::kModified;
  SiteListColor(true);
}

}  // namespace aloftra
