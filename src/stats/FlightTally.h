// Flights, flying days and airtime of one group of flights (a site, a glider, the solo flights
// of one wing type, ...) counted along the walk in date order.
#pragma once

#include <cstdint>

#include "core/Records.h"
#include "stats/FlyingDayCounter.h"

namespace aloftra {

struct FlightTally {
  void Count(const FlightRecord& flight, long day) {
    days += dayCounter.Count(day) ? 1 : 0;
    ++flights;
    airtime += flight.AIRTIME;
  }

  FlyingDayCounter dayCounter;
  // Wide enough for any logbook; stored into the 16- and 32-bit fields through Saturate.
  std::int64_t days = 0;
  std::int64_t flights = 0;
  std::int64_t airtime = 0;
};

}  // namespace aloftra
