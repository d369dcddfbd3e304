// Building small logbooks for the flight order tests: flights are entered the way the flight
// page enters them, into the lowest free slot and then into the five orders.
#pragma once

#include <vector>

#include "core/Logbook.h"

namespace aloftra::test {

struct FlightKeys {
  DateTime date = 37000.5;
  int airtime = 60;
  int maxMsl = 5000;
  int overLaunch = 1000;
  float distance = 0;
  bool nonFlying = false;
};

// Stores the sort-key values in a flight record.
void SetKeys(FlightRecord& flight, const FlightKeys& keys);

// Enters a new flight and inserts it into the orders; returns its slot.
int EnterFlight(Logbook& logbook, const FlightKeys& keys);

// The flight indices of one column, position 0 first.
std::vector<int> Column(const Logbook& logbook, int key);

}  // namespace aloftra::test
