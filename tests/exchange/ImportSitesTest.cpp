// Importing sites: both column-name lines, the versions refused, and a second import of the
// same file, which the site page refuses record by record.
#include <gtest/gtest.h>

#include "ImportFixture.h"

namespace aloftra::test {
namespace {

using Strings = std::vector<std::string>;

const std::string kHeader12 =
    "\"SITE_NAME\",\"LOCATION\",\"LAUNCH_MSL\",\"LANDING_MSL\",\"DIFFICULTY1\",\"DIFFICULTY2\","
    "\"WIND_DIREC1\",\"WIND_DIREC2\",\"DESCRIPTION\",\"FLYING_DAYS\",\"FLIGHTS\","
    "\"TOTAL_AIRTIME\"";
const std::string kHeader13 = kHeader12 + ",\"URL\"";
const std::string kRidge =
    "\"Ridge\",\"Hills, \"\"east\"\"\",1200,-30,\"Novice - Advanced\",10,\"N, S\",4112,"
    "\"Line one\r\nline two\",3,4,120";
const std::string kCove = "\"Cove\",\"Coast\",300,0,\"\",0,\"\",0,\"\",0,0,0";

class ImportSitesTest : public ImportTest {};

TEST_F(ImportSitesTest, BothColumnNameLinesImportEverySiteWithOrWithoutItsAddress) {
  const std::pair<std::string, std::string> versions[] = {
      {kHeader13 + "\r\n" + kRidge + ",\"http://ridge.example\"\r\n" + kCove + ",\"\"\r\n",
       "http://ridge.example"},
      {kHeader12 + "\r\n" + kRidge + "\r\n" + kCove + "\r\n", ""},
  };
  for (const auto& [file, url] : versions) {
    Restart();
    RunImport(kImportSites, file);
    EXPECT_EQ(platform.Prompts(), Strings{});
    EXPECT_EQ(Book().sites.LiveCount(), 4);
    const SiteRecord* ridge = SiteNamed("Ridge");
    ASSERT_NE(ridge, nullptr);
    EXPECT_EQ(ridge->LOCATION, "Hills, \"east\"");
    EXPECT_EQ(ridge->LAUNCH_MSL, 1200);
    EXPECT_EQ(ridge->LANDING_MSL, -30);
    EXPECT_EQ(ridge->DIFFICULTY, (std::array<Flag, 4>{0, 1, 0, 1}));
    WindFlags wind{};
    wind[4] = wind[12] = kFlagSet;
    EXPECT_EQ(ridge->WIND_FLAGS, wind);
    EXPECT_EQ(ridge->DESCRIPTION, "Line one\r\nline two");
    EXPECT_EQ(ridge->URL, url);
    // The statistics in the file are not taken: the site has no flights here.
    EXPECT_EQ(ridge->FLIGHTS, 0);
    EXPECT_NE(SiteNamed("Cove"), nullptr);
    EXPECT_TRUE(app->SiteList().Visible());
    EXPECT_FALSE(app->Aloftra().Visible());
    EXPECT_FALSE(Import().Visible());
  }
}

TEST_F(ImportSitesTest, AnyOtherFirstLineIsAnUnknownVersionAndNothingIsAdded) {
  const std::pair<const char*, std::string> firstLines[] = {
      {"names in another order", "\"LOCATION\",\"SITE_NAME\"" + kHeader13.substr(22)},
      {"blanks after the commas", "\"SITE_NAME\", \"LOCATION\"" + kHeader13.substr(22)},
      {"no column-name line", kRidge},
      {"empty file", ""},
      {"binary garbage", std::string("\x00\x01\xFF\"", 4)},
  };
  for (const auto& [name, first] : firstLines) {
    Restart();
    RunImport(kImportSites, first + "\r\n" + kCove + ",\"\"\r\n");
    EXPECT_EQ(platform.Prompts(), (Strings{"Unknown Site List version", ErrorFor("in.txt")}))
        << name;
    EXPECT_EQ(Book().sites.LiveCount(), 2) << name;
    EXPECT_TRUE(app->Aloftra().Visible()) << name;
  }
}

TEST_F(ImportSitesTest, ASecondImportOfTheSameFileIsRefusedByTheSitePageRecordByRecord) {
  const std::string file = kHeader13 + "\r\n" + kRidge + ",\"\"\r\n" + kCove + ",\"\"\r\n" +
                           "\"point\",\"\",0,0,\"\",0,\"\",0,\"\",0,0,0,\"\"\r\n";
  RunImport(kImportSites, file);
  EXPECT_EQ(platform.Prompts(), Strings{"The site name 'point' has already been used."});
  EXPECT_EQ(Book().sites.LiveCount(), 4);

  platform.ClearMessages();
  RunImport(kImportSites, file);
  EXPECT_EQ(platform.Prompts(), (Strings{"The site name 'Ridge' has already been used.",
                                         "The site name 'Cove' has already been used.",
                                         "The site name 'point' has already been used."}));
  EXPECT_EQ(Book().sites.LiveCount(), 4);
}

TEST_F(ImportSitesTest, ADamagedRecordStopsTheImportAfterTheSitesBeforeIt) {
  RunImport(kImportSites, kHeader12 + "\r\n" + kCove + "\r\n" +
                              "\"Bad\",\"\",\"high\",0,\"\",0,\"\",0,\"\",0,0,0\r\n" + kRidge +
                              "\r\n");
  EXPECT_EQ(platform.Prompts(), Strings{ErrorFor("in.txt")});
  EXPECT_NE(SiteNamed("Cove"), nullptr);
  EXPECT_EQ(SiteNamed("Bad"), nullptr);
  EXPECT_EQ(SiteNamed("Ridge"), nullptr);
  EXPECT_TRUE(app->SiteList().Visible());
}

}  // namespace
}  // namespace aloftra::test
