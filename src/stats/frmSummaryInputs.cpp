// The previous-experience figures the pilot types, and leaving the page: the page buttons
// and the Details jumps to the best flights.
#include <cstdint>
#include <optional>

#include "core/Logbook.h"
#include "form/Platform.h"
#include "stats/PreviousExperience.h"
#include "stats/frmSummary.h"
#include "units/DisplayText.h"

namespace aloftra {

namespace {

constexpr const char* kInvalidDaysMessage = "Invalid number of previous flying days.";
constexpr const char* kInvalidFlightsMessage = "Invalid number of previous flights.";
constexpr const char* kInvalidAirtimeMessage = "Invalid Previous Airtime.";

std::int16_t BestPointer(const BestFlights& best, int kind) {
  switch (kind) {
    case kBestLongest:
      return best.LONGEST_FLIGHT;
    case kBestHighest:
      return best.HIGHEST_FLIGHT;
    case kBestOverLaunch:
      return best.OVER_LAUNCH_FLIGHT;
    default:
      return best.DISTANCE_FLIGHT;
  }
}

}  // namespace

void frmSummary::H_DaysPrev_Change() {
  PreviousCountChanged(kHangGliding, PreviousCount::kDays);
}
void frmSummary::P_DaysPrev_Change() {
  PreviousCountChanged(kParagliding, PreviousCount::kDays);
}
void frmSummary::H_FlightsPrev_Change() {
  PreviousCountChanged(kHangGliding, PreviousCount::kFlights);
}
void frmSummary::P_FlightsPrev_Change() {
  PreviousCountChanged(kParagliding, PreviousCount::kFlights);
}
void frmSummary::H_AirtimePrev_Change() {
  AirtimePrevChanged(kHangGliding);
}
void frmSummary::P_AirtimePrev_Change() {
  AirtimePrevChanged(kParagliding);
}
void frmSummary::H_AirtimePrev_LostFocus() {
  AirtimePrevLostFocus(kHangGliding);
}
void frmSummary::P_AirtimePrev_LostFocus() {
  AirtimePrevLostFocus(kParagliding);
}

void frmSummary::PreviousCountChanged(WingType wing, PreviousCount which) {
  if (filling_) return;
  host_.UpdateCaption(true, false);
  RecomputePending = true;
  Side s = SideOf(wing);
  const bool days = which == PreviousCount::kDays;
  TextBox& box = days ? s.DaysPrev : s.FlightsPrev;
  std::optional<std::int16_t> value = ReadPreviousCount(box.Text());
  if (!value) {
    // The figure stored before stays; the box is emptied for the pilot to try again.
    host_.GetPlatform().Message(days ? kInvalidDaysMessage : kInvalidFlightsMessage);
    Show(box, "");
    SetFocus(box);
    return;
  }
  PilotTotals& totals = host_.Book().totals[wing];
  (days ? totals.DAYS_PREV : totals.FLIGHTS_PREV) = *value;
  SummaryDisplayInfo();
}

void frmSummary::AirtimePrevChanged(WingType wing) {
  if (filling_) return;
  // Marked at once, so that leaving the program asks to save what is being typed.
  host_.UpdateCaption(true, false);
  airtimeEdited_[wing] = true;
}

void frmSummary::AirtimePrevLostFocus(WingType wing) {
  // Passing through the box without typing changes nothing.
  if (!airtimeEdited_[wing]) return;
  airtimeEdited_[wing] = false;
  host_.UpdateCaption(true, false);
  RecomputePending = true;
  TextBox& box = SideOf(wing).AirtimePrev;
  std::optional<std::int32_t> minutes = ReadPreviousAirtime(box.Text());
  if (!minutes) {
    host_.GetPlatform().Message(kInvalidAirtimeMessage);
    Show(box, "");
    return;
  }
  host_.Book().totals[wing].AIRTIME_PREV = *minutes;
  SummaryDisplayInfo();
}

void frmSummary::OnBeforeSave() {
  // A previous airtime still being typed goes into the logbook as if its box were left.
  AirtimePrevLostFocus(kHangGliding);
  AirtimePrevLostFocus(kParagliding);
}

void frmSummary::RecomputeIfPending() {
  if (!RecomputePending) return;
  RecomputePending = false;
  host_.RecomputeStatistics();
}

void frmSummary::BeforeLeavingByPageButton() {
  RecomputeIfPending();
}

void frmSummary::Details_Click(int Index) {
  if (Index < Details.FirstIndex() || Index > Details.LastIndex()) return;
  const WingType wing = Index < kBestKinds ? kHangGliding : kParagliding;
  const int kind = Index % kBestKinds;
  if (!host_.Book().flights.IsLive(BestPointer(host_.Book().totals[wing].best, kind))) return;
  // The flight page is about to show a flight number; it must follow the previous flights.
  RecomputeIfPending();
  const int flight = BestPointer(host_.Book().totals[wing].best, kind);
  if (!host_.Book().flights.IsLive(flight)) return;
  JumpToFlight(flight);
}

}  // namespace aloftra
