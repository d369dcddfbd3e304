// Keeping the five flight orders in step with the flight table. The orders are never sorted
// on demand: each new, changed or deleted flight is placed by one incremental step per column,
// and flights with equal keys stay in the order in which they were entered.
#pragma once

#include <array>

#include "core/FlightOrder.h"
#include "core/Logbook.h"

namespace aloftra {

// The position of one flight in each column, indexed by sort key; -1 where it is not listed.
using OrderPositions = std::array<int, kSortKeys>;

inline constexpr OrderPositions kNotInOrders = {-1, -1, -1, -1, -1};

// A new flight: the orders gain one row, and in every column the flight goes after every
// flight with an equal key. Returns its position in each column, or kNotInOrders with the
// orders untouched when the slot holds no live flight or the orders are full.
OrderPositions InsertIntoOrders(Logbook& logbook, int flightIndex);

// A changed flight: in every column it moves toward the front while it is strictly before
// the flight above it, then toward the end while the flight below it is strictly before it,
// so it keeps its place among flights with equal keys. Returns its position in each column
// (-1 in a column that does not list it, which is left alone).
OrderPositions ReplaceInOrders(Logbook& logbook, int flightIndex);

// A deleted flight: removed from every column, the flights below it move up one row and the
// last row is dropped; the others keep their relative order. Always returns kNotInOrders.
// When some column does not list the flight the orders are left untouched, since dropping
// a row would then lose another flight from that column.
OrderPositions RemoveFromOrders(Logbook& logbook, int flightIndex);

}  // namespace aloftra
