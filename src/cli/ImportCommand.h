// aloftra-cli import flights|sites LOGBOOK FILE: the File menu's import run without a window on
// a logbook, which is then saved (with its backup, as Save does). The program's messages go
// to the error stream as they are raised; the exit code tells whether the import file was
// read to its end and the logbook saved.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "core/FileSystem.h"
#include "core/Records.h"

namespace aloftra {

// kind: "flights" or "sites". Returns a CliExit code.
int RunImportCommand(const std::string& kind, const std::string& logbookPath,
                     const std::string& importPath, FileSystem& fs, DateTime now, std::ostream& out,
                     std::ostream& err);

// aloftra-cli import igc LOGBOOK FILE... [--glider NAME] [--site NAME] [--utc-offset +hh:mm]:
// the track files typed into the flight page without a window, with the glider their type
// names (else NAME, else the shown flight's), the site NAME (else the shown flight's) and the
// offset (else the file's zone, else the computer's); the logbook is then saved. args are the
// words after "igc". Exit code 1 when any file was refused.
int RunIgcImportCommand(const std::vector<std::string>& args, FileSystem& fs, DateTime now,
                        std::ostream& out, std::ostream& err);

}  // namespace aloftra
