#include "print/GliderReport.h"

#include "core/DateTime.h"
#include "print/ReportUnits.h"
#include "print/TableCells.h"
#include "units/DisplayText.h"

namespace aloftra {

namespace {

constexpr double kBasePoints = 9;
const std::vector<double> kColumns = {0, 0.31, 0.53, 0.81, 1};

std::string ManufactureDate(const std::string& text) {
  std::optional<DateTime> date = ParseDateTime(text);
  return date ? FormatLongDate(*date) : text;
}

std::string GliderType(const GliderRecord& glider) {
  std::string text = glider.SOLO != 0 ? "Solo " : "Tandem ";
  return text + (glider.HANG_GLIDER != 0 ? "Hang Glider" : "Paraglider");
}

}  // namespace

std::string GliderClassText(const GliderRecord& glider) {
  static const char* const kDhv[kDhvClasses] = {"DHV: 1", "DHV: 1-2", "DHV: 2", "DHV: 2-3",
                                                "DHV: 3"};
  static const char* const kAfnor[kAfnorClasses] = {"AFNOR: Standard", "AFNOR: Performance",
                                                    "AFNOR: Competition", "AFNOR: Tandem"};
  std::string text;
  for (int dhv = kDhvClasses - 1; dhv >= 0; --dhv) {
    if (glider.DHV[static_cast<std::size_t>(dhv)] != 0) {
      text = kDhv[dhv];
      break;
    }
  }
  for (int afnor = 0; afnor < kAfnorClasses; ++afnor) {
    if (glider.AFNOR[static_cast<std::size_t>(afnor)] == 0) continue;
    if (!text.empty()) text += ", ";
    text += kAfnor[afnor];
  }
  return text;
}

void PrintGliderEntry(PrtCmds& prt, const Logbook& book, const GliderRecord& glider) {
  prt.SetBold(false);
  prt.SetFontSize(kBasePoints);
  double h = prt.TextHeight();
  double g = 0.15 * h;
  prt.BreakPageFor(6 * h + 12 * g, kGlidersTitle);

  ReportTable table = MakeTable(prt, prt.CurrentY, h + 2 * g, g, kColumns);
  auto cell = [&](int row, int first, int last, const std::string& text) {
    LeftCell(prt, table, row, first, last, text, kBasePoints);
  };
  auto weight = [&](float pounds) { return WithUnit(book, pounds, UnitKind::kWeight, false); };
  cell(0, 0, 2, "Glider Name: " + glider.GLIDER_NAME);
  cell(0, 2, 3, "Glider Type: " + GliderType(glider));
  cell(0, 3, 4, "Flying Days: " + FormatCount(glider.FLYING_DAYS));
  cell(1, 0, 1, "Manufacturer: " + glider.MANUFACTURER);
  cell(1, 1, 2, "Model: " + glider.MODEL);
  cell(1, 2, 3, "Min Takeoff Weight: " + weight(glider.WEIGHT_MIN));
  cell(1, 3, 4, "Flights: " + FormatCount(glider.FLIGHTS));
  cell(2, 0, 1, "Date of Mfg: " + ManufactureDate(glider.DATE_OF_MFG));
  cell(2, 1, 2, "Size: " + glider.SIZE);
  cell(2, 2, 3, "Max Takeoff Weight: " + weight(glider.WEIGHT_MAX));
  cell(2, 3, 4, "Prev. Airtime: " + FormatAirtime(glider.PRE_AIRTIME));
  cell(3, 0, 1, "Serial No: " + glider.SERIAL_NO);
  cell(3, 1, 2, "Color: " + glider.COLOR);
  cell(3, 2, 3, GliderClassText(glider));
  cell(3, 3, 4,
       "Total Airtime: " + FormatAirtime(static_cast<long>(glider.PRE_AIRTIME) +
                                         static_cast<long>(glider.TOTAL_AIRTIME)));
  FrameTable(prt, table, {{2, 3}, {1, 2, 3}, {1, 2, 3}, {1, 2, 3}});
  prt.CurrentY = table.Bottom(4);

  prt.SetFontSize(kBasePoints);
  if (!glider.NOTES.empty()) PrintFramedText(prt, glider.NOTES, kGlidersTitle, g);
  prt.CurrentY += 3 * g;
}

}  // namespace aloftra
