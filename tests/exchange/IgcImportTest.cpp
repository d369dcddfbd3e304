// The entry typed for a track: its figures in the logbook's display units, the UTC offset as
// the pilot writes it, the glider a file's type names and the batch's summary.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/DateTime.h"
#include "exchange/frmImportTrackBatch.h"

namespace aloftra {
namespace {

TEST(IgcImportTest, UtcOffsetsAreReadAsWrittenAndWrongOnesRefused) {
  const std::pair<const char*, std::optional<double>> cases[] = {
      {"+02:00", 2.0},          {"-03:30", -3.5},
      {"05:45", 5.75},          {" +5 ", 5.0},
      {"-3.5", -3.5},           {"0", 0.0},
      {"+14:00", 14.0},         {"-14", -14.0},
      {"", std::nullopt},       {"+", std::nullopt},
      {"2:3", std::nullopt},    {"+02:60", std::nullopt},
      {"+14:30", std::nullopt}, {"15", std::nullopt},
      {"1.2.3", std::nullopt},  {"abc", std::nullopt},
      {"2h", std::nullopt},     {"+-2", std::nullopt},
      {"123:00", std::nullopt},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(ParseUtcOffset(text), expected) << '"' << text << '"';
  }
}

UnitFlags Metric() {
  UnitFlags flags = DefaultUnitFlags();
  for (const auto& [off, on] :
       {std::pair{kUnitFeet, kUnitMetres}, std::pair{kUnitFpm, kUnitMetresPerSecond},
        std::pair{kUnitMiles, kUnitKilometres}}) {
    flags[off] = 0;
    flags[on] = kFlagSet;
  }
  return flags;
}

TEST(IgcImportTest, FiguresAreTypedInTheDisplayUnits) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> altitude(0, 6000);
  std::uniform_real_distribution<double> rate(0.1, 9.9);
  std::uniform_real_distribution<double> miles(0, 200);
  for (int round = 0; round < 200; ++round) {
    IgcFlightFigures figures;
    figures.takeoffLocal = MakeDateTime(2021, 7, 15, 13, 7, 42);
    figures.airtimeMinutes = 95;
    figures.launchAltitude = altitude(random);
    figures.landingAltitude = altitude(random);
    figures.maxAltitude = altitude(random);
    figures.overLaunch = altitude(random);
    figures.maxLift = rate(random);
    figures.maxSink = rate(random);
    IgcCrossCountry route;
    route.type = kXcOutAndReturn;
    route.gpsCoords = "46:0:0:N,6:0:0:E";
    route.miles = miles(random);
    const IgcEntryNames names{"Falcon", "Point", "a.igc"};

    const FlightEntryText feet = IgcFlightEntry(figures, route, names, DefaultUnitFlags());
    EXPECT_EQ(std::stoi(feet.launch), std::lround(*figures.launchAltitude / 0.3048));
    EXPECT_EQ(std::stoi(feet.maxMsl), std::lround(*figures.maxAltitude / 0.3048));
    EXPECT_NEAR(std::stod(feet.maxLift), *figures.maxLift * 196.8504, 0.5);
    EXPECT_NEAR(std::stod(feet.distance), route.miles, 0.051);

    const FlightEntryText metres = IgcFlightEntry(figures, route, names, Metric());
    EXPECT_EQ(std::stoi(metres.launch), *figures.launchAltitude);
    EXPECT_EQ(std::stoi(metres.landing), *figures.landingAltitude);
    EXPECT_EQ(std::stoi(metres.overLaunch), *figures.overLaunch);
    EXPECT_NEAR(std::stod(metres.maxSink), *figures.maxSink, 0.051);
    // The logbook's own kilometre factor is a little short of the exact one.
    EXPECT_NEAR(std::stod(metres.distance), route.miles * 1.609344, 0.051 + route.miles * 0.0004);

    for (const FlightEntryText* entry : {&feet, &metres}) {
      EXPECT_EQ(entry->date, "Jul 15, 2021");
      EXPECT_EQ(entry->time, "13:07");
      EXPECT_EQ(entry->airtime, "1:35");
      EXPECT_EQ(entry->remarks, "From track file a.igc");
      ASSERT_TRUE(entry->crossCountry);
      EXPECT_EQ(entry->crossCountry->type, kXcOutAndReturn);
      EXPECT_EQ(entry->crossCountry->gpsCoords, route.gpsCoords);
    }
  }
}

TEST(IgcImportTest, TheGliderIsMatchedByTypeIgnoringCase) {
  RecordTable<GliderRecord> gliders;
  for (const char* name : {"Falcon", "Skyline 4", "Ozone's"}) {
    GliderRecord glider;
    glider.GLIDER_NAME = name;
    gliders.Append(glider);
  }
  const std::pair<const char*, const char*> cases[] = {
      {"SKYLINE 4", "Skyline 4"},
      {" skyline 4 ", "Skyline 4"},
      {"Ozone\"s", "Ozone's"},
      {"Skyline", "Current"},
      {"", "Current"},
  };
  for (const auto& [type, expected] : cases) {
    EXPECT_EQ(MatchIgcGlider(type, gliders, "Current"), expected) << type;
  }
}

TEST(IgcImportTest, TheSummaryCountsAndNamesTheRefusedFiles) {
  EXPECT_EQ(IgcImportSummary({1, 0, {}}), "1 flight added, 0 duplicates skipped, 0 files refused.");
  EXPECT_EQ(IgcImportSummary({1234, 1, {{"a.igc", "no take-off"}}}),
            "1,234 flights added, 1 duplicate skipped, 1 file refused:\na.igc: no take-off");
  EXPECT_EQ(IgcImportProgressText(3, 40), "Importing track 3 of 40...");
}

}  // namespace
}  // namespace aloftra
