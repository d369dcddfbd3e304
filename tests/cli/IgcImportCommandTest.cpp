// aloftra-cli import igc: the sample tracks typed into a saved logbook, the summary on the
// error stream, duplicates skipped on a second run, refused files failing the command, and
// the UTC offset as "+hh:mm" for both track commands.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/CliCommands.h"
#include "core/DateTime.h"
#include "core/LogbookFile.h"
#include "core/PosixFileSystem.h"
#include "support/FaultyFileSystem.h"
#include "support/LogbookBuilder.h"
#include "support/LogbookSamples.h"

namespace aloftra {
namespace {

const DateTime kNow = MakeDateTime(2023, 1, 2, 3, 4, 5);

struct CliRun {
  int code = 0;
  std::string out;
  std::string err;
};

class IgcImportCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Logbook book;
    book.gliders.Append(test::MakeGlider("Falcon", kOptionSet));
    book.gliders.Append(test::MakeGlider("skyline 4", 0));
    book.sites.Append(test::MakeSite("Point"));
    book.sites.Append(test::MakeSite("Dunes"));
    ASSERT_TRUE(SaveLogbook(fs, folder.PathOf("Book.log"), book, kNow).ok);
  }
  CliRun Cli(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunCli(args, fs, kNow, out, err);
    return {code, out.str(), err.str()};
  }
  CliRun Import(std::vector<std::string> extra) {
    std::vector<std::string> args = {"import", "igc", folder.PathOf("Book.log")};
    args.insert(args.end(), extra.begin(), extra.end());
    return Cli(args);
  }
  Logbook Saved() {
    Logbook book;
    EXPECT_TRUE(OpenLogbook(fs, folder.PathOf("Book.log"), book).ok());
    return book;
  }
  static std::string Sample(const std::string& name) {
    return std::string(ALOFTRA_SAMPLES) + "/igc/" + name;
  }
  std::vector<std::string> Samples() const {
    return {Sample("alps-triangle.igc"), Sample("andes-out-and-return.igc"),
            Sample("owens-straight-past-midnight.igc")};
  }

  TempFolder folder;
  PosixFileSystem fs;
};

TEST_F(IgcImportCommandTest, TheSamplesAreEnteredOnceAndTheLogbookSaved) {
  std::vector<std::string> args = Samples();
  args.insert(args.end(), {"--site", "Dunes", "--utc-offset", "-03:00"});
  const CliRun first = Import(args);
  ASSERT_EQ(first.code, kCliOk) << first.err;
  EXPECT_EQ(first.out, "flights 0 -> 3\n");
  EXPECT_EQ(first.err, "3 flights added, 0 duplicates skipped, 0 files refused.\n");

  const Logbook book = Saved();
  ASSERT_EQ(book.flights.LiveCount(), 3);
  for (int slot = 0; slot <= book.flights.LastIndex(); ++slot) {
    const FlightRecord& flight = book.flights[slot];
    if (flight.IsFree()) continue;
    EXPECT_EQ(book.sites[flight.SITE_INDEX].SITE_NAME, "Dunes");
    // Every sample names the glider type "Skyline 4".
    EXPECT_EQ(book.gliders[flight.GLIDER_INDEX].GLIDER_NAME, "skyline 4");
    EXPECT_EQ(flight.REMARKS.rfind("From track file ", 0), 0u) << flight.REMARKS;
    EXPECT_GT(flight.AIRTIME, 30);
    EXPECT_GT(flight.XC_DISTANCE, 5);
  }

  const CliRun second = Import(args);
  EXPECT_EQ(second.code, kCliOk);
  EXPECT_EQ(second.err, "0 flights added, 3 duplicates skipped, 0 files refused.\n");
  EXPECT_EQ(Saved().flights.LiveCount(), 3);
}

TEST_F(IgcImportCommandTest, ARefusedFileFailsTheCommandAndTheOthersAreSaved) {
  folder.WriteFile("junk.igc", "no fixes here\n");
  const CliRun run = Import({Sample("alps-triangle.igc"), folder.PathOf("junk.igc")});
  EXPECT_EQ(run.code, kCliFileFailure);
  EXPECT_NE(run.err.find("1 flight added, 0 duplicates skipped, 1 file refused:\njunk.igc: "),
            std::string::npos)
      << run.err;
  EXPECT_EQ(Saved().flights.LiveCount(), 1);
}

TEST_F(IgcImportCommandTest, WrongArgumentsShowTheUsage) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {Sample("alps-triangle.igc"), "--utc-offset", "+25:00"},
      {Sample("alps-triangle.igc"), "--site"},
  };
  for (const auto& extra : cases) {
    const CliRun run =
        extra.empty() ? Cli({"import", "igc", folder.PathOf("Book.log")}) : Import(extra);
    EXPECT_EQ(run.code, kCliUsage);
    EXPECT_NE(run.err.find("aloftra-cli import igc LOGBOOK FILE..."), std::string::npos);
  }
  EXPECT_EQ(Saved().flights.LiveCount(), 0);
}

TEST_F(IgcImportCommandTest, TheFiguresCommandTakesTheOffsetAsHoursAndMinutes) {
  const std::string file = Sample("alps-triangle.igc");
  const CliRun hours = Cli({"igc", file, "--utc-offset", "-3.5"});
  const CliRun written = Cli({"igc", file, "--utc-offset", "-03:30"});
  ASSERT_EQ(hours.code, kCliOk) << hours.err;
  ASSERT_EQ(written.code, kCliOk) << written.err;
  EXPECT_EQ(nlohmann::json::parse(hours.out)["takeoff_local"],
            nlohmann::json::parse(written.out)["takeoff_local"]);
  EXPECT_EQ(nlohmann::json::parse(written.out)["utc_offset_hours"], -3.5);
}

}  // namespace
}  // namespace aloftra
