// Showing a flight entry, starting a new one, browsing in the current order, and what the
// page's own check boxes, option buttons and name lists do.
#include <algorithm>
#include <vector>

#include "core/DateTime.h"
#include "core/Logbook.h"
#include "core/Numbers.h"
#include "flights/RoseDrawing.h"
#include "flights/frmAloftra.h"
#include "form/Platform.h"
#include "units/ConvertUnit.h"
#include "views/FilterSettings.h"
#include "views/FilterTest.h"
#include "views/NamedEntries.h"

namespace aloftra {

namespace {

constexpr const char* kSaveEntryQuestion = "Do you want to save the changes to the current entry?";
constexpr Color kDisplayOnlyGrey = Rgb(220, 220, 220);

// A flight number as the page shows it: a non-flying entry's 0 is left empty.
std::string FlightNumberText(const FlightRecord& flight) {
  return flight.FLIGHT_NO >= 1 ? std::to_string(flight.FLIGHT_NO) : "";
}

}  // namespace

void frmAloftra::Form_Load() {
  host_.StartUp();
}

void frmAloftra::ShowMessage(const std::string& text) {
  host_.GetPlatform().Message(text);
}

int frmAloftra::TodayYear() {
  return SplitDateTime(host_.GetPlatform().Now()).year;
}

void frmAloftra::ResetForNewLogbook() {
  ClearNameLists();
  ShowSortStatus();
  ShowFilterStatus();
  State = EditState::kClean;
  ShowBlankEntry(false);
}

void frmAloftra::ShowLoadedLogbook() {
  FillNameLists();
  AloftraDisplayEntry();
}

void frmAloftra::ClearNameLists() {
  EditState saved = State;
  State = EditState::kFilling;
  GliderName.Clear();
  SiteName.Clear();
  State = saved;
}

void frmAloftra::FillNameLists() {
  const Logbook& book = host_.Book();
  std::vector<ListItem> gliders;
  for (const GliderRecord& glider : book.gliders) {
    if (!glider.IsFree()) gliders.push_back({glider.GLIDER_NAME});
  }
  std::vector<ListItem> sites;
  for (const SiteRecord& site : book.sites) {
    if (!site.IsFree()) sites.push_back({site.SITE_NAME});
  }
  // Filling runs no click handler, so the entry shown is not marked changed.
  GliderName.SetItems(std::move(gliders));
  SiteName.SetItems(std::move(sites));
}

void frmAloftra::ApplyUnitLabels() {
  const UnitFlags& flags = host_.Book().UNIT_FLAGS;
  for (aloftra::Label* label : {&Speed1, &Speed2}) {
    label->SetCaption(UnitCaption(UnitKind::kSpeed, flags));
  }
  for (aloftra::Label* label : {&Alt1, &Alt2, &Alt3, &Alt4}) {
    label->SetCaption(UnitCaption(UnitKind::kAltitude, flags));
  }
  for (aloftra::Label* label : {&Rate1, &Rate2}) {
    label->SetCaption(UnitCaption(UnitKind::kClimbRate, flags));
  }
  Dist1.SetCaption(UnitCaption(UnitKind::kDistance, flags));
}

void frmAloftra::OnUnitsChanged() {
  ApplyUnitLabels();
  // A flight being edited keeps its numbers as typed; they are read in the new units when it
  // is entered. A flight shown as stored shows its time and measures again in the new units,
  // and nothing else: opening a logbook comes here right after showing its flight, whose
  // checks must not report a second time.
  if (State != EditState::kClean) return;
  const FlightRecord* flight = host_.Book().CurrentFlight();
  if (flight == nullptr) return;
  const FlightRecord shown = *flight;
  State = EditState::kFilling;
  if (!TimeOfDay.Text().empty()) {
    TimeOfDay.SetText(FormatGeneralDate(shown.DATE));
    TimeOfDay_LostFocus();
  }
  ShowMeasuresOf(shown);
  State = EditState::kClean;
}

void frmAloftra::ApplyColorMode() {
  Color back = host_.Book().doc.COLOR_MODE != 0 ? kDisplayOnlyGrey : kWhite;
  FlightNo.SetBackColor(back);
  SiteLocation.SetBackColor(back);
}

void frmAloftra::ShowSortStatus() {
  static const char* const kKeyCaptions[kSortKeys] = {"Date", "Airtime", "Max MSL", "Over Launch",
                                                      "Distance"};
  int key = std::clamp(host_.Book().doc.SortKey, 0, kSortKeys - 1);
  SortStatus2.SetCaption(kKeyCaptions[key]);
  SortStatus2.SetForeColor(key == kSortDate ? kBlack : kRed);
}

void frmAloftra::ShowFilterStatus() {
  bool on = host_.Filter().On();
  FilterStatus2.SetCaption(on ? "On" : "Off");
  FilterStatus2.SetForeColor(on ? kRed : kBlack);
}

void frmAloftra::OnFilterChanged() {
  // Browsing starts counting passing flights afresh.
  PassPosition = 0;
  ShowFilterStatus();
}

void frmAloftra::RedisplayCurrentEntry() {
  if (State == EditState::kClean) AloftraDisplayEntry();
}

void frmAloftra::RefreshFlightNumber() {
  if (State != EditState::kClean) return;
  const FlightRecord* flight = host_.Book().CurrentFlight();
  if (flight == nullptr) return;
  FlightNo.SetText(FlightNumberText(*flight));
}

bool frmAloftra::CanStartMultiFlightEntry() {
  Platform& platform = host_.GetPlatform();
  if (host_.Book().CurrentFlight() == nullptr) {
    platform.MsgBox("There are no Aloftra entries to copy.", MsgBoxButtons::kOk, MsgBoxIcon::kNone,
                    "Multi-Flight Entry");
    return false;
  }
  if (State != EditState::kClean) {
    platform.MsgBox("Multi-Flight entries cannot be made while editing.", MsgBoxButtons::kOk,
                    MsgBoxIcon::kNone, "Multi-Flight Entry");
    return false;
  }
  return true;
}

void frmAloftra::AloftraDisplayEntry() {
  Logbook& book = host_.Book();
  int position = book.doc.CurrentPosition;
  if (position < 0 || position > book.LastPosition()) return;
  const FlightRecord* stored = book.flights.Live(book.FlightAtPosition(position));
  if (stored == nullptr) return;
  const FlightRecord flight = *stored;

  const FilterSettings& filter = host_.Filter();
  if (!filter.On()) {
    EntryIndex.SetCaption(std::to_string(position + 1) + " of " +
                          std::to_string(book.LastPosition() + 1));
  } else {
    EntryIndex.SetCaption(std::to_string(PassPosition) + " of " + std::to_string(filter.PassCount));
  }

  State = EditState::kFilling;
  FlightDate.SetText(FormatGeneralDate(flight.DATE));
  TimeOfDay.SetText(FormatGeneralDate(flight.DATE));
  FlightDate_LostFocus();
  TimeOfDay_LostFocus();

  NonFlying.SetChecked(flight.NON_FLYING != 0);
  Highlight.SetChecked(flight.HIGHLIGHT != 0);
  Remarks.SetText(flight.REMARKS);
  bool nonFlying = flight.NON_FLYING == kFlagSet;
  if (nonFlying != RemarksExpanded) {
    RemarksExpanded = nonFlying;
    RemarksWindowState();
  }

  FlightNo.SetText(FlightNumberText(flight));
  AirTime.SetText(std::to_string(flight.AIRTIME));
  AirTime_LostFocus();

  ShowGliderOf(flight);
  ShowSiteOf(flight);

  ShowMeasuresOf(flight);

  TurbulenceLevel = flight.TURBULENCE;
  RefreshTurbulenceScale();
  XC_Details.SetEnabled(true);
  // A non-flying entry's rose lies hidden under the enlarged remarks box.
  if (flight.NON_FLYING == 0) {
    RoseFlags = flight.WIND_FLAGS;
    DrawRose();
  }
  AloftraColor(false);
  State = EditState::kClean;
}

void frmAloftra::ShowMeasuresOf(const FlightRecord& flight) {
  const UnitFlags& flags = host_.Book().UNIT_FLAGS;
  Distance.SetText(flight.XC_DISTANCE == 0
                       ? ""
                       : DisplayStored(flight.XC_DISTANCE, UnitKind::kDistance, false, flags));
  BaseWind.SetText(DisplayStored(flight.BASE_WIND, UnitKind::kSpeed, false, flags));
  PeakWind.SetText(DisplayStored(flight.PEAK_WIND, UnitKind::kSpeed, false, flags));
  MaxLift.SetText(DisplayStored(flight.MAX_LIFT, UnitKind::kClimbRate, false, flags));
  MaxSink.SetText(DisplayStored(flight.MAX_SINK, UnitKind::kClimbRate, false, flags));
  LaunchMSL.SetText(DisplayStored(flight.LAUNCH_MSL, UnitKind::kAltitude, true, flags));
  LandingMSL.SetText(DisplayStored(flight.LANDING_MSL, UnitKind::kAltitude, true, flags));
  MaxMSL.SetText(DisplayStored(flight.MAX_MSL, UnitKind::kAltitude, true, flags));
  OverLaunch.SetText(DisplayStored(flight.OVER_LAUNCH, UnitKind::kAltitude, false, flags));
}

void frmAloftra::ShowGliderOf(const FlightRecord& flight) {
  const GliderRecord* glider = host_.Book().gliders.Live(flight.GLIDER_INDEX);
  GliderName.SetListIndex(glider ? GliderName.FindItem(glider->GLIDER_NAME) : -1);
  Places[0].SetValue(flight.SOLO != 0);
  Places[1].SetValue(flight.TANDEM != 0);
  if (glider == nullptr) {
    GliderType.SetCaption("");
  } else {
    GliderType.SetCaption(glider->HANG_GLIDER != 0 ? "Hang Glider" : "Paraglider");
  }
}

void frmAloftra::ShowSiteOf(const FlightRecord& flight) {
  const SiteRecord* site = host_.Book().sites.Live(flight.SITE_INDEX);
  SiteName.SetListIndex(site ? SiteName.FindItem(site->SITE_NAME) : -1);
  SiteLocation.SetText(site ? site->LOCATION : "");
}

void frmAloftra::ShowBlankEntry(bool withTodaysDate) {
  // The date box takes the focus before the fields are emptied, so the check of the box that
  // had it (an Enter refused for a missing airtime leaves it in the airtime box) runs on the
  // old entry and cannot write into the blank one.
  if (withTodaysDate) SetFocus(FlightDate);
  RemarksExpanded = false;
  RemarksWindowState();
  State = EditState::kFilling;
  host_.FilterOff();

  for (TextBox* box : {&FlightDate, &TimeOfDay, &FlightNo, &AirTime})
    box->SetText("");
  GliderName.SetListIndex(-1);
  Places[0].SetValue(true);
  GliderType.SetCaption("");
  SiteName.SetListIndex(-1);
  SiteLocation.SetText("");
  Distance.SetText("");
  NonFlying.SetChecked(false);
  Highlight.SetChecked(false);
  for (TextBox* box : {&BaseWind, &PeakWind, &MaxLift, &MaxSink, &LaunchMSL, &LandingMSL, &MaxMSL,
                       &OverLaunch, &Remarks}) {
    box->SetText("");
  }
  XC_Details.SetEnabled(false);

  TurbulenceLevel = 0;
  RefreshTurbulenceScale();
  RoseFlags = {};
  DrawRose();
  EntryIndex.SetCaption("- New Entry -");
  if (withTodaysDate) {
    FlightDate.SetText(FormatLongDate(static_cast<double>(DayPart(host_.GetPlatform().Now()))));
  }
  State = EditState::kNew;
  AloftraColor(true);
}

void frmAloftra::OfferToSaveEntry() {
  if (State != EditState::kModified && State != EditState::kNew) return;
  if (host_.GetPlatform().MsgBox(kSaveEntryQuestion, MsgBoxButtons::kYesNo, MsgBoxIcon::kNone,
                                 "Save Changes") == MsgBoxAnswer::kYes) {
    Enter_Click();
  }
}

void frmAloftra::NewEntry_Click() {
  if (State == EditState::kModified &&
      host_.GetPlatform().MsgBox(kSaveEntryQuestion, MsgBoxButtons::kYesNo, MsgBoxIcon::kNone,
                                 "Save Changes") == MsgBoxAnswer::kYes) {
    Enter_Click();
  }
  ShowBlankEntry(true);
}

void frmAloftra::ViewEntry_Click(int Index) {
  Logbook& book = host_.Book();
  const int start = book.doc.CurrentPosition;
  if (State != EditState::kClean &&
      host_.GetPlatform().MsgBox(kSaveEntryQuestion, MsgBoxButtons::kYesNo, MsgBoxIcon::kNone,
                                 "Save Changes") == MsgBoxAnswer::kYes) {
    Enter_Click();
  }

  int& current = book.doc.CurrentPosition;
  const int last = book.LastPosition();
  const int passCount = host_.Filter().PassCount;
  auto fails = [this] {
    bool pass = false;
    FilterCheck(pass);
    return !pass;
  };
  switch (Index) {
    case 0:
      PassPosition = 1;
      current = 0;
      while (current <= last && fails())
        ++current;
      break;
    case 1:
      current -= 1;
      PassPosition = static_cast<std::int16_t>(std::max(1, PassPosition - 1));
      while (current >= 0 && fails())
        --current;
      break;
    case 2:
      current += 1;
      PassPosition = static_cast<std::int16_t>(std::min<int>(passCount, PassPosition + 1));
      while (current <= last && fails())
        ++current;
      break;
    case 3:
      current = last;
      PassPosition = static_cast<std::int16_t>(passCount);
      while (current >= 0 && fails())
        --current;
      break;
    default:
      return;
  }

  if (current < 0 || current > last) {
    current = start;
    host_.GetPlatform().Beep();
    return;
  }
  // First or Last landing on the flight already shown: a beep, and the stored flight shown
  // again, which discards any unsaved edits.
  if ((Index == 0 || Index == 3) && current == start) host_.GetPlatform().Beep();
  AloftraDisplayEntry();
}

void frmAloftra::FilterCheck(bool& pass) {
  const Logbook& book = host_.Book();
  int index = book.FlightAtPosition(book.doc.CurrentPosition);
  pass = index >= 0 && FlightPassesFilter(book, host_.Filter(), index);
}

std::array<Control*, 15> frmAloftra::EntryFields() {
  return {&FlightDate, &TimeOfDay,  &AirTime,  &GliderName, &SiteName,
          &Distance,   &BaseWind,   &PeakWind, &MaxLift,    &MaxSink,
          &LaunchMSL,  &LandingMSL, &MaxMSL,   &OverLaunch, &Remarks};
}

void frmAloftra::AloftraColor(bool changed) {
  for (Control* field : EntryFields())
    field->SetForeColor(changed ? kRed : kBlack);
}

void frmAloftra::SetEntryBackColor(Color color) {
  for (Control* field : EntryFields())
    field->SetBackColor(color);
}

void frmAloftra::MarkModified() {
  if (State != EditState::kClean) return;
  State = EditState::kModified;
  AloftraColor(true);
}

void frmAloftra::Highlight_Click() {
  SetEntryBackColor(Highlight.Checked() ? kPaleYellow : kWhite);
  MarkModified();
}

void frmAloftra::NonFlying_Click() {
  RemarksExpanded = NonFlying.Checked();
  RemarksRestore.SetEnabled(!RemarksExpanded);
  RemarksWindowState();
  MarkModified();
}

void frmAloftra::Places_Click(int Index) {
  (void)Index;
  MarkModified();
}

void frmAloftra::GliderName_Click() {
  if (State == EditState::kFilling || GliderName.Text().empty()) return;
  MarkModified();
  const Logbook& book = host_.Book();
  const GliderRecord* glider = book.gliders.Live(FirstLiveGliderNamed(book, GliderName.Text()));
  if (glider == nullptr) return;
  Places[0].SetValue(glider->SOLO != 0);
  Places[1].SetValue(glider->TANDEM != 0);
  GliderType.SetCaption(glider->HANG_GLIDER != 0 ? "Hang Glider" : "Paraglider");
}

void frmAloftra::SiteName_Click() {
  if (State == EditState::kFilling || SiteName.Text().empty()) return;
  MarkModified();
  const Logbook& book = host_.Book();
  const SiteRecord* site = book.sites.Live(FirstLiveSiteNamed(book, SiteName.Text()));
  if (site == nullptr) return;
  SiteLocation.SetText(site->LOCATION);
  LaunchMSL.SetText(DisplayStored(site->LAUNCH_MSL, UnitKind::kAltitude, true, book.UNIT_FLAGS));
  LandingMSL.SetText(DisplayStored(site->LANDING_MSL, UnitKind::kAltitude, true, book.UNIT_FLAGS));
  RoseFlags = site->WIND_FLAGS;
  DrawRose();
}

void frmAloftra::RemarksExpand_Click() {
  RemarksExpanded = true;
  RemarksWindowState();
}

void frmAloftra::RemarksRestore_Click() {
  RemarksExpanded = false;
  RemarksWindowState();
}

void frmAloftra::RemarksWindowState() {
  bool show = !RemarksExpanded;
  for (Control* control : std::initializer_list<Control*>{
           &Label[0], &Label[1], &Label[2], &Label[3], &Label[4], &Speed1, &Dist1, &FlightNo,
           &AirTime, &BaseWind, &PeakWind, &Distance, &AltitudeFrame, &GliderFrame, &SiteFrame,
           &CrossCountryFrame, &RoseOutline, &VarioMax}) {
    control->SetVisible(show);
  }
  Lines.ForEach([show](LineControl& line) { line.SetVisible(show); });
  if (RemarksExpanded) {
    Remarks.Move(90, 1320, 7455, 3840);
    RemarksLabel.Move(90, 1080);
    // The enlarged box covers the rose and the vario bars, whose tops would still show above
    // it, and the expand button inside its area.
    EraseConditionDrawing();
  } else {
    Remarks.Move(3210, 4680, 4335, 910);
    RemarksLabel.Move(3210, 4440);
    // The over-range marker was shown with the rest; the lift bar knows whether it belongs.
    // The rose and the sink bar are drawn again only when the enlarged box had erased them.
    bool erased = Drawing().Items(RoseGroup(0)).empty();
    EditState saved = State;
    State = EditState::kFilling;
    DrawVarioBar(true);
    if (erased) DrawVarioBar(false);
    State = saved;
    if (erased) DrawRose();
  }
  RemarksExpand.SetVisible(!RemarksExpanded);
  RemarksRestore.SetVisible(RemarksExpanded);
}

void frmAloftra::XC_Details_Click() {
  host_.OpenDialog(DialogId::kCrossCountry, *this);
}

void frmAloftra::StatusLabelMouseUp(int button, int menuItem) {
  if (button != kRightButton) return;
  host_.RunMenuCommand(*this, MenuId::kOptions, menuItem);
}

}  // namespace aloftra
