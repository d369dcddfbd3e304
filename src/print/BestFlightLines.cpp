#include "print/BestFlightLines.h"

#include "core/DateTime.h"
#include "units/BestFlightTexts.h"
#include "units/DisplayText.h"
#include "units/UnitChoice.h"

namespace aloftra {

std::vector<LabelledValue> BestFlightLines(const Logbook& book, const BestFlights& best) {
  BestFlightTexts texts = BestFlightTextsOf(book, best);
  auto dated = [&](const char* label, std::int16_t slot) {
    return std::string(label) + " (" + FormatLongDate(book.flights.Live(slot)->DATE) + "):";
  };
  auto unit = [&](UnitKind kind) { return " " + UnitCaption(kind, book.UNIT_FLAGS); };
  std::vector<LabelledValue> lines;
  if (texts.longestMinutes)
    lines.push_back(
        {dated("Longest Flight", best.LONGEST_FLIGHT), FormatAirtime(*texts.longestMinutes)});
  if (!texts.highest.empty())
    lines.push_back({dated("Highest Flight MSL", best.HIGHEST_FLIGHT),
                     texts.highest + unit(UnitKind::kAltitude)});
  if (!texts.overLaunch.empty())
    lines.push_back({dated("Highest Over Launch", best.OVER_LAUNCH_FLIGHT),
                     texts.overLaunch + unit(UnitKind::kAltitude)});
  if (!texts.distance.empty())
    lines.push_back({dated("Greatest Distance", best.DISTANCE_FLIGHT),
                     texts.distance + unit(UnitKind::kDistance)});
  return lines;
}

void PrintLabelledLines(PrtCmds& prt, const std::vector<LabelledValue>& lines, double x,
                        double valueX) {
  for (const LabelledValue& line : lines) {
    prt.PrintAt(x, prt.CurrentY, line.label);
    prt.PrintAt(valueX, prt.CurrentY, line.value);
    prt.CurrentY += prt.TextHeight();
  }
}

}  // namespace aloftra
