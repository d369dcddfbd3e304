// Numbers as the pilot types them and as the program shows and stores them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace aloftra {

// Lenient reading of a typed number: leading blanks skipped, the longest leading number
// taken with "." as the decimal point (an exponent such as 1E5 included), anything after it
// ignored; text without a leading number reads as 0. "12abc" is 12, "abc" is 0.
double ParseLeadingNumber(std::string_view text);
// Strict reading of a number item: the whole text must be one number of the form above
// (sign, digits, point, exponent), without blanks or anything else; nullopt otherwise.
// A number too large for a double reads as an infinity, which the checked conversions
// below refuse.
std::optional<double> ParseExactNumber(std::string_view text);

// Rounding to a whole number: halves to the even neighbour (2.5 -> 2, 3.5 -> 4), or halves
// away from zero (2.5 -> 3, -2.5 -> -3).
double RoundHalfEven(double value);
double RoundHalfAwayFromZero(double value);

// Whole-number conversions that round halves to even and refuse what does not fit, never
// wrapping: nullopt for NaN, infinities and values outside the type's range.
std::optional<std::int16_t> ToInt16(double value);
std::optional<std::int32_t> ToInt32(double value);
std::optional<std::uint8_t> ToByte(double value);
// A single-precision value; nullopt when the value is not finite or too large for a float.
std::optional<float> ToSingle(double value);

// The "0", "0.0", "0.00" patterns: a fixed number of decimals, halves rounded away from
// zero on the value's decimal digits (so 1.005 with two decimals is 1.01), "." as the
// decimal point, no thousands separator, never "-0".
std::string FormatFixed(double value, int decimals);

// The logbook file's real-number item: at most 7 significant digits, "." as decimal point,
// no trailing zeros, no zero before the point (.5, -.25), no point for a whole value (1230),
// and the exponent form for very large or small magnitudes (1E-05, 1.234568E+07).
std::string FormatSingleItem(float value);

// Plain decimal digits of an integer, with a leading "-" when negative.
std::string FormatInteger(long long value);

}  // namespace aloftra
