// Where the help comes from: the help file in the program folder when there is one, else
// the help that comes with the program (next to the program, or in the source tree it was
// built from).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace aloftra::qt {

// The first of the requested file and the bundled ones that exists.
std::optional<std::string> HelpFileToOpen(const std::string& requested,
                                          const std::vector<std::string>& bundled);
// The places the program's own help may be, in the order they are tried.
std::vector<std::string> BundledHelpFiles();

}  // namespace aloftra::qt
