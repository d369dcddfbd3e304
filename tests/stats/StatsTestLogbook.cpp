#include "stats/StatsTestLogbook.h"

#include <algorithm>
#include <vector>

namespace aloftra::test {

int AddSite(Logbook& logbook, const std::string& name) {
  SiteRecord site;
  site.SITE_NAME = name;
  return logbook.sites.Append(site);
}

int AddGlider(Logbook& logbook, const std::string& name, Flag hangGlider) {
  GliderRecord glider;
  glider.GLIDER_NAME = name;
  glider.HANG_GLIDER = hangGlider;
  glider.PARAGLIDER = hangGlider != 0 ? 0 : kOptionSet;
  return logbook.gliders.Append(glider);
}

int AddFlight(Logbook& logbook, const NewFlight& values) {
  FlightRecord flight;
  flight.DATE = values.date;
  flight.AIRTIME = static_cast<std::int16_t>(values.airtime);
  flight.SITE_INDEX = static_cast<std::int16_t>(values.site);
  flight.GLIDER_INDEX = static_cast<std::int16_t>(values.glider);
  flight.SOLO = values.solo ? kOptionSet : 0;
  flight.TANDEM = values.solo ? 0 : kOptionSet;
  flight.NON_FLYING = values.nonFlying ? kFlagSet : 0;
  flight.MAX_MSL = static_cast<std::int16_t>(values.maxMsl);
  flight.OVER_LAUNCH = static_cast<std::int16_t>(values.overLaunch);
  flight.XC_DISTANCE = values.distance;
  return logbook.flights.Append(flight);
}

void FillOrders(Logbook& logbook) {
  std::vector<int> live;
  for (int i = 0; i < logbook.flights.SlotCount(); ++i) {
    if (logbook.flights.IsLive(i)) live.push_back(i);
  }
  auto& rows = logbook.order.Rows();
  rows.assign(live.size(), OrderRow{});
  for (int key = 0; key < kSortKeys; ++key) {
    std::vector<int> column = live;
    std::stable_sort(column.begin(), column.end(), [&](int a, int b) {
      return FlightBefore(logbook.flights[a], logbook.flights[b], key);
    });
    for (std::size_t p = 0; p < column.size(); ++p) {
      rows[p][key] = static_cast<std::int16_t>(column[p]);
    }
  }
}

}  // namespace aloftra::test
