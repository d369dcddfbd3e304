// Start-up and the reset to a new logbook.
#include "core/FileSystem.h"
#include "core/SettingsFile.h"
#include "flights/frmAloftra.h"
#include "shell/App.h"

namespace aloftra {

namespace {

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
  placement_.PlaceAtDefault(Aloftra());
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

  if (documents_.LoadLogbook()) {
    ApplyUnitLabels();
    RecomputeStatistics();
  } else {
    InitNewLogbook();
  }
  placement_.PlaceRemembered(Aloftra(), left, top);
}

void App::InitNewLogbook() {
  logbook_.ResetToNew();
  ApplyUnitLabels();
  FilterOff();
  dialogs_.Get<DialogId::kFind>().Settings = FindSettings{};
  TellEveryPage(&Page::OnLogbookReset);
  documents_.SetSaveEnabled(false);
  documents_.UpdateCaption(false, true);
}

}  // namespace aloftra
