// The values of the export files that are not stored as written: coded flags as text and as
// bit masks, the cross-country type's name, a date of manufacture in its short form, and
// measured values in the units the pilot has chosen.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/Logbook.h"
#include "units/UnitChoice.h"

namespace aloftra {

// Bit i set when wind direction i (0 E, 4 N, 12 S, counter-clockwise) is selected; as the
// text form of the directions, only a flag holding exactly 1 counts.
std::int32_t WindMask(const WindFlags& flags);

// "Beginner", "Novice - Advanced": the lowest level set, then the highest when it differs;
// "" when none is set.
std::string DifficultyText(const std::array<Flag, kDifficultyLevels>& levels);
// Bit 0 Beginner, 1 Novice, 2 Intermediate, 3 Advanced.
int DifficultyMask(const std::array<Flag, kDifficultyLevels>& levels);

// The first class set: "1", "1-2", "2", "2-3", "3"; "" for none.
const char* DhvText(const std::array<Flag, kDhvClasses>& classes);
// The first class set: "Standard", "Performance", "Competition", "Tandem"; "" for none.
const char* AfnorText(const std::array<Flag, kAfnorClasses>& classes);

// "Straight Line" (0), "Out-and-Return" (1), "Triangle" (2); "" for no type (-1) or any
// other value.
const char* CrossCountryTypeText(int type);

// The stored text as "m/d/yyyy" when it reads as a date (a time of day alone does not),
// else unchanged.
std::string ManufactureDateText(std::string_view stored);

// A stored measured value in the chosen display unit, rounded as the pages show it; the
// absolute value unless isSigned.
double ExportedMeasure(double stored, UnitKind kind, bool isSigned, const UnitFlags& flags);

}  // namespace aloftra
