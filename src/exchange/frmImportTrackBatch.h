// A batch of track files typed into the flight page one flight each: every file is read, its
// flight found and checked against the logbook's flights, and the entry goes through the
// page's own Enter. A file that cannot be read, holds no flight or is refused by the page is
// named with its reason; a track already in the logbook is skipped and counted.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "exchange/IgcCrossCountry.h"
#include "exchange/IgcFlightFigures.h"
#include "exchange/IgcImport.h"
#include "pagekit/FlightEntryText.h"

namespace aloftra {

class PageHost;

// Where the entry's names come from and what its remark says.
struct IgcEntryNames {
  std::string glider;
  std::string site;
  std::string fileName;  // the file's name without its folder
};

// A track's derived figures as a flight typed into the flight page: the date, time and
// airtime as the boxes accept them, the figures in the logbook's display units, the route
// found in the track, the glider and site chosen, and a remark naming the file.
FlightEntryText IgcFlightEntry(const IgcFlightFigures& figures, const IgcCrossCountry& route,
                               const IgcEntryNames& names, const UnitFlags& units);

struct IgcImportSettings {
  std::string site;    // the site of every flight
  std::string glider;  // the glider of a file whose glider type names none of the logbook's
  std::optional<double> utcOffsetHours;  // none: the file's zone, else zoneRule
  IgcZoneRule zoneRule;
};

// The defaults of a batch: the site and glider of the flight the flight page shows (else the
// first live site and glider), the file's zone, else the computer's.
IgcImportSettings DefaultIgcImportSettings(const Logbook& book);

// progress(done, total) runs before each file.
IgcImportTally ImportIgcFiles(PageHost& host, const std::vector<std::string>& paths,
                              const IgcImportSettings& settings,
                              const std::function<void(int, int)>& progress = {});

// The whole batch as the pilot sees it: the flight page shown, the progress in progressText,
// and the summary message at the end.
IgcImportTally ImportIgcFilesWithSummary(
    PageHost& host, const std::vector<std::string>& paths, const IgcImportSettings& settings,
    const std::function<void(const std::string&)>& progressText);

}  // namespace aloftra
