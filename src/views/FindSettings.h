// What the find dialog and the Search menu's Find Next remember between searches. One set
// for the whole program, not saved with the logbook: every new or opened logbook starts
// with these values.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/Records.h"

namespace aloftra {

enum FindFlag : int {
  kFindHangGlider = 0,
  kFindParaglider = 1,
  kFindNonFlying = 2,
  kFindMatchCase = 3,
};
inline constexpr int kFindFlagCount = 4;

struct FindSettings {
  std::array<Flag, kFindFlagCount> SearchFlags{1, 1, 1, 0};
  std::string SearchString;
  // The position in the date order at which the next search starts.
  std::int16_t ResumePosition = 0;
};

}  // namespace aloftra
