// Opening and saving the largest logbook: 32,767 flights, hundreds of sites and gliders.
//   BM_LoadLogbook   reads the file from the disk (the page cache) and parses it, as Open does
//   BM_SaveLogbook   formats the file and writes it through the safe writer with the backup,
//                    the flushes to the disk left out
// and, to tell the parts apart, the same without the disk.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "LogbookGenerator.h"
#include "NoSyncFileSystem.h"
#include "core/DateTime.h"
#include "core/LogbookFile.h"
#include "core/LogbookReader.h"
#include "core/LogbookWriter.h"

namespace aloftra {
namespace {

// A temporary folder holding the generated logbook file, removed afterwards.
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
  std::string LogbookPath() const { return path_ + "/Big.log"; }
  bool Ok() const { return !path_.empty(); }

 private:
  std::string path_;
};

const DateTime kSaveTime = MakeDateTime(2024, 6, 1, 12, 0, 0);

// The argument picks the generated logbook: 1 with accented letters (a Windows-1252 file),
// 0 all ASCII.
Logbook Generated(const benchmark::State& state) {
  LogbookShape shape;
  shape.accented = state.range(0) != 0;
  return GenerateLogbook(shape);
}

void BM_LoadLogbook(benchmark::State& state) {
  BenchFolder folder;
  NoSyncFileSystem fs;
  if (!folder.Ok() || !SaveLogbook(fs, folder.LogbookPath(), Generated(state), kSaveTime).ok) {
    state.SkipWithError("cannot write the logbook");
    return;
  }
  Logbook book;
  for (auto _ : state) {
    book.ResetToNew();
    LogbookReadResult result = LoadLogbook(fs, folder.LogbookPath(), book);
    if (!result.ok()) state.SkipWithError(result.detail.c_str());
    benchmark::DoNotOptimize(book.flights.SlotCount());
  }
  state.counters["flights"] = book.flights.SlotCount();
}
BENCHMARK(BM_LoadLogbook)->ArgName("accented")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_SaveLogbook(benchmark::State& state) {
  BenchFolder folder;
  NoSyncFileSystem fs;
  const Logbook book = Generated(state);
  for (auto _ : state) {
    WriteResult saved = SaveLogbook(fs, folder.LogbookPath(), book, kSaveTime);
    if (!saved.ok) state.SkipWithError(saved.detail.c_str());
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(folder.LogbookPath()));
}
BENCHMARK(BM_SaveLogbook)->ArgName("accented")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_ParseLogbook(benchmark::State& state) {
  const std::string bytes = FormatLogbookFile(Generated(state), kSaveTime).value_or("");
  Logbook book;
  for (auto _ : state) {
    book.ResetToNew();
    benchmark::DoNotOptimize(ReadLogbookFile(bytes, book).ok());
  }
}
BENCHMARK(BM_ParseLogbook)->ArgName("accented")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_FormatLogbook(benchmark::State& state) {
  const Logbook book = Generated(state);
  for (auto _ : state)
    benchmark::DoNotOptimize(FormatLogbookFile(book, kSaveTime));
}
BENCHMARK(BM_FormatLogbook)->ArgName("accented")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace aloftra
