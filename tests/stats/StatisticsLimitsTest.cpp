// The walk over damaged or extreme logbooks: indices outside their tables and counts or sums
// that would pass the limits of their fields.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "core/LogbookRepair.h"
#include "stats/Saturating.h"
#include "stats/StatisticsEngine.h"
#include "support/LogbookBuilder.h"

namespace aloftra {
namespace {

using test::AddFlight;

constexpr DateTime kMay5 = 37016;
constexpr std::int32_t kMaxSum = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMinSum = std::numeric_limits<std::int32_t>::min();

Logbook OneSiteOneHangGlider() {
  Logbook logbook;
  logbook.sites.Append(test::MakeSite("Dunlap"));
  logbook.gliders.Append(test::MakeGlider("Falcon", kOptionSet));
  return logbook;
}

struct BadIndexCase {
  int site;
  int glider;
  bool countsAtSite;
  WingType wing;
};

class BadIndex : public ::testing::TestWithParam<BadIndexCase> {};

TEST_P(BadIndex, SkipsOnlyThePartThatHasNoRecord) {
  const BadIndexCase& c = GetParam();
  Logbook logbook = OneSiteOneHangGlider();
  AddFlight(logbook, {.date = kMay5, .airtime = 40});
  int odd =
      AddFlight(logbook, {.date = kMay5 + 1, .airtime = 90, .site = c.site, .glider = c.glider});
  RebuildFlightOrder(logbook);
  ASSERT_TRUE(ComputeStatistics(logbook, kMay5 + 2));

  const bool gliderKnown = c.glider == 0;
  EXPECT_EQ(logbook.sites[0].FLIGHTS, c.countsAtSite ? 2 : 1);
  EXPECT_EQ(logbook.sites[0].TOTAL_AIRTIME, c.countsAtSite ? 130 : 40);
  EXPECT_EQ(logbook.gliders[0].FLIGHTS, gliderKnown ? 2 : 1);
  EXPECT_EQ(logbook.flights[odd].FLIGHT_NO, c.wing == kHangGliding ? 2 : 1);
  const PilotTotals& totals = logbook.totals[c.wing];
  EXPECT_EQ(totals.best.LONGEST_FLIGHT, odd);
  EXPECT_EQ(totals.DAYS_SINCE_LAST, 1);
  // The first flight flew hang gliding at the known site.
  EXPECT_EQ(totals.SITES_FLOWN, c.countsAtSite || c.wing == kHangGliding ? 1 : 0);
  EXPECT_EQ(logbook.totals[kParagliding].GLIDERS_FLOWN, 0);
}

INSTANTIATE_TEST_SUITE_P(
    ComputeStatistics, BadIndex,
    ::testing::Values(BadIndexCase{1, 0, false, kHangGliding},   // site just past the table
                      BadIndexCase{-1, 0, false, kHangGliding},  // negative site
                      BadIndexCase{0, 1, true, kParagliding},    // glider past the table
                      BadIndexCase{0, -5, true, kParagliding},   // negative glider
                      BadIndexCase{32767, 32767, false, kParagliding}));

TEST(ComputeStatistics, SkipsOrderEntriesThatAreNoLiveFlight) {
  Logbook logbook = OneSiteOneHangGlider();
  AddFlight(logbook, {.date = kMay5});
  RebuildFlightOrder(logbook);
  logbook.order.Rows().push_back({5, 5, 5, 5, 5});  // outside the flight table
  logbook.order.Rows().push_back({-3, -3, -3, -3, -3});
  int freed = AddFlight(logbook, {.date = 0});
  logbook.order.Rows().push_back({static_cast<std::int16_t>(freed), 0, 0, 0, 0});
  ASSERT_TRUE(ComputeStatistics(logbook, kMay5));
  EXPECT_EQ(logbook.sites[0].FLIGHTS, 1);
  EXPECT_EQ(logbook.totals[kHangGliding].FLIGHTS_SOLO, 1);
}

TEST(ComputeStatistics, FlightNumbersStopAt32767) {
  Logbook logbook = OneSiteOneHangGlider();
  logbook.totals[kHangGliding].FLIGHTS_PREV = 32760;
  for (int i = 0; i < 10; ++i)
    AddFlight(logbook, {.date = kMay5 + i});
  RebuildFlightOrder(logbook);
  ASSERT_TRUE(ComputeStatistics(logbook, kMay5 + 10));

  std::vector<int> numbers;
  for (const FlightRecord& flight : logbook.flights)
    numbers.push_back(flight.FLIGHT_NO);
  EXPECT_EQ(numbers, (std::vector<int>{32761, 32762, 32763, 32764, 32765, 32766, 32767, 32767,
                                       32767, 32767}));
  EXPECT_EQ(logbook.totals[kHangGliding].FLIGHTS_SOLO, 10);
  EXPECT_EQ(logbook.totals[kHangGliding].DAYS_TOTAL, 10);
}

// A full flight table of the longest flights gives sums far beyond 16 bits, still exact.
TEST(ComputeStatistics, AFullTableOfLongFlightsSumsExactly) {
  Logbook logbook = OneSiteOneHangGlider();
  logbook.flights.Reserve(kMaxSlots);
  for (int i = 0; i < kMaxSlots; ++i) {
    AddFlight(logbook, {.date = kMay5 + i / 3, .airtime = 32767, .solo = i % 2 == 0});
  }
  RebuildFlightOrder(logbook);
  ASSERT_TRUE(ComputeStatistics(logbook, kMay5));

  const std::int32_t total = 32767 * 32767;
  EXPECT_EQ(logbook.sites[0].TOTAL_AIRTIME, total);
  EXPECT_EQ(logbook.sites[0].FLIGHTS, 32767);
  EXPECT_EQ(logbook.sites[0].AVG_AIRTIME, 32767);
  EXPECT_EQ(logbook.sites[0].FLYING_DAYS, (kMaxSlots + 2) / 3);
  EXPECT_EQ(logbook.gliders[0].TOTAL_AIRTIME, total);
  const PilotTotals& hang = logbook.totals[kHangGliding];
  EXPECT_EQ(hang.AIRTIME_SOLO + hang.AIRTIME_TANDEM, total);
  EXPECT_EQ(hang.FLIGHTS_SOLO, 16384);
  EXPECT_EQ(logbook.flights[kMaxSlots - 1].FLIGHT_NO, 32767);
}

// An order that lists one flight over and over (a damaged file) drives every count and sum
// to its limit; the walk stops them there and finishes.
TEST(ComputeStatistics, CountsAndSumsStopAtTheirLimits) {
  for (int airtime : {32767, -32768}) {
    Logbook logbook = OneSiteOneHangGlider();
    int flight = AddFlight(logbook, {.date = kMay5, .airtime = airtime});
    logbook.order.Rows().assign(70000, OrderRow{});
    ASSERT_EQ(flight, 0);
    ASSERT_TRUE(ComputeStatistics(logbook, kMay5));

    const std::int32_t limit = airtime > 0 ? kMaxSum : kMinSum;
    const SiteRecord& site = logbook.sites[0];
    EXPECT_EQ(site.FLIGHTS, 32767);
    EXPECT_EQ(site.TOTAL_AIRTIME, limit);
    EXPECT_EQ(site.AVG_AIRTIME, airtime > 0 ? 32767 : -32768);
    EXPECT_EQ(logbook.gliders[0].TOTAL_AIRTIME, limit);
    EXPECT_EQ(logbook.totals[kHangGliding].AIRTIME_SOLO, limit);
    EXPECT_EQ(logbook.totals[kHangGliding].FLIGHTS_SOLO, 32767);
    EXPECT_EQ(logbook.flights[0].FLIGHT_NO, 32767);
  }
}

TEST(Saturating, StopsAtTheEndsOfTheRange) {
  EXPECT_EQ(Saturate<std::int16_t>(32767), 32767);
  EXPECT_EQ(Saturate<std::int16_t>(32768), 32767);
  EXPECT_EQ(Saturate<std::int16_t>(-40000), -32768);
  EXPECT_EQ(Saturate<std::int32_t>(std::int64_t{kMaxSum} + 1), kMaxSum);
  EXPECT_EQ(Saturate<std::int32_t>(std::int64_t{kMinSum} - 1), kMinSum);
  EXPECT_EQ(Saturate<std::int32_t>(-5), -5);

  EXPECT_EQ(ClampToRange<std::int16_t>(1e9, 0), 32767);
  EXPECT_EQ(ClampToRange<std::int16_t>(-1e9, 0), -32768);
  EXPECT_EQ(ClampToRange<std::int32_t>(std::numeric_limits<double>::quiet_NaN(), -1), -1);
}

}  // namespace
}  // namespace aloftra
