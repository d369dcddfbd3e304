#include "flights/AirtimeText.h"

#include <cmath>
#include <cstdint>

#include "core/Numbers.h"

namespace aloftra {

std::optional<int> ParseTypedAirtime(std::string_view text) {
  std::size_t colon = text.find(':');
  double total = 0;
  if (colon == std::string_view::npos) {
    total = ParseLeadingNumber(text);
  } else {
    total =
        ParseLeadingNumber(text.substr(0, colon)) * 60 + ParseLeadingNumber(text.substr(colon + 1));
  }
  std::optional<std::int16_t> minutes = ToInt16(std::fabs(total));
  if (!minutes) return std::nullopt;
  return *minutes;
}

std::string FormatAirtimeField(int minutes) {
  int hours = minutes / 60;
  int rest = minutes % 60;
  return std::to_string(hours) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

std::optional<std::int16_t> StoredAirtime(std::string_view text) {
  std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  double hours = RoundHalfEven(ParseLeadingNumber(text.substr(0, colon)) * 60);
  double minutes = RoundHalfEven(ParseLeadingNumber(text.substr(colon + 1)));
  return ToInt16(hours + minutes);
}

}  // namespace aloftra
