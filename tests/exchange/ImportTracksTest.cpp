// Importing track files through the import dialog and by dropping them onto a page: the
// figures arrive in the logbook's units, the glider is matched by the file's type, tracks
// already in the logbook are skipped, refused files are named and leave nothing behind.
#include <gtest/gtest.h>

#include <cmath>

#include "ImportFixture.h"
#include "core/DateTime.h"
#include "exchange/IgcImport.h"
#include "exchange/IgcReader.h"
#include "support/IgcTrackGenerator.h"
#include "support/LogbookBuilder.h"

namespace aloftra::test {
namespace {

using Strings = std::vector<std::string>;

constexpr double kFeetPerMetre = 1 / 0.3048;
constexpr double kMetresPerMile = 1609.344;

RoutePlan PlanOnDay(int day) {
  RoutePlan plan;
  plan.day = day;
  plan.launch = {45.9, 6.1};
  plan.route = {{46.1, 6.1}, {46.0, 6.35}, {45.902, 6.103}};
  plan.seed = static_cast<unsigned>(day);
  return plan;
}

UnitFlags MetricFlags() {
  UnitFlags flags = DefaultUnitFlags();
  const auto choose = [&flags](UnitButton off, UnitButton on) {
    flags[off] = 0;
    flags[on] = kFlagSet;
  };
  choose(kUnitFeet, kUnitMetres);
  choose(kUnitFpm, kUnitMetresPerSecond);
  choose(kUnitMiles, kUnitKilometres);
  return flags;
}

class ImportTracksTest : public ImportTest {
 protected:
  // Writes a generated track into the folder and returns its path.
  std::string WriteTrack(const std::string& name, const RoutePlan& plan,
                         const IgcFileOptions& options = {}) {
    WriteFile(name, WriteIgc(plan, FlyRoute(plan).fixes, options));
    return PathIn(name);
  }
  void OpenDialogForTracks() {
    app->Aloftra().FileMenu.Click(kFileImport);
    Import().ImportWhat[kImportTracks].SetValue(true);
  }
  void ImportTracks(const Strings& paths, const std::string& offset = "+02:00") {
    OpenDialogForTracks();
    Import().UtcOffset.SetText(offset);
    platform.QueueFiles(paths);
    Import().Ok.Click();
  }
  std::string Summary() const { return platform.LastMessage().prompt; }
  const FlightRecord* FlightWithRemark(const std::string& remark) {
    for (const FlightRecord* flight : Flights())
      if (flight->REMARKS == remark) return flight;
    return nullptr;
  }
};

TEST_F(ImportTracksTest, TheFiguresArriveInTheLogbookInFeetAndInMetres) {
  const RoutePlan plan = PlanOnDay(15);
  const GeneratedFlight truth = FlyRoute(plan);
  for (const bool metric : {false, true}) {
    SCOPED_TRACE(metric ? "metres" : "feet");
    Logbook book = GlidersAndSites();
    if (metric) book.UNIT_FLAGS = MetricFlags();
    app = std::make_unique<App>(platform, files);
    OpenOnStart("Season.log", book);
    ImportTracks({WriteTrack("day.igc", plan)});
    EXPECT_EQ(Summary(), "1 flight added, 0 duplicates skipped, 0 files refused.");

    const FlightRecord* flight = FlightWithRemark("From track file day.igc");
    ASSERT_NE(flight, nullptr);
    // The take-off in local time at +2:00, to the minute the time box keeps.
    const DateTime takeoff =
        MakeDateTime(plan.year, plan.month, plan.day) + (truth.takeoffSeconds + 7200) / 86400.0;
    EXPECT_NEAR(flight->DATE, takeoff, 1.5 / 1440);
    EXPECT_NEAR(flight->AIRTIME, (truth.landingSeconds - truth.takeoffSeconds) / 60.0, 2);
    // A metre shown is three feet stored, so the stored feet may move by two.
    EXPECT_NEAR(flight->LAUNCH_MSL, truth.launchAltitude * kFeetPerMetre, 4);
    EXPECT_NEAR(flight->LANDING_MSL, truth.landingAltitude * kFeetPerMetre, 4);
    EXPECT_NEAR(flight->MAX_MSL, truth.maxAltitude * kFeetPerMetre, 4);
    EXPECT_NEAR(flight->OVER_LAUNCH, flight->MAX_MSL - flight->LAUNCH_MSL, 4);
    EXPECT_NEAR(flight->MAX_LIFT, truth.maxLift * 60 * kFeetPerMetre, 0.15 * flight->MAX_LIFT);
    EXPECT_NEAR(flight->MAX_SINK, truth.maxSink * 60 * kFeetPerMetre, 0.15 * flight->MAX_SINK);
    EXPECT_EQ(flight->XC_TYPE, kXcTriangle);
    EXPECT_FALSE(flight->GPS_COORDS.empty());
    EXPECT_NEAR(flight->XC_DISTANCE, RouteMetres(plan, true) / kMetresPerMile, 0.1);
    EXPECT_EQ(Book().sites[flight->SITE_INDEX].SITE_NAME, "Point");
    EXPECT_FALSE(Import().Visible());
  }
}

TEST_F(ImportTracksTest, TheGliderIsTheOneTheFileNamesElseTheChosenOne) {
  struct Case {
    std::vector<std::string> gliders;  // the logbook's gliders
    std::string chosen;                // the dialog's glider
    std::string expected;
  };
  // The generator's files name the glider type "Skyline 4".
  const Case cases[] = {
      {{"Falcon", "SKYLINE 4"}, "Falcon", "SKYLINE 4"},
      {{"Falcon", "Mentor"}, "Mentor", "Mentor"},
      {{"Falcon", "Mentor"}, "", "Falcon"},  // the default: the first glider
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    Logbook book = GlidersAndSites();
    book.gliders = {};
    for (const std::string& name : c.gliders)
      book.gliders.Append(MakeGlider(name, kOptionSet));
    app = std::make_unique<App>(platform, files);
    OpenOnStart("Season.log", book);
    OpenDialogForTracks();
    EXPECT_TRUE(Import().TrackGlider.Visible());
    EXPECT_EQ(Import().TrackGlider.Text(), c.gliders.front());
    if (!c.chosen.empty()) Import().TrackGlider.SetText(c.chosen);
    Import().TrackSite.SetText("Dunes");
    platform.QueueFiles({WriteTrack("g.igc", PlanOnDay(3))});
    Import().Ok.Click();
    ASSERT_EQ(Flights().size(), 1u);
    EXPECT_EQ(Book().gliders[Flights()[0]->GLIDER_INDEX].GLIDER_NAME, c.expected);
    EXPECT_EQ(Book().sites[Flights()[0]->SITE_INDEX].SITE_NAME, "Dunes");
  }
}

TEST_F(ImportTracksTest, TheShownFlightsSiteAndGliderAreTheDefaults) {
  Logbook book = GlidersAndSites();
  AddFlight(book, {.site = 1, .glider = 1});
  app = std::make_unique<App>(platform, files);
  OpenOnStart("Season.log", book);
  OpenDialogForTracks();
  EXPECT_EQ(Import().TrackSite.Text(), "Dunes");
  EXPECT_EQ(Import().TrackGlider.Text(), "Mentor");
  Import().ImportWhat[kImportFlights].SetValue(true);
  EXPECT_FALSE(Import().TrackSite.Visible());
  EXPECT_FALSE(Import().UtcOffset.Visible());
}

TEST_F(ImportTracksTest, ASeasonImportedTwiceAddsNothingTheSecondTime) {
  Strings season;
  for (int day = 1; day <= 6; ++day) {
    season.push_back(WriteTrack("day" + std::to_string(day) + ".igc", PlanOnDay(day)));
  }
  ImportTracks(season);
  EXPECT_EQ(Summary(), "6 flights added, 0 duplicates skipped, 0 files refused.");
  EXPECT_EQ(Book().flights.LiveCount(), 6);
  // The progress ran for every file, letting the windows paint.
  EXPECT_GE(platform.DoEventsCalls(), 6);
  EXPECT_EQ(Import().Progress.Caption(), "");

  ImportTracks(season);
  EXPECT_EQ(Summary(), "0 flights added, 6 duplicates skipped, 0 files refused.");
  // The same file twice in one batch, and under another offset: a different take-off.
  ImportTracks({season[0], season[0]}, "+03:00");
  EXPECT_EQ(Summary(), "1 flight added, 1 duplicate skipped, 0 files refused.");
  EXPECT_EQ(Book().flights.LiveCount(), 7);
}

TEST_F(ImportTracksTest, AFlightTypedWithinTwoMinutesOfTheTakeoffIsTheSameFlight) {
  const RoutePlan plan = PlanOnDay(20);
  const std::string path = WriteTrack("t.igc", plan);
  IgcFigureOptions atPlusTwo;
  atPlusTwo.utcOffsetHours = 2;
  const DateTime takeoff =
      DeriveIgcFlightFigures(ReadIgcFile(path).track, atPlusTwo).figures.takeoffLocal;
  for (const double minutes : {-3.0, -2.0, -0.5, 0.0, 1.5, 2.0, 2.5, 30.0}) {
    SCOPED_TRACE(minutes);
    Logbook book = GlidersAndSites();
    AddFlight(book, {.date = takeoff + minutes / 1440});
    app = std::make_unique<App>(platform, files);
    OpenOnStart("Season.log", book);
    ImportTracks({path});
    EXPECT_EQ(Book().flights.LiveCount(), std::abs(minutes) <= 2 ? 1 : 2);
  }
}

TEST_F(ImportTracksTest, ARefusedFileIsNamedWithItsReasonAndTheOthersAreEntered) {
  const Strings paths = {
      WriteTrack("good1.igc", PlanOnDay(7)),
      (WriteFile("junk.igc", "this is not a track\r\n"), PathIn("junk.igc")),
      PathIn("missing.igc"),
      WriteTrack("good2.igc", PlanOnDay(8)),
  };
  ImportTracks(paths);
  const std::string summary = Summary();
  EXPECT_EQ(summary.rfind("2 flights added, 0 duplicates skipped, 2 files refused:", 0), 0u)
      << summary;
  EXPECT_NE(summary.find("\njunk.igc: " + IgcNoFixMessage(PathIn("junk.igc"))), std::string::npos)
      << summary;
  EXPECT_NE(summary.find("\nmissing.igc: " + IgcCannotOpenMessage(PathIn("missing.igc"))),
            std::string::npos)
      << summary;
  EXPECT_EQ(Book().flights.LiveCount(), 2);
  EXPECT_EQ(app->Aloftra().State, EditState::kClean);

  // A logbook without a site refuses every file before typing anything.
  Logbook noSites = GlidersAndSites();
  noSites.sites = {};
  app = std::make_unique<App>(platform, files);
  OpenOnStart("Season.log", noSites);
  const EditState before = app->Aloftra().State;
  ImportTracks({paths[0]});
  EXPECT_NE(Summary().find("good1.igc: no site of the logbook chosen"), std::string::npos);
  EXPECT_EQ(Book().flights.LiveCount(), 0);
  EXPECT_EQ(app->Aloftra().State, before);
  EXPECT_FALSE(Book().doc.modified);
}

TEST_F(ImportTracksTest, AWrongOffsetIsRefusedBeforeTheFilesAreAsked) {
  for (const std::string offset : {"2:3", "+15:00", "abc", "+02:60"}) {
    SCOPED_TRACE(offset);
    OpenDialogForTracks();
    Import().UtcOffset.SetText(offset);
    const std::size_t dialogsBefore = platform.FileDialogs().size();
    Import().Ok.Click();
    EXPECT_EQ(platform.FileDialogs().size(), dialogsBefore);
    EXPECT_EQ(platform.LastMessage().prompt,
              "The UTC offset must be written as +hh:mm, between -14:00 and +14:00.");
    Import().Close.Click();
  }
}

TEST_F(ImportTracksTest, TrackFilesDroppedOnAnyPageAreImportedWithTheDefaults) {
  const std::string track = WriteTrack("DROP.IGC", PlanOnDay(11));
  WriteFile("notes.txt", "not a track");
  app->Gliders().onFilesDropped({PathIn("notes.txt"), track});
  EXPECT_EQ(Summary(), "1 flight added, 0 duplicates skipped, 0 files refused.");
  EXPECT_EQ(Book().flights.LiveCount(), 1);

  // Only other files: nothing happens, no message.
  platform.ClearMessages();
  app->SiteList().onFilesDropped({PathIn("notes.txt")});
  EXPECT_TRUE(platform.Messages().empty());

  // A page under an open dialog takes no drop.
  app->Aloftra().FileMenu.Click(kFileImport);
  app->Aloftra().onFilesDropped({WriteTrack("b.igc", PlanOnDay(12))});
  EXPECT_EQ(Book().flights.LiveCount(), 1);
  EXPECT_TRUE(platform.Messages().empty());
}

}  // namespace
}  // namespace aloftra::test
