#include "print/SiteReport.h"

#include <algorithm>

#include "print/BestFlightLines.h"
#include "print/ReportUnits.h"
#include "print/SiteWindRose.h"
#include "print/TableCells.h"
#include "print/WordWrap.h"
#include "units/DisplayText.h"

namespace aloftra {

namespace {

constexpr double kBasePoints = 9;
constexpr double kNamePoints = 20;
constexpr double kRoseFraction = 0.07;
// Where the parts of the site block start, as fractions of the width.
constexpr double kNameEnd = 0.45;
constexpr double kLocationStart = 0.47;
constexpr double kLocationEnd = 0.78;
constexpr double kLaunchColumn = 0.0;
constexpr double kLandingColumn = 0.16;
constexpr double kAltitudeColumnsEnd = 0.32;

const char* const kLevels[kDifficultyLevels] = {"Beginner", "Novice", "Intermediate", "Advanced"};

struct SiteBlock {
  double nameHeight = 0;
  std::vector<std::string> locationLines;
  double lineHeight = 0;
  double radius = 0;
  double letterHeight = 0;
  double height = 0;
};

SiteBlock MeasureBlock(PrtCmds& prt, const SiteRecord& site) {
  const PageLayout& layout = prt.Layout();
  SiteBlock block;
  prt.SetBold(true);
  prt.LeftCellText(0, (kNameEnd - 0.01) * layout.Width(), site.SITE_NAME, kNamePoints);
  block.nameHeight = prt.TextHeight();
  prt.SetBold(false);
  prt.SetFontSize(kBasePoints);
  block.lineHeight = prt.TextHeight();
  block.letterHeight = block.lineHeight;
  block.locationLines = SplitLines(
      prt.WordWrap(kLocationStart * layout.Width(), kLocationEnd * layout.Width(), site.LOCATION));
  block.radius = kRoseFraction * layout.Width();
  double left = block.nameHeight + 3.5 * block.lineHeight;
  double middle = static_cast<double>(block.locationLines.size()) * block.lineHeight;
  double rose = 2 * block.radius + 2 * block.letterHeight;
  block.height = std::max({left, middle, rose}) + 0.5 * block.lineHeight;
  return block;
}

void PrintSiteStatistics(PrtCmds& prt, const Logbook& book, const SiteRecord& site) {
  const PageLayout& layout = prt.Layout();
  prt.SetFontSize(kBasePoints);
  double h = prt.TextHeight();
  double g = 0.15 * h;
  prt.BreakPageFor(5 * h + 18 * g, kSiteListTitle);
  prt.CurrentY += g;
  prt.SetBold(true);
  prt.PrintAt(layout.LeftMargin, prt.CurrentY, "Site Stats:");
  prt.SetBold(false);
  prt.CurrentY += h + g;
  double top = prt.CurrentY;
  double x = layout.LeftMargin + prt.TextWidth("A");
  PrintLabelledLines(prt, BestFlightLines(book, site.best), x,
                     x + prt.TextWidth("Highest Over Launch (May 29, 2000): "));
  double leftBottom = prt.CurrentY;
  prt.CurrentY = top;
  double rightX = layout.LeftMargin + 0.62 * layout.Width();
  PrintLabelledLines(prt,
                     {{"Flying Days:", FormatCount(site.FLYING_DAYS)},
                      {"Flights:", FormatCount(site.FLIGHTS)},
                      {"Average Airtime:", FormatAirtime(site.AVG_AIRTIME)},
                      {"Total Airtime:", FormatAirtime(site.TOTAL_AIRTIME)}},
                     rightX, rightX + prt.TextWidth("Average Airtime: AA"));
  prt.CurrentY = std::max(prt.CurrentY, leftBottom) + g;
}

}  // namespace

std::string DifficultyRangeText(const SiteRecord& site) {
  int lowest = -1;
  int highest = -1;
  for (int level = 0; level < kDifficultyLevels; ++level) {
    if (site.DIFFICULTY[static_cast<std::size_t>(level)] == 0) continue;
    if (lowest < 0) lowest = level;
    highest = level;
  }
  if (lowest < 0) return "";
  std::string text = kLevels[lowest];
  if (highest > lowest) text += std::string(" - ") + kLevels[highest];
  return text;
}

void PrintSiteEntry(PrtCmds& prt, const Logbook& book, const SiteRecord& site, bool withStats) {
  const PageLayout& layout = prt.Layout();
  SiteBlock block = MeasureBlock(prt, site);
  prt.BreakPageFor(block.height, kSiteListTitle);
  double top = prt.CurrentY;
  double width = layout.Width();
  auto at = [&](double fraction) { return layout.LeftMargin + fraction * width; };

  prt.SetBold(true);
  prt.LeftCellText(at(0), at(kNameEnd - 0.01), site.SITE_NAME, kNamePoints);
  prt.PrintAt(at(0), top, site.SITE_NAME);
  prt.SetBold(false);
  prt.SetFontSize(kBasePoints);
  double h = block.lineHeight;
  for (std::size_t line = 0; line < block.locationLines.size(); ++line)
    prt.PrintAt(at(kLocationStart), top + static_cast<double>(line) * h, block.locationLines[line]);

  double row = top + block.nameHeight + 0.25 * h;
  ReportTable altitudes =
      MakeTable(prt, row, h, 0, {kLaunchColumn, kLandingColumn, kAltitudeColumnsEnd});
  CenteredCell(prt, altitudes, 0, 0, 1, "Launch MSL", kBasePoints);
  CenteredCell(prt, altitudes, 0, 1, 2, "Landing MSL", kBasePoints);
  CenteredCell(prt, altitudes, 1, 0, 1, WithUnit(book, site.LAUNCH_MSL, UnitKind::kAltitude, true),
               kBasePoints);
  CenteredCell(prt, altitudes, 1, 1, 2, WithUnit(book, site.LANDING_MSL, UnitKind::kAltitude, true),
               kBasePoints);
  prt.SetFontSize(kBasePoints);
  prt.PrintAt(at(0), row + 2.25 * h, "Difficulty: " + DifficultyRangeText(site));

  double centreX = layout.RightEdge - block.radius - prt.TextWidth("W ");
  PrintSiteWindRose(prt, centreX, top + block.letterHeight + block.radius, block.radius,
                    site.WIND_FLAGS);
  prt.CurrentY = top + block.height;

  if (!site.DESCRIPTION.empty()) {
    prt.SetBold(true);
    prt.PrintAt(layout.LeftMargin, prt.CurrentY, "Site Description / Notes:");
    prt.SetBold(false);
    prt.CurrentY += h;
    prt.Line(layout.LeftMargin, prt.CurrentY, layout.RightEdge, prt.CurrentY, layout.ThickLine);
    PrintFramedText(prt, site.DESCRIPTION, kSiteListTitle, 0.15 * h);
  }
  if (withStats && site.FLIGHTS > 0) PrintSiteStatistics(prt, book, site);
  prt.CurrentY += 0.5 * h;
  prt.Line(layout.LeftMargin, prt.CurrentY, layout.RightEdge, prt.CurrentY, layout.ThinLine);
  prt.CurrentY += 0.5 * h;
}

}  // namespace aloftra
