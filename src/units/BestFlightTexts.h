// The four best flights of a site, a glider or the pilot's totals as their boxes show them:
// the longest flight's airtime, the highest and highest-over-launch altitudes and the
// greatest distance, in the units the pilot reads. A pointer that names no live flight (a
// damaged file, before the statistics are first recomputed) shows nothing.
#pragma once

#include <optional>
#include <string>

#include "core/Logbook.h"

namespace aloftra {

struct BestFlightTexts {
  // The longest flight's airtime in minutes; each page writes it in its own form.
  std::optional<long> longestMinutes;
  std::string highest;
  std::string overLaunch;
  std::string distance;  // empty too when the farthest flight went no distance
};

BestFlightTexts BestFlightTextsOf(const Logbook& logbook, const BestFlights& best);

}  // namespace aloftra
