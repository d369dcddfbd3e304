// Exporting the largest logbook: 32,767 flights, hundreds of sites and gliders.
//   BM_ExportFlights   forms the flights file and writes it through the safe writer, the
//                      flushes to the disk left out; the target is under 100 ms
//   BM_FlightsText     the same without the disk, to tell the parts apart
//   BM_FlightsTextMetric   the same with every unit metric, each value converted
//   BM_ExportSites, BM_ExportGliders   the two smaller files, written
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <utility>

#include "LogbookGenerator.h"
#include "NoSyncFileSystem.h"
#include "exchange/ExportFile.h"

namespace aloftra {
namespace {

// A temporary folder for the export file, removed afterwards.
class BenchFolder {
 public:
  BenchFolder() {
    std::string pattern = "/tmp/aloftra-bench-XXXXXX";
    path_ = mkdtemp(pattern.data()) != nullptr ? pattern : "";
  }
  ~BenchFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  std::string FilePath() const { return path_ + "/Aloftra.txt"; }
  bool Ok() const { return !path_.empty(); }

 private:
  std::string path_;
};

const Logbook& Largest() {
  static const Logbook book = GenerateLogbook();
  return book;
}

void ExportKindBench(benchmark::State& state, ExportKind kind) {
  BenchFolder folder;
  NoSyncFileSystem fs;
  const Logbook& book = Largest();
  if (!folder.Ok()) {
    state.SkipWithError("cannot make a folder");
    return;
  }
  for (auto _ : state) {
    if (!WriteExportFile(fs, folder.FilePath(), book, kind).ok) {
      state.SkipWithError("cannot write the export file");
      return;
    }
  }
}

void BM_ExportFlights(benchmark::State& state) {
  ExportKindBench(state, ExportKind::kFlights);
}
BENCHMARK(BM_ExportFlights)->Unit(benchmark::kMillisecond);

void BM_FlightsText(benchmark::State& state) {
  const Logbook& book = Largest();
  for (auto _ : state)
    benchmark::DoNotOptimize(FlightsExportText(book));
}
BENCHMARK(BM_FlightsText)->Unit(benchmark::kMillisecond);

void BM_FlightsTextMetric(benchmark::State& state) {
  Logbook book = Largest();
  book.UNIT_FLAGS = DefaultUnitFlags();
  for (auto [imperial, metric] :
       {std::pair{kUnitMph, kUnitKmh}, std::pair{kUnitFeet, kUnitMetres},
        std::pair{kUnitFpm, kUnitMetresPerSecond}, std::pair{kUnitMiles, kUnitKilometres}}) {
    book.UNIT_FLAGS[imperial] = 0;
    book.UNIT_FLAGS[metric] = kFlagSet;
  }
  for (auto _ : state)
    benchmark::DoNotOptimize(FlightsExportText(book));
}
BENCHMARK(BM_FlightsTextMetric)->Unit(benchmark::kMillisecond);

void BM_ExportSites(benchmark::State& state) {
  ExportKindBench(state, ExportKind::kSites);
}
BENCHMARK(BM_ExportSites)->Unit(benchmark::kMillisecond);

void BM_ExportGliders(benchmark::State& state) {
  ExportKindBench(state, ExportKind::kGliders);
}
BENCHMARK(BM_ExportGliders)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace aloftra
