// Airtime as the pilot types it: a number of minutes ("90") or hours and minutes ("1:30").
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace aloftra {

// The total minutes of a typed airtime, made positive and rounded to whole minutes (halves
// to even): "90" is 90, "1:75" is 135, "2:" is 120, "-45" is 45, "" is 0. nullopt when the
// total does not fit a 16-bit field.
std::optional<int> ParseTypedAirtime(std::string_view text);

// Hours, ":" and two-digit minutes: 135 is "2:15", 5 is "0:05".
std::string FormatAirtimeField(int minutes);

// The minutes stored for an airtime box that shows "h:mm": the number before the first colon
// times 60, rounded, plus the number after it, rounded. nullopt without a colon or when the
// result does not fit a 16-bit field.
std::optional<std::int16_t> StoredAirtime(std::string_view text);

}  // namespace aloftra
