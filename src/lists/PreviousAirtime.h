// The airtime a pilot flew on a glider before logging it here: typed as minutes ("90") or
// as hours and minutes ("1:30"), held as whole minutes, shown as hours and minutes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace aloftra {

// The minutes of a typed previous airtime: with a colon, the number before the first colon
// times 60 plus the number after it; without one, the whole text as minutes. The total is
// made positive and rounded to whole minutes (halves to even); "" is 0, "1:5" is 65, "-90"
// is 90. nullopt when the total does not fit the 32-bit field.
std::optional<std::int32_t> ParsePreviousAirtime(std::string_view text);

// Hours, ":" and two-digit minutes, 0 included: 0 is "0:00", 65 is "1:05".
std::string FormatHoursAndMinutes(std::int32_t minutes);

}  // namespace aloftra
