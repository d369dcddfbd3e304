// The bounds the flight page checks each altitude field against when the focus leaves it,
// in the altitude unit the pilot has chosen, with the message shown when a value is out.
#pragma once

#include <string>

#include "core/Logbook.h"

namespace aloftra {

enum class AltitudeField { kLaunch, kMax, kOverLaunch, kLanding };

struct AltitudeBounds {
  int min = 0;
  int max = 0;
  std::string message;  // shown when a value is outside the bounds

  // Both bounds are inclusive.
  bool Admits(double value) const { return value >= min && value <= max; }
};

AltitudeBounds AltitudeFieldBounds(AltitudeField field, const UnitFlags& flags);

}  // namespace aloftra
