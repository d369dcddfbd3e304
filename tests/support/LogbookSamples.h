// Logbooks for the tests of the logbook file and the tools built on it.
#pragma once

#include <string>

#include "core/Logbook.h"

namespace aloftra {

// A logbook with every field of every record set to a telling value (no two alike where
// that can be helped), a free slot in the middle of every table, text with commas, line
// breaks and accented letters, and complete flight orders that are deliberately not sorted,
// so a reader that re-sorts them is caught. With outside1252, some text holds characters
// that Windows-1252 lacks, so the file must be written in UTF-8.
Logbook TellingLogbook(bool outside1252 = false);

// The logbook stored in tests/data/logbook-small.log, saved at SmallLogbookSaveTime().
Logbook SmallLogbook();
DateTime SmallLogbookSaveTime();

// The bytes of a file in tests/data.
std::string TestDataFile(const std::string& name);

// Checks everything the logbook file holds: pilot, awards, totals, settings, every slot of
// every table and the flight orders.
void ExpectSameFileContent(const Logbook& expected, const Logbook& actual);

}  // namespace aloftra
