// The pilot summary printed whole: the pilot's data, then for hang gliding and for
// paragliding (each only when flown on at least one day) the ratings, the awards, the best
// flights and the table of days, flights and airtime.
#pragma once

#include <string>

#include "core/Logbook.h"
#include "print/PrtCmds.h"

namespace aloftra {

// The ratings held in one wing type's block, each followed by ", ".
std::string RatingsText(const PilotInfo& pilot, WingType wing);
// "Lilienthal - Bronze, Silver, " and "Cross-Country Flight - 50 mile, ", empty when none held.
std::string LilienthalText(const PilotInfo& pilot, WingType wing);
std::string CrossCountryAwardText(const PilotInfo& pilot, WingType wing);

void PrintPilotSummary(PrtCmds& prt, const Logbook& book);

}  // namespace aloftra
