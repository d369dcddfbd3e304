// One flight entry as a printed block: a framed table of one row (non-flying entries) or
// four, and the remarks in a framed box under it.
#pragma once

#include "core/Logbook.h"
#include "print/PrtCmds.h"

namespace aloftra {

// Prints at the pen and leaves the pen a little below the block.
void PrintFlightEntry(PrtCmds& prt, const Logbook& book, const FlightRecord& flight);

}  // namespace aloftra
