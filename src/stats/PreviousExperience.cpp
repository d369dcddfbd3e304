#include "stats/PreviousExperience.h"

#include <cmath>

#include "core/Numbers.h"

namespace aloftra {

std::optional<std::int16_t> ReadPreviousCount(std::string_view text) {
  return ToInt16(std::fabs(ParseLeadingNumber(text)));
}

std::optional<std::int32_t> ReadPreviousAirtime(std::string_view text) {
  double minutes = 0;
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) {
    minutes = ParseLeadingNumber(text);
  } else {
    minutes =
        ParseLeadingNumber(text.substr(0, colon)) * 60 + ParseLeadingNumber(text.substr(colon + 1));
  }
  minutes = RoundHalfEven(std::fabs(minutes));
  // Infinities and NaN (hours and minutes both overflowing, with opposite signs) fail here.
  if (!(minutes <= kMaxPreviousAirtime)) return std::nullopt;
  return ToInt32(minutes);
}

}  // namespace aloftra
