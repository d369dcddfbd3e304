#include "core/LogbookWriter.h"

#include <algorithm>
#include <initializer_list>

#include "core/FileItems.h"
#include "core/LogbookFormat.h"
#include "core/TextEncoding.h"

namespace aloftra {

namespace {

// An end record is recognised by its first item alone. A first item that would read as the
// end marker is written slightly changed so no record after it is lost: a text of exactly
// "-1" (a glider's COLOR, a topic's name) gains a trailing blank, and the number -1 (a
// site's AVG_AIRTIME or a flight's AIRTIME, derived or positive in practice) becomes 0.
std::string_view FirstText(std::string_view text) {
  return text == kEndText ? "-1 " : text;
}
long long FirstNumber(long long value) {
  return value == kEndNumber ? 0 : value;
}

// An end record: the marker, then empty text at the given 1-based positions and 0 elsewhere.
void WriteEndRecord(RecordWriter& w, int items, bool textMarker,
                    std::initializer_list<int> textPositions,
                    std::optional<DateTime> dateAt3 = std::nullopt) {
  if (textMarker) {
    w.Text(kEndText);
  } else {
    w.Integer(kEndNumber);
  }
  for (int position = 2; position <= items; ++position) {
    if (std::find(textPositions.begin(), textPositions.end(), position) != textPositions.end()) {
      w.Text("");
    } else if (position == 3 && dateAt3) {
      w.Date(*dateAt3);
    } else {
      w.Integer(0);
    }
  }
  w.EndRecord();
}

void WriteHeader(RecordWriter& w) {
  w.Text(kFileProgramName);
  w.Text(kWrittenVersion);
  w.EndRecord();
}

void WritePilot(RecordWriter& w, const PilotInfo& pilot) {
  w.Text(pilot.PILOT_NAME);
  w.Text(pilot.EMAIL);
  w.Text(pilot.PHONE_NO);
  w.Text(pilot.MEMBER_NO);
  w.Integer(pilot.REGION);
  w.EndRecord();
  for (int half = 0; half < 2; ++half) {
    for (int i = 0; i < kAwardItemsPerWing; ++i) {
      w.Integer(pilot.AWARD_FLAGS[half * kAwardItemsPerWing + i]);
    }
    w.EndRecord();
  }
}

void WriteTotals(RecordWriter& w, const PilotTotals& t) {
  for (long long value :
       {static_cast<long long>(t.AIRTIME_PREV), static_cast<long long>(t.AIRTIME_SOLO),
        static_cast<long long>(t.AIRTIME_TANDEM)}) {
    w.Integer(value);
  }
  for (std::int16_t value :
       {t.DAYS_PREV, t.DAYS_SOLO, t.DAYS_TANDEM, t.DAYS_TOTAL, t.best.DISTANCE_FLIGHT,
        t.FLIGHTS_PREV, t.FLIGHTS_SOLO, t.FLIGHTS_TANDEM, t.GLIDERS_FLOWN, t.best.HIGHEST_FLIGHT,
        t.best.LONGEST_FLIGHT, t.best.OVER_LAUNCH_FLIGHT, t.SITES_FLOWN}) {
    w.Integer(value);
  }
  w.EndRecord();
}

void WriteSettings(RecordWriter& w, const Logbook& book) {
  w.Integer(book.VARIO_SCALE);
  w.EndRecord();
  for (Flag flag : book.UNIT_FLAGS)
    w.Integer(flag);
  w.EndRecord();
}

void WriteGlider(RecordWriter& w, const GliderRecord& g) {
  w.Text(FirstText(g.COLOR));
  w.Text(g.DATE_OF_MFG);
  w.Integer(g.GLIDER_RESERVED);
  w.ClassIndex(g.DHV);
  w.ClassIndex(g.AFNOR);
  w.Integer(g.best.DISTANCE_FLIGHT);
  w.Integer(g.FLIGHTS);
  w.Integer(g.FLYING_DAYS);
  w.Text(g.GLIDER_NAME);
  w.Integer(g.HANG_GLIDER);
  w.Integer(g.PARAGLIDER);
  w.Integer(g.best.HIGHEST_FLIGHT);
  w.Integer(g.best.LONGEST_FLIGHT);
  w.Text(g.MANUFACTURER);
  w.Text(g.MODEL);
  w.Text(g.NOTES);
  w.Integer(g.best.OVER_LAUNCH_FLIGHT);
  w.Integer(g.SOLO);
  w.Integer(g.TANDEM);
  w.Integer(g.PRE_AIRTIME);
  w.Text(g.SERIAL_NO);
  w.Text(g.SIZE);
  w.Integer(g.TOTAL_AIRTIME);
  w.Single(g.WEIGHT_MAX);
  w.Single(g.WEIGHT_MIN);
  w.EndRecord();
}

void WriteSite(RecordWriter& w, const SiteRecord& s) {
  w.Integer(FirstNumber(s.AVG_AIRTIME));
  w.Text(s.DESCRIPTION);
  for (Flag flag : s.DIFFICULTY)
    w.Integer(flag);
  w.Integer(s.best.DISTANCE_FLIGHT);
  w.Integer(s.FLIGHTS);
  w.Integer(s.FLYING_DAYS);
  w.Integer(s.best.HIGHEST_FLIGHT);
  w.Integer(s.LANDING_MSL);
  w.Integer(s.LAUNCH_MSL);
  w.Text(s.LOCATION);
  w.Integer(s.best.LONGEST_FLIGHT);
  w.Integer(s.best.OVER_LAUNCH_FLIGHT);
  w.Text(s.SITE_NAME);
  w.Integer(s.TOTAL_AIRTIME);
  w.WindMask(s.WIND_FLAGS);
  w.Text(s.URL);
  w.EndRecord();
}

void WriteTopic(RecordWriter& w, const NoteTopic& topic) {
  w.Text(FirstText(topic.TOPIC));
  w.Text(topic.NOTE_TEXT);
  w.EndRecord();
}

void WriteFlight(RecordWriter& w, const FlightRecord& f) {
  w.Integer(FirstNumber(f.AIRTIME));
  w.Single(f.BASE_WIND);
  w.Date(f.DATE);
  w.Single(f.XC_DISTANCE);
  w.Integer(f.FLIGHT_NO);
  w.Integer(f.GLIDER_INDEX);
  w.Integer(f.HIGHLIGHT);
  w.Integer(f.LANDING_MSL);
  w.Integer(f.LAUNCH_MSL);
  w.Integer(f.MAX_LIFT);
  w.Integer(f.MAX_MSL);
  w.Integer(f.MAX_SINK);
  w.Integer(f.NON_FLYING);
  w.Integer(f.OVER_LAUNCH);
  w.Single(f.PEAK_WIND);
  w.Integer(f.SOLO);
  w.Integer(f.TANDEM);
  w.Text(f.REMARKS);
  w.Integer(f.SITE_INDEX);
  w.Integer(f.TURBULENCE);
  w.Integer(f.XC_TYPE);
  w.Text(f.GPS_COORDS);
  w.WindMask(f.WIND_FLAGS);
  w.EndRecord();
}

void WriteOrder(RecordWriter& w, const OrderRow& row) {
  for (int key : kOrderItemKeys)
    w.Integer(row[key]);
  w.EndRecord();
}

// A generous guess of the text's length, so it is built without being moved.
std::size_t ExpectedLength(const Logbook& book) {
  std::size_t length = 4096;
  for (const GliderRecord& g : book.gliders) {
    length += 200 + g.COLOR.size() + g.DATE_OF_MFG.size() + g.GLIDER_NAME.size() +
              g.MANUFACTURER.size() + g.MODEL.size() + g.NOTES.size() + g.SERIAL_NO.size() +
              g.SIZE.size();
  }
  for (const SiteRecord& s : book.sites) {
    length += 150 + s.DESCRIPTION.size() + s.LOCATION.size() + s.SITE_NAME.size() + s.URL.size();
  }
  for (const NoteTopic& t : book.topics)
    length += 10 + t.TOPIC.size() + t.NOTE_TEXT.size();
  for (const FlightRecord& f : book.flights) {
    length += 200 + f.REMARKS.size() + f.GPS_COORDS.size();
  }
  return length + 40 * static_cast<std::size_t>(book.order.RowCount());
}

}  // namespace

std::optional<std::string> FormatLogbookText(const Logbook& book, DateTime saveTime) {
  RecordWriter w(ExpectedLength(book));
  WriteHeader(w);
  WritePilot(w, book.pilot);
  WriteTotals(w, book.totals[kHangGliding]);
  WriteTotals(w, book.totals[kParagliding]);
  WriteSettings(w, book);

  for (const GliderRecord& glider : book.gliders)
    WriteGlider(w, glider);
  WriteEndRecord(w, kGliderItems, true, {2, 9, 14, 15, 16, 21, 22});
  for (const SiteRecord& site : book.sites)
    WriteSite(w, site);
  WriteEndRecord(w, SiteItems(FileVersion::v1_3), false, {2, 16, 19});
  for (const NoteTopic& topic : book.topics)
    WriteTopic(w, topic);
  WriteEndRecord(w, kTopicItems, true, {2});
  for (const FlightRecord& flight : book.flights)
    WriteFlight(w, flight);
  WriteEndRecord(w, FlightItems(FileVersion::v1_3), false, {18, 22}, saveTime);
  for (const OrderRow& row : book.order.Rows())
    WriteOrder(w, row);
  WriteEndRecord(w, kOrderItems, false, {});

  if (w.LongestRecord() >= kMaxRecordLength) return std::nullopt;
  return w.Finish();
}

std::optional<std::string> FormatLogbookFile(const Logbook& book, DateTime saveTime) {
  std::optional<std::string> text = FormatLogbookText(book, saveTime);
  if (!text) return std::nullopt;
  // ASCII is written the same in both encodings.
  if (IsAsciiText(*text)) return text;
  return EncodeFileText(*text);
}

}  // namespace aloftra
