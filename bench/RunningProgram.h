// The program started on a generated logbook written to a temporary folder, for the
// benchmarks of the pages.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "LogbookGenerator.h"
#include "NoSyncFileSystem.h"
#include "cli/HeadlessPlatform.h"
#include "core/DateTime.h"
#include "core/LogbookWriter.h"
#include "flights/frmAloftra.h"
#include "shell/App.h"

namespace aloftra {

class RunningProgram {
 public:
  explicit RunningProgram(const LogbookShape& shape)
      : platform_(MakeDateTime(2026, 12, 8, 12)), app_(platform_, files_) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "aloftra-bench-XXXXXX").string();
    folder_ = mkdtemp(pattern.data()) != nullptr ? pattern : ".";
    std::string path = folder_ + "/Bench.log";
    Logbook book = GenerateLogbook(shape);
    std::optional<std::string> bytes = FormatLogbookFile(book, platform_.Now());
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
      if (bytes) std::fwrite(bytes->data(), 1, bytes->size(), out);
      std::fclose(out);
    }
    app_.Start(path, folder_);
  }
  ~RunningProgram() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  App& app() { return app_; }
  frmAloftra& page() { return app_.Aloftra(); }

  // Types a flight into the flight page and presses Enter.
  void EnterFlight(const std::string& date, const std::string& airtime) {
    frmAloftra& p = page();
    p.NewEntry_Click();
    p.FlightDate.SetText(date);
    p.FlightDate_LostFocus();
    p.TimeOfDay.SetText("1:30 PM");
    p.TimeOfDay_LostFocus();
    p.AirTime.SetText(airtime);
    p.AirTime_LostFocus();
    p.GliderName.SetListIndex(0);
    p.SiteName.SetListIndex(0);
    p.MaxMSL.SetText("5200");
    p.BaseWind.SetText("8");
    p.PeakWind.SetText("14");
    p.Remarks.SetText("Smooth ridge lift, then a thermal to base.");
    p.Enter_Click();
  }

  void DeleteShownFlight() { page().DeleteEntry_Click(); }

 private:
  HeadlessPlatform platform_;
  NoSyncFileSystem files_;
  std::string folder_;
  App app_;
};

}  // namespace aloftra
