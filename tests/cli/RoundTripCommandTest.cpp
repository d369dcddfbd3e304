// The built program end to end: a logbook's flights and sites exported, imported into a fresh
// logbook file and exported again come back as the same bytes, in either units.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>

#include "core/DateTime.h"
#include "core/LogbookFile.h"
#include "core/LogbookWriter.h"
#include "core/PosixFileSystem.h"
#include "support/FaultyFileSystem.h"

namespace aloftra {
namespace {

const DateTime kNow = MakeDateTime(2026, 12, 1, 12);

std::string Quoted(const std::string& path) {
  return "'" + path + "'";
}

// Runs the program with these arguments, its output dropped; the exit code.
int RunProgram(const std::vector<std::string>& args) {
  std::string command = ALOFTRA_CLI_PROGRAM;
  for (const std::string& arg : args)
    command += " " + Quoted(arg);
  const int status = std::system((command + " >/dev/null 2>&1").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

UnitFlags MetricUnits() {
  UnitFlags units{};
  for (UnitButton unit :
       {kUnitKmh, kUnitMetres, kUnitMetresPerSecond, kUnitKilometres, kUnitKilograms, kUnit24Hour})
    units[unit] = kFlagSet;
  return units;
}

TEST(RoundTripCommandTest, TheDemoComesBackByteForByteThroughAFreshLogbook) {
  PosixFileSystem fs;
  Logbook demo;
  ASSERT_TRUE(LoadLogbook(fs, ALOFTRA_DEMO_LOGBOOK, demo).ok());
  const std::pair<const char*, UnitFlags> cases[] = {{"imperial", DefaultUnitFlags()},
                                                     {"metric", MetricUnits()}};
  for (const auto& [name, units] : cases) {
    TempFolder folder;
    Logbook source = demo;
    source.UNIT_FLAGS = units;
    folder.WriteFile("Demo.log", *FormatLogbookFile(source, kNow));
    // A fresh logbook with nothing typed in: the flight numbers, which count on from the
    // flights before the logbook, come back from the numbers in the export.
    Logbook fresh;
    fresh.UNIT_FLAGS = units;
    folder.WriteFile("Fresh.log", *FormatLogbookFile(fresh, kNow));

    for (const char* kind : {"sites", "flights"}) {
      ASSERT_EQ(RunProgram({"export", kind, folder.PathOf("Demo.log"),
                            folder.PathOf(std::string(kind) + ".txt")}),
                0)
          << name << " " << kind;
    }
    // Sites first, so the flights find their sites with every detail.
    for (const char* kind : {"sites", "flights"}) {
      ASSERT_EQ(RunProgram({"import", kind, folder.PathOf("Fresh.log"),
                            folder.PathOf(std::string(kind) + ".txt")}),
                0)
          << name << " " << kind;
    }
    for (const char* kind : {"sites", "flights"}) {
      const std::string again = std::string(kind) + "-again.txt";
      ASSERT_EQ(RunProgram({"export", kind, folder.PathOf("Fresh.log"), folder.PathOf(again)}), 0)
          << name << " " << kind;
      const std::string first = folder.ReadFile(std::string(kind) + ".txt");
      const int records =
          std::string(kind) == "sites" ? demo.sites.LiveCount() : demo.flights.LiveCount();
      EXPECT_EQ(std::count(first.begin(), first.end(), '\n'), records + 1) << name << " " << kind;
      EXPECT_EQ(folder.ReadFile(again), first) << name << " " << kind;
    }
  }
}

}  // namespace
}  // namespace aloftra
