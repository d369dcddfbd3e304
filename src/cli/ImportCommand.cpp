#include "cli/ImportCommand.h"

#include <unistd.h>

#include <filesystem>

#include "cli/CliCommands.h"
#include "cli/HeadlessPlatform.h"
#include "exchange/frmImport.h"
#include "flights/frmAloftra.h"
#include "shell/App.h"

namespace aloftra {

namespace {

// Headless, with every message the program raises written out as it comes.
class ReportingPlatform : public HeadlessPlatform {
 public:
  ReportingPlatform(DateTime now, std::ostream& err) : HeadlessPlatform(now), err_(err) {}

  MsgBoxAnswer MsgBox(const std::string& prompt, MsgBoxButtons buttons, MsgBoxIcon icon,
                      const std::string& title) override {
    err_ << prompt << '\n';
    return HeadlessPlatform::MsgBox(prompt, buttons, icon, title);
  }

 private:
  std::ostream& err_;
};

// A folder of its own for the program's settings file, so the command leaves none behind.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "aloftra-cli-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace

int RunImportCommand(const std::string& kind, const std::string& logbookPath,
                     const std::string& importPath, FileSystem& fs, DateTime now, std::ostream& out,
                     std::ostream& err) {
  if ((kind != "flights" && kind != "sites") || logbookPath.empty()) return kCliUsage;
  ScratchFolder folder;
  if (folder.Path().empty()) {
    err << "aloftra-cli: no temporary folder for the program's settings\n";
    return kCliFileFailure;
  }
  ReportingPlatform platform(now, err);
  App app(platform, fs);
  app.Start(logbookPath, folder.Path());
  // A logbook that fails to load leaves a new one without a path, as in the program.
  if (app.Book().doc.filePath.empty()) {
    err << "aloftra-cli: cannot open the logbook " << logbookPath << '\n';
    return kCliFileFailure;
  }

  const int flightsBefore = app.Book().flights.LiveCount();
  const int sitesBefore = app.Book().sites.LiveCount();
  const int glidersBefore = app.Book().gliders.LiveCount();
  app.Aloftra().FileMenu.Click(kFileImport);
  frmImport& dialog = app.Dialogs().Get<DialogId::kImport>();
  const bool read =
      kind == "flights" ? dialog.ImportFlights(importPath) : dialog.ImportSites(importPath);
  dialog.Dialog::Close();

  // What was entered before a read error stays, as it does in the program: it is saved too.
  if (app.Book().doc.modified) {
    app.FileCommand(kFileSave);
    if (app.Book().doc.modified) return kCliFileFailure;
  }
  out << "flights " << flightsBefore << " -> " << app.Book().flights.LiveCount() << ", sites "
      << sitesBefore << " -> " << app.Book().sites.LiveCount() << ", gliders " << glidersBefore
      << " -> " << app.Book().gliders.LiveCount() << '\n';
  return read ? kCliOk : kCliFileFailure;
}

}  // namespace aloftra
