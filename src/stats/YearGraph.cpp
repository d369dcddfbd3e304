#include "stats/YearGraph.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace aloftra {

namespace {

constexpr int kSlotOfFirstMarch = 60;
// The first slot lies 150 twips into a chart and the slots are 15 twips apart.
constexpr double kFirstSlotOffset = 150;
constexpr double kSlotWidth = 15;

}  // namespace

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInYear(int year) {
  return IsLeapYear(year) ? 366 : 365;
}

int DaySlotOf(int year, DateTime date) {
  long offset = DayPart(date) - DaySerial(year, 1, 1);
  if (offset < 0 || offset >= DaysInYear(year)) return -1;
  int slot = static_cast<int>(offset);
  if (!IsLeapYear(year) && slot >= kSlotOfFirstMarch - 1) ++slot;
  return slot;
}

int DayOfYearAt(int year, double x, double chartLeft) {
  double position = std::round((x - chartLeft - (kFirstSlotOffset - kSlotWidth)) / kSlotWidth);
  position = std::clamp(position, -1.0, static_cast<double>(kDaySlots + 1));
  int day = static_cast<int>(position);
  if (!IsLeapYear(year) && day > kSlotOfFirstMarch - 1) --day;
  return std::clamp(day, 1, DaysInYear(year));
}

YearTally TallyYear(const Logbook& logbook, int year, const std::function<bool(int)>& passes) {
  YearTally tally;
  const FlightOrder& order = logbook.order;
  for (int position = 0; position < order.RowCount(); ++position) {
    int index = order.At(position, kSortDate);
    const FlightRecord* flight = logbook.flights.Live(index);
    if (flight == nullptr || flight->IsNonFlying()) continue;
    int slot = DaySlotOf(year, flight->DATE);
    if (slot < 0 || !passes(index)) continue;
    tally.flights[slot] += 1;
    tally.airtime[slot] += flight->AIRTIME;
    tally.maxFlights = std::max(tally.maxFlights, tally.flights[slot]);
    tally.maxAirtime = std::max(tally.maxAirtime, tally.airtime[slot]);
    tally.totalFlights += 1;
    tally.totalAirtime += flight->AIRTIME;
  }
  return tally;
}

int FlightScale(std::int32_t maxFlights) {
  if (maxFlights <= 0) return 0;
  return (maxFlights + 3) / 4 * 4;
}

std::int32_t AirtimeScale(std::int32_t maxAirtime) {
  if (maxAirtime <= 0) return 0;
  return (maxAirtime + 59) / 60 * 60;
}

int FlightGridParts(int scale) {
  if (scale % 12 == 0) return 12;
  if (scale % 8 == 0) return 8;
  return 4;
}

std::int32_t ScaleAtQuarter(std::int32_t scale, int quarter) {
  return static_cast<std::int32_t>(std::lround(static_cast<double>(scale) * quarter / 4.0));
}

int BarHeight(std::int32_t value, std::int32_t scale, int span) {
  if (scale <= 0 || value <= 0) return 0;
  return static_cast<int>(std::lround(static_cast<double>(value) * span / scale));
}

int NearestFlightByDay(const Logbook& logbook, long day) {
  const FlightOrder& order = logbook.order;
  int last = order.LastPosition();
  if (last < 0) return -1;
  // A row naming no live flight counts as infinitely far, so the walk never lands on it past
  // a real one.
  auto distance = [&](int position) {
    const FlightRecord* flight = logbook.flights.Live(order.At(position, kSortDate));
    return flight == nullptr ? std::numeric_limits<long>::max()
                             : std::labs(DayPart(flight->DATE) - day);
  };
  long current = distance(0);
  for (int position = 0; position < last; ++position) {
    long next = distance(position + 1);
    if (next > current) return order.At(position, kSortDate);
    current = next;
  }
  return order.At(last, kSortDate);
}

}  // namespace aloftra
