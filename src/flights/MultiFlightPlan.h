// Copying one flight into a series of consecutive flights: how many, the share of the total
// airtime each gets, when each copy starts, and the question put to the pilot before any of
// them is made. The dialog that asks for these numbers reads its boxes through here.
#pragma once

#include <string>
#include <string_view>

#include "core/Records.h"

namespace aloftra {

inline constexpr int kFewestMultiFlights = 2;
inline constexpr int kMostMultiFlights = 60;

// A time box ("Total Airtime", "Time Between Flights") read the way the flight page reads its
// airtime: a plain number is minutes, "h:mm" hours and minutes, the total made positive and
// rounded, and the text rewritten as "h:mm".
struct TimeBoxReading {
  enum class Refusal { kNone, kHoursAtLimit, kBeyondRange };
  int minutes = 0;
  std::string text;  // the rewritten text; empty when the box was empty or refused as beyond range
  Refusal refusal = Refusal::kNone;
};
// hourLimit: the first whole number of hours refused. An empty text stays empty (0 minutes).
TimeBoxReading ReadTimeBox(std::string_view text, int hourLimit);

// The number of flights as typed, with a fraction rounded half away from zero. The bounds are
// checked on the typed value, so any value admitted rounds to a count inside them too.
struct FlightCountReading {
  enum class Refusal { kNone, kTooFew, kTooMany };
  int flights = 0;
  Refusal refusal = Refusal::kNone;
};
FlightCountReading ReadFlightCount(std::string_view text);

struct MultiFlightPlan {
  int flights = 0;          // the shown flight and its copies
  int airtimeEach = 0;      // minutes: the total divided by the flights, the remainder dropped
  int intervalMinutes = 0;  // on the ground between one flight's end and the next one's start

  static MultiFlightPlan Make(int flights, int totalAirtime, int intervalMinutes);
  // The question asked before anything is written, with "once" for a single copy.
  std::string Confirmation() const;
  // The start of the flight that follows `steps` places after one starting at `start`: each
  // step is one flight's airtime and one interval, and rolls over midnight into the next day.
  DateTime StartAfter(DateTime start, int steps) const;
};

}  // namespace aloftra
