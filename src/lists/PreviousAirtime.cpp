#include "lists/PreviousAirtime.h"

#include <cmath>

#include "core/Numbers.h"

namespace aloftra {

std::optional<std::int32_t> ParsePreviousAirtime(std::string_view text) {
  std::size_t colon = text.find(':');
  double total = 0;
  if (colon == std::string_view::npos) {
    total = ParseLeadingNumber(text);
  } else {
    total =
        ParseLeadingNumber(text.substr(0, colon)) * 60 + ParseLeadingNumber(text.substr(colon + 1));
  }
  return ToInt32(std::fabs(total));
}

std::string FormatHoursAndMinutes(std::int32_t minutes) {
  const std::int64_t magnitude = minutes < 0 ? -static_cast<std::int64_t>(minutes) : minutes;
  const std::int64_t rest = magnitude % 60;
  std::string text = minutes < 0 ? "-" : "";
  text += std::to_string(magnitude / 60);
  text += rest < 10 ? ":0" : ":";
  text += std::to_string(rest);
  return text;
}

}  // namespace aloftra
