// Reading the previous-experience figures the pilot types on the summary page: the flying
// days, flights and airtime of logbooks kept before this one.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace aloftra {

// The most previous airtime the page takes: 40,000 hours.
inline constexpr std::int32_t kMaxPreviousAirtime = 2400000;

// A count of previous days or flights: the leading number of the text (empty or without a
// number reads 0), made positive and rounded to a whole number, halves to the even
// neighbour. nullopt when it does not fit a 16-bit count (above 32767).
std::optional<std::int16_t> ReadPreviousCount(std::string_view text);

// Previous airtime in minutes. With a colon, the number before the first colon counts as
// hours and the number after it as minutes ("2:05" is 125); without one, the whole text is
// minutes ("90" is 90). The result is made positive and rounded to a whole number, halves
// to the even neighbour; nullopt when it exceeds kMaxPreviousAirtime or is no number of
// minutes at all (an overflow).
std::optional<std::int32_t> ReadPreviousAirtime(std::string_view text);

}  // namespace aloftra
