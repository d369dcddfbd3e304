// The program-wide filter: which flight entries the flight page, the graphs, the list view
// and printing show. Not part of the logbook file; every new or opened logbook starts with
// the pass-all state.
#pragma once

#include <array>
#include <cstdint>

#include "core/Records.h"

namespace aloftra {

enum FilterFlag : int {
  kFilterHangGlider = 0,
  kFilterParaglider = 1,
  kFilterNonFlying = 2,
  kFilterSolo = 3,
  kFilterTandem = 4,
  kFilterHighlightedOnly = 5,
  kFilterAllDates = 6,
  kFilterCrossCountryOnly = 7,
};
inline constexpr int kFilterFlagCount = 8;

struct FilterSettings {
  std::array<Flag, kFilterFlagCount> Flags{1, 1, 1, 1, 1, 0, 1, 0};
  DateTime RangeStart = 0;
  DateTime RangeEnd = 0;
  std::int16_t GliderIndex = -1;
  std::int16_t SiteIndex = -1;
  std::int16_t PassCount = -1;  // -1: the filter is off

  bool On() const { return PassCount >= 0; }
  // Back to the state in which every flight passes and the filter is off.
  void SetPassAll() { *this = FilterSettings{}; }
};

}  // namespace aloftra
