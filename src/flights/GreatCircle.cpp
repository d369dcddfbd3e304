#include "flights/GreatCircle.h"

#include <algorithm>
#include <cmath>

namespace aloftra {

double DegreesToRadians(double degrees, double minutes, double seconds, bool negative) {
  double angle = degrees + minutes / 60 + seconds / 3600;
  if (negative) angle = -angle;
  return angle * kPi / 180;
}

double GreatCircleMiles(double lat1, double lon1, double lat2, double lon2) {
  // The same point twice is no distance at all, not the few feet rounding would leave.
  if (lat1 == lat2 && lon1 == lon2) return 0;
  double h =
      std::sin(lat1) * std::sin(lat2) + std::cos(lat1) * std::cos(lat2) * std::cos(lon1 - lon2);
  // The arc cosine of h is the angle between the points; h may stray just past +-1 by
  // rounding, where the angle is 0 or a half turn.
  return std::acos(std::clamp(h, -1.0, 1.0)) * kEarthRadiusMiles;
}

double GreatCircleMiles(const GeoPoint& from, const GeoPoint& to) {
  return GreatCircleMiles(from.latitude, from.longitude, to.latitude, to.longitude);
}

double CrossCountryMiles(int type, const std::array<GeoPoint, 3>& points) {
  double miles = GreatCircleMiles(points[0], points[1]);
  if (type == kXcOutAndReturn) return 2 * miles;
  if (type == kXcTriangle) {
    miles += GreatCircleMiles(points[1], points[2]) + GreatCircleMiles(points[2], points[0]);
  }
  return miles;
}

}  // namespace aloftra
