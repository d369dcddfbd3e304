// Flies a known route and writes it as an IGC track, so the figures derived from the file can
// be checked against the truth they were built from. The pilot stands on launch, runs off,
// glides along straight legs through the turn points, circles in thermals on the way, lands
// at the last point, walks about and folds the wing.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace aloftra {

// A point of the route in degrees, north and east positive.
struct RoutePoint {
  double latitude = 0;
  double longitude = 0;
};

struct RoutePlan {
  int year = 2021;
  int month = 7;
  int day = 15;
  int startSeconds = 10 * 3600;  // UTC time of the first fix; past 86400 runs into the next day
  RoutePoint launch;
  std::vector<RoutePoint> route;  // turn points, then the landing
  int launchAltitude = 1500;
  int landingAltitude = 600;
  int secondsBefore = 600;  // standing on launch
  int secondsAfter = 600;   // walking about and folding the wing
  double groundSpeed = 10;  // m/s in the glides and around the thermals
  double glideSink = 1.2;   // m/s
  double thermalClimb = 2.5;
  int glideSeconds = 300;  // between two thermals
  int thermalSeconds = 150;
  unsigned seed = 1;  // the few metres of jitter while standing
};

struct GeneratedFix {
  int seconds = 0;  // from midnight UTC of the plan's date
  double latitude = 0;
  double longitude = 0;
  double altitude = 0;
};

// What the track is known to be.
struct GeneratedFlight {
  std::vector<GeneratedFix> fixes;
  int takeoffSeconds = 0;  // the last fix standing on launch
  int landingSeconds = 0;  // the first fix standing at the landing
  int launchAltitude = 0;
  int landingAltitude = 0;
  int maxAltitude = 0;
  double maxLift = 0;
  double maxSink = 0;
};

GeneratedFlight FlyRoute(const RoutePlan& plan);

// How the file is written around the fixes.
struct IgcFileOptions {
  bool oldDateForm = false;             // HFDTEddmmyy instead of HFDTEDATE:ddmmyy,01
  std::optional<std::string> timeZone;  // a whole HFTZN line
  bool withPressure = true;             // else the pressure column stays 0, as on a phone
  bool withGnss = true;                 // else the GNSS column stays 0
  int pressureBelowGnss = 20;           // the pressure altitude reads this much lower
  bool withExtension = true;            // an I record and a three-digit accuracy column
  int everyNthFix = 1;                  // a recorder set to a longer interval
};

std::string WriteIgc(const RoutePlan& plan, const std::vector<GeneratedFix>& fixes,
                     const IgcFileOptions& options = {});

// The route's distance in metres through launch and every point, on the sphere the logbook
// measures on.
double RouteMetres(const RoutePlan& plan, bool backToLaunch);

}  // namespace aloftra
