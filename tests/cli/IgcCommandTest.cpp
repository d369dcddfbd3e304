// aloftra-cli igc: the figures of a generated track as JSON, and refusals on standard error
// with a failing exit code and nothing on standard output.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/CliCommands.h"
#include "core/PosixFileSystem.h"
#include "flights/GpsCoordsText.h"
#include "support/FaultyFileSystem.h"
#include "support/IgcTrackGenerator.h"

namespace aloftra {
namespace {

struct IgcRun {
  int code = -1;
  std::string out;
  std::string err;
};

IgcRun Igc(const std::vector<std::string>& args) {
  PosixFileSystem fs;
  std::ostringstream out;
  std::ostringstream err;
  std::vector<std::string> all{"igc"};
  all.insert(all.end(), args.begin(), args.end());
  IgcRun run;
  run.code = RunCli(all, fs, 0, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

TEST(IgcCommandTest, PrintsTheFiguresOfAnOutAndReturn) {
  TempFolder folder;
  RoutePlan plan;
  plan.launch = {45.9, 6.1};
  plan.route = {{46.1, 6.3}, {45.902, 6.101}};
  const GeneratedFlight truth = FlyRoute(plan);
  IgcFileOptions file;
  file.timeZone = "HFTZNTIMEZONE:2";
  folder.WriteFile("oar.igc", WriteIgc(plan, truth.fixes, file));

  IgcRun run = Igc({folder.PathOf("oar.igc")});
  ASSERT_EQ(kCliOk, run.code) << run.err;
  EXPECT_EQ("", run.err);
  const nlohmann::json j = nlohmann::json::parse(run.out);
  EXPECT_EQ("Renee Roe", j["pilot"]);
  EXPECT_EQ("file", j["utc_offset_from"]);
  EXPECT_EQ(2.0, j["utc_offset_hours"]);
  EXPECT_EQ(truth.launchAltitude, j["launch_altitude_m"]);
  EXPECT_EQ(truth.maxAltitude, j["max_altitude_m"]);
  EXPECT_NEAR((truth.landingSeconds - truth.takeoffSeconds) / 60.0,
              j["airtime_minutes"].get<double>(), 1);
  EXPECT_EQ(1, j["cross_country"]["type"]);
  // An out-and-return stores launch and the turn point, and leaves the third row empty.
  const auto rows = SplitGpsCoords(j["cross_country"]["gps_coords"].get<std::string>());
  EXPECT_FALSE(rows[2].degrees->empty());
  EXPECT_TRUE(rows[4].degrees->empty());

  // A file name in Windows-1252 still gives well-formed JSON.
  folder.WriteFile("vol\xE9.igc", WriteIgc(plan, truth.fixes, file));
  IgcRun latin = Igc({folder.PathOf("vol\xE9.igc")});
  ASSERT_EQ(kCliOk, latin.code) << latin.err;
  EXPECT_EQ(j["takeoff_local"], nlohmann::json::parse(latin.out)["takeoff_local"]);

  // The override wins over the file's zone, and moves the local take-off with it.
  IgcRun shifted = Igc({folder.PathOf("oar.igc"), "--utc-offset", "-3.5"});
  ASSERT_EQ(kCliOk, shifted.code) << shifted.err;
  const nlohmann::json k = nlohmann::json::parse(shifted.out);
  EXPECT_EQ("override", k["utc_offset_from"]);
  EXPECT_EQ(j["takeoff_utc"], k["takeoff_utc"]);
  EXPECT_NE(j["takeoff_local"], k["takeoff_local"]);
}

TEST(IgcCommandTest, RefusalsFailWithTheReasonOnStandardError) {
  TempFolder folder;
  RoutePlan plan;
  plan.launch = {45.9, 6.1};
  plan.route = {{46.0, 6.2}};
  const GeneratedFlight truth = FlyRoute(plan);
  std::vector<GeneratedFix> ground(truth.fixes.begin(), truth.fixes.begin() + 300);
  folder.WriteFile("ground.igc", WriteIgc(plan, ground));
  folder.WriteFile("garbage.igc", std::string("\x7f\x45\x4c\x46\0\0\x01\x02", 8));

  struct Case {
    std::vector<std::string> args;
    int code;
    std::string reason;
  };
  const Case cases[] = {
      {{folder.PathOf("ground.igc")}, kCliFileFailure, "no take-off"},
      {{folder.PathOf("garbage.igc")}, kCliFileFailure, "garbage.igc"},
      {{folder.PathOf("missing.igc")}, kCliFileFailure, "missing.igc"},
      {{}, kCliUsage, "usage"},
      {{folder.PathOf("ground.igc"), "--utc-offset", "east"}, kCliUsage, "usage"},
      {{folder.PathOf("ground.igc"), "--utc-offset", "30"}, kCliUsage, "usage"},
  };
  for (const Case& c : cases) {
    IgcRun run = Igc(c.args);
    EXPECT_EQ(c.code, run.code) << run.err;
    EXPECT_EQ("", run.out);
    EXPECT_NE(std::string::npos, run.err.find(c.reason)) << run.err;
  }
}

}  // namespace
}  // namespace aloftra
