// How far an import has gone, as the dialog shows it while the pages fill.
#pragma once

#include <string>

namespace aloftra {

// A count with its thousands separated by commas: 1234567 is "1,234,567".
std::string WithThousands(long value);
// "Importing 1,234 of 10,000..."; "Importing 12..." when the total is not known (below 0).
std::string ImportProgressText(long done, long total);

}  // namespace aloftra
