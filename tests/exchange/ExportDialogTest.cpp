// The export dialog, opened from the File menu and driven like a pilot drives it.
#include <gtest/gtest.h>

#include "DelimitedReading.h"
#include "exchange/ExportFile.h"
#include "exchange/frmExport.h"
#include "flights/FlightPageFixture.h"
#include "views/FilterSettings.h"

namespace aloftra::test {
namespace {

class ExportDialogTest : public FlightPageTest {
 protected:
  frmExport& Export() { return app->Dialogs().Get<DialogId::kExport>(); }
  void OpenExport() { Page().FileMenu.Click(kFileExport); }
  // Chooses what to export, answers the save dialog with path and presses Ok.
  void ExportTo(int what, const std::optional<std::string>& path) {
    Export().ExportWhat[what].SetValue(true);
    platform.QueueFile(path);
    Export().Ok.Click();
  }
};

TEST_F(ExportDialogTest, OpensOverThePageWithTheFlightsChosenEveryTime) {
  OpenExport();
  EXPECT_EQ(Export().Caption(), "Export Data");
  EXPECT_EQ(Export().ExportFrame.Caption(), "Export What");
  EXPECT_EQ(Export().ExportWhat[0].Caption(), "Aloftra");
  EXPECT_EQ(Export().ExportWhat[1].Caption(), "Site List");
  EXPECT_EQ(Export().ExportWhat[2].Caption(), "Gliders");
  EXPECT_TRUE(Export().ExportWhat[0].Value());
  EXPECT_EQ(Export().Left(), Page().Left() + 300);
  EXPECT_EQ(Export().Top(), Page().Top() + 600);
  EXPECT_FALSE(Page().Enabled());
  Export().ExportWhat[2].SetValue(true);
  Export().Close.Click();
  EXPECT_FALSE(Export().Visible());
  EXPECT_TRUE(Page().Enabled());
  OpenExport();
  EXPECT_TRUE(Export().ExportWhat[0].Value());
}

TEST_F(ExportDialogTest, EachChoiceWritesItsFileAndTheDialogStaysOpen) {
  struct Case {
    int what;
    const char* title;
    const char* name;
    ExportKind kind;
  };
  const Case cases[] = {{0, "Export Aloftra", "Aloftra", ExportKind::kFlights},
                        {1, "Export Site List", "SiteList", ExportKind::kSites},
                        {2, "Export Gliders", "Gliders", ExportKind::kGliders}};
  EnterFlight({.date = "6/7/2001",
               .time = "2:05 PM",
               .airtime = "1:35",
               .glider = "Falcon",
               .site = "Point",
               .remarks = "a \"good\" one, really"});
  Book().doc.modified = false;
  OpenExport();
  for (const Case& c : cases) {
    const std::string file = std::string(c.name) + ".txt";
    ExportTo(c.what, PathIn(file));
    const RecordedFileDialog& dialog = platform.FileDialogs().back();
    EXPECT_TRUE(dialog.save);
    EXPECT_EQ(dialog.options.title, c.title);
    EXPECT_EQ(dialog.options.filter, "Comma delimited text file (*.txt)|*.txt");
    EXPECT_EQ(dialog.options.defaultExtension, ".txt");
    EXPECT_EQ(dialog.options.initialName, c.name);
    EXPECT_EQ(dialog.options.flags, 4100);
    EXPECT_EQ(ReadFile(file), ExportText(Book(), c.kind)) << c.name;
    EXPECT_TRUE(Export().Visible());
  }
  EXPECT_TRUE(platform.Messages().empty());
  EXPECT_FALSE(Book().doc.modified);
  const std::vector<DelimitedRecord> flights = ReadDelimited(*ReadFile("Aloftra.txt"));
  ASSERT_EQ(flights.size(), 2u);
  EXPECT_EQ(DelimitedRecord(flights[1].begin() + 1, flights[1].begin() + 8),
            (DelimitedRecord{"6/7/2001", "14:05", "0", "0", "95", "Point", "Falcon"}));
  EXPECT_EQ(flights[1][24], "a \"good\" one, really");
}

TEST_F(ExportDialogTest, CancellingTheSaveDialogWritesNothing) {
  OpenExport();
  ExportTo(1, std::nullopt);
  EXPECT_EQ(platform.FileDialogs().size(), 1u);
  EXPECT_TRUE(platform.Messages().empty());
  EXPECT_TRUE(Export().Visible());
  EXPECT_FALSE(FileExists("SiteList.txt"));
}

TEST_F(ExportDialogTest, AFileThatCannotBeWrittenIsReportedAndLeavesNothing) {
  OpenExport();
  const std::string path = PathIn("missing/Gliders.txt");
  ExportTo(2, path);
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.LastMessage().prompt, "Cannot open file '" + path + "'.");
  EXPECT_EQ(platform.LastMessage().icon, MsgBoxIcon::kCritical);
  EXPECT_EQ(platform.LastMessage().title, "Aloftra");
  EXPECT_TRUE(Export().Visible());
  EXPECT_FALSE(FileExists("missing/Gliders.txt"));
}

TEST_F(ExportDialogTest, EveryFlightInDateOrderWhateverThePageSortsOrFilters) {
  OpenWithFlights({MakeFlight({.date = MakeDateTime(2001, 5, 1, 10), .airtime = 60}),
                   MakeFlight({.date = MakeDateTime(2001, 5, 3, 10), .airtime = 240}),
                   MakeFlight({.date = MakeDateTime(2001, 5, 2, 10), .airtime = 30})});
  Book().doc.SortKey = kSortAirtime;
  app->Filter().Flags[kFilterHighlightedOnly] = kFlagSet;
  app->Filter().PassCount = 0;
  app->ApplyFilter();
  OpenExport();
  ExportTo(0, PathIn("Aloftra.txt"));
  const std::vector<DelimitedRecord> flights = ReadDelimited(*ReadFile("Aloftra.txt"));
  ASSERT_EQ(flights.size(), 4u);
  std::vector<std::string> datesAndAirtimes;
  for (std::size_t i = 1; i < flights.size(); ++i)
    datesAndAirtimes.push_back(flights[i][1] + " " + flights[i][5]);
  EXPECT_EQ(datesAndAirtimes,
            (std::vector<std::string>{"5/1/2001 60", "5/2/2001 30", "5/3/2001 240"}));
}

}  // namespace
}  // namespace aloftra::test
