#include "views/ListRows.h"

#include "core/DateTime.h"
#include "core/Numbers.h"
#include "flights/WindDirectionText.h"
#include "units/ConvertUnit.h"
#include "units/DisplayText.h"
#include "views/FilterTest.h"

namespace aloftra {

namespace {

constexpr std::size_t kRemarkChars = 80;

std::string Displayed(double stored, UnitKind kind, bool isSigned, const UnitFlags& flags) {
  return ConvertUnit(FormatSingleItem(static_cast<float>(stored)), kind, UnitDirection::kForDisplay,
                     isSigned, flags);
}

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

ListRow FlightRow(const Logbook& logbook, int slot) {
  const FlightRecord& flight = logbook.flights[slot];
  const UnitFlags& flags = logbook.UNIT_FLAGS;
  ListRow row;
  row.slot = slot;
  row.nonFlying = flight.IsNonFlying();
  row.highlighted = flight.HIGHLIGHT != 0;
  row.cells.resize(kFlightListCols);
  row.cells[0] = std::to_string(slot);
  row.cells[2] = FormatLongDate(flight.DATE);
  if (row.nonFlying) {
    // The remark stands in every column after the date, so the grid joins them into one.
    const std::string remark = FirstRemarkLine(flight.REMARKS);
    for (int col = 3; col < kFlightListCols; ++col)
      row.cells[col] = remark;
    return row;
  }
  row.cells[1] = std::to_string(flight.FLIGHT_NO);
  if (logbook.sites.IsLive(flight.SITE_INDEX))
    row.cells[3] = logbook.sites[flight.SITE_INDEX].SITE_NAME;
  row.cells[4] = FormatAirtime(flight.AIRTIME);
  if (flight.OVER_LAUNCH >= 1)
    row.cells[5] = Displayed(flight.OVER_LAUNCH, UnitKind::kAltitude, false, flags) +
                   (UsesMetres(flags) ? " meters" : " feet");
  if (flight.XC_DISTANCE > 0)
    row.cells[6] = Displayed(flight.XC_DISTANCE, UnitKind::kDistance, false, flags) +
                   (ChosenUnit(UnitKind::kDistance, flags) == kUnitMiles ? " miles" : " km");
  return row;
}

const char* DhvText(const GliderRecord& glider) {
  static const char* const kClasses[kDhvClasses] = {"1", "1-2", "2", "2-3", "3"};
  const char* text = "";
  for (int i = 0; i < kDhvClasses; ++i)
    if (glider.DHV[i] != 0) text = kClasses[i];
  return text;
}

const char* AfnorText(const GliderRecord& glider) {
  static const char* const kClasses[kAfnorClasses] = {"Standard", "Performance", "Competition",
                                                      "Tandem"};
  const char* text = "";
  for (int i = 0; i < kAfnorClasses; ++i)
    if (glider.AFNOR[i] != 0) text = kClasses[i];
  return text;
}

}  // namespace

std::string FirstRemarkLine(const std::string& remarks) {
  std::size_t end = remarks.find_first_of("\r\n");
  if (end == std::string::npos) end = remarks.size();
  std::size_t chars = 0;
  for (std::size_t at = 0; at < end; ++at) {
    if (IsContinuationByte(remarks[at])) continue;
    if (chars == kRemarkChars) return remarks.substr(0, at);
    ++chars;
  }
  return remarks.substr(0, end);
}

std::vector<ListRow> FlightListRows(const Logbook& logbook, const FilterSettings& filter) {
  std::vector<ListRow> rows;
  for (int position = 0; position <= logbook.LastPosition(); ++position) {
    const int slot = logbook.FlightAtPosition(position);
    if (slot < 0 || !FlightPassesFilter(logbook, filter, slot)) continue;
    rows.push_back(FlightRow(logbook, slot));
  }
  return rows;
}

std::vector<ListRow> SiteListRows(const Logbook& logbook) {
  const UnitFlags& flags = logbook.UNIT_FLAGS;
  const char* altitudeUnit = UsesMetres(flags) ? " m" : " ft";
  std::vector<ListRow> rows;
  for (int slot = 0; slot < logbook.sites.SlotCount(); ++slot) {
    const SiteRecord& site = logbook.sites[slot];
    if (site.IsFree()) continue;
    rows.push_back(
        ListRow{slot,
                {std::to_string(slot), site.SITE_NAME,
                 Displayed(site.LAUNCH_MSL, UnitKind::kAltitude, true, flags) + altitudeUnit,
                 Displayed(site.LANDING_MSL, UnitKind::kAltitude, true, flags) + altitudeUnit,
                 WindDirectionText(site.WIND_FLAGS), std::to_string(site.FLYING_DAYS),
                 std::to_string(site.FLIGHTS), FormatAirtime(site.TOTAL_AIRTIME)}});
  }
  return rows;
}

std::vector<ListRow> GliderListRows(const Logbook& logbook) {
  std::vector<ListRow> rows;
  for (int slot = 0; slot < logbook.gliders.SlotCount(); ++slot) {
    const GliderRecord& glider = logbook.gliders[slot];
    if (glider.IsFree()) continue;
    const char* type = glider.HANG_GLIDER != 0  ? "Hang Glider"
                       : glider.PARAGLIDER != 0 ? "Paraglider"
                                                : "";
    const char* places = glider.SOLO != 0 ? "Solo" : glider.TANDEM != 0 ? "Tandem" : "";
    rows.push_back(ListRow{
        slot,
        {std::to_string(slot), glider.GLIDER_NAME, type, places, DhvText(glider), AfnorText(glider),
         std::to_string(glider.FLIGHTS), FormatAirtime(glider.TOTAL_AIRTIME)}});
  }
  return rows;
}

}  // namespace aloftra
