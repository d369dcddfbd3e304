// The two lookups between the flight page's position and the flight records: position to
// record is Logbook::FlightAtPosition; these go the other way, in the column of the current
// sort key.
#pragma once

#include "core/Logbook.h"

namespace aloftra {

// The position of a flight in the column of the current sort key, or -1 when it is not listed.
int PositionInCurrentOrder(const Logbook& logbook, int flightIndex);

// Makes a flight the one the flight page shows: CurrentPosition becomes its position in the
// current column. Returns false and leaves CurrentPosition alone when the flight is not
// listed, so the page never points past the end of the orders.
bool MoveToFlight(Logbook& logbook, int flightIndex);

}  // namespace aloftra
