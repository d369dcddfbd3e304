// The application: owns the logbook, the platform, every page and every dialog, and is the
// host they all reach the program through. Its jobs live in separate files: start-up and the
// reset to a new logbook (Startup.cpp), the menus' commands (MenuCommands.cpp), what changes
// every page at once (PageRefresh.cpp), the browser hand-off (Browser.cpp); the document
// commands and the placing of windows are classes of their own.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/Logbook.h"
#include "form/Platform.h"
#include "pagekit/PageHost.h"
#include "pagekit/PageSet.h"
#include "shell/DialogSet.h"
#include "shell/DocumentCommands.h"
#include "shell/WindowPlacement.h"
#include "views/FilterSettings.h"

namespace aloftra {

class FileSystem;
class frmAloftra;
class frmSiteList;
class frmGliders;
class frmPilotInfo;
class frmSummary;
class frmGraphs;
class frmNotes;

inline constexpr const char* kSettingsFileName = "Startup.dat";
inline constexpr const char* kHelpFileName = "Aloftra.html";
inline constexpr const char* kBrowserProbeFileName = "temp.HTM";

class App final : public PageHost {
 public:
  App(Platform& platform, FileSystem& fileSystem);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  // What pages and dialogs ask of the program.
  Logbook& Book() override { return logbook_; }
  FilterSettings& Filter() override { return filter_; }
  Platform& GetPlatform() override { return platform_; }
  FileSystem& GetFileSystem() override { return fileSystem_; }
  void StartUp() override;
  void SwitchPage(Page& from, PageId to) override;
  void RunMenuCommand(Page& from, MenuId menu, int item) override;
  void OpenDialog(DialogId dialog, Form& over) override;
  void DialogClosed(Dialog& dialog) override;
  FlightPage& Flights() override;
  RecordPage& Records(PageId page) override;
  SiteEntryPage& SiteEntries() override;
  GliderEntryPage& GliderEntries() override;
  void ShowPageInPlace(PageId page) override;
  void RecomputeStatistics() override;
  void UpdateCaption(bool modified, bool force) override;
  void FilterOff() override;
  void ApplyFilter() override;
  void OpenInBrowser(const std::string& address) override;
  PageId PageUnder(const Form& dialog) override;
  void StoreEditsBeforeSaving() override { TellEveryPage(&Page::OnBeforeSave); }

  const Logbook& Book() const { return logbook_; }

  // The pages, in the order of their page buttons.
  frmAloftra& Aloftra();
  frmSiteList& SiteList();
  frmGliders& Gliders();
  frmPilotInfo& PilotInfo();
  frmSummary& Summary();
  frmGraphs& Graphs();
  frmNotes& Notes();
  Page& PageById(PageId id) { return pages_[id]; }
  std::array<Page*, kPageCount> Pages() { return pages_.All(); }
  // The dialogs, by id.
  DialogSet& Dialogs() { return dialogs_; }

  // Files dropped onto a page: the track files among them (named .igc, letter case ignored)
  // are imported with the defaults (the glider their type names, else the shown flight's;
  // the shown flight's site; the file's zone) and the summary message; other files are left
  // alone.
  void ImportDroppedFiles(const std::vector<std::string>& paths);
  // Every page and dialog, for the front end to give each a window.
  std::vector<Form*> AllForms();

  // Start-up: records the program folder and shows the flight page, whose load handler runs
  // StartUp with the command line taken whole as one logbook path.
  void Start(const std::string& commandLine, const std::string& currentDirectory);
  bool Ended() const { return documents_.Ended(); }

  // The document: a File menu command as if chosen on the flight page, and the commands.
  void FileCommand(int item) { RunMenuCommand(PageById(PageId::kAloftra), MenuId::kFile, item); }
  DocumentCommands& Documents() { return documents_; }
  void InitNewLogbook();
  std::string SettingsFilePath() const;
  std::string ProgramFolderFile(const std::string& fileName) const;

  // What every page is told of: one of the Page hooks, run on every page in page order.
  void TellEveryPage(void (Page::*hook)()) { pages_.TellEvery(hook); }
  void ApplyUnitLabels() override;
  void ApplyColorMode() override;

 private:
  void FileCommand(Page& from, int item);
  void SearchCommand(Page& from, int item);
  void OptionsCommand(Page& from, int item);
  void HelpCommand(Page& from, int item);

  Platform& platform_;
  FileSystem& fileSystem_;
  Logbook logbook_;
  FilterSettings filter_;
  std::string commandLine_;

  PageSet pages_;
  DialogSet dialogs_;
  WindowPlacement placement_;
  DocumentCommands documents_;
};

}  // namespace aloftra
