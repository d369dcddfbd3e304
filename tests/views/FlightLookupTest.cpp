#include "views/FlightLookup.h"

#include <gtest/gtest.h>

#include "views/EnterFlight.h"

namespace aloftra {
namespace {

TEST(FlightLookup, FindsAFlightInTheColumnOfTheCurrentKeyAndShowsIt) {
  Logbook logbook;
  int longest = test::EnterFlight(logbook, {.date = 2, .airtime = 120});
  int oldest = test::EnterFlight(logbook, {.date = 1, .airtime = 30});
  logbook.doc.SortKey = kSortAirtime;
  EXPECT_EQ(PositionInCurrentOrder(logbook, longest), 0);
  EXPECT_EQ(PositionInCurrentOrder(logbook, oldest), 1);

  logbook.doc.SortKey = kSortDate;
  EXPECT_TRUE(MoveToFlight(logbook, longest));
  EXPECT_EQ(logbook.doc.CurrentPosition, 1);
  EXPECT_EQ(logbook.CurrentFlightIndex(), longest);
}

TEST(FlightLookup, AFlightNotListedLeavesThePageWhereItWas) {
  Logbook logbook;
  test::EnterFlight(logbook, {.date = 1});
  logbook.doc.CurrentPosition = 0;
  int unlisted = logbook.flights.Append();
  EXPECT_EQ(PositionInCurrentOrder(logbook, unlisted), -1);
  EXPECT_FALSE(MoveToFlight(logbook, unlisted));
  EXPECT_FALSE(MoveToFlight(logbook, -1));
  EXPECT_EQ(logbook.doc.CurrentPosition, 0);
}

}  // namespace
}  // namespace aloftra
