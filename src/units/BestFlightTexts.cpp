#include "units/BestFlightTexts.h"

#include "units/ConvertUnit.h"

namespace aloftra {

BestFlightTexts BestFlightTextsOf(const Logbook& logbook, const BestFlights& best) {
  const UnitFlags& flags = logbook.UNIT_FLAGS;
  BestFlightTexts texts;
  if (const FlightRecord* longest = logbook.flights.Live(best.LONGEST_FLIGHT))
    texts.longestMinutes = longest->AIRTIME;
  if (const FlightRecord* highest = logbook.flights.Live(best.HIGHEST_FLIGHT))
    texts.highest = DisplayStored(highest->MAX_MSL, UnitKind::kAltitude, false, flags);
  if (const FlightRecord* overLaunch = logbook.flights.Live(best.OVER_LAUNCH_FLIGHT))
    texts.overLaunch = DisplayStored(overLaunch->OVER_LAUNCH, UnitKind::kAltitude, false, flags);
  const FlightRecord* farthest = logbook.flights.Live(best.DISTANCE_FLIGHT);
  if (farthest != nullptr && farthest->XC_DISTANCE > 0)
    texts.distance = DisplayStored(farthest->XC_DISTANCE, UnitKind::kDistance, false, flags);
  return texts;
}

}  // namespace aloftra
