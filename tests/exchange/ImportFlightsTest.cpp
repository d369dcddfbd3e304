// Importing flights: three passes through the site, glider and flight pages, the blank-name
// stops, the pages' own messages, damaged files, and the flights export read back whole.
#include <gtest/gtest.h>

#include "ImportFixture.h"
#include "core/DateTime.h"
#include "units/ConvertUnit.h"

namespace aloftra::test {
namespace {

using Strings = std::vector<std::string>;

class ImportFlightsTest : public ImportTest {};

TEST_F(ImportFlightsTest, OkAsksForTheFileOfTheChosenKindAndACancelKeepsTheDialogOpen) {
  app->Aloftra().FileMenu.Click(kFileImport);
  EXPECT_EQ(Import().Caption(), "Import Data");
  EXPECT_EQ(Import().ImportWhatFrame.Caption(), "Import What");
  EXPECT_TRUE(Import().ImportWhat[kImportFlights].Value());
  EXPECT_FALSE(app->Aloftra().Enabled());

  const std::pair<ImportKind, FileDialogOptions> kinds[] = {
      {kImportFlights, {"Import Aloftra", "Aloftra Files (*.txt)|*.txt", ".txt", "", 4100}},
      {kImportSites, {"Import Site List", "Site List Files (*.txt)|*.txt", ".txt", "", 4100}},
  };
  for (const auto& [kind, expected] : kinds) {
    Import().ImportWhat[kind].SetValue(true);
    platform.QueueFile(std::nullopt);
    Import().Ok.Click();
    const FileDialogOptions& asked = platform.FileDialogs().back().options;
    EXPECT_EQ(asked.title, expected.title);
    EXPECT_EQ(asked.filter, expected.filter);
    EXPECT_EQ(asked.defaultExtension, expected.defaultExtension);
    EXPECT_EQ(asked.initialName, "");
    EXPECT_EQ(asked.flags, expected.flags);
    EXPECT_TRUE(Import().Visible());
  }
  EXPECT_EQ(Book().sites.LiveCount(), 2);
  Import().Close.Click();
  EXPECT_FALSE(Import().Visible());
  EXPECT_TRUE(app->Aloftra().Enabled());
}

TEST_F(ImportFlightsTest, NamesDifferingOnlyInCaseMakeOneSiteAndEveryFlightIsEntered) {
  RunImport(kImportFlights, Line({.date = "6/7/2001", .site = "Ridge", .glider = "Sport"}) +
                                Line({.date = "6/8/2001", .site = "ridge", .glider = "SPORT"}) +
                                Line({.date = "6/9/2001", .site = "POINT", .glider = "falcon"}));
  EXPECT_EQ(platform.Prompts(), Strings{});
  EXPECT_EQ(Book().sites.LiveCount(), 3);
  EXPECT_EQ(Book().gliders.LiveCount(), 3);
  ASSERT_NE(SiteNamed("Ridge"), nullptr);
  ASSERT_NE(GliderNamed("Sport"), nullptr);
  std::vector<const FlightRecord*> flights = Flights();
  ASSERT_EQ(flights.size(), 3u);
  const std::string sites[] = {"Ridge", "Ridge", "Point"};
  const std::string gliders[] = {"Sport", "Sport", "Falcon"};
  for (std::size_t k = 0; k < 3; ++k) {
    EXPECT_EQ(Book().sites[flights[k]->SITE_INDEX].SITE_NAME, sites[k]);
    EXPECT_EQ(Book().gliders[flights[k]->GLIDER_INDEX].GLIDER_NAME, gliders[k]);
    EXPECT_EQ(flights[k]->AIRTIME, 95);
    EXPECT_EQ(flights[k]->FLIGHT_NO, static_cast<int>(k) + 1);
  }
  EXPECT_EQ(flights[0]->DATE, MakeDateTime(2001, 6, 7, 14, 5));
  // The flight page is shown in place of the page the dialog was opened over.
  EXPECT_FALSE(Import().Visible());
  EXPECT_TRUE(app->Aloftra().Visible());
  EXPECT_FALSE(app->SiteList().Visible());
  EXPECT_FALSE(app->Gliders().Visible());
  EXPECT_TRUE(app->Aloftra().Enabled());
  EXPECT_TRUE(Book().doc.modified);
}

TEST_F(ImportFlightsTest, OnlyParagliderInAnyLetterCaseMakesAParaglider) {
  const std::pair<std::string, bool> types[] = {
      {"paraglider", true},   {"Paraglider", true}, {"PARAGLIDER", true},
      {"Hang Glider", false}, {"", false},          {"Paraglider 2", false},
  };
  std::string file;
  for (std::size_t k = 0; k < std::size(types); ++k)
    file += Line({.glider = "Wing" + std::to_string(k), .gliderType = types[k].first});
  RunImport(kImportFlights, file);
  for (std::size_t k = 0; k < std::size(types); ++k) {
    const GliderRecord* glider = GliderNamed("Wing" + std::to_string(k));
    ASSERT_NE(glider, nullptr) << types[k].first;
    EXPECT_EQ(glider->PARAGLIDER != 0, types[k].second) << types[k].first;
    EXPECT_EQ(glider->HANG_GLIDER != 0, !types[k].second) << types[k].first;
  }
  EXPECT_EQ(Book().flights.LiveCount(), static_cast<int>(std::size(types)));
}

TEST_F(ImportFlightsTest, ABlankNameStopsTheImportAfterWhatWasEnteredBeforeIt) {
  struct Case {
    const char* name;
    FlightLine third;
    int sites, gliders;
    const char* message;
  };
  // The sites pass reads the whole file before the gliders pass starts.
  const Case cases[] = {
      {"blank site", {.site = "", .glider = "Gamma"}, 4, 2, "Site names cannot be blank"},
      {"blank glider", {.site = "Gamma", .glider = ""}, 6, 4, "Glider names cannot be blank"},
  };
  for (const Case& c : cases) {
    Restart();
    RunImport(kImportFlights, Line({.site = "Alpha", .glider = "A1"}) +
                                  Line({.site = "Beta", .glider = "B1"}) + Line(c.third) +
                                  Line({.site = "Delta", .glider = "D1"}));
    EXPECT_EQ(platform.Prompts(), (Strings{c.message, ErrorFor("in.txt")})) << c.name;
    EXPECT_EQ(platform.Messages().back().icon, MsgBoxIcon::kCritical);
    EXPECT_EQ(Book().sites.LiveCount(), c.sites) << c.name;
    EXPECT_EQ(Book().gliders.LiveCount(), c.gliders) << c.name;
    EXPECT_EQ(Book().flights.LiveCount(), 0) << c.name;
    EXPECT_EQ(GliderNamed("D1"), nullptr) << c.name;
    EXPECT_FALSE(Import().Visible());
  }
}

TEST_F(ImportFlightsTest, ThePagesOwnMessagesAppearAndTheImportGoesOn) {
  RunImport(kImportFlights, Line({.date = "6/7/2001"}) + Line({.date = "13/40/2001"}) +
                                Line({.date = "6/9/2001", .airtime = "49:00"}) +
                                Line({.date = "6/10/2001", .numbers = "0,20,10,0,0,0,0,0,0,0"}) +
                                Line({.date = "6/11/2001"}));
  EXPECT_EQ(platform.Prompts(),
            (Strings{"Invalid date.", "The flight date must be filled in.",
                     "The airtime must be less than 48 hours.", "The Airtime must be filled in.",
                     "The base wind cannot be greater than the peak wind."}));
  std::vector<const FlightRecord*> flights = Flights();
  ASSERT_EQ(flights.size(), 2u);
  EXPECT_EQ(DayPart(flights[0]->DATE), MakeDateTime(2001, 6, 7));
  EXPECT_EQ(DayPart(flights[1]->DATE), MakeDateTime(2001, 6, 11));
}

TEST_F(ImportFlightsTest, EveryItemReachesTheFlightInTheChosenUnits) {
  Book().UNIT_FLAGS[kUnitFeet] = 0;
  Book().UNIT_FLAGS[kUnitMetres] = kFlagSet;
  const std::string remarks = "He said \"wow\", then\r\nlanded, \"\"twice\"\"";
  // Mask 4112: N and S. Altitudes in metres; the other units stay as they were.
  RunImport(kImportFlights,
            Line({.numbers = "4112,5,12,3,4,4,1000,100,2000,10", .remarks = remarks}));
  ASSERT_EQ(Flights().size(), 1u);
  const FlightRecord& flight = *Flights()[0];
  EXPECT_EQ(flight.REMARKS, remarks);
  WindFlags wind{};
  wind[4] = wind[12] = kFlagSet;
  EXPECT_EQ(flight.WIND_FLAGS, wind);
  EXPECT_EQ(flight.TURBULENCE, 4);
  EXPECT_EQ(flight.LAUNCH_MSL, 3281);
  EXPECT_EQ(flight.LANDING_MSL, 328);
  EXPECT_EQ(flight.MAX_MSL, 6562);
  EXPECT_EQ(flight.OVER_LAUNCH, 3281);
  EXPECT_EQ(flight.XC_DISTANCE, 10.0f);
  EXPECT_EQ(flight.MAX_LIFT, 3);
  EXPECT_EQ(flight.MAX_SINK, 4);
  EXPECT_EQ(platform.Prompts(), Strings{});
}

TEST_F(ImportFlightsTest, DamagedFilesStopWithTheImportErrorAndNeverHalfEnterARecord) {
  const std::string good = Line({.site = "Alpha", .glider = "A1"});
  struct Case {
    const char* name;
    std::string contents;
    bool fails;
    int sites;  // the sites of the good lines before the damage are entered
  };
  const Case cases[] = {
      {"empty file", "", false, 2},
      {"binary garbage", std::string("\x00\xFF\xFE\"\x01,\r\n\x7F", 9) + std::string(300, '\xC3'),
       true, 2},
      {"unterminated quote", good + "\"6/8/2001\",\"2:05 PM", true, 3},
      {"text where a number belongs",
       good + Line({.site = "Beta", .numbers = "\"N\",0,0,0,0,0,0,0,0,0"}), true, 3},
      {"too few items", good + "\"6/8/2001\",\"2:05 PM\",\"1:00\",\"Beta\",\"B1\"\r\n", true, 3},
      {"too many items",
       good + Line({.site = "Beta"}).substr(0, 60) +
           ",1,2,3,4,5,6,7,8,9,10,11,"
           "12,13,14\r\n",
       true, 3},
      {"turbulence too large", good + Line({.site = "Beta", .numbers = "0,0,0,0,0,99999,0,0,0,0"}),
       true, 3},
  };
  for (const Case& c : cases) {
    Restart();
    RunImport(kImportFlights, c.contents);
    EXPECT_EQ(platform.Prompts(), c.fails ? Strings{ErrorFor("in.txt")} : Strings{}) << c.name;
    EXPECT_EQ(Book().sites.LiveCount(), c.sites) << c.name;
    EXPECT_EQ(SiteNamed("Beta"), nullptr) << c.name;
    EXPECT_EQ(Book().gliders.LiveCount(), 2) << c.name;
    EXPECT_EQ(Book().flights.LiveCount(), 0) << c.name;
    EXPECT_FALSE(Import().Visible()) << c.name;
    EXPECT_FALSE(platform.Busy()) << c.name;
  }
  Restart();
  ImportPath(kImportFlights, PathIn("missing.txt"));
  EXPECT_EQ(platform.Prompts(), Strings{ErrorFor("missing.txt")});
  ImportPath(kImportFlights, folder.Path());
  EXPECT_EQ(platform.Prompts().back(), "Error importing file '" + folder.Path() + "'.");
}

TEST_F(ImportFlightsTest, TheFlightsExportIsReadBackWithEveryField) {
  const std::string header =
      "\"FLIGHT_NO\",\"DATE\",\"TIME\",\"NON_FLYING\",\"HIGHLIGHT\",\"AIRTIME\",\"SITE_NAME\","
      "\"GLIDER_NAME\",\"GLIDER_TYPE\",\"PLACES\",\"WIND_DIREC1\",\"WIND_DIREC2\",\"BASE_WIND\","
      "\"PEAK_WIND\",\"MAX_LIFT\",\"MAX_SINK\",\"TURBULENCE\",\"LAUNCH_MSL\",\"LANDING_MSL\","
      "\"MAX_MSL\",\"OVER_LAUNCH\",\"XC_DISTANCE\",\"XC_TYPE\",\"GPS_COORDS\",\"REMARKS\"\r\n";
  const std::string coords = "N40:30:00 W111:45:00 N40:10:00 W111:30:00";
  RunImport(
      kImportFlights,
      header +
          "1,\"6/7/2001\",\"14:05\",0,1,95,\"Ridge\",\"Duo\",\"Paraglider\",\"Tandem\",\"N, S\","
          "4112,5,10,400,300,2,1200,300,4500,3300,12.5,\"Out-and-Return\",\"" +
          coords +
          "\",\"a \"\"big\"\" day\"\r\n"
          "0,\"6/8/2001\",\"9:30\",1,0,0,\"\",\"\",\"Paraglider\",\"Tandem\",\"\",0,0,0,0,0,0,0,0,"
          "0,0,0,\"\",\"\",\"rain\"\r\n"
          "2,\"6/9/2001\",\"10:00\",0,0,60,\"Point\",\"Falcon\",\"Hang "
          "Glider\",\"Solo\",\"\",0,0,0,"
          "0,0,0,1200,100,1200,0,0,\"\",\"\",\"\"\r\n");
  EXPECT_EQ(platform.Prompts(), Strings{});
  std::vector<const FlightRecord*> flights = Flights();
  ASSERT_EQ(flights.size(), 3u);

  const FlightRecord& first = *flights[0];
  EXPECT_EQ(first.DATE, MakeDateTime(2001, 6, 7, 14, 5));
  EXPECT_EQ(first.AIRTIME, 95);
  EXPECT_EQ(first.HIGHLIGHT, kFlagSet);
  EXPECT_EQ(first.NON_FLYING, 0);
  EXPECT_EQ(first.TANDEM, kOptionSet);
  EXPECT_EQ(first.SOLO, 0);
  EXPECT_EQ(first.OVER_LAUNCH, 3300);
  EXPECT_EQ(first.XC_TYPE, 1);
  EXPECT_EQ(first.GPS_COORDS, coords);
  EXPECT_EQ(first.XC_DISTANCE, 12.5f);
  EXPECT_EQ(first.TURBULENCE, 2);
  EXPECT_EQ(first.REMARKS, "a \"big\" day");
  ASSERT_NE(GliderNamed("Duo"), nullptr);
  EXPECT_NE(GliderNamed("Duo")->PARAGLIDER, 0);

  const FlightRecord& rest = *flights[1];
  EXPECT_EQ(rest.NON_FLYING, kFlagSet);
  EXPECT_EQ(rest.FLIGHT_NO, 0);
  EXPECT_EQ(rest.REMARKS, "rain");

  const FlightRecord& plain = *flights[2];
  EXPECT_EQ(plain.SOLO, kOptionSet);
  EXPECT_EQ(plain.HIGHLIGHT, 0);
  EXPECT_EQ(plain.XC_TYPE, -1);
  EXPECT_NE(plain.FLIGHT_NO, 0);
  // A non-flying line names no site: no blank site was made for it.
  EXPECT_EQ(Book().sites.LiveCount(), 3);
}

// What the page would otherwise decide for itself: an over-launch the file gives (in metres
// here, where the page's own maximum minus launch is one more), and the site and glider a
// non-flying line names, made for it when no flying line names them.
TEST_F(ImportFlightsTest, TheFlightsExportKeepsItsOverLaunchAndTheNamesOfNonFlyingLines) {
  Book().UNIT_FLAGS[kUnitFeet] = 0;
  Book().UNIT_FLAGS[kUnitMetres] = kFlagSet;
  const std::string header =
      "\"FLIGHT_NO\",\"DATE\",\"TIME\",\"NON_FLYING\",\"HIGHLIGHT\",\"AIRTIME\",\"SITE_NAME\","
      "\"GLIDER_NAME\",\"GLIDER_TYPE\",\"PLACES\",\"WIND_DIREC1\",\"WIND_DIREC2\",\"BASE_WIND\","
      "\"PEAK_WIND\",\"MAX_LIFT\",\"MAX_SINK\",\"TURBULENCE\",\"LAUNCH_MSL\",\"LANDING_MSL\","
      "\"MAX_MSL\",\"OVER_LAUNCH\",\"XC_DISTANCE\",\"XC_TYPE\",\"GPS_COORDS\",\"REMARKS\"\r\n";
  RunImport(kImportFlights,
            header +
                "1,\"6/7/2001\",\"14:05\",0,0,95,\"Point\",\"Falcon\",\"Hang Glider\",\"Solo\","
                "\"\",0,0,0,0,0,0,853,30,1681,827,0,\"\",\"\",\"\"\r\n"
                "0,\"6/8/2001\",\"9:30\",1,0,0,\"Shed\",\"Umbrella\",\"Paraglider\",\"Solo\",\"\","
                "0,0,0,0,0,0,0,0,0,0,0,\"\",\"\",\"rain\"\r\n");
  EXPECT_EQ(platform.Prompts(), Strings{});
  std::vector<const FlightRecord*> flights = Flights();
  ASSERT_EQ(flights.size(), 2u);
  const UnitFlags& units = Book().UNIT_FLAGS;
  auto stored = [&units](const char* metres) {
    return ToStoredInt16(
        ConvertUnit(metres, UnitKind::kAltitude, UnitDirection::kToStorage, false, units));
  };
  EXPECT_EQ(flights[0]->OVER_LAUNCH, stored("827"));
  EXPECT_NE(stored("827"), stored("828"));
  EXPECT_EQ(flights[0]->MAX_MSL, stored("1681"));

  ASSERT_NE(SiteNamed("Shed"), nullptr);
  ASSERT_NE(GliderNamed("Umbrella"), nullptr);
  EXPECT_NE(GliderNamed("Umbrella")->PARAGLIDER, 0);
  EXPECT_EQ(&Book().sites[flights[1]->SITE_INDEX], SiteNamed("Shed"));
  EXPECT_EQ(&Book().gliders[flights[1]->GLIDER_INDEX], GliderNamed("Umbrella"));
  EXPECT_EQ(flights[1]->NON_FLYING, kFlagSet);
}

TEST_F(ImportFlightsTest, ShowsHowFarItHasGoneAndLetsEventsRun) {
  std::string file;
  for (int day = 1; day <= 5; ++day)
    file += Line({.date = "6/" + std::to_string(day) + "/2001"});
  const int eventsBefore = platform.DoEventsCalls();
  RunImport(kImportFlights, file);
  EXPECT_EQ(Book().flights.LiveCount(), 5);
  // The flight page's own turn before each Enter, and the count shown in each pass.
  EXPECT_GE(platform.DoEventsCalls() - eventsBefore, 5 + 3);
  EXPECT_EQ(platform.BusyCalls(), 2);
  EXPECT_FALSE(platform.Busy());
  EXPECT_EQ(Import().Progress.Caption(), "");
}

}  // namespace
}  // namespace aloftra::test
