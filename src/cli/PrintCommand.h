// aloftra-cli print REPORT LOGBOOK OUT.pdf [--all] [--site-stats]: one of the five reports
// written into a PDF file, laid out as the print dialog prints it.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "core/FileSystem.h"
#include "core/Records.h"

namespace aloftra {

// args are those after "print". Returns the program's exit code.
int PrintCommand(const std::vector<std::string>& args, FileSystem& fs, DateTime now,
                 std::ostream& err);

}  // namespace aloftra
