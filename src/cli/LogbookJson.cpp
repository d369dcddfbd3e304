#include "cli/LogbookJson.h"

#include <charconv>
#include <concepts>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string_view>
#include <utility>
#include <vector>

#include "core/DateTime.h"
#include "core/RecordFields.h"

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

// A field's value as the dump shows it, by the field's type.
Json ValueJson(const std::string& text) {
  return text;
}
Json ValueJson(DateTime value) {
  return DateText(value);
}
Json ValueJson(float value) {
  return SingleJson(value);
}
template <std::integral Integer>
Json ValueJson(Integer value) {
  return value;
}
template <std::size_t N>
Json ValueJson(const std::array<Flag, N>& flags) {
  return FlagsJson(flags);
}
template <class Flags>
Json ValueJson(ClassIndexItem<Flags> item) {
  return FlagsJson(item.flags);
}
template <class Flags>
Json ValueJson(WindMaskItem<Flags> item) {
  return FlagsJson(item.flags);
}
template <class Value>
Json ValueJson(EndMarkerItem<Value> item) {
  return ValueJson(item.value);
}

// A record's fields under their names, in the order of the data model.
template <class Record>
Json FieldsJson(const Record& record) {
  std::vector<std::pair<std::string_view, Json>> fields;
  ForEachField(record, [&fields](const FieldInfo& field, const auto& value) {
    const auto place = static_cast<std::size_t>(field.modelPlace);
    if (fields.size() <= place) fields.resize(place + 1);
    fields[place] = {field.name, ValueJson(value)};
  });
  Json json = Json::object();
  for (auto& [name, value] : fields)
    json[std::string(name)] = std::move(value);
  return json;
}

Json PilotJson(const PilotInfo& p) {
  Json json = FieldsJson(p);
  json["AWARD_FLAGS"] = FlagsJson(p.AWARD_FLAGS);
  return json;
}

Json TotalsJson(const PilotTotals& t) {
  Json json = FieldsJson(t);
  json["DAYS_SINCE_LAST"] = t.DAYS_SINCE_LAST;
  return json;
}

// A table's record, or null for a free slot.
template <class Record>
Json SlotJson(const Record& record) {
  if (record.IsFree()) return nullptr;
  return FieldsJson(record);
}

// Text that is not valid UTF-8 never reaches the logbook (the reader decodes every file),
// but a dump must not stop halfway on it: such bytes are replaced.
std::string Dump(const Json& json) {
  return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// One table as a JSON array, one slot per line.
template <class Record>
void WriteTable(std::ostream& out, const char* name, const RecordTable<Record>& table) {
  out << "  \"" << name << "\": [";
  const char* separator = "\n    ";
  for (const Record& record : table) {
    out << separator << Dump(SlotJson(record));
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
  WriteTable(out, "gliders", book.gliders);
  out << ",\n";
  WriteTable(out, "sites", book.sites);
  out << ",\n";
  WriteTable(out, "topics", book.topics);
  out << ",\n";
  WriteTable(out, "flights", book.flights);
  out << ",\n";
  WriteOrders(out, book.order);
  out << "\n}\n";
}

}  // namespace aloftra
