// One notes topic printed: its name in bold, its text wrapped to the full width (lines
// starting "%%" as headings) and a thin rule under it.
#pragma once

#include "core/Records.h"
#include "print/PrtCmds.h"

namespace aloftra {

inline constexpr const char* kNotesTitle = "Notes";

void PrintNotesTopic(PrtCmds& prt, const NoteTopic& topic);

}  // namespace aloftra
