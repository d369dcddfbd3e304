// The best-flight pointers that sites, gliders and the pilot totals keep: the longest, the
// highest, the greatest height over launch and the longest distance.
#pragma once

#include "core/RecordTable.h"
#include "core/Records.h"

namespace aloftra {

// Offers a flight to each of the four pointers along a walk in date order. A pointer takes it
// when it has no flight yet or when the flight's value is strictly greater than that of the
// flight it points at, so of equal values the earlier flight stays. Every pointer must be -1
// or a slot of the flight table.
void OfferBestFlight(BestFlights& best, const RecordTable<FlightRecord>& flights, int flightIndex);

}  // namespace aloftra
