// The print dialog driven as a pilot drives it: opened from a page's File menu, its options
// set, Print or Save as PDF pressed; the printed documents come from the scripted platform.
#include <gtest/gtest.h>

#include "core/DateTime.h"
#include "core/LogbookRepair.h"
#include "flights/frmAloftra.h"
#include "pagekit/FlightPage.h"
#include "print/frmPrint.h"
#include "stats/frmPilotInfo.h"
#include "support/AppFixture.h"

namespace aloftra::test {
namespace {

class PrintDialogTest : public AppFixture {
 protected:
  void SetUp() override {
    Logbook book = GlidersAndSites();
    // Six flights on May 1 to 6: Falcon (a hang glider) on the odd days, Mentor on the even.
    for (int day = 1; day <= 6; ++day)
      book.flights.Append(
          MakeFlight({.date = MakeDateTime(2001, 5, day, 10), .glider = day % 2 == 1 ? 0 : 1}));
    RebuildFlightOrder(book);
    OpenOnStart("Season.log", book);
  }
  frmPrint& Print() { return app->Dialogs().Get<DialogId::kPrint>(); }
  Logbook& Book() { return app->Book(); }
  void OpenFrom(PageId page) { app->PageById(page).FileMenu.Click(kFilePrint); }
  std::vector<std::string> PrintedDates() const {
    std::vector<std::string> dates;
    for (const std::string& text : platform.LastPrinted().Texts(0)) {
      if (text.find(", 2001 - ") != std::string::npos) dates.push_back(text);
    }
    return dates;
  }
};

TEST_F(PrintDialogTest, EachPageOpensOnItsOwnReportWithItsRules) {
  struct Case {
    PageId page;
    ReportKind report;
    bool countEnabled;
    bool locked;
    bool siteStatsVisible;
  };
  const Case cases[] = {
      {PageId::kAloftra, ReportKind::kFlights, true, false, false},
      {PageId::kGraphs, ReportKind::kFlights, true, false, false},
      {PageId::kSiteList, ReportKind::kSites, true, true, true},
      {PageId::kGliders, ReportKind::kGliders, true, true, false},
      {PageId::kPilotInfo, ReportKind::kSummary, false, false, false},
      {PageId::kSummary, ReportKind::kSummary, false, false, false},
      {PageId::kNotes, ReportKind::kNotes, true, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.page));
    OpenFrom(c.page);
    ASSERT_TRUE(Print().Visible());
    EXPECT_EQ(Print().Caption(), "Print");
    EXPECT_EQ(Print().SelectedReport(), c.report);
    EXPECT_EQ(Print().All.Enabled(), c.countEnabled);
    EXPECT_EQ(Print().HowMany.Enabled(), c.countEnabled);
    EXPECT_EQ(Print().HowMany.Locked(), c.locked);
    EXPECT_EQ(Print().HowMany.Text(), "1");
    EXPECT_EQ(Print().SiteStats.Visible(), c.siteStatsVisible);
    EXPECT_FALSE(Print().PrtMessage.Visible());
    EXPECT_FALSE(app->PageById(c.page).Enabled());
    Print().Cancel.Click();
    EXPECT_FALSE(Print().Visible());
    EXPECT_TRUE(app->PageById(c.page).Enabled());
  }
}

TEST_F(PrintDialogTest, AllDisablesTheCountAndSwitchingReportsAppliesTheRules) {
  OpenFrom(PageId::kAloftra);
  Print().HowMany.SetText("4");
  Print().All.SetChecked(true);
  EXPECT_FALSE(Print().HowMany.Enabled());
  Print().All.SetChecked(false);
  EXPECT_TRUE(Print().HowMany.Enabled());
  Print().PrintWhat[1].SetValue(true);
  EXPECT_EQ(Print().HowMany.Text(), "1");
  EXPECT_TRUE(Print().HowMany.Locked());
  EXPECT_TRUE(Print().SiteStats.Visible());
  Print().PrintWhat[4].SetValue(true);
  EXPECT_FALSE(Print().HowMany.Locked());
  EXPECT_FALSE(Print().SiteStats.Visible());
}

TEST_F(PrintDialogTest, CountsBelowOneAreRefusedAndNothingIsPrinted) {
  for (const char* typed : {"0", "-3", "abc", "", "0.5"}) {
    SCOPED_TRACE(typed);
    OpenFrom(PageId::kAloftra);
    Print().HowMany.SetText(typed);
    Print().PrintButton.Click();
    EXPECT_EQ(platform.LastMessage().prompt, "The number of entries to print must be 1 or more.");
    EXPECT_EQ(platform.LastMessage().buttons, MsgBoxButtons::kOk);
    EXPECT_EQ(Print().HowMany.Text(), "");
    EXPECT_EQ(Print().ActiveControl(), &Print().HowMany);
    EXPECT_FALSE(Print().PrtMessage.Visible());
    EXPECT_TRUE(Print().Visible());
    EXPECT_TRUE(platform.Printed().empty());
    Print().Cancel.Click();
  }
}

TEST_F(PrintDialogTest, CountedFlightsStartAtTheShownFlightAndSkipThoseFilteredOut) {
  app->Flights().ShowFlight(Book().FlightAtPosition(2));  // May 3, Falcon
  app->Filter().Flags[kFilterParaglider] = 0;
  app->Filter().PassCount = 3;
  OpenFrom(PageId::kAloftra);
  Print().HowMany.SetText("3");
  Print().PrintButton.Click();
  EXPECT_EQ(PrintedDates(),
            (std::vector<std::string>{"May 3, 2001 - 10:00 AM", "May 5, 2001 - 10:00 AM"}));
  EXPECT_EQ(platform.LastPrinted().target.kind, PrintTarget::Kind::kSystemPrinter);
  EXPECT_TRUE(platform.LastPrinted().ended);
  EXPECT_FALSE(Print().Visible());
  EXPECT_EQ(Book().doc.CurrentPosition, 2);

  OpenFrom(PageId::kAloftra);
  Print().All.SetChecked(true);
  Print().PrintButton.Click();
  EXPECT_EQ(PrintedDates().size(), 3u);
}

TEST_F(PrintDialogTest, NothingPassingTheFilterIsReportedAndTheDialogStays) {
  app->Filter().Flags[kFilterParaglider] = 0;
  app->Filter().Flags[kFilterHangGlider] = 0;
  app->Filter().PassCount = 0;
  OpenFrom(PageId::kAloftra);
  Print().All.SetChecked(true);
  Print().PrintButton.Click();
  EXPECT_EQ(platform.LastMessage().prompt, "No flight records pass the current filter settings.");
  EXPECT_TRUE(Print().Visible());
  EXPECT_FALSE(Print().PrtMessage.Visible());
  EXPECT_TRUE(platform.Printed().empty());
}

TEST_F(PrintDialogTest, EmptyListsSayThereIsNothingToPrint) {
  struct Case {
    int report;
    const char* message;
  };
  const Case cases[] = {{4, "There are no notes to print."}};
  for (const Case& c : cases) {
    OpenFrom(PageId::kAloftra);
    Print().PrintWhat[c.report].SetValue(true);
    Print().All.SetChecked(true);
    Print().PrintButton.Click();
    EXPECT_EQ(platform.LastMessage().prompt, c.message);
    Print().Cancel.Click();
  }
  Book().sites.Clear();
  Book().doc.currentSite = -1;
  OpenFrom(PageId::kSiteList);
  Print().PrintButton.Click();
  EXPECT_EQ(platform.LastMessage().prompt, "There are no site entries to print.");
}

TEST_F(PrintDialogTest, PrinterFailuresSayPrintingErrorAndClose) {
  for (bool installed : {false, true}) {
    SCOPED_TRACE(installed);
    platform.SetSystemPrinterInstalled(installed);
    platform.SetPrinterFails(installed);
    OpenFrom(PageId::kAloftra);
    Print().PrintButton.Click();
    EXPECT_EQ(platform.LastMessage().prompt, "Printing Error");
    EXPECT_EQ(platform.LastMessage().icon, MsgBoxIcon::kExclamation);
    EXPECT_FALSE(Print().Visible());
    EXPECT_TRUE(app->Aloftra().Enabled());
  }
}

TEST_F(PrintDialogTest, SaveAsPdfAsksForTheFileAndPrintsIntoIt) {
  OpenFrom(PageId::kGliders);
  Print().All.SetChecked(true);
  platform.QueueFile(std::nullopt);
  Print().PdfButton.Click();
  EXPECT_TRUE(platform.Printed().empty());
  EXPECT_TRUE(Print().Visible());
  platform.QueueFile(PathIn("Gliders.pdf"));
  Print().PdfButton.Click();
  ASSERT_EQ(platform.Printed().size(), 1u);
  EXPECT_EQ(platform.LastPrinted().target.kind, PrintTarget::Kind::kPdfFile);
  EXPECT_EQ(platform.LastPrinted().target.pdfPath, PathIn("Gliders.pdf"));
  EXPECT_EQ(platform.FileDialogs().back().options.filter, "PDF Files (*.pdf)|*.pdf");
  const std::string& logbook = app->Book().doc.filePath;
  EXPECT_EQ(platform.FileDialogs().back().options.initialName,
            logbook.substr(0, logbook.rfind('/') + 1) + app->Book().doc.documentName + ".pdf")
      << "offered beside the logbook, under its name";
  std::string all = platform.LastPrinted().AllText();
  EXPECT_NE(all.find("Glider Name: Falcon"), std::string::npos);
  EXPECT_NE(all.find("Glider Name: Mentor"), std::string::npos);
}

TEST_F(PrintDialogTest, LongJobsLetTheWindowsRepaintAsTheyGo) {
  Logbook book = GlidersAndSites();
  for (int flight = 0; flight < 450; ++flight)
    book.flights.Append(MakeFlight({.date = MakeDateTime(2001, 1, 1, 10) + flight}));
  RebuildFlightOrder(book);
  app = std::make_unique<App>(platform, files);
  OpenOnStart("Many.log", book);
  OpenFrom(PageId::kAloftra);
  Print().All.SetChecked(true);
  int before = platform.DoEventsCalls();
  Print().PrintButton.Click();
  EXPECT_EQ(platform.DoEventsCalls() - before, 2);  // after 200 and 400 flights
  EXPECT_FALSE(platform.Busy());
  EXPECT_FALSE(Print().Visible());
  EXPECT_EQ(platform.LastPrinted().AllText().find("Jan 1, 2001 - 10:00 AM"), 0u);
}

TEST_F(PrintDialogTest, TheSummaryCarriesWhatThePilotPageHoldsInItsControls) {
  app->PilotInfo().PilotName.SetText("Ann Flyer");
  OpenFrom(PageId::kPilotInfo);
  Print().PrintButton.Click();
  EXPECT_EQ(Book().pilot.PILOT_NAME, "Ann Flyer");
  EXPECT_NE(platform.LastPrinted().AllText().find("Ann Flyer"), std::string::npos);
}

}  // namespace
}  // namespace aloftra::test
