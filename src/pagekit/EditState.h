// The state of the entry an editing page shows: as stored, edited, new, or being filled by
// the program itself (whose change events the page ignores).
#pragma once

#include <cstdint>

namespace aloftra {

enum class EditState : std::uint8_t { kClean = 0, kModified = 1, kNew = 2, kFilling = 3 };

}  // namespace aloftra
