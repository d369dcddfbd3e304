// A flight recorder's track as read from its IGC file: the header's few facts the logbook
// can use and the position fixes in time order.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace aloftra {

// A calendar date as the file's HFDTE record gives it (UTC).
struct IgcDate {
  int year = 0;
  int month = 0;
  int day = 0;
  bool operator==(const IgcDate&) const = default;
};

// One extension column declared by the I record: a three-letter code and the first and last
// column of the B record (counted from 1, as the file format counts them) that hold it.
struct IgcExtension {
  std::string code;
  int firstColumn = 0;
  int lastColumn = 0;
  bool operator==(const IgcExtension&) const = default;
};

// One position fix. Time counts seconds from midnight UTC of the file's date, so a fix
// after UTC midnight has a time of 86400 or more. Latitude north positive, longitude east
// positive, in degrees. Altitudes in metres; absent when the file does not record them.
struct IgcFix {
  int seconds = 0;
  double latitude = 0;
  double longitude = 0;
  std::optional<int> pressureAltitude;
  std::optional<int> gnssAltitude;
};

struct IgcHeader {
  std::string recorder;  // the A record's manufacturer and serial, as written
  std::optional<IgcDate> date;
  std::string pilot;
  std::string gliderType;
  std::string gliderId;
  // The offset of local time from UTC in hours the recorder was set to, when it states one.
  std::optional<double> utcOffsetHours;
  std::vector<IgcExtension> extensions;
};

struct IgcTrack {
  IgcHeader header;
  std::vector<IgcFix> fixes;
  int damagedLines = 0;  // lines that could not be read and were left out
  int skippedFixes = 0;  // fixes without a valid position, or repeating or going back in time
  bool hasPressureAltitude = false;
  bool hasGnssAltitude = false;
};

}  // namespace aloftra
