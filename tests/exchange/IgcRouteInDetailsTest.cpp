// The route found in a track, stored in a flight and opened in the cross-country details:
// the details show its type and compute the same distance from its points.
#include <gtest/gtest.h>

#include <string>

#include "exchange/IgcCrossCountry.h"
#include "exchange/IgcFlightFigures.h"
#include "exchange/IgcReader.h"
#include "flights/FlightPageFixture.h"
#include "flights/frmCrossCountry.h"
#include "support/IgcTrackGenerator.h"

namespace aloftra::test {
namespace {

class IgcRouteInDetailsTest : public FlightPageTest {};

TEST_F(IgcRouteInDetailsTest, TheDetailsComputeTheRouteDistanceFromItsStoredPoints) {
  const std::vector<std::vector<RoutePoint>> routes = {
      {{46.1, 6.4}},
      {{46.1, 6.3}, {45.903, 6.102}},
      {{46.1, 6.1}, {46.0, 6.35}, {45.902, 6.103}},
      {{45.7, 6.0}, {45.8, 5.6}, {45.899, 6.098}},
  };
  for (const double sign : {1.0, -1.0}) {
    for (const std::vector<RoutePoint>& route : routes) {
      RoutePlan plan;
      plan.launch = {sign * 45.9, sign * 6.1};
      for (const RoutePoint& point : route) {
        plan.route.push_back({sign * point.latitude, sign * point.longitude});
      }
      const IgcTrack track = ReadIgcText(WriteIgc(plan, FlyRoute(plan).fixes), "xc.igc").track;
      const IgcCrossCountry xc =
          FindIgcCrossCountry(track, DeriveIgcFlightFigures(track, {}).figures.span);
      SCOPED_TRACE(xc.gpsCoords);

      FlightRecord flight = MakeFlight({.airtime = 90});
      flight.GPS_COORDS = xc.gpsCoords;
      flight.XC_TYPE = static_cast<std::int16_t>(xc.type);
      OpenWithFlights({flight});
      Page().XC_Details.Click();
      frmCrossCountry& details = app->Dialogs().Get<DialogId::kCrossCountry>();
      EXPECT_EQ(xc.type, details.XC_FlightType.ListIndex());
      ASSERT_TRUE(details.Calculate.Enabled());
      details.Calculate.Click();
      // The box shows miles to a tenth.
      EXPECT_NEAR(xc.miles, std::stod(details.Distance.Text()), 0.05);
      details.Cancel.Click();
    }
  }
}

}  // namespace
}  // namespace aloftra::test
