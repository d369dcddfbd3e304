// A whole flight typed into the page from outside it (the import of delimited files, later the
// track files): the page's own New Entry, field checks and Enter do the work, so the flight is
// checked, numbered and ordered like one the pilot typed.
#include "core/NameOrder.h"
#include "flights/frmAloftra.h"
#include "form/Platform.h"
#include "views/NamedEntries.h"

namespace aloftra {

namespace {

// Chooses the entry a name stands for, as the duplicate rule compares names (letter case
// ignored, a double quote read as an apostrophe); nothing is chosen when none matches.
void ChooseNamed(ComboBox& list, const std::string& name) {
  int index = list.FindItem(name);
  for (int k = 0; index < 0 && k < list.ListCount(); ++k) {
    if (NameIsTaken(name, list.List(k))) index = k;
  }
  list.SetListIndex(index);
}

}  // namespace

bool frmAloftra::EnterTypedFlight(const FlightEntryText& entry) {
  NewEntry_Click();
  FlightDate.SetText(entry.date);
  FlightDate_LostFocus();
  TimeOfDay.SetText(entry.time);
  TimeOfDay_LostFocus();
  if (!entry.nonFlying) {
    AirTime.SetText(entry.airtime);
    AirTime_LostFocus();
  }
  // Choosing a site shows its location and altitudes, and a glider its places; the entry's
  // own values are typed over them below.
  ChooseNamed(SiteName, entry.site);
  ChooseNamed(GliderName, entry.glider);
  // A non-flying entry has no site or glider on the page, and Enter would keep whatever the
  // new slot holds; one typed in keeps those it names, so that it comes back as it left.
  if (entry.nonFlying) {
    const Logbook& book = host_.Book();
    typedNonFlyingSlots_ = TypedSlots{
        SiteName.ListIndex() >= 0 ? FirstLiveSiteNamed(book, SiteName.Text()) : -1,
        GliderName.ListIndex() >= 0 ? FirstLiveGliderNamed(book, GliderName.Text()) : -1};
  }
  if (entry.tandem) Places[*entry.tandem ? 1 : 0].SetValue(true);

  BaseWind.SetText(entry.baseWind);
  PeakWind.SetText(entry.peakWind);
  MaxLift.SetText(entry.maxLift);
  MaxSink.SetText(entry.maxSink);
  LaunchMSL.SetText(entry.launch);
  LandingMSL.SetText(entry.landing);
  MaxMSL.SetText(entry.maxMsl);
  if (!entry.overLaunch.empty()) OverLaunch.SetText(entry.overLaunch);
  Distance.SetText(entry.distance);
  TurbulenceLevel = entry.turbulence;
  RefreshTurbulenceScale();
  RoseFlags = entry.wind;
  DrawRose();
  Remarks.SetText(entry.remarks);
  Highlight.SetChecked(entry.highlight);
  NonFlying.SetChecked(entry.nonFlying);

  typedCrossCountry_ = entry.crossCountry;
  typedOverLaunch_ = entry.overLaunch;
  host_.GetPlatform().DoEvents();
  Enter_Click();
  typedCrossCountry_.reset();
  typedNonFlyingSlots_.reset();
  typedOverLaunch_.clear();
  return State == EditState::kClean;
}

}  // namespace aloftra
