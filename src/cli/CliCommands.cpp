#include "cli/CliCommands.h"

#include <ctime>

#include "cli/ExportCommand.h"
#include "cli/IgcCommand.h"
#include "cli/ImportCommand.h"
#include "cli/LogbookJson.h"
#include "cli/PrintCommand.h"
#include "core/DateTime.h"
#include "core/LogbookFile.h"
#include "core/ProgramVersion.h"
#include "stats/StatisticsEngine.h"

namespace aloftra {

namespace {

constexpr const char* kUsage =
    "usage: aloftra-cli dump LOGBOOK\n"
    "       aloftra-cli resave IN OUT\n"
    "       aloftra-cli igc FILE [--utc-offset +hh:mm]\n"
    "       aloftra-cli export flights|sites|gliders LOGBOOK OUT\n"
    "       aloftra-cli import flights|sites LOGBOOK FILE\n"
    "       aloftra-cli import igc LOGBOOK FILE... [--glider NAME] [--site NAME] "
    "[--utc-offset +hh:mm]\n"
    "       aloftra-cli print flights|sites|gliders|summary|notes LOGBOOK OUT.pdf [--all] "
    "[--site-stats]\n";

// Loads path into book, or reports the program's messages and the reason on err.
bool LoadOrReport(FileSystem& fs, const std::string& path, Logbook& book, std::ostream& err) {
  LogbookReadResult result = OpenLogbook(fs, path, book);
  if (result.ok()) return true;
  for (const std::string& message : LoadFailureMessages(result, path))
    err << message << '\n';
  err << "aloftra-cli: " << result.detail << '\n';
  return false;
}

int Dump(FileSystem& fs, const std::string& path, DateTime now, std::ostream& out,
         std::ostream& err) {
  Logbook book;
  if (!LoadOrReport(fs, path, book, err)) return kCliFileFailure;
  // The pilot sees statistics recomputed from the flights as soon as a logbook opens.
  ComputeStatistics(book, now);
  WriteLogbookJson(out, book);
  return out.good() ? kCliOk : kCliFileFailure;
}

int Resave(FileSystem& fs, const std::string& in, const std::string& out, DateTime now,
           std::ostream& err) {
  Logbook book;
  if (!LoadOrReport(fs, in, book, err)) return kCliFileFailure;
  WriteResult saved = SaveLogbook(fs, out, book, now);
  if (saved.ok) return kCliOk;
  err << CannotSaveMessage(out) << '\n' << "aloftra-cli: " << saved.detail << '\n';
  return kCliFileFailure;
}

}  // namespace

LogbookReadResult OpenLogbook(FileSystem& fs, const std::string& path, Logbook& book) {
  book.ResetToNew();
  book.doc.filePath = path;
  book.doc.documentName = DocumentNameFromPath(path);
  LogbookReadResult result = LoadLogbook(fs, path, book);
  if (!result.ok()) book.ResetToNew();
  return result;
}

int RunCli(const std::vector<std::string>& args, FileSystem& fs, DateTime now, std::ostream& out,
           std::ostream& err) {
  if (args.size() == 1 && args[0] == "--version") {
    out << "aloftra-cli " << kProgramVersion << '\n';
    return kCliOk;
  }
  if (args.size() == 1 && args[0] == "--help") {
    out << kUsage << "       aloftra-cli --help | --version\n";
    return kCliOk;
  }

  if (args.size() == 2 && args[0] == "dump") return Dump(fs, args[1], now, out, err);
  if (args.size() == 3 && args[0] == "resave") return Resave(fs, args[1], args[2], now, err);
  if (!args.empty() && args[0] == "igc")
    return RunIgcCommand({args.begin() + 1, args.end()}, out, err);
  if (args.size() == 4 && args[0] == "export")
    return ExportCommand(fs, args[1], args[2], args[3], now, err);
  if (args.size() == 4 && args[0] == "import" && (args[1] == "flights" || args[1] == "sites")) {
    return RunImportCommand(args[1], args[2], args[3], fs, now, out, err);
  }
  if (args.size() >= 2 && args[0] == "import" && args[1] == "igc") {
    const int code = RunIgcImportCommand({args.begin() + 2, args.end()}, fs, now, out, err);
    if (code != kCliUsage) return code;
  }
  if (!args.empty() && args[0] == "print") {
    int code = PrintCommand({args.begin() + 1, args.end()}, fs, now, err);
    if (code != kCliUsage) return code;
  }
  err << kUsage;
  return kCliUsage;
}

DateTime LocalNow() {
  std::time_t seconds = std::time(nullptr);
  std::tm local{};
  localtime_r(&seconds, &local);
  return MakeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                      local.tm_min, local.tm_sec);
}

}  // namespace aloftra
