// Entering, changing and deleting one flight of the largest logbook. The worst case is a flight
// that belongs at the front of every column: every other flight moves one row in all five.
#include <benchmark/benchmark.h>

#include "LogbookGenerator.h"
#include "views/FlightOrders.h"

namespace aloftra {
namespace {

// A full logbook whose last slot has been taken out of the orders, ready to be entered again.
struct Fixture {
  Fixture() : logbook(GenerateLogbook()), spare(logbook.flights.LastIndex()) {
    RemoveFromOrders(logbook, spare);
  }
  void MakeFrontOfEveryColumn(FlightRecord& flight) const {
    flight.DATE = 1;
    flight.AIRTIME = 32767;
    flight.MAX_MSL = 32767;
    flight.OVER_LAUNCH = 32767;
    flight.XC_DISTANCE = 1e6f;
  }
  Logbook logbook;
  int spare;
};

// A new flight at the front of every column, entered and deleted again: every row moves down
// one and back up.
void BM_InsertThenRemoveAtTheFront(benchmark::State& state) {
  Fixture fixture;
  fixture.MakeFrontOfEveryColumn(fixture.logbook.flights[fixture.spare]);
  for (auto _ : state) {
    benchmark::DoNotOptimize(InsertIntoOrders(fixture.logbook, fixture.spare));
    benchmark::DoNotOptimize(RemoveFromOrders(fixture.logbook, fixture.spare));
  }
  state.counters["flights"] = fixture.logbook.LastPosition() + 2;
}
BENCHMARK(BM_InsertThenRemoveAtTheFront)->Unit(benchmark::kMicrosecond);

// The usual case: today's flight, which goes to the end of the date order.
void BM_InsertThenRemoveLatest(benchmark::State& state) {
  Fixture fixture;
  FlightRecord& flight = fixture.logbook.flights[fixture.spare];
  flight.DATE = 50000;
  for (auto _ : state) {
    benchmark::DoNotOptimize(InsertIntoOrders(fixture.logbook, fixture.spare));
    benchmark::DoNotOptimize(RemoveFromOrders(fixture.logbook, fixture.spare));
  }
}
BENCHMARK(BM_InsertThenRemoveLatest)->Unit(benchmark::kMicrosecond);

// One flight changed from the end of every column to the front and back again: two
// re-placings, each moving it past every other flight.
void BM_ReplaceEndToFrontAndBack(benchmark::State& state) {
  Fixture fixture;
  Logbook& logbook = fixture.logbook;
  FlightRecord& flight = logbook.flights[fixture.spare];
  flight.DATE = 50000;
  flight.AIRTIME = flight.MAX_MSL = flight.OVER_LAUNCH = -32768;
  flight.XC_DISTANCE = -1;
  InsertIntoOrders(logbook, fixture.spare);
  const FlightRecord atTheEnd = flight;
  FlightRecord atTheFront = flight;
  fixture.MakeFrontOfEveryColumn(atTheFront);
  for (auto _ : state) {
    flight = atTheFront;
    benchmark::DoNotOptimize(ReplaceInOrders(logbook, fixture.spare));
    flight = atTheEnd;
    benchmark::DoNotOptimize(ReplaceInOrders(logbook, fixture.spare));
  }
}
BENCHMARK(BM_ReplaceEndToFrontAndBack)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace aloftra
