// One calendar year of flying laid out for the graphs page: flights and airtime per day on a
// fixed 366-day calendar, and the scales the two charts are drawn to. Pure functions of the
// logbook; which flights count is decided by the caller's filter test.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/DateTime.h"
#include "core/Logbook.h"

namespace aloftra {

inline constexpr int kDaySlots = 366;
inline constexpr int kFirstGraphYear = 1970;
inline constexpr int kLastGraphYear = 2100;

bool IsLeapYear(int year);
int DaysInYear(int year);

// The day slot of a date in a year: 1 January is slot 0 and 29 February slot 59; in a year
// without 29 February, 1 March onward take the slot one above their day of the year, so every
// month starts at the same slot in every year. -1 when the date is not in the year.
int DaySlotOf(int year, DateTime date);

// The day of the year (1-based) under a pointer at x (twips) over a chart whose left edge is
// at chartLeft; kept within the year.
int DayOfYearAt(int year, double x, double chartLeft);

// Flights and airtime of every day slot of a year. Sums are held wide, so a year past the
// 16-bit limit of the stored values still adds up.
struct YearTally {
  std::array<std::int32_t, kDaySlots> flights{};
  std::array<std::int32_t, kDaySlots> airtime{};  // minutes
  std::int32_t maxFlights = 0;
  std::int32_t maxAirtime = 0;
  std::int64_t totalFlights = 0;
  std::int64_t totalAirtime = 0;
};

// One pass over the flights in date order: every flying entry of the year for which passes
// (given a flight slot) holds counts on its day.
YearTally TallyYear(const Logbook& logbook, int year, const std::function<bool(int)>& passes);

// The flights axis: the busiest day rounded up to a multiple of 4.
int FlightScale(std::int32_t maxFlights);
// The airtime axis in minutes: the longest day rounded up to whole hours.
std::int32_t AirtimeScale(std::int32_t maxAirtime);
// How many equal parts the grid lines cut the flights chart into: 12 when the scale divides
// by 12, else 8 when it divides by 8, else 4.
int FlightGridParts(int scale);
// The scale label at quarter (1 to 4) of a scale, rounded to whole units.
std::int32_t ScaleAtQuarter(std::int32_t scale, int quarter);
// The height of a bar of value over a chart of span twips drawn to scale, rounded to a twip.
int BarHeight(std::int32_t value, std::int32_t scale, int span);

// The flight nearest a day (a whole-day serial) in the date order, counted in whole days;
// among equally near flights the last in date order. -1 when there are no flights.
int NearestFlightByDay(const Logbook& logbook, long day);

}  // namespace aloftra
