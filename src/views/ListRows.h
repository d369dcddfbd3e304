// The rows of the three list views, as text: the flights that pass the filter in the order
// the flight page follows, and every live site and glider in slot order. The first cell of
// every row holds the record's slot as text, for the hidden index column.
#pragma once

#include <string>
#include <vector>

#include "core/Logbook.h"
#include "views/FilterSettings.h"

namespace aloftra {

inline constexpr int kFlightListCols = 7;  // index, flight, date, location, airtime, over
                                           // launch, distance
inline constexpr int kRecordListCols = 8;  // index and the seven columns of a site or glider

struct ListRow {
  int slot = -1;
  std::vector<std::string> cells;
  bool nonFlying = false;
  bool highlighted = false;
};

// The first line of a flight's remarks: up to the first carriage return or line feed, at
// most 80 characters (never cutting a character in two).
std::string FirstRemarkLine(const std::string& remarks);

std::vector<ListRow> FlightListRows(const Logbook& logbook, const FilterSettings& filter);
std::vector<ListRow> SiteListRows(const Logbook& logbook);
std::vector<ListRow> GliderListRows(const Logbook& logbook);

}  // namespace aloftra
