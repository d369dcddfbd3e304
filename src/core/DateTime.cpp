#include "core/DateTime.h"

#include <array>
#include <cmath>

#include "core/Ascii.h"

namespace aloftra {

namespace {

constexpr int kSecondsPerDay = 86400;

constexpr std::array<const char*, 12> kMonthAbbreviations = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// Days from 1970-01-01 of a proleptic Gregorian date (valid for any year), and back.
constexpr long DaysFromCivil(long year, long month, long day) {
  year -= month <= 2 ? 1 : 0;
  const long era = (year >= 0 ? year : year - 399) / 400;
  const long yearOfEra = year - era * 400;
  const long dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(long days, CivilDateTime& out) {
  days += 719468;
  const long era = (days >= 0 ? days : days - 146096) / 146097;
  const long dayOfEra = days - era * 146097;
  const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long shiftedMonth = (5 * dayOfYear + 2) / 153;
  out.day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  out.month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  out.year = static_cast<int>(yearOfEra + era * 400 + (out.month <= 2 ? 1 : 0));
}

constexpr long kEpochFromUnix = DaysFromCivil(1899, 12, 30);

std::string TwoDigits(int value) {
  std::string text = std::to_string(value);
  return text.size() < 2 ? "0" + text : text;
}

std::string FourDigits(int value) {
  std::string text = std::to_string(value);
  while (text.size() < 4)
    text.insert(text.begin(), '0');
  return text;
}

std::string HourMinuteSecond24(const CivilDateTime& parts) {
  return TwoDigits(parts.hour) + ":" + TwoDigits(parts.minute) + ":" + TwoDigits(parts.second);
}

// "1:30" plus " AM" or " PM", with the seconds when asked: hour 0 is 12 AM, hour 12 is 12 PM.
std::string TwelveHourClock(const CivilDateTime& parts, bool withSeconds) {
  const int hour = parts.hour % 12 == 0 ? 12 : parts.hour % 12;
  std::string text = std::to_string(hour) + ":" + TwoDigits(parts.minute);
  if (withSeconds) text += ":" + TwoDigits(parts.second);
  return text + (parts.hour < 12 ? " AM" : " PM");
}

bool IsMidnight(const CivilDateTime& parts) {
  return parts.hour == 0 && parts.minute == 0 && parts.second == 0;
}

bool IsDayZero(const CivilDateTime& parts) {
  return parts.year == 1899 && parts.month == 12 && parts.day == 30;
}

}  // namespace

bool IsValidCivilDate(int year, int month, int day) {
  if (year < kMinYear || year > kMaxYear || month < 1 || month > 12) return false;
  return day >= 1 && day <= DaysInMonth(year, month);
}

long DaySerial(int year, int month, int day) {
  return DaysFromCivil(year, month, day) - kEpochFromUnix;
}

DateTime JoinDateAndTime(long day, double timeOfDay) {
  const auto whole = static_cast<double>(day);
  return day < 0 ? whole - timeOfDay : whole + timeOfDay;
}

DateTime MakeDateTime(int year, int month, int day, int hour, int minute, int second) {
  const double seconds = static_cast<double>(hour) * 3600 + minute * 60 + second;
  return JoinDateAndTime(DaySerial(year, month, day), seconds / kSecondsPerDay);
}

long DayPart(DateTime value) {
  if (std::isnan(value)) return 0;
  const double whole = std::trunc(value);
  if (whole < static_cast<double>(kMinSerial)) return kMinSerial;
  if (whole > static_cast<double>(kMaxSerial)) return kMaxSerial;
  return static_cast<long>(whole);
}

double TimePart(DateTime value) {
  if (!std::isfinite(value)) return 0;
  return std::fabs(value - std::trunc(value));
}

CivilDateTime SplitDateTime(DateTime value) {
  CivilDateTime parts;
  if (std::isnan(value)) return parts;
  long day = DayPart(value);
  long seconds = 0;
  if (value >= static_cast<double>(kMaxSerial + 1)) {
    seconds = kSecondsPerDay - 1;
  } else if (value > static_cast<double>(kMinSerial - 1)) {
    seconds = std::lround(TimePart(value) * kSecondsPerDay);
  }
  if (seconds >= kSecondsPerDay) {
    seconds -= kSecondsPerDay;
    ++day;
    if (day > kMaxSerial) {
      day = kMaxSerial;
      seconds = kSecondsPerDay - 1;
    }
  }
  CivilFromDays(day + kEpochFromUnix, parts);
  parts.hour = static_cast<int>(seconds / 3600);
  parts.minute = static_cast<int>(seconds / 60 % 60);
  parts.second = static_cast<int>(seconds % 60);
  return parts;
}

std::string FormatLongDate(DateTime value) {
  const CivilDateTime parts = SplitDateTime(value);
  return std::string(kMonthAbbreviations[static_cast<std::size_t>(parts.month - 1)]) + " " +
         std::to_string(parts.day) + ", " + std::to_string(parts.year);
}

std::string FormatShortDate(DateTime value) {
  const CivilDateTime parts = SplitDateTime(value);
  return std::to_string(parts.month) + "/" + std::to_string(parts.day) + "/" +
         std::to_string(parts.year);
}

std::string FormatTimeAmPm(DateTime value) {
  return TwelveHourClock(SplitDateTime(value), false);
}

std::string FormatTime24(DateTime value) {
  const CivilDateTime parts = SplitDateTime(value);
  return std::to_string(parts.hour) + ":" + TwoDigits(parts.minute);
}

std::string FormatGeneralDate(DateTime value) {
  const CivilDateTime parts = SplitDateTime(value);
  const std::string time = TwelveHourClock(parts, true);
  if (IsDayZero(parts)) return time;
  const std::string date = std::to_string(parts.month) + "/" + std::to_string(parts.day) + "/" +
                           std::to_string(parts.year);
  return IsMidnight(parts) ? date : date + " " + time;
}

std::string FormatFileDate(DateTime value) {
  const CivilDateTime parts = SplitDateTime(value);
  std::string text =
      "#" + FourDigits(parts.year) + "-" + TwoDigits(parts.month) + "-" + TwoDigits(parts.day);
  if (!IsMidnight(parts)) text += " " + HourMinuteSecond24(parts);
  return text + "#";
}

namespace {

// Reads exactly `count` digits (or, when count is 0, one or two) at pos and moves past them.
std::optional<int> ReadDigits(std::string_view text, std::size_t& pos, std::size_t count) {
  std::size_t end = pos;
  while (end < text.size() && IsDigit(text[end]) && end - pos < 4)
    ++end;
  const std::size_t length = end - pos;
  if (count == 0 ? (length < 1 || length > 2) : length != count) return std::nullopt;
  int value = 0;
  for (; pos < end; ++pos)
    value = value * 10 + (text[pos] - '0');
  return value;
}

bool ReadChar(std::string_view text, std::size_t& pos, char c) {
  if (pos >= text.size() || text[pos] != c) return false;
  ++pos;
  return true;
}

// "hh:mm:ss" (seconds optional) at pos as a fraction of a day.
std::optional<double> ReadFileTime(std::string_view text, std::size_t& pos) {
  const std::optional<int> hour = ReadDigits(text, pos, 0);
  if (!hour || !ReadChar(text, pos, ':')) return std::nullopt;
  const std::optional<int> minute = ReadDigits(text, pos, 2);
  if (!minute) return std::nullopt;
  int second = 0;
  if (ReadChar(text, pos, ':')) {
    const std::optional<int> seconds = ReadDigits(text, pos, 2);
    if (!seconds) return std::nullopt;
    second = *seconds;
  }
  if (*hour > 23 || *minute > 59 || second > 59) return std::nullopt;
  return (*hour * 3600.0 + *minute * 60.0 + second) / kSecondsPerDay;
}

// "yyyy-mm-dd" at pos as a day number.
std::optional<long> ReadFileDay(std::string_view text, std::size_t& pos) {
  const std::optional<int> year = ReadDigits(text, pos, 4);
  if (!year || !ReadChar(text, pos, '-')) return std::nullopt;
  const std::optional<int> month = ReadDigits(text, pos, 0);
  if (!month || !ReadChar(text, pos, '-')) return std::nullopt;
  const std::optional<int> day = ReadDigits(text, pos, 0);
  if (!day || !IsValidCivilDate(*year, *month, *day)) return std::nullopt;
  return DaySerial(*year, *month, *day);
}

}  // namespace

std::optional<DateTime> ParseFileDate(std::string_view text) {
  text = TrimBlanks(text);
  if (text.size() >= 2 && text.front() == '#' && text.back() == '#') {
    text = TrimBlanks(text.substr(1, text.size() - 2));
  }
  std::size_t pos = 0;
  if (text.find('-') == std::string_view::npos) {
    const std::optional<double> time = ReadFileTime(text, pos);
    if (!time || pos != text.size()) return std::nullopt;
    return *time;
  }
  const std::optional<long> day = ReadFileDay(text, pos);
  if (!day) return std::nullopt;
  if (pos == text.size()) return static_cast<DateTime>(*day);
  if (!ReadChar(text, pos, ' ')) return std::nullopt;
  const std::optional<double> time = ReadFileTime(text, pos);
  if (!time || pos != text.size()) return std::nullopt;
  return JoinDateAndTime(*day, *time);
}

}  // namespace aloftra
