// Random sequences of new, changed and deleted flights, checked against a model of the orders
// kept here without the routines' own code.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <random>
#include <vector>

#include "views/EnterFlight.h"
#include "views/FlightOrders.h"

namespace aloftra {
namespace {

using test::Column;
using Ints = std::vector<int>;

// Few distinct values, so that equal keys are common.
class RandomKeys {
 public:
  explicit RandomKeys(unsigned seed) : random_(seed) {}

  test::FlightValues Next() {
    const bool nonFlying = Pick(0, 5) == 0;
    return {.date = 37000 + Pick(0, 6) + Pick(0, 3) / 4.0,
            .airtime = nonFlying ? 0 : 15 * Pick(0, 4),
            .nonFlying = nonFlying,
            .maxMsl = 1000 * Pick(-1, 3),
            .overLaunch = 500 * Pick(0, 3),
            .distance = nonFlying ? 0.0f : 0.5f * static_cast<float>(Pick(0, 3))};
  }
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

 private:
  std::mt19937 random_;
};

int RandomLiveFlight(const Logbook& logbook, RandomKeys& random) {
  return logbook.order.At(random.Pick(0, logbook.LastPosition()), kSortDate);
}

void DeleteFlight(Logbook& logbook, int flight) {
  logbook.flights[flight].DATE = 0;
  logbook.flights.TrimFreeTail();
  RemoveFromOrders(logbook, flight);
}

// Every live flight exactly once, and no flight strictly before the one above it.
void ExpectOrderedPermutation(const Logbook& logbook) {
  Ints live;
  for (int i = 0; i < logbook.flights.SlotCount(); ++i) {
    if (logbook.flights.IsLive(i)) live.push_back(i);
  }
  for (int key = 0; key < kSortKeys; ++key) {
    Ints column = Column(logbook, key);
    Ints sorted = column;
    std::sort(sorted.begin(), sorted.end());
    ASSERT_EQ(sorted, live) << "key " << key;
    for (std::size_t p = 1; p < column.size(); ++p) {
      ASSERT_FALSE(FlightBefore(logbook.flights[column[p]], logbook.flights[column[p - 1]], key))
          << "key " << key << " position " << p;
    }
  }
}

TEST(FlightOrdersProperty, NewAndDeletedFlightsGiveAStableSortInEntryOrder) {
  Logbook logbook;
  RandomKeys random(20240611);
  std::map<int, int> enteredAs;  // slot -> sequence number of its entry
  for (int step = 0; step < 1500; ++step) {
    if (logbook.LastPosition() >= 0 && random.Pick(0, 2) == 0) {
      int flight = RandomLiveFlight(logbook, random);
      DeleteFlight(logbook, flight);
      enteredAs.erase(flight);
    } else {
      enteredAs[test::EnterFlight(logbook, random.Next())] = step;
    }
    ASSERT_NO_FATAL_FAILURE(ExpectOrderedPermutation(logbook));

    Ints byEntry;
    for (const auto& [slot, sequence] : enteredAs)
      byEntry.push_back(slot);
    std::sort(byEntry.begin(), byEntry.end(),
              [&](int a, int b) { return enteredAs[a] < enteredAs[b]; });
    for (int key = 0; key < kSortKeys; ++key) {
      Ints expected = byEntry;
      std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
        return FlightBefore(logbook.flights[a], logbook.flights[b], key);
      });
      ASSERT_EQ(Column(logbook, key), expected) << "step " << step << " key " << key;
    }
  }
}

// Where a changed flight belongs among the others (its column without it, still in order):
// behind every flight above it that is not after it when it must move up; in front of every
// flight below it that is not before it when it must move down; else where it was.
int PlaceOfChangedFlight(const Logbook& logbook, const Ints& others, int oldPlace, int flight,
                         int key) {
  const FlightRecord& changed = logbook.flights[flight];
  auto above = others.begin() + oldPlace;
  auto isAfter = [&](int other) { return FlightBefore(changed, logbook.flights[other], key); };
  auto isBefore = [&](int other) { return FlightBefore(logbook.flights[other], changed, key); };
  if (std::any_of(others.begin(), above, isAfter)) {
    return static_cast<int>(std::count_if(others.begin(), above, std::not_fn(isAfter)));
  }
  return oldPlace + static_cast<int>(std::count_if(above, others.end(), isBefore));
}

// Changes one flight's keys and checks each column against the model: the others keep their
// order and the changed flight stands at its computed place.
void ChangeFlight(Logbook& logbook, int flight, const test::FlightValues& values) {
  std::array<Ints, kSortKeys> others;
  std::array<int, kSortKeys> oldPlaces{};
  for (int key = 0; key < kSortKeys; ++key) {
    others[key] = Column(logbook, key);
    auto place = std::find(others[key].begin(), others[key].end(), flight);
    oldPlaces[key] = static_cast<int>(place - others[key].begin());
    others[key].erase(place);
  }
  logbook.flights[flight] = test::MakeFlight(values);
  OrderPositions positions = ReplaceInOrders(logbook, flight);
  for (int key = 0; key < kSortKeys; ++key) {
    Ints expected = others[key];
    int place = PlaceOfChangedFlight(logbook, expected, oldPlaces[key], flight, key);
    expected.insert(expected.begin() + place, flight);
    ASSERT_EQ(Column(logbook, key), expected) << "key " << key;
    ASSERT_EQ(positions[key], place) << "key " << key;
  }
}

TEST(FlightOrdersProperty, ChangesKeepEveryColumnInOrderAndMoveOnlyTheChangedFlight) {
  Logbook logbook;
  RandomKeys random(77);
  for (int step = 0; step < 1500; ++step) {
    SCOPED_TRACE(step);
    const int choice = random.Pick(0, 5);
    if (logbook.LastPosition() < 0 || choice <= 1) {
      test::EnterFlight(logbook, random.Next());
    } else if (choice == 2) {
      DeleteFlight(logbook, RandomLiveFlight(logbook, random));
    } else {
      ASSERT_NO_FATAL_FAILURE(
          ChangeFlight(logbook, RandomLiveFlight(logbook, random), random.Next()));
    }
    ASSERT_NO_FATAL_FAILURE(ExpectOrderedPermutation(logbook));
  }
}

}  // namespace
}  // namespace aloftra
