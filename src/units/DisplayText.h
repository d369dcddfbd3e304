// Text forms of airtimes and counts as the pages, lists and reports show them.
#pragma once

#include <string>

namespace aloftra {

// Minutes as hours and minutes: 0 is empty, 59 is "0:59", 605 is "10:05", 3000 is "50:00".
// A negative airtime (only a damaged file or a negative previous-experience figure holds
// one) keeps its sign in front: -75 is "-1:15".
std::string FormatAirtime(long minutes);

// A count as its decimal digits; 0 is empty.
std::string FormatCount(long value);

}  // namespace aloftra
