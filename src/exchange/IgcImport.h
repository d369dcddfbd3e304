// A track's derived figures as a flight typed into the flight page: the date, time and
// airtime as the boxes accept them, the altitudes, climb, sink and distance in the logbook's
// display units, the route found in the track, the glider and site chosen, and a remark
// naming the file. Also the rules around it: which glider a file's glider type stands for,
// when a track is a flight already in the logbook, the UTC offset as the pilot types it and
// the summary of a batch.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Logbook.h"
#include "exchange/IgcCrossCountry.h"
#include "exchange/IgcFlightFigures.h"
#include "pagekit/FlightEntryText.h"

namespace aloftra {

// A take-off this close to a stored flight's, on the same day, is that flight.
inline constexpr int kIgcDuplicateMinutes = 2;

// Where the entry's names come from and what its remark says.
struct IgcEntryNames {
  std::string glider;
  std::string site;
  std::string fileName;  // the file's name without its folder
};

FlightEntryText IgcFlightEntry(const IgcFlightFigures& figures, const IgcCrossCountry& route,
                               const IgcEntryNames& names, const UnitFlags& units);

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
