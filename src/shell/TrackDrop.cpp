// Track files dropped onto a page window: the same batch as the import dialog's track files,
// with its defaults.
#include <filesystem>

#include "core/Ascii.h"
#include "exchange/frmImportTrackBatch.h"
#include "shell/App.h"

namespace aloftra {

namespace {

bool IsTrackFile(const std::string& path) {
  const std::string extension = std::filesystem::path(path).extension().string();
  return EqualsIgnoringCase(extension, ".igc");
}

}  // namespace

void App::ImportDroppedFiles(const std::vector<std::string>& paths) {
  std::vector<std::string> tracks;
  for (const std::string& path : paths) {
    if (IsTrackFile(path)) tracks.push_back(path);
  }
  if (tracks.empty()) return;
  ImportIgcFilesWithSummary(*this, tracks, DefaultIgcImportSettings(Book()), {});
}

}  // namespace aloftra
