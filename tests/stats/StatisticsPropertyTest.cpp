// Random logbooks checked against a plain re-computation written for this test: sets of
// calendar days instead of last-day counters, first-maximum searches instead of pointer
// updates, rounding by the floating-point environment.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <set>
#include <vector>

#include "core/LogbookRepair.h"
#include "stats/StatisticsEngine.h"
#include "support/LogbookBuilder.h"

namespace aloftra {
namespace {

class RandomLogbook {
 public:
  explicit RandomLogbook(unsigned seed) : random_(seed) {}

  Logbook Make() {
    Logbook logbook;
    const int sites = Pick(1, 5);
    for (int s = 0; s < sites; ++s)
      logbook.sites.Append(test::MakeSite(Pick(0, 4) == 0 ? "" : "Site"));
    const int gliders = Pick(1, 4);
    for (int g = 0; g < gliders; ++g) {
      const Flag types[] = {0, 1, kOptionSet};
      logbook.gliders.Append(test::MakeGlider("Glider", types[Pick(0, 2)]));
    }
    logbook.totals[kHangGliding].FLIGHTS_PREV = static_cast<std::int16_t>(Pick(0, 300));
    logbook.totals[kParagliding].FLIGHTS_PREV = static_cast<std::int16_t>(Pick(0, 300));
    const int flights = Pick(0, 60);
    for (int f = 0; f < flights; ++f) {
      test::AddFlight(logbook,
                      {.date = Pick(0, 8) == 0 ? 0 : 37000 + Pick(0, 20) + Pick(0, 4) / 5.0,
                       .airtime = 10 * Pick(0, 6),
                       .site = Pick(0, 12) == 0 ? sites + 2 : Pick(0, sites - 1),
                       .glider = Pick(0, 12) == 0 ? -1 : Pick(0, gliders - 1),
                       .solo = Pick(0, 2) != 0,
                       .nonFlying = Pick(0, 6) == 0,
                       .maxMsl = 1000 * Pick(0, 4),
                       .overLaunch = 500 * Pick(-1, 3),
                       .distance = 0.5f * static_cast<float>(Pick(0, 4))});
    }
    // Solo or tandem is read from the SOLO flag alone; old files may hold 1 for a set option.
    for (FlightRecord& flight : logbook.flights) {
      if (Pick(0, 5) == 0) flight.SOLO = flight.SOLO != 0 ? kFlagSet : 0;
      if (Pick(0, 5) == 0) flight.TANDEM = 0;
    }
    RebuildFlightOrder(logbook);
    return logbook;
  }
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

 private:
  std::mt19937 random_;
};

// The flying entries of one group (a site, a glider, a wing type, ...) in date order.
using Group = std::vector<int>;

long Day(const FlightRecord& flight) {
  return static_cast<long>(std::trunc(flight.DATE));
}

int DistinctDays(const Logbook& logbook, const Group& group) {
  std::set<long> days;
  for (int f : group)
    days.insert(Day(logbook.flights[f]));
  return static_cast<int>(days.size());
}

int TotalAirtime(const Logbook& logbook, const Group& group) {
  int total = 0;
  for (int f : group)
    total += logbook.flights[f].AIRTIME;
  return total;
}

template <class Value>
int FirstLargest(const Logbook& logbook, const Group& group, Value FlightRecord::*field) {
  auto best = std::max_element(group.begin(), group.end(), [&](int a, int b) {
    return logbook.flights[a].*field < logbook.flights[b].*field;
  });
  return best == group.end() ? -1 : *best;
}

void ExpectBest(const Logbook& logbook, const Group& group, const BestFlights& best) {
  EXPECT_EQ(best.LONGEST_FLIGHT, FirstLargest(logbook, group, &FlightRecord::AIRTIME));
  EXPECT_EQ(best.HIGHEST_FLIGHT, FirstLargest(logbook, group, &FlightRecord::MAX_MSL));
  EXPECT_EQ(best.OVER_LAUNCH_FLIGHT, FirstLargest(logbook, group, &FlightRecord::OVER_LAUNCH));
  EXPECT_EQ(best.DISTANCE_FLIGHT, FirstLargest(logbook, group, &FlightRecord::XC_DISTANCE));
}

struct Expected {
  std::vector<Group> bySite, byGlider;
  Group wing[2], solo[2], tandem[2];
  std::vector<int> flightNumbers;
};

Expected Regroup(const Logbook& logbook) {
  Expected e;
  e.bySite.resize(static_cast<std::size_t>(logbook.sites.SlotCount()));
  e.byGlider.resize(static_cast<std::size_t>(logbook.gliders.SlotCount()));
  e.flightNumbers.assign(static_cast<std::size_t>(logbook.flights.SlotCount()), 0);
  Group byDate;
  for (int i = 0; i < logbook.flights.SlotCount(); ++i) {
    if (logbook.flights.IsLive(i)) byDate.push_back(i);
  }
  std::stable_sort(byDate.begin(), byDate.end(),
                   [&](int a, int b) { return logbook.flights[a].DATE < logbook.flights[b].DATE; });
  for (int f : byDate) {
    const FlightRecord& flight = logbook.flights[f];
    if (flight.NON_FLYING != 0) continue;
    const bool gliderKnown =
        flight.GLIDER_INDEX >= 0 && flight.GLIDER_INDEX < logbook.gliders.SlotCount();
    const int w = gliderKnown && logbook.gliders[flight.GLIDER_INDEX].HANG_GLIDER != 0 ? 0 : 1;
    if (flight.SITE_INDEX >= 0 && flight.SITE_INDEX < logbook.sites.SlotCount()) {
      e.bySite[flight.SITE_INDEX].push_back(f);
    }
    if (gliderKnown) e.byGlider[flight.GLIDER_INDEX].push_back(f);
    e.wing[w].push_back(f);
    (flight.SOLO != 0 ? e.solo[w] : e.tandem[w]).push_back(f);
    e.flightNumbers[f] = logbook.totals[w].FLIGHTS_PREV + static_cast<int>(e.wing[w].size());
  }
  return e;
}

void ExpectTotals(const Logbook& logbook, const Expected& e, int w, DateTime now) {
  const PilotTotals& totals = logbook.totals[w];
  EXPECT_EQ(totals.DAYS_TOTAL, DistinctDays(logbook, e.wing[w]));
  EXPECT_EQ(totals.DAYS_SOLO, DistinctDays(logbook, e.solo[w]));
  EXPECT_EQ(totals.DAYS_TANDEM, DistinctDays(logbook, e.tandem[w]));
  EXPECT_EQ(totals.FLIGHTS_SOLO, static_cast<int>(e.solo[w].size()));
  EXPECT_EQ(totals.FLIGHTS_TANDEM, static_cast<int>(e.tandem[w].size()));
  EXPECT_EQ(totals.AIRTIME_SOLO, TotalAirtime(logbook, e.solo[w]));
  EXPECT_EQ(totals.AIRTIME_TANDEM, TotalAirtime(logbook, e.tandem[w]));
  ExpectBest(logbook, e.wing[w], totals.best);

  int sitesFlown = 0;
  for (int s = 0; s < logbook.sites.SlotCount(); ++s) {
    sitesFlown += std::any_of(e.wing[w].begin(), e.wing[w].end(),
                              [&](int f) { return logbook.flights[f].SITE_INDEX == s; });
  }
  EXPECT_EQ(totals.SITES_FLOWN, sitesFlown);
  int glidersFlown = 0;
  for (int g = 0; g < logbook.gliders.SlotCount(); ++g) {
    const int type = logbook.gliders[g].HANG_GLIDER != 0 ? 0 : 1;
    glidersFlown += type == w && !e.byGlider[g].empty();
  }
  EXPECT_EQ(totals.GLIDERS_FLOWN, glidersFlown);

  long lastDay = -1;
  for (int f : e.wing[w])
    lastDay = std::max(lastDay, Day(logbook.flights[f]));
  EXPECT_EQ(totals.DAYS_SINCE_LAST,
            e.wing[w].empty()
                ? -1
                : static_cast<int>(std::nearbyint(now - static_cast<double>(lastDay))));
}

TEST(StatisticsProperty, AgreesWithAPlainRecomputationOnRandomLogbooks) {
  RandomLogbook random(4242);
  for (int round = 0; round < 300; ++round) {
    SCOPED_TRACE(round);
    Logbook logbook = random.Make();
    const DateTime now = 37010 + random.Pick(0, 40) / 4.0;
    ASSERT_TRUE(ComputeStatistics(logbook, now));
    const Expected e = Regroup(logbook);

    for (int f = 0; f < logbook.flights.SlotCount(); ++f) {
      if (logbook.flights.IsLive(f)) {
        EXPECT_EQ(logbook.flights[f].FLIGHT_NO, e.flightNumbers[f]) << "flight " << f;
      }
    }
    for (int s = 0; s < logbook.sites.SlotCount(); ++s) {
      const SiteRecord& site = logbook.sites[s];
      const Group& group = e.bySite[s];
      EXPECT_EQ(site.FLIGHTS, static_cast<int>(group.size()));
      EXPECT_EQ(site.FLYING_DAYS, DistinctDays(logbook, group));
      EXPECT_EQ(site.TOTAL_AIRTIME, TotalAirtime(logbook, group));
      EXPECT_EQ(site.AVG_AIRTIME,
                group.empty()
                    ? 0.0
                    : std::nearbyint(site.TOTAL_AIRTIME / static_cast<double>(group.size())));
      ExpectBest(logbook, group, site.best);
    }
    for (int g = 0; g < logbook.gliders.SlotCount(); ++g) {
      const GliderRecord& glider = logbook.gliders[g];
      EXPECT_EQ(glider.FLIGHTS, static_cast<int>(e.byGlider[g].size()));
      EXPECT_EQ(glider.FLYING_DAYS, DistinctDays(logbook, e.byGlider[g]));
      EXPECT_EQ(glider.TOTAL_AIRTIME, TotalAirtime(logbook, e.byGlider[g]));
      ExpectBest(logbook, e.byGlider[g], glider.best);
    }
    ExpectTotals(logbook, e, kHangGliding, now);
    ExpectTotals(logbook, e, kParagliding, now);
  }
}

}  // namespace
}  // namespace aloftra
