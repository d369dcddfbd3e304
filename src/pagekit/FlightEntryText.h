// One flight entry as texts typed into the flight page's boxes, with the marks and choices
// the page's other controls hold. Whatever types a whole flight into the page (the import of
// delimited files, the reading of track files) fills one of these, so the entry passes the
// page's own field checks and Enter like a flight typed by the pilot.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/Records.h"

namespace aloftra {

// The cross-country details the page keeps beside its boxes.
struct CrossCountryText {
  std::int16_t type = -1;  // -1 none, 0 straight line, 1 out-and-return, 2 triangle
  std::string gpsCoords;   // the stored coordinates text
};

struct FlightEntryText {
  std::string date;     // as typed into the date box, checked as leaving it
  std::string time;     // likewise the time of day
  std::string airtime;  // likewise the airtime ("1:30" or minutes)
  std::string site;     // a name of the site list, compared as the duplicate rule does
  std::string glider;   // a name of the glider list, likewise
  std::string baseWind;
  std::string peakWind;
  std::string maxLift;
  std::string maxSink;
  std::string launch;
  std::string landing;
  std::string maxMsl;
  std::string overLaunch;  // empty: the page works it out from launch and maximum
  std::string distance;
  std::uint8_t turbulence = 0;
  WindFlags wind{};
  std::string remarks;

  // What the page gives a new entry unless said here: solo or tandem from the glider, no
  // marks, no cross-country details.
  std::optional<bool> tandem;
  bool nonFlying = false;
  bool highlight = false;
  std::optional<CrossCountryText> crossCountry;
};

}  // namespace aloftra
