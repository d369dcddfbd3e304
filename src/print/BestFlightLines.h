// The best-flight lines of the site statistics and of the pilot summary: "Longest Flight
// (May 5, 2001):" with its airtime, the highest flight, the highest over launch and, when
// there was one, the greatest distance.
#pragma once

#include <string>
#include <vector>

#include "core/Logbook.h"
#include "print/PrtCmds.h"

namespace aloftra {

struct LabelledValue {
  std::string label;
  std::string value;
};

// The lines of the flights that exist, in that order.
std::vector<LabelledValue> BestFlightLines(const Logbook& book, const BestFlights& best);

// Prints each line at the pen's line: the label at x, the value at valueX.
void PrintLabelledLines(PrtCmds& prt, const std::vector<LabelledValue>& lines, double x,
                        double valueX);

}  // namespace aloftra
