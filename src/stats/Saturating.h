// Storing counts and sums that may not fit their fields. The statistics are 16-bit counts and
// 32-bit minute sums; a large previous-flights figure or a damaged file may push them past
// that, so they are counted in 64 bits and stored stopped at the limit of their field, never
// wrapped.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace aloftra {

template <class Int>
Int Saturate(std::int64_t value) {
  constexpr std::int64_t kLow = std::numeric_limits<Int>::min();
  constexpr std::int64_t kHigh = std::numeric_limits<Int>::max();
  return static_cast<Int>(std::clamp(value, kLow, kHigh));
}

// A whole-number value (already rounded) brought into the range of an integer type; NaN
// gives the fallback.
template <class Int>
Int ClampToRange(double value, Int fallback) {
  if (std::isnan(value)) return fallback;
  constexpr double kLow = static_cast<double>(std::numeric_limits<Int>::min());
  constexpr double kHigh = static_cast<double>(std::numeric_limits<Int>::max());
  return static_cast<Int>(std::clamp(value, kLow, kHigh));
}

}  // namespace aloftra
