// Reading typed dates and times. The text is cut into numbers, words and separators (blanks
// only separate), then an ordered list of date forms is tried; each form may be followed by
// a time, and the first reading that uses up the whole text wins.
#include <array>
#include <vector>

#include "core/Ascii.h"
#include "core/DateTime.h"

namespace aloftra {

namespace {

struct Token {
  enum Kind { kNumber, kWord, kMark } kind = kMark;
  std::string_view text;
};

bool IsMark(char c) {
  return c == '/' || c == '-' || c == '.' || c == ':' || c == ',';
}

// nullopt when the text holds a character no date or time uses.
std::optional<std::vector<Token>> Tokenize(std::string_view text) {
  std::vector<Token> tokens;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const char c = text[pos];
    if (IsBlankOrLineBreak(c)) {
      ++pos;
    } else if (IsMark(c)) {
      tokens.push_back({Token::kMark, text.substr(pos, 1)});
      ++pos;
    } else if (IsDigit(c) || IsLetter(c)) {
      const bool digits = IsDigit(c);
      std::size_t end = pos;
      while (end < text.size() && (digits ? IsDigit(text[end]) : IsLetter(text[end])))
        ++end;
      tokens.push_back({digits ? Token::kNumber : Token::kWord, text.substr(pos, end - pos)});
      pos = end;
    } else {
      return std::nullopt;
    }
  }
  return tokens;
}

constexpr std::array<const char*, 12> kMonthNames = {
    "january", "february", "march",     "april",   "may",      "june",
    "july",    "august",   "september", "october", "november", "december"};

// 1 to 12 for a full or three-letter month name in any case ("sept" too), else 0.
int MonthOfName(std::string_view word) {
  for (std::size_t i = 0; i < kMonthNames.size(); ++i) {
    const std::string_view name = kMonthNames[i];
    if (EqualsIgnoringCase(word, name) || EqualsIgnoringCase(word, name.substr(0, 3))) {
      return static_cast<int>(i) + 1;
    }
  }
  return EqualsIgnoringCase(word, "sept") ? 9 : 0;
}

int ValueOf(std::string_view digits) {
  int value = 0;
  for (char c : digits)
    value = value * 10 + (c - '0');
  return value;
}

// A date read from the front of the tokens; year 0 stands for "no year given".
struct DateReading {
  int year = 0;
  int month = 0;
  int day = 0;
  std::size_t end = 0;  // index of the first token after the date
  bool yearFirst = false;
};

struct TimeReading {
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class TypedDateParser {
 public:
  explicit TypedDateParser(const std::vector<Token>& tokens) : tokens_(tokens) {}

  // Every way the front of the tokens reads as a date, in order of preference.
  std::vector<DateReading> DateReadings() const {
    std::vector<DateReading> readings;
    AddNumericDates(readings);
    AddMonthFirstDates(readings);
    AddDayFirstDates(readings);
    return readings;
  }

  // The time filling the tokens from index begin to the end.
  std::optional<TimeReading> TimeFrom(std::size_t begin) const {
    std::size_t pos = begin;
    if (!IsNumber(pos, 1, 2)) return std::nullopt;
    TimeReading time;
    time.hour = ValueOf(tokens_[pos++].text);
    bool clock = false;
    if (IsMark(pos, ':') && IsNumber(pos + 1, 1, 2)) {
      time.minute = ValueOf(tokens_[pos + 1].text);
      pos += 2;
      clock = true;
      if (IsMark(pos, ':') && IsNumber(pos + 1, 1, 2)) {
        time.second = ValueOf(tokens_[pos + 1].text);
        pos += 2;
      }
    }
    const std::optional<bool> afternoon = MeridiemAt(pos);
    if (!clock && !afternoon) return std::nullopt;  // a bare number is not a time
    if (pos != tokens_.size() || time.minute > 59 || time.second > 59) return std::nullopt;
    if (!afternoon) return time.hour <= 23 ? std::optional(time) : std::nullopt;
    // On a twelve-hour clock hours run from 1 to 12: 12 AM is midnight, 12 PM noon.
    if (time.hour < 1 || time.hour > 12) return std::nullopt;
    time.hour = time.hour % 12 + (*afternoon ? 12 : 0);
    return time;
  }

  // Index just after the separator between a date and its time, or nullopt.
  std::optional<std::size_t> TimeStart(const DateReading& date) const {
    if (date.end >= tokens_.size()) return std::nullopt;
    if (IsMark(date.end, ',')) return date.end + 1;
    if (date.yearFirst && IsWord(date.end) && EqualsIgnoringCase(tokens_[date.end].text, "t")) {
      return date.end + 1;
    }
    return date.end;
  }

  std::size_t size() const { return tokens_.size(); }

 private:
  bool IsNumber(std::size_t i, std::size_t minDigits, std::size_t maxDigits) const {
    return i < tokens_.size() && tokens_[i].kind == Token::kNumber &&
           tokens_[i].text.size() >= minDigits && tokens_[i].text.size() <= maxDigits;
  }
  bool IsWord(std::size_t i) const { return i < tokens_.size() && tokens_[i].kind == Token::kWord; }
  bool IsMark(std::size_t i, char mark) const {
    return i < tokens_.size() && tokens_[i].kind == Token::kMark && tokens_[i].text[0] == mark;
  }
  bool IsDateSeparator(std::size_t i) const {
    return IsMark(i, '/') || IsMark(i, '-') || IsMark(i, '.');
  }
  int MonthAt(std::size_t i) const { return IsWord(i) ? MonthOfName(tokens_[i].text) : 0; }

  // The year of a number token: one or two digits are 2000-2029 or 1930-1999, three or four
  // digits are the year itself; -1 when the token is no year.
  int YearAt(std::size_t i) const {
    if (IsNumber(i, 1, 2)) {
      const int year = ValueOf(tokens_[i].text);
      return year < 30 ? 2000 + year : 1900 + year;
    }
    if (IsNumber(i, 3, 4)) {
      const int year = ValueOf(tokens_[i].text);
      return year >= kMinYear ? year : -1;
    }
    return -1;
  }

  // "am", "pm", "a.m.", "p.m." (the last point optional) at index pos, which then moves past
  // it: true for the afternoon.
  std::optional<bool> MeridiemAt(std::size_t& pos) const {
    if (!IsWord(pos)) return std::nullopt;
    const std::string_view word = tokens_[pos].text;
    if (EqualsIgnoringCase(word, "am") || EqualsIgnoringCase(word, "pm")) {
      ++pos;
      return EqualsIgnoringCase(word, "pm");
    }
    const bool a = EqualsIgnoringCase(word, "a");
    if (!(a || EqualsIgnoringCase(word, "p")) || !IsMark(pos + 1, '.') || !IsWord(pos + 2) ||
        !EqualsIgnoringCase(tokens_[pos + 2].text, "m")) {
      return std::nullopt;
    }
    pos += IsMark(pos + 3, '.') ? 4 : 3;
    return !a;
  }

  // m/d/y, m/d, y-m-d, with "/", "-" or "." used the same way throughout. A first part of
  // three or four digits is the year. Month and day alone take "/" or "-" only, since 5.5
  // is a number.
  void AddNumericDates(std::vector<DateReading>& readings) const {
    if (!IsNumber(0, 1, 4) || !IsDateSeparator(1) || !IsNumber(2, 1, 2)) return;
    const char separator = tokens_[1].text[0];
    const bool third = IsMark(3, separator) && IsNumber(4, 1, 4);
    if (IsNumber(0, 3, 4)) {
      if (third && IsNumber(4, 1, 2)) {
        readings.push_back(
            {YearAt(0), ValueOf(tokens_[2].text), ValueOf(tokens_[4].text), 5, true});
      }
      return;
    }
    if (!IsNumber(0, 1, 2)) return;
    const int month = ValueOf(tokens_[0].text);
    const int day = ValueOf(tokens_[2].text);
    if (third) readings.push_back({YearAt(4), month, day, 5, false});
    if (separator != '.') readings.push_back({0, month, day, 3, false});
  }

  // "May 5, 2001", "May 5 2001", "May. 5", "may 5".
  void AddMonthFirstDates(std::vector<DateReading>& readings) const {
    const int month = MonthAt(0);
    if (month == 0) return;
    std::size_t pos = IsMark(1, '.') ? 2 : 1;
    if (!IsNumber(pos, 1, 2)) return;
    const int day = ValueOf(tokens_[pos].text);
    ++pos;
    const std::size_t yearPos = IsMark(pos, ',') ? pos + 1 : pos;
    if (IsNumber(yearPos, 1, 4)) readings.push_back({YearAt(yearPos), month, day, yearPos + 1});
    readings.push_back({0, month, day, pos});
  }

  // "5 May 2001", "5-May-2001", "5 May".
  void AddDayFirstDates(std::vector<DateReading>& readings) const {
    if (!IsNumber(0, 1, 2)) return;
    const bool dashed = IsMark(1, '-');
    std::size_t pos = dashed ? 2 : 1;
    const int month = MonthAt(pos);
    if (month == 0) return;
    ++pos;
    if (IsMark(pos, '.')) ++pos;
    const int day = ValueOf(tokens_[0].text);
    const std::size_t yearPos = (dashed ? IsMark(pos, '-') : IsMark(pos, ',')) ? pos + 1 : pos;
    if (IsNumber(yearPos, 1, 4)) readings.push_back({YearAt(yearPos), month, day, yearPos + 1});
    if (!dashed || !IsMark(pos, '-')) readings.push_back({0, month, day, pos});
  }

  const std::vector<Token>& tokens_;
};

std::optional<long> DayOf(const DateReading& date, int defaultYear) {
  const int year = date.year == 0 ? defaultYear : date.year;
  if (year <= 0 || !IsValidCivilDate(year, date.month, date.day)) return std::nullopt;
  return DaySerial(year, date.month, date.day);
}

double FractionOf(const TimeReading& time) {
  return (time.hour * 3600.0 + time.minute * 60.0 + time.second) / 86400.0;
}

}  // namespace

std::optional<DateTime> ParseDateTime(std::string_view text, int defaultYear) {
  const std::optional<std::vector<Token>> tokens = Tokenize(text);
  if (!tokens || tokens->empty()) return std::nullopt;
  const TypedDateParser parser(*tokens);

  if (const std::optional<TimeReading> time = parser.TimeFrom(0)) return FractionOf(*time);

  for (const DateReading& date : parser.DateReadings()) {
    if (date.year < 0) continue;
    if (date.end == parser.size()) {
      if (const std::optional<long> day = DayOf(date, defaultYear)) {
        return static_cast<DateTime>(*day);
      }
      continue;
    }
    const std::optional<std::size_t> timeStart = parser.TimeStart(date);
    if (!timeStart) continue;
    const std::optional<TimeReading> time = parser.TimeFrom(*timeStart);
    if (!time) continue;
    if (const std::optional<long> day = DayOf(date, defaultYear)) {
      return JoinDateAndTime(*day, FractionOf(*time));
    }
  }
  return std::nullopt;
}

}  // namespace aloftra
