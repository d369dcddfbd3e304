// The fields of each kind of record of the logbook file, in the order of their items in the
// file. ForEachField(record, visit) calls visit(field, value) once per field in that order:
// value is the record's member (const when the record is), or one of the wrappers below
// where the member's type alone does not tell how it is stored. The reader, the writer and
// the JSON dump each visit with their own handling of every type, so a field's name and its
// place in the file are written here alone.
#pragma once

#include <concepts>
#include <string_view>
#include <type_traits>

#include "core/LogbookFormat.h"
#include "core/Records.h"

namespace aloftra {

struct FieldInfo {
  std::string_view name;  // the logbook's own name of the field
  // The field's place in the order of the data model, which the dump of a record follows:
  // the file's order is alphabetical in the main, the data model's keeps related fields
  // together.
  int modelPlace = 0;
  FileVersion since = FileVersion::v1_1;  // older files lack the field's item
};

// A group of flags is stored as one item per flag, except where one of these wrappers says
// otherwise.

// A group of flags stored in one item: the index of the flag that is set, -1 for none.
template <class Flags>
struct ClassIndexItem {
  Flags& flags;
};
template <class Flags>
ClassIndexItem(Flags&) -> ClassIndexItem<Flags>;

// A group of wind flags stored in one item as a mask, bit i for flag i.
template <class Flags>
struct WindMaskItem {
  Flags& flags;
};
template <class Flags>
WindMaskItem(Flags&) -> WindMaskItem<Flags>;

// The first item of a list record, by which the list's end record is recognised (see
// kEndText and kEndNumber).
template <class Value>
struct EndMarkerItem {
  Value& value;
};
template <class Value>
EndMarkerItem(Value&) -> EndMarkerItem<Value>;

// A record type or the same type const.
template <class Record, class Kind>
concept RecordOf = std::same_as<std::remove_const_t<Record>, Kind>;

template <RecordOf<PilotInfo> Pilot, class Visit>
void ForEachField(Pilot& p, Visit&& visit) {
  visit(FieldInfo{"PILOT_NAME", 0}, p.PILOT_NAME);
  visit(FieldInfo{"EMAIL", 1}, p.EMAIL);
  visit(FieldInfo{"PHONE_NO", 2}, p.PHONE_NO);
  visit(FieldInfo{"MEMBER_NO", 3}, p.MEMBER_NO);
  visit(FieldInfo{"REGION", 4}, p.REGION);
  // AWARD_FLAGS (model place 5) fill two records of their own, one per wing type.
}

template <RecordOf<PilotTotals> Totals, class Visit>
void ForEachField(Totals& t, Visit&& visit) {
  visit(FieldInfo{"AIRTIME_PREV", 0}, t.AIRTIME_PREV);
  visit(FieldInfo{"AIRTIME_SOLO", 1}, t.AIRTIME_SOLO);
  visit(FieldInfo{"AIRTIME_TANDEM", 2}, t.AIRTIME_TANDEM);
  visit(FieldInfo{"DAYS_PREV", 3}, t.DAYS_PREV);
  visit(FieldInfo{"DAYS_SOLO", 4}, t.DAYS_SOLO);
  visit(FieldInfo{"DAYS_TANDEM", 5}, t.DAYS_TANDEM);
  visit(FieldInfo{"DAYS_TOTAL", 6}, t.DAYS_TOTAL);
  visit(FieldInfo{"DISTANCE_FLIGHT", 15}, t.best.DISTANCE_FLIGHT);
  visit(FieldInfo{"FLIGHTS_PREV", 7}, t.FLIGHTS_PREV);
  visit(FieldInfo{"FLIGHTS_SOLO", 8}, t.FLIGHTS_SOLO);
  visit(FieldInfo{"FLIGHTS_TANDEM", 9}, t.FLIGHTS_TANDEM);
  visit(FieldInfo{"GLIDERS_FLOWN", 10}, t.GLIDERS_FLOWN);
  visit(FieldInfo{"HIGHEST_FLIGHT", 13}, t.best.HIGHEST_FLIGHT);
  visit(FieldInfo{"LONGEST_FLIGHT", 12}, t.best.LONGEST_FLIGHT);
  visit(FieldInfo{"OVER_LAUNCH_FLIGHT", 14}, t.best.OVER_LAUNCH_FLIGHT);
  visit(FieldInfo{"SITES_FLOWN", 11}, t.SITES_FLOWN);
  // DAYS_SINCE_LAST (model place 16) is held in memory only.
}

template <RecordOf<GliderRecord> Glider, class Visit>
void ForEachField(Glider& g, Visit&& visit) {
  visit(FieldInfo{"COLOR", 5}, EndMarkerItem{g.COLOR});
  visit(FieldInfo{"DATE_OF_MFG", 4}, g.DATE_OF_MFG);
  visit(FieldInfo{"GLIDER_RESERVED", 19}, g.GLIDER_RESERVED);
  visit(FieldInfo{"DHV", 13}, ClassIndexItem{g.DHV});
  visit(FieldInfo{"AFNOR", 14}, ClassIndexItem{g.AFNOR});
  visit(FieldInfo{"DISTANCE_FLIGHT", 18}, g.best.DISTANCE_FLIGHT);
  visit(FieldInfo{"FLIGHTS", 22}, g.FLIGHTS);
  visit(FieldInfo{"FLYING_DAYS", 20}, g.FLYING_DAYS);
  visit(FieldInfo{"GLIDER_NAME", 0}, g.GLIDER_NAME);
  visit(FieldInfo{"HANG_GLIDER", 9}, g.HANG_GLIDER);
  visit(FieldInfo{"PARAGLIDER", 10}, g.PARAGLIDER);
  visit(FieldInfo{"HIGHEST_FLIGHT", 16}, g.best.HIGHEST_FLIGHT);
  visit(FieldInfo{"LONGEST_FLIGHT", 15}, g.best.LONGEST_FLIGHT);
  visit(FieldInfo{"MANUFACTURER", 1}, g.MANUFACTURER);
  visit(FieldInfo{"MODEL", 2}, g.MODEL);
  visit(FieldInfo{"NOTES", 24}, g.NOTES);
  visit(FieldInfo{"OVER_LAUNCH_FLIGHT", 17}, g.best.OVER_LAUNCH_FLIGHT);
  visit(FieldInfo{"SOLO", 11}, g.SOLO);
  visit(FieldInfo{"TANDEM", 12}, g.TANDEM);
  visit(FieldInfo{"PRE_AIRTIME", 21}, g.PRE_AIRTIME);
  visit(FieldInfo{"SERIAL_NO", 6}, g.SERIAL_NO);
  visit(FieldInfo{"SIZE", 3}, g.SIZE);
  visit(FieldInfo{"TOTAL_AIRTIME", 23}, g.TOTAL_AIRTIME);
  visit(FieldInfo{"WEIGHT_MAX", 8}, g.WEIGHT_MAX);
  visit(FieldInfo{"WEIGHT_MIN", 7}, g.WEIGHT_MIN);
}

template <RecordOf<SiteRecord> Site, class Visit>
void ForEachField(Site& s, Visit&& visit) {
  visit(FieldInfo{"AVG_AIRTIME", 11}, EndMarkerItem{s.AVG_AIRTIME});
  visit(FieldInfo{"DESCRIPTION", 14}, s.DESCRIPTION);
  visit(FieldInfo{"DIFFICULTY", 4}, s.DIFFICULTY);
  visit(FieldInfo{"DISTANCE_FLIGHT", 9}, s.best.DISTANCE_FLIGHT);
  visit(FieldInfo{"FLIGHTS", 12}, s.FLIGHTS);
  visit(FieldInfo{"FLYING_DAYS", 10}, s.FLYING_DAYS);
  visit(FieldInfo{"HIGHEST_FLIGHT", 7}, s.best.HIGHEST_FLIGHT);
  visit(FieldInfo{"LANDING_MSL", 3}, s.LANDING_MSL);
  visit(FieldInfo{"LAUNCH_MSL", 2}, s.LAUNCH_MSL);
  visit(FieldInfo{"LOCATION", 1}, s.LOCATION);
  visit(FieldInfo{"LONGEST_FLIGHT", 6}, s.best.LONGEST_FLIGHT);
  visit(FieldInfo{"OVER_LAUNCH_FLIGHT", 8}, s.best.OVER_LAUNCH_FLIGHT);
  visit(FieldInfo{"SITE_NAME", 0}, s.SITE_NAME);
  visit(FieldInfo{"TOTAL_AIRTIME", 13}, s.TOTAL_AIRTIME);
  visit(FieldInfo{"WIND_FLAGS", 5}, WindMaskItem{s.WIND_FLAGS});
  visit(FieldInfo{"URL", 15, FileVersion::v1_3}, s.URL);
}

template <RecordOf<NoteTopic> Topic, class Visit>
void ForEachField(Topic& t, Visit&& visit) {
  visit(FieldInfo{"TOPIC", 0}, EndMarkerItem{t.TOPIC});
  visit(FieldInfo{"NOTE_TEXT", 1}, t.NOTE_TEXT);
}

template <RecordOf<FlightRecord> Flight, class Visit>
void ForEachField(Flight& f, Visit&& visit) {
  visit(FieldInfo{"AIRTIME", 2}, EndMarkerItem{f.AIRTIME});
  visit(FieldInfo{"BASE_WIND", 12}, f.BASE_WIND);
  visit(FieldInfo{"DATE", 0}, f.DATE);
  visit(FieldInfo{"XC_DISTANCE", 7}, f.XC_DISTANCE);
  visit(FieldInfo{"FLIGHT_NO", 1}, f.FLIGHT_NO);
  visit(FieldInfo{"GLIDER_INDEX", 3}, f.GLIDER_INDEX);
  visit(FieldInfo{"HIGHLIGHT", 11}, f.HIGHLIGHT);
  visit(FieldInfo{"LANDING_MSL", 19}, f.LANDING_MSL);
  visit(FieldInfo{"LAUNCH_MSL", 18}, f.LAUNCH_MSL);
  visit(FieldInfo{"MAX_LIFT", 14}, f.MAX_LIFT);
  visit(FieldInfo{"MAX_MSL", 20}, f.MAX_MSL);
  visit(FieldInfo{"MAX_SINK", 15}, f.MAX_SINK);
  visit(FieldInfo{"NON_FLYING", 10}, f.NON_FLYING);
  visit(FieldInfo{"OVER_LAUNCH", 21}, f.OVER_LAUNCH);
  visit(FieldInfo{"PEAK_WIND", 13}, f.PEAK_WIND);
  visit(FieldInfo{"SOLO", 4}, f.SOLO);
  visit(FieldInfo{"TANDEM", 5}, f.TANDEM);
  visit(FieldInfo{"REMARKS", 22}, f.REMARKS);
  visit(FieldInfo{"SITE_INDEX", 6}, f.SITE_INDEX);
  visit(FieldInfo{"TURBULENCE", 16}, f.TURBULENCE);
  visit(FieldInfo{"XC_TYPE", 8}, f.XC_TYPE);
  visit(FieldInfo{"GPS_COORDS", 9, FileVersion::v1_3}, f.GPS_COORDS);
  visit(FieldInfo{"WIND_FLAGS", 17}, WindMaskItem{f.WIND_FLAGS});
}

}  // namespace aloftra
