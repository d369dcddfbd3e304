// A multi-flight entry of the most copies into a logbook with room for exactly that many:
// every copy goes through the flight page's Enter and the statistics it recomputes.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "RunningProgram.h"
#include "core/Logbook.h"
#include "flights/MultiFlightPlan.h"
#include "flights/frmMultiFlight.h"

namespace aloftra {
namespace {

// The platform of the benchmarks answers every question with Yes.
void BM_MultiFlightSixtyCopies(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    LogbookShape shape;
    shape.flights = kMaxSlots - kMostMultiFlights;
    auto program = std::make_unique<RunningProgram>(shape);
    frmAloftra& page = program->page();
    page.ViewEntry_Click(3);
    page.OptionsMenu.Click(kOptionsMultiFlight);
    auto& dialog = program->app().Dialogs().Get<DialogId::kMultiFlight>();
    dialog.TotalFlights.SetText("60");
    dialog.TotalAirtime.SetText("10:00");
    state.ResumeTiming();

    dialog.Ok.Click();

    state.PauseTiming();
    const int stored = program->app().Book().flights.LiveCount();
    program.reset();
    state.ResumeTiming();
    // The shown flight is one of the sixty: it takes its share in its own slot.
    if (stored != kMaxSlots - 1) {
      state.SkipWithError(("copies not stored: " + std::to_string(kMaxSlots - 1 - stored)).c_str());
      break;
    }
  }
}
BENCHMARK(BM_MultiFlightSixtyCopies)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace aloftra
