// Conversion between the units the pilot sees and the units the logbook stores: feet, mph,
// feet per minute, miles and pounds.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/Logbook.h"
#include "units/UnitChoice.h"

namespace aloftra {

enum class UnitDirection {
  kToStorage,   // a typed display value to the stored unit
  kForDisplay,  // a stored value to the display unit
};

// Reads the text leniently ("12abc" is 12, "abc" is 0), takes its absolute value unless
// isSigned, multiplies by the factor of the unit chosen for the kind and formats the result
// with the pattern of that unit and direction ("0", "0.0" or "0.00", halves away from zero).
// Each direction has its own factor, so a value sent there and back may move by one in its
// last digit.
std::string ConvertUnit(std::string_view text, UnitKind kind, UnitDirection direction,
                        bool isSigned, const UnitFlags& flags);

// A stored value as the pages show it: its text as the logbook file writes it, converted for
// display.
std::string DisplayStored(double stored, UnitKind kind, bool isSigned, const UnitFlags& flags);
// The number DisplayStored's text reads as, to the last bit, mostly worked out without
// forming the text: a large export converts every value of every flight.
double DisplayStoredNumber(double stored, UnitKind kind, bool isSigned, const UnitFlags& flags);

// A converted text as the value of a 16-bit integer field (altitudes, lift, sink): the
// nearest whole number, halves to the even neighbour; nullopt when it does not fit.
std::optional<std::int16_t> ToStoredInt16(std::string_view text);

// A converted text as the value of a single-precision field (speeds, distance, weights);
// nullopt when it is too large for a float.
std::optional<float> ToStoredSingle(std::string_view text);

}  // namespace aloftra
