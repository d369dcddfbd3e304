// The best-flight pointers that sites, gliders and the pilot totals keep: the longest, the
// highest, the greatest height over launch and the longest distance.
#pragma once

#include <cstdint>
#include <limits>

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
    // A distance need not be a number (a damaged file), so "no flight yet" is asked directly.
    if (best_.DISTANCE_FLIGHT < 0 || flight.XC_DISTANCE > distance_) {
      best_.DISTANCE_FLIGHT = index;
      distance_ = flight.XC_DISTANCE;
    }
  }

  const BestFlights& Pointers() const { return best_; }

 private:
  // The 16-bit values are kept in 32 bits, starting below any of them, so the first offer
  // always wins.
  static constexpr std::int32_t kNone = std::numeric_limits<std::int32_t>::min();

  static void Take(std::int16_t& pointer, std::int32_t& best, std::int16_t value,
                   std::int16_t index) {
    if (value > best) {
      pointer = index;
      best = value;
    }
  }

  BestFlights best_;
  std::int32_t longest_ = kNone;
  std::int32_t highest_ = kNone;
  std::int32_t overLaunch_ = kNone;
  float distance_ = 0;
};

}  // namespace aloftra
