// The wind rose of a printed site: sixteen sectors, grey for the directions the site suits,
// a white hub and the letters of the four main directions round it.
#pragma once

#include "core/Records.h"
#include "print/PrtCmds.h"

namespace aloftra {

inline constexpr Color kSuitableWindGrey = Rgb(128, 128, 128);

void PrintSiteWindRose(PrtCmds& prt, double centreX, double centreY, double radius,
                       const WindFlags& flags);

}  // namespace aloftra
