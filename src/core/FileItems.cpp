#include "core/FileItems.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "core/Ascii.h"
#include "core/DateTime.h"
#include "core/Numbers.h"
#include "core/TextEncoding.h"

namespace aloftra {

namespace {

// What ends an unquoted item: the comma before the next item or the end of the line.
bool IsItemEnd(char c) {
  return c == ',' || IsLineBreak(c);
}

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
  while (pos < text.size() && IsDigit(text[pos]))
    ++pos;
  return pos;
}

// Whether text is a decimal number in the forms the file uses: an optional sign, digits
// with an optional fraction (either side of the point may be empty, not both), and an
// optional exponent. Rules out what strtod-like parsers also take: "inf", "nan", hex.
bool IsDecimalForm(std::string_view text) {
  std::size_t pos = 0;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) ++pos;
  std::size_t whole = SkipDigits(text, pos);
  bool digits = whole > pos;
  pos = whole;
  if (pos < text.size() && text[pos] == '.') {
    std::size_t fraction = SkipDigits(text, pos + 1);
    digits = digits || fraction > pos + 1;
    pos = fraction;
  }
  if (!digits) return false;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) ++pos;
    std::size_t exponent = SkipDigits(text, pos);
    if (exponent == pos) return false;
    pos = exponent;
  }
  return pos == text.size();
}

std::string Quoted(std::string_view text) {
  constexpr std::size_t kShown = 20;
  std::string shown(text.substr(0, kShown));
  if (text.size() > kShown) shown += "...";
  return "\"" + shown + "\"";
}

}  // namespace

// --- Splitting records ---------------------------------------------------------------

RecordStatus RecordTokenizer::Next(std::vector<FileItem>& items) {
  items.clear();
  problem_.clear();
  if (pos_ >= text_.size()) return RecordStatus::endOfFile;
  recordStart_ = pos_;
  const std::size_t start = pos_;
  for (;;) {
    if (items.size() >= kMaxItemsPerRecord) return Malformed("more items than any record has");
    SkipBlanks();
    FileItem item;
    if (pos_ < text_.size() && text_[pos_] == '"') {
      if (!ReadQuoted(item)) return RecordStatus::malformed;
    } else {
      ReadUnquoted(item);
    }
    items.push_back(item);
    if (pos_ - start >= kMaxRecordLength) return Malformed("the record is too long");
    if (pos_ >= text_.size()) return RecordStatus::ok;
    if (text_[pos_] == ',') {
      ++pos_;
      continue;
    }
    SkipLineEnd();
    return RecordStatus::ok;
  }
}

bool RecordTokenizer::AtLineEnd() const {
  return pos_ < text_.size() && IsLineBreak(text_[pos_]);
}

void RecordTokenizer::SkipLineEnd() {
  if (text_[pos_] == '\r') ++pos_;
  if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
}

int RecordTokenizer::RecordLine() const {
  int line = 1;
  for (std::size_t i = 0; i < recordStart_; ++i) {
    // CR LF, a lone LF and a lone CR each end a line.
    if (text_[i] == '\n' || (text_[i] == '\r' && text_[i + 1] != '\n')) ++line;
  }
  return line;
}

void RecordTokenizer::SkipBlanks() {
  while (pos_ < text_.size() && IsBlank(text_[pos_]))
    ++pos_;
}

bool RecordTokenizer::ReadQuoted(FileItem& item) {
  const std::size_t open = pos_;
  const std::size_t close = text_.find('"', open + 1);
  if (close == std::string_view::npos) {
    Malformed("a text item has no closing quote");
    return false;
  }
  item.text = text_.substr(open + 1, close - open - 1);
  item.quoted = true;
  pos_ = close + 1;
  SkipBlanks();
  if (pos_ < text_.size() && text_[pos_] != ',' && !AtLineEnd()) {
    Malformed("text follows the closing quote of a text item");
    return false;
  }
  return true;
}

void RecordTokenizer::ReadUnquoted(FileItem& item) {
  const char* const data = text_.data();
  const std::size_t size = text_.size();
  const std::size_t begin = pos_;
  std::size_t end = pos_;
  while (end < size && !IsItemEnd(data[end]))
    ++end;
  pos_ = end;
  while (end > begin && IsBlank(data[end - 1]))
    --end;
  item.text = std::string_view(data + begin, end - begin);
  item.quoted = false;
}

RecordStatus RecordTokenizer::Malformed(std::string problem) {
  problem_ = std::move(problem);
  return RecordStatus::malformed;
}

// --- Reading item values -------------------------------------------------------------

bool ParseWholeItem(std::string_view text, long long low, long long high, long long& value) {
  text = TrimBlanks(text);
  if (text.empty()) {
    value = 0;
    return low <= 0 && 0 <= high;
  }
  bool negative = false;
  if (text.front() == '-' || text.front() == '+') {
    negative = text.front() == '-';
    text.remove_prefix(1);
    if (text.empty()) return false;
  }
  while (text.size() > 1 && text.front() == '0')
    text.remove_prefix(1);
  // Eighteen digits always fit a long long; more never fit a field of the file.
  constexpr std::size_t kMaxDigits = 18;
  if (text.size() > kMaxDigits) return false;
  long long magnitude = 0;
  for (char c : text) {
    if (!IsDigit(c)) return false;
    magnitude = magnitude * 10 + (c - '0');
  }
  const long long parsed = negative ? -magnitude : magnitude;
  if (parsed < low || parsed > high) return false;
  value = parsed;
  return true;
}

bool ParseSingleItem(std::string_view text, float& value) {
  text = TrimBlanks(text);
  if (text.empty()) {
    value = 0;
    return true;
  }
  if (!IsDecimalForm(text)) return false;
  if (text.front() == '+') text.remove_prefix(1);
  double parsed = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (error != std::errc() || end != text.data() + text.size()) return false;
  std::optional<float> single = ToSingle(parsed);
  if (!single) return false;
  value = *single;
  return true;
}

const FileItem* ItemReader::Take() {
  if (failed_) return nullptr;
  if (next_ >= items_.size()) {
    failed_ = true;
    problem_ = "too few items";
    return nullptr;
  }
  return &items_[next_++];
}

void ItemReader::Fail(const FileItem& item, const char* expected) {
  failed_ = true;
  problem_ = "item " + std::to_string(next_) + " (" + Quoted(item.text) + ") is not " + expected;
}

bool ItemReader::WholeNumber(long long low, long long high, long long& value) {
  const FileItem* item = Take();
  if (item == nullptr) return false;
  if (ParseWholeItem(item->text, low, high, value)) return true;
  const std::string expected =
      "a whole number from " + std::to_string(low) + " to " + std::to_string(high);
  Fail(*item, expected.c_str());
  return false;
}

void ItemReader::Text(std::string& out) {
  const FileItem* item = Take();
  if (item == nullptr) return;
  if (windows1252_) {
    out = Windows1252ToUtf8(item->text);
  } else {
    out.assign(item->text);
  }
}

void ItemReader::Int16(std::int16_t& out) {
  long long value = 0;
  using Limits = std::numeric_limits<std::int16_t>;
  if (WholeNumber(Limits::min(), Limits::max(), value)) out = static_cast<std::int16_t>(value);
}

void ItemReader::Int32(std::int32_t& out) {
  long long value = 0;
  using Limits = std::numeric_limits<std::int32_t>;
  if (WholeNumber(Limits::min(), Limits::max(), value)) out = static_cast<std::int32_t>(value);
}

void ItemReader::Byte(std::uint8_t& out) {
  long long value = 0;
  if (WholeNumber(0, 255, value)) out = static_cast<std::uint8_t>(value);
}

void ItemReader::Single(float& out) {
  const FileItem* item = Take();
  if (item != nullptr && !ParseSingleItem(item->text, out)) Fail(*item, "a real number");
}

void ItemReader::Date(DateTime& out) {
  const FileItem* item = Take();
  if (item == nullptr) return;
  std::string_view text = TrimBlanks(item->text);
  if (text.empty()) {
    out = 0;
    return;
  }
  std::optional<DateTime> date = ParseFileDate(text);
  if (date) {
    out = *date;
  } else {
    Fail(*item, "a date");
  }
}

void ItemReader::WindMask(WindFlags& flags) {
  std::int32_t mask = 0;
  Int32(mask);
  const auto bits = static_cast<std::uint32_t>(mask);
  for (int i = 0; i < kWindPoints; ++i)
    flags[i] = (bits >> i) & 1u ? 1 : 0;
}

bool IsAsciiText(std::string_view text) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
  std::size_t pos = 0;
  for (; pos + 8 <= text.size(); pos += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + pos, 8);
    if ((word & kHighBits) != 0) return false;
  }
  for (; pos < text.size(); ++pos) {
    if (static_cast<unsigned char>(text[pos]) >= 0x80) return false;
  }
  return true;
}

// --- Writing items -------------------------------------------------------------------

std::string ReplaceQuotes(std::string_view text) {
  std::string out(text);
  std::replace(out.begin(), out.end(), '"', '\'');
  return out;
}

RecordWriter::RecordWriter(std::size_t expectedLength) {
  buffer_.resize(expectedLength);
}

char* RecordWriter::Room(std::size_t count) {
  if (buffer_.size() - size_ < count) buffer_.resize(std::max(buffer_.size() * 2, size_ + count));
  return buffer_.data() + size_;
}

void RecordWriter::Put(std::string_view text) {
  std::memcpy(Room(text.size()), text.data(), text.size());
  size_ += text.size();
}

void RecordWriter::Separate() {
  if (!firstItem_) *Room(1) = ',', ++size_;
  firstItem_ = false;
}

void RecordWriter::Text(std::string_view text) {
  Separate();
  char* out = Room(text.size() + 2);
  *out++ = '"';
  for (char c : text)
    *out++ = c == '"' ? '\'' : c;
  *out = '"';
  size_ += text.size() + 2;
}

void RecordWriter::Integer(long long value) {
  Separate();
  PutInteger(value);
}

void RecordWriter::PutInteger(long long value) {
  constexpr std::size_t kDigits = 20;
  char* out = Room(kDigits);
  size_ = static_cast<std::size_t>(std::to_chars(out, out + kDigits, value).ptr - buffer_.data());
}

void RecordWriter::Single(float value) {
  Separate();
  // Whole values below ten million need no exponent and no point: their digits are the
  // item. Everything else goes through the general formatter.
  if (value == std::trunc(value) && std::fabs(value) < 1e7f) {
    PutInteger(static_cast<long long>(value));
    return;
  }
  Put(FormatSingleItem(value));
}

void RecordWriter::Date(DateTime value) {
  Separate();
  Put(FormatFileDate(value));
}

void RecordWriter::WindMask(const WindFlags& flags) {
  long long mask = 0;
  for (int i = 0; i < kWindPoints; ++i) {
    if (flags[i] == kFlagSet) mask |= 1LL << i;
  }
  Integer(mask);
}

void RecordWriter::EndRecord() {
  longest_ = std::max(longest_, size_ - recordStart_);
  Put("\r\n");
  recordStart_ = size_;
  firstItem_ = true;
}

std::string RecordWriter::Finish() {
  buffer_.resize(size_);
  size_ = 0;
  recordStart_ = 0;
  firstItem_ = true;
  return std::move(buffer_);
}

}  // namespace aloftra
