#include "units/ConvertUnit.h"

#include "core/FileItems.h"

#include <array>
#include <cmath>

#include "core/Numbers.h"

namespace aloftra {

namespace {

struct Scale {
  double factor;
  int decimals;
};

struct UnitScales {
  Scale toStorage;
  Scale forDisplay;
};

// Indexed by unit button. The two directions deliberately use their own rounded factors
// (0.6214 one way, 1.6093 the other), as logbooks have always been converted.
constexpr int kMeasuredUnits = kUnitAmPm;  // the time-of-day buttons convert nothing
constexpr std::array<UnitScales, kMeasuredUnits> kScales = {{
    {{1, 0}, {1, 0}},                // mph
    {{0.6214, 1}, {1.6093, 0}},      // km/h
    {{1.15154, 1}, {0.8684, 0}},     // knots
    {{1, 1}, {1, 0}},                // feet
    {{3.281, 1}, {0.30479, 0}},      // m
    {{1, 0}, {1, 0}},                // fpm
    {{196.88915, 0}, {0.00508, 2}},  // m/s
    {{1, 2}, {1, 1}},                // miles
    {{0.6215, 2}, {1.609, 1}},       // km
    {{1, 1}, {1, 0}},                // lbs
    {{2.20463, 1}, {0.45359, 0}},    // kg
}};

// A value too large to convert (a typed 1E999) comes out of the formatting as a word, which
// the lenient reading would take for 0. It must be refused instead, like any other value
// that does not fit its field.
bool IsOverflow(std::string_view converted) {
  return converted == "Infinity" || converted == "-Infinity" || converted == "NaN";
}

}  // namespace

std::string ConvertUnit(std::string_view text, UnitKind kind, UnitDirection direction,
                        bool isSigned, const UnitFlags& flags) {
  double value = ParseLeadingNumber(text);
  if (!isSigned) value = std::fabs(value);
  const UnitScales& scales = kScales[ChosenUnit(kind, flags)];
  const Scale& scale =
      direction == UnitDirection::kToStorage ? scales.toStorage : scales.forDisplay;
  return FormatFixed(value * scale.factor, scale.decimals);
}

std::optional<std::int16_t> ToStoredInt16(std::string_view text) {
  if (IsOverflow(text)) return std::nullopt;
  return ToInt16(ParseLeadingNumber(text));
}

std::optional<float> ToStoredSingle(std::string_view text) {
  if (IsOverflow(text)) return std::nullopt;
  return ToSingle(ParseLeadingNumber(text));
}

std::string DisplayStored(double stored, UnitKind kind, bool isSigned, const UnitFlags& flags) {
  return ConvertUnit(FormatSingleItem(static_cast<float>(stored)), kind, UnitDirection::kForDisplay,
                     isSigned, flags);
}

}  // namespace aloftra
