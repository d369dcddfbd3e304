// The flight list view on the largest logbook: opening it builds all 32,767 rows (the rows
// as text, then the grid filled in one update).
#include <benchmark/benchmark.h>

#include "RunningProgram.h"
#include "views/frmListViewFlight.h"

namespace aloftra {
namespace {

RunningProgram& Program() {
  static RunningProgram program([] {
    LogbookShape shape;
    shape.flights = kMaxSlots;
    return shape;
  }());
  return program;
}

void BM_FlightListRefresh(benchmark::State& state) {
  frmListViewFlight& list = Program().app().Dialogs().Get<DialogId::kListViewFlight>();
  for (auto _ : state) {
    list.ListViewRefresh();
    benchmark::DoNotOptimize(list.FlexGrid.Rows());
  }
  state.counters["rows"] = list.FlexGrid.Rows();
}
BENCHMARK(BM_FlightListRefresh)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace aloftra
