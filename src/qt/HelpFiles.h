// Where the help comes from: the help file in the program folder when there is one, else
// the help that comes with the program, looked for beside the program, in the data folder
// it was installed into, in the desktop's data folders, and last in the source tree it was
// built from.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace aloftra::qt {

// The folders the program's own help may lie in.
struct HelpFolders {
  std::string programFolder;             // the executable's folder
  std::string installedDataFolder;       // share/aloftra under the install prefix
  std::vector<std::string> dataFolders;  // the desktop's (XDG) data folders, most personal first
  std::string sourceHelp;                // the help file in the source tree, when known
};

// The first of the requested file and the bundled ones that exists.
std::optional<std::string> HelpFileToOpen(const std::string& requested,
                                          const std::vector<std::string>& bundled);
// The places the program's own help may be, in the order they are tried.
std::vector<std::string> HelpFilePlaces(const HelpFolders& folders);
// Those places on this computer.
std::vector<std::string> BundledHelpFiles();

}  // namespace aloftra::qt
