// The best-flight pointers that sites, gliders and the pilot totals keep: the longest, the
// highest, the greatest height over launch and the longest distance.
#pragma once

#include <cstdint>

#include "core/Records.h"

namespace aloftra {

// Follows the best flights of one site, glider or wing type along a walk in date order. A
// pointer takes an offered flight when it has none yet or when the flight's value is
// strictly greater than that of the flight it points at, so of equal values the earlier
// flight stays. The values of the flights pointed at are kept beside the pointers, so an
// offer never has to look the pointed flights up.
class BestFlightTracker {
 public:
  void Offer(const FlightRecord& flight, int flightIndex) {
    const auto index = static_cast<std::int16_t>(flightIndex);
    Take(best_.LONGEST_FLIGHT, longest_, flight.AIRTIME, index);
    Take(best_.HIGHEST_FLIGHT, highest_, flight.MAX_MSL, index);
    Take(best_.OVER_LAUNCH_FLIGHT, overLaunch_, flight.OVER_LAUNCH, index);
    Take(best_.DISTANCE_FLIGHT, distance_, flight.XC_DISTANCE, index);
  }

  const BestFlights& Pointers() const { return best_; }

 private:
  template <class Value>
  static void Take(std::int16_t& pointer, Value& best, Value value, std::int16_t index) {
    if (pointer < 0 || value > best) {
      pointer = index;
      best = value;
    }
  }

  BestFlights best_;
  std::int16_t longest_ = 0;
  std::int16_t highest_ = 0;
  std::int16_t overLaunch_ = 0;
  float distance_ = 0;
};

}  // namespace aloftra
