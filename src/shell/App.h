// The application: owns the logbook, the platform and every page and dialog, and wires them
// together the way the program's global forms once reached each other. Page switching, the
// menus' commands, dialog placement, the document commands and start-up live here (in
// separate files, one concern each); the pages call back into App for anything beyond
// themselves.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/Logbook.h"
#include "form/Platform.h"
#include "pagekit/PageId.h"
#include "views/FilterSettings.h"

namespace aloftra {

class FileSystem;
class Form;
class Page;
class frmAloftra;
class frmSiteList;
class frmGliders;
class frmPilotInfo;
class frmSummary;
class frmGraphs;
class frmNotes;
class frmAbout;

inline constexpr const char* kSettingsFileName = "Startup.dat";
inline constexpr const char* kHelpFileName = "Aloftra.html";
inline constexpr const char* kBrowserProbeFileName = "temp.HTM";

// Answers of the save question; kNothingToSave when the logbook had no changes.
enum class SaveAnswer { kNothingToSave = 0, kYes = 6, kNo = 7, kCancel = 2 };

class App {
 public:
  App(Platform& platform, FileSystem& fileSystem);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  Platform& GetPlatform() { return platform_; }
  FileSystem& GetFileSystem() { return fileSystem_; }
  Logbook& Book() { return logbook_; }
  const Logbook& Book() const { return logbook_; }
  FilterSettings& Filter() { return filter_; }

  frmAloftra& Aloftra() { return *aloftra_; }
  frmSiteList& SiteList() { return *siteList_; }
  frmGliders& Gliders() { return *gliders_; }
  frmPilotInfo& PilotInfo() { return *pilotInfo_; }
  frmSummary& Summary() { return *summary_; }
  frmGraphs& Graphs() { return *graphs_; }
  frmNotes& Notes() { return *notes_; }
  Page& PageById(PageId id);
  std::array<Page*, kPageCount> Pages();

  frmAbout& About() { return *about_; }
  // A dialog by its form name ("frmFilters", "frmPrint", ...), or nullptr.
  Form* DialogNamed(const std::string& name);
  // Every page and dialog, for the front end to give each a window.
  std::vector<Form*> AllForms();

  // Start-up: records the program folder, shows the flight page (whose load handler runs
  // StartUp) with the command line taken whole as one logbook path.
  void Start(const std::string& commandLine, const std::string& currentDirectory);
  void StartUp();
  bool Ended() const { return ended_; }

  // The document.
  void InitNewLogbook();
  void FileCommand(int item);
  SaveAnswer SavePrompt();
  void UpdateCaption(bool modified, bool force);
  void SetSaveEnabled(bool enabled);
  // Loads the document's file path into the (reset) logbook; reports failures.
  bool LoadLogbook();
  // Saves the logbook to the document's file path; reports failures.
  bool SaveLogbook();
  std::string SettingsFilePath() const;
  std::string ProgramFolderFile(const std::string& fileName) const;

  // Pages and dialogs.
  Page& CurrentPage() { return *currentPage_; }
  void SetCurrentPage(Page& page) { currentPage_ = &page; }
  void SwitchPage(Page& from, Page& to);
  void OpenDialog(Form& dialog);
  void OpenDialogOver(Form& dialog, Form& page);
  // Shows a window in place of a page, which is hidden until the window closes.
  void ShowInPlaceOf(Form& window, Form& page);
  void DialogClosed(Form& dialog);

  void SearchCommand(int item);
  void OptionsCommand(int item);
  void HelpCommand(int item);
  void OpenInBrowser(const std::string& address);

  // Everything derived from the flights, then the pages that show it.
  void RecomputeStatistics();
  void ApplyUnitLabels();
  void ApplyColorMode();
  void FilterOff();

 private:
  void NewCommand();
  void OpenCommand();
  void SaveCommand();
  void SaveAsCommand();
  void ExitCommand();
  void StorePilotInfo();
  void ReportLoadFailure(int error);
  void ReadStartupSettings(long& left, long& top);
  void ShowLoadedLogbook();
  void AddPlaceholderDialog(const std::string& name, const std::string& caption);
  template <class DialogType>
  DialogType* AddDialog(std::unique_ptr<DialogType> dialog);

  Platform& platform_;
  FileSystem& fileSystem_;
  Logbook logbook_;
  FilterSettings filter_;
  std::string commandLine_;
  bool ended_ = false;

  std::unique_ptr<frmAloftra> aloftra_;
  std::unique_ptr<frmSiteList> siteList_;
  std::unique_ptr<frmGliders> gliders_;
  std::unique_ptr<frmPilotInfo> pilotInfo_;
  std::unique_ptr<frmSummary> summary_;
  std::unique_ptr<frmGraphs> graphs_;
  std::unique_ptr<frmNotes> notes_;
  frmAbout* about_ = nullptr;
  std::vector<std::unique_ptr<Form>> dialogs_;
  struct DialogOwner {
    Form* page = nullptr;
    bool hidden = false;  // the window replaced the page rather than opening over it
  };
  std::map<Form*, DialogOwner> dialogOwners_;
  Page* currentPage_ = nullptr;
};

}  // namespace aloftra
