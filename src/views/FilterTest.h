// Whether one flight passes the program-wide filter.
#pragma once

#include "core/Logbook.h"
#include "views/FilterSettings.h"

namespace aloftra {

// The filter test of one flight slot: the date range (whole days, either way round) unless
// all dates pass; non-flying entries only when they are selected; for a flying entry its
// glider's wing type, solo or tandem, the chosen glider and site; highlighted entries only
// when asked; and, last, cross-country flights only when asked. A slot with no live flight
// fails.
bool FlightPassesFilter(const Logbook& logbook, const FilterSettings& filter, int flightIndex);

}  // namespace aloftra
