// The commands of aloftra-cli, kept out of main() so tests can run them.
//   aloftra-cli dump LOGBOOK     prints the logbook as JSON, statistics recomputed as Open does
//   aloftra-cli resave IN OUT    reads IN and saves it unchanged as version "1.3" to OUT
//   aloftra-cli igc FILE         prints the figures of the flight in a track file
//   aloftra-cli export flights|sites|gliders LOGBOOK OUT   writes an export file (ExportCommand.h)
//   aloftra-cli import flights|sites LOGBOOK FILE   imports through the pages and saves
//   aloftra-cli print REPORT LOGBOOK OUT.pdf [--all] [--site-stats]   a report as a PDF file
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "core/FileSystem.h"
#include "core/Logbook.h"
#include "core/LogbookReader.h"

namespace aloftra {

enum CliExit : int { kCliOk = 0, kCliFileFailure = 1, kCliUsage = 2 };

// Opens a logbook the way File > Open does: a new logbook, the path and document name, the
// load; after a failure the logbook is a new "Untitled" one again.
LogbookReadResult OpenLogbook(FileSystem& fs, const std::string& path, Logbook& book);

// Runs one command with its arguments (without the program name). Output goes to out, the
// program's messages to err; returns the exit code.
int RunCli(const std::vector<std::string>& args, FileSystem& fs, DateTime now, std::ostream& out,
           std::ostream& err);

// The local date and time of the machine's clock.
DateTime LocalNow();

}  // namespace aloftra
