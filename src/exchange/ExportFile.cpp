#include "exchange/ExportFile.h"

#include <optional>

namespace aloftra {

std::string ExportText(const Logbook& book, ExportKind kind) {
  switch (kind) {
    case ExportKind::kSites:
      return SitesExportText(book);
    case ExportKind::kGliders:
      return GlidersExportText(book);
    case ExportKind::kFlights:
      break;
  }
  return FlightsExportText(book);
}

WriteResult WriteExportFile(FileSystem& fs, const std::string& path, const Logbook& book,
                            ExportKind kind) {
  // An export file is the pilot's to replace: no backup of an earlier one is kept.
  return WriteFileSafely(fs, path, ExportText(book, kind), std::optional<std::string>());
}

std::string CannotOpenFileMessage(const std::string& path) {
  return "Cannot open file '" + path + "'.";
}

}  // namespace aloftra
