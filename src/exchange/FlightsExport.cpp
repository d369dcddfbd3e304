// The flights file: one line per live flight in date order.
#include "core/DateTime.h"
#include "exchange/DelimitedItems.h"
#include "exchange/ExportFile.h"
#include "exchange/ExportValues.h"
#include "flights/WindDirectionText.h"

namespace aloftra {

namespace {

constexpr const char* kColumnNames[kFlightColumns] = {
    "FLIGHT_NO",   "DATE",        "TIME",        "NON_FLYING",  "HIGHLIGHT",
    "AIRTIME",     "SITE_NAME",   "GLIDER_NAME", "GLIDER_TYPE", "PLACES",
    "WIND_DIREC1", "WIND_DIREC2", "BASE_WIND",   "PEAK_WIND",   "MAX_LIFT",
    "MAX_SINK",    "TURBULENCE",  "LAUNCH_MSL",  "LANDING_MSL", "MAX_MSL",
    "OVER_LAUNCH", "XC_DISTANCE", "XC_TYPE",     "GPS_COORDS",  "REMARKS"};

// A line of a flight is about this long before its remarks and coordinates.
constexpr std::size_t kFixedLineLength = 160;

void WriteFlight(DelimitedWriter& out, const Logbook& book, const FlightRecord& flight) {
  const UnitFlags& units = book.UNIT_FLAGS;
  const bool nonFlying = flight.IsNonFlying();
  out.Integer(nonFlying ? 0 : flight.FLIGHT_NO);
  out.Text(FormatShortDate(flight.DATE));
  out.Text(FormatTime24(flight.DATE));
  out.Integer(nonFlying ? 1 : 0);
  out.Integer(flight.HIGHLIGHT != 0 ? 1 : 0);
  out.Integer(flight.AIRTIME);
  const SiteRecord* site = book.sites.Live(flight.SITE_INDEX);
  out.Text(site != nullptr ? site->SITE_NAME : "");
  const GliderRecord* glider = book.gliders.Live(flight.GLIDER_INDEX);
  out.Text(glider != nullptr ? glider->GLIDER_NAME : "");
  out.Text(glider != nullptr && glider->HANG_GLIDER != 0 ? "Hang Glider" : "Paraglider");
  out.Text(flight.SOLO != 0 ? "Solo" : "Tandem");
  out.Text(WindDirectionText(flight.WIND_FLAGS));
  out.Integer(WindMask(flight.WIND_FLAGS));
  out.Number(ExportedMeasure(flight.BASE_WIND, UnitKind::kSpeed, false, units));
  out.Number(ExportedMeasure(flight.PEAK_WIND, UnitKind::kSpeed, false, units));
  out.Number(ExportedMeasure(flight.MAX_LIFT, UnitKind::kClimbRate, false, units));
  out.Number(ExportedMeasure(flight.MAX_SINK, UnitKind::kClimbRate, false, units));
  out.Integer(flight.TURBULENCE);
  out.Number(ExportedMeasure(flight.LAUNCH_MSL, UnitKind::kAltitude, true, units));
  out.Number(ExportedMeasure(flight.LANDING_MSL, UnitKind::kAltitude, true, units));
  out.Number(ExportedMeasure(flight.MAX_MSL, UnitKind::kAltitude, true, units));
  out.Number(ExportedMeasure(flight.OVER_LAUNCH, UnitKind::kAltitude, true, units));
  out.Number(ExportedMeasure(flight.XC_DISTANCE, UnitKind::kDistance, false, units));
  out.Text(CrossCountryTypeText(flight.XC_TYPE));
  out.Text(flight.GPS_COORDS);
  out.Text(flight.REMARKS);
  out.EndLine();
}

}  // namespace

std::string FlightsExportText(const Logbook& book) {
  DelimitedWriter out(kFixedLineLength * static_cast<std::size_t>(book.order.RowCount() + 1));
  for (const char* name : kColumnNames)
    out.Text(name);
  out.EndLine();
  for (int position = 0; position <= book.LastPosition(); ++position) {
    const int slot = book.order.At(position, kSortDate);
    if (book.flights.IsLive(slot)) WriteFlight(out, book, book.flights[slot]);
  }
  return out.Finish();
}

}  // namespace aloftra
