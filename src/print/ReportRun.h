// Running one of the five reports: which entries it prints (the flights that pass the
// filter from the flight page's position on, the sites, gliders or topics in the order of
// their page's list, or only the one each page shows) and printing them one after another
// in a single document.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/Logbook.h"
#include "form/Printer.h"
#include "views/FilterSettings.h"

namespace aloftra {

enum class ReportKind { kFlights = 0, kSites = 1, kGliders = 2, kSummary = 3, kNotes = 4 };
inline constexpr int kReportKinds = 5;

struct ReportRequest {
  ReportKind kind = ReportKind::kFlights;
  bool all = false;
  double howMany = 1;  // flights only: how many from the current position on
  bool siteStats = false;
};

// The slots to print, in order (the summary prints once, as slot 0). Empty when there is
// nothing to print.
std::vector<int> EntriesToPrint(const Logbook& book, const FilterSettings& filter,
                                const ReportRequest& request);

// The message for a report with nothing to print.
std::string NothingToPrintMessage(ReportKind kind);

// Told after each entry printed, with the count printed so far and the total.
using ReportProgress = std::function<void(std::size_t printed, std::size_t total)>;

// Prints the entries as one document; false when the printer failed at any point.
bool PrintReport(Printer& printer, const Logbook& book, const ReportRequest& request,
                 const std::vector<int>& entries, DateTime today,
                 const ReportProgress& progress = {});

}  // namespace aloftra
