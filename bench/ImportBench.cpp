// Importing a flights file of 10,000 flights in the import's own 17-item layout into a small
// logbook, headless: three passes over the file, every flight typed into the flight page and
// entered with its Enter, which orders, numbers and recomputes the statistics each time.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

#include "RunningProgram.h"
#include "exchange/frmImport.h"

namespace aloftra {
namespace {

constexpr int kImportedFlights = 10000;

// Sixty sites and a dozen gliders, some named in another letter case on some lines, over
// twenty-seven years of flights with remarks that need their quotes doubled.
std::string ImportFileText() {
  std::string text;
  for (int k = 0; k < kImportedFlights; ++k) {
    const int year = 2000 + k / 370;
    const int month = 1 + k % 12;
    const int day = 1 + k / 12 % 28;
    const std::string site = (k % 7 == 0 ? "SITE " : "Site ") + std::to_string(k % 60);
    const std::string glider = "Wing " + std::to_string(k % 12);
    text += "\"" + std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(year) +
            "\",\"" + std::to_string(8 + k % 10) + ":" + std::to_string(10 + k % 50) + "\",\"" +
            std::to_string(k % 4) + ":" + std::to_string(10 + k % 50) + "\",\"" + site + "\",\"" +
            glider + "\",\"" + (k % 12 < 5 ? "Paraglider" : "Hang Glider") + "\"," +
            std::to_string(1 << (k % 16)) + ",5,12,400,300," + std::to_string(k % 6) +
            ",1200,300,4500," + std::to_string(k % 30) +
            ",\"Thermals to base, \"\"smooth\"\" air, landed in the usual field.\"\r\n";
  }
  return text;
}

void BM_ImportTenThousandFlights(benchmark::State& state) {
  const std::string text = ImportFileText();
  for (auto _ : state) {
    state.PauseTiming();
    LogbookShape shape;
    shape.flights = 0;
    shape.sites = 20;
    shape.gliders = 6;
    shape.topics = 0;
    auto program = std::make_unique<RunningProgram>(shape);
    const std::string path = program->app().Book().doc.programFolder + "/flights.txt";
    std::ofstream(path, std::ios::binary) << text;
    program->page().FileMenu.Click(kFileImport);
    frmImport& dialog = program->app().Dialogs().Get<DialogId::kImport>();
    state.ResumeTiming();

    const bool read = dialog.ImportFlights(path);

    state.PauseTiming();
    const int stored = program->app().Book().flights.LiveCount();
    program.reset();
    state.ResumeTiming();
    if (!read || stored != kImportedFlights) {
      state.SkipWithError(("flights stored: " + std::to_string(stored)).c_str());
      break;
    }
  }
}
BENCHMARK(BM_ImportTenThousandFlights)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace aloftra
