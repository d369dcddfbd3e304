// Distances between coordinates: the great circle on the program's sphere and the length of
// a flight of each type.
#include "flights/GreatCircle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace aloftra {
namespace {

constexpr double kRadius = 3956.05;
constexpr double kHalfCircumference = kRadius * 3.14159265358979;

GeoPoint At(double northDegrees, double westDegrees) {
  return {DegreesToRadians(std::fabs(northDegrees), 0, 0, northDegrees < 0),
          DegreesToRadians(std::fabs(westDegrees), 0, 0, westDegrees < 0)};
}

// An independent reference: the haversine form, well behaved at every distance.
double HaversineMiles(const GeoPoint& a, const GeoPoint& b) {
  double dLat = std::sin((b.latitude - a.latitude) / 2);
  double dLon = std::sin((b.longitude - a.longitude) / 2);
  double s = dLat * dLat + std::cos(a.latitude) * std::cos(b.latitude) * dLon * dLon;
  return 2 * kRadius * std::asin(std::sqrt(std::fmin(1.0, s)));
}

struct DistanceCase {
  const char* name;
  GeoPoint from;
  GeoPoint to;
  double miles;
  double tolerance;
};

class GreatCircleTable : public testing::TestWithParam<DistanceCase> {};

TEST_P(GreatCircleTable, GivesTheDistanceOnTheSphereInMiles) {
  const DistanceCase& c = GetParam();
  EXPECT_NEAR(GreatCircleMiles(c.from, c.to), c.miles, c.tolerance);
  EXPECT_NEAR(GreatCircleMiles(c.to, c.from), c.miles, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Points, GreatCircleTable,
    testing::Values(
        DistanceCase{"OneDegreeOfLatitudeIs69Point05Miles", At(45, 122), At(46, 122), 69.05, 0.005},
        DistanceCase{"OneDegreeOfLongitudeOnTheEquator", At(0, 10), At(0, 11), 69.05, 0.005},
        DistanceCase{"OneSecondOfLatitude",
                     {DegreesToRadians(45, 30, 0, false), 0},
                     {DegreesToRadians(45, 30, 1, false), 0},
                     kRadius * 3.14159265358979 / 648000,
                     1e-4},
        DistanceCase{"IdenticalPointsAreNoDistanceApart",
                     {DegreesToRadians(45, 52, 30, false), DegreesToRadians(122, 1, 0, false)},
                     {DegreesToRadians(45, 52, 30, false), DegreesToRadians(122, 1, 0, false)},
                     0,
                     0},
        DistanceCase{"PoleToPoleIsHalfTheCircumference", At(90, 0), At(-90, 0), kHalfCircumference,
                     1e-6},
        DistanceCase{"AntipodesAreHalfTheCircumference", At(30, 60), At(-30, -120),
                     kHalfCircumference, 1e-6},
        DistanceCase{"AQuarterTurnAlongTheEquator", At(0, 0), At(0, 90), kHalfCircumference / 2,
                     1e-6},
        DistanceCase{"AcrossTheDateLine", At(0, 179.5), At(0, -179.5), 69.05, 0.005}),
    [](const testing::TestParamInfo<DistanceCase>& param) { return param.param.name; });

TEST(GreatCircle, AgreesWithTheHaversineFormAndStaysOnTheSphereEverywhere) {
  std::mt19937 random(20010518);
  std::uniform_real_distribution<double> latitude(-90, 90);
  std::uniform_real_distribution<double> longitude(-180, 180);
  for (int i = 0; i < 2000; ++i) {
    GeoPoint a = At(latitude(random), longitude(random));
    GeoPoint b = At(latitude(random), longitude(random));
    double miles = GreatCircleMiles(a, b);
    ASSERT_TRUE(std::isfinite(miles));
    EXPECT_NEAR(miles, HaversineMiles(a, b), 0.01);
    EXPECT_EQ(GreatCircleMiles(a, a), 0);
    GeoPoint opposite{-a.latitude, a.longitude + (a.longitude > 0 ? -1 : 1) * 3.14159265358979};
    EXPECT_NEAR(GreatCircleMiles(a, opposite), kHalfCircumference, 1e-3);
  }
}

struct FlightCase {
  const char* name;
  int type;
  double miles;
};

class CrossCountryTable : public testing::TestWithParam<FlightCase> {};

// Launch on the equator, landing or turn point one degree east of it, second turn point one
// degree north of launch: a right angle at launch, so the closing leg follows from the
// spherical Pythagoras, cos c = cos a cos b.
TEST_P(CrossCountryTable, AddsTheLegsTheTypeFlies) {
  const FlightCase& c = GetParam();
  std::array<GeoPoint, 3> points = {At(0, 0), At(0, -1), At(1, 0)};
  EXPECT_NEAR(CrossCountryMiles(c.type, points), c.miles, 1e-6);
}

const double kLeg = kRadius * 3.14159265358979 / 180;
const double kHypotenuse =
    kRadius * std::acos(std::cos(3.14159265358979 / 180) * std::cos(3.14159265358979 / 180));

INSTANTIATE_TEST_SUITE_P(
    Types, CrossCountryTable,
    testing::Values(FlightCase{"StraightLineIsLaunchToLanding", kXcStraight, kLeg},
                    FlightCase{"NoTypeCountsAsAStraightLine", kXcNone, kLeg},
                    FlightCase{"OutAndReturnDoublesTheWayOut", kXcOutAndReturn, 2 * kLeg},
                    FlightCase{"TriangleAddsTheThreeLegs", kXcTriangle, kLeg + kHypotenuse + kLeg}),
    [](const testing::TestParamInfo<FlightCase>& param) { return param.param.name; });

}  // namespace
}  // namespace aloftra
