#include "core/SymbolicLinks.h"

#include <utility>

namespace aloftra {

namespace {

// The limit the system itself puts on a chain of links; beyond it there is a loop.
constexpr int kMaxLinks = 40;

// Where a link's text points, seen from where the link is.
std::string LinkTarget(const std::string& link, const std::string& text) {
  if (!text.empty() && text.front() == '/') return text;
  std::size_t slash = link.find_last_of('/');
  return slash == std::string::npos ? text : link.substr(0, slash + 1) + text;
}

ResolvedPath Failure(ResolvedPath resolved, std::string detail) {
  resolved.ok = false;
  resolved.detail = std::move(detail);
  return resolved;
}

}  // namespace

ResolvedPath ResolveSymbolicLinks(FileSystem& fs, const std::string& path) {
  ResolvedPath resolved;
  resolved.path = path;
  for (;;) {
    Entry entry = fs.InspectEntry(resolved.path);
    switch (entry.kind) {
      case EntryKind::other:
        resolved.ok = true;
        return resolved;
      case EntryKind::absent:
        if (!resolved.links.empty()) return Failure(resolved, "the link's target does not exist");
        resolved.ok = true;
        return resolved;
      case EntryKind::unknown:
        return Failure(resolved, "cannot tell whether the file is a link");
      case EntryKind::symbolicLink:
        break;
    }
    if (entry.linkText.empty()) return Failure(resolved, "the link is empty");
    if (static_cast<int>(resolved.links.size()) == kMaxLinks) {
      return Failure(resolved, "too many links in a row");
    }
    resolved.links.push_back(resolved.path);
    resolved.path = LinkTarget(resolved.path, entry.linkText);
  }
}

}  // namespace aloftra
