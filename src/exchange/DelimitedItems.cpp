#include "exchange/DelimitedItems.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "core/Numbers.h"

namespace aloftra {

DelimitedWriter::DelimitedWriter(std::size_t expectedLength) {
  text_.reserve(expectedLength);
}

void DelimitedWriter::Separate() {
  if (!firstItem_) text_ += ',';
  firstItem_ = false;
}

void DelimitedWriter::Text(std::string_view text) {
  Separate();
  text_ += '"';
  for (std::size_t start = 0;;) {
    const std::size_t quote = text.find('"', start);
    if (quote == std::string_view::npos) {
      text_.append(text.substr(start));
      break;
    }
    text_.append(text.substr(start, quote + 1 - start));
    text_ += '"';
    start = quote + 1;
  }
  text_ += '"';
}

void DelimitedWriter::Integer(long long value) {
  Separate();
  PutInteger(value);
}

void DelimitedWriter::PutInteger(long long value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  text_.append(digits, end);
}

void DelimitedWriter::Number(double value) {
  Separate();
  if (std::isnan(value)) value = 0;  // no reader takes "nan" for a number
  // Whole values that fit a long long need no point and no exponent.
  constexpr double kLargestExactWhole = 1e15;
  if (value == std::trunc(value) && std::fabs(value) < kLargestExactWhole) {
    PutInteger(static_cast<long long>(value));
    return;
  }
  if (std::fabs(value) <= std::numeric_limits<float>::max()) {
    text_ += FormatSingleItem(static_cast<float>(value));
    return;
  }
  // Beyond a float's range the exponent form of a double is still a number to a reader.
  char digits[32];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  text_.append(digits, end);
}

void DelimitedWriter::EndLine() {
  text_ += "\r\n";
  firstItem_ = true;
}

std::string DelimitedWriter::Finish() {
  std::string done = std::move(text_);
  text_.clear();
  firstItem_ = true;
  return done;
}

}  // namespace aloftra
