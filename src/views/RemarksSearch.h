// Searching the flights' remarks and finding a flight by its number: the routines behind the
// find and go-to dialogs, with no page in them.
#pragma once

#include <optional>
#include <string_view>

#include "core/Logbook.h"
#include "views/FindSettings.h"

namespace aloftra {

// A piece of a text, counted in characters as a text box counts its selection.
struct TextSpan {
  int start = 0;
  int length = 0;
  bool operator==(const TextSpan&) const = default;
};

// The first place of text inside remarks, or nullopt when it is absent (or empty). Without
// matchCase the letters A-Z compare equal to a-z; every other character compares exactly.
std::optional<TextSpan> FindInText(std::string_view remarks, std::string_view text, bool matchCase);

// Whether the find settings' flags let a search look at this flight: a non-flying entry
// when non-flying entries are searched, a flight when its glider is of a searched type.
bool EntryIsSearched(const Logbook& logbook, const FindSettings& settings,
                     const FlightRecord& flight);

struct RemarksMatch {
  int flightIndex = -1;
  TextSpan selection;
};

// The next flight, in date order from the settings' resume position and wrapping once
// round the logbook, whose remarks hold the search text. When one is found the resume
// position moves past it; when none is, the resume position is where the search started
// (0 when it had gone beyond the last position). Expects a non-empty search text and at
// least one flight.
std::optional<RemarksMatch> FindNextRemark(const Logbook& logbook, FindSettings& settings);

// The flight a go-to jump lands on: scanning the flight slots from the highest down, the
// first flight with this number whose glider is a hang glider (hangGlider true) or is not
// one (false). Non-flying entries carry no flight number and are never landed on. -1 when
// there is none.
int FindFlightByNumber(const Logbook& logbook, double number, bool hangGlider);

// Whether the flight in the highest slot of the flight table is flown on something other
// than a hang glider: the go-to dialog then offers paraglider flights first.
bool LastSlotIsParagliderFlight(const Logbook& logbook);

}  // namespace aloftra
