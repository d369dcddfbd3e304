#include "core/Numbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "core/Ascii.h"

namespace aloftra {

namespace {

// The extent of the leading number of a text, as found by a scan that never reads past it.
struct NumberSpan {
  bool negative = false;
  std::string_view mantissa;  // digits with an optional point, at least one digit
  std::string_view exponent;  // optional sign and digits, empty when there is none
  std::size_t end = 0;        // index just after the number
};

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
  while (pos < text.size() && IsDigit(text[pos]))
    ++pos;
  return pos;
}

std::optional<NumberSpan> ScanNumber(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && IsBlankOrLineBreak(text[pos]))
    ++pos;
  NumberSpan span;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    span.negative = text[pos] == '-';
    ++pos;
  }
  const std::size_t start = pos;
  pos = SkipDigits(text, pos);
  bool anyDigit = pos > start;
  if (pos < text.size() && text[pos] == '.') {
    const std::size_t fraction = pos + 1;
    pos = SkipDigits(text, fraction);
    anyDigit = anyDigit || pos > fraction;
  }
  if (!anyDigit) return std::nullopt;
  span.mantissa = text.substr(start, pos - start);
  span.end = pos;

  // An exponent counts only when at least one digit follows the E and its sign.
  if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
    std::size_t digits = pos + 1;
    if (digits < text.size() && (text[digits] == '+' || text[digits] == '-')) ++digits;
    const std::size_t end = SkipDigits(text, digits);
    if (end > digits) {
      span.exponent = text.substr(pos + 1, end - pos - 1);
      span.end = end;
    }
  }
  return span;
}

// Whether a number whose conversion fell out of range was too large (rather than too
// small): the position of its first significant digit plus its exponent decides.
bool MagnitudeTooLarge(const NumberSpan& span) {
  long long firstDigitPower = 0;
  const std::size_t point = span.mantissa.find('.');
  const std::string_view whole = span.mantissa.substr(0, point);
  const std::size_t firstNonZero = whole.find_first_not_of('0');
  if (firstNonZero != std::string_view::npos) {
    firstDigitPower = static_cast<long long>(whole.size() - firstNonZero);
  } else if (point != std::string_view::npos) {
    const std::string_view fraction = span.mantissa.substr(point + 1);
    const std::size_t nonZero = fraction.find_first_not_of('0');
    if (nonZero == std::string_view::npos) return false;  // the value is zero
    firstDigitPower = -static_cast<long long>(nonZero);
  }
  bool negativeExponent = false;
  std::string_view digits = span.exponent;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
    negativeExponent = digits.front() == '-';
    digits.remove_prefix(1);
  }
  const std::size_t significant = digits.find_first_not_of('0');
  if (significant == std::string_view::npos) return firstDigitPower > 0;
  digits.remove_prefix(significant);
  if (digits.size() > 12) return !negativeExponent;  // far beyond any double either way
  long long exponent = 0;
  for (char c : digits)
    exponent = exponent * 10 + (c - '0');
  return firstDigitPower + (negativeExponent ? -exponent : exponent) > 0;
}

double ValueOfSpan(const NumberSpan& span) {
  std::string canonical(span.mantissa);
  if (!span.exponent.empty()) {
    canonical += 'e';
    canonical += span.exponent;
  }
  double value = 0;
  const auto [end, error] =
      std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
  if (error == std::errc::result_out_of_range) {
    value = MagnitudeTooLarge(span) ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (error != std::errc{} || end != canonical.data() + canonical.size()) {
    return 0;
  }
  if (value == 0) return 0;  // never a negative zero
  return span.negative ? -value : value;
}

}  // namespace

double ParseLeadingNumber(std::string_view text) {
  const std::optional<NumberSpan> span = ScanNumber(text);
  return span ? ValueOfSpan(*span) : 0;
}

std::optional<double> ParseExactNumber(std::string_view text) {
  if (text.empty() || IsBlankOrLineBreak(text.front())) return std::nullopt;
  const std::optional<NumberSpan> span = ScanNumber(text);
  if (!span || span->end != text.size()) return std::nullopt;
  return ValueOfSpan(*span);
}

double RoundHalfEven(double value) {
  if (!std::isfinite(value)) return value;
  const double lower = std::floor(value);
  const double rest = value - lower;
  if (rest < 0.5) return lower;
  if (rest > 0.5) return lower + 1;
  return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

double RoundHalfAwayFromZero(double value) {
  return std::round(value);
}

namespace {

template <typename Int>
std::optional<Int> ToChecked(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = RoundHalfEven(value);
  if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
    return std::nullopt;
  }
  return static_cast<Int>(rounded);
}

}  // namespace

std::optional<std::int16_t> ToInt16(double value) {
  return ToChecked<std::int16_t>(value);
}
std::optional<std::int32_t> ToInt32(double value) {
  return ToChecked<std::int32_t>(value);
}
std::optional<std::uint8_t> ToByte(double value) {
  return ToChecked<std::uint8_t>(value);
}

std::optional<float> ToSingle(double value) {
  if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
    return std::nullopt;
  }
  return static_cast<float>(value);
}

namespace {

// A finite value as 15 significant decimal digits and the power of ten of the first one.
struct DecimalDigits {
  std::string digits;
  int firstPower = 0;
};

DecimalDigits SignificantDigits(double magnitude) {
  std::array<char, 40> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::scientific, 14);
  const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
  DecimalDigits out;
  const std::size_t e = text.find('e');
  for (char c : text.substr(0, e)) {
    if (IsDigit(c)) out.digits += c;
  }
  const std::string_view exponent = text.substr(e + 1);
  std::from_chars(exponent.data() + (exponent.front() == '+' ? 1 : 0),
                  exponent.data() + exponent.size(), out.firstPower);
  return out;
}

// Keeps the digits down to the power -decimals, rounding the rest half away from zero.
void RoundDigits(DecimalDigits& number, int decimals) {
  const long long keep = static_cast<long long>(number.firstPower) + decimals + 1;
  if (keep >= static_cast<long long>(number.digits.size())) return;
  if (keep < 0) {
    number.digits.clear();
    return;
  }
  const std::size_t kept = static_cast<std::size_t>(keep);
  const bool up = number.digits[kept] >= '5';
  number.digits.resize(kept);
  if (!up) return;
  std::size_t i = kept;
  while (i > 0 && number.digits[i - 1] == '9') {
    number.digits[i - 1] = '0';
    --i;
  }
  if (i > 0) {
    ++number.digits[i - 1];
  } else {
    number.digits.insert(number.digits.begin(), '1');
    ++number.firstPower;
  }
}

char DigitAt(const DecimalDigits& number, int power) {
  const long long index = static_cast<long long>(number.firstPower) - power;
  if (index < 0 || index >= static_cast<long long>(number.digits.size())) return '0';
  return number.digits[static_cast<std::size_t>(index)];
}

}  // namespace

std::string FormatFixed(double value, int decimals) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
  decimals = decimals < 0 ? 0 : (decimals > 30 ? 30 : decimals);
  DecimalDigits number = SignificantDigits(std::fabs(value));
  RoundDigits(number, decimals);

  std::string text;
  for (int power = number.firstPower > 0 ? number.firstPower : 0; power >= 0; --power) {
    text += DigitAt(number, power);
  }
  if (decimals > 0) text += '.';
  for (int power = -1; power >= -decimals; --power)
    text += DigitAt(number, power);

  const bool zero = number.digits.find_first_not_of('0') == std::string::npos;
  if (value < 0 && !zero) text.insert(text.begin(), '-');
  return text;
}

std::string FormatSingleItem(float value) {
  // The file has no form for infinities or NaN and reads an unknown item as 0.
  if (value == 0 || !std::isfinite(value)) return "0";
  std::array<char, 40> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, 7);
  std::string text(buffer.data(), result.ptr);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  const std::size_t leadingZero = text[0] == '-' ? 1 : 0;
  if (text.compare(leadingZero, 2, "0.") == 0) text.erase(leadingZero, 1);
  return text;
}

std::string FormatInteger(long long value) {
  return std::to_string(value);
}

}  // namespace aloftra
