#include "cli/PrintCommand.h"

#include <map>

#include "cli/CliCommands.h"
#include "print/PdfPrinter.h"
#include "print/ReportRun.h"
#include "stats/StatisticsEngine.h"

namespace aloftra {

namespace {

struct PrintArguments {
  ReportKind kind = ReportKind::kFlights;
  std::string logbook;
  std::string pdf;
  bool all = false;
  bool siteStats = false;
};

std::optional<PrintArguments> ParseArguments(const std::vector<std::string>& args) {
  static const std::map<std::string, ReportKind> kReports = {{"flights", ReportKind::kFlights},
                                                             {"sites", ReportKind::kSites},
                                                             {"gliders", ReportKind::kGliders},
                                                             {"summary", ReportKind::kSummary},
                                                             {"notes", ReportKind::kNotes}};
  if (args.size() < 3) return std::nullopt;
  auto report = kReports.find(args[0]);
  if (report == kReports.end()) return std::nullopt;
  PrintArguments parsed{report->second, args[1], args[2]};
  for (std::size_t i = 3; i < args.size(); ++i) {
    if (args[i] == "--all") {
      parsed.all = true;
    } else if (args[i] == "--site-stats") {
      parsed.siteStats = true;
    } else {
      return std::nullopt;
    }
  }
  return parsed;
}

}  // namespace

int PrintCommand(const std::vector<std::string>& args, FileSystem& fs, DateTime now,
                 std::ostream& err) {
  std::optional<PrintArguments> parsed = ParseArguments(args);
  if (!parsed) return kCliUsage;
  Logbook book;
  LogbookReadResult result = OpenLogbook(fs, parsed->logbook, book);
  if (!result.ok()) {
    err << "aloftra-cli: " << result.detail << '\n';
    return kCliFileFailure;
  }
  ComputeStatistics(book, now);
  // Without --all the flights start where the flight page opens: the latest flight by date.
  book.doc.SortKey = kSortDate;
  book.doc.CurrentPosition = book.LastPosition();

  ReportRequest request{parsed->kind, parsed->all, 1, parsed->siteStats};
  std::vector<int> entries = EntriesToPrint(book, FilterSettings{}, request);
  if (entries.empty()) {
    err << NothingToPrintMessage(request.kind) << '\n';
    return kCliFileFailure;
  }
  std::unique_ptr<Printer> printer = MakePdfPrinter(parsed->pdf);
  if (!printer || !PrintReport(*printer, book, request, entries, now)) {
    err << "Printing Error\n";
    return kCliFileFailure;
  }
  return kCliOk;
}

}  // namespace aloftra
