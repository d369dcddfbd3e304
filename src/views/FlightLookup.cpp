#include "views/FlightLookup.h"

namespace aloftra {

int PositionInCurrentOrder(const Logbook& logbook, int flightIndex) {
  return logbook.order.PositionOf(flightIndex, logbook.doc.SortKey);
}

bool MoveToFlight(Logbook& logbook, int flightIndex) {
  int position = PositionInCurrentOrder(logbook, flightIndex);
  if (position < 0) return false;
  logbook.doc.CurrentPosition = position;
  return true;
}

}  // namespace aloftra
