#include "views/FlightOrders.h"

#include <cstdint>
#include <vector>

namespace aloftra {

namespace {

using Rows = std::vector<OrderRow>;
using Flights = RecordTable<FlightRecord>;

// Each column is kept in order, so the place of a flight is found by halving: the flights
// strictly after a given flight form the tail of any stretch of a column, and the flights
// strictly before it the head. Only the rows between the old and the new place are moved.

// The first position in [first, last) whose flight comes strictly after the given flight.
int FirstAfter(const Rows& rows, const Flights& flights, int key, const FlightRecord& flight,
               int first, int last) {
  while (first < last) {
    const int middle = first + (last - first) / 2;
    if (FlightBefore(flight, flights[rows[middle][key]], key)) {
      last = middle;
    } else {
      first = middle + 1;
    }
  }
  return first;
}

// The first position in [first, last) whose flight does not come strictly before the given
// flight.
int FirstNotBefore(const Rows& rows, const Flights& flights, int key, const FlightRecord& flight,
                   int first, int last) {
  while (first < last) {
    const int middle = first + (last - first) / 2;
    if (FlightBefore(flights[rows[middle][key]], flight, key)) {
      first = middle + 1;
    } else {
      last = middle;
    }
  }
  return first;
}

// The position of a flight in every column, found in one pass over the rows; -1 in a column
// that does not list it.
OrderPositions FindInEveryColumn(const Rows& rows, int flightIndex) {
  OrderPositions found = kNotInOrders;
  int missing = kSortKeys;
  const auto wanted = static_cast<std::int16_t>(flightIndex);
  for (int p = 0; p < static_cast<int>(rows.size()); ++p) {
    const OrderRow& row = rows[p];
    // Most rows hold the flight in no column; test them all at once.
    if ((row[0] == wanted) | (row[1] == wanted) | (row[2] == wanted) | (row[3] == wanted) |
        (row[4] == wanted)) {
      for (int key = 0; key < kSortKeys; ++key) {
        if (row[key] == wanted && found[key] < 0) {
          found[key] = p;
          --missing;
        }
      }
      if (missing == 0) break;
    }
  }
  return found;
}

// Moves the entry at position from to position to, shifting the rows between by one.
void MoveEntry(Rows& rows, int key, int from, int to) {
  const std::int16_t moving = rows[from][key];
  for (int p = from; p > to; --p) {
    rows[p][key] = rows[p - 1][key];
  }
  for (int p = from; p < to; ++p) {
    rows[p][key] = rows[p + 1][key];
  }
  rows[to][key] = moving;
}

// The new flight, already in the new last row, goes after every flight that is not after
// it, so after every flight with an equal key.
int InsertIntoColumn(Rows& rows, const Flights& flights, int key, int flightIndex) {
  const int last = static_cast<int>(rows.size()) - 1;
  rows[last][key] = static_cast<std::int16_t>(flightIndex);
  const int place = FirstAfter(rows, flights, key, flights[flightIndex], 0, last);
  MoveEntry(rows, key, last, place);
  return place;
}

// Toward the front past the flights strictly after it; failing that, toward the end past the
// flights strictly before it. Either way it never passes a flight with an equal key.
int ReplaceInColumn(Rows& rows, const Flights& flights, int key, int flightIndex, int p) {
  const FlightRecord& flight = flights[flightIndex];
  const int rowCount = static_cast<int>(rows.size());
  int place = FirstAfter(rows, flights, key, flight, 0, p);
  if (place == p) place = FirstNotBefore(rows, flights, key, flight, p + 1, rowCount) - 1;
  MoveEntry(rows, key, p, place);
  return place;
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
  Rows& rows = logbook.order.Rows();
  OrderPositions positions = FindInEveryColumn(rows, flightIndex);
  for (int key = 0; key < kSortKeys; ++key) {
    if (positions[key] >= 0) {
      positions[key] = ReplaceInColumn(rows, logbook.flights, key, flightIndex, positions[key]);
    }
  }
  return positions;
}

OrderPositions RemoveFromOrders(Logbook& logbook, int flightIndex) {
  Rows& rows = logbook.order.Rows();
  const OrderPositions found = FindInEveryColumn(rows, flightIndex);
  for (int position : found) {
    if (position < 0) return kNotInOrders;
  }
  const int last = static_cast<int>(rows.size()) - 1;
  for (int key = 0; key < kSortKeys; ++key) {
    MoveEntry(rows, key, found[key], last);
  }
  rows.pop_back();
  return kNotInOrders;
}

}  // namespace aloftra
