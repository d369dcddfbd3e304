#include "stats/StatisticsEngine.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/DateTime.h"
#include "core/LogbookRepair.h"
#include "support/LogbookBuilder.h"

namespace aloftra {
namespace {

using test::AddFlight;

constexpr DateTime kMay5 = 37016;  // 2001-05-05
constexpr DateTime kJune1 = 37043;

// Two sites, a hang glider (slot 0) and a paraglider (slot 1).
class StatisticsTest : public ::testing::Test {
 protected:
  StatisticsTest() {
    logbook.sites.Append(test::MakeSite("Point of the Mountain"));
    logbook.sites.Append(test::MakeSite("Torrey Pines"));
    logbook.gliders.Append(test::MakeGlider("Falcon", kOptionSet));
    logbook.gliders.Append(test::MakeGlider("Mantra", 0));
  }

  void Compute(DateTime now = kJune1) {
    RebuildFlightOrder(logbook);
    ASSERT_TRUE(ComputeStatistics(logbook, now));
  }

  std::vector<int> FlightNumbers() const {
    std::vector<int> numbers;
    for (const FlightRecord& flight : logbook.flights)
      numbers.push_back(flight.FLIGHT_NO);
    return numbers;
  }

  static constexpr int kHang = 0;
  static constexpr int kPara = 1;
  Logbook logbook;
  PilotTotals& hang = logbook.totals[kHangGliding];
  PilotTotals& para = logbook.totals[kParagliding];
};

TEST_F(StatisticsTest, TwoFlightsOnOneDateAreOneFlyingDay) {
  AddFlight(logbook, {.date = kMay5 + 0.4, .airtime = 30});
  AddFlight(logbook, {.date = kMay5 + 0.7, .airtime = 45});
  AddFlight(logbook, {.date = kMay5 + 3.5, .airtime = 20, .site = 1});
  Compute();
  const SiteRecord& site = logbook.sites[0];
  EXPECT_EQ(site.FLYING_DAYS, 1);
  EXPECT_EQ(site.FLIGHTS, 2);
  EXPECT_EQ(site.TOTAL_AIRTIME, 75);
  EXPECT_EQ(logbook.gliders[kHang].FLYING_DAYS, 2);
  EXPECT_EQ(logbook.gliders[kHang].FLIGHTS, 3);
  EXPECT_EQ(hang.DAYS_TOTAL, 2);
}

TEST_F(StatisticsTest, SoloAndTandemOnOneDateCountADayEach) {
  AddFlight(logbook, {.date = kMay5 + 0.4, .airtime = 30, .solo = true});
  AddFlight(logbook, {.date = kMay5 + 0.6, .airtime = 50, .solo = false});
  Compute();
  EXPECT_EQ(hang.DAYS_SOLO, 1);
  EXPECT_EQ(hang.DAYS_TANDEM, 1);
  EXPECT_EQ(hang.DAYS_TOTAL, 1);
  EXPECT_EQ(hang.FLIGHTS_SOLO, 1);
  EXPECT_EQ(hang.FLIGHTS_TANDEM, 1);
  EXPECT_EQ(hang.AIRTIME_SOLO, 30);
  EXPECT_EQ(hang.AIRTIME_TANDEM, 50);
  EXPECT_EQ(para.DAYS_TOTAL, 0);
}

TEST_F(StatisticsTest, EachWingTypeNumbersItsFlightsFromItsPreviousFlights) {
  hang.FLIGHTS_PREV = 120;
  para.FLIGHTS_PREV = 7;
  AddFlight(logbook, {.date = kMay5 + 3, .glider = kHang});
  AddFlight(logbook, {.date = kMay5 + 1, .glider = kPara});
  AddFlight(logbook, {.date = kMay5 + 2, .nonFlying = true});
  AddFlight(logbook, {.date = kMay5 + 0, .glider = kHang});
  AddFlight(logbook, {.date = kMay5 + 4, .glider = kPara});
  Compute();
  EXPECT_EQ(FlightNumbers(), (std::vector<int>{122, 8, 0, 121, 9}));
  EXPECT_EQ(hang.FLIGHTS_PREV, 120);
  EXPECT_EQ(hang.FLIGHTS_SOLO, 2);
}

TEST_F(StatisticsTest, AnEarlierFlightRenumbersTheLaterOnes) {
  AddFlight(logbook, {.date = kMay5 + 1});
  AddFlight(logbook, {.date = kMay5 + 2});
  Compute();
  EXPECT_EQ(FlightNumbers(), (std::vector<int>{1, 2}));
  AddFlight(logbook, {.date = kMay5});
  Compute();
  EXPECT_EQ(FlightNumbers(), (std::vector<int>{2, 3, 1}));
}

TEST_F(StatisticsTest, OfEqualBestValuesTheEarlierFlightIsKept) {
  // Entered first but flown later: date order decides, not the slot.
  int later = AddFlight(
      logbook,
      {.date = kMay5 + 2, .airtime = 90, .maxMsl = 8000, .overLaunch = 3000, .distance = 12.5f});
  int earlier = AddFlight(
      logbook,
      {.date = kMay5 + 1, .airtime = 90, .maxMsl = 8000, .overLaunch = 3000, .distance = 12.5f});
  AddFlight(logbook, {.date = kMay5 + 3, .airtime = 10, .maxMsl = 100, .overLaunch = 10});
  Compute();
  const BestFlights expected{static_cast<std::int16_t>(earlier), static_cast<std::int16_t>(earlier),
                             static_cast<std::int16_t>(earlier),
                             static_cast<std::int16_t>(earlier)};
  EXPECT_EQ(logbook.sites[0].best, expected);
  EXPECT_EQ(logbook.gliders[kHang].best, expected);
  EXPECT_EQ(hang.best, expected);

  logbook.flights[later].AIRTIME = 91;
  Compute();
  EXPECT_EQ(hang.best.LONGEST_FLIGHT, later);
  EXPECT_EQ(hang.best.HIGHEST_FLIGHT, earlier);
}

struct AverageCase {
  std::vector<int> airtimes;
  int average;
};

class SiteAverage : public StatisticsTest, public ::testing::WithParamInterface<AverageCase> {};

TEST_P(SiteAverage, RoundsHalvesToTheEvenMinute) {
  int day = 0;
  for (int airtime : GetParam().airtimes)
    AddFlight(logbook, {.date = kMay5 + day++, .airtime = airtime});
  Compute();
  EXPECT_EQ(logbook.sites[0].AVG_AIRTIME, GetParam().average);
}

INSTANTIATE_TEST_SUITE_P(StatisticsTest, SiteAverage,
                         ::testing::Values(AverageCase{{47, 48}, 48},  // 47.5
                                           AverageCase{{62, 63}, 62},  // 62.5
                                           AverageCase{{10, 10, 11}, 10},
                                           AverageCase{{10, 11, 11}, 11}, AverageCase{{0}, 0}));

TEST_F(StatisticsTest, WithoutFlightsEverythingIsResetToNone) {
  // Values left over from an earlier logbook state.
  logbook.sites[0].FLIGHTS = 4;
  logbook.sites[0].AVG_AIRTIME = 33;
  logbook.sites[0].best.LONGEST_FLIGHT = 3;
  logbook.gliders[kPara].TOTAL_AIRTIME = 500;
  logbook.gliders[kPara].PRE_AIRTIME = 1200;
  hang.DAYS_TOTAL = 9;
  hang.SITES_FLOWN = 2;
  hang.DAYS_SINCE_LAST = 5;
  hang.AIRTIME_PREV = 600;
  hang.DAYS_PREV = 40;
  Compute();

  const SiteRecord& site = logbook.sites[0];
  EXPECT_EQ(site.FLIGHTS, 0);
  EXPECT_EQ(site.AVG_AIRTIME, 0);
  EXPECT_EQ(site.best, BestFlights{});
  EXPECT_EQ(logbook.gliders[kPara].TOTAL_AIRTIME, 0);
  EXPECT_EQ(logbook.gliders[kPara].PRE_AIRTIME, 1200);
  PilotTotals expected;
  expected.AIRTIME_PREV = 600;
  expected.DAYS_PREV = 40;
  EXPECT_EQ(hang, expected);
  EXPECT_EQ(para, PilotTotals{});
}

TEST_F(StatisticsTest, ANonFlyingEntryCountsNowhere) {
  int rest = AddFlight(logbook, {.date = kMay5, .airtime = 0, .site = 1, .nonFlying = true});
  logbook.flights[rest].FLIGHT_NO = 12;
  AddFlight(logbook, {.date = kMay5 + 1, .airtime = 30, .site = 0});
  Compute();
  EXPECT_EQ(logbook.flights[rest].FLIGHT_NO, 0);
  EXPECT_EQ(logbook.sites[1].FLIGHTS, 0);
  EXPECT_EQ(logbook.sites[1].FLYING_DAYS, 0);
  EXPECT_EQ(logbook.sites[1].best, BestFlights{});
  EXPECT_EQ(hang.SITES_FLOWN, 1);
  EXPECT_EQ(hang.DAYS_TOTAL, 1);
  EXPECT_EQ(hang.FLIGHTS_SOLO, 1);
}

TEST_F(StatisticsTest, SitesAndGlidersFlownAreCountedPerWingType) {
  logbook.gliders.Append(test::MakeGlider("Sport 2", 1));  // a hang glider from an old file: flag 1
  logbook.gliders.Append(test::MakeGlider("Never flown", kOptionSet));
  AddFlight(logbook, {.date = kMay5, .site = 0, .glider = kHang});
  AddFlight(logbook, {.date = kMay5 + 1, .site = 0, .glider = kPara});
  AddFlight(logbook, {.date = kMay5 + 2, .site = 1, .glider = 2});
  Compute();
  EXPECT_EQ(hang.SITES_FLOWN, 2);
  EXPECT_EQ(para.SITES_FLOWN, 1);
  EXPECT_EQ(hang.GLIDERS_FLOWN, 2);
  EXPECT_EQ(para.GLIDERS_FLOWN, 1);
  EXPECT_EQ(logbook.flights[2].FLIGHT_NO, 2);
}

struct DaysSinceCase {
  DateTime flight;
  DateTime now;
  int days;
};

class DaysSinceLast : public StatisticsTest, public ::testing::WithParamInterface<DaysSinceCase> {};

TEST_P(DaysSinceLast, CountsWholeDaysFromTheLastFlyingDayRoundingHalvesToEven) {
  AddFlight(logbook, {.date = GetParam().flight, .glider = kPara});
  AddFlight(logbook, {.date = GetParam().flight - 20, .glider = kPara, .solo = false});
  Compute(GetParam().now);
  EXPECT_EQ(para.DAYS_SINCE_LAST, GetParam().days);
  EXPECT_EQ(hang.DAYS_SINCE_LAST, -1);
}

INSTANTIATE_TEST_SUITE_P(
    StatisticsTest, DaysSinceLast,
    ::testing::Values(DaysSinceCase{kMay5 + 0.9, kMay5 + 1 + 11.0 / 24, 1},  // yesterday, morning
                      DaysSinceCase{kMay5 + 0.9, kMay5 + 1.5, 2},            // yesterday, noon
                      DaysSinceCase{kMay5 + 0.1, kMay5 + 0.9, 1},            // today, evening
                      DaysSinceCase{kMay5 + 1.2, kMay5 + 11.0 / 24, -1},     // tomorrow, morning
                      DaysSinceCase{kMay5 + 1.2, kMay5 + 0.5, 0},            // tomorrow, noon
                      DaysSinceCase{kMay5 + 1.2, kMay5 + 0.75, 0}));

TEST_F(StatisticsTest, TheLastFlyingDayIsTheLaterOfSoloAndTandem) {
  AddFlight(logbook, {.date = kMay5 + 0.5, .solo = true});
  AddFlight(logbook, {.date = kMay5 + 8.5, .solo = false});
  Compute(kMay5 + 10.25);
  EXPECT_EQ(hang.DAYS_SINCE_LAST, 2);
}

// Day numbers are whole-day parts truncated toward zero; day 0 (1899-12-30) is a day like
// any other and never mistaken for "no day counted yet".
TEST_F(StatisticsTest, FlightsOnTheFirstCalendarDayAreCountedLikeAnyOther) {
  AddFlight(logbook, {.date = -1.25});  // day -1
  AddFlight(logbook, {.date = 0.25});   // day 0
  AddFlight(logbook, {.date = 0.75});   // day 0
  Compute(10.5);
  EXPECT_EQ(logbook.sites[0].FLYING_DAYS, 2);
  EXPECT_EQ(hang.DAYS_TOTAL, 2);
  EXPECT_EQ(hang.DAYS_SINCE_LAST, 10);
}

TEST(ComputeStatistics, WithoutASiteOrGliderSlotChangesNothing) {
  for (bool withSite : {false, true}) {
    Logbook logbook;
    if (withSite) logbook.sites.Append(test::MakeSite("Dunlap"));
    if (!withSite) logbook.gliders.Append(test::MakeGlider("Falcon", kOptionSet));
    int flight = AddFlight(logbook, {.date = kMay5});
    logbook.flights[flight].FLIGHT_NO = 44;
    logbook.totals[kHangGliding].FLIGHTS_SOLO = 9;
    logbook.totals[kParagliding].DAYS_SINCE_LAST = 3;
    RebuildFlightOrder(logbook);
    Logbook before = logbook;

    EXPECT_FALSE(ComputeStatistics(logbook, kJune1));
    EXPECT_EQ(logbook.flights, before.flights);
    EXPECT_EQ(logbook.sites, before.sites);
    EXPECT_EQ(logbook.gliders, before.gliders);
    EXPECT_EQ(logbook.totals, before.totals);
  }
}

}  // namespace
}  // namespace aloftra
