// The single records of an IGC file, each read from one line on its own: the B fix, the
// I record's extension columns and the H header lines. Whatever does not have the record's
// form comes back empty, and the reader counts the line as damaged.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "exchange/IgcTrack.h"

namespace aloftra {

// A B record as written: the time of day in seconds (0-86399), the position, the validity
// letter ('A' a 3D fix, 'V' none) and both altitude columns as numbers.
struct IgcBRecord {
  int secondsOfDay = 0;
  double latitude = 0;
  double longitude = 0;
  bool valid = false;
  int pressureAltitude = 0;
  int gnssAltitude = 0;
};

// The B record of line, or nullopt when the line is damaged: too short for its fixed columns
// or for the extension columns the I record declared, a letter where a digit belongs, a time,
// latitude or longitude out of range, a hemisphere or validity letter that is none, or an
// altitude of 99999 (what some recorders write for no altitude at all).
std::optional<IgcBRecord> ParseIgcBRecord(std::string_view line,
                                          const std::vector<IgcExtension>& extensions);

// The extension columns of an I record; nullopt when the record is damaged (a count that does
// not match its length, columns that overlap the fixed part or run backwards).
std::optional<std::vector<IgcExtension>> ParseIgcIRecord(std::string_view line);

// Applies one H line to header: the date (HFDTEddmmyy or HFDTEDATE:ddmmyy,nn, blanks
// tolerated), pilot, glider type and id, and the time zone (HFTZNTIMEZONE:2, HFTZN:-3.0).
// False when the line is a date or zone record that cannot be read; other H records are
// ignored and count as read.
bool ApplyIgcHeaderLine(std::string_view line, IgcHeader& header);

}  // namespace aloftra
