// The flight page on the largest logbook: entering, deleting and browsing one flight, the
// statistics it recomputes each time, and a pilot's whole career typed in one by one.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "RunningProgram.h"

namespace aloftra {
namespace {

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
