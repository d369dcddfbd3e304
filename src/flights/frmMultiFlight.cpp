#include "flights/frmMultiFlight.h"

#include <initializer_list>
#include <string>

#include "core/DateTime.h"
#include "core/Logbook.h"
#include "core/Numbers.h"
#include "flights/frmAloftra.h"
#include "form/Platform.h"
#include "units/ConvertUnit.h"

namespace aloftra {

namespace {

constexpr const char* kTitle = "Multi-Flight Entry";
constexpr int kTotalAirtimeHourLimit = 48;
constexpr int kIntervalHourLimit = 24;

}  // namespace

frmMultiFlight::frmMultiFlight(PageHost& host)
    : Dialog(host, DialogId::kMultiFlight, "frmMultiFlight", kTitle, 4440, 2700),
      CaptionLine(*this, "CaptionLine"),
      TotalFlightsLabel(*this, "TotalFlightsLabel"),
      TotalAirtimeLabel(*this, "TotalAirtimeLabel"),
      TimeIntervalLabel(*this, "TimeIntervalLabel"),
      TotalFlights(*this, "TotalFlights"),
      TotalAirtime(*this, "TotalAirtime"),
      TimeInterval(*this, "TimeInterval"),
      Ok(*this, "Ok"),
      Cancel(*this, "Cancel") {
  CaptionLine.SetCaption("Copy the current entry");
  CaptionLine.Move(240, 180, 3960, 255);
  TotalFlightsLabel.SetCaption("Total Number of Flights:");
  TotalFlightsLabel.Move(240, 660, 2520, 255);
  TotalAirtimeLabel.SetCaption("Total Airtime:");
  TotalAirtimeLabel.Move(240, 1080, 2520, 255);
  TimeIntervalLabel.SetCaption("Time Between Flights:");
  TimeIntervalLabel.Move(240, 1500, 2520, 255);
  TotalFlights.Move(2880, 600, 1200, 315);
  TotalAirtime.Move(2880, 1020, 1200, 315);
  TimeInterval.Move(2880, 1440, 1200, 315);
  Ok.SetCaption("Ok");
  Ok.Move(600, 2040, 1200, 375);
  Ok.SetDefault(true);
  Cancel.SetCaption("Cancel");
  Cancel.Move(2640, 2040, 1200, 375);
  Cancel.SetCancel(true);
  int order = 0;
  for (Control* control :
       std::initializer_list<Control*>{&TotalFlights, &TotalAirtime, &TimeInterval, &Ok, &Cancel}) {
    control->SetTabIndex(order++);
  }

  onLoad = [this] { Form_Load(); };
  Ok.onClick = [this] { Ok_Click(); };
  Cancel.onClick = [this] { Cancel_Click(); };
  TotalAirtime.onLostFocus = [this] { TotalAirtime_LostFocus(); };
  TimeInterval.onLostFocus = [this] { TimeInterval_LostFocus(); };
}

void frmMultiFlight::Form_Load() {
  TotalFlights.SetText("");
  TotalAirtime.SetText("");
  TimeInterval.SetText("0:10");
  SetFocus(TotalFlights);
}

void frmMultiFlight::ShowMessage(const char* text) {
  host_.GetPlatform().MsgBox(text, MsgBoxButtons::kOk, MsgBoxIcon::kNone, kTitle);
}

std::optional<int> frmMultiFlight::CheckTimeBox(TextBox& box, bool total) {
  TimeBoxReading reading =
      ReadTimeBox(box.Text(), total ? kTotalAirtimeHourLimit : kIntervalHourLimit);
  box.SetText(reading.text);
  switch (reading.refusal) {
    case TimeBoxReading::Refusal::kNone:
      return reading.minutes;
    case TimeBoxReading::Refusal::kHoursAtLimit:
      ShowMessage(total ? "The total airtime must be less than 48 hours."
                        : "The time between flights must be less than 24 hours.");
      break;
    case TimeBoxReading::Refusal::kBeyondRange:
      ShowMessage(total ? "Invalid Total Airtime." : "Invalid time between flights.");
      break;
  }
  SetFocus(box);
  return std::nullopt;
}

void frmMultiFlight::TotalAirtime_LostFocus() {
  CheckTimeBox(TotalAirtime, true);
}

void frmMultiFlight::TimeInterval_LostFocus() {
  CheckTimeBox(TimeInterval, false);
}

std::optional<MultiFlightPlan> frmMultiFlight::ReadPlan() {
  FlightCountReading count = ReadFlightCount(TotalFlights.Text());
  if (count.refusal != FlightCountReading::Refusal::kNone) {
    ShowMessage(count.refusal == FlightCountReading::Refusal::kTooFew
                    ? "The total number of flights must be 2 or more."
                    : "The total number of flights must be 60 or less.");
    SetFocus(TotalFlights);
    return std::nullopt;
  }
  if (TotalAirtime.Text().empty()) {
    ShowMessage("The total airtime must be filled in.");
    SetFocus(TotalAirtime);
    return std::nullopt;
  }
  // The boxes are read again here: Ok may be pressed while one of them still has the focus
  // and holds what was typed, unchecked.
  std::optional<int> total = CheckTimeBox(TotalAirtime, true);
  if (!total) return std::nullopt;
  std::optional<int> interval = CheckTimeBox(TimeInterval, false);
  if (!interval) return std::nullopt;
  return MultiFlightPlan::Make(count.flights, *total, *interval);
}

void frmMultiFlight::Ok_Click() {
  std::optional<MultiFlightPlan> plan = ReadPlan();
  if (!plan) return;
  Platform& platform = host_.GetPlatform();
  if (platform.MsgBox(plan->Confirmation(), MsgBoxButtons::kYesNo, MsgBoxIcon::kNone, kTitle) !=
      MsgBoxAnswer::kYes) {
    return;
  }
  auto* page = dynamic_cast<frmAloftra*>(&host_.Flights());
  if (page != nullptr) {
    Hide();
    platform.DoEvents();
    MakeFlights(*page, *plan);
  }
  Close();
}

void frmMultiFlight::Cancel_Click() {
  Close();
}

void frmMultiFlight::MakeFlights(frmAloftra& page, const MultiFlightPlan& plan) {
  // The shown flight keeps its place and takes its share of the airtime first.
  page.AirTime.SetText(std::to_string(plan.airtimeEach));
  page.AirTime_LostFocus();
  page.Enter_Click();
  // A copy the commit refuses stays unsaved on the page; the next one is then based on the
  // flight the page last stored.
  for (int copy = 1; copy < plan.flights; ++copy)
    EnterCopy(page, plan);
}

void frmMultiFlight::EnterCopy(frmAloftra& page, const MultiFlightPlan& plan) {
  const FlightRecord* shown = host_.Book().CurrentFlight();
  if (shown == nullptr) return;
  // A copy of the record: the commit below may move the table it lives in.
  const FlightRecord source = *shown;

  page.NewEntry_Click();
  std::string start = FormatGeneralDate(plan.StartAfter(source.DATE, 1));
  page.FlightDate.SetText(start);
  page.TimeOfDay.SetText(start);
  page.FlightDate_LostFocus();
  page.TimeOfDay_LostFocus();
  page.AirTime.SetText(std::to_string(plan.airtimeEach));
  page.AirTime_LostFocus();
  ShowCopiedValues(page, source);
  host_.GetPlatform().DoEvents();
  page.Enter_Click();
}

void frmMultiFlight::ShowCopiedValues(frmAloftra& page, const FlightRecord& source) {
  const Logbook& book = host_.Book();
  const UnitFlags& flags = book.UNIT_FLAGS;

  // Choosing the glider and the site fills the places, the launch and landing altitudes and
  // the rose with the glider's and the site's own values; the flight's values replace them
  // below.
  const GliderRecord* glider = book.gliders.Live(source.GLIDER_INDEX);
  page.GliderName.SetListIndex(glider ? page.GliderName.FindItem(glider->GLIDER_NAME) : -1);
  const SiteRecord* site = book.sites.Live(source.SITE_INDEX);
  page.SiteName.SetListIndex(site ? page.SiteName.FindItem(site->SITE_NAME) : -1);
  page.SiteLocation.SetText(site ? site->LOCATION : "");
  page.Places[0].SetValue(source.SOLO != 0);
  page.Places[1].SetValue(source.TANDEM != 0);

  page.Distance.SetText(source.XC_DISTANCE == 0
                            ? ""
                            : DisplayStored(source.XC_DISTANCE, UnitKind::kDistance, false, flags));
  page.NonFlying.SetChecked(source.NON_FLYING != 0);
  page.Highlight.SetChecked(source.HIGHLIGHT != 0);

  page.BaseWind.SetText(DisplayStored(source.BASE_WIND, UnitKind::kSpeed, false, flags));
  page.PeakWind.SetText(DisplayStored(source.PEAK_WIND, UnitKind::kSpeed, false, flags));
  page.MaxLift.SetText(DisplayStored(source.MAX_LIFT, UnitKind::kClimbRate, false, flags));
  page.MaxSink.SetText(DisplayStored(source.MAX_SINK, UnitKind::kClimbRate, false, flags));
  page.LaunchMSL.SetText(DisplayStored(source.LAUNCH_MSL, UnitKind::kAltitude, true, flags));
  page.LandingMSL.SetText(DisplayStored(source.LANDING_MSL, UnitKind::kAltitude, true, flags));
  page.MaxMSL.SetText(DisplayStored(source.MAX_MSL, UnitKind::kAltitude, true, flags));
  page.OverLaunch.SetText(DisplayStored(source.OVER_LAUNCH, UnitKind::kAltitude, false, flags));
  page.TurbulenceLevel = source.TURBULENCE;
  page.RefreshTurbulenceScale();

  page.Remarks.SetText(source.REMARKS);
  page.RoseFlags = source.WIND_FLAGS;
  page.DrawRose();
}

}  // namespace aloftra
