// Measured values as the reports print them: converted to the units the pilot has chosen
// and followed by the unit's text ("1200 feet", "3.5 m/s", "12 km/h").
#pragma once

#include <string>

#include "core/Logbook.h"
#include "units/UnitChoice.h"

namespace aloftra {

// The value with a blank and the unit's caption after it.
std::string WithUnit(const Logbook& book, double stored, UnitKind kind, bool isSigned);
// "mmm d, yyyy - h:mm AM/PM" or, on the 24-hour clock, "mmm d, yyyy - h:mm".
std::string ReportDateAndTime(const Logbook& book, DateTime when);

}  // namespace aloftra
