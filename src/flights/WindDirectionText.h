// The text form of a set of wind directions, as the list views, the export and the printed
// reports show it: "ALL", "", or runs of neighbouring directions such as "N-NW, SE-ENE".
#pragma once

#include <string>

#include "core/Records.h"

namespace aloftra {

// Only a flag holding exactly 1 counts as set. Runs of consecutive directions (ESE is
// followed by E) are read counter-clockwise, as "first-last" or a single name, and listed in
// the order of their first direction, joined by ", ".
std::string WindDirectionText(const WindFlags& flags);

}  // namespace aloftra
