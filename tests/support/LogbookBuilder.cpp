#include "support/LogbookBuilder.h"

namespace aloftra::test {

FlightRecord MakeFlight(const FlightValues& values) {
  FlightRecord flight;
  flight.DATE = values.date;
  flight.AIRTIME = static_cast<std::int16_t>(values.airtime);
  flight.SITE_INDEX = static_cast<std::int16_t>(values.site);
  flight.GLIDER_INDEX = static_cast<std::int16_t>(values.glider);
  flight.SOLO = values.solo ? kOptionSet : 0;
  flight.TANDEM = values.solo ? 0 : kOptionSet;
  flight.MAX_MSL = static_cast<std::int16_t>(values.maxMsl);
  flight.OVER_LAUNCH = static_cast<std::int16_t>(values.overLaunch);
  flight.XC_DISTANCE = values.distance;
  flight.NON_FLYING = values.nonFlying ? kFlagSet : 0;
  return flight;
}

GliderRecord MakeGlider(const std::string& name, Flag hangGlider, bool tandem) {
  GliderRecord glider;
  glider.GLIDER_NAME = name;
  glider.HANG_GLIDER = hangGlider;
  glider.PARAGLIDER = hangGlider != 0 ? 0 : kOptionSet;
  glider.SOLO = tandem ? 0 : kOptionSet;
  glider.TANDEM = tandem ? kOptionSet : 0;
  return glider;
}

SiteRecord MakeSite(const std::string& name, const std::string& location, std::int16_t launch,
                    std::int16_t landing) {
  SiteRecord site;
  site.SITE_NAME = name;
  site.LOCATION = location;
  site.LAUNCH_MSL = launch;
  site.LANDING_MSL = landing;
  return site;
}

int AddFlight(Logbook& logbook, const FlightValues& values) {
  return logbook.flights.Append(MakeFlight(values));
}

std::vector<int> Column(const Logbook& logbook, int key) {
  std::vector<int> column;
  for (int position = 0; position < logbook.order.RowCount(); ++position)
    column.push_back(logbook.order.At(position, key));
  return column;
}

Logbook GlidersAndSites() {
  Logbook book;
  book.gliders.Append(MakeGlider("Falcon", kOptionSet));
  book.gliders.Append(MakeGlider("Mentor", 0));
  book.sites.Append(MakeSite("Point", "Utah", 1200, 100));
  book.sites.Append(MakeSite("Dunes", "Oregon", 300, 0));
  return book;
}

}  // namespace aloftra::test
