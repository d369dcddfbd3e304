#include "units/ConvertUnit.h"

#include "core/FileItems.h"

#include <algorithm>
#include <array>
#include <charconv>
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

namespace {

// The stored value as the logbook file writes it, read back: a float to seven significant
// digits. Nullopt for the values written with an exponent, which are left to the text.
std::optional<double> WrittenSingle(float single) {
  if (single == 0 || !std::isfinite(single)) return 0.0;
  constexpr float kLargestWholeWritten = 1e7f;
  if (single == std::trunc(single) && std::fabs(single) < kLargestWholeWritten) return single;
  std::array<char, 40> buffer{};
  const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), single,
                                     std::chars_format::general, 7);
  if (std::find(buffer.data(), written.ptr, 'e') != written.ptr) return std::nullopt;
  double value = 0;
  std::from_chars(buffer.data(), written.ptr, value);
  return value;
}

// The number the text of FormatFixed(value, decimals) reads as: the value rounded half away
// from zero at its last decimal. The text first keeps 15 significant digits, which decides a
// value within a hair of a half; those, and values too large for a whole double, are left to
// the text. n / 10^decimals is the double nearest the decimal text, as reading it gives.
std::optional<double> ReadFixed(double value, int decimals) {
  constexpr double kPowers[] = {1, 10, 100};
  constexpr double kLargestWhole = 1e15;
  constexpr double kNearHalf = 1e-9;
  if (decimals < 0 || decimals > 2 || !std::isfinite(value)) return std::nullopt;
  const double magnitude = std::fabs(value) * kPowers[decimals];
  if (magnitude >= kLargestWhole) return std::nullopt;
  const double lower = std::floor(magnitude);
  const double rest = magnitude - lower;
  if (std::fabs(rest - 0.5) < kNearHalf * std::max(1.0, magnitude)) return std::nullopt;
  const double whole = rest < 0.5 ? lower : lower + 1;
  if (whole == 0) return 0.0;  // the text of a value rounded to nothing has no sign
  const double read = whole / kPowers[decimals];
  return value < 0 ? -read : read;
}

}  // namespace

double DisplayStoredNumber(double stored, UnitKind kind, bool isSigned, const UnitFlags& flags) {
  const std::optional<double> written = WrittenSingle(static_cast<float>(stored));
  if (written) {
    const double value = isSigned ? *written : std::fabs(*written);
    const Scale& scale = kScales[ChosenUnit(kind, flags)].forDisplay;
    if (const std::optional<double> read = ReadFixed(value * scale.factor, scale.decimals))
      return *read;
  }
  return ParseLeadingNumber(DisplayStored(stored, kind, isSigned, flags));
}

}  // namespace aloftra
