// Where the flight is in a track: the fix of the take-off and the fix of the landing. The
// minutes a pilot stands on launch or folds the wing are not airtime, so the flight starts
// only where the track moves, in ground speed or in climb or sink, for a sustained minute,
// and ends where it has stood still for a minute. A track already cut to the flight starts
// at its first fix; a track that ends in the air lands at its last fix. When the recorder
// ran through a landing and a second launch, the first flight is the one found: a logbook
// entry is one flight, and the pilot can cut the file for the second.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "exchange/IgcTrack.h"

namespace aloftra {

// Moving: faster over the ground than this, in m/s, measured over 5 seconds...
inline constexpr double kIgcFlyingGroundSpeed = 4.0;
// ...or climbing or sinking faster than this, in m/s, measured over 30 seconds.
inline constexpr double kIgcFlyingVerticalSpeed = 1.0;
// How long the moving, or the standing still, must last, in seconds.
inline constexpr int kIgcSustainedSeconds = 60;

struct IgcFlightSpan {
  std::size_t takeoff = 0;
  std::size_t landing = 0;
};

// The altitude column a track's figures come from: GNSS when the file has it, else the
// pressure altitude; nullopt when it has neither.
enum class IgcAltitudeSource { gnss, pressure };
std::optional<IgcAltitudeSource> IgcPositionAltitudeSource(const IgcTrack& track);
// The column climb and sink are measured on: pressure when the file has it, else GNSS.
std::optional<IgcAltitudeSource> IgcVarioAltitudeSource(const IgcTrack& track);
// The altitude of one fix in a column (0 when the column is absent).
int IgcAltitude(const IgcFix& fix, std::optional<IgcAltitudeSource> source);

// The first flight of the track, or nullopt when it never leaves the ground.
std::optional<IgcFlightSpan> FindIgcFlight(const IgcTrack& track);

}  // namespace aloftra
