// The statistics are recomputed after every commit and delete; on the largest logbook that
// must stay under a millisecond.
#include <benchmark/benchmark.h>

#include "LogbookGenerator.h"
#include "stats/StatisticsEngine.h"

namespace aloftra {
namespace {

void BM_ComputeStatisticsFullLogbook(benchmark::State& state) {
  Logbook logbook = GenerateLogbook();
  const DateTime now = logbook.flights[logbook.order.At(logbook.LastPosition(), kSortDate)].DATE;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ComputeStatistics(logbook, now));
    benchmark::ClobberMemory();
  }
  state.counters["flights"] = logbook.LastPosition() + 1;
}
BENCHMARK(BM_ComputeStatisticsFullLogbook)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace aloftra
