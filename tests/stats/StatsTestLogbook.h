// Building logbooks for the statistics tests. Flights are written straight into the table and
// the orders are then filled by sorting, so these tests do not depend on the order routines.
#pragma once

#include <string>

#include "core/Logbook.h"

namespace aloftra::test {

struct NewFlight {
  DateTime date = 37000.5;
  int airtime = 60;
  int site = 0;
  int glider = 0;
  bool solo = true;
  bool nonFlying = false;
  int maxMsl = 5000;
  int overLaunch = 1000;
  float distance = 0;
};

int AddSite(Logbook& logbook, const std::string& name);
// hangGlider is the stored flag: 0 for a paraglider, 255 (or 1 from an old file) for a hang
// glider.
int AddGlider(Logbook& logbook, const std::string& name, Flag hangGlider);
// Adds the flight in a new slot at the end of the table.
int AddFlight(Logbook& logbook, const NewFlight& values);

// Fills the five orders with the live flights, each column stably sorted by its key, so
// flights with equal keys stand in slot order.
void FillOrders(Logbook& logbook);

}  // namespace aloftra::test
