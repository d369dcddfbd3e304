#include "qt/HelpFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace aloftra::qt {

namespace {

constexpr const char* kHelpFile = "Aloftra.html";

bool IsFile(const std::string& path) {
  if (path.empty()) return false;
  QFileInfo info(QString::fromStdString(path));
  return info.exists() && info.isFile();
}

std::string Joined(const std::string& folder, const std::string& name) {
  return QDir::cleanPath(QString::fromStdString(folder + "/" + name)).toStdString();
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

std::vector<std::string> HelpFilePlaces(const HelpFolders& folders) {
  std::vector<std::string> paths;
  if (!folders.programFolder.empty()) {
    paths.push_back(Joined(folders.programFolder, kHelpFile));
    paths.push_back(Joined(folders.programFolder, std::string("help/") + kHelpFile));
    // An installed program finds its data beside its bin folder, wherever the tree was put.
    paths.push_back(Joined(folders.programFolder, std::string("../share/aloftra/") + kHelpFile));
  }
  if (!folders.installedDataFolder.empty()) {
    paths.push_back(Joined(folders.installedDataFolder, kHelpFile));
  }
  for (const std::string& folder : folders.dataFolders) {
    if (!folder.empty()) paths.push_back(Joined(folder, std::string("aloftra/") + kHelpFile));
  }
  if (!folders.sourceHelp.empty()) paths.push_back(folders.sourceHelp);
  return paths;
}

std::vector<std::string> BundledHelpFiles() {
  HelpFolders folders;
  folders.programFolder = QCoreApplication::applicationDirPath().toStdString();
#ifdef ALOFTRA_INSTALLED_DATA
  folders.installedDataFolder = ALOFTRA_INSTALLED_DATA;
#endif
  for (const QString& folder :
       QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
    folders.dataFolders.push_back(folder.toStdString());
#ifdef ALOFTRA_SOURCE_HELP
  folders.sourceHelp = ALOFTRA_SOURCE_HELP;
#endif
  return HelpFilePlaces(folders);
}

}  // namespace aloftra::qt
