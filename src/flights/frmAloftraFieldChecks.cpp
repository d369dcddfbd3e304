// The checks each field of the flight page makes when the focus leaves it. A bad value is
// reported at once and the field emptied; nothing reaches the logbook before Enter.
#include <cstdio>

#include "core/DateTime.h"
#include "core/Logbook.h"
#include "core/Numbers.h"
#include "flights/AirtimeText.h"
#include "flights/frmAloftra.h"
#include "form/Platform.h"
#include "units/AltitudeBounds.h"
#include "units/UnitChoice.h"

namespace aloftra {

namespace {

constexpr DateTime kFirstFlightDay = 25569;  // 1 January 1970
constexpr DateTime kLastFlightDay = 73415;   // 31 December 2100
constexpr int kMaxAirtimeHours = 48;
constexpr int kCtrlD = 4;

double NumberIn(const TextBox& box) {
  return ParseLeadingNumber(box.Text());
}

// A computed altitude written back into a box, in plain decimal form ("1250").
std::string PlainNumber(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.15g", value == 0 ? 0.0 : value);
  return buffer;
}

}  // namespace

void frmAloftra::FlightDate_LostFocus() {
  if (FlightDate.Text().empty()) return;
  std::optional<DateTime> value = ParseDateTime(FlightDate.Text(), TodayYear());
  if (!value || *value == 0) {
    ShowMessage("Invalid date.");
    FlightDate.SetText("");
    return;
  }
  FlightDate.SetText(FormatLongDate(*value));
  if (*value < kFirstFlightDay || *value > kLastFlightDay) {
    ShowMessage("The flight date must be between 1970 and 2100.");
    FlightDate.SetText("");
  }
}

void frmAloftra::TimeOfDay_LostFocus() {
  if (TimeOfDay.Text().empty()) return;
  std::optional<DateTime> value = ParseDateTime(TimeOfDay.Text(), TodayYear());
  if (!value) {
    ShowMessage("Invalid time of day.");
    TimeOfDay.SetText("");
    return;
  }
  bool clock24 = Uses24Hour(host_.Book().UNIT_FLAGS);
  TimeOfDay.SetText(clock24 ? FormatTime24(*value) : FormatTimeAmPm(*value));
}

void frmAloftra::AirTime_LostFocus() {
  std::optional<int> total = ParseTypedAirtime(AirTime.Text());
  if (!total) {
    ShowMessage("Invalid Airtime.");
    AirTime.SetText("");
    return;
  }
  AirTime.SetText(FormatAirtimeField(*total));
  if (*total / 60 >= kMaxAirtimeHours) {
    ShowMessage("The airtime must be less than 48 hours.");
    AirTime.SetText("");
  }
}

void frmAloftra::CheckAltitudeField(TextBox& box, int field) {
  AltitudeBounds bounds =
      AltitudeFieldBounds(static_cast<AltitudeField>(field), host_.Book().UNIT_FLAGS);
  if (!bounds.Admits(NumberIn(box))) {
    ShowMessage(bounds.message);
    box.SetText("");
  }
}

void frmAloftra::LaunchMSL_LostFocus() {
  CheckAltitudeField(LaunchMSL, static_cast<int>(AltitudeField::kLaunch));
  if (LaunchMSL.Text().empty()) return;
  if (!MaxMSL.Text().empty()) {
    if (NumberIn(LaunchMSL) > NumberIn(MaxMSL)) MaxMSL.SetText(LaunchMSL.Text());
    OverLaunch.SetText(PlainNumber(NumberIn(MaxMSL) - NumberIn(LaunchMSL)));
  } else if (!OverLaunch.Text().empty()) {
    MaxMSL.SetText(PlainNumber(NumberIn(LaunchMSL) + NumberIn(OverLaunch)));
  }
}

void frmAloftra::MaxMSL_LostFocus() {
  CheckAltitudeField(MaxMSL, static_cast<int>(AltitudeField::kMax));
  if (MaxMSL.Text().empty()) return;
  if (!LaunchMSL.Text().empty()) {
    if (NumberIn(LaunchMSL) > NumberIn(MaxMSL)) LaunchMSL.SetText(MaxMSL.Text());
    OverLaunch.SetText(PlainNumber(NumberIn(MaxMSL) - NumberIn(LaunchMSL)));
  } else if (!OverLaunch.Text().empty()) {
    LaunchMSL.SetText(PlainNumber(NumberIn(MaxMSL) - NumberIn(OverLaunch)));
  }
}

void frmAloftra::OverLaunch_LostFocus() {
  CheckAltitudeField(OverLaunch, static_cast<int>(AltitudeField::kOverLaunch));
  if (OverLaunch.Text().empty()) return;
  if (!LaunchMSL.Text().empty()) {
    MaxMSL.SetText(PlainNumber(NumberIn(LaunchMSL) + NumberIn(OverLaunch)));
  } else if (!MaxMSL.Text().empty()) {
    LaunchMSL.SetText(PlainNumber(NumberIn(MaxMSL) - NumberIn(OverLaunch)));
  }
}

void frmAloftra::LandingMSL_LostFocus() {
  CheckAltitudeField(LandingMSL, static_cast<int>(AltitudeField::kLanding));
}

void frmAloftra::FlightDate_KeyPress(int& KeyAscii) {
  if (KeyAscii != kCtrlD) return;
  KeyAscii = 0;
  FlightDate.SetText(FormatShortDate(static_cast<double>(DayPart(host_.GetPlatform().Now()))));
  // Arriving in the time box runs the date check, which formats the date.
  SetFocus(TimeOfDay);
}

void frmAloftra::FlightNo_KeyPress(int& KeyAscii) {
  KeyAscii = 0;
  ShowMessage("The flight number is automatically assigned.");
}

}  // namespace aloftra
