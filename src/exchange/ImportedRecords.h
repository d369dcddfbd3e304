// The records an import file holds, read from their items but not yet typed into a page.
// Measured values are numbers in the units the pilot has chosen, as the pages' boxes show them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "exchange/DelimitedRecordReader.h"

namespace aloftra {

// The two layouts of a flights file: the import's own 17 items with no column-name line, and
// the program's 25-column flights export, recognised by its column-name line.
enum class FlightFileLayout { kImportItems, kFlightsExport };

struct ImportedFlight {
  std::string date;
  std::string time;
  std::string airtime;  // as typed into the airtime box ("1:30" or minutes)
  std::string site;
  std::string glider;
  std::string gliderType;
  std::int32_t windMask = 0;  // bit i: wind direction i
  float baseWind = 0;
  float peakWind = 0;
  float maxLift = 0;
  float maxSink = 0;
  std::int16_t turbulence = 0;
  float launch = 0;
  float landing = 0;
  float maxMsl = 0;
  float distance = 0;
  std::string remarks;

  // Carried by the flights export only.
  bool fullDetails = false;
  std::int16_t flightNo = 0;  // the number the flight had in its logbook; 0 for none
  bool nonFlying = false;
  bool highlight = false;
  bool tandem = false;
  float overLaunch = 0;
  std::int16_t xcType = -1;  // -1 none, 0 straight line, 1 out-and-return, 2 triangle
  std::string gpsCoords;
};

struct ImportedSite {
  std::string name;
  std::string location;
  float launch = 0;
  float landing = 0;
  std::int16_t difficultyMask = 0;  // bit 0 Beginner .. bit 3 Advanced
  std::int32_t windMask = 0;
  std::string description;
  std::string url;
};

// The column-name lines a sites file may start with: the current one ending with URL, and the
// earlier one without it.
enum class SiteListVersion { kUnknown, kWithoutUrl, kCurrent };

// Whether a record is the flights export's column-name line.
bool IsFlightsExportHeader(const std::vector<DelimitedItem>& items);
// Which column-name line a sites file's first record is: each name in double quotes,
// separated by commas with no blanks, in their one order.
SiteListVersion SiteListVersionOf(const std::vector<DelimitedItem>& items);

// Read one record of a file; false (with the reason in problem) when an item does not read as
// its type or the count of items is wrong, and then `out` is left as it was.
bool ReadImportedFlight(const std::vector<DelimitedItem>& items, FlightFileLayout layout,
                        ImportedFlight& out, std::string& problem);
bool ReadImportedSite(const std::vector<DelimitedItem>& items, SiteListVersion version,
                      ImportedSite& out, std::string& problem);

}  // namespace aloftra
