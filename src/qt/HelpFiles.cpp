#include "qt/HelpFiles.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace aloftra::qt {

namespace {

bool IsFile(const std::string& path) {
  if (path.empty()) return false;
  QFileInfo info(QString::fromStdString(path));
  return info.exists() && info.isFile();
}

}  // namespace

std::optional<std::string> HelpFileToOpen(const std::string& requested,
                                          const std::vector<std::string>& bundled) {
  if (IsFile(requested)) return requested;
  for (const std::string& path : bundled) {
    if (IsFile(path)) return path;
  }
  return std::nullopt;
}

std::vector<std::string> BundledHelpFiles() {
  std::vector<std::string> paths;
  QString programFolder = QCoreApplication::applicationDirPath();
  if (!programFolder.isEmpty()) {
    paths.push_back((programFolder + QStringLiteral("/Aloftra.html")).toStdString());
    paths.push_back((programFolder + QStringLiteral("/help/Aloftra.html")).toStdString());
  }
#ifdef ALOFTRA_SOURCE_HELP
  paths.push_back(ALOFTRA_SOURCE_HELP);
#endif
  return paths;
}

}  // namespace aloftra::qt
