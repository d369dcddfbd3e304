#include "exchange/IgcFlightSpan.h"

#include <cmath>

namespace aloftra {

namespace {

constexpr int kGroundSpeedSeconds = 5;
constexpr int kVerticalSpeedSeconds = 30;
constexpr double kMetresPerDegree = 6366707.0 * 3.14159265358979 / 180;

// The ground distance in metres between two nearby fixes (a flat earth over a few hundred
// metres is exact enough for a speed).
double NearbyMetres(const IgcFix& a, const IgcFix& b) {
  double north = (b.latitude - a.latitude) * kMetresPerDegree;
  double east = (b.longitude - a.longitude) * kMetresPerDegree *
                std::cos((a.latitude + b.latitude) / 2 * 3.14159265358979 / 180);
  return std::hypot(north, east);
}

// For every fix, whether the track moves over the seconds that follow it.
std::vector<bool> MovingFixes(const IgcTrack& track) {
  const std::vector<IgcFix>& fixes = track.fixes;
  const std::optional<IgcAltitudeSource> vario = IgcVarioAltitudeSource(track);
  std::vector<bool> moving(fixes.size(), false);
  std::size_t ground = 0;
  std::size_t vertical = 0;
  for (std::size_t i = 0; i < fixes.size(); ++i) {
    if (ground < i) ground = i;
    if (vertical < i) vertical = i;
    while (ground + 1 < fixes.size() &&
           fixes[ground].seconds < fixes[i].seconds + kGroundSpeedSeconds) {
      ++ground;
    }
    while (vertical + 1 < fixes.size() &&
           fixes[vertical].seconds < fixes[i].seconds + kVerticalSpeedSeconds) {
      ++vertical;
    }
    if (ground == i) break;  // the last fix: nothing follows to measure against
    double speed =
        NearbyMetres(fixes[i], fixes[ground]) / (fixes[ground].seconds - fixes[i].seconds);
    double climb = 0;
    if (vario) {
      climb = double(IgcAltitude(fixes[vertical], vario) - IgcAltitude(fixes[i], vario)) /
              (fixes[vertical].seconds - fixes[i].seconds);
    }
    moving[i] = speed > kIgcFlyingGroundSpeed || std::abs(climb) > kIgcFlyingVerticalSpeed;
  }
  // The last fix moves as the one before it did.
  if (fixes.size() > 1) moving.back() = moving[fixes.size() - 2];
  return moving;
}

// Whether every fix from `from` over the next sustained minute has the state `state`.
bool Sustained(const std::vector<IgcFix>& fixes, const std::vector<bool>& moving, std::size_t from,
               bool state) {
  for (std::size_t k = from;
       k < fixes.size() && fixes[k].seconds <= fixes[from].seconds + kIgcSustainedSeconds; ++k) {
    if (moving[k] != state) return false;
  }
  return true;
}

}  // namespace

std::optional<IgcAltitudeSource> IgcPositionAltitudeSource(const IgcTrack& track) {
  if (track.hasGnssAltitude) return IgcAltitudeSource::gnss;
  if (track.hasPressureAltitude) return IgcAltitudeSource::pressure;
  return std::nullopt;
}

std::optional<IgcAltitudeSource> IgcVarioAltitudeSource(const IgcTrack& track) {
  if (track.hasPressureAltitude) return IgcAltitudeSource::pressure;
  if (track.hasGnssAltitude) return IgcAltitudeSource::gnss;
  return std::nullopt;
}

int IgcAltitude(const IgcFix& fix, std::optional<IgcAltitudeSource> source) {
  if (!source) return 0;
  const std::optional<int>& column =
      *source == IgcAltitudeSource::gnss ? fix.gnssAltitude : fix.pressureAltitude;
  return column.value_or(0);
}

std::optional<IgcFlightSpan> FindIgcFlight(const IgcTrack& track) {
  const std::vector<IgcFix>& fixes = track.fixes;
  if (fixes.size() < 2) return std::nullopt;
  const std::vector<bool> moving = MovingFixes(track);
  std::size_t takeoff = 0;
  while (takeoff < fixes.size() && !(moving[takeoff] && Sustained(fixes, moving, takeoff, true))) {
    ++takeoff;
  }
  if (takeoff == fixes.size()) return std::nullopt;
  std::size_t landing = takeoff + 1;
  while (landing < fixes.size() &&
         !(!moving[landing] && Sustained(fixes, moving, landing, false))) {
    ++landing;
  }
  if (landing == fixes.size()) landing = fixes.size() - 1;
  return IgcFlightSpan{takeoff, landing};
}

}  // namespace aloftra
