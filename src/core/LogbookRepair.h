// Making a logbook read from a file safe for the rest of the program. A file written by this
// program never needs it, but a file damaged or edited by hand may hold orders that miss or
// repeat flights and best-flight pointers that name no flight.
#pragma once

#include "core/Logbook.h"

namespace aloftra {

// Whether the orders hold one row per live flight and each column lists every live flight
// exactly once.
bool FlightOrderIsComplete(const Logbook& book);

// Rebuilds all five columns of the orders from the flights: each a stable sort of the live
// flights by FlightBefore, flights with equal keys in slot order.
void RebuildFlightOrder(Logbook& book);

// Sets to -1 every best-flight pointer of the sites, the gliders and both pilot totals that
// does not name a live flight.
void ClearStaleBestFlights(Logbook& book);

// After a successful read: rebuilds incomplete orders, clears stale best-flight pointers,
// puts the flight page on the last row of the orders and makes the live glider, site and
// topic with the highest index the current ones. Flights' glider and site indices and the
// statistics are kept as read (the statistics are recomputed by the caller).
void RepairLoadedLogbook(Logbook& book);

}  // namespace aloftra
