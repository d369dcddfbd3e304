#include "cli/LogbookJson.h"

#include <charconv>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "core/DateTime.h"

namespace aloftra {

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kSortCaptions[kSortKeys] = {"Date", "Airtime", "Max MSL", "Over Launch",
                                                  "Distance"};

// A float shown with the digits that identify it (12.3, not 12.300000190734863).
Json SingleJson(float value) {
  char digits[32];
  auto written = std::to_chars(digits, digits + sizeof digits, value);
  double shortest = 0;
  std::from_chars(digits, written.ptr, shortest);
  return shortest;
}

std::string DateText(DateTime value) {
  const CivilDateTime parts = SplitDateTime(value);
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", parts.year, parts.month,
                parts.day, parts.hour, parts.minute, parts.second);
  return text;
}

template <std::size_t N>
Json FlagsJson(const std::array<Flag, N>& flags) {
  Json array = Json::array();
  for (Flag flag : flags)
    array.push_back(static_cast<int>(flag));
  return array;
}

void AddBestFlights(Json& json, const BestFlights& best) {
  json["LONGEST_FLIGHT"] = best.LONGEST_FLIGHT;
  json["HIGHEST_FLIGHT"] = best.HIGHEST_FLIGHT;
  json["OVER_LAUNCH_FLIGHT"] = best.OVER_LAUNCH_FLIGHT;
  json["DISTANCE_FLIGHT"] = best.DISTANCE_FLIGHT;
}

Json PilotJson(const PilotInfo& p) {
  return Json{{"PILOT_NAME", p.PILOT_NAME}, {"EMAIL", p.EMAIL},
              {"PHONE_NO", p.PHONE_NO},     {"MEMBER_NO", p.MEMBER_NO},
              {"REGION", p.REGION},         {"AWARD_FLAGS", FlagsJson(p.AWARD_FLAGS)}};
}

Json TotalsJson(const PilotTotals& t) {
  Json json{{"AIRTIME_PREV", t.AIRTIME_PREV},     {"AIRTIME_SOLO", t.AIRTIME_SOLO},
            {"AIRTIME_TANDEM", t.AIRTIME_TANDEM}, {"DAYS_PREV", t.DAYS_PREV},
            {"DAYS_SOLO", t.DAYS_SOLO},           {"DAYS_TANDEM", t.DAYS_TANDEM},
            {"DAYS_TOTAL", t.DAYS_TOTAL},         {"FLIGHTS_PREV", t.FLIGHTS_PREV},
            {"FLIGHTS_SOLO", t.FLIGHTS_SOLO},     {"FLIGHTS_TANDEM", t.FLIGHTS_TANDEM},
            {"GLIDERS_FLOWN", t.GLIDERS_FLOWN},   {"SITES_FLOWN", t.SITES_FLOWN}};
  AddBestFlights(json, t.best);
  json["DAYS_SINCE_LAST"] = t.DAYS_SINCE_LAST;
  return json;
}

Json GliderJson(const GliderRecord& g) {
  if (g.IsFree()) return nullptr;
  Json json{{"GLIDER_NAME", g.GLIDER_NAME},
            {"MANUFACTURER", g.MANUFACTURER},
            {"MODEL", g.MODEL},
            {"SIZE", g.SIZE},
            {"DATE_OF_MFG", g.DATE_OF_MFG},
            {"COLOR", g.COLOR},
            {"SERIAL_NO", g.SERIAL_NO},
            {"WEIGHT_MIN", SingleJson(g.WEIGHT_MIN)},
            {"WEIGHT_MAX", SingleJson(g.WEIGHT_MAX)},
            {"HANG_GLIDER", g.HANG_GLIDER},
            {"PARAGLIDER", g.PARAGLIDER},
            {"SOLO", g.SOLO},
            {"TANDEM", g.TANDEM},
            {"DHV", FlagsJson(g.DHV)},
            {"AFNOR", FlagsJson(g.AFNOR)}};
  AddBestFlights(json, g.best);
  json["GLIDER_RESERVED"] = g.GLIDER_RESERVED;
  json["FLYING_DAYS"] = g.FLYING_DAYS;
  json["PRE_AIRTIME"] = g.PRE_AIRTIME;
  json["FLIGHTS"] = g.FLIGHTS;
  json["TOTAL_AIRTIME"] = g.TOTAL_AIRTIME;
  json["NOTES"] = g.NOTES;
  return json;
}

Json SiteJson(const SiteRecord& s) {
  if (s.IsFree()) return nullptr;
  Json json{{"SITE_NAME", s.SITE_NAME},
            {"LOCATION", s.LOCATION},
            {"LAUNCH_MSL", s.LAUNCH_MSL},
            {"LANDING_MSL", s.LANDING_MSL},
            {"DIFFICULTY", FlagsJson(s.DIFFICULTY)},
            {"WIND_FLAGS", FlagsJson(s.WIND_FLAGS)}};
  AddBestFlights(json, s.best);
  json["FLYING_DAYS"] = s.FLYING_DAYS;
  json["AVG_AIRTIME"] = s.AVG_AIRTIME;
  json["FLIGHTS"] = s.FLIGHTS;
  json["TOTAL_AIRTIME"] = s.TOTAL_AIRTIME;
  json["DESCRIPTION"] = s.DESCRIPTION;
  json["URL"] = s.URL;
  return json;
}

Json TopicJson(const NoteTopic& t) {
  if (t.IsFree()) return nullptr;
  return Json{{"TOPIC", t.TOPIC}, {"NOTE_TEXT", t.NOTE_TEXT}};
}

Json FlightJson(const FlightRecord& f) {
  if (f.IsFree()) return nullptr;
  return Json{{"DATE", DateText(f.DATE)},
              {"FLIGHT_NO", f.FLIGHT_NO},
              {"AIRTIME", f.AIRTIME},
              {"GLIDER_INDEX", f.GLIDER_INDEX},
              {"SOLO", f.SOLO},
              {"TANDEM", f.TANDEM},
              {"SITE_INDEX", f.SITE_INDEX},
              {"XC_DISTANCE", SingleJson(f.XC_DISTANCE)},
              {"XC_TYPE", f.XC_TYPE},
              {"GPS_COORDS", f.GPS_COORDS},
              {"NON_FLYING", f.NON_FLYING},
              {"HIGHLIGHT", f.HIGHLIGHT},
              {"BASE_WIND", SingleJson(f.BASE_WIND)},
              {"PEAK_WIND", SingleJson(f.PEAK_WIND)},
              {"MAX_LIFT", f.MAX_LIFT},
              {"MAX_SINK", f.MAX_SINK},
              {"TURBULENCE", f.TURBULENCE},
              {"WIND_FLAGS", FlagsJson(f.WIND_FLAGS)},
              {"LAUNCH_MSL", f.LAUNCH_MSL},
              {"LANDING_MSL", f.LANDING_MSL},
              {"MAX_MSL", f.MAX_MSL},
              {"OVER_LAUNCH", f.OVER_LAUNCH},
              {"REMARKS", f.REMARKS}};
}

// Text that is not valid UTF-8 never reaches the logbook (the reader decodes every file),
// but a dump must not stop halfway on it: such bytes are replaced.
std::string Dump(const Json& json) {
  return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// One table as a JSON array, one slot per line.
template <class Record, class ToJson>
void WriteTable(std::ostream& out, const char* name, const RecordTable<Record>& table,
                ToJson toJson) {
  out << "  \"" << name << "\": [";
  const char* separator = "\n    ";
  for (const Record& record : table) {
    out << separator << Dump(toJson(record));
    separator = ",\n    ";
  }
  out << (table.Empty() ? "]" : "\n  ]");
}

void WriteOrders(std::ostream& out, const FlightOrder& order) {
  out << "  \"orders\": {";
  for (int key = 0; key < kSortKeys; ++key) {
    out << (key == 0 ? "\n    \"" : ",\n    \"") << kSortCaptions[key] << "\": [";
    for (int position = 0; position < order.RowCount(); ++position) {
      if (position > 0) out << ',';
      out << order.At(position, key);
    }
    out << ']';
  }
  out << "\n  }";
}

}  // namespace

void WriteLogbookJson(std::ostream& out, const Logbook& book) {
  out << "{\n  \"pilot\": " << Dump(PilotJson(book.pilot)) << ",\n";
  out << "  \"totals\": {\n    \"hang_gliding\": " << Dump(TotalsJson(book.totals[kHangGliding]))
      << ",\n    \"paragliding\": " << Dump(TotalsJson(book.totals[kParagliding])) << "\n  },\n";
  out << "  \"VARIO_SCALE\": " << static_cast<int>(book.VARIO_SCALE) << ",\n";
  out << "  \"UNIT_FLAGS\": " << Dump(FlagsJson(book.UNIT_FLAGS)) << ",\n";
  WriteTable(out, "gliders", book.gliders, GliderJson);
  out << ",\n";
  WriteTable(out, "sites", book.sites, SiteJson);
  out << ",\n";
  WriteTable(out, "topics", book.topics, TopicJson);
  out << ",\n";
  WriteTable(out, "flights", book.flights, FlightJson);
  out << ",\n";
  WriteOrders(out, book.order);
  out << "\n}\n";
}

}  // namespace aloftra
