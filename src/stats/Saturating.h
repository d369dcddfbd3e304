// Counts and sums that stop at the limit of their field instead of wrapping. The statistics
// are 16-bit counts and 32-bit minute sums; a large previous-flights figure or a damaged file
// may push them past that, and the recomputation must still finish with sensible values.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace aloftra {

// One more, stopping at 32767.
inline void AddOneSaturating(std::int16_t& count) {
  if (count < std::numeric_limits<std::int16_t>::max())
    count = static_cast<std::int16_t>(count + 1);
}

// Adds minutes to a 32-bit sum, stopping at either end of the 32-bit range.
inline void AddSaturating(std::int32_t& sum, std::int64_t amount) {
  constexpr std::int64_t kLow = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kHigh = std::numeric_limits<std::int32_t>::max();
  sum = static_cast<std::int32_t>(std::clamp(sum + amount, kLow, kHigh));
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
