// A logbook read from a damaged or hand-edited file is made safe for the rest of the program.
#include <gtest/gtest.h>

#include "core/DateTime.h"
#include "core/LogbookReader.h"
#include "core/LogbookRepair.h"
#include "core/LogbookWriter.h"
#include "support/LogbookBuilder.h"
#include "support/LogbookSamples.h"

namespace aloftra {
namespace {

using test::AddFlight;
using test::Column;

// Slots 0, 2, 3, 4 live; 1 free. Equal keys show the ties going to the lower slot.
Logbook FourFlights() {
  Logbook book;
  AddFlight(book, {.date = MakeDateTime(2001, 5, 5, 12, 0),
                   .airtime = 30,
                   .maxMsl = 5000,
                   .overLaunch = 2000,
                   .distance = 0});
  book.flights.Append(FlightRecord{});
  AddFlight(book, {.date = MakeDateTime(2001, 5, 5, 9, 0),
                   .airtime = 90,
                   .maxMsl = 5000,
                   .overLaunch = 2500,
                   .distance = 12.5f});
  AddFlight(book, {.date = MakeDateTime(2000, 1, 1),
                   .airtime = 30,
                   .maxMsl = 7000,
                   .overLaunch = 2500,
                   .distance = 3});
  AddFlight(book, {.date = MakeDateTime(2001, 5, 5, 12, 0),
                   .airtime = 10,
                   .maxMsl = 4000,
                   .overLaunch = 100,
                   .distance = 12.5f});
  return book;
}

void ExpectSortedColumns(const Logbook& book) {
  EXPECT_EQ((std::vector<int>{3, 2, 0, 4}), Column(book, kSortDate));
  EXPECT_EQ((std::vector<int>{2, 0, 3, 4}), Column(book, kSortAirtime));
  EXPECT_EQ((std::vector<int>{3, 0, 2, 4}), Column(book, kSortMaxMsl));
  EXPECT_EQ((std::vector<int>{2, 3, 0, 4}), Column(book, kSortOverLaunch));
  EXPECT_EQ((std::vector<int>{2, 4, 3, 0}), Column(book, kSortDistance));
}

TEST(LogbookRepairTest, RebuildSortsEveryColumnStablyBySlot) {
  Logbook book = FourFlights();
  RebuildFlightOrder(book);
  ExpectSortedColumns(book);
}

TEST(LogbookRepairTest, IncompleteOrdersAreRebuiltSoNoFlightIsLost) {
  struct Case {
    const char* name;
    std::vector<OrderRow> rows;
  };
  const Case cases[] = {
      {"no rows", {}},
      {"a row missing", {{3, 2, 3, 2, 2}, {2, 0, 0, 3, 4}, {0, 3, 2, 0, 3}}},
      {"a row too many",
       {{3, 2, 3, 2, 2}, {2, 0, 0, 3, 4}, {0, 3, 2, 0, 3}, {4, 4, 4, 4, 0}, {4, 4, 4, 4, 0}}},
      {"a flight twice in a column",
       {{3, 2, 3, 2, 2}, {2, 0, 0, 3, 4}, {0, 3, 2, 0, 3}, {3, 4, 4, 4, 0}}},
      {"a free slot", {{3, 2, 3, 2, 2}, {2, 0, 0, 3, 4}, {0, 3, 2, 0, 3}, {1, 4, 4, 4, 0}}},
      {"an index past the table",
       {{3, 2, 3, 2, 2}, {2, 0, 0, 3, 4}, {0, 3, 2, 0, 3}, {4, 4, 4, 4, 99}}},
      {"a negative index", {{3, 2, 3, 2, 2}, {2, 0, 0, 3, 4}, {0, 3, 2, 0, 3}, {4, 4, -7, 4, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Logbook book = FourFlights();
    book.order.Rows() = c.rows;
    EXPECT_FALSE(FlightOrderIsComplete(book));
    RepairLoadedLogbook(book);
    ExpectSortedColumns(book);
    EXPECT_EQ(3, book.doc.CurrentPosition);
  }
}

TEST(LogbookRepairTest, CompleteOrdersAreKeptEvenWhenNotSorted) {
  Logbook book = FourFlights();
  const std::vector<OrderRow> rows = {
      {0, 4, 2, 3, 0}, {4, 3, 4, 2, 2}, {2, 2, 0, 4, 3}, {3, 0, 3, 0, 4}};
  book.order.Rows() = rows;
  EXPECT_TRUE(FlightOrderIsComplete(book));
  RepairLoadedLogbook(book);
  EXPECT_EQ(rows, book.order.Rows());
}

TEST(LogbookRepairTest, BestFlightPointersToNoLiveFlightBecomeMinusOne) {
  Logbook book = FourFlights();
  GliderRecord glider;
  glider.GLIDER_NAME = "G";
  glider.best = {1, 2, 99, -5};  // free slot, live, past the table, negative
  book.gliders.Append(glider);
  SiteRecord site;
  site.SITE_NAME = "S";
  site.best = {4, 32767, 0, 1};
  book.sites.Append(site);
  book.totals[kHangGliding].best = {3, 5, -1, 1};
  book.totals[kParagliding].best = {1, 1, 1, 1};
  RepairLoadedLogbook(book);
  EXPECT_EQ((BestFlights{-1, 2, -1, -1}), book.gliders[0].best);
  EXPECT_EQ((BestFlights{4, -1, 0, -1}), book.sites[0].best);
  EXPECT_EQ((BestFlights{3, -1, -1, -1}), book.totals[kHangGliding].best);
  EXPECT_EQ((BestFlights{-1, -1, -1, -1}), book.totals[kParagliding].best);
}

TEST(LogbookRepairTest, FlightReferencesAndStatisticsAreKeptAsRead) {
  Logbook book = FourFlights();
  book.flights[0].GLIDER_INDEX = 42;  // no such glider: the pages guard it
  book.flights[0].SITE_INDEX = -3;
  SiteRecord site;
  site.SITE_NAME = "S";
  site.FLIGHTS = 999;
  book.sites.Append(site);
  RepairLoadedLogbook(book);
  EXPECT_EQ(42, book.flights[0].GLIDER_INDEX);
  EXPECT_EQ(-3, book.flights[0].SITE_INDEX);
  EXPECT_EQ(999, book.sites[0].FLIGHTS);
}

// The whole road: a file whose orders lost a row still opens with every flight reachable.
TEST(LogbookRepairTest, ReaderRepairsAFileWithADamagedOrderList) {
  Logbook book = FourFlights();
  RebuildFlightOrder(book);
  book.order.Rows().pop_back();
  book.gliders.Append(GliderRecord{});
  book.gliders[0].GLIDER_NAME = "G";
  book.gliders[0].best.LONGEST_FLIGHT = 1;
  Logbook read;
  ASSERT_TRUE(ReadLogbookFile(FormatLogbookFile(book, 0).value_or(""), read).ok());
  ExpectSortedColumns(read);
  EXPECT_EQ(3, read.doc.CurrentPosition);
  EXPECT_EQ(4, read.CurrentFlightIndex());
  EXPECT_EQ(-1, read.gliders[0].best.LONGEST_FLIGHT);
}

}  // namespace
}  // namespace aloftra
