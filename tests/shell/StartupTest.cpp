// Start-up: where the logbook comes from, where the window stands, and the quiet and the
// reported failures.
#include <gtest/gtest.h>

#include "core/DateTime.h"
#include "core/SettingsFile.h"
#include "flights/frmAloftra.h"
#include "stats/frmGraphs.h"
#include "support/AppFixture.h"

namespace aloftra::test {
namespace {

class StartupTest : public AppFixture {
 protected:
  void WriteSettings(const std::string& logbookPath, long left, long top, int colorMode = 1) {
    StartupSettings settings;
    settings.logbookPath = logbookPath;
    settings.documentName = DocumentNameFromPath(logbookPath);
    settings.left = left;
    settings.top = top;
    settings.colorMode = static_cast<std::uint8_t>(colorMode);
    WriteFile("Startup.dat", *FormatSettingsFile(settings));
  }
};

TEST_F(StartupTest, AFirstStartWithoutSettingsShowsAnEmptyUntitledLogbookQuietly) {
  StartApp();
  EXPECT_TRUE(platform.Messages().empty());
  EXPECT_EQ(app->Aloftra().Caption(), "Aloftra - Untitled");
  EXPECT_TRUE(app->Aloftra().Visible());
  EXPECT_EQ(app->Aloftra().Left(), 500);
  EXPECT_EQ(app->Aloftra().Top(), 500);
  EXPECT_FALSE(app->Aloftra().FileMenu.Item(kFileSave).enabled);
  EXPECT_EQ(app->Aloftra().EntryIndex.Caption(), "- New Entry -");
  EXPECT_EQ(app->Aloftra().FlightDate.Text(), "");
  EXPECT_EQ(app->Book().doc.programFolder, folder.Path());
  EXPECT_EQ(app->Graphs().Year.Caption(), "2001");  // the year of the clock
  // A new logbook later shows the graphs of the year it is started in.
  platform.SetNow(MakeDateTime(2026, 12, 8, 9));
  app->FileCommand(kFileNew);
  EXPECT_EQ(app->Graphs().Year.Caption(), "2026");
}

TEST_F(StartupTest, ACommandLineWithoutExtensionOpensTheLogFileOfThatName) {
  WriteLogbook("Summer.log", GlidersAndSites());
  StartApp(PathIn("Summer"));
  EXPECT_TRUE(platform.Messages().empty());
  EXPECT_EQ(app->Book().doc.filePath, PathIn("Summer.log"));
  EXPECT_EQ(app->Book().doc.documentName, "Summer");
  EXPECT_EQ(app->Aloftra().Caption(), "Aloftra - Summer");
  EXPECT_EQ(app->Book().gliders.LiveCount(), 2);
  EXPECT_TRUE(app->Aloftra().FileMenu.Item(kFileSave).enabled);
}

TEST_F(StartupTest, TheDocumentNameStopsAtTheLastDot) {
  WriteLogbook("Summer.2001.log", GlidersAndSites());
  StartApp(PathIn("Summer.2001.log"));
  EXPECT_EQ(app->Book().doc.documentName, "Summer.2001");
}

TEST_F(StartupTest, SettingsNamingADeletedLogbookReportItOnceAndLeaveAnUntitledLogbook) {
  WriteSettings(PathIn("Gone.log"), 1200, 900);
  StartApp();
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.LastMessage().prompt, "Cannot open file '" + PathIn("Gone.log") + "'.");
  EXPECT_EQ(platform.LastMessage().icon, MsgBoxIcon::kCritical);
  EXPECT_EQ(platform.LastMessage().title, "Aloftra");
  EXPECT_EQ(app->Book().doc.documentName, "Untitled");
  EXPECT_EQ(app->Book().doc.filePath, "");
  EXPECT_EQ(app->Aloftra().Caption(), "Aloftra - Untitled");
}

TEST_F(StartupTest, SettingsPlaceTheWindowOnlyInsideTheScreenRanges) {
  struct Case {
    long left, top;
    int expectedLeft, expectedTop;
  };
  for (Case c : {Case{1200, 900, 1200, 900}, Case{1200, 7000, 1200, 500},
                 Case{10000, 6999, 500, 6999}, Case{0, -5, 500, 500}}) {
    SCOPED_TRACE(std::to_string(c.left) + "," + std::to_string(c.top));
    AppFixture::WriteLogbook("Summer.log", GlidersAndSites());
    WriteSettings(PathIn("Summer.log"), c.left, c.top);
    app = std::make_unique<App>(platform, files);
    StartApp();
    EXPECT_EQ(app->Aloftra().Left(), c.expectedLeft);
    EXPECT_EQ(app->Aloftra().Top(), c.expectedTop);
  }
}

TEST_F(StartupTest, SettingsCarryTheColourMode) {
  WriteLogbook("Summer.log", GlidersAndSites());
  WriteSettings(PathIn("Summer.log"), 600, 600, 0);
  StartApp();
  EXPECT_EQ(app->Book().doc.COLOR_MODE, 0);
  EXPECT_EQ(app->Aloftra().FlightNo.BackColor(), kWhite);
}

TEST_F(StartupTest, AFileOfAnUnknownVersionGivesBothMessagesAndAnEmptyLogbook) {
  WriteFile("Future.log", "\"Aloftra\",\"1.4\"\r\n");
  StartApp(PathIn("Future.log"));
  ASSERT_EQ(platform.Prompts(),
            (std::vector<std::string>{"Unknown data file version",
                                      "Cannot open file '" + PathIn("Future.log") + "'."}));
  EXPECT_EQ(platform.Messages()[0].icon, MsgBoxIcon::kNone);
  EXPECT_EQ(platform.Messages()[1].icon, MsgBoxIcon::kCritical);
  EXPECT_EQ(app->Book().doc.documentName, "Untitled");
}

TEST_F(StartupTest, ALoadedLogbookShowsItsLastFlightInDateOrderWithStatistics) {
  Logbook book = GlidersAndSites();
  OpenOnStart("Season.log", book);
  EnterFlight({.date = "5/5/2001", .glider = "Falcon", .site = "Point"});
  EnterFlight({.date = "4/5/2001", .glider = "Falcon", .site = "Point"});
  app->FileCommand(kFileSave);
  ASSERT_TRUE(platform.Messages().empty()) << platform.LastMessage().prompt;

  app = std::make_unique<App>(platform, files);
  StartApp();  // through the settings file written by the save
  frmAloftra& page = app->Aloftra();
  EXPECT_EQ(page.FlightDate.Text(), "May 5, 2001");
  EXPECT_EQ(page.FlightNo.Text(), "2");
  EXPECT_EQ(page.EntryIndex.Caption(), "2 of 2");
  EXPECT_EQ(page.State, EditState::kClean);
}

}  // namespace
}  // namespace aloftra::test
