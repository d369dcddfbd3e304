#include "stats/BestFlights.h"

#include <cstdint>

namespace aloftra {

namespace {

template <class Value>
void Offer(std::int16_t& pointer, const RecordTable<FlightRecord>& flights, int flightIndex,
           Value FlightRecord::*field) {
  if (pointer < 0 || flights[flightIndex].*field > flights[pointer].*field) {
    pointer = static_cast<std::int16_t>(flightIndex);
  }
}

}  // namespace

void OfferBestFlight(BestFlights& best, const RecordTable<FlightRecord>& flights, int flightIndex) {
  Offer(best.LONGEST_FLIGHT, flights, flightIndex, &FlightRecord::AIRTIME);
  Offer(best.HIGHEST_FLIGHT, flights, flightIndex, &FlightRecord::MAX_MSL);
  Offer(best.OVER_LAUNCH_FLIGHT, flights, flightIndex, &FlightRecord::OVER_LAUNCH);
  Offer(best.DISTANCE_FLIGHT, flights, flightIndex, &FlightRecord::XC_DISTANCE);
}

}  // namespace aloftra
