#include "exchange/IgcFlightFigures.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "core/DateTime.h"

namespace aloftra {

namespace {

constexpr double kSecondsPerDay = 86400;
// A vario reading spans at most this long: across a gap in the track it would be no average.
constexpr int kVarioLongestSpan = 2 * kIgcVarioSeconds;

void Altitudes(const IgcTrack& track, IgcFlightFigures& figures) {
  figures.altitudeSource = IgcPositionAltitudeSource(track);
  if (!figures.altitudeSource) return;
  const IgcFlightSpan& span = figures.span;
  int highest = IgcAltitude(track.fixes[span.takeoff], figures.altitudeSource);
  for (std::size_t i = span.takeoff; i <= span.landing; ++i) {
    highest = std::max(highest, IgcAltitude(track.fixes[i], figures.altitudeSource));
  }
  figures.launchAltitude = IgcAltitude(track.fixes[span.takeoff], figures.altitudeSource);
  figures.landingAltitude = IgcAltitude(track.fixes[span.landing], figures.altitudeSource);
  figures.maxAltitude = highest;
  figures.overLaunch = highest - *figures.launchAltitude;
}

void ClimbAndSink(const IgcTrack& track, IgcFlightFigures& figures) {
  const std::optional<IgcAltitudeSource> source = IgcVarioAltitudeSource(track);
  if (!source) return;
  const std::vector<IgcFix>& fixes = track.fixes;
  double lift = 0;
  double sink = 0;
  std::size_t ahead = figures.span.takeoff;
  for (std::size_t i = figures.span.takeoff; i < figures.span.landing; ++i) {
    if (ahead <= i) ahead = i + 1;
    while (ahead < figures.span.landing &&
           fixes[ahead].seconds < fixes[i].seconds + kIgcVarioSeconds) {
      ++ahead;
    }
    int span = fixes[ahead].seconds - fixes[i].seconds;
    if (span < kIgcVarioSeconds || span > kVarioLongestSpan) continue;
    double rate = double(IgcAltitude(fixes[ahead], source) - IgcAltitude(fixes[i], source)) / span;
    lift = std::max(lift, rate);
    sink = std::max(sink, -rate);
  }
  figures.maxLift = lift;
  figures.maxSink = sink;
}

void LocalTimes(const IgcTrack& track, const IgcFigureOptions& options, DateTime date,
                IgcFlightFigures& figures) {
  const IgcFix& takeoff = track.fixes[figures.span.takeoff];
  const IgcFix& landing = track.fixes[figures.span.landing];
  figures.takeoffUtc = date + takeoff.seconds / kSecondsPerDay;
  if (options.utcOffsetHours) {
    figures.utcOffsetHours = *options.utcOffsetHours;
    figures.offsetOrigin = IgcOffsetOrigin::overridden;
  } else if (track.header.utcOffsetHours) {
    figures.utcOffsetHours = *track.header.utcOffsetHours;
    figures.offsetOrigin = IgcOffsetOrigin::file;
  } else if (options.zoneRule) {
    figures.utcOffsetHours = options.zoneRule(figures.takeoffUtc);
    figures.offsetOrigin = IgcOffsetOrigin::computer;
  }
  const double offsetDays = figures.utcOffsetHours / 24;
  figures.takeoffLocal = figures.takeoffUtc + offsetDays;
  figures.landingLocal = date + landing.seconds / kSecondsPerDay + offsetDays;
}

}  // namespace

IgcFiguresResult DeriveIgcFlightFigures(const IgcTrack& track, const IgcFigureOptions& options) {
  IgcFiguresResult result;
  if (!track.header.date) {
    result.message = kIgcNoDateMessage;
    return result;
  }
  std::optional<IgcFlightSpan> span = FindIgcFlight(track);
  if (!span) {
    result.message = kIgcNoTakeoffMessage;
    return result;
  }
  IgcFlightFigures& figures = result.figures;
  figures.span = *span;
  const IgcDate& date = *track.header.date;
  if (!IsValidCivilDate(date.year, date.month, date.day)) {
    result.message = kIgcNoDateMessage;
    return result;
  }
  LocalTimes(track, options, MakeDateTime(date.year, date.month, date.day), figures);
  const int seconds = track.fixes[span->landing].seconds - track.fixes[span->takeoff].seconds;
  figures.airtimeMinutes = static_cast<int>(std::lround(seconds / 60.0));
  Altitudes(track, figures);
  ClimbAndSink(track, figures);
  return result;
}

double ComputerUtcOffsetHours(DateTime utc) {
  CivilDateTime parts = SplitDateTime(utc);
  std::tm broken{};
  broken.tm_year = parts.year - 1900;
  broken.tm_mon = parts.month - 1;
  broken.tm_mday = parts.day;
  broken.tm_hour = parts.hour;
  broken.tm_min = parts.minute;
  broken.tm_sec = parts.second;
  std::time_t instant = timegm(&broken);
  std::tm local{};
  if (localtime_r(&instant, &local) == nullptr) return 0;
  return static_cast<double>(local.tm_gmtoff) / 3600.0;
}

}  // namespace aloftra
