// Find Next in the find dialog on a logbook with the most flights a logbook holds, for a text
// no remark holds: every flight's remarks are searched once round the whole date order, and
// the pilot is told nothing was found.
#include <benchmark/benchmark.h>

#include "RunningProgram.h"
#include "views/frmFind.h"

namespace aloftra {
namespace {

RunningProgram& Program() {
  static RunningProgram program(LogbookShape{});
  return program;
}

void BM_FindWrapsWithoutMatch(benchmark::State& state, bool matchCase) {
  RunningProgram& program = Program();
  App& app = program.app();
  frmFind& dialog = app.Dialogs().Get<DialogId::kFind>();
  program.page().SearchMenu.Click(kSearchFind);
  dialog.SearchText.SetText("no remark says this");
  dialog.MatchCase.SetChecked(matchCase);
  const int shown = app.Book().doc.CurrentPosition;
  for (auto _ : state) {
    dialog.FindNext.Click();
  }
  if (!dialog.Visible() || app.Book().doc.CurrentPosition != shown ||
      app.Book().LastPosition() + 1 != kMaxSlots) {
    state.SkipWithError("the search did not go round the full logbook without a match");
  }
  dialog.Cancel.Click();
}
BENCHMARK_CAPTURE(BM_FindWrapsWithoutMatch, IgnoringCase, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindWrapsWithoutMatch, MatchingCase, true)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace aloftra
