#include "views/FlightOrders.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace aloftra {

namespace {

using Rows = std::vector<OrderRow>;
using Flights = RecordTable<FlightRecord>;

// The new flight starts in the new last row and the flights strictly after it move down one
// row each, so it comes to rest just below the last flight that is not after it.
int InsertIntoColumn(Rows& rows, const Flights& flights, int key, int flightIndex) {
  const FlightRecord& flight = flights[flightIndex];
  int p = static_cast<int>(rows.size()) - 1;
  while (p >= 1 && FlightBefore(flight, flights[rows[p - 1][key]], key)) {
    rows[p][key] = rows[p - 1][key];
    --p;
  }
  rows[p][key] = static_cast<std::int16_t>(flightIndex);
  return p;
}

int ReplaceInColumn(Rows& rows, const Flights& flights, int key, int flightIndex, int p) {
  const FlightRecord& flight = flights[flightIndex];
  const int last = static_cast<int>(rows.size()) - 1;
  while (p >= 1 && FlightBefore(flight, flights[rows[p - 1][key]], key)) {
    std::swap(rows[p][key], rows[p - 1][key]);
    --p;
  }
  while (p < last && FlightBefore(flights[rows[p + 1][key]], flight, key)) {
    std::swap(rows[p][key], rows[p + 1][key]);
    ++p;
  }
  return p;
}

void RemoveFromColumn(Rows& rows, int key, int position) {
  const int last = static_cast<int>(rows.size()) - 1;
  for (int p = position; p < last; ++p)
    rows[p][key] = rows[p + 1][key];
}

}  // namespace

OrderPositions InsertIntoOrders(Logbook& logbook, int flightIndex) {
  if (!logbook.flights.IsLive(flightIndex)) return kNotInOrders;
  Rows& rows = logbook.order.Rows();
  // Positions are 16-bit, and the flight table never holds more live flights than this.
  if (static_cast<int>(rows.size()) >= kMaxSlots) return kNotInOrders;

  rows.push_back(OrderRow{});
  OrderPositions positions{};
  for (int key = 0; key < kSortKeys; ++key) {
    positions[key] = InsertIntoColumn(rows, logbook.flights, key, flightIndex);
  }
  return positions;
}

OrderPositions ReplaceInOrders(Logbook& logbook, int flightIndex) {
  if (!logbook.flights.IsLive(flightIndex)) return kNotInOrders;
  OrderPositions positions{};
  for (int key = 0; key < kSortKeys; ++key) {
    int p = logbook.order.PositionOf(flightIndex, key);
    positions[key] =
        p < 0 ? -1 : ReplaceInColumn(logbook.order.Rows(), logbook.flights, key, flightIndex, p);
  }
  return positions;
}

OrderPositions RemoveFromOrders(Logbook& logbook, int flightIndex) {
  OrderPositions found{};
  for (int key = 0; key < kSortKeys; ++key) {
    found[key] = logbook.order.PositionOf(flightIndex, key);
    if (found[key] < 0) return kNotInOrders;
  }
  Rows& rows = logbook.order.Rows();
  for (int key = 0; key < kSortKeys; ++key)
    RemoveFromColumn(rows, key, found[key]);
  rows.pop_back();
  return kNotInOrders;
}

}  // namespace aloftra
