#include "shell/DocumentCommands.h"

#include "core/DateTime.h"
#include "core/LogbookFile.h"
#include "core/SafeFileWriter.h"
#include "core/SettingsFile.h"
#include "pagekit/Page.h"
#include "shell/App.h"

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

void DocumentCommands::UpdateCaption(bool modified, bool force) {
  Logbook& book = app_.Book();
  if (modified == book.doc.modified && !force) return;
  book.doc.modified = modified;
  std::string caption = std::string("Aloftra - ") + book.doc.documentName;
  if (modified) caption += "*";
  for (Page* page : app_.Pages())
    page->SetCaption(caption);
}

void DocumentCommands::SetSaveEnabled(bool enabled) {
  for (Page* page : app_.Pages())
    page->FileMenu.Item(kFileSave).enabled = enabled;
}

SaveAnswer DocumentCommands::SavePrompt() {
  const Logbook& book = app_.Book();
  if (!book.doc.modified) return SaveAnswer::kNothingToSave;
  MsgBoxAnswer answer = app_.GetPlatform().MsgBox(
      "Do you want to save changes to " + book.doc.documentName + "?", MsgBoxButtons::kYesNoCancel,
      MsgBoxIcon::kExclamation, "Save Changes");
  if (answer == MsgBoxAnswer::kNo) return SaveAnswer::kNo;
  if (answer != MsgBoxAnswer::kYes) return SaveAnswer::kCancel;
  if (!book.doc.filePath.empty()) {
    Save();
  } else {
    SaveAs();
  }
  // A failed or cancelled save leaves the changes unsaved: the command that asked stops.
  return book.doc.modified ? SaveAnswer::kCancel : SaveAnswer::kYes;
}

void DocumentCommands::New() {
  if (SavePrompt() == SaveAnswer::kCancel) return;
  app_.InitNewLogbook();
}

void DocumentCommands::Open() {
  if (SavePrompt() == SaveAnswer::kCancel) return;
  Platform& platform = app_.GetPlatform();
  std::optional<std::string> path = platform.OpenFileDialog(LogbookDialog("Open"));
  if (!path) return;
  BusyPointer busy(platform);
  app_.InitNewLogbook();
  Logbook& book = app_.Book();
  book.doc.filePath = *path;
  book.doc.documentName = DocumentNameFromPath(*path);
  if (LoadLogbook()) {
    app_.ApplyUnitLabels();
    app_.RecomputeStatistics();
  } else {
    app_.InitNewLogbook();
  }
}

void DocumentCommands::Save() {
  if (app_.Book().doc.filePath.empty()) return;
  if (!MayOverwrite(app_.GetPlatform(), app_.GetFileSystem(), app_.Book())) return;
  BusyPointer busy(app_.GetPlatform());
  app_.TellEveryPage(&Page::OnBeforeSave);
  SaveLogbook();
}

void DocumentCommands::SaveAs() {
  std::optional<std::string> path = app_.GetPlatform().SaveFileDialog(LogbookDialog("Save As"));
  if (!path) return;
  Logbook& book = app_.Book();
  // Saving over the open logbook's own file is a Save, with its question.
  if (*path == book.doc.filePath && !MayOverwrite(app_.GetPlatform(), app_.GetFileSystem(), book)) {
    return;
  }
  book.doc.filePath = *path;
  book.doc.documentName = DocumentNameFromPath(*path);
  BusyPointer busy(app_.GetPlatform());
  app_.TellEveryPage(&Page::OnBeforeSave);
  if (SaveLogbook()) {
    SetSaveEnabled(true);
  } else {
    // The logbook stays in memory, still modified, and no longer claims the chosen name;
    // Save goes back to disabled since there is no path to save to.
    book.doc.filePath.clear();
    book.doc.diskStamp.reset();
    book.doc.documentName = "Untitled";
    SetSaveEnabled(false);
    UpdateCaption(book.doc.modified, true);
  }
}

void DocumentCommands::Exit() {
  if (SavePrompt() == SaveAnswer::kCancel) return;
  ended_ = true;
  app_.GetPlatform().Quit();
}

bool DocumentCommands::LoadLogbook() {
  Logbook& book = app_.Book();
  Platform& platform = app_.GetPlatform();
  const std::string& path = book.doc.filePath;
  LogbookReadResult result = aloftra::LoadLogbook(app_.GetFileSystem(), path, book);
  if (!result.ok()) {
    if (result.error == LogbookReadError::unknownVersion) {
      platform.MsgBox(kUnknownVersionMessage, MsgBoxButtons::kOk, MsgBoxIcon::kNone, kProgramTitle);
    }
    platform.MsgBox(CannotOpenMessage(path), MsgBoxButtons::kOk, MsgBoxIcon::kCritical,
                    kProgramTitle);
    return false;
  }
  ShowLoadedLogbook();
  return true;
}

void DocumentCommands::ShowLoadedLogbook() {
  // The reader has made the live entries with the highest index the current ones.
  app_.TellEveryPage(&Page::OnLogbookLoaded);
  UpdateCaption(false, true);
  SetSaveEnabled(true);
}

bool DocumentCommands::SaveLogbook() {
  Logbook& book = app_.Book();
  Platform& platform = app_.GetPlatform();
  const std::string& path = book.doc.filePath;
  if (!aloftra::SaveLogbook(app_.GetFileSystem(), path, book, platform.Now()).ok) {
    platform.MsgBox(CannotSaveMessage(path), MsgBoxButtons::kOk, MsgBoxIcon::kCritical,
                    kProgramTitle);
    return false;
  }
  book.doc.diskStamp = StampOnDisk(app_.GetFileSystem(), path);
  UpdateCaption(false, true);
  RememberInSettings(path);
  return true;
}

void DocumentCommands::RememberInSettings(const std::string& path) {
  const Logbook& book = app_.Book();
  const Page& mainWindow = app_.PageById(PageId::kAloftra);
  StartupSettings settings;
  settings.logbookPath = path;
  settings.documentName = book.doc.documentName;
  settings.left = mainWindow.Left();
  settings.top = mainWindow.Top();
  settings.colorMode = book.doc.COLOR_MODE;
  std::optional<std::string> bytes = FormatSettingsFile(settings);
  if (!bytes ||
      !WriteFileSafely(app_.GetFileSystem(), app_.SettingsFilePath(), *bytes, std::nullopt).ok) {
    // The logbook itself is safely on disk; only the memory of it for the next start failed.
    app_.GetPlatform().MsgBox(CannotSaveMessage(path), MsgBoxButtons::kOk, MsgBoxIcon::kCritical,
                              kProgramTitle);
  }
}

}  // namespace aloftra
