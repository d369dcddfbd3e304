// The program's version, shown by the about box and by --version, and given to the package.
#pragma once

namespace aloftra {

inline constexpr const char* kProgramVersion = "1.3c";

}  // namespace aloftra
