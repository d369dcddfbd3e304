#include "flights/MultiFlightPlan.h"

#include "core/Numbers.h"
#include "flights/AirtimeText.h"

namespace aloftra {

namespace {
constexpr double kMinutesPerDay = 24 * 60;
}  // namespace

TimeBoxReading ReadTimeBox(std::string_view text, int hourLimit) {
  TimeBoxReading reading;
  // An empty box stays empty, so that the check for a missing total can see it.
  if (text.empty()) return reading;
  std::optional<int> total = ParseTypedAirtime(text);
  if (!total) {
    reading.refusal = TimeBoxReading::Refusal::kBeyondRange;
    return reading;
  }
  reading.minutes = *total;
  reading.text = FormatAirtimeField(*total);
  if (*total / 60 >= hourLimit) reading.refusal = TimeBoxReading::Refusal::kHoursAtLimit;
  return reading;
}

FlightCountReading ReadFlightCount(std::string_view text) {
  double typed = ParseLeadingNumber(text);
  FlightCountReading reading;
  if (!(typed >= kFewestMultiFlights)) {
    reading.refusal = FlightCountReading::Refusal::kTooFew;
  } else if (typed > kMostMultiFlights) {
    reading.refusal = FlightCountReading::Refusal::kTooMany;
  } else {
    reading.flights = static_cast<int>(RoundHalfAwayFromZero(typed));
  }
  return reading;
}

MultiFlightPlan MultiFlightPlan::Make(int flights, int totalAirtime, int intervalMinutes) {
  MultiFlightPlan plan;
  plan.flights = flights;
  plan.airtimeEach = flights > 0 ? totalAirtime / flights : 0;
  plan.intervalMinutes = intervalMinutes;
  return plan;
}

std::string MultiFlightPlan::Confirmation() const {
  std::string count = std::to_string(flights);
  std::string first = flights == 2
                          ? "The current entry will be copied once for a total of " + count
                          : "The current entry will be copied " + std::to_string(flights - 1) +
                                " times for a total of " + count;
  return first + " flight entries.\r\nThere will be " + std::to_string(airtimeEach) +
         " minutes assigned to each flight. Do you want to continue?";
}

DateTime MultiFlightPlan::StartAfter(DateTime start, int steps) const {
  double minutes = static_cast<double>(steps) * (airtimeEach + intervalMinutes);
  return start + minutes / kMinutesPerDay;
}

}  // namespace aloftra
