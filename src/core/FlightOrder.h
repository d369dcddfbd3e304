// The five kept orders of the flights. Each row holds one flight index per sort key; column k
// read from row 0 downward lists every live flight once in the order of key k. Keeping the
// columns ordered is the job of the order maintenance routines; this class only holds them.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/Records.h"

namespace aloftra {

enum SortKeyId : int {
  kSortDate = 0,
  kSortAirtime = 1,
  kSortMaxMsl = 2,
  kSortOverLaunch = 3,
  kSortDistance = 4,
};
inline constexpr int kSortKeys = 5;

using OrderRow = std::array<std::int16_t, kSortKeys>;

// Whether flight a comes strictly before flight b in the order of a key: an earlier date and
// time for the date order; a larger airtime, maximum altitude, height over launch or
// distance for the others. Flights with equal keys keep the order in which they were entered.
inline bool FlightBefore(const FlightRecord& a, const FlightRecord& b, int key) {
  switch (key) {
    case kSortDate:
      return a.DATE < b.DATE;
    case kSortAirtime:
      return a.AIRTIME > b.AIRTIME;
    case kSortMaxMsl:
      return a.MAX_MSL > b.MAX_MSL;
    case kSortOverLaunch:
      return a.OVER_LAUNCH > b.OVER_LAUNCH;
    default:
      return a.XC_DISTANCE > b.XC_DISTANCE;
  }
}

class FlightOrder {
 public:
  // Number of rows minus one: -1 when there are no flights.
  int LastPosition() const { return static_cast<int>(rows_.size()) - 1; }
  int RowCount() const { return static_cast<int>(rows_.size()); }

  // The flight index at a position of one column, or -1 for a position outside the table.
  int At(int position, int key) const {
    if (position < 0 || position > LastPosition()) return -1;
    return rows_[position][key];
  }
  void Set(int position, int key, int flightIndex) {
    rows_[position][key] = static_cast<std::int16_t>(flightIndex);
  }

  // The position of a flight in one column, or -1.
  int PositionOf(int flightIndex, int key) const {
    for (int p = 0; p < RowCount(); ++p) {
      if (rows_[p][key] == flightIndex) return p;
    }
    return -1;
  }

  std::vector<OrderRow>& Rows() { return rows_; }
  const std::vector<OrderRow>& Rows() const { return rows_; }
  void Clear() { rows_.clear(); }

  bool operator==(const FlightOrder&) const = default;

 private:
  std::vector<OrderRow> rows_;
};

}  // namespace aloftra
