// Ok in the filter dialog on a logbook with the most flights it holds: every flight is
// tested, the passes counted and the flight page moved to the first that passes.
#include <benchmark/benchmark.h>

#include "RunningProgram.h"
#include "views/FilterSettings.h"
#include "views/frmFilters.h"

namespace aloftra {
namespace {

RunningProgram& Program() {
  static RunningProgram program(LogbookShape{});
  return program;
}

// Alternates between two settings that both pass some flights, so each Ok really applies a
// change: paragliders only, then tandem flights only.
void BM_FilterOkCountsPasses(benchmark::State& state) {
  RunningProgram& program = Program();
  App& app = program.app();
  frmFilters& dialog = app.Dialogs().Get<DialogId::kFilters>();
  int round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    app.FilterOff();
    app.OpenDialog(DialogId::kFilters, program.page());
    int box = (round++ % 2 == 0) ? kFilterHangGlider : kFilterSolo;
    dialog.Filter[box].SetChecked(false);
    dialog.Filter_MouseUp(box, 1, 0, 0, 0);
    state.ResumeTiming();
    dialog.Ok_Click();
  }
  state.counters["passes"] = app.Filter().PassCount;
  if (dialog.Visible()) state.SkipWithError("no flight passed the filter");
}
BENCHMARK(BM_FilterOkCountsPasses)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace aloftra
