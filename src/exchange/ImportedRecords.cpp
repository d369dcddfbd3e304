#include "exchange/ImportedRecords.h"

#include <array>
#include <string_view>

#include "exchange/TypedItems.h"

namespace aloftra {

namespace {

constexpr std::size_t kImportFlightItems = 17;

constexpr std::array<std::string_view, 25> kFlightsExportColumns = {
    "FLIGHT_NO",   "DATE",        "TIME",        "NON_FLYING",  "HIGHLIGHT",
    "AIRTIME",     "SITE_NAME",   "GLIDER_NAME", "GLIDER_TYPE", "PLACES",
    "WIND_DIREC1", "WIND_DIREC2", "BASE_WIND",   "PEAK_WIND",   "MAX_LIFT",
    "MAX_SINK",    "TURBULENCE",  "LAUNCH_MSL",  "LANDING_MSL", "MAX_MSL",
    "OVER_LAUNCH", "XC_DISTANCE", "XC_TYPE",     "GPS_COORDS",  "REMARKS"};

constexpr std::array<std::string_view, 13> kSitesColumns = {
    "SITE_NAME",   "LOCATION",      "LAUNCH_MSL",  "LANDING_MSL", "DIFFICULTY1",
    "DIFFICULTY2", "WIND_DIREC1",   "WIND_DIREC2", "DESCRIPTION", "FLYING_DAYS",
    "FLIGHTS",     "TOTAL_AIRTIME", "URL"};

constexpr std::array<std::string_view, 3> kCrossCountryTypes = {"Straight Line", "Out-and-Return",
                                                                "Triangle"};

// Whether the record is exactly the first `count` names, each quoted and without blanks.
template <std::size_t N>
bool IsColumnLine(const std::vector<DelimitedItem>& items,
                  const std::array<std::string_view, N>& names, std::size_t count) {
  if (items.size() != count) return false;
  for (std::size_t k = 0; k < count; ++k) {
    const DelimitedItem& item = items[k];
    if (!item.quoted || item.padded || item.text != names[k]) return false;
  }
  return true;
}

bool Finish(const TypedItems& typed, std::string& problem) {
  if (typed.Ok()) return true;
  problem = typed.Problem();
  return false;
}

bool ReadImportItems(const std::vector<DelimitedItem>& items, ImportedFlight& flight,
                     std::string& problem) {
  TypedItems typed(items, kImportFlightItems);
  typed.Text(flight.date);
  typed.Text(flight.time);
  typed.Text(flight.airtime);
  typed.Text(flight.site);
  typed.Text(flight.glider);
  typed.Text(flight.gliderType);
  typed.Int32(flight.windMask);
  typed.Single(flight.baseWind);
  typed.Single(flight.peakWind);
  typed.Single(flight.maxLift);
  typed.Single(flight.maxSink);
  typed.Int16(flight.turbulence);
  typed.Single(flight.launch);
  typed.Single(flight.landing);
  typed.Single(flight.maxMsl);
  typed.Single(flight.distance);
  typed.Text(flight.remarks);
  return Finish(typed, problem);
}

bool ReadFlightsExport(const std::vector<DelimitedItem>& items, ImportedFlight& flight,
                       std::string& problem) {
  TypedItems typed(items, kFlightsExportColumns.size());
  std::int16_t nonFlying = 0;
  std::int16_t highlight = 0;
  std::int16_t airtime = 0;
  std::string places;
  std::string xcType;
  typed.Int16(flight.flightNo);  // derived again; it tells where the numbers started
  typed.Text(flight.date);
  typed.Text(flight.time);
  typed.Int16(nonFlying);
  typed.Int16(highlight);
  typed.Int16(airtime);
  typed.Text(flight.site);
  typed.Text(flight.glider);
  typed.Text(flight.gliderType);
  typed.Text(places);
  typed.Skip();  // the wind directions as text; the mask says the same
  typed.Int32(flight.windMask);
  typed.Single(flight.baseWind);
  typed.Single(flight.peakWind);
  typed.Single(flight.maxLift);
  typed.Single(flight.maxSink);
  typed.Int16(flight.turbulence);
  typed.Single(flight.launch);
  typed.Single(flight.landing);
  typed.Single(flight.maxMsl);
  typed.Single(flight.overLaunch);
  typed.Single(flight.distance);
  typed.Text(xcType);
  typed.Text(flight.gpsCoords);
  typed.Text(flight.remarks);
  if (!Finish(typed, problem)) return false;

  flight.fullDetails = true;
  flight.nonFlying = nonFlying != 0;
  flight.highlight = highlight != 0;
  // The export writes whole minutes; the airtime box reads a plain number as minutes.
  flight.airtime = std::to_string(airtime);
  flight.tandem = places != "Solo";
  flight.xcType = -1;
  for (std::size_t k = 0; k < kCrossCountryTypes.size(); ++k) {
    if (xcType == kCrossCountryTypes[k]) flight.xcType = static_cast<std::int16_t>(k);
  }
  return true;
}

}  // namespace

bool IsFlightsExportHeader(const std::vector<DelimitedItem>& items) {
  return IsColumnLine(items, kFlightsExportColumns, kFlightsExportColumns.size());
}

SiteListVersion SiteListVersionOf(const std::vector<DelimitedItem>& items) {
  if (IsColumnLine(items, kSitesColumns, kSitesColumns.size())) return SiteListVersion::kCurrent;
  if (IsColumnLine(items, kSitesColumns, kSitesColumns.size() - 1)) {
    return SiteListVersion::kWithoutUrl;
  }
  return SiteListVersion::kUnknown;
}

bool ReadImportedFlight(const std::vector<DelimitedItem>& items, FlightFileLayout layout,
                        ImportedFlight& out, std::string& problem) {
  ImportedFlight flight;
  bool ok = layout == FlightFileLayout::kFlightsExport ? ReadFlightsExport(items, flight, problem)
                                                       : ReadImportItems(items, flight, problem);
  if (ok) out = std::move(flight);
  return ok;
}

bool ReadImportedSite(const std::vector<DelimitedItem>& items, SiteListVersion version,
                      ImportedSite& out, std::string& problem) {
  if (version == SiteListVersion::kUnknown) {
    problem = "unknown site list version";
    return false;
  }
  const bool withUrl = version == SiteListVersion::kCurrent;
  TypedItems typed(items, withUrl ? kSitesColumns.size() : kSitesColumns.size() - 1);
  ImportedSite site;
  std::int16_t flyingDays = 0;
  std::int16_t flights = 0;
  std::int32_t totalAirtime = 0;
  typed.Text(site.name);
  typed.Text(site.location);
  typed.Single(site.launch);
  typed.Single(site.landing);
  typed.Skip();  // the difficulty as text; the mask says the same
  typed.Int16(site.difficultyMask);
  typed.Skip();  // the wind directions as text
  typed.Int32(site.windMask);
  typed.Text(site.description);
  // The statistics are read to check them, and derived again from the flights.
  typed.Int16(flyingDays);
  typed.Int16(flights);
  typed.Int32(totalAirtime);
  if (withUrl) typed.Text(site.url);
  if (!Finish(typed, problem)) return false;
  out = std::move(site);
  return true;
}

}  // namespace aloftra
