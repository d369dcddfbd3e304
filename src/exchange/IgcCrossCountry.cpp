#include "exchange/IgcCrossCountry.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "flights/GpsCoordsText.h"

namespace aloftra {

namespace {

constexpr double kMetresPerMile = 1609.344;
// The triangle search compares every pair of this many fixes spread along the flight, then
// pairs ever closer around the best of them, down to single fixes.
constexpr std::size_t kThinnedFixes = 700;
// How much finer each look around the best pair is than the one before.
constexpr std::size_t kRefinementShrink = 20;

struct Vector3 {
  double x = 0;
  double y = 0;
  double z = 0;
};

Vector3 UnitVector(const IgcFix& fix) {
  const double lat = fix.latitude * kPi / 180;
  const double lon = fix.longitude * kPi / 180;
  return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}

// The angle between two points on the sphere, in radians.
double Angle(const Vector3& a, const Vector3& b) {
  const double dot = a.x * b.x + a.y * b.y + a.z * b.z;
  return std::acos(std::clamp(dot, -1.0, 1.0));
}

// A point as typed into the details: whole seconds of arc, the hemisphere from the sign.
CoordinateBoxes Boxes(double degrees, char positive, char negative) {
  const long total = std::lround(std::abs(degrees) * 3600);
  return {std::to_string(total / 3600), std::to_string(total / 60 % 60), std::to_string(total % 60),
          degrees < 0 && total > 0 ? negative : positive};
}

double BoxesDegrees(const CoordinateBoxes& boxes) {
  return std::stod(boxes.degrees) + std::stod(boxes.minutes) / 60 + std::stod(boxes.seconds) / 3600;
}

// Fills the stored text and the distance through the rounded points, exactly as the details
// compute it (their longitudes are west positive).
void StorePoints(const IgcTrack& track, int pointCount, IgcCrossCountry& route) {
  std::array<CoordinateBoxes, kGpsItems> items{};
  for (int row = 0; row < 3; ++row) {
    items[2 * row].hemisphere = 'N';
    items[2 * row + 1].hemisphere = 'W';
  }
  std::array<GeoPoint, 3> points{};
  for (int row = 0; row < pointCount; ++row) {
    const IgcFix& fix = track.fixes[route.fixes[row]];
    items[2 * row] = Boxes(fix.latitude, 'N', 'S');
    items[2 * row + 1] = Boxes(fix.longitude, 'E', 'W');
    points[row].latitude =
        DegreesToRadians(BoxesDegrees(items[2 * row]), 0, 0, items[2 * row].hemisphere == 'S');
    points[row].longitude = DegreesToRadians(BoxesDegrees(items[2 * row + 1]), 0, 0,
                                             items[2 * row + 1].hemisphere == 'E');
  }
  route.gpsCoords = BuildGpsCoords(items);
  route.miles = CrossCountryMiles(route.type, points);
  route.metres = route.miles * kMetresPerMile;
}

struct Triangle {
  std::size_t first = 0;
  std::size_t second = 0;
  double angle = 0;  // the three legs, in radians
};

// The best triangle with both turn points in the given ranges of the flight's fixes.
void SearchTriangles(const std::vector<Vector3>& points, const std::vector<double>& fromLaunch,
                     const std::vector<std::size_t>& firsts,
                     const std::vector<std::size_t>& seconds, Triangle& best) {
  for (std::size_t a : firsts) {
    for (std::size_t b : seconds) {
      if (b <= a) continue;
      const double angle = fromLaunch[a] + Angle(points[a], points[b]) + fromLaunch[b];
      if (angle > best.angle) best = {a, b, angle};
    }
  }
}

// Every step-th fix within reach of a centre.
std::vector<std::size_t> Around(std::size_t centre, std::size_t reach, std::size_t step,
                                std::size_t count) {
  std::vector<std::size_t> indices;
  const std::size_t from = centre > reach ? centre - reach : 0;
  const std::size_t to = std::min(count - 1, centre + reach);
  for (std::size_t i = from; i <= to; i += step)
    indices.push_back(i);
  return indices;
}

Triangle BestTriangle(const std::vector<Vector3>& points, const std::vector<double>& fromLaunch) {
  const std::size_t count = points.size();
  std::size_t step = std::max<std::size_t>(1, (count + kThinnedFixes - 1) / kThinnedFixes);
  const std::vector<std::size_t> thinned = Around(0, count, step, count);
  Triangle best;
  SearchTriangles(points, fromLaunch, thinned, thinned, best);
  // Between two thinned fixes the best turn point can be at most a step away: look again
  // around the best pair, each time closer, until every fix near it has been tried.
  while (step > 1) {
    const std::size_t reach = 2 * step;
    step = std::max<std::size_t>(1, step / kRefinementShrink);
    const std::vector<std::size_t> firsts = Around(best.first, reach, step, count);
    const std::vector<std::size_t> seconds = Around(best.second, reach, step, count);
    SearchTriangles(points, fromLaunch, firsts, seconds, best);
  }
  return best;
}

}  // namespace

IgcCrossCountry FindIgcCrossCountry(const IgcTrack& track, const IgcFlightSpan& span) {
  // The flight's fixes, launch first; indices below count from the take-off.
  std::vector<Vector3> points;
  points.reserve(span.landing - span.takeoff + 1);
  for (std::size_t i = span.takeoff; i <= span.landing; ++i) {
    points.push_back(UnitVector(track.fixes[i]));
  }
  std::vector<double> fromLaunch(points.size());
  std::size_t farthest = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    fromLaunch[i] = Angle(points.front(), points[i]);
    if (fromLaunch[i] > fromLaunch[farthest]) farthest = i;
  }
  const double closing = fromLaunch.back();

  IgcCrossCountry route;
  route.fixes = {span.takeoff, span.landing, span.takeoff};
  int pointCount = 2;
  double longest = closing;
  const double outAndReturn = 2 * fromLaunch[farthest];
  if (closing <= kIgcClosingShare * outAndReturn && outAndReturn > longest) {
    route.type = kXcOutAndReturn;
    route.fixes = {span.takeoff, span.takeoff + farthest, span.takeoff};
    longest = outAndReturn;
  }
  const Triangle triangle = BestTriangle(points, fromLaunch);
  if (triangle.angle > kIgcTriangleMargin * outAndReturn &&
      closing <= kIgcClosingShare * triangle.angle && triangle.angle > longest) {
    route.type = kXcTriangle;
    route.fixes = {span.takeoff, span.takeoff + triangle.first, span.takeoff + triangle.second};
    pointCount = 3;
  }
  StorePoints(track, pointCount, route);
  return route;
}

}  // namespace aloftra
