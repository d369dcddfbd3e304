// The figures of a flight derived from generated tracks, checked against the route they were
// flown from: take-off and landing, local time, airtime, altitudes, climb and sink.
#include <gtest/gtest.h>

#include <cmath>

#include "core/DateTime.h"
#include "exchange/IgcFlightFigures.h"
#include "exchange/IgcReader.h"
#include "support/IgcTrackGenerator.h"

namespace aloftra {
namespace {

constexpr double kSecond = 1.0 / 86400;

RoutePlan Plan(RoutePoint launch, RoutePoint landing, int startSeconds) {
  RoutePlan plan;
  plan.launch = launch;
  plan.route = {landing};
  plan.startSeconds = startSeconds;
  return plan;
}

IgcTrack Track(const std::string& text) {
  IgcReadResult read = ReadIgcText(text, "test.igc");
  EXPECT_TRUE(read.ok()) << read.message;
  return read.track;
}

IgcFiguresResult Figures(const std::string& text, const IgcFigureOptions& options = {}) {
  return DeriveIgcFlightFigures(Track(text), options);
}

DateTime UtcOf(const RoutePlan& plan, int seconds) {
  return MakeDateTime(plan.year, plan.month, plan.day) + seconds * kSecond;
}

// Property over flights of every shape: the figures are the truth the track was built from.
TEST(IgcFlightFiguresTest, FiguresMatchTheFlownRoute) {
  struct Case {
    const char* what;
    RoutePlan plan;
    IgcFileOptions file;
    int altitudeShift;  // what the column read differs from the flown altitude
    double vario;       // how close climb and sink come to the truth, in m/s
  };
  RoutePlan cut = Plan({46.0, 7.5}, {46.2, 7.8}, 11 * 3600);
  cut.secondsBefore = 0;
  cut.secondsAfter = 0;
  RoutePlan strong = Plan({-33.5, -70.5}, {-33.1, -70.0}, 15 * 3600);
  strong.thermalClimb = 4.5;
  strong.thermalSeconds = 90;
  strong.glideSink = 1.8;
  strong.launchAltitude = 2600;
  strong.landingAltitude = 800;
  IgcFileOptions phone;
  phone.withPressure = false;
  IgcFileOptions baroOnly;
  baroOnly.withGnss = false;
  IgcFileOptions oldForm;
  oldForm.oldDateForm = true;
  oldForm.withExtension = false;
  const Case cases[] = {
      {"north and east", Plan({45.9, 6.1}, {46.1, 6.3}, 10 * 3600), {}, 0, 0.15},
      {"south and west", strong, oldForm, 0, 0.15},
      {"across UTC midnight",
       Plan({37.0, -119.0}, {37.2, -118.7}, 23 * 3600 + 50 * 60),
       {},
       0,
       0.15},
      {"cut to the flight", cut, {}, 0, 0.15},
      // Without a barometer the climb comes from the GNSS column, rounded to metres all the same.
      {"a phone", Plan({47.0, 11.0}, {47.1, 11.3}, 9 * 3600), phone, 0, 0.15},
      {"no GNSS altitude", Plan({47.0, 11.0}, {47.1, 11.3}, 9 * 3600), baroOnly, -20, 0.15},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const GeneratedFlight truth = FlyRoute(c.plan);
    IgcFiguresResult result = Figures(WriteIgc(c.plan, truth.fixes, c.file));
    ASSERT_TRUE(result.ok()) << result.message;
    const IgcFlightFigures& f = result.figures;
    EXPECT_NEAR(UtcOf(c.plan, truth.takeoffSeconds), f.takeoffUtc, 60 * kSecond);
    const double airtime = (truth.landingSeconds - truth.takeoffSeconds) / 60.0;
    EXPECT_NEAR(airtime, f.airtimeMinutes, 1.0);
    EXPECT_EQ(truth.launchAltitude + c.altitudeShift, f.launchAltitude);
    EXPECT_EQ(truth.landingAltitude + c.altitudeShift, f.landingAltitude);
    EXPECT_EQ(truth.maxAltitude + c.altitudeShift, f.maxAltitude);
    EXPECT_EQ(truth.maxAltitude - truth.launchAltitude, f.overLaunch);
    ASSERT_TRUE(f.maxLift && f.maxSink);
    EXPECT_NEAR(truth.maxLift, *f.maxLift, c.vario);
    EXPECT_NEAR(truth.maxSink, *f.maxSink, c.vario);
    EXPECT_EQ(IgcOffsetOrigin::none, f.offsetOrigin);
    EXPECT_DOUBLE_EQ(f.takeoffUtc, f.takeoffLocal);
  }
}

TEST(IgcFlightFiguresTest, LocalTimeComesFromTheOverrideTheFileOrTheComputer) {
  // A rule with daylight saving from April to October, one hour east of UTC.
  const IgcZoneRule europe = [](DateTime utc) {
    const int month = SplitDateTime(utc).month;
    return month >= 4 && month <= 10 ? 2.0 : 1.0;
  };
  struct Case {
    const char* what;
    int month;
    int takeoffUtcSeconds;
    std::optional<std::string> zoneLine;
    std::optional<double> override;
    double offset;
    IgcOffsetOrigin origin;
    int localDayShift;  // the local date of the take-off against its UTC date
  };
  const Case cases[] = {
      {"the file's zone", 7, 10 * 3600, "HFTZNTIMEZONE:-3", {}, -3, IgcOffsetOrigin::file, 0},
      {"the file's zone, decimal", 7, 10 * 3600, "HFTZN:+5.5", {}, 5.5, IgcOffsetOrigin::file, 0},
      {"summer time", 7, 10 * 3600, {}, {}, 2, IgcOffsetOrigin::computer, 0},
      {"winter time", 1, 10 * 3600, {}, {}, 1, IgcOffsetOrigin::computer, 0},
      {"the override wins", 7, 10 * 3600, "HFTZN:2", -7.0, -7, IgcOffsetOrigin::overridden, 0},
      {"past local midnight", 7, 22 * 3600 + 30 * 60, "HFTZN:2", {}, 2, IgcOffsetOrigin::file, 1},
      {"before local midnight", 1, 2 * 3600, "HFTZN:-5", {}, -5, IgcOffsetOrigin::file, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RoutePlan plan = Plan({45.9, 6.1}, {46.0, 6.2}, c.takeoffUtcSeconds - 600 + 1);
    plan.month = c.month;
    const GeneratedFlight truth = FlyRoute(plan);
    IgcFileOptions file;
    file.timeZone = c.zoneLine;
    IgcFigureOptions options;
    options.zoneRule = europe;
    options.utcOffsetHours = c.override;
    IgcFiguresResult result = Figures(WriteIgc(plan, truth.fixes, file), options);
    ASSERT_TRUE(result.ok()) << result.message;
    const IgcFlightFigures& f = result.figures;
    EXPECT_EQ(c.origin, f.offsetOrigin);
    EXPECT_DOUBLE_EQ(c.offset, f.utcOffsetHours);
    EXPECT_NEAR(f.takeoffUtc + c.offset / 24, f.takeoffLocal, 1e-9);
    EXPECT_EQ(DayPart(f.takeoffUtc) + c.localDayShift, DayPart(f.takeoffLocal));
    EXPECT_NEAR(f.airtimeMinutes, (f.landingLocal - f.takeoffLocal) * 1440, 0.5);
  }
}

TEST(IgcFlightFiguresTest, TracksThatAreNotOneWholeFlight) {
  const RoutePlan plan = Plan({45.9, 6.1}, {46.1, 6.3}, 10 * 3600);
  const GeneratedFlight truth = FlyRoute(plan);
  const int first = truth.fixes.front().seconds;

  // Standing on launch only: no flight at all.
  std::vector<GeneratedFix> ground(truth.fixes.begin(), truth.fixes.begin() + plan.secondsBefore);
  EXPECT_EQ(kIgcNoTakeoffMessage, Figures(WriteIgc(plan, ground)).message);

  // The recorder stopped in the air: the last fix is the landing.
  const int cutAt = (truth.takeoffSeconds + truth.landingSeconds) / 2;
  std::vector<GeneratedFix> inAir(truth.fixes.begin(), truth.fixes.begin() + (cutAt - first + 1));
  IgcFiguresResult stopped = Figures(WriteIgc(plan, inAir));
  ASSERT_TRUE(stopped.ok());
  EXPECT_EQ(inAir.size() - 1, stopped.figures.span.landing);
  EXPECT_NEAR((cutAt - truth.takeoffSeconds) / 60.0, stopped.figures.airtimeMinutes, 1.0);

  // Left on through a landing and a second, longer flight three hours later: the first
  // flight is the one taken.
  std::vector<GeneratedFix> twice = truth.fixes;
  RoutePlan again = Plan({46.1, 6.3}, {45.7, 6.0}, truth.fixes.back().seconds + 3 * 3600);
  for (const GeneratedFix& fix : FlyRoute(again).fixes)
    twice.push_back(fix);
  IgcFiguresResult first_ = Figures(WriteIgc(plan, twice));
  ASSERT_TRUE(first_.ok());
  EXPECT_NEAR((truth.landingSeconds - truth.takeoffSeconds) / 60.0, first_.figures.airtimeMinutes,
              1.0);

  // A track without a date cannot be dated in the logbook.
  std::string undated = WriteIgc(plan, truth.fixes);
  undated.erase(undated.find("HFDTE"),
                undated.find('\n', undated.find("HFDTE")) - undated.find("HFDTE") + 1);
  EXPECT_EQ(kIgcNoDateMessage, Figures(undated).message);
}

}  // namespace
}  // namespace aloftra
