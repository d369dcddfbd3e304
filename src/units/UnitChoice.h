// Which unit the pilot has chosen for each kind of quantity, and the captions of the units.
// The choice lives in the logbook's unit flags, one flag per option button of the units
// dialog, so it travels with the logbook file.
#pragma once

#include <string>

#include "core/Logbook.h"

namespace aloftra {

// The kinds of measured quantity, numbered as the groups of the units dialog.
enum class UnitKind { kSpeed = 0, kAltitude = 1, kClimbRate = 2, kDistance = 3, kWeight = 4 };

// The button chosen in the group of a kind. Only a flag holding exactly 1 selects a unit;
// a group with no flag at 1 (a damaged file) falls back to its first button, which is the
// storage unit, and a group with two flags at 1 takes the first of them.
UnitButton ChosenUnit(UnitKind kind, const UnitFlags& flags);

// The caption of a button of the units dialog: "mph", "km/h", ... "AM/PM", "24-Hour".
const char* UnitButtonCaption(UnitButton button);

// The caption of the chosen unit of a kind: "mph", "km/h" or "knots"; "feet" or "m"; "fpm"
// or "m/s"; "miles" or "km"; "lbs" or "kg". These are the texts of the unit labels.
std::string UnitCaption(UnitKind kind, const UnitFlags& flags);

// The caption of the site page's altitude frame: "Altitude Info (feet)" or
// "Altitude Info (meters)".
std::string AltitudeInfoCaption(const UnitFlags& flags);

bool UsesMetres(const UnitFlags& flags);
// Times of day are shown on the 24-hour clock; otherwise with AM/PM (also when the
// time-of-day group has no flag at 1).
bool Uses24Hour(const UnitFlags& flags);
bool ClimbRateInFpm(const UnitFlags& flags);

}  // namespace aloftra
