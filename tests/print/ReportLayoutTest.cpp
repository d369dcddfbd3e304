// The reports as they come out of the recording printer: what each prints, in which font,
// and how entries and long texts run over pages.
#include <gtest/gtest.h>

#include <memory>

#include "core/DateTime.h"
#include "core/LogbookRepair.h"
#include "print/GliderReport.h"
#include "print/ReportRun.h"
#include "print/SiteReport.h"
#include "support/LogbookBuilder.h"
#include "support/RecordingPrinter.h"

namespace aloftra::test {
namespace {

class ReportLayoutTest : public ::testing::Test {
 protected:
  ReportLayoutTest() : book(GlidersAndSites()) {}

  int Add(FlightValues values) {
    int slot = AddFlight(book, values);
    RebuildFlightOrder(book);
    return slot;
  }
  const PrintedDocument& Print(ReportRequest request) {
    std::vector<int> entries = EntriesToPrint(book, filter, request);
    RecordingPrinter printer(document);
    EXPECT_TRUE(PrintReport(printer, book, request, entries, MakeDateTime(2001, 5, 5, 12)));
    return *document;
  }
  const PrintedDocument& PrintAllFlights() {
    return Print({.kind = ReportKind::kFlights, .all = true});
  }
  bool Printed(const std::string& text) const { return document->FindText(text) != nullptr; }

  Logbook book;
  FilterSettings filter;
  std::shared_ptr<PrintedDocument> document = std::make_shared<PrintedDocument>();
};

TEST_F(ReportLayoutTest, AFlyingEntryShowsItsFourRowsInTheChosenUnits) {
  int slot = Add({.date = MakeDateTime(2001, 5, 4, 14, 30),
                  .airtime = 95,
                  .maxMsl = 5000,
                  .overLaunch = 3800,
                  .distance = 12.5f});
  FlightRecord& flight = book.flights[slot];
  flight.FLIGHT_NO = 17;
  flight.LAUNCH_MSL = 1200;
  flight.LANDING_MSL = 100;
  flight.XC_TYPE = 1;
  flight.TURBULENCE = 3;
  flight.BASE_WIND = 10;
  flight.PEAK_WIND = 15;
  flight.WIND_FLAGS[4] = kFlagSet;  // N
  PrintAllFlights();
  for (const char* text :
       {"May 4, 2001 - 2:30 PM", "Flight No: 17", "Airtime: 1:35", "Solo Flight", "Turbulence: 3",
        "XC: 12.5 miles, Out-and-Return", "Site Name: Point", "Hang Glider: Falcon", "Wind : N",
        "Launch MSL: 1200 feet", "Max MSL: 5000 feet", "Base Wind: 10 mph", "Landing MSL: 100 feet",
        "Over Launch: 3800 feet", "Peak Wind: 15 mph"})
    EXPECT_TRUE(Printed(text)) << text;
  // No lift or sink was logged: those cells stay empty.
  EXPECT_EQ(document->AllText().find("Max Lift"), std::string::npos);
  EXPECT_EQ(document->AllText().find("Max Sink"), std::string::npos);
  for (const DrawItem& item : document->TextItems(0))
    EXPECT_EQ(item.font.family, "Arial");

  document = std::make_shared<PrintedDocument>();
  book.UNIT_FLAGS[kUnitFeet] = 0;
  book.UNIT_FLAGS[kUnitMetres] = kFlagSet;
  book.UNIT_FLAGS[kUnitAmPm] = 0;
  book.UNIT_FLAGS[kUnit24Hour] = kFlagSet;
  PrintAllFlights();
  EXPECT_TRUE(Printed("May 4, 2001 - 14:30"));
  EXPECT_TRUE(Printed("Launch MSL: 366 m"));
}

TEST_F(ReportLayoutTest, NonFlyingEntryPrintsOneRowAndItsRemarks) {
  int slot = Add({.date = MakeDateTime(2001, 4, 18, 12), .nonFlying = true});
  book.flights[slot].REMARKS = "Ground handling all afternoon";
  PrintAllFlights();
  std::vector<std::string> texts = document->Texts(0);
  EXPECT_EQ(texts,
            (std::vector<std::string>{"Apr 18, 2001 - 12:00 PM", "Ground handling all afternoon"}));
}

TEST_F(ReportLayoutTest, HighlightedEntryIsBoldWithAStarAndTheNextIsPlain) {
  int highlighted = Add({.date = MakeDateTime(2001, 5, 1, 10)});
  book.flights[highlighted].HIGHLIGHT = kFlagSet;
  Add({.date = MakeDateTime(2001, 5, 2, 10)});
  PrintAllFlights();
  const DrawItem* star = document->FindText("*");
  ASSERT_NE(star, nullptr);
  EXPECT_TRUE(star->font.bold);
  EXPECT_EQ(star->font.size, 18);
  const PageLayout layout = LayoutFor(RecordingPrinter::LetterWithQuarterInchBorder());
  EXPECT_LT(star->x1, layout.LeftMargin);
  EXPECT_TRUE(document->FindText("May 1, 2001 - 10:00 AM")->font.bold);
  EXPECT_TRUE(document->FindText("Site Name: Point", nullptr)->font.bold);
  EXPECT_FALSE(document->FindText("May 2, 2001 - 10:00 AM")->font.bold);
  int stars = 0;
  for (const DrawItem& item : document->TextItems(0))
    stars += item.text == "*" ? 1 : 0;
  EXPECT_EQ(stars, 1);
}

TEST_F(ReportLayoutTest, LongRemarksContinueOnTheNextPageFramedAtTheSides) {
  std::string remarks;
  for (int word = 0; word < 2500; ++word)
    remarks += "thermal" + std::to_string(word) + " ";
  int slot = Add({});
  book.flights[slot].REMARKS = remarks;
  PrintAllFlights();
  ASSERT_GE(document->pages.size(), 2u);
  const PageLayout layout = LayoutFor(RecordingPrinter::LetterWithQuarterInchBorder());
  for (int page = 0; page < static_cast<int>(document->pages.size()); ++page) {
    SCOPED_TRACE(page);
    std::vector<DrawItem> texts = document->TextItems(page);
    ASSERT_FALSE(texts.empty());
    // Flight pages have no header: a continuation starts at the top margin.
    if (page > 0) {
      EXPECT_EQ(texts[0].y1, layout.TopMargin);
    }
    bool left = false, right = false;
    for (const DrawItem& line : document->Lines(page)) {
      left |= line.x1 == layout.LeftMargin && line.x2 == layout.LeftMargin;
      right |= line.x1 == layout.RightEdge && line.x2 == layout.RightEdge;
    }
    EXPECT_TRUE(left && right);
    for (const DrawItem& text : texts) {
      EXPECT_LE(text.y1 + RecordedTextHeight(text.font), layout.BottomEdge);
      EXPECT_LE(text.x1 + RecordedTextWidth(text.text, text.font), layout.RightEdge);
    }
  }
  EXPECT_NE(document->AllText().find("thermal2499"), std::string::npos);
}

TEST_F(ReportLayoutTest, FilteredFlightsFromTheCurrentPositionOn) {
  for (int day = 1; day <= 6; ++day)
    Add({.date = MakeDateTime(2001, 5, day, 10), .glider = day % 2});
  book.doc.CurrentPosition = 1;         // May 2, in date order
  filter.Flags[kFilterParaglider] = 0;  // only Falcon's flights, on the even days
  filter.PassCount = 3;
  std::vector<int> entries =
      EntriesToPrint(book, filter, {.kind = ReportKind::kFlights, .howMany = 2});
  std::vector<std::string> dates;
  for (int slot : entries)
    dates.push_back(FormatLongDate(book.flights[slot].DATE));
  EXPECT_EQ(dates, (std::vector<std::string>{"May 2, 2001", "May 4, 2001"}));
  EXPECT_TRUE(EntriesToPrint(book, filter, {.kind = ReportKind::kFlights, .all = true}).size() ==
              3u);
  book.doc.CurrentPosition = 5;  // May 6 passes, and the order ends after it
  EXPECT_EQ(EntriesToPrint(book, filter, {.kind = ReportKind::kFlights, .howMany = 3}).size(), 1u);
}

TEST_F(ReportLayoutTest, GliderClassesShowTheHighestDhvAndEveryAfnor) {
  struct Case {
    std::vector<int> dhv;
    std::vector<int> afnor;
    const char* text;
  };
  const Case cases[] = {
      {{}, {}, ""},
      {{1, 2}, {}, "DHV: 2"},
      {{1, 2}, {0, 3}, "DHV: 2, AFNOR: Standard, AFNOR: Tandem"},
      {{}, {1, 2}, "AFNOR: Performance, AFNOR: Competition"},
      {{0, 4}, {}, "DHV: 3"},
  };
  for (const Case& c : cases) {
    GliderRecord glider = MakeGlider("Test", 0);
    for (int d : c.dhv)
      glider.DHV[static_cast<std::size_t>(d)] = kFlagSet;
    for (int a : c.afnor)
      glider.AFNOR[static_cast<std::size_t>(a)] = kFlagSet;
    EXPECT_EQ(GliderClassText(glider), c.text);
  }
}

TEST_F(ReportLayoutTest, GlidersPrintInNameOrderUnderTheirPageHeader) {
  book.gliders[1].DHV[2] = kFlagSet;
  book.gliders[1].WEIGHT_MIN = 150;
  book.gliders[1].PRE_AIRTIME = 600;
  book.gliders[1].TOTAL_AIRTIME = 90;
  book.gliders[1].DATE_OF_MFG = "3/4/1999";
  Print({.kind = ReportKind::kGliders, .all = true});
  std::vector<std::string> texts = document->Texts(0);
  EXPECT_EQ(texts[0], "May 5, 2001 - Gliders");
  std::string all = document->AllText();
  EXPECT_LT(all.find("Glider Name: Falcon"), all.find("Glider Name: Mentor"));
  for (const char* text : {"Glider Type: Solo Paraglider", "Min Takeoff Weight: 150 lbs", "DHV: 2",
                           "Prev. Airtime: 10:00", "Total Airtime: 11:30",
                           "Date of Mfg: Mar 4, 1999", "Glider Type: Solo Hang Glider"})
    EXPECT_TRUE(Printed(text)) << text;
}

TEST_F(ReportLayoutTest, SiteStatisticsOnlyForSitesWithFlights) {
  int slot = Add({.date = MakeDateTime(2001, 5, 3, 10), .airtime = 75, .site = 0});
  book.sites[0].FLIGHTS = 1;
  book.sites[0].FLYING_DAYS = 1;
  book.sites[0].TOTAL_AIRTIME = 75;
  book.sites[0].best.LONGEST_FLIGHT = static_cast<std::int16_t>(slot);
  book.sites[0].DIFFICULTY = {0, kFlagSet, 0, kFlagSet};
  Print({.kind = ReportKind::kSites, .all = true, .siteStats = true});
  std::string all = document->AllText();
  EXPECT_EQ(all.find("Site Stats:"), all.rfind("Site Stats:")) << "printed twice";
  EXPECT_LT(all.find("Dunes"), all.find("Point"));
  EXPECT_GT(all.find("Site Stats:"), all.find("Point"));
  EXPECT_TRUE(Printed("Longest Flight (May 3, 2001):"));
  EXPECT_TRUE(Printed("Difficulty: Novice - Advanced"));
  EXPECT_TRUE(Printed("1200 feet"));
  EXPECT_TRUE(Printed("Total Airtime:"));
}

TEST_F(ReportLayoutTest, SummarySectionsOnlyForWingTypesFlownOnSomeDay) {
  book.pilot.PILOT_NAME = "Ann Flyer";
  book.totals[kParagliding].DAYS_PREV = 2;
  book.totals[kParagliding].FLIGHTS_PREV = 5;
  book.pilot.AWARD_FLAGS[28 + 2] = kFlagSet;   // P3
  book.pilot.AWARD_FLAGS[28 + 10] = kFlagSet;  // Lilienthal Bronze
  book.pilot.AWARD_FLAGS[28 + 16] = kFlagSet;  // 100 mile
  book.pilot.AWARD_FLAGS[28 + 23] = kFlagSet;  // safe pilot gold
  Print({.kind = ReportKind::kSummary});
  EXPECT_TRUE(Printed("Aloftra Summary"));
  EXPECT_TRUE(Printed("Ann Flyer"));
  EXPECT_TRUE(Printed("Paraglider"));
  EXPECT_FALSE(Printed("Hang Glider"));
  EXPECT_TRUE(Printed("P3 - Intermediate, "));
  EXPECT_TRUE(Printed("Lilienthal - Bronze, "));
  EXPECT_TRUE(Printed("Cross-Country Flight - 100 mile, "));
  EXPECT_TRUE(Printed("Safe Pilot Award - Gold(500 Safe Flights)"));
  EXPECT_TRUE(Printed("5"));

  document = std::make_shared<PrintedDocument>();
  book.totals[kParagliding].DAYS_PREV = 0;
  book.totals[kHangGliding].DAYS_TOTAL = 1;
  Print({.kind = ReportKind::kSummary});
  EXPECT_TRUE(Printed("Hang Glider"));
  EXPECT_FALSE(Printed("Paraglider"));
}

}  // namespace
}  // namespace aloftra::test
