#include "cli/ExportCommand.h"

#include <optional>

#include "cli/CliCommands.h"
#include "core/LogbookFile.h"
#include "exchange/ExportFile.h"
#include "stats/StatisticsEngine.h"

namespace aloftra {

namespace {

std::optional<ExportKind> KindNamed(const std::string& name) {
  if (name == "flights") return ExportKind::kFlights;
  if (name == "sites") return ExportKind::kSites;
  if (name == "gliders") return ExportKind::kGliders;
  return std::nullopt;
}

}  // namespace

int ExportCommand(FileSystem& fs, const std::string& kind, const std::string& logbookPath,
                  const std::string& outPath, DateTime now, std::ostream& err) {
  const std::optional<ExportKind> exportKind = KindNamed(kind);
  if (!exportKind) {
    err << "aloftra-cli: export writes flights, sites or gliders, not '" << kind << "'\n";
    return kCliUsage;
  }
  Logbook book;
  const LogbookReadResult read = OpenLogbook(fs, logbookPath, book);
  if (!read.ok()) {
    for (const std::string& message : LoadFailureMessages(read, logbookPath))
      err << message << '\n';
    err << "aloftra-cli: " << read.detail << '\n';
    return kCliFileFailure;
  }
  // Flight numbers and the site and glider statistics are derived, as when the program
  // opens the logbook.
  ComputeStatistics(book, now);
  const WriteResult written = WriteExportFile(fs, outPath, book, *exportKind);
  if (written.ok) return kCliOk;
  err << CannotOpenFileMessage(outPath) << '\n' << "aloftra-cli: " << written.detail << '\n';
  return kCliFileFailure;
}

}  // namespace aloftra
