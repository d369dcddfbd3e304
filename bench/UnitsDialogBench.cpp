// Ok in the units dialog on a logbook with the most flights a logbook holds and 2,000 sites
// and gliders: every page relabels, the flight, site and glider pages show their entries
// again and the summary page its totals, in the units chosen.
#include <benchmark/benchmark.h>

#include "RunningProgram.h"
#include "lists/frmGliders.h"
#include "lists/frmSiteList.h"
#include "units/frmUnits.h"

namespace aloftra {
namespace {

LogbookShape ManySitesAndGliders() {
  LogbookShape shape;
  shape.flights = kMaxSlots;
  shape.sites = 2000;
  shape.gliders = 2000;
  return shape;
}

RunningProgram& Program() {
  static RunningProgram program(ManySitesAndGliders());
  return program;
}

// Each press switches every kind between its storage unit and the metric one, so every
// page has new labels and new numbers to show.
void BM_UnitsOk(benchmark::State& state) {
  RunningProgram& program = Program();
  App& app = program.app();
  frmUnits& dialog = app.Dialogs().Get<DialogId::kUnits>();
  app.SiteList().SiteName.SetListIndex(0);
  app.Gliders().GliderName.SetListIndex(0);
  // Only entries shown as stored are shown again: the measure needs all three.
  if (program.page().State != EditState::kClean || app.SiteList().State != EditState::kClean ||
      app.Gliders().State != EditState::kClean) {
    state.SkipWithError("an entry is being edited, so it would not be shown again");
    return;
  }
  bool metric = false;
  for (auto _ : state) {
    metric = !metric;
    program.page().OptionsMenu.Click(kOptionsUnits);
    for (UnitButton button :
         {kUnitKmh, kUnitMetres, kUnitMetresPerSecond, kUnitKilometres, kUnitKilograms}) {
      dialog.Units[metric ? button : button - 1].SetValue(true);
    }
    dialog.Ok.Click();
  }
  if (program.page().Alt1.Caption() != (metric ? "m" : "feet") ||
      app.Gliders().Weight1.Caption() != (metric ? "kg" : "lbs")) {
    state.SkipWithError("the pages did not take the chosen units");
  }
}
BENCHMARK(BM_UnitsOk)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace aloftra
