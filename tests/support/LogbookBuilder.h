// Building logbooks for tests: records holding the values a test names and the record's
// defaults elsewhere. Nothing here needs the flight order routines of src/views, so every
// test program can use it; a test fills the orders with RebuildFlightOrder, a stable sort,
// or, when it tests them, with the order routines themselves.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Logbook.h"

namespace aloftra::test {

struct FlightValues {
  DateTime date = 37000.5;  // 2001-04-18, noon: a live flight
  int airtime = 60;
  int site = 0;
  int glider = 0;
  bool solo = true;  // else tandem
  bool nonFlying = false;
  int maxMsl = 0;
  int overLaunch = 0;
  float distance = 0;
};

FlightRecord MakeFlight(const FlightValues& values);
// hangGlider is the stored flag: kOptionSet for a hang glider, 0 for a paraglider, 1 for a
// hang glider as older files hold it.
GliderRecord MakeGlider(const std::string& name, Flag hangGlider, bool tandem = false);
SiteRecord MakeSite(const std::string& name, const std::string& location = "",
                    std::int16_t launch = 0, std::int16_t landing = 0);

// Adds the flight in a new slot at the end of the table, free slots before it staying free
// (a date of 0 adds a free slot), and returns the slot. The orders are left alone.
int AddFlight(Logbook& logbook, const FlightValues& values);

// The flight indices of one order column, position 0 first.
std::vector<int> Column(const Logbook& logbook, int key);

// A hang glider "Falcon" (slot 0), a paraglider "Mentor", and the sites "Point" (Utah,
// launch 1200 ft, landing 100 ft) and "Dunes" (Oregon, launch 300 ft).
Logbook GlidersAndSites();

}  // namespace aloftra::test
