// aloftra-cli export: the dialog's files from a logbook on disk, in the logbook's units.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliCommands.h"
#include "core/DateTime.h"
#include "core/LogbookRepair.h"
#include "core/LogbookWriter.h"
#include "core/PosixFileSystem.h"
#include "support/FaultyFileSystem.h"
#include "support/LogbookBuilder.h"

namespace aloftra {
namespace {

const DateTime kNow = MakeDateTime(2010, 1, 2, 3, 4, 5);

class ExportCommandTest : public ::testing::Test {
 protected:
  // Runs the command; returns the exit code and keeps what it said.
  int Cli(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunCli(args, fs, kNow, out, err);
    said = out.str() + err.str();
    return code;
  }
  // Two flights whose stored numbers and statistics are stale, in a logbook shown in metres.
  std::string WriteMetricLogbook() {
    Logbook book = test::GlidersAndSites();
    for (int day = 1; day <= 2; ++day) {
      const int slot = test::AddFlight(
          book,
          {.date = MakeDateTime(2010, 1, day, 12), .airtime = 30 * day, .maxMsl = 1000 * day});
      book.flights[slot].FLIGHT_NO = 99;
    }
    RebuildFlightOrder(book);
    book.UNIT_FLAGS[kUnitFeet] = 0;
    book.UNIT_FLAGS[kUnitMetres] = kFlagSet;
    folder.WriteFile("metric.log", *FormatLogbookFile(book, kNow));
    return folder.PathOf("metric.log");
  }
  std::vector<std::string> Lines(const std::string& name) {
    std::vector<std::string> lines;
    std::istringstream text(folder.ReadFile(name));
    for (std::string line; std::getline(text, line);)
      lines.push_back(line);
    return lines;
  }

  TempFolder folder;
  PosixFileSystem fs;
  std::string said;
};

TEST_F(ExportCommandTest, FilesOfEachKindWithDerivedNumbersInTheLogbooksUnits) {
  const std::string logbook = WriteMetricLogbook();
  ASSERT_EQ(Cli({"export", "flights", logbook, folder.PathOf("f.txt")}), kCliOk) << said;
  ASSERT_EQ(Cli({"export", "sites", logbook, folder.PathOf("s.txt")}), kCliOk) << said;
  ASSERT_EQ(Cli({"export", "gliders", logbook, folder.PathOf("g.txt")}), kCliOk) << said;
  EXPECT_EQ(said, "");
  const std::vector<std::string> flights = Lines("f.txt");
  ASSERT_EQ(flights.size(), 3u);
  EXPECT_EQ(flights[0].rfind("\"FLIGHT_NO\",\"DATE\",", 0), 0u);
  // Numbers recomputed; MAX_MSL 1000 and 2000 feet written in metres.
  EXPECT_EQ(flights[1].rfind("1,\"1/1/2010\",\"12:00\",0,0,30,\"Point\",\"Falcon\",", 0), 0u);
  EXPECT_NE(flights[1].find(",0,0,305,0,0,\"Straight Line\""), std::string::npos) << flights[1];
  EXPECT_EQ(flights[2].rfind("2,\"1/2/2010\",", 0), 0u);
  EXPECT_NE(flights[2].find(",0,0,610,0,0,"), std::string::npos) << flights[2];
  const std::vector<std::string> sites = Lines("s.txt");
  ASSERT_EQ(sites.size(), 3u);
  EXPECT_EQ(sites[1], "\"Dunes\",\"Oregon\",91,0,\"\",0,\"\",0,\"\",0,0,0,\"\"\r");
  EXPECT_EQ(sites[2], "\"Point\",\"Utah\",366,30,\"\",0,\"\",0,\"\",2,2,90,\"\"\r");
  const std::vector<std::string> gliders = Lines("g.txt");
  ASSERT_EQ(gliders.size(), 3u);
  EXPECT_EQ(gliders[1].rfind("\"Falcon\",\"Hang Glider\",\"Solo\",", 0), 0u);
  EXPECT_NE(gliders[1].find(",0,2,2,90,\"\"\r"), std::string::npos) << gliders[1];
}

TEST_F(ExportCommandTest, FailuresGiveNonZeroCodesAndWriteNothing) {
  const std::string logbook = WriteMetricLogbook();
  const std::string out = folder.PathOf("out.txt");
  EXPECT_EQ(Cli({"export", "flights", folder.PathOf("missing.log"), out}), kCliFileFailure);
  EXPECT_NE(said, "");
  const std::string unwritable = folder.PathOf("no/such/out.txt");
  EXPECT_EQ(Cli({"export", "sites", logbook, unwritable}), kCliFileFailure);
  EXPECT_NE(said.find("Cannot open file '" + unwritable + "'."), std::string::npos) << said;
  EXPECT_EQ(Cli({"export", "pilots", logbook, out}), kCliUsage);
  EXPECT_EQ(Cli({"export", "flights", logbook}), kCliUsage);
  EXPECT_NE(said.find("export flights|sites|gliders LOGBOOK OUT"), std::string::npos);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"metric.log"});
}

}  // namespace
}  // namespace aloftra
