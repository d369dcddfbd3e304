// Importing 300 ten-hour tracks (about 36,000 fixes each, logged every second) through the
// flight page, headless: every file read, its figures and route found, checked against the
// logbook's flights and entered with the page's Enter. Target: under 30 s. The files are
// written once into a temporary folder before the timed part: one triangle flown on 300
// days, so no track is a duplicate of another.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "RunningProgram.h"
#include "exchange/frmImportTrackBatch.h"
#include "support/IgcTrackGenerator.h"

namespace aloftra {
namespace {

constexpr int kTracks = 300;

std::vector<std::string> WriteTracks(const std::string& folder) {
  std::vector<std::string> paths;
  for (int k = 0; k < kTracks; ++k) {
    RoutePlan plan;
    plan.year = 2000 + k / 28;
    plan.month = 1 + k % 12;
    plan.day = 1 + k % 28;
    plan.startSeconds = 8 * 3600;
    plan.launch = {45.9, 6.1};
    plan.route = {{46.6, 6.1}, {46.25, 7.2}, {45.905, 6.105}};
    plan.seed = static_cast<unsigned>(k);
    const std::string path = folder + "/track" + std::to_string(k) + ".igc";
    std::ofstream(path, std::ios::binary) << WriteIgc(plan, FlyRoute(plan).fixes);
    paths.push_back(path);
  }
  return paths;
}

std::size_t FixesIn(const std::string& path) {
  std::ifstream in(path);
  std::size_t fixes = 0;
  for (std::string line; std::getline(in, line);)
    fixes += !line.empty() && line[0] == 'B';
  return fixes;
}

void BM_ImportThreeHundredTracks(benchmark::State& state) {
  const std::string folder =
      (std::filesystem::temp_directory_path() / "aloftra-igc-import-bench").string();
  std::filesystem::create_directories(folder);
  const std::vector<std::string> paths = WriteTracks(folder);
  for (auto _ : state) {
    state.PauseTiming();
    LogbookShape shape;
    shape.flights = 0;
    shape.sites = 20;
    shape.gliders = 6;
    shape.topics = 0;
    auto program = std::make_unique<RunningProgram>(shape);
    const IgcImportSettings settings = DefaultIgcImportSettings(program->app().Book());
    state.ResumeTiming();

    const IgcImportTally tally = ImportIgcFilesWithSummary(program->app(), paths, settings, {});

    state.PauseTiming();
    program.reset();
    state.ResumeTiming();
    if (tally.added != kTracks) {
      state.SkipWithError(IgcImportSummary(tally).c_str());
      break;
    }
  }
  state.counters["fixes_per_track"] = static_cast<double>(FixesIn(paths.front()));
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ImportThreeHundredTracks)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace aloftra
