// The year laid out for the graphs page: day slots, per-day sums, scales and the nearest entry.
#include "stats/YearGraph.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/LogbookRepair.h"
#include "support/LogbookBuilder.h"
#include "units/DisplayText.h"

namespace aloftra::test {
namespace {

TEST(YearGraphTest, FlightScaleLabelsAndGridFollowTheBusiestDay) {
  struct Case {
    int busiest, scale, gridParts;
    std::vector<int> labels;
  };
  const std::vector<Case> cases = {
      {5, 8, 8, {2, 4, 6, 8}},     {3, 4, 4, {1, 2, 3, 4}},      {12, 12, 12, {3, 6, 9, 12}},
      {1, 4, 4, {1, 2, 3, 4}},     {4, 4, 4, {1, 2, 3, 4}},      {9, 12, 12, {3, 6, 9, 12}},
      {16, 16, 8, {4, 8, 12, 16}}, {17, 20, 4, {5, 10, 15, 20}}, {22, 24, 12, {6, 12, 18, 24}},
  };
  for (const Case& c : cases) {
    int scale = FlightScale(c.busiest);
    EXPECT_EQ(scale, c.scale) << c.busiest;
    EXPECT_EQ(FlightGridParts(scale), c.gridParts) << c.busiest;
    std::vector<int> labels;
    for (int quarter = 1; quarter <= 4; ++quarter)
      labels.push_back(ScaleAtQuarter(scale, quarter));
    EXPECT_EQ(labels, c.labels) << c.busiest;
  }
  EXPECT_EQ(FlightScale(0), 0);
}

TEST(YearGraphTest, AirtimeScaleIsTheLongestDayInWholeHours) {
  struct Case {
    int longest;
    std::vector<std::string> labels;
  };
  const std::vector<Case> cases = {
      {95, {"0:30", "1:00", "1:30", "2:00"}},  {60, {"0:15", "0:30", "0:45", "1:00"}},
      {61, {"0:30", "1:00", "1:30", "2:00"}},  {1, {"0:15", "0:30", "0:45", "1:00"}},
      {130, {"0:45", "1:30", "2:15", "3:00"}}, {32767, {"136:45", "273:30", "410:15", "547:00"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> labels;
    for (int quarter = 1; quarter <= 4; ++quarter)
      labels.push_back(FormatAirtime(ScaleAtQuarter(AirtimeScale(c.longest), quarter)));
    EXPECT_EQ(labels, c.labels) << c.longest;
  }
  EXPECT_EQ(AirtimeScale(0), 0);
  EXPECT_EQ(BarHeight(0, 0, 1905), 0);
  EXPECT_EQ(BarHeight(5, 8, 1905), 1191);  // 1190.6 rounded
  EXPECT_EQ(BarHeight(8, 8, 1905), 1905);
}

TEST(YearGraphTest, DaysTakeFixedSlotsAndTheReadOutFindsThemAgain) {
  struct Case {
    int year;
    DateTime date;
    int slot;
  };
  const std::vector<Case> cases = {
      {2001, MakeDateTime(2001, 1, 1, 8), 0},    {2001, MakeDateTime(2001, 2, 28, 23), 58},
      {2001, MakeDateTime(2001, 3, 1), 60},      {2001, MakeDateTime(2001, 12, 31, 12), 365},
      {2000, MakeDateTime(2000, 2, 29, 12), 59}, {2000, MakeDateTime(2000, 3, 1), 60},
      {2000, MakeDateTime(2000, 12, 31), 365},   {2001, MakeDateTime(2000, 12, 31, 23), -1},
      {2001, MakeDateTime(2002, 1, 1), -1},      {2100, MakeDateTime(2100, 3, 1), 60},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DaySlotOf(c.year, c.date), c.slot) << c.year << " " << c.date;

  // Every day of every year takes its own slot, in order; slot 59 only in leap years; and
  // pointing at the middle or the edges of a slot reads that day back.
  for (int year = kFirstGraphYear; year <= kLastGraphYear; ++year) {
    int previous = -1;
    bool usedLeapSlot = false;
    for (int day = 1; day <= DaysInYear(year); ++day) {
      int slot = DaySlotOf(year, static_cast<double>(DaySerial(year, 1, 1) + day - 1) + 0.5);
      ASSERT_GT(slot, previous) << year << " " << day;
      usedLeapSlot = usedLeapSlot || slot == 59;
      double x = 1680 + 150 + 15 * slot;
      for (double offset : {-7.0, 0.0, 7.0})
        ASSERT_EQ(DayOfYearAt(year, x + offset, 1680), day) << year << " " << day;
      previous = slot;
    }
    EXPECT_EQ(previous, 365);
    EXPECT_EQ(usedLeapSlot, IsLeapYear(year)) << year;
  }
  // Pointing past either end of the bars stays within the year.
  EXPECT_EQ(DayOfYearAt(2001, 1680, 1680), 1);
  EXPECT_EQ(DayOfYearAt(2001, 1680 + 5790, 1680), 365);
  EXPECT_EQ(DayOfYearAt(2004, 1680 + 5790, 1680), 366);
  EXPECT_EQ(DayOfYearAt(2001, 1680 + 150 + 15 * 59, 1680), 59);  // the empty slot: Feb 28
}

TEST(YearGraphTest, SumsPastTheSixteenBitLimitStayExact) {
  Logbook book;
  for (int i = 0; i < 600; ++i)
    AddFlight(book, {.date = MakeDateTime(2001, 6, 1, 12), .airtime = 600});
  RebuildFlightOrder(book);
  YearTally tally = TallyYear(book, 2001, [](int) { return true; });
  EXPECT_EQ(tally.flights[DaySlotOf(2001, MakeDateTime(2001, 6, 1))], 600);
  EXPECT_EQ(tally.maxAirtime, 360000);
  EXPECT_EQ(tally.totalAirtime, 360000);
  EXPECT_EQ(AirtimeScale(tally.maxAirtime), 360000);
  EXPECT_EQ(BarHeight(tally.maxAirtime, AirtimeScale(tally.maxAirtime), 1905), 1905);
}

TEST(YearGraphTest, NearestEntryCountsWholeDaysAndPrefersTheLater) {
  Logbook book;
  int march1 = AddFlight(book, {.date = MakeDateTime(2001, 3, 1, 18)});
  AddFlight(book, {.date = MakeDateTime(2001, 3, 3, 7)});
  int march3Late = AddFlight(book, {.date = MakeDateTime(2001, 3, 3, 19), .nonFlying = true});
  int march10 = AddFlight(book, {.date = MakeDateTime(2001, 3, 10, 9)});
  RebuildFlightOrder(book);
  struct Case {
    int month, day, expected;
  };
  const std::vector<Case> cases = {
      {2, 1, march1},     {3, 1, march1},  {3, 2, march3Late}, {3, 3, march3Late},
      {3, 6, march3Late}, {3, 7, march10}, {3, 10, march10},   {12, 1, march10},
  };
  for (const Case& c : cases)
    EXPECT_EQ(NearestFlightByDay(book, DaySerial(2001, c.month, c.day)), c.expected)
        << c.month << "/" << c.day;
  EXPECT_EQ(NearestFlightByDay(Logbook{}, DaySerial(2001, 3, 1)), -1);
}

}  // namespace
}  // namespace aloftra::test
