// Printing every flight of a logbook holding the most flights it can: the layout alone, on a
// printer with fixed font metrics that keeps each page as a drawing list, and the whole job
// into a PDF file through Qt.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "LogbookGenerator.h"
#include "core/DateTime.h"
#include "print/PdfPrinter.h"
#include "print/ReportRun.h"
#include "stats/StatisticsEngine.h"

namespace aloftra {
namespace {

// Letter paper with a quarter-inch border; each character half its point size wide.
class LayoutOnlyPrinter : public Printer {
 public:
  bool BeginDocument(const std::string&) override {
    pages_.assign(1, DrawList{});
    return true;
  }
  PageGeometry Geometry() const override {
    PageGeometry geometry;
    geometry.printableWidth = geometry.paperWidth - 720;
    geometry.printableHeight = geometry.paperHeight - 720;
    return geometry;
  }
  void SetFont(const Font& font) override { font_ = font; }
  double TextWidth(std::string_view text) override {
    return font_.size * 10.0 * (font_.bold ? 1.1 : 1.0) * static_cast<double>(text.size());
  }
  double TextHeight(std::string_view) override { return font_.size * 23.0; }
  void Draw(const DrawItem& item) override { pages_.back().Add("page", item); }
  void NewPage() override { pages_.emplace_back(); }
  int PageNumber() const override { return static_cast<int>(pages_.size()); }
  bool EndDocument() override { return true; }
  std::size_t Pages() const { return pages_.size(); }

 private:
  std::vector<DrawList> pages_;
  Font font_;
};

const Logbook& FullLogbook() {
  static Logbook book = [] {
    Logbook generated = GenerateLogbook();
    ComputeStatistics(generated, MakeDateTime(2026, 12, 1));
    return generated;
  }();
  return book;
}

const ReportRequest kAllFlights{ReportKind::kFlights, true, 1, false};

void BM_LayoutAllFlights(benchmark::State& state) {
  const Logbook& book = FullLogbook();
  std::vector<int> entries = EntriesToPrint(book, FilterSettings{}, kAllFlights);
  std::size_t pages = 0;
  for (auto _ : state) {
    LayoutOnlyPrinter printer;
    PrintReport(printer, book, kAllFlights, entries, MakeDateTime(2026, 12, 1));
    pages = printer.Pages();
  }
  state.counters["flights"] = static_cast<double>(entries.size());
  state.counters["pages"] = static_cast<double>(pages);
}
BENCHMARK(BM_LayoutAllFlights)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PrintAllFlightsToPdf(benchmark::State& state) {
  const Logbook& book = FullLogbook();
  std::vector<int> entries = EntriesToPrint(book, FilterSettings{}, kAllFlights);
  std::string path = "/tmp/aloftra-print-bench.pdf";
  for (auto _ : state) {
    std::unique_ptr<Printer> printer = MakePdfPrinter(path);
    if (!printer || !PrintReport(*printer, book, kAllFlights, entries, MakeDateTime(2026, 12, 1)))
      state.SkipWithError("no PDF printer in this build");
  }
  std::remove(path.c_str());
}
BENCHMARK(BM_PrintAllFlightsToPdf)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace aloftra
