#include "flights/WindDirectionText.h"

#include <algorithm>

#include "core/Logbook.h"

namespace aloftra {

namespace {

bool IsSet(const WindFlags& flags, int index) {
  return flags[static_cast<std::size_t>((index + kWindPoints) % kWindPoints)] == kFlagSet;
}

// The last direction of the run that begins at first, following the wrap from ESE to E.
int RunEnd(const WindFlags& flags, int first) {
  int last = first;
  while (IsSet(flags, last + 1))
    ++last;
  return last % kWindPoints;
}

}  // namespace

std::string WindDirectionText(const WindFlags& flags) {
  int setCount = static_cast<int>(
      std::count_if(flags.begin(), flags.end(), [](Flag flag) { return flag == kFlagSet; }));
  if (setCount == kWindPoints) return "ALL";

  std::string text;
  for (int first = 0; first < kWindPoints; ++first) {
    if (!IsSet(flags, first) || IsSet(flags, first - 1)) continue;
    int last = RunEnd(flags, first);
    if (!text.empty()) text += ", ";
    text += kWindNames[static_cast<std::size_t>(first)];
    if (last != first) {
      text += "-";
      text += kWindNames[static_cast<std::size_t>(last)];
    }
  }
  return text;
}

}  // namespace aloftra
