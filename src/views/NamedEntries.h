// Finding a glider or a site from the name chosen in a list: the first live slot, in table
// order, whose name is exactly that text.
#pragma once

#include <string>

#include "core/Logbook.h"

namespace aloftra {

// The slot index, or -1 when no live entry has the name.
int FirstLiveGliderNamed(const Logbook& logbook, const std::string& name);
int FirstLiveSiteNamed(const Logbook& logbook, const std::string& name);

}  // namespace aloftra
