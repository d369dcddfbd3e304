// The checks the glider page's fields make as the focus leaves them. A bad value is
// reported at once and its box emptied; nothing reaches the logbook before Enter.
#include "core/DateTime.h"
#include "core/Numbers.h"
#include "form/Platform.h"
#include "lists/PreviousAirtime.h"
#include "lists/frmGliders.h"

namespace aloftra {

namespace {

constexpr double kLightestWeight = 0;
constexpr double kHeaviestWeight = 9999;

}  // namespace

void frmGliders::DateOfMfg_LostFocus() {
  // The page's own fills move no focus; a box emptied by New is left alone.
  if (State == EditState::kFilling || DateOfMfg.Text().empty()) return;
  const int year = SplitDateTime(host_.GetPlatform().Now()).year;
  std::optional<DateTime> value = ParseDateTime(DateOfMfg.Text(), year);
  // A time of day alone (day 0) is no date of manufacture.
  if (!value || (*value >= 0 && *value < 1)) {
    ShowMessage("Invalid date.");
    DateOfMfg.SetText("");
    return;
  }
  DateOfMfg.SetText(FormatLongDate(*value));
}

void frmGliders::CheckWeightField(TextBox& box, const char* message) {
  if (State == EditState::kFilling) return;
  // The bounds hold in pounds and in kilograms alike.
  const double weight = ParseLeadingNumber(box.Text());
  if (weight < kLightestWeight || weight > kHeaviestWeight) {
    ShowMessage(message);
    box.SetText("");
  }
}

void frmGliders::WeightMin_LostFocus() {
  CheckWeightField(WeightMin, "Invalid minimum total takeoff weight.");
}

void frmGliders::WeightMax_LostFocus() {
  CheckWeightField(WeightMax, "Invalid maximum total takeoff weight.");
}

void frmGliders::PreAirtime_LostFocus() {
  if (State == EditState::kFilling) return;
  std::optional<std::int32_t> minutes = ParsePreviousAirtime(PreAirtime.Text());
  if (!minutes) {
    ShowMessage("Invalid Previous Airtime.");
    PreAirtime.SetText("");
    return;
  }
  PreAirtime.SetText(FormatHoursAndMinutes(*minutes));
}

}  // namespace aloftra
