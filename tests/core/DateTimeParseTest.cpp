#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/DateTime.h"

namespace aloftra {
namespace {

double TimeOnly(int hour, int minute, int second = 0) {
  return MakeDateTime(1899, 12, 30, hour, minute, second);
}

struct AcceptCase {
  const char* text;
  DateTime expected;
};

TEST(ParseDateTime, ReadsEveryTypedDateForm) {
  const DateTime may5 = MakeDateTime(2001, 5, 5);
  const AcceptCase cases[] = {
      {"5/5/01", may5},
      {"05/05/2001", may5},
      {"5-5-2001", may5},
      {"5.5.2001", may5},
      {"5-5-01", may5},
      {"2001-05-05", may5},
      {"2001-5-5", may5},
      {"2001/05/05", may5},
      {"2001.05.05", may5},
      {"May 5, 2001", may5},
      {"May 5 2001", may5},
      {"may 5,2001", may5},
      {"MAY 5, 01", may5},
      {"May. 5, 2001", may5},
      {"5 May 2001", may5},
      {"5 may, 2001", may5},
      {"5-May-2001", may5},
      {"5-may-01", may5},
      {"December 25, 2001", MakeDateTime(2001, 12, 25)},
      {"dec. 25 2001", MakeDateTime(2001, 12, 25)},
      {"Sept 9, 2001", MakeDateTime(2001, 9, 9)},
      {"25 December 1999", MakeDateTime(1999, 12, 25)},
      {"  5/5/2001  ", may5},
      {"5 / 5 / 2001", may5},
      {"\t5/5/2001\r\n", may5},
      {"2/29/2000", MakeDateTime(2000, 2, 29)},
      {"12/31/1969", MakeDateTime(1969, 12, 31)},
      {"1/1/100", MakeDateTime(100, 1, 1)},
      {"12/31/9999", MakeDateTime(9999, 12, 31)},
  };
  for (const AcceptCase& c : cases)
    EXPECT_EQ(ParseDateTime(c.text), c.expected) << c.text;
}

TEST(ParseDateTime, TwoDigitYearsPivotAt1930) {
  const AcceptCase cases[] = {
      {"1/1/00", MakeDateTime(2000, 1, 1)},   {"1/1/29", MakeDateTime(2029, 1, 1)},
      {"1/1/30", MakeDateTime(1930, 1, 1)},   {"1/1/99", MakeDateTime(1999, 1, 1)},
      {"1/1/5", MakeDateTime(2005, 1, 1)},    {"1/1/2029", MakeDateTime(2029, 1, 1)},
      {"1/1/1929", MakeDateTime(1929, 1, 1)}, {"1/1/999", MakeDateTime(999, 1, 1)},
  };
  for (const AcceptCase& c : cases)
    EXPECT_EQ(ParseDateTime(c.text), c.expected) << c.text;
}

TEST(ParseDateTime, ReadsATimeAloneAsDayZero) {
  const AcceptCase cases[] = {
      {"13:30", TimeOnly(13, 30)},
      {"13:30:15", TimeOnly(13, 30, 15)},
      {"1:30 PM", TimeOnly(13, 30)},
      {"1:30pm", TimeOnly(13, 30)},
      {"1:30 p.m.", TimeOnly(13, 30)},
      {"1:30 P.M", TimeOnly(13, 30)},
      {"1:30 a.m.", TimeOnly(1, 30)},
      {"1 PM", TimeOnly(13, 0)},
      {"1pm", TimeOnly(13, 0)},
      {"12 AM", 0},
      {"12:00 AM", 0},
      {"12:30 am", TimeOnly(0, 30)},
      {"12 PM", TimeOnly(12, 0)},
      {"12:59:59 PM", TimeOnly(12, 59, 59)},
      {"11:59 PM", TimeOnly(23, 59)},
      {"0:30", TimeOnly(0, 30)},
      {"0:00", 0},
      {"23:59:59", TimeOnly(23, 59, 59)},
      {"9:05", TimeOnly(9, 5)},
      {"9:5", TimeOnly(9, 5)},
      {"1:30:00 PM", TimeOnly(13, 30)},
  };
  for (const AcceptCase& c : cases)
    EXPECT_EQ(ParseDateTime(c.text), c.expected) << c.text;
}

TEST(ParseDateTime, ReadsADateFollowedByATime) {
  const DateTime at1330 = MakeDateTime(2001, 5, 5, 13, 30);
  const AcceptCase cases[] = {
      {"5/5/2001 13:30", at1330},
      {"5/5/01 1:30 PM", at1330},
      {"5/5/2001 1:30:00 PM", at1330},
      {"2001-05-05T13:30", at1330},
      {"2001-05-05 13:30:00", at1330},
      {"May 5, 2001 1:30pm", at1330},
      {"May 5, 2001, 1:30 PM", at1330},
      {"5 May 2001 13:30", at1330},
      {"5-May-2001 1 PM", MakeDateTime(2001, 5, 5, 13)},
      {"5/5/2001 12 AM", MakeDateTime(2001, 5, 5)},
      {"12/29/1899 6:00 AM", -1.25},
  };
  for (const AcceptCase& c : cases)
    EXPECT_EQ(ParseDateTime(c.text), c.expected) << c.text;
}

TEST(ParseDateTime, ADateWithoutYearTakesTheDefaultYear) {
  const AcceptCase cases[] = {
      {"5/5", MakeDateTime(2007, 5, 5)},          {"5-5", MakeDateTime(2007, 5, 5)},
      {"May 5", MakeDateTime(2007, 5, 5)},        {"5 May", MakeDateTime(2007, 5, 5)},
      {"5-May", MakeDateTime(2007, 5, 5)},        {"May 5 13:30", MakeDateTime(2007, 5, 5, 13, 30)},
      {"5/5 1 PM", MakeDateTime(2007, 5, 5, 13)}, {"5/5/2001", MakeDateTime(2001, 5, 5)},
  };
  for (const AcceptCase& c : cases) {
    EXPECT_EQ(ParseDateTime(c.text, 2007), c.expected) << c.text;
    if (std::string(c.text) != "5/5/2001") {
      EXPECT_EQ(ParseDateTime(c.text), std::nullopt) << c.text;
    }
  }
  EXPECT_EQ(ParseDateTime("2/29", 2001), std::nullopt);
  EXPECT_EQ(ParseDateTime("2/29", 2004), MakeDateTime(2004, 2, 29));
}

TEST(ParseDateTime, RefusesImpossibleAndUnreadableTexts) {
  for (const char* text : {
           "",
           "   ",
           "5",
           "2001",
           "5.5",
           "-5",
           "abc",
           "May",
           "13/40/2001",
           "2/30/2001",
           "2/29/2001",
           "0/5/2001",
           "5/0/2001",
           "5/32/2001",
           "13/1/2001",
           "1/1/099",
           "1/1/0099",
           "1/1/10000",
           "1/1/12345",
           "5/5/2001x",
           "5/5/2001 13",
           "5/5-2001",
           "5.5/2001",
           "2001-05",
           "2001-13-01",
           "24:00",
           "13:60",
           "13:30:60",
           "0:30 AM",
           "13:30 PM",
           "0 PM",
           "13 PM",
           "1:30 xm",
           "1:30 p.",
           "1:30 pm pm",
           "Mayo 5, 2001",
           "Foo 5 2001",
           "5 Foo 2001",
           "May 32, 2001",
           "Feb 29, 2001",
           "5/5/2001 13:30 extra",
           "5/5/2001T13:30",
           "13:30 5/5/2001",
           "5//5/2001",
           "5/5/2001,",
           "1:",
           ":30",
           "1:30:",
           "5/5/01/01",
           "123:00",
           "1:300",
           "\xC3\xA9",
           "5/5/2001\x01",
           "#2001-05-05#",
       }) {
    EXPECT_EQ(ParseDateTime(text, 2007), std::nullopt) << '"' << text << '"';
  }
}

TEST(ParseDateTime, ReadsBackTheGeneralAndDisplayForms) {
  std::mt19937 random(2001);
  std::uniform_int_distribution<long> day(DaySerial(1930, 1, 1), DaySerial(2100, 12, 31));
  std::uniform_int_distribution<int> second(0, 86399);
  for (int i = 0; i < 3000; ++i) {
    const int s = i % 5 == 0 ? 0 : second(random);
    const long d = day(random);
    const DateTime value = JoinDateAndTime(d, s / 86400.0);
    const std::string general = FormatGeneralDate(value);
    ASSERT_EQ(ParseDateTime(general), value) << general;
    ASSERT_EQ(ParseDateTime(FormatLongDate(value)), static_cast<DateTime>(d)) << general;
    ASSERT_EQ(ParseDateTime(FormatShortDate(value)), static_cast<DateTime>(d)) << general;
    const DateTime minutes = (s / 60) * 60 / 86400.0;
    ASSERT_EQ(ParseDateTime(FormatTimeAmPm(value)), minutes) << general;
    ASSERT_EQ(ParseDateTime(FormatTime24(value)), minutes) << general;
  }
}

TEST(ParseDateTime, SurvivesLongAndHostileTexts) {
  EXPECT_EQ(ParseDateTime(std::string(100000, '5')), std::nullopt);
  EXPECT_EQ(ParseDateTime(std::string(100000, '/')), std::nullopt);
  EXPECT_EQ(ParseDateTime("5/5/" + std::string(1000, '0') + "1"), std::nullopt);
  EXPECT_EQ(ParseDateTime("99999999999999999999:30"), std::nullopt);
  EXPECT_EQ(ParseDateTime(std::string("5/5\0/2001", 9)), std::nullopt);
}

}  // namespace
}  // namespace aloftra
