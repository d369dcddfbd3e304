// Following symbolic links to the file they lead to, so that a save replaces that file and
// leaves the links as they are (a pilot who links the logbook into a synchronised folder).
#pragma once

#include <string>
#include <vector>

#include "core/FileSystem.h"

namespace aloftra {

struct ResolvedPath {
  bool ok = false;
  std::string path;                // the final target, or path itself when it is no link
  std::vector<std::string> links;  // every link followed on the way, the path first
  std::string detail;              // what went wrong, when not ok
};

// Follows path through any chain of symbolic links. A relative link is read relative to the
// folder that holds it. A path that names nothing is fine (a first save), but a link whose
// target does not exist is a failure: writing there would create a file the pilot never
// chose. A loop of links, or a name that cannot be inspected, fails too.
ResolvedPath ResolveSymbolicLinks(FileSystem& fs, const std::string& path);

}  // namespace aloftra
