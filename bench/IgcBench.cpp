// A ten-hour triangle logged every second (about 37,000 fixes): reading the track file and
// deriving the flight's figures (target under 50 ms), and finding its cross-country route
// (target under 200 ms).
#include <benchmark/benchmark.h>

#include <string>

#include "exchange/IgcCrossCountry.h"
#include "exchange/IgcFlightFigures.h"
#include "exchange/IgcReader.h"
#include "support/IgcTrackGenerator.h"

namespace aloftra {
namespace {

const std::string& TenHourTrack() {
  static const std::string text = [] {
    RoutePlan plan;
    plan.startSeconds = 8 * 3600;
    plan.launch = {45.9, 6.1};
    plan.route = {{46.6, 6.1}, {46.25, 7.2}, {45.905, 6.105}};
    return WriteIgc(plan, FlyRoute(plan).fixes);
  }();
  return text;
}

void BM_IgcReadAndDeriveFigures(benchmark::State& state) {
  const std::string& text = TenHourTrack();
  std::size_t fixes = 0;
  for (auto _ : state) {
    IgcReadResult read = ReadIgcText(text, "ten-hours.igc");
    IgcFiguresResult figures = DeriveIgcFlightFigures(read.track, {});
    fixes = read.track.fixes.size();
    benchmark::DoNotOptimize(figures);
  }
  state.counters["fixes"] = static_cast<double>(fixes);
}
BENCHMARK(BM_IgcReadAndDeriveFigures)->Unit(benchmark::kMillisecond);

void BM_IgcCrossCountry(benchmark::State& state) {
  const IgcTrack track = ReadIgcText(TenHourTrack(), "ten-hours.igc").track;
  const IgcFlightSpan span = DeriveIgcFlightFigures(track, {}).figures.span;
  for (auto _ : state) {
    IgcCrossCountry route = FindIgcCrossCountry(track, span);
    benchmark::DoNotOptimize(route);
  }
  state.counters["fixes"] = static_cast<double>(span.landing - span.takeoff + 1);
}
BENCHMARK(BM_IgcCrossCountry)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace aloftra
