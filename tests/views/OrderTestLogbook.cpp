#include "views/OrderTestLogbook.h"

#include "views/FlightOrders.h"

namespace aloftra::test {

void SetKeys(FlightRecord& flight, const FlightKeys& keys) {
  flight.DATE = keys.date;
  flight.AIRTIME = static_cast<std::int16_t>(keys.airtime);
  flight.MAX_MSL = static_cast<std::int16_t>(keys.maxMsl);
  flight.OVER_LAUNCH = static_cast<std::int16_t>(keys.overLaunch);
  flight.XC_DISTANCE = keys.distance;
  flight.NON_FLYING = keys.nonFlying ? kFlagSet : 0;
}

int EnterFlight(Logbook& logbook, const FlightKeys& keys) {
  int slot = logbook.flights.TakeSlotForNewEntry();
  SetKeys(logbook.flights[slot], keys);
  InsertIntoOrders(logbook, slot);
  return slot;
}

std::vector<int> Column(const Logbook& logbook, int key) {
  std::vector<int> column;
  for (int p = 0; p <= logbook.LastPosition(); ++p)
    column.push_back(logbook.order.At(p, key));
  return column;
}

}  // namespace aloftra::test
