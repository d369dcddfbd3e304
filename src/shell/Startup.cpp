// Start-up and the reset to a new logbook.
#include "core/FileSystem.h"
#include "core/SettingsFile.h"
#include "flights/frmAloftra.h"
#include "shell/App.h"

namespace aloftra {

namespace {

constexpr int kDefaultWindowLeft = 500;
constexpr int kDefaultWindowTop = 500;

// The logbook path given on the command line: a path without any "." is given ".log".
std::string LogbookPathFromCommandLine(const std::string& commandLine) {
  if (commandLine.find('.') == std::string::npos) return commandLine + ".log";
  return commandLine;
}

}  // namespace

std::string App::ProgramFolderFile(const std::string& fileName) const {
  const std::string& folder = logbook_.doc.programFolder;
  if (folder.empty()) return fileName;
  char last = folder.back();
  return (last == '/' || last == '\\') ? folder + fileName : folder + "/" + fileName;
}

std::string App::SettingsFilePath() const {
  return ProgramFolderFile(kSettingsFileName);
}

void App::Start(const std::string& commandLine, const std::string& currentDirectory) {
  commandLine_ = commandLine;
  logbook_.doc.programFolder = currentDirectory;
  Aloftra().Show();
}

void App::StartUp() {
  InitNewLogbook();
  Aloftra().Move(kDefaultWindowLeft, kDefaultWindowTop);
  logbook_.doc.COLOR_MODE = 1;
  ApplyColorMode();

  long left = 0;
  long top = 0;
  if (!commandLine_.empty()) {
    logbook_.doc.filePath = LogbookPathFromCommandLine(commandLine_);
    logbook_.doc.documentName = DocumentNameFromPath(commandLine_);
  } else {
    std::optional<std::string> bytes = fileSystem_.ReadFile(SettingsFilePath());
    std::optional<StartupSettings> settings;
    if (bytes) settings = ParseSettingsFile(*bytes);
    // The first run has no settings file: the new logbook stays, without a word.
    if (!settings) return;
    logbook_.doc.filePath = settings->logbookPath;
    logbook_.doc.documentName = settings->documentName;
    left = settings->left;
    top = settings->top;
    logbook_.doc.COLOR_MODE = settings->colorMode;
    ApplyColorMode();
  }

  if (LoadLogbook()) {
    ApplyUnitLabels();
    RecomputeStatistics();
  } else {
    InitNewLogbook();
  }

  if (left > 0 && left < 10000) Aloftra().Move(static_cast<int>(left), Aloftra().Top());
  if (top > 0 && top < 7000) Aloftra().Move(Aloftra().Left(), static_cast<int>(top));
}

void App::InitNewLogbook() {
  logbook_.ResetToNew();
  ApplyUnitLabels();
  FilterOff();
  Aloftra().ResetForNewLogbook();
  SetSaveEnabled(false);
  UpdateCaption(false, true);
}

}  // namespace aloftra
