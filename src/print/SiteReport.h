// One site as a printed block: its name, location, altitudes, difficulty and wind rose, its
// description in a framed box and, when asked for, its statistics.
#pragma once

#include <string>

#include "core/Logbook.h"
#include "print/PrtCmds.h"

namespace aloftra {

inline constexpr const char* kSiteListTitle = "Site List";

// "Beginner - Advanced": the lowest level set, then the highest when it is higher.
std::string DifficultyRangeText(const SiteRecord& site);

void PrintSiteEntry(PrtCmds& prt, const Logbook& book, const SiteRecord& site, bool withStats);

}  // namespace aloftra
