// The graphs page drawing one year of the logbook with the most flights a logbook holds:
// one pass over every flight, the filter test and the two charts.
#include <benchmark/benchmark.h>

#include <string>

#include "RunningProgram.h"
#include "core/DateTime.h"
#include "stats/frmGraphs.h"

namespace aloftra {
namespace {

LogbookShape MostFlights() {
  LogbookShape shape;
  shape.flights = kMaxSlots;
  return shape;
}

void BM_GraphsDrawBusiestYear(benchmark::State& state) {
  static RunningProgram program(MostFlights());
  frmGraphs& page = program.app().Graphs();
  const Logbook& book = program.app().Book();
  // The year of the flight in the middle of the date order.
  int year =
      SplitDateTime(book.flights[book.order.At(book.LastPosition() / 2, kSortDate)].DATE).year;
  while (page.SelectedYear() > year && page.SelectedYear() > kFirstGraphYear)
    page.YearDec_Click();
  while (page.SelectedYear() < year && page.SelectedYear() < kLastGraphYear)
    page.YearInc_Click();
  for (auto _ : state)
    page.DrawGraphs();
  if (page.GraphState != 0) state.SkipWithError("the year drew no flights");
  state.counters["flights"] = static_cast<double>(std::stol(page.TotalFlights.Text()));
}
BENCHMARK(BM_GraphsDrawBusiestYear)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace aloftra
