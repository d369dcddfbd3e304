// The stored text of a flight's coordinates: six items, each followed by a comma, in the
// order launch latitude, launch longitude, second point latitude and longitude, third point
// latitude and longitude. An item is degrees, minutes, seconds and hemisphere letter joined
// by colons, each part as the pilot typed it ("45:30:0:N"). An empty text means no
// coordinates.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace aloftra {

inline constexpr int kGpsItems = 6;

// One coordinate as its boxes show it. Even items are latitudes ("N" or "S"), odd items
// longitudes ("W" or "E").
struct CoordinateBoxes {
  std::string degrees;
  std::string minutes;
  std::string seconds;
  char hemisphere = 'N';
  bool operator==(const CoordinateBoxes&) const = default;
};

// One item read back from a stored text. Only the parts whose colon is present are read:
// the degrees need the first colon, the minutes the second, the seconds the third, and the
// hemisphere is the first character after the third colon when it is a letter of the item's
// kind. A part that is absent (an older or damaged text) leaves its box as it was.
struct StoredCoordinate {
  std::optional<std::string> degrees;
  std::optional<std::string> minutes;
  std::optional<std::string> seconds;
  std::optional<char> hemisphere;
  bool operator==(const StoredCoordinate&) const = default;
};

// Splits a stored text into its six items. Missing items come back with no parts; items
// past the sixth are ignored.
std::array<StoredCoordinate, kGpsItems> SplitGpsCoords(std::string_view text);

// The stored text of six coordinates; empty when every degrees, minutes and seconds box is
// empty. The separators themselves cannot be kept inside a part (a typed comma or colon would
// shift every item after it when the text is read back), so they are left out.
std::string BuildGpsCoords(const std::array<CoordinateBoxes, kGpsItems>& items);

}  // namespace aloftra
