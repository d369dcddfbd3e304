#include "exchange/IgcRecords.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "core/Numbers.h"
#include "core/TextEncoding.h"

namespace aloftra {

namespace {

// The fixed part of a B record: B HHMMSS DDMMmmmN DDDMMmmmE V PPPPP GGGGG.
constexpr std::size_t kBRecordLength = 35;
constexpr int kNoAltitude = 99999;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The unsigned number of the digits at line[from, from + count), or -1 when one is not a digit.
int Digits(std::string_view line, std::size_t from, std::size_t count) {
  int value = 0;
  for (std::size_t i = from; i < from + count; ++i) {
    if (!IsDigit(line[i])) return -1;
    value = value * 10 + (line[i] - '0');
  }
  return value;
}

// An altitude column: five digits, or a minus sign and four digits.
std::optional<int> Altitude(std::string_view line, std::size_t from) {
  if (line[from] == '-') {
    int value = Digits(line, from + 1, 4);
    if (value < 0) return std::nullopt;
    return -value;
  }
  int value = Digits(line, from, 5);
  if (value < 0 || value == kNoAltitude) return std::nullopt;
  return value;
}

// DDMMmmm or DDDMMmmm followed by the hemisphere letter, in signed degrees.
std::optional<double> Angle(std::string_view line, std::size_t from, std::size_t degreeDigits,
                            int maxDegrees, char positive, char negative) {
  int degrees = Digits(line, from, degreeDigits);
  int thousandthsOfMinutes = Digits(line, from + degreeDigits, 5);
  char hemisphere = line[from + degreeDigits + 5];
  if (degrees < 0 || thousandthsOfMinutes < 0 || thousandthsOfMinutes >= 60000) return {};
  if (hemisphere != positive && hemisphere != negative) return {};
  double angle = degrees + thousandthsOfMinutes / 60000.0;
  if (angle > maxDegrees) return {};
  return hemisphere == negative ? -angle : angle;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
    text.remove_prefix(1);
  }
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
    text.remove_suffix(1);
  }
  return text;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
  }
  return true;
}

// The value of an H record: what follows the first colon, or everything after the
// five-letter code when there is no colon (the old short forms).
std::string_view HeaderValue(std::string_view line) {
  std::size_t colon = line.find(':');
  return Trim(colon == std::string_view::npos ? line.substr(5) : line.substr(colon + 1));
}

bool ReadDate(std::string_view line, IgcHeader& header) {
  std::string_view rest = Trim(line.substr(5));
  if (StartsWithNoCase(rest, "DATE")) rest = Trim(rest.substr(4));
  if (!rest.empty() && rest.front() == ':') rest.remove_prefix(1);
  std::string digits;
  for (char c : rest) {
    if (c == ',') break;  // the flight number of the day follows the date
    if (IsDigit(c)) {
      digits += c;
    } else if (c != ' ' && c != '\t') {
      return false;
    }
  }
  if (digits.size() != 6) return false;
  int day = Digits(digits, 0, 2);
  int month = Digits(digits, 2, 2);
  int year = Digits(digits, 4, 2);
  if (day < 1 || day > 31 || month < 1 || month > 12) return false;
  // Flight recorders began in the 1990s; two-digit years before 80 are this century's.
  header.date = IgcDate{year < 80 ? 2000 + year : 1900 + year, month, day};
  return true;
}

bool ReadTimeZone(std::string_view line, IgcHeader& header) {
  std::string text(HeaderValue(line));
  if (StartsWithNoCase(text, "TIMEZONE"))
    text = std::string(Trim(std::string_view(text).substr(8)));
  if (!text.empty() && text.front() == ':') text.erase(0, 1);
  text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
  // Read as the program reads any number item, never by the machine's locale; "nan" and
  // "inf" are no offsets.
  const std::optional<double> hours = ParseExactNumber(text);
  if (!hours || !(*hours >= -14 && *hours <= 14)) return false;
  header.utcOffsetHours = *hours;
  return true;
}

}  // namespace

std::optional<IgcBRecord> ParseIgcBRecord(std::string_view line,
                                          const std::vector<IgcExtension>& extensions) {
  if (line.size() < kBRecordLength || line[0] != 'B') return std::nullopt;
  for (const IgcExtension& extension : extensions) {
    if (line.size() < static_cast<std::size_t>(extension.lastColumn)) return std::nullopt;
  }
  int hours = Digits(line, 1, 2);
  int minutes = Digits(line, 3, 2);
  int seconds = Digits(line, 5, 2);
  if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59) {
    return std::nullopt;
  }
  std::optional<double> latitude = Angle(line, 7, 2, 90, 'N', 'S');
  std::optional<double> longitude = Angle(line, 15, 3, 180, 'E', 'W');
  char validity = line[24];
  std::optional<int> pressure = Altitude(line, 25);
  std::optional<int> gnss = Altitude(line, 30);
  if (!latitude || !longitude || (validity != 'A' && validity != 'V') || !pressure || !gnss) {
    return std::nullopt;
  }
  return IgcBRecord{hours * 3600 + minutes * 60 + seconds,
                    *latitude,
                    *longitude,
                    validity == 'A',
                    *pressure,
                    *gnss};
}

std::optional<std::vector<IgcExtension>> ParseIgcIRecord(std::string_view line) {
  if (line.size() < 3 || line[0] != 'I') return std::nullopt;
  int count = Digits(line, 1, 2);
  if (count < 0 || line.size() < 3 + 7 * static_cast<std::size_t>(count)) return std::nullopt;
  std::vector<IgcExtension> extensions;
  int previousLast = static_cast<int>(kBRecordLength);
  for (int i = 0; i < count; ++i) {
    std::size_t at = 3 + 7 * static_cast<std::size_t>(i);
    int first = Digits(line, at, 2);
    int last = Digits(line, at + 2, 2);
    if (first <= previousLast || last < first) return std::nullopt;
    extensions.push_back({std::string(line.substr(at + 4, 3)), first, last});
    previousLast = last;
  }
  return extensions;
}

bool ApplyIgcHeaderLine(std::string_view line, IgcHeader& header) {
  if (line.size() < 5 || line[0] != 'H') return true;
  // The second letter tells who wrote the record (F the recorder, O the pilot, P the
  // software); the three after it name the record.
  std::string code(line.substr(2, 3));
  for (char& c : code)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (code == "DTE") return ReadDate(line, header);
  if (code == "TZN") return ReadTimeZone(line, header);
  // Names are UTF-8 in memory, whatever the recorder wrote them in.
  if (code == "PLT") header.pilot = DecodeFileText(HeaderValue(line));
  if (code == "GTY") header.gliderType = DecodeFileText(HeaderValue(line));
  if (code == "GID") header.gliderId = DecodeFileText(HeaderValue(line));
  return true;
}

}  // namespace aloftra
