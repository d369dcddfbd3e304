// One glider as a printed block: a framed table of four rows and the glider's notes in a
// framed box under it.
#pragma once

#include <string>

#include "core/Logbook.h"
#include "print/PrtCmds.h"

namespace aloftra {

inline constexpr const char* kGlidersTitle = "Gliders";

// "DHV: 2, AFNOR: Standard, AFNOR: Tandem": the highest DHV class set, then every AFNOR
// class set.
std::string GliderClassText(const GliderRecord& glider);

void PrintGliderEntry(PrtCmds& prt, const Logbook& book, const GliderRecord& glider);

}  // namespace aloftra
