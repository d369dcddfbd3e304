// The File menu's document commands, the save question and the caption that shows the
// document's name and whether it has unsaved changes.
#include "core/DateTime.h"
#include "core/LogbookFile.h"
#include "core/SafeFileWriter.h"
#include "core/SettingsFile.h"
#include "flights/frmAloftra.h"
#include "shell/App.h"
#include "pagekit/Page.h"

namespace aloftra {

namespace {

constexpr const char* kLogbookFilter = "Aloftra Files (*.log)|*.log";
constexpr int kFileDialogFlags = 4100;  // the file must exist; no read-only box

FileDialogOptions LogbookDialog(const char* title) {
  FileDialogOptions options;
  options.title = title;
  options.filter = kLogbookFilter;
  options.defaultExtension = ".log";
  options.flags = kFileDialogFlags;
  return options;
}

// Keeps the hourglass up for the length of a command, however it ends.
class BusyPointer {
 public:
  explicit BusyPointer(Platform& platform) : platform_(platform) { platform_.SetBusy(true); }
  ~BusyPointer() { platform_.SetBusy(false); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  Platform& platform_;
};

// Another program wrote the logbook's file since it was opened or saved: it is overwritten
// only when the pilot says so.
bool MayOverwrite(Platform& platform, FileSystem& fs, const Logbook& book) {
  if (!ChangedOnDisk(fs, book)) return true;
  return platform.MsgBox(ChangedOnDiskQuestion(book.doc.documentName), MsgBoxButtons::kYesNo,
                         MsgBoxIcon::kExclamation, kProgramTitle) == MsgBoxAnswer::kYes;
}

}  // namespace

void App::FileCommand(int item) {
  switch (item) {
    case kFileNew:
      NewCommand();
      break;
    case kFileOpen:
      OpenCommand();
      break;
    case kFileSave:
      SaveCommand();
      break;
    case kFileSaveAs:
      SaveAsCommand();
      break;
    case kFileImport:
      OpenDialog(*DialogNamed("frmImport"));
      break;
    case kFileExport:
      OpenDialog(*DialogNamed("frmExport"));
      break;
    case kFilePrint:
      OpenDialog(*DialogNamed("frmPrint"));
      break;
    case kFileExit:
      ExitCommand();
      break;
    default:
      break;
  }
}

void App::UpdateCaption(bool modified, bool force) {
  if (modified == logbook_.doc.modified && !force) return;
  logbook_.doc.modified = modified;
  std::string caption = std::string("Aloftra - ") + logbook_.doc.documentName;
  if (modified) caption += "*";
  for (Page* page : Pages())
    page->SetCaption(caption);
}

void App::SetSaveEnabled(bool enabled) {
  for (Page* page : Pages())
    page->FileMenu.Item(kFileSave).enabled = enabled;
}

SaveAnswer App::SavePrompt() {
  if (!logbook_.doc.modified) return SaveAnswer::kNothingToSave;
  MsgBoxAnswer answer =
      platform_.MsgBox("Do you want to save changes to " + logbook_.doc.documentName + "?",
                       MsgBoxButtons::kYesNoCancel, MsgBoxIcon::kExclamation, "Save Changes");
  if (answer == MsgBoxAnswer::kNo) return SaveAnswer::kNo;
  if (answer != MsgBoxAnswer::kYes) return SaveAnswer::kCancel;
  if (!logbook_.doc.filePath.empty()) {
    SaveCommand();
  } else {
    SaveAsCommand();
  }
  // A failed or cancelled save leaves the changes unsaved: the command that asked stops.
  return logbook_.doc.modified ? SaveAnswer::kCancel : SaveAnswer::kYes;
}

void App::NewCommand() {
  if (SavePrompt() == SaveAnswer::kCancel) return;
  InitNewLogbook();
}

void App::OpenCommand() {
  if (SavePrompt() == SaveAnswer::kCancel) return;
  std::optional<std::string> path = platform_.OpenFileDialog(LogbookDialog("Open"));
  if (!path) return;
  BusyPointer busy(platform_);
  InitNewLogbook();
  logbook_.doc.filePath = *path;
  logbook_.doc.documentName = DocumentNameFromPath(*path);
  if (LoadLogbook()) {
    ApplyUnitLabels();
    RecomputeStatistics();
  } else {
    InitNewLogbook();
  }
}

void App::SaveCommand() {
  if (logbook_.doc.filePath.empty()) return;
  if (!MayOverwrite(platform_, fileSystem_, logbook_)) return;
  BusyPointer busy(platform_);
  StorePilotInfo();
  SaveLogbook();
}

void App::SaveAsCommand() {
  std::optional<std::string> path = platform_.SaveFileDialog(LogbookDialog("Save As"));
  if (!path) return;
  // Saving over the open logbook's own file is a Save, with its question.
  if (*path == logbook_.doc.filePath && !MayOverwrite(platform_, fileSystem_, logbook_)) return;
  logbook_.doc.filePath = *path;
  logbook_.doc.documentName = DocumentNameFromPath(*path);
  BusyPointer busy(platform_);
  StorePilotInfo();
  if (SaveLogbook()) {
    SetSaveEnabled(true);
  } else {
    // The logbook stays in memory, still modified, and no longer claims the chosen name;
    // Save goes back to disabled since there is no path to save to.
    logbook_.doc.filePath.clear();
    logbook_.doc.diskStamp.reset();
    logbook_.doc.documentName = "Untitled";
    SetSaveEnabled(false);
    UpdateCaption(logbook_.doc.modified, true);
  }
}

void App::ExitCommand() {
  if (SavePrompt() == SaveAnswer::kCancel) return;
  ended_ = true;
  platform_.Quit();
}

void App::StorePilotInfo() {
  // The pilot page keeps its fields in its controls until the logbook is saved or printed.
}

bool App::LoadLogbook() {
  const std::string& path = logbook_.doc.filePath;
  LogbookReadResult result = aloftra::LoadLogbook(fileSystem_, path, logbook_);
  if (!result.ok()) {
    if (result.error == LogbookReadError::unknownVersion) {
      platform_.MsgBox(kUnknownVersionMessage, MsgBoxButtons::kOk, MsgBoxIcon::kNone,
                       kProgramTitle);
    }
    platform_.MsgBox(CannotOpenMessage(path), MsgBoxButtons::kOk, MsgBoxIcon::kCritical,
                     kProgramTitle);
    return false;
  }
  ShowLoadedLogbook();
  return true;
}

void App::ShowLoadedLogbook() {
  // The reader has made the live entries with the highest index the current ones.
  Aloftra().ShowLoadedLogbook();
  UpdateCaption(false, true);
  SetSaveEnabled(true);
}

bool App::SaveLogbook() {
  const std::string& path = logbook_.doc.filePath;
  if (!aloftra::SaveLogbook(fileSystem_, path, logbook_, platform_.Now()).ok) {
    platform_.MsgBox(CannotSaveMessage(path), MsgBoxButtons::kOk, MsgBoxIcon::kCritical,
                     kProgramTitle);
    return false;
  }
  logbook_.doc.diskStamp = StampOnDisk(fileSystem_, path);
  UpdateCaption(false, true);

  StartupSettings settings;
  settings.logbookPath = path;
  settings.documentName = logbook_.doc.documentName;
  settings.left = Aloftra().Left();
  settings.top = Aloftra().Top();
  settings.colorMode = logbook_.doc.COLOR_MODE;
  std::optional<std::string> bytes = FormatSettingsFile(settings);
  if (!bytes || !WriteFileSafely(fileSystem_, SettingsFilePath(), *bytes, std::nullopt).ok) {
    // The logbook itself is safely on disk; only the memory of it for the next start failed.
    platform_.MsgBox(CannotSaveMessage(path), MsgBoxButtons::kOk, MsgBoxIcon::kCritical,
                     kProgramTitle);
  }
  return true;
}

}  // namespace aloftra
