#include "print/SummaryReport.h"

#include <algorithm>
#include <vector>

#include "core/DateTime.h"
#include "print/BestFlightLines.h"
#include "stats/AwardRules.h"
#include "units/DisplayText.h"

namespace aloftra {

namespace {

constexpr double kBasePoints = 10;
constexpr double kTitlePoints = 11;
constexpr double kHeadingPoints = 14;

const char* const kSafePilot[kSafePilotBoxes] = {
    "Safe Pilot Award - Bronze (100 Safe Flights)",
    "Safe Pilot Award - Silver (300 Safe Flights)",
    "Safe Pilot Award - Gold(500 Safe Flights)",
    "Safe Pilot Award - 1st Diamond (1,000 Safe Flights)",
    "Safe Pilot Award - 2nd Diamond (2,000 Safe Flights)",
    "Safe Pilot Award - 3rd Diamond (3,000 Safe Flights)",
    "Safe Pilot Award - 4th Diamond (4,000 Safe Flights)"};

bool Held(const PilotInfo& pilot, WingType wing, int box) {
  return pilot.AWARD_FLAGS[static_cast<std::size_t>(wing * kAwardBlockSize + box)] != 0;
}

long Sum(std::initializer_list<long> values) {
  long total = 0;
  for (long value : values)
    total += value;
  return total;
}

void PrintPilotBlock(PrtCmds& prt, const PilotInfo& pilot) {
  const PageLayout& layout = prt.Layout();
  double valueX = layout.LeftMargin + prt.TextWidth("AAAUSHGA Region:");
  std::string region = pilot.REGION == 0 ? "" : std::to_string(pilot.REGION);
  PrintLabelledLines(prt,
                     {{"Pilot Name:", pilot.PILOT_NAME},
                      {"USHGA No:", pilot.MEMBER_NO},
                      {"USHGA Region:", region},
                      {"Email:", pilot.EMAIL},
                      {"Phone No:", pilot.PHONE_NO}},
                     layout.LeftMargin, valueX);
}

std::vector<std::string> AwardLines(const PilotInfo& pilot, WingType wing) {
  std::vector<std::string> lines;
  std::string lilienthal = LilienthalText(pilot, wing);
  if (!lilienthal.empty()) lines.push_back(lilienthal);
  std::string crossCountry = CrossCountryAwardText(pilot, wing);
  if (!crossCountry.empty()) lines.push_back(crossCountry);
  for (int award = 0; award < kSafePilotBoxes; ++award) {
    if (Held(pilot, wing, kFirstSafePilot + award)) lines.push_back(kSafePilot[award]);
  }
  return lines;
}

// The table of days, flights and airtime: a count is shown only when at least 1.
void PrintTotalsTable(PrtCmds& prt, const PilotTotals& totals, double x) {
  prt.SetFontSize(kBasePoints);
  double h = prt.TextHeight();
  double labelWidth = prt.TextWidth("Flights:AA");
  double column = prt.TextWidth("99999999");
  auto count = [](long value) { return value >= 1 ? FormatCount(value) : std::string(); };
  auto airtime = [](long value) { return value >= 1 ? FormatAirtime(value) : std::string(); };
  std::vector<std::vector<std::string>> rows = {
      {"", "Previous", "Solo", "Tandem", "Total"},
      {"Days:", count(totals.DAYS_PREV), count(totals.DAYS_SOLO), count(totals.DAYS_TANDEM),
       count(Sum({totals.DAYS_PREV, totals.DAYS_TOTAL}))},
      {"Flights:", count(totals.FLIGHTS_PREV), count(totals.FLIGHTS_SOLO),
       count(totals.FLIGHTS_TANDEM),
       count(Sum({totals.FLIGHTS_PREV, totals.FLIGHTS_SOLO, totals.FLIGHTS_TANDEM}))},
      {"Airtime:", airtime(totals.AIRTIME_PREV), airtime(totals.AIRTIME_SOLO),
       airtime(totals.AIRTIME_TANDEM),
       airtime(Sum({totals.AIRTIME_PREV, totals.AIRTIME_SOLO, totals.AIRTIME_TANDEM}))}};
  for (const std::vector<std::string>& row : rows) {
    prt.SetFontSize(kBasePoints);
    prt.PrintAt(x, prt.CurrentY, row[0]);
    for (std::size_t cell = 1; cell < row.size(); ++cell) {
      double left = x + labelWidth + static_cast<double>(cell - 1) * column;
      prt.CellText(left, left + column, row[cell], kBasePoints);
      prt.PrintAt(prt.CurrentX, prt.CurrentY, row[cell]);
    }
    prt.CurrentY += h;
  }
}

void PrintWingSection(PrtCmds& prt, const Logbook& book, WingType wing) {
  const PageLayout& layout = prt.Layout();
  const PilotTotals& totals = book.totals[wing];
  const char* heading = wing == kHangGliding ? "Hang Glider" : "Paraglider";
  prt.SetFontSize(kBasePoints);
  double h = prt.TextHeight();
  std::vector<std::string> awards = AwardLines(book.pilot, wing);
  std::vector<LabelledValue> records = BestFlightLines(book, totals.best);
  double needed = (4 + static_cast<double>(awards.size() + records.size()) + 5) * h;
  prt.BreakPageFor(needed, "");

  prt.CurrentY += h;
  prt.SetFontSize(kHeadingPoints);
  prt.SetBold(true);
  double x = layout.LeftMargin + prt.TextWidth(std::string(heading) + "X");
  prt.PrintAt(layout.LeftMargin, prt.CurrentY, heading);
  double headingHeight = prt.TextHeight();
  prt.SetBold(false);
  prt.SetFontSize(kBasePoints);
  prt.CurrentY += (headingHeight - h);

  double labelX = x + prt.TextWidth("USHGA Ratings: ");
  prt.PrintAt(x, prt.CurrentY, "USHGA Ratings:");
  prt.PrintAt(labelX, prt.CurrentY, RatingsText(book.pilot, wing));
  prt.CurrentY += h;
  prt.PrintAt(x, prt.CurrentY, "USHGA Awards:");
  if (awards.empty()) prt.CurrentY += h;
  for (const std::string& award : awards) {
    prt.PrintAt(labelX, prt.CurrentY, award);
    prt.CurrentY += h;
  }
  prt.CurrentY += 0.5 * h;
  PrintLabelledLines(prt, records, x, x + prt.TextWidth("Highest Over Launch (May 29, 2000): "));
  prt.CurrentY += 0.5 * h;
  PrintTotalsTable(prt, totals, x);
}

}  // namespace

std::string RatingsText(const PilotInfo& pilot, WingType wing) {
  static const char* const kLevels[] = {"1 - Beginner", "2 - Novice", "3 - Intermediate",
                                        "4 - Advanced", "5 - Master"};
  static const char* const kOthers[] = {"Tandem I", "Tandem II", "Basic Instructor",
                                        "Advanced Instructor", "Tandem Instructor"};
  std::string text;
  const char* letter = wing == kHangGliding ? "H" : "P";
  for (int level = kLevel1; level <= kLevel5; ++level) {
    if (Held(pilot, wing, level)) text += std::string(letter) + kLevels[level] + ", ";
  }
  for (int other = kTandemI; other <= kTandemInstructor; ++other) {
    if (Held(pilot, wing, other)) text += std::string(kOthers[other - kTandemI]) + ", ";
  }
  return text;
}

std::string LilienthalText(const PilotInfo& pilot, WingType wing) {
  static const char* const kLevels[kLilienthalBoxes] = {"Bronze", "Silver", "Gold",
                                                        "Diamond Left Wing", "Diamond Right Wing"};
  std::string held;
  for (int level = 0; level < kLilienthalBoxes; ++level) {
    if (Held(pilot, wing, kLilienthalBronze + level)) held += std::string(kLevels[level]) + ", ";
  }
  return held.empty() ? "" : "Lilienthal - " + held;
}

std::string CrossCountryAwardText(const PilotInfo& pilot, WingType wing) {
  std::string held;
  for (int step = 0; step < kCrossCountryBoxes; ++step) {
    if (Held(pilot, wing, kFirstCrossCountry + step))
      held += std::to_string(50 * (step + 1)) + " mile, ";
  }
  return held.empty() ? "" : "Cross-Country Flight - " + held;
}

void PrintPilotSummary(PrtCmds& prt, const Logbook& book) {
  const PageLayout& layout = prt.Layout();
  prt.SetFontSize(kTitlePoints);
  prt.SetBold(false);
  prt.CurrentY = layout.TopMargin;
  prt.PrintAt(layout.LeftMargin, prt.CurrentY, "Aloftra Summary");
  std::string today = FormatLongDate(prt.Today());
  prt.PrintAt(layout.RightEdge - prt.TextWidth(today), prt.CurrentY, today);
  prt.CurrentY += 1.2 * prt.TextHeight();
  prt.Line(layout.LeftMargin, prt.CurrentY, layout.RightEdge, prt.CurrentY, layout.ThinLine);
  prt.CurrentY += 0.5 * prt.TextHeight();

  prt.SetFontSize(kBasePoints);
  PrintPilotBlock(prt, book.pilot);
  for (WingType wing : {kHangGliding, kParagliding}) {
    const PilotTotals& totals = book.totals[wing];
    if (static_cast<long>(totals.DAYS_PREV) + totals.DAYS_TOTAL >= 1)
      PrintWingSection(prt, book, wing);
  }
}

}  // namespace aloftra
