// The cross-country route of a flight found in its track: a straight line from launch to
// landing; an out-and-return from launch to the farthest point and back; a triangle from
// launch over two turn points, taken in the order they were flown, and back. A route that
// comes back to launch counts only when the flight closes it: the landing is within a fifth
// of the route's distance from launch. A triangle counts only when it is more than 5% longer
// than the out-and-return, since every out-and-return is also a thin triangle. The longest
// route that counts is the flight's.
#pragma once

#include <array>
#include <string>

#include "exchange/IgcFlightSpan.h"
#include "exchange/IgcTrack.h"
#include "flights/GreatCircle.h"

namespace aloftra {

inline constexpr double kIgcClosingShare = 0.2;
inline constexpr double kIgcTriangleMargin = 1.05;

struct IgcCrossCountry {
  XcType type = kXcStraight;
  // The fixes of launch and of the landing or turn points; the third only for a triangle.
  std::array<std::size_t, 3> fixes{};
  // The points as the cross-country details store them: degrees, minutes and whole seconds,
  // so the details' own calculation gives the same distance as the one below.
  std::string gpsCoords;
  // The distance of the route through the stored points, in miles as the logbook stores it
  // and in metres.
  double miles = 0;
  double metres = 0;
};

IgcCrossCountry FindIgcCrossCountry(const IgcTrack& track, const IgcFlightSpan& span);

}  // namespace aloftra
