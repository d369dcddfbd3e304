// The records of the import files: the 17-item flights layout, the flights export's 25
// columns, the two sites column-name lines, and the items that do not read as their types.
#include "exchange/ImportedRecords.h"

#include <gtest/gtest.h>

#include <sstream>

#include "exchange/ImportProgress.h"

namespace aloftra {
namespace {

std::vector<DelimitedItem> ItemsOf(const std::string& line) {
  std::istringstream in(line);
  DelimitedRecordReader reader(in);
  std::vector<DelimitedItem> items;
  EXPECT_EQ(reader.Next(items), DelimitedRecordReader::Status::kRecord) << line;
  return items;
}

const std::string kFlightsExportHeader =
    "\"FLIGHT_NO\",\"DATE\",\"TIME\",\"NON_FLYING\",\"HIGHLIGHT\",\"AIRTIME\",\"SITE_NAME\","
    "\"GLIDER_NAME\",\"GLIDER_TYPE\",\"PLACES\",\"WIND_DIREC1\",\"WIND_DIREC2\",\"BASE_WIND\","
    "\"PEAK_WIND\",\"MAX_LIFT\",\"MAX_SINK\",\"TURBULENCE\",\"LAUNCH_MSL\",\"LANDING_MSL\","
    "\"MAX_MSL\",\"OVER_LAUNCH\",\"XC_DISTANCE\",\"XC_TYPE\",\"GPS_COORDS\",\"REMARKS\"";
const std::string kSitesHeader12 =
    "\"SITE_NAME\",\"LOCATION\",\"LAUNCH_MSL\",\"LANDING_MSL\",\"DIFFICULTY1\",\"DIFFICULTY2\","
    "\"WIND_DIREC1\",\"WIND_DIREC2\",\"DESCRIPTION\",\"FLYING_DAYS\",\"FLIGHTS\","
    "\"TOTAL_AIRTIME\"";
const std::string kSitesHeader13 = kSitesHeader12 + ",\"URL\"";

TEST(ImportedRecordsTest, ReadsEveryItemOfTheImportLayout) {
  ImportedFlight flight;
  std::string problem;
  ASSERT_TRUE(ReadImportedFlight(
      ItemsOf("\"6/7/2001\",\"14:05\",\"1:35\",\"Ridge\",\"Falcon\",\"Paraglider\",4112,5,12.5,"
              "400,-300,3,1200,-20,4500,11.25,\"said \"\"wow\"\", twice\""),
      FlightFileLayout::kImportItems, flight, problem))
      << problem;
  EXPECT_EQ(flight.date, "6/7/2001");
  EXPECT_EQ(flight.time, "14:05");
  EXPECT_EQ(flight.airtime, "1:35");
  EXPECT_EQ(flight.site, "Ridge");
  EXPECT_EQ(flight.glider, "Falcon");
  EXPECT_EQ(flight.gliderType, "Paraglider");
  EXPECT_EQ(flight.windMask, 4112);
  EXPECT_EQ(flight.baseWind, 5.0f);
  EXPECT_EQ(flight.peakWind, 12.5f);
  EXPECT_EQ(flight.maxLift, 400.0f);
  EXPECT_EQ(flight.maxSink, -300.0f);
  EXPECT_EQ(flight.turbulence, 3);
  EXPECT_EQ(flight.launch, 1200.0f);
  EXPECT_EQ(flight.landing, -20.0f);
  EXPECT_EQ(flight.maxMsl, 4500.0f);
  EXPECT_EQ(flight.distance, 11.25f);
  EXPECT_EQ(flight.remarks, "said \"wow\", twice");
  EXPECT_FALSE(flight.fullDetails);
}

TEST(ImportedRecordsTest, RefusesARecordWithAnItemOfTheWrongTypeAndKeepsNothingOfIt) {
  const std::string good = "\"6/7/2001\",\"14:05\",\"1:35\",\"Ridge\",\"Falcon\",\"\",";
  const std::pair<const char*, std::string> cases[] = {
      {"text where the mask belongs", good + "\"N\",0,0,0,0,0,0,0,0,0,\"\""},
      {"mask beyond 32 bits", good + "4294967296,0,0,0,0,0,0,0,0,0,\"\""},
      {"turbulence beyond 16 bits", good + "0,0,0,0,0,40000,0,0,0,0,\"\""},
      {"turbulence not whole", good + "0,0,0,0,0,1.5,0,0,0,0,\"\""},
      {"letters in a number", good + "0,5kt,0,0,0,0,0,0,0,0,\"\""},
      {"number beyond a single", good + "0,1E+39,0,0,0,0,0,0,0,0,\"\""},
      {"sixteen items", good + "0,0,0,0,0,0,0,0,0,\"\""},
      {"eighteen items", good + "0,0,0,0,0,0,0,0,0,0,\"\",\"\""},
  };
  for (const auto& [name, line] : cases) {
    ImportedFlight flight;
    flight.site = "untouched";
    std::string problem;
    EXPECT_FALSE(ReadImportedFlight(ItemsOf(line), FlightFileLayout::kImportItems, flight, problem))
        << name;
    EXPECT_EQ(flight.site, "untouched") << name;
    EXPECT_FALSE(problem.empty()) << name;
  }
}

TEST(ImportedRecordsTest, RecognisesOnlyTheExactColumnNameLines) {
  EXPECT_TRUE(IsFlightsExportHeader(ItemsOf(kFlightsExportHeader)));
  EXPECT_FALSE(IsFlightsExportHeader(ItemsOf("\"FLIGHT_NO\", " + kFlightsExportHeader.substr(12))));
  EXPECT_FALSE(IsFlightsExportHeader(ItemsOf("FLIGHT_NO," + kFlightsExportHeader.substr(12))));
  EXPECT_FALSE(IsFlightsExportHeader(ItemsOf(kFlightsExportHeader + ",\"MORE\"")));

  const std::pair<std::string, SiteListVersion> sites[] = {
      {kSitesHeader13, SiteListVersion::kCurrent},
      {kSitesHeader12, SiteListVersion::kWithoutUrl},
      {"\"LOCATION\",\"SITE_NAME\"" + kSitesHeader13.substr(22), SiteListVersion::kUnknown},
      {"\"SITE_NAME\", \"LOCATION\"" + kSitesHeader13.substr(22), SiteListVersion::kUnknown},
      {"SITE_NAME,\"LOCATION\"" + kSitesHeader13.substr(22), SiteListVersion::kUnknown},
      {kSitesHeader13 + ",\"EXTRA\"", SiteListVersion::kUnknown},
      {"\"site_name\"" + kSitesHeader13.substr(11), SiteListVersion::kUnknown},
      {"\"Ridge\",\"\",0,0,\"\",0,\"\",0,\"\",0,0,0,\"\"", SiteListVersion::kUnknown},
  };
  for (const auto& [line, version] : sites)
    EXPECT_EQ(SiteListVersionOf(ItemsOf(line)), version) << line;
}

TEST(ImportedRecordsTest, TheFlightsExportCarriesMarksPlacesAndCrossCountryDetails) {
  struct Case {
    std::string marks;  // NON_FLYING,HIGHLIGHT
    std::string places;
    std::string xcType;
    bool nonFlying, highlight, tandem;
    int type;
  };
  const Case cases[] = {
      {"0,0", "Solo", "Straight Line", false, false, false, 0},
      {"0,1", "Tandem", "Out-and-Return", false, true, true, 1},
      {"1,0", "Solo", "Triangle", true, false, false, 2},
      {"0,0", "Solo", "", false, false, false, -1},
      {"0,0", "Solo", "Zigzag", false, false, false, -1},
  };
  for (const Case& c : cases) {
    const std::string line = "12,\"6/7/2001\",\"14:05\"," + c.marks +
                             ",95,\"Ridge\",\"Falcon\",\"Hang Glider\",\"" + c.places +
                             "\",\"N, S\",4112,5,10,400,300,2,1200,300,4500,3300,11.5,\"" +
                             c.xcType + "\",\"N47:00:00 E008:00:00\",\"a \"\"b\"\"\"";
    ImportedFlight flight;
    std::string problem;
    ASSERT_TRUE(
        ReadImportedFlight(ItemsOf(line), FlightFileLayout::kFlightsExport, flight, problem))
        << problem;
    EXPECT_TRUE(flight.fullDetails);
    EXPECT_EQ(flight.nonFlying, c.nonFlying) << c.marks;
    EXPECT_EQ(flight.highlight, c.highlight) << c.marks;
    EXPECT_EQ(flight.tandem, c.tandem) << c.places;
    EXPECT_EQ(flight.xcType, c.type) << c.xcType;
    EXPECT_EQ(flight.airtime, "95");
    EXPECT_EQ(flight.windMask, 4112);
    EXPECT_EQ(flight.overLaunch, 3300.0f);
    EXPECT_EQ(flight.distance, 11.5f);
    EXPECT_EQ(flight.gpsCoords, "N47:00:00 E008:00:00");
    EXPECT_EQ(flight.remarks, "a \"b\"");
  }
}

TEST(ImportedRecordsTest, SiteRecordsFollowTheirColumnNameLine) {
  const std::string record12 =
      "\"Ridge\",\"Hills, east\",1200,-30.5,\"Novice - Advanced\",10,\"N\",16,\"Nice\",3,4,120";
  ImportedSite site;
  std::string problem;
  ASSERT_TRUE(ReadImportedSite(ItemsOf(record12 + ",\"http://ridge\""), SiteListVersion::kCurrent,
                               site, problem))
      << problem;
  EXPECT_EQ(site.name, "Ridge");
  EXPECT_EQ(site.location, "Hills, east");
  EXPECT_EQ(site.launch, 1200.0f);
  EXPECT_EQ(site.landing, -30.5f);
  EXPECT_EQ(site.difficultyMask, 10);
  EXPECT_EQ(site.windMask, 16);
  EXPECT_EQ(site.description, "Nice");
  EXPECT_EQ(site.url, "http://ridge");

  ASSERT_TRUE(ReadImportedSite(ItemsOf(record12), SiteListVersion::kWithoutUrl, site, problem));
  EXPECT_EQ(site.url, "");

  EXPECT_FALSE(ReadImportedSite(ItemsOf(record12), SiteListVersion::kCurrent, site, problem));
  EXPECT_FALSE(
      ReadImportedSite(ItemsOf(record12 + ",\"u\""), SiteListVersion::kWithoutUrl, site, problem));
  EXPECT_FALSE(ReadImportedSite(ItemsOf("\"R\",\"\",0,0,\"\",99999,\"\",0,\"\",0,0,0"),
                                SiteListVersion::kWithoutUrl, site, problem));
}

TEST(ImportedRecordsTest, ProgressCountsCarryThousandsSeparators) {
  const std::pair<long, const char*> counts[] = {
      {0, "0"}, {999, "999"}, {1000, "1,000"}, {1234567, "1,234,567"}, {-12345, "-12,345"}};
  for (const auto& [value, text] : counts)
    EXPECT_EQ(WithThousands(value), text);
  EXPECT_EQ(ImportProgressText(1234, 10000), "Importing 1,234 of 10,000...");
  EXPECT_EQ(ImportProgressText(12, -1), "Importing 12...");
}

}  // namespace
}  // namespace aloftra
