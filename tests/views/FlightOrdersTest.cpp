#include "views/FlightOrders.h"

#include <gtest/gtest.h>

#include <vector>

#include "views/EnterFlight.h"

namespace aloftra {
namespace {

using test::Column;
using test::EnterFlight;
using Ints = std::vector<int>;

constexpr DateTime kMay5Noon = 37016.5;

// The positions a routine reports are where the flight really stands in every column.
void ExpectPositionsOf(const Logbook& logbook, int flight, const OrderPositions& positions) {
  for (int key = 0; key < kSortKeys; ++key) {
    EXPECT_EQ(positions[key], logbook.order.PositionOf(flight, key)) << "key " << key;
  }
}

TEST(InsertIntoOrders, FlightsOfOneDateAndTimeStayInEntryOrder) {
  Logbook logbook;
  int first = EnterFlight(logbook, {.date = kMay5Noon});
  int second = EnterFlight(logbook, {.date = kMay5Noon});
  int earlier = EnterFlight(logbook, {.date = kMay5Noon - 0.25});
  int later = EnterFlight(logbook, {.date = kMay5Noon + 1});
  int third = EnterFlight(logbook, {.date = kMay5Noon});
  EXPECT_EQ(Column(logbook, kSortDate), (Ints{earlier, first, second, third, later}));
  EXPECT_EQ(logbook.LastPosition(), 4);
}

TEST(InsertIntoOrders, EveryColumnFollowsItsOwnKeyLargestFirst) {
  Logbook logbook;
  int a = EnterFlight(
      logbook, {.date = 3, .airtime = 30, .maxMsl = 9000, .overLaunch = 500, .distance = 2.5f});
  int b = EnterFlight(
      logbook, {.date = 1, .airtime = 90, .maxMsl = 7000, .overLaunch = 1500, .distance = 0.5f});
  int c = EnterFlight(
      logbook, {.date = 2, .airtime = 60, .maxMsl = 8000, .overLaunch = -100, .distance = 10});
  EXPECT_EQ(Column(logbook, kSortDate), (Ints{b, c, a}));
  EXPECT_EQ(Column(logbook, kSortAirtime), (Ints{b, c, a}));
  EXPECT_EQ(Column(logbook, kSortMaxMsl), (Ints{a, c, b}));
  EXPECT_EQ(Column(logbook, kSortOverLaunch), (Ints{b, a, c}));
  EXPECT_EQ(Column(logbook, kSortDistance), (Ints{c, a, b}));
}

TEST(InsertIntoOrders, ReportsThePositionInEveryColumn) {
  Logbook logbook;
  EnterFlight(logbook, {.date = 1, .airtime = 10, .maxMsl = 100});
  EnterFlight(logbook, {.date = 3, .airtime = 30, .maxMsl = 300});
  int flight = logbook.flights.TakeSlotForNewEntry();
  logbook.flights[flight] = test::MakeFlight({.date = 2, .airtime = 40, .maxMsl = 200});
  OrderPositions positions = InsertIntoOrders(logbook, flight);
  EXPECT_EQ(positions[kSortDate], 1);
  EXPECT_EQ(positions[kSortAirtime], 0);
  EXPECT_EQ(positions[kSortMaxMsl], 1);
  ExpectPositionsOf(logbook, flight, positions);
}

TEST(InsertIntoOrders, NonFlyingEntriesCollectAtTheEndOfAirtimeAndDistance) {
  Logbook logbook;
  int rest1 = EnterFlight(logbook, {.date = 1, .airtime = 0, .nonFlying = true, .distance = 0});
  int short1 = EnterFlight(logbook, {.date = 2, .airtime = 5, .distance = 0.1f});
  int rest2 = EnterFlight(logbook, {.date = 3, .airtime = 0, .nonFlying = true, .distance = 0});
  int long1 = EnterFlight(logbook, {.date = 4, .airtime = 120, .distance = 12});
  EXPECT_EQ(Column(logbook, kSortAirtime), (Ints{long1, short1, rest1, rest2}));
  EXPECT_EQ(Column(logbook, kSortDistance), (Ints{long1, short1, rest1, rest2}));
}

TEST(InsertIntoOrders, RefusesASlotWithoutALiveFlight) {
  Logbook logbook;
  EnterFlight(logbook, {.date = 1});
  int freed = logbook.flights.Append();  // DATE 0: a free slot
  EXPECT_EQ(InsertIntoOrders(logbook, freed), kNotInOrders);
  EXPECT_EQ(InsertIntoOrders(logbook, 99), kNotInOrders);
  EXPECT_EQ(logbook.LastPosition(), 0);
}

TEST(ReplaceInOrders, EditingTheLaterOfTwoEqualAirtimesLeavesBothInPlace) {
  Logbook logbook;
  int first = EnterFlight(logbook, {.date = 1, .airtime = 60});
  int second = EnterFlight(logbook, {.date = 2, .airtime = 60});
  EXPECT_EQ(Column(logbook, kSortAirtime), (Ints{first, second}));

  logbook.flights[second].REMARKS = "thermals over the ridge";
  logbook.flights[second].MAX_MSL = 9999;
  OrderPositions positions = ReplaceInOrders(logbook, second);
  EXPECT_EQ(Column(logbook, kSortAirtime), (Ints{first, second}));
  EXPECT_EQ(positions[kSortAirtime], 1);
  ExpectPositionsOf(logbook, second, positions);
}

TEST(ReplaceInOrders, AnEarlierDateMovesTheFlightOnlyInTheDateOrder) {
  Logbook logbook;
  std::vector<int> flights;
  for (int i = 0; i < 5; ++i) {
    flights.push_back(EnterFlight(logbook, {.date = 10.0 + i,
                                            .airtime = 20 + 7 * (i % 3),
                                            .maxMsl = 4000 - 100 * i,
                                            .overLaunch = 100 * i,
                                            .distance = static_cast<float>(i % 2)}));
  }
  Logbook before = logbook;
  int edited = flights[3];
  logbook.flights[edited].DATE = 5;
  OrderPositions positions = ReplaceInOrders(logbook, edited);

  EXPECT_EQ(Column(logbook, kSortDate),
            (Ints{edited, flights[0], flights[1], flights[2], flights[4]}));
  for (int key = kSortAirtime; key < kSortKeys; ++key) {
    EXPECT_EQ(Column(logbook, key), Column(before, key)) << "key " << key;
  }
  ExpectPositionsOf(logbook, edited, positions);
}

// Toward the end, a changed flight passes only flights strictly before it: it stops in
// front of flights whose key now equals its own.
TEST(ReplaceInOrders, ASmallerValueMovesTowardTheEndUpToItsEquals) {
  Logbook logbook;
  int a = EnterFlight(logbook, {.date = 1, .airtime = 90});
  int b = EnterFlight(logbook, {.date = 2, .airtime = 60});
  int c = EnterFlight(logbook, {.date = 3, .airtime = 30});
  int d = EnterFlight(logbook, {.date = 4, .airtime = 10});
  logbook.flights[a].AIRTIME = 30;
  OrderPositions positions = ReplaceInOrders(logbook, a);
  EXPECT_EQ(Column(logbook, kSortAirtime), (Ints{b, a, c, d}));
  EXPECT_EQ(positions[kSortAirtime], 1);

  // Toward the front it passes flights strictly after it and stops behind its equals.
  logbook.flights[d].AIRTIME = 60;
  positions = ReplaceInOrders(logbook, d);
  EXPECT_EQ(Column(logbook, kSortAirtime), (Ints{b, d, a, c}));
  EXPECT_EQ(positions[kSortAirtime], 1);
}

TEST(ReplaceInOrders, AFlightNotListedLeavesTheOrdersAlone) {
  Logbook logbook;
  EnterFlight(logbook, {.date = 2});
  int unlisted = logbook.flights.TakeSlotForNewEntry();
  logbook.flights[unlisted] = test::MakeFlight({.date = 1});
  Logbook before = logbook;
  EXPECT_EQ(ReplaceInOrders(logbook, unlisted), kNotInOrders);
  EXPECT_EQ(logbook.order, before.order);
}

TEST(RemoveFromOrders, LaterRowsMoveUpAndTheLastRowIsDropped) {
  Logbook logbook;
  int a = EnterFlight(logbook, {.date = 1, .airtime = 10});
  int b = EnterFlight(logbook, {.date = 2, .airtime = 30});
  int c = EnterFlight(logbook, {.date = 3, .airtime = 20});
  int d = EnterFlight(logbook, {.date = 4, .airtime = 40});

  // The slot is freed and the table trimmed before the orders are told, as Delete does.
  logbook.flights[b].DATE = 0;
  EXPECT_EQ(RemoveFromOrders(logbook, b), kNotInOrders);
  EXPECT_EQ(logbook.LastPosition(), 2);
  EXPECT_EQ(Column(logbook, kSortDate), (Ints{a, c, d}));
  EXPECT_EQ(Column(logbook, kSortAirtime), (Ints{d, c, a}));

  logbook.flights[d].DATE = 0;
  logbook.flights.TrimFreeTail();
  RemoveFromOrders(logbook, d);
  EXPECT_EQ(Column(logbook, kSortDate), (Ints{a, c}));
  EXPECT_EQ(Column(logbook, kSortAirtime), (Ints{c, a}));
}

TEST(RemoveFromOrders, AFlightMissingFromAColumnLosesNoOtherFlight) {
  Logbook logbook;
  int a = EnterFlight(logbook, {.date = 1});
  int b = EnterFlight(logbook, {.date = 2});
  EXPECT_EQ(RemoveFromOrders(logbook, 7), kNotInOrders);
  // A damaged order that lists b in every column but one.
  logbook.order.Set(logbook.order.PositionOf(b, kSortMaxMsl), kSortMaxMsl, a);
  Logbook before = logbook;
  RemoveFromOrders(logbook, b);
  EXPECT_EQ(logbook.order, before.order);
}

}  // namespace
}  // namespace aloftra
