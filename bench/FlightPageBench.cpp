// The flight page on the largest logbook: entering, deleting and browsing one flight, the
// statistics it recomputes each time, and a pilot's whole career typed in one by one.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "LogbookGenerator.h"
#include "NoSyncFileSystem.h"
#include "cli/HeadlessPlatform.h"
#include "core/DateTime.h"
#include "core/LogbookWriter.h"
#include "flights/frmAloftra.h"
#include "shell/App.h"

namespace aloftra {
namespace {

// The program started on a generated logbook written to a temporary folder.
class RunningProgram {
 public:
  explicit RunningProgram(const LogbookShape& shape)
      : platform_(MakeDateTime(2026, 12, 8, 12)), app_(platform_, files_) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "aloftra-bench-XXXXXX").string();
    folder_ = mkdtemp(pattern.data()) != nullptr ? pattern : ".";
    std::string path = folder_ + "/Bench.log";
    Logbook book = GenerateLogbook(shape);
    std::optional<std::string> bytes = FormatLogbookFile(book, platform_.Now());
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
      if (bytes) std::fwrite(bytes->data(), 1, bytes->size(), out);
      std::fclose(out);
    }
    app_.Start(path, folder_);
  }
  ~RunningProgram() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  App& app() { return app_; }
  frmAloftra& page() { return app_.Aloftra(); }

  // Types a flight into the flight page and presses Enter.
  void EnterFlight(const std::string& date, const std::string& airtime) {
    frmAloftra& p = page();
    p.NewEntry_Click();
    p.FlightDate.SetText(date);
    p.FlightDate_LostFocus();
    p.TimeOfDay.SetText("1:30 PM");
    p.TimeOfDay_LostFocus();
    p.AirTime.SetText(airtime);
    p.AirTime_LostFocus();
    p.GliderName.SetListIndex(0);
    p.SiteName.SetListIndex(0);
    p.MaxMSL.SetText("5200");
    p.BaseWind.SetText("8");
    p.PeakWind.SetText("14");
    p.Remarks.SetText("Smooth ridge lift, then a thermal to base.");
    p.Enter_Click();
  }

  void DeleteShownFlight() { page().DeleteEntry_Click(); }

 private:
  HeadlessPlatform platform_;
  NoSyncFileSystem files_;
  std::string folder_;
  App app_;
};

LogbookShape AlmostFull() {
  LogbookShape shape;
  shape.flights = kMaxSlots - 1;  // room for the one being entered
  return shape;
}

void BM_RecomputeStatisticsWithPageRefresh(benchmark::State& state) {
  RunningProgram program(AlmostFull());
  for (auto _ : state)
    program.app().RecomputeStatistics();
}
BENCHMARK(BM_RecomputeStatisticsWithPageRefresh)->Unit(benchmark::kMicrosecond);

void BM_EnterNewFlight(benchmark::State& state) {
  RunningProgram program(AlmostFull());
  for (auto _ : state) {
    program.EnterFlight("6/15/2012", "1:45");
    state.PauseTiming();
    program.DeleteShownFlight();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_EnterNewFlight)->Unit(benchmark::kMicrosecond);

void BM_DeleteFlight(benchmark::State& state) {
  RunningProgram program(AlmostFull());
  for (auto _ : state) {
    state.PauseTiming();
    program.EnterFlight("6/15/2012", "1:45");
    state.ResumeTiming();
    program.DeleteShownFlight();
  }
}
BENCHMARK(BM_DeleteFlight)->Unit(benchmark::kMicrosecond);

void BM_BrowseOneStep(benchmark::State& state) {
  RunningProgram program(AlmostFull());
  frmAloftra& page = program.page();
  page.ViewEntry_Click(0);
  bool forward = true;
  for (auto _ : state) {
    page.ViewEntry_Click(forward ? 2 : 1);
    forward = !forward;
  }
}
BENCHMARK(BM_BrowseOneStep)->Unit(benchmark::kMicrosecond);

void BM_EnterTenThousandFlightsOneByOne(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    LogbookShape empty;
    empty.flights = 0;
    empty.sites = 20;
    empty.gliders = 6;
    auto program = std::make_unique<RunningProgram>(empty);
    state.ResumeTiming();
    for (int i = 0; i < 10000; ++i) {
      int year = 1990 + i / 400;
      int day = 1 + i % 28;
      int month = 1 + (i / 28) % 12;
      program->EnterFlight(
          std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(year),
          std::to_string(20 + i % 200));
    }
    benchmark::DoNotOptimize(program->app().Book().flights.LastIndex());
  }
}
BENCHMARK(BM_EnterTenThousandFlightsOneByOne)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace aloftra
