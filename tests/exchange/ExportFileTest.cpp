// The three export files written from logbooks built for each case.
#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>

#include "DelimitedReading.h"
#include "core/DateTime.h"
#include "core/LogbookRepair.h"
#include "exchange/ExportFile.h"
#include "flights/WindDirectionText.h"
#include "support/FaultyFileSystem.h"
#include "support/LogbookBuilder.h"

namespace aloftra::test {
namespace {

constexpr const char* kFlightHeader =
    "\"FLIGHT_NO\",\"DATE\",\"TIME\",\"NON_FLYING\",\"HIGHLIGHT\",\"AIRTIME\",\"SITE_NAME\","
    "\"GLIDER_NAME\",\"GLIDER_TYPE\",\"PLACES\",\"WIND_DIREC1\",\"WIND_DIREC2\",\"BASE_WIND\","
    "\"PEAK_WIND\",\"MAX_LIFT\",\"MAX_SINK\",\"TURBULENCE\",\"LAUNCH_MSL\",\"LANDING_MSL\","
    "\"MAX_MSL\",\"OVER_LAUNCH\",\"XC_DISTANCE\",\"XC_TYPE\",\"GPS_COORDS\",\"REMARKS\"\r\n";

void UseMetres(Logbook& book) {
  book.UNIT_FLAGS[kUnitFeet] = 0;
  book.UNIT_FLAGS[kUnitMetres] = kFlagSet;
}

// The flight of 7 June 2001, 14:05, 95 minutes at Point on the Falcon, with a value in
// every column and a remark that holds a quote, a comma and a line break.
FlightRecord& AddJuneFlight(Logbook& book) {
  const int slot = AddFlight(book, {.date = MakeDateTime(2001, 6, 7, 14, 5), .airtime = 95});
  FlightRecord& flight = book.flights[slot];
  flight.FLIGHT_NO = 12;
  flight.WIND_FLAGS[4] = flight.WIND_FLAGS[12] = kFlagSet;  // N and S
  flight.BASE_WIND = 10;
  flight.PEAK_WIND = 15.5f;
  flight.MAX_LIFT = 400;
  flight.MAX_SINK = -350;
  flight.TURBULENCE = 2;
  flight.LAUNCH_MSL = 1200;
  flight.LANDING_MSL = -20;
  flight.MAX_MSL = 4500;
  flight.OVER_LAUNCH = 3300;
  flight.XC_DISTANCE = 12.34f;
  flight.XC_TYPE = 1;
  flight.GPS_COORDS = "N40 W111";
  flight.REMARKS = "Said \"wow\", then landed\r\nSecond line";
  RebuildFlightOrder(book);
  return flight;
}

std::vector<DelimitedRecord> Records(const std::string& text) {
  return ReadDelimited(text);
}

TEST(FlightsExportTest, EmptyLogbookGivesTheColumnNamesOnly) {
  EXPECT_EQ(FlightsExportText(Logbook{}), kFlightHeader);
}

TEST(FlightsExportTest, ExampleFlightLine) {
  Logbook book = GlidersAndSites();
  const FlightRecord& flight = AddJuneFlight(book);
  const std::string expected =
      std::string(kFlightHeader) + "12,\"6/7/2001\",\"14:05\",0,0,95,\"Point\",\"Falcon\",\"Hang " +
      "Glider\",\"Solo\",\"" + WindDirectionText(flight.WIND_FLAGS) +
      "\",4112,10,16,400,350,2,1200,-20,4500,3300,12.3,\"Out-and-Return\",\"N40 W111\","
      "\"Said \"\"wow\"\", then landed\r\nSecond line\"\r\n";
  EXPECT_EQ(FlightsExportText(book), expected);
}

TEST(FlightsExportTest, MarksPlacesGliderTypeAndCrossCountryTypes) {
  Logbook book = GlidersAndSites();  // glider 1 is the paraglider "Mentor", site 1 "Dunes"
  struct Case {
    FlightValues values;
    std::int16_t xcType;
    bool highlight;
    DelimitedRecord expected;  // FLIGHT_NO to PLACES, then XC_TYPE
  };
  const Case cases[] = {
      {{.date = MakeDateTime(2001, 4, 19, 6), .site = 1, .glider = 1, .solo = false},
       2,
       true,
       {"3", "4/19/2001", "6:00", "0", "1", "60", "Dunes", "Mentor", "Paraglider", "Tandem",
        "Triangle"}},
      {{.date = MakeDateTime(2001, 4, 20, 12), .airtime = 0, .nonFlying = true},
       -1,
       false,
       {"0", "4/20/2001", "12:00", "1", "0", "0", "Point", "Falcon", "Hang Glider", "Solo", ""}},
      {{.date = MakeDateTime(2001, 4, 21, 18), .site = 7, .glider = 9},
       0,
       false,
       {"3", "4/21/2001", "18:00", "0", "0", "60", "", "", "Paraglider", "Solo", "Straight Line"}},
  };
  for (const Case& c : cases) {
    const int slot = AddFlight(book, c.values);
    book.flights[slot].FLIGHT_NO = 3;  // a non-flying entry writes 0 whatever is stored
    book.flights[slot].XC_TYPE = c.xcType;
    book.flights[slot].HIGHLIGHT = c.highlight ? kFlagSet : 0;
  }
  RebuildFlightOrder(book);
  const std::vector<DelimitedRecord> records = Records(FlightsExportText(book));
  ASSERT_EQ(records.size(), std::size(cases) + 1);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const DelimitedRecord& record = records[i + 1];
    ASSERT_EQ(record.size(), std::size_t{kFlightColumns});
    DelimitedRecord shown(record.begin(), record.begin() + 10);
    shown.push_back(record[22]);
    EXPECT_EQ(shown, cases[i].expected) << i;
  }
}

TEST(FlightsExportTest, MetresChangeTheFourAltitudesAndNothingElse) {
  Logbook book = GlidersAndSites();
  AddJuneFlight(book);
  AddFlight(book, {.date = MakeDateTime(2001, 6, 8, 9, 30), .maxMsl = -7, .overLaunch = 333});
  RebuildFlightOrder(book);
  const std::vector<DelimitedRecord> inFeet = Records(FlightsExportText(book));
  UseMetres(book);
  const std::vector<DelimitedRecord> inMetres = Records(FlightsExportText(book));
  ASSERT_EQ(inFeet.size(), 3u);
  ASSERT_EQ(inMetres.size(), 3u);
  EXPECT_EQ(inFeet[0], inMetres[0]);
  for (std::size_t line = 1; line < 3; ++line) {
    for (std::size_t column = 0; column < std::size_t{kFlightColumns}; ++column) {
      const bool altitude = column >= 17 && column <= 20;
      if (!altitude) {
        EXPECT_EQ(inFeet[line][column], inMetres[line][column]) << line << "," << column;
      }
    }
  }
  EXPECT_EQ(DelimitedRecord(inMetres[1].begin() + 17, inMetres[1].begin() + 21),
            (DelimitedRecord{"366", "-6", "1372", "1006"}));
  EXPECT_EQ(DelimitedRecord(inMetres[2].begin() + 17, inMetres[2].begin() + 21),
            (DelimitedRecord{"0", "0", "-2", "101"}));
}

TEST(FlightsExportTest, DateOrderWhateverTheSlotsAndTheShownOrder) {
  Logbook book = GlidersAndSites();
  const DateTime dates[] = {37100.5, 37000.5, 37200.5, 37050.5};
  const int airtimes[] = {10, 200, 30, 400};
  for (int i = 0; i < 4; ++i)
    AddFlight(book, {.date = dates[i], .airtime = airtimes[i]});
  AddFlight(book, {.date = 0});  // a free slot is no flight
  RebuildFlightOrder(book);
  book.doc.SortKey = kSortAirtime;
  const std::vector<DelimitedRecord> records = Records(FlightsExportText(book));
  ASSERT_EQ(records.size(), 5u);
  std::vector<std::string> airtimeColumn;
  for (std::size_t i = 1; i < records.size(); ++i)
    airtimeColumn.push_back(records[i][5]);
  EXPECT_EQ(airtimeColumn, (std::vector<std::string>{"200", "400", "10", "30"}));
}

TEST(SitesExportTest, AlphabeticalLinesWithDifficultyWindAndStatistics) {
  Logbook book;
  book.sites.Append(MakeSite("point", "Utah", 1200, -15));
  book.sites.Append(MakeSite("Zeta \"Z\"", "", 0, 0));
  book.sites.Append(MakeSite("Alpha", "Somewhere, CA", 300, 100));
  book.sites.Append(MakeSite("", ""));  // a free slot
  SiteRecord& alpha = book.sites[2];
  alpha.DIFFICULTY = {1, 0, 1, 0};
  alpha.WIND_FLAGS[4] = alpha.WIND_FLAGS[12] = kFlagSet;
  alpha.DESCRIPTION = "Two lines\r\nof text";
  alpha.FLYING_DAYS = 3;
  alpha.FLIGHTS = 5;
  alpha.TOTAL_AIRTIME = 70000;
  alpha.URL = "http://alpha.example";
  book.sites[0].DIFFICULTY = {0, 0, 1, 0};
  const std::string text = SitesExportText(book);
  const std::vector<DelimitedRecord> records = Records(text);
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[0],
            (DelimitedRecord{"SITE_NAME", "LOCATION", "LAUNCH_MSL", "LANDING_MSL", "DIFFICULTY1",
                             "DIFFICULTY2", "WIND_DIREC1", "WIND_DIREC2", "DESCRIPTION",
                             "FLYING_DAYS", "FLIGHTS", "TOTAL_AIRTIME", "URL"}));
  EXPECT_EQ(records[1],
            (DelimitedRecord{"Alpha", "Somewhere, CA", "300", "100", "Beginner - Intermediate", "5",
                             WindDirectionText(alpha.WIND_FLAGS), "4112", "Two lines\r\nof text",
                             "3", "5", "70000", "http://alpha.example"}));
  EXPECT_EQ(records[2], (DelimitedRecord{"point", "Utah", "1200", "-15", "Intermediate", "4", "",
                                         "0", "", "0", "0", "0", ""}));
  EXPECT_EQ(records[3][0], "Zeta \"Z\"");
  UseMetres(book);
  const std::vector<DelimitedRecord> inMetres = Records(SitesExportText(book));
  EXPECT_EQ(DelimitedRecord(inMetres[2].begin() + 2, inMetres[2].begin() + 4),
            (DelimitedRecord{"366", "-5"}));
}

TEST(GlidersExportTest, AlphabeticalLinesWithClassesWeightsAndDates) {
  Logbook book;
  GliderRecord falcon = MakeGlider("Falcon", kOptionSet);
  falcon.MANUFACTURER = "Wills Wing";
  falcon.MODEL = "Falcon 3";
  falcon.SIZE = "170";
  falcon.DATE_OF_MFG = "May 5, 2001";
  falcon.COLOR = "Red, white";
  falcon.SERIAL_NO = "WW-1";
  falcon.WEIGHT_MIN = 150;
  falcon.WEIGHT_MAX = 250.4f;
  falcon.DHV = {0, 1, 1, 0, 0};
  falcon.PRE_AIRTIME = 6000;
  falcon.FLYING_DAYS = 4;
  falcon.FLIGHTS = 9;
  falcon.TOTAL_AIRTIME = 600;
  falcon.NOTES = "Says \"fast\"";
  GliderRecord mentor = MakeGlider("mentor", 0, true);
  mentor.DATE_OF_MFG = "spring 1999";
  mentor.AFNOR = {0, 1, 0, 1};
  book.gliders.Append(mentor);
  book.gliders.Append(falcon);
  const std::vector<DelimitedRecord> records = Records(GlidersExportText(book));
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].size(), std::size_t{kGliderColumns});
  EXPECT_EQ(records[0][17], "NOTES");
  EXPECT_EQ(records[1], (DelimitedRecord{"Falcon", "Hang Glider", "Solo", "Wills Wing", "Falcon 3",
                                         "170", "5/5/2001", "Red, white", "WW-1", "150", "250",
                                         "1-2", "", "6000", "4", "9", "600", "Says \"fast\""}));
  EXPECT_EQ(records[2],
            (DelimitedRecord{"mentor", "Paraglider", "Tandem", "", "", "", "spring 1999", "", "",
                             "0", "0", "", "Performance", "0", "0", "0", "0", ""}));
  book.UNIT_FLAGS[kUnitPounds] = 0;
  book.UNIT_FLAGS[kUnitKilograms] = kFlagSet;
  const std::vector<DelimitedRecord> inKilograms = Records(GlidersExportText(book));
  EXPECT_EQ(DelimitedRecord(inKilograms[1].begin() + 9, inKilograms[1].begin() + 11),
            (DelimitedRecord{"68", "114"}));
}

TEST(WriteExportFileTest, WritesTheTextAndAFailureLeavesNothing) {
  TempFolder folder;
  PosixFileSystem real;
  Logbook book = GlidersAndSites();
  AddJuneFlight(book);
  const std::string path = folder.PathOf("Aloftra.txt");
  for (ExportKind kind : {ExportKind::kFlights, ExportKind::kSites, ExportKind::kGliders}) {
    ASSERT_TRUE(WriteExportFile(real, path, book, kind).ok);
    EXPECT_EQ(folder.ReadFile("Aloftra.txt"), ExportText(book, kind));
  }
  EXPECT_FALSE(
      WriteExportFile(real, folder.PathOf("no/such/folder.txt"), book, ExportKind::kFlights).ok);
  // A write that fails at any step keeps the earlier file whole and leaves no other file.
  for (int step = 1;; ++step) {
    FaultyFileSystem faulty(real);
    faulty.FailAt(step);
    const WriteResult result = WriteExportFile(faulty, path, book, ExportKind::kFlights);
    if (step > faulty.Operations()) break;
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"Aloftra.txt"}) << step;
    if (result.ok) {
      ASSERT_TRUE(WriteExportFile(real, path, book, ExportKind::kGliders).ok);
    } else {
      EXPECT_EQ(folder.ReadFile("Aloftra.txt"), GlidersExportText(book)) << step;
    }
  }
  EXPECT_EQ(CannotOpenFileMessage("/x/y.txt"), "Cannot open file '/x/y.txt'.");
}

// Python's csv module, a reader the program did not write, finds every column in its place.
TEST(ExportCsvTest, PythonCsvReadsEveryColumnBack) {
  if (std::system("python3 -c 'import csv, json' >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "python3 is not available";
  TempFolder folder;
  PosixFileSystem real;
  Logbook book = GlidersAndSites();
  AddJuneFlight(book);
  const int second = AddFlight(book, {.date = MakeDateTime(2001, 6, 9, 8, 0)});
  book.flights[second].REMARKS = "\"quoted at both ends\"";
  book.flights[second].GPS_COORDS = "a,b,\"c\"\nd";
  RebuildFlightOrder(book);
  book.sites[0].DESCRIPTION = "one, \"two\"\r\nthree";
  book.gliders[1].NOTES = ",\",\r\n";
  const ExportKind kinds[] = {ExportKind::kFlights, ExportKind::kSites, ExportKind::kGliders};
  std::string command = "python3 " ALOFTRA_EXPORT_CSV_SCRIPT;
  for (ExportKind kind : kinds) {
    const std::string path = folder.PathOf("export" + std::to_string(static_cast<int>(kind)));
    ASSERT_TRUE(WriteExportFile(real, path, book, kind).ok);
    command += " '" + path + "'";
  }
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[4096];
  while (std::size_t got = fread(buffer, 1, sizeof buffer, pipe))
    output.append(buffer, got);
  ASSERT_EQ(pclose(pipe), 0) << output;
  const nlohmann::json files = nlohmann::json::parse(output);
  ASSERT_EQ(files.size(), std::size(kinds));
  for (ExportKind kind : kinds) {
    const nlohmann::json& rows = files[static_cast<std::size_t>(kind)];
    const std::vector<DelimitedRecord> expected = Records(ExportText(book, kind));
    ASSERT_EQ(rows.size(), expected.size());
    const std::size_t columns = expected[0].size();
    for (std::size_t i = 0; i < rows.size(); ++i) {
      ASSERT_EQ(rows[i].size(), columns) << i;
      for (std::size_t c = 0; c < columns; ++c)
        EXPECT_EQ(rows[i][c].get<std::string>(), expected[i][c]) << i << "," << c;
    }
  }
  const std::vector<DelimitedRecord> flights = Records(FlightsExportText(book));
  EXPECT_EQ(flights[1][24], book.flights[0].REMARKS);
  EXPECT_EQ(flights[2][23], "a,b,\"c\"\nd");
}

}  // namespace
}  // namespace aloftra::test
