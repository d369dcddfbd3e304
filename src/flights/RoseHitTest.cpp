#include "flights/RoseHitTest.h"

#include <cmath>

namespace aloftra {

namespace {

constexpr double kPi = 3.14159265358979;

// Click positions are single floats, so a point placed exactly on a sector boundary or on a
// radius limit comes out a hair to either side. Distances and angles are compared after
// rounding to a thousandth of a twip or degree, far below a pixel (15 twips), so that such a
// point lands where its exact position says.
double Snapped(double value) {
  return std::round(value * 1000.0) / 1000.0;
}

// The click's angle in degrees, 0 = east, counter-clockwise, in [0, 360].
double ClickAngle(double dx, double dy) {
  double a = dx == 0 ? 90.0 : std::fabs(std::atan(dy / dx)) * 180.0 / kPi;
  if (dx < 0 && dy < 0) return 180.0 - a;  // upper left
  if (dx < 0) return a + 180.0;            // lower left
  if (dy >= 0) return 360.0 - a;           // lower right
  return a;                                // upper right
}

}  // namespace

std::int16_t RoseHitTest(float centreX, float centreY, float clickX, float clickY) {
  double dx = static_cast<double>(clickX) - static_cast<double>(centreX);
  double dy = static_cast<double>(clickY) - static_cast<double>(centreY);
  double r = Snapped(std::sqrt(dx * dx + dy * dy));
  if (r > kRoseOuterRadius) return kRoseMissed;
  if (r < kRoseInnerRadius) return kRoseCentre;

  double a = Snapped(ClickAngle(dx, dy));
  if (a >= 348.75 || a < 11.25) return 0;
  for (std::int16_t k = 1; k < 16; ++k) {
    if (a < 11.25 + 22.5 * k) return k;
  }
  return 0;  // not reached: every angle below 348.75 has its sector above
}

}  // namespace aloftra
