// aloftra-cli: dump prints the logbook as JSON, resave writes it again as version 1.3.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/CliCommands.h"
#include "core/DateTime.h"
#include "core/LogbookWriter.h"
#include "core/PosixFileSystem.h"
#include "support/FaultyFileSystem.h"
#include "support/LogbookSamples.h"

namespace aloftra {
namespace {

using Json = nlohmann::json;

// The clock the commands run at: days since the last flight count from it.
const DateTime kNow = MakeDateTime(2010, 1, 2, 3, 4, 5);

struct CliRun {
  int code = -1;
  std::string out;
  std::string err;
};

class CliTest : public ::testing::Test {
 protected:
  CliRun Cli(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.code = RunCli(args, fs, kNow, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
  }

  std::string Data(const std::string& name) { return std::string(ALOFTRA_TEST_DATA) + "/" + name; }

  TempFolder folder;
  PosixFileSystem fs;
};

TEST_F(CliTest, DumpPrintsEveryRecordUnderItsOwnNames) {
  CliRun run = Cli({"dump", Data("logbook-small.log")});
  ASSERT_EQ(kCliOk, run.code) << run.err;
  EXPECT_EQ("", run.err);
  const Json j = Json::parse(run.out);

  EXPECT_EQ("Renée 'Ace' Roe", j["pilot"]["PILOT_NAME"]);
  EXPECT_EQ(3, j["pilot"]["REGION"]);
  ASSERT_EQ(56u, j["pilot"]["AWARD_FLAGS"].size());
  EXPECT_EQ(1, j["pilot"]["AWARD_FLAGS"][27]);
  EXPECT_EQ(1200, j["totals"]["hang_gliding"]["AIRTIME_PREV"]);
  EXPECT_EQ(2, j["totals"]["hang_gliding"]["LONGEST_FLIGHT"]);
  EXPECT_EQ(-1, j["totals"]["paragliding"]["DISTANCE_FLIGHT"]);
  EXPECT_EQ(-1, j["totals"]["paragliding"]["DAYS_SINCE_LAST"]);
  EXPECT_EQ(2, j["VARIO_SCALE"]);
  EXPECT_EQ(Json::parse("[1,0,0,1,0,1,0,1,0,1,0,0,1]"), j["UNIT_FLAGS"]);

  ASSERT_EQ(2u, j["gliders"].size());
  EXPECT_EQ("Falcon 170", j["gliders"][0]["GLIDER_NAME"]);
  EXPECT_EQ(255, j["gliders"][0]["HANG_GLIDER"]);
  EXPECT_EQ(Json::parse("[0,0,1,0]"), j["gliders"][0]["AFNOR"]);
  EXPECT_EQ(0.5, j["gliders"][0]["WEIGHT_MIN"]);
  EXPECT_EQ(1230.0, j["gliders"][0]["WEIGHT_MAX"]);
  EXPECT_TRUE(j["gliders"][1].is_null());
  EXPECT_EQ("http://example.com/dunlap", j["sites"][0]["URL"]);
  EXPECT_EQ(1, j["sites"][0]["WIND_FLAGS"][4]);
  EXPECT_EQ("Harness: 'Sky'\r\nReserve packed", j["topics"][0]["NOTE_TEXT"]);

  ASSERT_EQ(3u, j["flights"].size());
  EXPECT_EQ("2001-07-04 14:30:00", j["flights"][0]["DATE"]);
  EXPECT_EQ("2001-07-05 00:00:00", j["flights"][2]["DATE"]);
  EXPECT_EQ(-0.25, j["flights"][0]["BASE_WIND"]);
  EXPECT_EQ(1e-05, j["flights"][0]["PEAK_WIND"]);  // the float's own digits
  EXPECT_EQ(15.25, j["flights"][2]["XC_DISTANCE"]);
  EXPECT_EQ("Smooth, high", j["flights"][0]["REMARKS"]);
  EXPECT_TRUE(j["flights"][1].is_null());

  EXPECT_EQ(Json::parse("[0,2]"), j["orders"]["Date"]);
  EXPECT_EQ(Json::parse("[2,0]"), j["orders"]["Airtime"]);
  EXPECT_EQ(Json::parse("[0,2]"), j["orders"]["Max MSL"]);
  EXPECT_EQ(Json::parse("[0,2]"), j["orders"]["Over Launch"]);
  EXPECT_EQ(Json::parse("[2,0]"), j["orders"]["Distance"]);
}

TEST_F(CliTest, DumpShowsTheStatisticsAsOpenRecomputesThem) {
  // Stored statistics that the flights do not bear out: Open recomputes them at once.
  Logbook book;
  GliderRecord glider;
  glider.GLIDER_NAME = "Falcon";
  glider.HANG_GLIDER = 255;
  glider.SOLO = 255;
  book.gliders.Append(glider);
  SiteRecord site;
  site.SITE_NAME = "Point";
  book.sites.Append(site);
  for (int day = 1; day <= 2; ++day) {
    FlightRecord flight;
    flight.DATE = MakeDateTime(2010, 1, day, 12);
    flight.AIRTIME = static_cast<std::int16_t>(30 * day);
    flight.SOLO = 255;
    flight.FLIGHT_NO = 99;
    book.flights.Append(flight);
    book.order.Rows().push_back(
        {static_cast<std::int16_t>(day - 1), static_cast<std::int16_t>(2 - day), 0, 0, 0});
  }
  book.order.Rows()[1][kSortMaxMsl] = 1;
  book.order.Rows()[1][kSortOverLaunch] = 1;
  book.order.Rows()[1][kSortDistance] = 1;
  book.totals[kHangGliding].FLIGHTS_SOLO = 500;
  folder.WriteFile("stale.log", *FormatLogbookFile(book, kNow));

  CliRun run = Cli({"dump", folder.PathOf("stale.log")});
  ASSERT_EQ(kCliOk, run.code) << run.err;
  const Json j = Json::parse(run.out);
  EXPECT_EQ(1, j["flights"][0]["FLIGHT_NO"]);
  EXPECT_EQ(2, j["flights"][1]["FLIGHT_NO"]);
  EXPECT_EQ(2, j["totals"]["hang_gliding"]["FLIGHTS_SOLO"]);
  EXPECT_EQ(90, j["gliders"][0]["TOTAL_AIRTIME"]);
  EXPECT_EQ(1, j["gliders"][0]["LONGEST_FLIGHT"]);
  EXPECT_EQ(2, j["sites"][0]["FLYING_DAYS"]);
  EXPECT_EQ(0, j["totals"]["hang_gliding"]["DAYS_SINCE_LAST"]);  // last flown 2 Jan, now 2 Jan
}

TEST_F(CliTest, DumpKeepsTheDataModelOrderOfFields) {
  CliRun run = Cli({"dump", Data("logbook-small.log")});
  const std::string& out = run.out;
  EXPECT_LT(out.find("\"DATE\":\"2001-07-04"), out.find("\"FLIGHT_NO\":1"));
  EXPECT_LT(out.find("\"GLIDER_NAME\""), out.find("\"MANUFACTURER\""));
  EXPECT_LT(out.find("\"pilot\""), out.find("\"orders\""));
}

// Every key of every record in its place, every value as shown: the whole dump, byte for byte.
TEST_F(CliTest, DumpOfTheSmallLogbookMatchesTheGoldenFile) {
  CliRun run = Cli({"dump", Data("logbook-small.log")});
  ASSERT_EQ(kCliOk, run.code) << run.err;
  EXPECT_EQ(TestDataFile("logbook-small.json"), run.out);
}

TEST_F(CliTest, DumpOfAnEmptyLogbookHasEmptyTables) {
  CliRun run = Cli({"dump", Data("logbook-empty.log")});
  ASSERT_EQ(kCliOk, run.code) << run.err;
  const Json j = Json::parse(run.out);
  for (const char* table : {"gliders", "sites", "topics", "flights"}) {
    EXPECT_TRUE(j[table].is_array() && j[table].empty()) << table;
  }
  EXPECT_TRUE(j["orders"]["Date"].empty());
}

TEST_F(CliTest, FilesThatCannotBeOpenedGiveTheProgramsMessages) {
  const std::string missing = folder.PathOf("missing.log");
  CliRun run = Cli({"dump", missing});
  EXPECT_EQ(kCliFileFailure, run.code);
  EXPECT_EQ("", run.out);
  EXPECT_EQ(0u, run.err.find("Cannot open file '" + missing + "'.\n"));

  folder.WriteFile("future.log", "\"Aloftra\",\"1.4\"\r\n");
  run = Cli({"dump", folder.PathOf("future.log")});
  EXPECT_EQ(kCliFileFailure, run.code);
  EXPECT_EQ(0u, run.err.find("Unknown data file version\nCannot open file '" +
                             folder.PathOf("future.log") + "'.\n"));
}

TEST_F(CliTest, UsageErrorsExitWithTwo) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {}, {"dump"}, {"dump", "a", "b"}, {"resave", "a"}, {"print", "a"}}) {
    CliRun run = Cli(args);
    EXPECT_EQ(kCliUsage, run.code);
    EXPECT_NE(std::string::npos, run.err.find("usage:"));
  }
}

TEST_F(CliTest, ResaveWritesVersion13WithTheBackupRule) {
  const std::string out = folder.PathOf("Coast.log");
  folder.WriteFile("Coast.log", "previous file");
  CliRun run = Cli({"resave", Data("logbook-v1.2.log"), out});
  ASSERT_EQ(kCliOk, run.code) << run.err;
  EXPECT_EQ(TestDataFile("logbook-v1.2-resaved.log"), folder.ReadFile("Coast.log"));
  EXPECT_EQ("previous file", folder.ReadFile("Coast.bak"));
  EXPECT_EQ((std::vector<std::string>{"Coast.bak", "Coast.log"}), folder.Names());
}

TEST_F(CliTest, ResaveOfAnUnreadableFileWritesNothing) {
  folder.WriteFile("bad.log", "\"Aloftra\",\"1.3\"\r\nnot a pilot record\r\n");
  CliRun run = Cli({"resave", folder.PathOf("bad.log"), folder.PathOf("out.log")});
  EXPECT_EQ(kCliFileFailure, run.code);
  EXPECT_NE(std::string::npos, run.err.find("Cannot open file '" + folder.PathOf("bad.log")));
  EXPECT_EQ((std::vector<std::string>{"bad.log"}), folder.Names());
}

TEST_F(CliTest, ResaveThatCannotWriteReportsFileNotSaved) {
  const std::string out = folder.PathOf("no/such/folder/out.log");
  CliRun run = Cli({"resave", Data("logbook-small.log"), out});
  EXPECT_EQ(kCliFileFailure, run.code);
  EXPECT_EQ(0u, run.err.find("Cannot open file '" + out + "'. File not saved.\n"));
}

TEST_F(CliTest, OpenLeavesANewUntitledLogbookAfterAFailure) {
  Logbook book = TellingLogbook();
  book.doc.filePath = "/somewhere/else.log";
  EXPECT_FALSE(OpenLogbook(fs, folder.PathOf("missing.log"), book).ok());
  EXPECT_EQ("Untitled", book.doc.documentName);
  EXPECT_EQ("", book.doc.filePath);
  EXPECT_EQ(-1, book.flights.LastIndex());

  ASSERT_TRUE(OpenLogbook(fs, Data("logbook-small.log"), book).ok());
  EXPECT_EQ("logbook-small", book.doc.documentName);
  EXPECT_EQ(Data("logbook-small.log"), book.doc.filePath);
  EXPECT_FALSE(book.doc.modified);
}

// The built program, start to finish.
TEST(CliProgramTest, DumpRunsAsAProgram) {
  const std::string command =
      std::string(ALOFTRA_CLI_PROGRAM) + " dump '" ALOFTRA_TEST_DATA "/logbook-small.log'";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(nullptr, pipe);
  std::string out;
  char buffer[4096];
  for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    out.append(buffer, got);
  const int status = pclose(pipe);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(0, WEXITSTATUS(status));
  EXPECT_EQ("Falcon 170", Json::parse(out)["gliders"][0]["GLIDER_NAME"]);

  const int usage = std::system((std::string(ALOFTRA_CLI_PROGRAM) + " 2>/dev/null").c_str());
  ASSERT_TRUE(WIFEXITED(usage));
  EXPECT_EQ(kCliUsage, WEXITSTATUS(usage));
}

}  // namespace
}  // namespace aloftra
