#include "core/Logbook.h"

namespace aloftra {

const std::array<const char*, kWindPoints> kWindNames = {"E",  "ENE", "NE", "NNE", "N",  "NNW",
                                                         "NW", "WNW", "W",  "WSW", "SW", "SSW",
                                                         "S",  "SSE", "SE", "ESE"};

UnitFlags DefaultUnitFlags() {
  UnitFlags flags{};
  for (UnitButton button : {kUnitMph, kUnitFeet, kUnitFpm, kUnitMiles, kUnitPounds, kUnitAmPm}) {
    flags[button] = kFlagSet;
  }
  return flags;
}

void Logbook::ResetToNew() {
  pilot = PilotInfo{};
  totals = {PilotTotals{}, PilotTotals{}};
  VARIO_SCALE = kDefaultVarioScale;
  UNIT_FLAGS = DefaultUnitFlags();
  gliders.Clear();
  sites.Clear();
  topics.Clear();
  flights.Clear();
  order.Clear();

  DocumentState fresh;
  fresh.programFolder = doc.programFolder;
  fresh.COLOR_MODE = doc.COLOR_MODE;
  doc = fresh;
}

const FlightRecord* Logbook::CurrentFlight() const {
  int index = CurrentFlightIndex();
  return index >= 0 ? flights.Live(index) : nullptr;
}

std::string DocumentNameFromPath(const std::string& path) {
  std::size_t slash = path.find_last_of("\\/");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::size_t dot = name.find_last_of('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

}  // namespace aloftra
