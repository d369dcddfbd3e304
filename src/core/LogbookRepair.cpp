#include "core/LogbookRepair.h"

#include <algorithm>
#include <vector>

namespace aloftra {

namespace {

std::vector<int> LiveFlights(const Logbook& book) {
  std::vector<int> live;
  live.reserve(static_cast<std::size_t>(book.flights.SlotCount()));
  for (int i = 0; i < book.flights.SlotCount(); ++i) {
    if (!book.flights[i].IsFree()) live.push_back(i);
  }
  return live;
}

bool ColumnIsComplete(const Logbook& book, int key, std::vector<bool>& seen) {
  std::fill(seen.begin(), seen.end(), false);
  for (const OrderRow& row : book.order.Rows()) {
    const int index = row[key];
    if (!book.flights.IsLive(index) || seen[index]) return false;
    seen[index] = true;
  }
  return true;
}

void ClearIfStale(const Logbook& book, BestFlights& best) {
  for (std::int16_t* pointer : {&best.LONGEST_FLIGHT, &best.HIGHEST_FLIGHT,
                                &best.OVER_LAUNCH_FLIGHT, &best.DISTANCE_FLIGHT}) {
    if (!book.flights.IsLive(*pointer)) *pointer = -1;
  }
}

}  // namespace

bool FlightOrderIsComplete(const Logbook& book) {
  if (book.order.RowCount() != book.flights.LiveCount()) return false;
  std::vector<bool> seen(static_cast<std::size_t>(book.flights.SlotCount()));
  for (int key = 0; key < kSortKeys; ++key) {
    // With as many rows as live flights, no repeat means every live flight appears.
    if (!ColumnIsComplete(book, key, seen)) return false;
  }
  return true;
}

void RebuildFlightOrder(Logbook& book) {
  const std::vector<int> live = LiveFlights(book);
  std::vector<OrderRow>& rows = book.order.Rows();
  rows.assign(live.size(), OrderRow{});
  std::vector<int> column;
  for (int key = 0; key < kSortKeys; ++key) {
    column = live;
    std::stable_sort(column.begin(), column.end(), [&](int a, int b) {
      return FlightBefore(book.flights[a], book.flights[b], key);
    });
    for (std::size_t position = 0; position < column.size(); ++position) {
      rows[position][key] = static_cast<std::int16_t>(column[position]);
    }
  }
}

void ClearStaleBestFlights(Logbook& book) {
  for (GliderRecord& glider : book.gliders)
    ClearIfStale(book, glider.best);
  for (SiteRecord& site : book.sites)
    ClearIfStale(book, site.best);
  for (PilotTotals& totals : book.totals)
    ClearIfStale(book, totals.best);
}

void RepairLoadedLogbook(Logbook& book) {
  if (!FlightOrderIsComplete(book)) RebuildFlightOrder(book);
  ClearStaleBestFlights(book);
  book.doc.CurrentPosition = book.LastPosition();
  book.doc.currentGlider = book.gliders.HighestLiveIndex();
  book.doc.currentSite = book.sites.HighestLiveIndex();
  book.doc.currentTopic = book.topics.HighestLiveIndex();
}

}  // namespace aloftra
