// The figures of one flight derived from its track: when it took off in local time, how long
// it flew, its altitudes and its best climb and sink. Figures are in metres and m/s; the
// logbook's display units are the importer's business.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/Records.h"
#include "exchange/IgcFlightSpan.h"
#include "exchange/IgcTrack.h"

namespace aloftra {

// The offset of local time from UTC, in hours, at a UTC instant: the computer's time zone
// with its daylight saving, injected so tests do not depend on the machine.
using IgcZoneRule = std::function<double(DateTime utc)>;

struct IgcFigureOptions {
  // Wins over everything: the pilot says which offset the flight was flown in.
  std::optional<double> utcOffsetHours;
  // Used when the file states no time zone; none means UTC.
  IgcZoneRule zoneRule;
};

// Where the local time came from.
enum class IgcOffsetOrigin { overridden, file, computer, none };

// The climb and sink are averaged over this many seconds, so a gust is not a thermal.
inline constexpr int kIgcVarioSeconds = 10;

struct IgcFlightFigures {
  IgcFlightSpan span;
  DateTime takeoffUtc = 0;
  DateTime takeoffLocal = 0;
  DateTime landingLocal = 0;
  double utcOffsetHours = 0;
  IgcOffsetOrigin offsetOrigin = IgcOffsetOrigin::none;
  int airtimeMinutes = 0;
  // Altitudes in metres from the GNSS column, or the pressure column when the file has no
  // GNSS altitude; absent when it has neither.
  std::optional<IgcAltitudeSource> altitudeSource;
  std::optional<int> launchAltitude;
  std::optional<int> landingAltitude;
  std::optional<int> maxAltitude;
  std::optional<int> overLaunch;
  // The best climb and the worst sink in m/s, both as positive numbers.
  std::optional<double> maxLift;
  std::optional<double> maxSink;
};

struct IgcFiguresResult {
  IgcFlightFigures figures;
  std::string message;  // why no figures could be derived; empty when they were
  bool ok() const { return message.empty(); }
};

inline constexpr const char* kIgcNoTakeoffMessage = "no take-off";
inline constexpr const char* kIgcNoDateMessage = "no flight date (HFDTE record)";

IgcFiguresResult DeriveIgcFlightFigures(const IgcTrack& track, const IgcFigureOptions& options);

// The computer's own time zone rule, daylight saving included.
double ComputerUtcOffsetHours(DateTime utc);

}  // namespace aloftra
