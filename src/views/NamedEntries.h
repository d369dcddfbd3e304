// Finding a glider or a site by name: from the name chosen in a list (exactly that text), or
// from a name typed or read from a file (the pages' duplicate rule: letter case ignored, a
// double quote read as an apostrophe). Both give the first live slot in table order.
#pragma once

#include <string>

#include "core/Logbook.h"

namespace aloftra {

// The slot index, or -1 when no live entry has the name.
int FirstLiveGliderNamed(const Logbook& logbook, const std::string& name);
int FirstLiveSiteNamed(const Logbook& logbook, const std::string& name);
int FirstLiveGliderLike(const Logbook& logbook, const std::string& name);
int FirstLiveSiteLike(const Logbook& logbook, const std::string& name);

}  // namespace aloftra
