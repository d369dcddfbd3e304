#include "stats/StatisticsEngine.h"

#include <array>
#include <cstdint>
#include <vector>

#include "core/DateTime.h"
#include "core/Numbers.h"
#include "stats/BestFlights.h"
#include "stats/FlightTally.h"
#include "stats/Saturating.h"

namespace aloftra {

namespace {

struct SiteWork {
  FlightTally tally;
  BestFlightTracker best;
  std::array<bool, 2> flown{};  // indexed by WingType
};

struct GliderWork {
  FlightTally tally;
  BestFlightTracker best;
  WingType wing = kParagliding;
};

struct WingWork {
  FlightTally all;
  FlightTally solo;
  FlightTally tandem;
  BestFlightTracker best;
  std::int64_t flightNumber = 0;
  std::int64_t sitesFlown = 0;
  std::int64_t glidersFlown = 0;
};

void StoreSite(SiteRecord& site, const SiteWork& work) {
  const FlightTally& tally = work.tally;
  site.best = work.best.Pointers();
  site.FLYING_DAYS = Saturate<std::int16_t>(tally.days);
  site.FLIGHTS = Saturate<std::int16_t>(tally.flights);
  site.TOTAL_AIRTIME = Saturate<std::int32_t>(tally.airtime);
  site.AVG_AIRTIME = 0;
  if (tally.flights > 0) {
    double average = static_cast<double>(tally.airtime) / static_cast<double>(tally.flights);
    site.AVG_AIRTIME = ClampToRange<std::int16_t>(RoundHalfEven(average), 0);
  }
}

void StoreGlider(GliderRecord& glider, const GliderWork& work) {
  glider.best = work.best.Pointers();
  glider.FLYING_DAYS = Saturate<std::int16_t>(work.tally.days);
  glider.FLIGHTS = Saturate<std::int16_t>(work.tally.flights);
  glider.TOTAL_AIRTIME = Saturate<std::int32_t>(work.tally.airtime);
}

// Whole days from the last flying day to now, rounded halves to even, so a flight yesterday
// counts as 1 before noon and 2 from noon on; -1 when there is none. The day counter of all
// flights holds the later of the solo and tandem last days.
std::int32_t DaysSinceLast(const FlyingDayCounter& days, DateTime now) {
  if (!days.Counted()) return -1;
  return ClampToRange<std::int32_t>(RoundHalfEven(now - static_cast<double>(days.LastDay())), -1);
}

// Every derived figure; the three previous-experience figures are the pilot's and stay.
void StoreTotals(PilotTotals& totals, const WingWork& work, DateTime now) {
  totals.AIRTIME_SOLO = Saturate<std::int32_t>(work.solo.airtime);
  totals.AIRTIME_TANDEM = Saturate<std::int32_t>(work.tandem.airtime);
  totals.DAYS_SOLO = Saturate<std::int16_t>(work.solo.days);
  totals.DAYS_TANDEM = Saturate<std::int16_t>(work.tandem.days);
  totals.DAYS_TOTAL = Saturate<std::int16_t>(work.all.days);
  totals.best = work.best.Pointers();
  totals.FLIGHTS_SOLO = Saturate<std::int16_t>(work.solo.flights);
  totals.FLIGHTS_TANDEM = Saturate<std::int16_t>(work.tandem.flights);
  totals.GLIDERS_FLOWN = Saturate<std::int16_t>(work.glidersFlown);
  totals.SITES_FLOWN = Saturate<std::int16_t>(work.sitesFlown);
  totals.DAYS_SINCE_LAST = DaysSinceLast(work.all.dayCounter, now);
}

// The walk over the flights in date order with the working data it needs. Everything is
// counted in the working data and stored into the records once the walk is done.
class StatisticsWalk {
 public:
  explicit StatisticsWalk(Logbook& logbook)
      : logbook_(logbook),
        flightCount_(logbook.flights.SlotCount()),
        siteCount_(logbook.sites.SlotCount()),
        gliderCount_(logbook.gliders.SlotCount()),
        sites_(static_cast<std::size_t>(siteCount_)),
        gliders_(static_cast<std::size_t>(gliderCount_)) {
    for (int g = 0; g < gliderCount_; ++g) {
      gliders_[g].wing = WingTypeOf(logbook.gliders, g);
    }
    for (int wing : {kHangGliding, kParagliding}) {
      wings_[wing].flightNumber = logbook.totals[wing].FLIGHTS_PREV;
    }
  }

  void WalkInDateOrder() {
    for (const OrderRow& row : logbook_.order.Rows()) {
      const int flightIndex = row[kSortDate];
      if (Within(flightIndex, flightCount_) && !logbook_.flights[flightIndex].IsFree()) {
        CountFlight(flightIndex);
      }
    }
  }

  void Store(DateTime now) {
    for (int s = 0; s < siteCount_; ++s) {
      StoreSite(logbook_.sites[s], sites_[s]);
      for (int wing : {kHangGliding, kParagliding}) {
        wings_[wing].sitesFlown += sites_[s].flown[wing];
      }
    }
    for (int g = 0; g < gliderCount_; ++g) {
      StoreGlider(logbook_.gliders[g], gliders_[g]);
      if (gliders_[g].tally.flights >= 1) ++wings_[gliders_[g].wing].glidersFlown;
    }
    for (int wing : {kHangGliding, kParagliding}) {
      StoreTotals(logbook_.totals[wing], wings_[wing], now);
    }
  }

 private:
  // Indices of a damaged file may point outside their tables.
  static bool Within(int index, int count) { return index >= 0 && index < count; }

  void CountFlight(int flightIndex) {
    FlightRecord& flight = logbook_.flights[flightIndex];
    if (flight.IsNonFlying()) {
      flight.FLIGHT_NO = 0;
      return;
    }
    const long day = FlightDay(flight.DATE);
    const int s = flight.SITE_INDEX;
    const int g = flight.GLIDER_INDEX;
    const bool gliderKnown = Within(g, gliderCount_);
    const WingType wingType = gliderKnown ? gliders_[g].wing : kParagliding;
    WingWork& wing = wings_[wingType];

    if (Within(s, siteCount_)) {
      sites_[s].tally.Count(flight, day);
      sites_[s].best.Offer(flight, flightIndex);
      sites_[s].flown[wingType] = true;
    }
    flight.FLIGHT_NO = Saturate<std::int16_t>(++wing.flightNumber);
    if (gliderKnown) {
      gliders_[g].tally.Count(flight, day);
      gliders_[g].best.Offer(flight, flightIndex);
    }
    wing.all.Count(flight, day);
    (flight.SOLO != 0 ? wing.solo : wing.tandem).Count(flight, day);
    wing.best.Offer(flight, flightIndex);
  }

  Logbook& logbook_;
  const int flightCount_;
  const int siteCount_;
  const int gliderCount_;
  std::vector<SiteWork> sites_;
  std::vector<GliderWork> gliders_;
  std::array<WingWork, 2> wings_;
};

}  // namespace

// Whether a glider makes its flights hang-gliding flights; a glider index outside the table
// (a damaged file) counts as paragliding.
WingType WingTypeOf(const RecordTable<GliderRecord>& gliders, int gliderIndex) {
  const bool hang = gliders.InRange(gliderIndex) && gliders[gliderIndex].HANG_GLIDER != 0;
  return hang ? kHangGliding : kParagliding;
}

bool ComputeStatistics(Logbook& logbook, DateTime now) {
  if (logbook.sites.Empty() || logbook.gliders.Empty()) return false;
  StatisticsWalk walk(logbook);
  walk.WalkInDateOrder();
  walk.Store(now);
  return true;
}

}  // namespace aloftra
