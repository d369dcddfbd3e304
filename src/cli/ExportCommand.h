// aloftra-cli export flights|sites|gliders LOGBOOK OUT: writes the comma-delimited file of
// that kind from the logbook, in the logbook's units, as File > Export Data does after the
// logbook is opened.
#pragma once

#include <ostream>
#include <string>

#include "core/FileSystem.h"
#include "core/Records.h"

namespace aloftra {

// Returns kCliOk, kCliFileFailure when the logbook cannot be read or the file written, or
// kCliUsage for an unknown kind; messages go to err.
int ExportCommand(FileSystem& fs, const std::string& kind, const std::string& logbookPath,
                  const std::string& outPath, DateTime now, std::ostream& err);

}  // namespace aloftra
