#include "print/FlightReport.h"

#include <algorithm>

#include "flights/WindDirectionText.h"
#include "print/ReportUnits.h"
#include "print/TableCells.h"
#include "units/DisplayText.h"

namespace aloftra {

namespace {

constexpr double kBasePoints = 9;
constexpr double kStarPoints = 18;
const std::vector<double> kColumns = {0, 0.23, 0.375, 0.5, 0.625, 0.76, 1};

std::string CrossCountryText(const Logbook& book, const FlightRecord& flight) {
  if (!(flight.XC_DISTANCE > 0)) return "";
  std::string text = "XC: " + WithUnit(book, flight.XC_DISTANCE, UnitKind::kDistance, false);
  static const char* const kTypes[] = {", Straight Line", ", Out-and-Return", ", Triangle"};
  if (flight.XC_TYPE >= 0 && flight.XC_TYPE <= 2) text += kTypes[flight.XC_TYPE];
  return text;
}

void PrintFirstRow(PrtCmds& prt, const Logbook& book, const FlightRecord& flight,
                   const ReportTable& table) {
  CenteredCell(prt, table, 0, 0, 1, ReportDateAndTime(book, flight.DATE), kBasePoints);
  if (flight.IsNonFlying()) return;
  CenteredCell(prt, table, 0, 1, 2, "Flight No: " + std::to_string(flight.FLIGHT_NO), kBasePoints);
  CenteredCell(prt, table, 0, 2, 3, "Airtime: " + FormatAirtime(flight.AIRTIME), kBasePoints);
  CenteredCell(prt, table, 0, 3, 4, flight.SOLO != 0 ? "Solo Flight" : "Tandem Flight",
               kBasePoints);
  if (flight.TURBULENCE != 0)
    CenteredCell(prt, table, 0, 4, 5, "Turbulence: " + std::to_string(flight.TURBULENCE),
                 kBasePoints);
  CenteredCell(prt, table, 0, 5, 6, CrossCountryText(book, flight), kBasePoints);
}

void PrintFlyingRows(PrtCmds& prt, const Logbook& book, const FlightRecord& flight,
                     const ReportTable& table) {
  const SiteRecord* site = book.sites.Live(flight.SITE_INDEX);
  const GliderRecord* glider = book.gliders.Live(flight.GLIDER_INDEX);
  CenteredCell(prt, table, 1, 0, 2, "Site Name: " + (site ? site->SITE_NAME : std::string()),
               kBasePoints);
  std::string wing = glider && glider->HANG_GLIDER != 0 ? "Hang Glider: " : "Paraglider: ";
  CenteredCell(prt, table, 1, 2, 5, wing + (glider ? glider->GLIDER_NAME : std::string()),
               kBasePoints);
  CenteredCell(prt, table, 1, 5, 6, "Wind : " + WindDirectionText(flight.WIND_FLAGS), kBasePoints);

  auto altitude = [&](double feet, bool isSigned) {
    return WithUnit(book, feet, UnitKind::kAltitude, isSigned);
  };
  CenteredCell(prt, table, 2, 0, 1, "Launch MSL: " + altitude(flight.LAUNCH_MSL, true),
               kBasePoints);
  CenteredCell(prt, table, 2, 1, 3, "Max MSL: " + altitude(flight.MAX_MSL, true), kBasePoints);
  if (flight.MAX_LIFT > 0)
    CenteredCell(prt, table, 2, 3, 5,
                 "Max Lift: " + WithUnit(book, flight.MAX_LIFT, UnitKind::kClimbRate, false),
                 kBasePoints);
  CenteredCell(prt, table, 2, 5, 6,
               "Base Wind: " + WithUnit(book, flight.BASE_WIND, UnitKind::kSpeed, false),
               kBasePoints);

  CenteredCell(prt, table, 3, 0, 1, "Landing MSL: " + altitude(flight.LANDING_MSL, true),
               kBasePoints);
  CenteredCell(prt, table, 3, 1, 3, "Over Launch: " + altitude(flight.OVER_LAUNCH, false),
               kBasePoints);
  if (flight.MAX_SINK > 0)
    CenteredCell(prt, table, 3, 3, 5,
                 "Max Sink: " + WithUnit(book, flight.MAX_SINK, UnitKind::kClimbRate, false),
                 kBasePoints);
  CenteredCell(prt, table, 3, 5, 6,
               "Peak Wind: " + WithUnit(book, flight.PEAK_WIND, UnitKind::kSpeed, false),
               kBasePoints);
}

}  // namespace

void PrintFlightEntry(PrtCmds& prt, const Logbook& book, const FlightRecord& flight) {
  const PageLayout& layout = prt.Layout();
  bool highlighted = flight.HIGHLIGHT != 0;
  prt.SetBold(highlighted);
  prt.SetFontSize(kBasePoints);
  double h = prt.TextHeight();
  double g = 0.15 * h;
  prt.BreakPageFor(6 * h + 12 * g, "");

  bool flying = !flight.IsNonFlying();
  int rows = flying ? 4 : 1;
  ReportTable table = MakeTable(prt, prt.CurrentY, h + 2 * g, g, kColumns);
  if (highlighted) {
    prt.SetFontSize(kStarPoints);
    double starX = std::max(0.0, layout.LeftMargin - prt.TextWidth("* "));
    prt.PrintAt(starX, table.top + (table.rowHeight - prt.TextHeight()) / 2, "*");
  }
  PrintFirstRow(prt, book, flight, table);
  if (flying) PrintFlyingRows(prt, book, flight, table);
  std::vector<std::vector<int>> dividers = {{1, 2, 3, 4, 5}, {2, 5}, {1, 3, 5}, {1, 3, 5}};
  dividers.resize(static_cast<std::size_t>(rows));
  if (!flying) dividers[0].clear();
  FrameTable(prt, table, dividers);
  prt.CurrentY = table.Bottom(rows);

  prt.SetFontSize(kBasePoints);
  if (!flight.REMARKS.empty()) PrintFramedText(prt, flight.REMARKS, "", g);
  prt.CurrentY += 3 * g;
  prt.SetBold(false);
}

}  // namespace aloftra
