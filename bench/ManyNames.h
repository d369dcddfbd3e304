// Names the way a large logbook's glider or site lists hold them: in no order, mixed case,
// some of them equal. The same count always gives the same names.
#pragma once

#include <string>
#include <vector>

namespace aloftra {

std::vector<std::string> ManyNames(int count, unsigned seed = 1903);

}  // namespace aloftra
