#include "cli/ImportCommand.h"

#include <unistd.h>

#include <filesystem>

#include "cli/CliCommands.h"
#include "cli/HeadlessPlatform.h"
#include "exchange/frmImportTrackBatch.h"
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

// A started program on the logbook at path, or nullptr after the reason was written.
std::unique_ptr<App> StartOn(Platform& platform, FileSystem& fs, const std::string& logbookPath,
                             const ScratchFolder& folder, std::ostream& err) {
  if (folder.Path().empty()) {
    err << "aloftra-cli: no temporary folder for the program's settings\n";
    return nullptr;
  }
  auto app = std::make_unique<App>(platform, fs);
  app->Start(logbookPath, folder.Path());
  // A logbook that fails to load leaves a new one without a path, as in the program.
  if (app->Book().doc.filePath.empty()) {
    err << "aloftra-cli: cannot open the logbook " << logbookPath << '\n';
    return nullptr;
  }
  return app;
}

struct IgcImportArguments {
  std::string logbook;
  std::vector<std::string> files;
  std::optional<std::string> glider;
  std::optional<std::string> site;
  std::optional<double> utcOffsetHours;
};

std::optional<IgcImportArguments> ReadIgcImportArguments(const std::vector<std::string>& args) {
  IgcImportArguments read;
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string& word = args[k];
    const bool option = word == "--glider" || word == "--site" || word == "--utc-offset";
    if (option) {
      if (k + 1 >= args.size()) return std::nullopt;
      const std::string& value = args[++k];
      if (word == "--glider") {
        read.glider = value;
      } else if (word == "--site") {
        read.site = value;
      } else {
        read.utcOffsetHours = ParseUtcOffset(value);
        if (!read.utcOffsetHours) return std::nullopt;
      }
    } else if (read.logbook.empty()) {
      read.logbook = word;
    } else {
      read.files.push_back(word);
    }
  }
  if (read.logbook.empty() || read.files.empty()) return std::nullopt;
  return read;
}

}  // namespace

int RunIgcImportCommand(const std::vector<std::string>& args, FileSystem& fs, DateTime now,
                        std::ostream& out, std::ostream& err) {
  const std::optional<IgcImportArguments> read = ReadIgcImportArguments(args);
  if (!read) return kCliUsage;
  ScratchFolder folder;
  ReportingPlatform platform(now, err);
  std::unique_ptr<App> app = StartOn(platform, fs, read->logbook, folder, err);
  if (!app) return kCliFileFailure;

  IgcImportSettings settings = DefaultIgcImportSettings(app->Book());
  if (read->glider) settings.glider = *read->glider;
  if (read->site) settings.site = *read->site;
  settings.utcOffsetHours = read->utcOffsetHours;
  const int flightsBefore = app->Book().flights.LiveCount();
  const IgcImportTally tally = ImportIgcFilesWithSummary(*app, read->files, settings, {});

  if (app->Book().doc.modified) {
    app->FileCommand(kFileSave);
    if (app->Book().doc.modified) return kCliFileFailure;
  }
  out << "flights " << flightsBefore << " -> " << app->Book().flights.LiveCount() << '\n';
  return tally.refused.empty() ? kCliOk : kCliFileFailure;
}

int RunImportCommand(const std::string& kind, const std::string& logbookPath,
                     const std::string& importPath, FileSystem& fs, DateTime now, std::ostream& out,
                     std::ostream& err) {
  if ((kind != "flights" && kind != "sites") || logbookPath.empty()) return kCliUsage;
  ScratchFolder folder;
  ReportingPlatform platform(now, err);
  std::unique_ptr<App> started = StartOn(platform, fs, logbookPath, folder, err);
  if (!started) return kCliFileFailure;
  App& app = *started;

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
