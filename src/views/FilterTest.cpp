#include "views/FilterTest.h"

#include "core/DateTime.h"

namespace aloftra {

namespace {

bool InDateRange(const FilterSettings& filter, DateTime date) {
  long day = DayPart(date);
  long start = DayPart(filter.RangeStart);
  long end = DayPart(filter.RangeEnd);
  return (start <= day && day <= end) || (end <= day && day <= start);
}

bool FlyingEntryPasses(const Logbook& logbook, const FilterSettings& filter,
                       const FlightRecord& flight) {
  const auto& flags = filter.Flags;
  if (const GliderRecord* glider = logbook.gliders.Live(flight.GLIDER_INDEX)) {
    if (flags[kFilterHangGlider] == 0 && glider->HANG_GLIDER != 0) return false;
    if (flags[kFilterParaglider] == 0 && glider->PARAGLIDER != 0) return false;
  }
  if (flags[kFilterSolo] == 0 && flight.SOLO != 0) return false;
  if (flags[kFilterTandem] == 0 && flight.TANDEM != 0) return false;
  if (filter.GliderIndex >= 0 && flight.GLIDER_INDEX != filter.GliderIndex) return false;
  if (filter.SiteIndex >= 0 && flight.SITE_INDEX != filter.SiteIndex) return false;
  return true;
}

}  // namespace

bool FlightPassesFilter(const Logbook& logbook, const FilterSettings& filter, int flightIndex) {
  const FlightRecord* flight = logbook.flights.Live(flightIndex);
  if (flight == nullptr) return false;
  const auto& flags = filter.Flags;
  if (flags[kFilterAllDates] == 0 && !InDateRange(filter, flight->DATE)) return false;
  if (flags[kFilterNonFlying] == 0 && flight->IsNonFlying()) return false;
  if (!flight->IsNonFlying() && !FlyingEntryPasses(logbook, filter, *flight)) return false;
  if (flags[kFilterHighlightedOnly] != 0 && flight->HIGHLIGHT == 0) return false;
  if (flags[kFilterCrossCountryOnly] != 0) return flight->XC_DISTANCE != 0;
  return true;
}

}  // namespace aloftra
