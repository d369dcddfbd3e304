// Reading a logbook file of version "1.0" to "1.3" into a logbook.
#pragma once

#include <string>
#include <string_view>

#include "core/Logbook.h"

namespace aloftra {

enum class LogbookReadError {
  none,
  cannotOpen,      // unreadable, or not a logbook file this program can make sense of
  unknownVersion,  // a logbook file of a version this program does not read
};

struct LogbookReadResult {
  LogbookReadError error = LogbookReadError::none;
  // Where and why the reading stopped ("line 12: glider record: item 4 ..."), for the
  // command-line tool and tests; the pilot is shown the program's fixed messages instead.
  std::string detail;

  bool ok() const { return error == LogbookReadError::none; }
};

// Reads the bytes of a logbook file (UTF-8 or Windows-1252) into a logbook the caller has
// just reset. On success the flight page's position is the last row of the orders, the
// current glider, site and topic are the live entries with the highest index, and the
// document is made safe for the rest of the program (see RepairLoadedLogbook). On failure
// the logbook is left partly filled and the caller resets it. Whatever follows the order
// end record is ignored.
LogbookReadResult ReadLogbookFile(std::string_view bytes, Logbook& book);

// The same from text already decoded to UTF-8.
LogbookReadResult ReadLogbookText(std::string_view text, Logbook& book);

}  // namespace aloftra
