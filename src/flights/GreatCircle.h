// Distances on the earth from coordinates: the great circle between two points on a sphere,
// and the length of a cross-country flight from its launch, landing and turn points.
#pragma once

#include <array>

namespace aloftra {

// The sphere the distances are measured on: 3956.05 miles in radius.
inline constexpr double kEarthRadiusMiles = 3956.05;
inline constexpr double kPi = 3.14159265358979;

// A point in radians, north and west positive.
struct GeoPoint {
  double latitude = 0;
  double longitude = 0;
};

// The flight types of the cross-country details, numbered as the type list and the stored
// XC_TYPE (-1: none chosen).
enum XcType : int { kXcNone = -1, kXcStraight = 0, kXcOutAndReturn = 1, kXcTriangle = 2 };

// An angle typed as degrees, minutes and seconds, in radians; negative for the south and the
// east.
double DegreesToRadians(double degrees, double minutes, double seconds, bool negative);

// The great-circle distance between two points, in miles. Rounding can put the cosine of the
// angle a hair outside -1..1 (identical or opposite points); it is held to that range, so
// identical points are 0 apart and opposite points half the circumference.
double GreatCircleMiles(double lat1, double lon1, double lat2, double lon2);
double GreatCircleMiles(const GeoPoint& from, const GeoPoint& to);

// The distance flown, in miles: launch to landing for a straight line (and when no type is
// chosen), there and back for an out-and-return, the three legs for a triangle. Points are
// launch, landing or turn point, and the second turn point.
double CrossCountryMiles(int type, const std::array<GeoPoint, 3>& points);

}  // namespace aloftra
