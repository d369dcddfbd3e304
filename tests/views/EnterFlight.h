// Entering flights for the tests of the order routines the way the flight page enters them,
// through the routine under test.
#pragma once

#include "support/LogbookBuilder.h"
#include "views/FlightOrders.h"

namespace aloftra::test {

// Stores a new flight in the lowest free slot, inserts it into the orders and returns its slot.
inline int EnterFlight(Logbook& logbook, const FlightValues& values) {
  const int slot = logbook.flights.TakeSlotForNewEntry();
  logbook.flights[slot] = MakeFlight(values);
  InsertIntoOrders(logbook, slot);
  return slot;
}

}  // namespace aloftra::test
