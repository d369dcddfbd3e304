// The gliders file: one line per live glider, in the order of the glider page's list.
#include "exchange/DelimitedItems.h"
#include "exchange/ExportFile.h"
#include "exchange/ExportValues.h"
#include "exchange/NameOrderedSlots.h"

namespace aloftra {

namespace {

constexpr const char* kColumnNames[kGliderColumns] = {
    "GLIDER_NAME", "GLIDER_TYPE", "PLACES",      "MANUFACTURER", "MODEL",         "SIZE",
    "DATE_OF_MFG", "COLOR",       "SERIAL_NO",   "WEIGHT_MIN",   "WEIGHT_MAX",    "DHV",
    "AFNOR",       "PRE_AIRTIME", "FLYING_DAYS", "FLIGHTS",      "TOTAL_AIRTIME", "NOTES"};

constexpr std::size_t kFixedLineLength = 160;

void WriteGlider(DelimitedWriter& out, const UnitFlags& units, const GliderRecord& glider) {
  out.Text(glider.GLIDER_NAME);
  out.Text(glider.HANG_GLIDER != 0 ? "Hang Glider" : "Paraglider");
  out.Text(glider.SOLO != 0 ? "Solo" : "Tandem");
  out.Text(glider.MANUFACTURER);
  out.Text(glider.MODEL);
  out.Text(glider.SIZE);
  out.Text(ManufactureDateText(glider.DATE_OF_MFG));
  out.Text(glider.COLOR);
  out.Text(glider.SERIAL_NO);
  out.Number(ExportedMeasure(glider.WEIGHT_MIN, UnitKind::kWeight, false, units));
  out.Number(ExportedMeasure(glider.WEIGHT_MAX, UnitKind::kWeight, false, units));
  out.Text(DhvText(glider.DHV));
  out.Text(AfnorText(glider.AFNOR));
  out.Integer(glider.PRE_AIRTIME);
  out.Integer(glider.FLYING_DAYS);
  out.Integer(glider.FLIGHTS);
  out.Integer(glider.TOTAL_AIRTIME);
  out.Text(glider.NOTES);
  out.EndLine();
}

}  // namespace

std::string GlidersExportText(const Logbook& book) {
  const std::vector<int> slots =
      NameOrderedSlots(book.gliders, [](const GliderRecord& glider) { return glider.GLIDER_NAME; });
  DelimitedWriter out(kFixedLineLength * (slots.size() + 1));
  for (const char* name : kColumnNames)
    out.Text(name);
  out.EndLine();
  for (int slot : slots)
    WriteGlider(out, book.UNIT_FLAGS, book.gliders[slot]);
  return out.Finish();
}

}  // namespace aloftra
