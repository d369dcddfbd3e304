#include "views/RemarksSearch.h"

#include <algorithm>

#include "core/Ascii.h"

namespace aloftra {

namespace {

// Characters as a text box counts them: every byte that does not continue a UTF-8 sequence.
int CharacterCount(std::string_view text) {
  return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

bool IsHangGliderFlight(const Logbook& logbook, const FlightRecord& flight) {
  const GliderRecord* glider = logbook.gliders.Live(flight.GLIDER_INDEX);
  return glider != nullptr && glider->HANG_GLIDER != 0;
}

}  // namespace

std::optional<TextSpan> FindInText(std::string_view remarks, std::string_view text,
                                   bool matchCase) {
  if (text.empty() || text.size() > remarks.size()) return std::nullopt;
  std::string_view::const_iterator found;
  if (matchCase) {
    found = std::search(remarks.begin(), remarks.end(), text.begin(), text.end());
  } else {
    found = std::search(remarks.begin(), remarks.end(), text.begin(), text.end(),
                        [](char a, char b) { return ToLower(a) == ToLower(b); });
  }
  if (found == remarks.end()) return std::nullopt;
  std::string_view before = remarks.substr(0, static_cast<std::size_t>(found - remarks.begin()));
  return TextSpan{CharacterCount(before), CharacterCount(text)};
}

bool EntryIsSearched(const Logbook& logbook, const FindSettings& settings,
                     const FlightRecord& flight) {
  const auto& flags = settings.SearchFlags;
  if (flight.IsNonFlying()) return flags[kFindNonFlying] != 0;
  const GliderRecord* glider = logbook.gliders.Live(flight.GLIDER_INDEX);
  if (glider == nullptr) return false;
  return (glider->HANG_GLIDER != 0 && flags[kFindHangGlider] != 0) ||
         (glider->PARAGLIDER != 0 && flags[kFindParaglider] != 0);
}

std::optional<RemarksMatch> FindNextRemark(const Logbook& logbook, FindSettings& settings) {
  const int last = logbook.LastPosition();
  if (last < 0 || settings.SearchString.empty()) return std::nullopt;
  if (settings.ResumePosition < 0 || settings.ResumePosition > last) settings.ResumePosition = 0;
  const bool matchCase = settings.SearchFlags[kFindMatchCase] != 0;
  const int start = settings.ResumePosition;
  int position = start;
  do {
    const int flightIndex = logbook.order.At(position, kSortDate);
    const FlightRecord* flight = logbook.flights.Live(flightIndex);
    if (flight != nullptr && EntryIsSearched(logbook, settings, *flight)) {
      if (std::optional<TextSpan> span =
              FindInText(flight->REMARKS, settings.SearchString, matchCase)) {
        settings.ResumePosition = static_cast<std::int16_t>(position + 1);
        return RemarksMatch{flightIndex, *span};
      }
    }
    position = position == last ? 0 : position + 1;
  } while (position != start);
  return std::nullopt;
}

int FindFlightByNumber(const Logbook& logbook, double number, bool hangGlider) {
  for (int index = logbook.flights.LastIndex(); index >= 0; --index) {
    const FlightRecord* flight = logbook.flights.Live(index);
    if (flight == nullptr || flight->IsNonFlying()) continue;
    if (IsHangGliderFlight(logbook, *flight) != hangGlider) continue;
    if (flight->FLIGHT_NO == number) return index;
  }
  return -1;
}

bool LastSlotIsParagliderFlight(const Logbook& logbook) {
  const FlightRecord* flight = logbook.flights.Live(logbook.flights.LastIndex());
  return flight != nullptr && !IsHangGliderFlight(logbook, *flight);
}

}  // namespace aloftra
