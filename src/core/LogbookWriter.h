// Writing a logbook as the text of a logbook file, version "1.3".
#pragma once

#include <optional>
#include <string>

#include "core/Logbook.h"

namespace aloftra {

// The records of the file as UTF-8 text, with the save time in the flight end record.
// nullopt when some record would be too long for the reader to take back.
std::optional<std::string> FormatLogbookText(const Logbook& book, DateTime saveTime);

// The bytes of the file: that text in Windows-1252 when every character fits, else UTF-8.
std::optional<std::string> FormatLogbookFile(const Logbook& book, DateTime saveTime);

}  // namespace aloftra
