#include "flights/RoseHitTest.h"

#include <gtest/gtest.h>

#include <cmath>

namespace aloftra {
namespace {

struct Centre {
  float x;
  float y;
};

constexpr Centre kFlightPage{6060, 1860};
constexpr Centre kSitePage{1110, 4680};

// The hit at a point placed at an angle (degrees, counter-clockwise from east) and distance
// from the centre, as a click in float twips on a page whose y grows downward.
std::int16_t HitAt(Centre centre, double degrees, double radius) {
  double radians = degrees * 3.14159265358979323846 / 180.0;
  float x = static_cast<float>(centre.x + radius * std::cos(radians));
  float y = static_cast<float>(centre.y - radius * std::sin(radians));
  return RoseHitTest(centre.x, centre.y, x, y);
}

TEST(RoseHitTest, TheRingRunsFrom202To750Twips) {
  for (Centre c : {kFlightPage, kSitePage}) {
    EXPECT_EQ(RoseHitTest(c.x, c.y, c.x + 201, c.y), kRoseCentre);
    EXPECT_EQ(RoseHitTest(c.x, c.y, c.x + 202, c.y), 0);
    EXPECT_EQ(RoseHitTest(c.x, c.y, c.x + 750, c.y), 0);
    EXPECT_EQ(RoseHitTest(c.x, c.y, c.x + 751, c.y), kRoseMissed);
    EXPECT_EQ(RoseHitTest(c.x, c.y, c.x, c.y), kRoseCentre);
    EXPECT_EQ(RoseHitTest(c.x, c.y, c.x, c.y - 751), kRoseMissed);
    EXPECT_EQ(RoseHitTest(c.x, c.y, c.x - 201.5f, c.y), kRoseCentre);
  }
}

// Points placed on the radius limits off the axes carry float rounding; they must still
// land on the side of the limit they were placed on.
TEST(RoseHitTest, RadiusLimitsHoldOffTheAxes) {
  for (double degrees : {45.0, 100.0, 200.0, 333.0}) {
    EXPECT_NE(HitAt(kFlightPage, degrees, 202), kRoseCentre) << degrees;
    EXPECT_EQ(HitAt(kFlightPage, degrees, 201.9), kRoseCentre) << degrees;
    EXPECT_NE(HitAt(kFlightPage, degrees, 750), kRoseMissed) << degrees;
    EXPECT_EQ(HitAt(kFlightPage, degrees, 750.1), kRoseMissed) << degrees;
  }
}

TEST(RoseHitTest, StraightAboveIsNorthAndStraightBelowIsSouth) {
  Centre c = kFlightPage;
  EXPECT_EQ(RoseHitTest(c.x, c.y, c.x, c.y - 400), 4);
  EXPECT_EQ(RoseHitTest(c.x, c.y, c.x, c.y + 400), 12);
  EXPECT_EQ(RoseHitTest(c.x, c.y, c.x - 400, c.y), 8);
  EXPECT_EQ(RoseHitTest(c.x, c.y, c.x + 400, c.y), 0);
}

TEST(RoseHitTest, EachCompassPointOwnsItsCentreLine) {
  for (Centre c : {kFlightPage, kSitePage}) {
    for (int k = 0; k < 16; ++k) {
      for (double radius : {210.0, 480.0, 740.0}) {
        EXPECT_EQ(HitAt(c, 22.5 * k, radius), k) << "k " << k << " radius " << radius;
      }
    }
  }
}

TEST(RoseHitTest, EastWrapsAroundZeroDegrees) {
  EXPECT_EQ(HitAt(kFlightPage, 11.25, 500), 1);
  EXPECT_EQ(HitAt(kFlightPage, 348.75, 500), 0);
  EXPECT_EQ(HitAt(kFlightPage, 11.2, 500), 0);
  EXPECT_EQ(HitAt(kFlightPage, 348.7, 500), 15);
  EXPECT_EQ(HitAt(kFlightPage, 359.99, 500), 0);
  EXPECT_EQ(HitAt(kFlightPage, 0.01, 500), 0);
}

// A point placed exactly on the boundary at 11.25 + 22.5 (k - 1) degrees belongs to k, the
// sector counter-clockwise of it, wherever the rose sits and at any distance in the ring.
TEST(RoseHitTest, ABoundaryBelongsToTheSectorCounterClockwiseOfIt) {
  for (Centre c : {kFlightPage, kSitePage}) {
    for (int k = 1; k < 16; ++k) {
      double boundary = 11.25 + 22.5 * (k - 1);
      for (double radius : {202.0, 333.0, 750.0}) {
        EXPECT_EQ(HitAt(c, boundary, radius), k) << "k " << k << " radius " << radius;
        EXPECT_EQ(HitAt(c, boundary - 0.01, radius), k - 1) << "k " << k << " radius " << radius;
      }
    }
  }
}

}  // namespace
}  // namespace aloftra
