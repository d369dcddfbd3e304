// The rules around importing track files: the texts of a track's figures in the logbook's
// display units, which glider a file's glider type stands for, when a track is a flight
// already in the logbook, the UTC offset as the pilot types it and the summary of a batch.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Logbook.h"
#include "exchange/IgcCrossCountry.h"
#include "exchange/IgcFlightFigures.h"

namespace aloftra {

// A take-off this close to a stored flight's, on the same day, is that flight.
inline constexpr int kIgcDuplicateMinutes = 2;

// A figure as the flight page's box for it shows it: altitudes from metres, climb and sink
// from m/s (as positive numbers), distance from miles; empty for an absent figure.
std::string IgcAltitudeText(const std::optional<int>& metres, const UnitFlags& units);
std::string IgcClimbRateText(const std::optional<double>& metresPerSecond, const UnitFlags& units);
std::string IgcDistanceText(double miles, const UnitFlags& units);

// "From track file alps-triangle.igc".
std::string IgcRemark(const std::string& fileName);

// The live glider named like the file's glider type (letter case ignored, a double quote read
// as an apostrophe), else fallback.
std::string MatchIgcGlider(const std::string& gliderType, const RecordTable<GliderRecord>& gliders,
                           const std::string& fallback);

// True when a live flight (not a non-flying entry) took off on the same day within
// kIgcDuplicateMinutes of takeoffLocal.
bool HasFlightAt(const RecordTable<FlightRecord>& flights, DateTime takeoffLocal);

// A UTC offset as typed: "+hh:mm", "-hh:mm", "hh:mm" or plain hours ("2", "-3.5", "+5");
// nullopt when it is none of these or lies outside -14 to +14 hours.
std::optional<double> ParseUtcOffset(std::string_view text);

struct IgcRefusal {
  std::string fileName;
  std::string reason;
};

struct IgcImportTally {
  int added = 0;
  int duplicates = 0;
  std::vector<IgcRefusal> refused;
};

// The one message at the end of a batch: "3 flights added, 1 duplicate skipped, 1 file
// refused:" followed by a line for each refused file with its reason.
std::string IgcImportSummary(const IgcImportTally& tally);

// "Importing track 3 of 40...".
std::string IgcImportProgressText(int done, int total);

}  // namespace aloftra
