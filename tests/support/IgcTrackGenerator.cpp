#include "support/IgcTrackGenerator.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

#include "flights/GreatCircle.h"

namespace aloftra {

namespace {

constexpr double kMetresPerMile = 1609.344;
constexpr double kRadius = kEarthRadiusMiles * kMetresPerMile;
constexpr double kThermalRadius = 40;
constexpr double kFinalGlideMetres = 8000;

double Radians(double degrees) {
  return degrees * kPi / 180;
}

double Metres(const RoutePoint& a, const RoutePoint& b) {
  return GreatCircleMiles(Radians(a.latitude), -Radians(a.longitude), Radians(b.latitude),
                          -Radians(b.longitude)) *
         kMetresPerMile;
}

// A point east and north of another by a few metres.
RoutePoint Offset(const RoutePoint& from, double east, double north) {
  return {from.latitude + north / kRadius * 180 / kPi,
          from.longitude + east / (kRadius * std::cos(Radians(from.latitude))) * 180 / kPi};
}

class Flyer {
 public:
  Flyer(const RoutePlan& plan, GeneratedFlight& flight)
      : plan_(plan), flight_(flight), random_(plan.seed), seconds_(plan.startSeconds) {}

  void Stand(const RoutePoint& at, int count, double altitude, double walkSpeed) {
    std::uniform_real_distribution<double> jitter(-1.0, 1.0);
    RoutePoint place = at;
    for (int i = 0; i < count; ++i) {
      if (walkSpeed > 0) place = Offset(place, walkSpeed * (i % 120 < 60 ? 1 : -1), 0);
      Emit(Offset(place, jitter(random_), jitter(random_)), altitude);
    }
  }

  void Fly() {
    altitude_ = plan_.launchAltitude;
    RoutePoint from = plan_.launch;
    for (std::size_t leg = 0; leg < plan_.route.size(); ++leg) {
      const RoutePoint& to = plan_.route[leg];
      const double length = Metres(from, to);
      const bool last = leg + 1 == plan_.route.size();
      for (double done = 0; done < length; done += plan_.groundSpeed) {
        const double share = done / length;
        const RoutePoint here{from.latitude + (to.latitude - from.latitude) * share,
                              from.longitude + (to.longitude - from.longitude) * share};
        // Near the landing there are no more thermals, and a glider still high sinks faster,
        // so the last glide ends at the landing's altitude.
        const bool finalGlide = last && length - done < kFinalGlideMetres;
        if (glided_ >= plan_.glideSeconds && !finalGlide) Thermal(here);
        Emit(here, altitude_);
        double sink = plan_.glideSink;
        if (finalGlide) {
          // The fixes still to come after this one; the last of them is on the ground.
          const double fixesLeft = std::ceil((length - done) / plan_.groundSpeed) - 1;
          if (fixesLeft > 0) {
            sink = std::max(sink, (altitude_ - plan_.landingAltitude) / fixesLeft);
          }
        }
        maxSink_ = std::max(maxSink_, sink);
        altitude_ = std::max<double>(plan_.landingAltitude, altitude_ - sink);
        ++glided_;
      }
      from = to;
    }
  }

  void Emit(const RoutePoint& at, double altitude) {
    flight_.fixes.push_back({seconds_++, at.latitude, at.longitude, altitude});
  }

  int Seconds() const { return seconds_; }
  double MaxSink() const { return maxSink_; }

 private:
  void Thermal(const RoutePoint& centre) {
    const double turn = plan_.groundSpeed / kThermalRadius;  // radians a second
    for (int i = 0; i < plan_.thermalSeconds; ++i) {
      const double angle = turn * i;
      Emit(Offset(centre, kThermalRadius * (std::cos(angle) - 1), kThermalRadius * std::sin(angle)),
           altitude_);
      altitude_ += plan_.thermalClimb;
    }
    glided_ = 0;
  }

  const RoutePlan& plan_;
  GeneratedFlight& flight_;
  std::mt19937 random_;
  int seconds_;
  double altitude_ = 0;
  int glided_ = 0;
  double maxSink_ = 0;
};

std::string Angle(double degrees, int degreeDigits, char positive, char negative) {
  const long thousandths = std::lround(std::abs(degrees) * 60000);
  char text[48];
  std::snprintf(text, sizeof text, "%0*ld%05ld%c", degreeDigits, thousandths / 60000,
                thousandths % 60000, degrees < 0 ? negative : positive);
  return text;
}

std::string Altitude(long metres) {
  char text[24];
  if (metres < 0) {
    std::snprintf(text, sizeof text, "-%04ld", -metres);
  } else {
    std::snprintf(text, sizeof text, "%05ld", metres);
  }
  return text;
}

}  // namespace

GeneratedFlight FlyRoute(const RoutePlan& plan) {
  GeneratedFlight flight;
  Flyer flyer(plan, flight);
  flyer.Stand(plan.launch, plan.secondsBefore, plan.launchAltitude, 0);
  // A track cut to the flight starts at its first fix in the air.
  flight.takeoffSeconds = plan.secondsBefore > 0 ? flyer.Seconds() - 1 : flyer.Seconds();
  const std::size_t firstInAir = flight.fixes.size();
  flyer.Fly();
  const std::size_t lastInAir = flight.fixes.size();
  // A track cut at the landing ends at its last fix in the air.
  flight.landingSeconds = plan.secondsAfter > 0 ? flyer.Seconds() : flyer.Seconds() - 1;
  flyer.Stand(plan.route.back(), plan.secondsAfter, plan.landingAltitude, 0.8);

  flight.launchAltitude = plan.launchAltitude;
  flight.landingAltitude = plan.landingAltitude;
  double highest = plan.launchAltitude;
  for (std::size_t i = firstInAir; i < lastInAir; ++i) {
    highest = std::max(highest, flight.fixes[i].altitude);
  }
  flight.maxAltitude = static_cast<int>(std::lround(highest));
  flight.maxLift = plan.thermalClimb;
  flight.maxSink = flyer.MaxSink();
  return flight;
}

std::string WriteIgc(const RoutePlan& plan, const std::vector<GeneratedFix>& fixes,
                     const IgcFileOptions& options) {
  std::string text = "AXXX001 Aloftra test track\r\n";
  char line[128];
  std::snprintf(line, sizeof line,
                options.oldDateForm ? "HFDTE%02d%02d%02d\r\n" : "HFDTEDATE:%02d%02d%02d,01\r\n",
                plan.day, plan.month, plan.year % 100);
  text += line;
  text += "HFPLTPILOTINCHARGE:Renee Roe\r\nHFGTYGLIDERTYPE:Skyline 4\r\nHFGIDGLIDERID:D-1234\r\n";
  if (options.timeZone) text += *options.timeZone + "\r\n";
  if (options.withExtension) text += "I013638FXA\r\n";
  for (std::size_t i = 0; i < fixes.size(); i += std::max(1, options.everyNthFix)) {
    const GeneratedFix& fix = fixes[i];
    const int time = fix.seconds % 86400;
    const long altitude = std::lround(fix.altitude);
    std::snprintf(line, sizeof line, "B%02d%02d%02d", time / 3600, time / 60 % 60, time % 60);
    text += line;
    text += Angle(fix.latitude, 2, 'N', 'S');
    text += Angle(fix.longitude, 3, 'E', 'W');
    text += 'A';
    text += Altitude(options.withPressure ? altitude - options.pressureBelowGnss : 0);
    text += Altitude(options.withGnss ? altitude : 0);
    if (options.withExtension) text += "012";
    text += "\r\n";
  }
  text += "LXXXend of flight\r\nGABCDEF0123456789\r\n";
  return text;
}

double RouteMetres(const RoutePlan& plan, bool backToLaunch) {
  double metres = 0;
  RoutePoint from = plan.launch;
  for (const RoutePoint& to : plan.route) {
    metres += Metres(from, to);
    from = to;
  }
  if (backToLaunch) metres += Metres(from, plan.launch);
  return metres;
}

}  // namespace aloftra
