// A large, believable logbook for the benchmarks and for trying the tools on: a pilot who
// has logged the most flights a logbook holds over many years, at hundreds of sites, on
// hang gliders and paragliders, with remarks, cross-country flights and notes. The same
// seed always gives the same logbook.
#pragma once

#include "core/Logbook.h"

namespace aloftra {

struct LogbookShape {
  int flights = kMaxSlots;
  int sites = 400;
  int gliders = 160;
  int topics = 40;
  unsigned seed = 20010704;
  // Accented letters in the pilot's name and some sites (all in Windows-1252, so the file
  // is written in it); without them the whole file is ASCII.
  bool accented = true;
};

// Flights are live and in date order of entry, with times of day; a few sites and gliders
// are free slots, as deletions leave them. The flight orders are complete and sorted.
Logbook GenerateLogbook(const LogbookShape& shape = {});

}  // namespace aloftra
