#include "flights/GpsCoordsText.h"

#include <cstddef>

namespace aloftra {

namespace {

bool IsHemisphereOf(int item, char letter) {
  return item % 2 == 0 ? letter == 'N' || letter == 'S' : letter == 'W' || letter == 'E';
}

StoredCoordinate SplitItem(int item, std::string_view text) {
  StoredCoordinate coordinate;
  std::optional<std::string>* parts[] = {&coordinate.degrees, &coordinate.minutes,
                                         &coordinate.seconds};
  for (std::optional<std::string>* part : parts) {
    std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return coordinate;
    *part = std::string(text.substr(0, colon));
    text.remove_prefix(colon + 1);
  }
  if (!text.empty() && IsHemisphereOf(item, text.front())) coordinate.hemisphere = text.front();
  return coordinate;
}

void AppendWithoutSeparators(std::string& out, const std::string& part) {
  for (char c : part) {
    if (c != ',' && c != ':') out += c;
  }
}

}  // namespace

std::array<StoredCoordinate, kGpsItems> SplitGpsCoords(std::string_view text) {
  std::array<StoredCoordinate, kGpsItems> items{};
  for (int item = 0; item < kGpsItems && !text.empty(); ++item) {
    std::size_t comma = text.find(',');
    items[item] = SplitItem(item, text.substr(0, comma));
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return items;
}

std::string BuildGpsCoords(const std::array<CoordinateBoxes, kGpsItems>& items) {
  bool anyNumber = false;
  for (const CoordinateBoxes& item : items) {
    anyNumber =
        anyNumber || !item.degrees.empty() || !item.minutes.empty() || !item.seconds.empty();
  }
  if (!anyNumber) return "";
  std::string text;
  for (const CoordinateBoxes& item : items) {
    AppendWithoutSeparators(text, item.degrees);
    text += ':';
    AppendWithoutSeparators(text, item.minutes);
    text += ':';
    AppendWithoutSeparators(text, item.seconds);
    text += ':';
    text += item.hemisphere;
    text += ',';
  }
  return text;
}

}  // namespace aloftra
