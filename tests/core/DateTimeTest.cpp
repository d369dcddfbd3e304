#include "core/DateTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace aloftra {
namespace {

void ExpectParts(const CivilDateTime& p, int year, int month, int day, int hour, int minute,
                 int second) {
  EXPECT_EQ(p.year, year);
  EXPECT_EQ(p.month, month);
  EXPECT_EQ(p.day, day);
  EXPECT_EQ(p.hour, hour);
  EXPECT_EQ(p.minute, minute);
  EXPECT_EQ(p.second, second);
}

TEST(DaySerial, CountsFromTheLastDaysOf1899) {
  EXPECT_EQ(DaySerial(1899, 12, 30), 0);
  EXPECT_EQ(DaySerial(1899, 12, 31), 1);
  EXPECT_EQ(DaySerial(1900, 1, 1), 2);
  EXPECT_EQ(DaySerial(1899, 12, 29), -1);
  EXPECT_EQ(DaySerial(1970, 1, 1), 25569);
  EXPECT_EQ(DaySerial(2000, 2, 29), 36585);
  EXPECT_EQ(DaySerial(2001, 5, 5), 37016);
  EXPECT_EQ(DaySerial(2100, 12, 31), 73415);
  EXPECT_EQ(DaySerial(kMinYear, 1, 1), kMinSerial);
  EXPECT_EQ(DaySerial(kMaxYear, 12, 31), kMaxSerial);
}

TEST(DaySerial, EveryDayOfTheRangeSplitsBackToItself) {
  int previousDay = 0;
  for (long serial = kMinSerial; serial <= kMaxSerial; ++serial) {
    const CivilDateTime p = SplitDateTime(static_cast<DateTime>(serial));
    ASSERT_TRUE(IsValidCivilDate(p.year, p.month, p.day)) << serial;
    ASSERT_EQ(DaySerial(p.year, p.month, p.day), serial);
    ASSERT_TRUE(p.day == previousDay + 1 || p.day == 1) << serial;
    previousDay = p.day;
  }
}

TEST(IsValidCivilDate, KnowsMonthLengthsLeapYearsAndTheRange) {
  struct Case {
    int year, month, day;
    bool valid;
  };
  const Case cases[] = {
      {2000, 2, 29, true},  {1900, 2, 29, false}, {2004, 2, 29, true},  {2001, 2, 29, false},
      {2001, 4, 31, false}, {2001, 12, 31, true}, {2001, 13, 1, false}, {2001, 0, 1, false},
      {2001, 1, 0, false},  {99, 1, 1, false},    {100, 1, 1, true},    {9999, 12, 31, true},
      {10000, 1, 1, false}, {-1, 1, 1, false},    {2001, 2, 30, false}, {2001, 1, 32, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsValidCivilDate(c.year, c.month, c.day), c.valid)
        << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(SplitDateTime, BeforeTheEpochTheFractionStillAddsTheTimeOfDay) {
  ExpectParts(SplitDateTime(-1.25), 1899, 12, 29, 6, 0, 0);
  ExpectParts(SplitDateTime(-0.5), 1899, 12, 30, 12, 0, 0);
  ExpectParts(SplitDateTime(-2.75), 1899, 12, 28, 18, 0, 0);
  EXPECT_EQ(MakeDateTime(1899, 12, 29, 6), -1.25);
  EXPECT_EQ(JoinDateAndTime(-1, 0.25), -1.25);
  EXPECT_EQ(DayPart(-1.25), -1);
  EXPECT_EQ(TimePart(-1.25), 0.25);
  EXPECT_EQ(DayPart(37016.75), 37016);
  EXPECT_EQ(TimePart(37016.75), 0.75);
}

TEST(SplitDateTime, RoundsToTheNearestSecondAndRollsOverMidnight) {
  const DateTime day = MakeDateTime(2001, 5, 5);
  ExpectParts(SplitDateTime(day + 86399.6 / 86400), 2001, 5, 6, 0, 0, 0);
  ExpectParts(SplitDateTime(day + 86399.4 / 86400), 2001, 5, 5, 23, 59, 59);
  ExpectParts(SplitDateTime(day + 0.4 / 86400), 2001, 5, 5, 0, 0, 0);
  ExpectParts(SplitDateTime(JoinDateAndTime(-1, 86399.6 / 86400)), 1899, 12, 30, 0, 0, 0);
  ExpectParts(SplitDateTime(day + 1.0 / 3), 2001, 5, 5, 8, 0, 0);
  ExpectParts(SplitDateTime(MakeDateTime(2001, 12, 31, 23, 59, 59)), 2001, 12, 31, 23, 59, 59);
}

TEST(SplitDateTime, ValuesOutsideTheRangeAreClampedNotUndefined) {
  ExpectParts(SplitDateTime(std::numeric_limits<double>::quiet_NaN()), 1899, 12, 30, 0, 0, 0);
  ExpectParts(SplitDateTime(1e300), 9999, 12, 31, 23, 59, 59);
  ExpectParts(SplitDateTime(std::numeric_limits<double>::infinity()), 9999, 12, 31, 23, 59, 59);
  ExpectParts(SplitDateTime(kMaxSerial + 86399.9 / 86400), 9999, 12, 31, 23, 59, 59);
  ExpectParts(SplitDateTime(-1e300), 100, 1, 1, 0, 0, 0);
  EXPECT_EQ(DayPart(1e300), kMaxSerial);
  EXPECT_EQ(DayPart(-1e300), kMinSerial);
  EXPECT_EQ(DayPart(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(TimePart(std::numeric_limits<double>::infinity()), 0);
  EXPECT_EQ(FormatFileDate(1e300), "#9999-12-31 23:59:59#");
}

struct FormatCase {
  DateTime value;
  const char* longDate;
  const char* shortDate;
  const char* amPm;
  const char* clock24;
  const char* general;
  const char* file;
};

TEST(DateTimeFormats, ShowTheProgramsUsForms) {
  const FormatCase cases[] = {
      {MakeDateTime(2001, 5, 5, 13, 30), "May 5, 2001", "5/5/2001", "1:30 PM", "13:30",
       "5/5/2001 1:30:00 PM", "#2001-05-05 13:30:00#"},
      {MakeDateTime(2001, 7, 4), "Jul 4, 2001", "7/4/2001", "12:00 AM", "0:00", "7/4/2001",
       "#2001-07-04#"},
      {MakeDateTime(2001, 12, 25, 0, 5), "Dec 25, 2001", "12/25/2001", "12:05 AM", "0:05",
       "12/25/2001 12:05:00 AM", "#2001-12-25 00:05:00#"},
      {MakeDateTime(1999, 10, 31, 12, 0, 9), "Oct 31, 1999", "10/31/1999", "12:00 PM", "12:00",
       "10/31/1999 12:00:09 PM", "#1999-10-31 12:00:09#"},
      {MakeDateTime(1899, 12, 30, 14, 30), "Dec 30, 1899", "12/30/1899", "2:30 PM", "14:30",
       "2:30:00 PM", "#1899-12-30 14:30:00#"},
      {0, "Dec 30, 1899", "12/30/1899", "12:00 AM", "0:00", "12:00:00 AM", "#1899-12-30#"},
      {MakeDateTime(200, 3, 1, 23, 59, 59), "Mar 1, 200", "3/1/200", "11:59 PM", "23:59",
       "3/1/200 11:59:59 PM", "#0200-03-01 23:59:59#"},
      {-1.25, "Dec 29, 1899", "12/29/1899", "6:00 AM", "6:00", "12/29/1899 6:00:00 AM",
       "#1899-12-29 06:00:00#"},
  };
  for (const FormatCase& c : cases) {
    EXPECT_EQ(FormatLongDate(c.value), c.longDate) << c.value;
    EXPECT_EQ(FormatShortDate(c.value), c.shortDate) << c.value;
    EXPECT_EQ(FormatTimeAmPm(c.value), c.amPm) << c.value;
    EXPECT_EQ(FormatTime24(c.value), c.clock24) << c.value;
    EXPECT_EQ(FormatGeneralDate(c.value), c.general) << c.value;
    EXPECT_EQ(FormatFileDate(c.value), c.file) << c.value;
  }
}

TEST(DateTimeFormats, MonthAbbreviationsAreEnglish) {
  const char* names[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  for (int month = 1; month <= 12; ++month) {
    EXPECT_EQ(FormatLongDate(MakeDateTime(2010, month, 9)),
              std::string(names[month - 1]) + " 9, 2010");
  }
}

TEST(ParseFileDate, ReadsTheFileFormsWithOrWithoutHashSigns) {
  struct Case {
    const char* text;
    DateTime expected;
  };
  const Case cases[] = {
      {"#2001-07-04 14:30:00#", MakeDateTime(2001, 7, 4, 14, 30)},
      {"2001-07-04 14:30:00", MakeDateTime(2001, 7, 4, 14, 30)},
      {"#2001-07-04#", MakeDateTime(2001, 7, 4)},
      {"2001-07-04", MakeDateTime(2001, 7, 4)},
      {"#2001-7-4#", MakeDateTime(2001, 7, 4)},
      {"#14:30:00#", MakeDateTime(1899, 12, 30, 14, 30)},
      {"#1899-12-30#", 0},
      {"#1899-12-29 06:00:00#", -1.25},
      {" #2001-07-04 14:30# ", MakeDateTime(2001, 7, 4, 14, 30)},
      {"#0200-03-01#", MakeDateTime(200, 3, 1)},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ParseFileDate(c.text), c.expected) << c.text;
}

TEST(ParseFileDate, RefusesWhatIsNotAFileDate) {
  for (const char* text : {"",
                           "#",
                           "##",
                           "#2001-02-30#",
                           "#2001-13-01#",
                           "#2001-07-04 24:00:00#",
                           "#2001-07-04 14:60:00#",
                           "#2001-07-04 14:30:60#",
                           "#01-07-04#",
                           "#2001-07-04x#",
                           "#2001-07-04  14:30:00#",
                           "#2001-07-04T14:30:00#",
                           "abc",
                           "#-1#",
                           "#2001-07-04",
                           "0",
                           "-1",
                           "#0099-01-01#",
                           "#12345-01-01#",
                           "#2001-007-04#",
                           "#14:30:00:00#",
                           "#14#"}) {
    EXPECT_EQ(ParseFileDate(text), std::nullopt) << text;
  }
}

TEST(ParseFileDate, ReadsBackEveryWrittenValue) {
  std::mt19937 random(1899);
  std::uniform_int_distribution<long> day(kMinSerial, kMaxSerial);
  std::uniform_int_distribution<int> second(0, 86399);
  for (int i = 0; i < 5000; ++i) {
    const int s = i % 4 == 0 ? 0 : second(random);
    const DateTime value = JoinDateAndTime(day(random), s / 86400.0);
    const std::string text = FormatFileDate(value);
    const std::optional<DateTime> back = ParseFileDate(text);
    ASSERT_TRUE(back.has_value()) << text;
    ASSERT_EQ(FormatFileDate(*back), text);
    ASSERT_NEAR(*back, value, 1e-6) << text;
  }
}

}  // namespace
}  // namespace aloftra
