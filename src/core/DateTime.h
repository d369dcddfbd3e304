// Date-time values: one double counting days from 1899-12-30, with the time of day as the
// fraction. Before 1899-12-30 the whole part counts back and the fraction still adds the
// time of day (-1.25 is 1899-12-29 06:00). Formatting is in the program's US forms and
// parsing is our own, lenient the way a pilot expects and strict about impossible dates.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/Records.h"

namespace aloftra {

// The dates the program handles: 1 January 100 to 31 December 9999, day numbers -657434 to
// 2958465. Values outside are shown as the nearest end of that range.
inline constexpr int kMinYear = 100;
inline constexpr int kMaxYear = 9999;
inline constexpr long kMinSerial = -657434;
inline constexpr long kMaxSerial = 2958465;

struct CivilDateTime {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// Whole day number of a civil date (1899-12-30 is 0). The date must exist.
long DaySerial(int year, int month, int day);
bool IsValidCivilDate(int year, int month, int day);

DateTime MakeDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
// The parts of a value, rounded to the nearest second (23:59:59.6 is midnight of the next
// day). NaN gives the zero date; values beyond the range give its nearest end.
CivilDateTime SplitDateTime(DateTime value);

// The whole-day part, truncated toward zero, and the time-of-day fraction (0 <= f < 1).
long DayPart(DateTime value);
double TimePart(DateTime value);
// A day number joined with a time of day given as a fraction.
DateTime JoinDateAndTime(long day, double timeOfDay);

std::string FormatLongDate(DateTime value);   // "mmm d, yyyy": May 5, 2001
std::string FormatShortDate(DateTime value);  // "m/d/yyyy": 5/5/2001
std::string FormatTimeAmPm(DateTime value);   // "h:mm AM/PM": 1:30 PM
std::string FormatTime24(DateTime value);     // "h:mm": 13:30
// The general text of a value: "5/5/2001 1:30:00 PM", the date alone at midnight, the time
// alone on day 0. The parser reads it back.
std::string FormatGeneralDate(DateTime value);
// The logbook file's form: #2001-07-04 14:30:00#, or #2001-07-04# at midnight.
std::string FormatFileDate(DateTime value);
// Reads a file date item with or without its # signs; nullopt when it is not one.
std::optional<DateTime> ParseFileDate(std::string_view text);

// Parses a typed date, time, or date with time. Accepts 5/5/01, 05/05/2001, 2001-05-05,
// May 5, 2001, 5 May 2001, May 5 2001, a date followed by a time, and a time alone
// (13:30, 1:30 PM, 1:30pm, 1 PM; a time alone has day 0). Two-digit years 00-29 are 20xx,
// 30-99 19xx; three and four digits are the year itself (100 to 9999). A date given without
// its year (5/5, May 5) takes defaultYear, or is refused when that is 0. With AM or PM the
// hour runs from 1 to 12 (12 AM is midnight; 0:30 AM is refused), without it from 0 to 23.
// Out-of-range parts are refused, never rolled over; the whole text must be consumed.
std::optional<DateTime> ParseDateTime(std::string_view text, int defaultYear = 0);

}  // namespace aloftra
