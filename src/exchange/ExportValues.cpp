#include "exchange/ExportValues.h"

#include <cmath>

#include "core/DateTime.h"
#include "units/ConvertUnit.h"

namespace aloftra {

std::int32_t WindMask(const WindFlags& flags) {
  std::uint32_t mask = 0;
  for (int i = 0; i < kWindPoints; ++i) {
    if (flags[i] == kFlagSet) mask |= 1u << i;
  }
  return static_cast<std::int32_t>(mask);
}

std::string DifficultyText(const std::array<Flag, kDifficultyLevels>& levels) {
  static const char* const kNames[kDifficultyLevels] = {"Beginner", "Novice", "Intermediate",
                                                        "Advanced"};
  int lowest = -1;
  int highest = -1;
  for (int level = 0; level < kDifficultyLevels; ++level) {
    if (levels[level] == 0) continue;
    if (lowest < 0) lowest = level;
    highest = level;
  }
  if (lowest < 0) return "";
  std::string text = kNames[lowest];
  if (highest != lowest) text.append(" - ").append(kNames[highest]);
  return text;
}

int DifficultyMask(const std::array<Flag, kDifficultyLevels>& levels) {
  int mask = 0;
  for (int level = 0; level < kDifficultyLevels; ++level) {
    if (levels[level] != 0) mask |= 1 << level;
  }
  return mask;
}

namespace {

template <std::size_t N>
const char* FirstSetName(const std::array<Flag, N>& flags, const char* const (&names)[N]) {
  for (std::size_t i = 0; i < N; ++i) {
    if (flags[i] != 0) return names[i];
  }
  return "";
}

}  // namespace

const char* DhvText(const std::array<Flag, kDhvClasses>& classes) {
  static const char* const kNames[kDhvClasses] = {"1", "1-2", "2", "2-3", "3"};
  return FirstSetName(classes, kNames);
}

const char* AfnorText(const std::array<Flag, kAfnorClasses>& classes) {
  static const char* const kNames[kAfnorClasses] = {"Standard", "Performance", "Competition",
                                                    "Tandem"};
  return FirstSetName(classes, kNames);
}

const char* CrossCountryTypeText(int type) {
  switch (type) {
    case 0:
      return "Straight Line";
    case 1:
      return "Out-and-Return";
    case 2:
      return "Triangle";
    default:
      return "";
  }
}

std::string ManufactureDateText(std::string_view stored) {
  const std::optional<DateTime> date = ParseDateTime(stored);
  if (!date || (DayPart(*date) == 0 && TimePart(*date) != 0)) return std::string(stored);
  return FormatShortDate(*date);
}

namespace {

// The storage unit of each kind shows a value as it is stored.
bool IsStorageUnit(UnitButton unit) {
  return unit == kUnitMph || unit == kUnitFeet || unit == kUnitFpm || unit == kUnitMiles ||
         unit == kUnitPounds;
}

}  // namespace

double ExportedMeasure(double stored, UnitKind kind, bool isSigned, const UnitFlags& flags) {
  // A whole value in its storage unit comes out of the conversion unchanged; the shortcut
  // spares a large export the round trips through text.
  constexpr double kExactWholeFloats = 1e7;
  if (IsStorageUnit(ChosenUnit(kind, flags)) && stored == std::trunc(stored) &&
      std::fabs(stored) < kExactWholeFloats) {
    return isSigned ? stored : std::fabs(stored);
  }
  return DisplayStoredNumber(stored, kind, isSigned, flags);
}

}  // namespace aloftra
