#include "print/ReportRun.h"

#include <algorithm>

#include "core/NameOrder.h"
#include "form/Platform.h"
#include "print/FlightReport.h"
#include "print/GliderReport.h"
#include "print/NotesReport.h"
#include "print/PrtCmds.h"
#include "print/SiteReport.h"
#include "print/SummaryReport.h"
#include "views/FilterTest.h"

namespace aloftra {

namespace {

std::vector<int> FlightsToPrint(const Logbook& book, const FilterSettings& filter,
                                const ReportRequest& request) {
  std::vector<int> flights;
  int last = book.LastPosition();
  int position = request.all ? 0 : std::max(book.doc.CurrentPosition, 0);
  for (; position <= last; ++position) {
    if (!request.all && static_cast<double>(flights.size()) >= request.howMany) break;
    int slot = book.FlightAtPosition(position);
    if (slot >= 0 && FlightPassesFilter(book, filter, slot)) flights.push_back(slot);
  }
  return flights;
}

// Every live slot in the order of the page's list, or only the page's own entry.
template <typename Table, typename NameOf>
std::vector<int> NamedToPrint(const Table& table, bool all, int current, NameOf nameOf) {
  std::vector<int> slots;
  if (!all) {
    if (table.Live(current) != nullptr) slots.push_back(current);
    return slots;
  }
  for (int slot = 0; slot < table.SlotCount(); ++slot) {
    if (table.Live(slot) != nullptr) slots.push_back(slot);
  }
  std::stable_sort(slots.begin(), slots.end(), [&](int a, int b) {
    return CompareNames(nameOf(*table.Live(a)), nameOf(*table.Live(b))) < 0;
  });
  return slots;
}

const char* PageTitle(ReportKind kind) {
  switch (kind) {
    case ReportKind::kSites:
      return kSiteListTitle;
    case ReportKind::kGliders:
      return kGlidersTitle;
    case ReportKind::kNotes:
      return kNotesTitle;
    case ReportKind::kFlights:
    case ReportKind::kSummary:
      break;
  }
  return "";
}

void PrintEntry(PrtCmds& prt, const Logbook& book, const ReportRequest& request, int slot) {
  switch (request.kind) {
    case ReportKind::kFlights:
      PrintFlightEntry(prt, book, *book.flights.Live(slot));
      break;
    case ReportKind::kSites:
      PrintSiteEntry(prt, book, *book.sites.Live(slot), request.siteStats);
      break;
    case ReportKind::kGliders:
      PrintGliderEntry(prt, book, *book.gliders.Live(slot));
      break;
    case ReportKind::kSummary:
      PrintPilotSummary(prt, book);
      break;
    case ReportKind::kNotes:
      PrintNotesTopic(prt, *book.topics.Live(slot));
      break;
  }
}

}  // namespace

std::vector<int> EntriesToPrint(const Logbook& book, const FilterSettings& filter,
                                const ReportRequest& request) {
  switch (request.kind) {
    case ReportKind::kFlights:
      return FlightsToPrint(book, filter, request);
    case ReportKind::kSites:
      return NamedToPrint(book.sites, request.all, book.doc.currentSite,
                          [](const SiteRecord& site) { return site.SITE_NAME; });
    case ReportKind::kGliders:
      return NamedToPrint(book.gliders, request.all, book.doc.currentGlider,
                          [](const GliderRecord& glider) { return glider.GLIDER_NAME; });
    case ReportKind::kNotes:
      return NamedToPrint(book.topics, request.all, book.doc.currentTopic,
                          [](const NoteTopic& topic) { return topic.TOPIC; });
    case ReportKind::kSummary:
      break;
  }
  return {0};
}

std::string NothingToPrintMessage(ReportKind kind) {
  switch (kind) {
    case ReportKind::kFlights:
      return "No flight records pass the current filter settings.";
    case ReportKind::kSites:
      return "There are no site entries to print.";
    case ReportKind::kGliders:
      return "There are no gliders to print.";
    case ReportKind::kNotes:
      return "There are no notes to print.";
    case ReportKind::kSummary:
      break;
  }
  return "";
}

bool PrintReport(Printer& printer, const Logbook& book, const ReportRequest& request,
                 const std::vector<int>& entries, DateTime today, const ReportProgress& progress) {
  if (!printer.BeginDocument(kProgramTitle)) return false;
  PrtCmds prt(printer, today);
  prt.PageSetup();
  std::string title = PageTitle(request.kind);
  if (title.empty()) {
    // Flight entries have no page header; they start at the top margin like every page after.
    prt.CurrentY = prt.Layout().TopMargin;
  } else {
    prt.PageHeader(title);
    prt.CurrentY += 0.2 * prt.TextHeight();
  }
  for (std::size_t done = 0; done < entries.size(); ++done) {
    PrintEntry(prt, book, request, entries[done]);
    if (progress) progress(done + 1, entries.size());
  }
  return printer.EndDocument();
}

}  // namespace aloftra
