// The cross-country route found in generated tracks of known routes, in both hemispheres:
// its type by the closing rule and the triangle margin, its distance against the flown
// route, and its stored points giving the same distance when read back as the details do.
#include <gtest/gtest.h>

#include <string>

#include "exchange/IgcCrossCountry.h"
#include "exchange/IgcFlightFigures.h"
#include "exchange/IgcReader.h"
#include "flights/GpsCoordsText.h"
#include "support/IgcTrackGenerator.h"

namespace aloftra {
namespace {

// The distance of a stored text's rows, read the way the cross-country details read them.
double StoredMiles(int type, const std::string& gpsCoords) {
  const auto items = SplitGpsCoords(gpsCoords);
  std::array<GeoPoint, 3> points{};
  for (int row = 0; row < 3; ++row) {
    const StoredCoordinate& lat = items[2 * row];
    const StoredCoordinate& lon = items[2 * row + 1];
    if (lat.degrees->empty()) continue;
    points[row].latitude = DegreesToRadians(std::stod(*lat.degrees), std::stod(*lat.minutes),
                                            std::stod(*lat.seconds), lat.hemisphere == 'S');
    points[row].longitude = DegreesToRadians(std::stod(*lon.degrees), std::stod(*lon.minutes),
                                             std::stod(*lon.seconds), lon.hemisphere == 'E');
  }
  return CrossCountryMiles(type, points);
}

TEST(IgcCrossCountryTest, TheLongestClosedRouteIsFound) {
  struct Case {
    const char* what;
    std::vector<RoutePoint> route;  // from a launch at 45.9 N 6.1 E
    XcType type;
    bool closed;  // the truth runs back to launch
    int rows;     // the stored text's filled rows
  };
  const Case cases[] = {
      {"straight", {{46.1, 6.4}}, kXcStraight, false, 2},
      {"out and return", {{46.1, 6.3}, {45.903, 6.102}}, kXcOutAndReturn, false, 2},
      {"landed too far from launch to close", {{46.1, 6.3}, {46.0, 6.3}}, kXcStraight, false, 2},
      {"triangle", {{46.1, 6.1}, {46.0, 6.35}, {45.902, 6.103}}, kXcTriangle, true, 3},
      // Ten hours of fixes: the turn points are found in a thinned track and refined.
      {"long triangle", {{46.6, 6.1}, {46.25, 7.2}, {45.905, 6.105}}, kXcTriangle, true, 3},
      // Barely wider than the out-and-return it contains: not worth a triangle.
      {"thin triangle", {{46.1, 6.1}, {46.1, 6.11}, {45.902, 6.101}}, kXcOutAndReturn, false, 2},
  };
  for (const bool south : {false, true}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.what) + (south ? " south and west" : " north and east"));
      const double sign = south ? -1 : 1;
      RoutePlan plan;
      plan.launch = {sign * 45.9, sign * 6.1};
      for (const RoutePoint& point : c.route) {
        plan.route.push_back({sign * point.latitude, sign * point.longitude});
      }
      const GeneratedFlight truth = FlyRoute(plan);
      IgcReadResult read = ReadIgcText(WriteIgc(plan, truth.fixes), "xc.igc");
      ASSERT_TRUE(read.ok());
      IgcFiguresResult figures = DeriveIgcFlightFigures(read.track, {});
      ASSERT_TRUE(figures.ok()) << figures.message;
      const IgcCrossCountry xc = FindIgcCrossCountry(read.track, figures.figures.span);

      EXPECT_EQ(c.type, xc.type);
      double expected = RouteMetres(plan, c.closed);
      if (c.type == kXcStraight) {
        RoutePlan direct = plan;
        direct.route = {plan.route.back()};
        expected = RouteMetres(direct, false);
      } else if (c.type == kXcOutAndReturn) {
        RoutePlan there = plan;
        there.route.resize(1);
        expected = 2 * RouteMetres(there, false);
      }
      EXPECT_NEAR(expected, xc.metres, 0.005 * expected);
      EXPECT_DOUBLE_EQ(xc.miles, StoredMiles(xc.type, xc.gpsCoords));
      const auto items = SplitGpsCoords(xc.gpsCoords);
      for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(row < c.rows, !items[2 * row].degrees->empty()) << xc.gpsCoords;
        EXPECT_EQ(row < c.rows && south ? 'S' : 'N', items[2 * row].hemisphere) << xc.gpsCoords;
        EXPECT_EQ(row < c.rows && !south ? 'E' : 'W', items[2 * row + 1].hemisphere)
            << xc.gpsCoords;
      }
    }
  }
}

}  // namespace
}  // namespace aloftra
