#include "stats/StatisticsEngine.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "core/DateTime.h"
#include "core/Numbers.h"
#include "stats/BestFlights.h"
#include "stats/FlyingDayCounter.h"
#include "stats/Saturating.h"

namespace aloftra {

namespace {

void ResetSite(SiteRecord& site) {
  site.best = BestFlights{};
  site.FLYING_DAYS = 0;
  site.AVG_AIRTIME = 0;
  site.FLIGHTS = 0;
  site.TOTAL_AIRTIME = 0;
}

void ResetGlider(GliderRecord& glider) {
  glider.best = BestFlights{};
  glider.FLYING_DAYS = 0;
  glider.FLIGHTS = 0;
  glider.TOTAL_AIRTIME = 0;
}

// Everything but the three previous-experience figures, which the pilot enters.
void ResetTotals(PilotTotals& totals) {
  PilotTotals fresh;
  fresh.AIRTIME_PREV = totals.AIRTIME_PREV;
  fresh.DAYS_PREV = totals.DAYS_PREV;
  fresh.FLIGHTS_PREV = totals.FLIGHTS_PREV;
  totals = fresh;
}

// Whether a flight's glider makes it a hang-gliding flight; a glider index outside the
// table (a damaged file) counts as paragliding.
WingType WingTypeOf(const Logbook& logbook, int gliderIndex) {
  const bool hang =
      logbook.gliders.InRange(gliderIndex) && logbook.gliders[gliderIndex].HANG_GLIDER != 0;
  return hang ? kHangGliding : kParagliding;
}

struct WingWork {
  FlyingDayCounter allDays;
  FlyingDayCounter soloDays;
  FlyingDayCounter tandemDays;
  std::int16_t flightNumber = 0;
};

// The walk over the flights in date order with the working data it needs; the data is
// discarded when the recomputation ends.
class StatisticsWalk {
 public:
  explicit StatisticsWalk(Logbook& logbook)
      : logbook_(logbook),
        siteDays_(static_cast<std::size_t>(logbook.sites.SlotCount())),
        siteFlown_(static_cast<std::size_t>(logbook.sites.SlotCount())),
        gliderDays_(static_cast<std::size_t>(logbook.gliders.SlotCount())) {
    for (int wing : {kHangGliding, kParagliding}) {
      wings_[wing].flightNumber = logbook.totals[wing].FLIGHTS_PREV;
    }
  }

  void WalkInDateOrder() {
    for (int p = 0; p <= logbook_.LastPosition(); ++p) {
      int flightIndex = logbook_.order.At(p, kSortDate);
      if (logbook_.flights.IsLive(flightIndex)) CountFlight(flightIndex);
    }
  }

  void FinishSites() {
    for (int s = 0; s < logbook_.sites.SlotCount(); ++s) {
      SiteRecord& site = logbook_.sites[s];
      if (site.FLIGHTS > 0) {
        double average = static_cast<double>(site.TOTAL_AIRTIME) / site.FLIGHTS;
        site.AVG_AIRTIME = ClampToRange<std::int16_t>(RoundHalfEven(average), 0);
      }
      for (int wing : {kHangGliding, kParagliding}) {
        if (siteFlown_[s][wing]) AddOneSaturating(logbook_.totals[wing].SITES_FLOWN);
      }
    }
  }

  void CountGlidersFlown() {
    for (int g = 0; g < logbook_.gliders.SlotCount(); ++g) {
      if (logbook_.gliders[g].FLIGHTS >= 1) {
        AddOneSaturating(logbook_.totals[WingTypeOf(logbook_, g)].GLIDERS_FLOWN);
      }
    }
  }

  // Whole days from the last flying day of each wing type to now, rounded halves to even,
  // so a flight yesterday counts as 1 before noon and 2 from noon on; -1 when none. The
  // day counter of all flights holds the later of the solo and tandem last days.
  void SetDaysSinceLast(DateTime now) {
    for (int wing : {kHangGliding, kParagliding}) {
      const FlyingDayCounter& days = wings_[wing].allDays;
      if (!days.Counted()) continue;
      double sinceLast = RoundHalfEven(now - static_cast<double>(days.LastDay()));
      logbook_.totals[wing].DAYS_SINCE_LAST = ClampToRange<std::int32_t>(sinceLast, -1);
    }
  }

 private:
  void CountFlight(int flightIndex) {
    FlightRecord& flight = logbook_.flights[flightIndex];
    if (flight.IsNonFlying()) {
      flight.FLIGHT_NO = 0;
      return;
    }
    const long day = DayPart(flight.DATE);
    const bool siteKnown = logbook_.sites.InRange(flight.SITE_INDEX);
    if (siteKnown) CountAtSite(flight, flightIndex, day);

    const WingType wing = WingTypeOf(logbook_, flight.GLIDER_INDEX);
    AddOneSaturating(wings_[wing].flightNumber);
    flight.FLIGHT_NO = wings_[wing].flightNumber;

    if (logbook_.gliders.InRange(flight.GLIDER_INDEX)) CountWithGlider(flight, flightIndex, day);
    CountInTotals(flight, flightIndex, day, wing);
    if (siteKnown) siteFlown_[flight.SITE_INDEX][wing] = true;
  }

  void CountAtSite(const FlightRecord& flight, int flightIndex, long day) {
    SiteRecord& site = logbook_.sites[flight.SITE_INDEX];
    OfferBestFlight(site.best, logbook_.flights, flightIndex);
    if (siteDays_[flight.SITE_INDEX].Count(day)) AddOneSaturating(site.FLYING_DAYS);
    AddOneSaturating(site.FLIGHTS);
    AddSaturating(site.TOTAL_AIRTIME, flight.AIRTIME);
  }

  void CountWithGlider(const FlightRecord& flight, int flightIndex, long day) {
    GliderRecord& glider = logbook_.gliders[flight.GLIDER_INDEX];
    OfferBestFlight(glider.best, logbook_.flights, flightIndex);
    if (gliderDays_[flight.GLIDER_INDEX].Count(day)) AddOneSaturating(glider.FLYING_DAYS);
    AddOneSaturating(glider.FLIGHTS);
    AddSaturating(glider.TOTAL_AIRTIME, flight.AIRTIME);
  }

  void CountInTotals(const FlightRecord& flight, int flightIndex, long day, WingType wing) {
    PilotTotals& totals = logbook_.totals[wing];
    WingWork& work = wings_[wing];
    if (work.allDays.Count(day)) AddOneSaturating(totals.DAYS_TOTAL);
    if (flight.SOLO != 0) {
      if (work.soloDays.Count(day)) AddOneSaturating(totals.DAYS_SOLO);
      AddOneSaturating(totals.FLIGHTS_SOLO);
      AddSaturating(totals.AIRTIME_SOLO, flight.AIRTIME);
    } else {
      if (work.tandemDays.Count(day)) AddOneSaturating(totals.DAYS_TANDEM);
      AddOneSaturating(totals.FLIGHTS_TANDEM);
      AddSaturating(totals.AIRTIME_TANDEM, flight.AIRTIME);
    }
    OfferBestFlight(totals.best, logbook_.flights, flightIndex);
  }

  Logbook& logbook_;
  std::vector<FlyingDayCounter> siteDays_;
  std::vector<std::array<bool, 2>> siteFlown_;  // indexed by WingType
  std::vector<FlyingDayCounter> gliderDays_;
  std::array<WingWork, 2> wings_;
};

}  // namespace

bool ComputeStatistics(Logbook& logbook, DateTime now) {
  if (logbook.sites.Empty() || logbook.gliders.Empty()) return false;

  for (SiteRecord& site : logbook.sites)
    ResetSite(site);
  for (GliderRecord& glider : logbook.gliders)
    ResetGlider(glider);
  for (PilotTotals& totals : logbook.totals)
    ResetTotals(totals);

  StatisticsWalk walk(logbook);
  walk.WalkInDateOrder();
  walk.FinishSites();
  walk.CountGlidersFlown();
  walk.SetDaysSinceLast(now);
  return true;
}

}  // namespace aloftra
