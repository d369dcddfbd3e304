#include "core/LogbookReader.h"

#include <optional>
#include <vector>

#include "core/FileItems.h"
#include "core/LogbookFormat.h"
#include "core/LogbookRepair.h"
#include "core/TextEncoding.h"

namespace aloftra {

namespace {

std::optional<FileVersion> VersionFromText(std::string_view text) {
  if (text == "1.0" || text == "1.1") return FileVersion::v1_1;
  if (text == "1.2") return FileVersion::v1_2;
  if (text == "1.3") return FileVersion::v1_3;
  return std::nullopt;
}

void ReadPilotTotals(ItemReader& r, PilotTotals& t) {
  r.Int32(t.AIRTIME_PREV);
  r.Int32(t.AIRTIME_SOLO);
  r.Int32(t.AIRTIME_TANDEM);
  r.Int16(t.DAYS_PREV);
  r.Int16(t.DAYS_SOLO);
  r.Int16(t.DAYS_TANDEM);
  r.Int16(t.DAYS_TOTAL);
  r.Int16(t.best.DISTANCE_FLIGHT);
  r.Int16(t.FLIGHTS_PREV);
  r.Int16(t.FLIGHTS_SOLO);
  r.Int16(t.FLIGHTS_TANDEM);
  r.Int16(t.GLIDERS_FLOWN);
  r.Int16(t.best.HIGHEST_FLIGHT);
  r.Int16(t.best.LONGEST_FLIGHT);
  r.Int16(t.best.OVER_LAUNCH_FLIGHT);
  r.Int16(t.SITES_FLOWN);
}

void ReadGlider(ItemReader& r, GliderRecord& g) {
  r.Text(g.COLOR);
  r.Text(g.DATE_OF_MFG);
  r.Int16(g.GLIDER_RESERVED);
  r.ClassIndex(g.DHV);
  r.ClassIndex(g.AFNOR);
  r.Int16(g.best.DISTANCE_FLIGHT);
  r.Int16(g.FLIGHTS);
  r.Int16(g.FLYING_DAYS);
  r.Text(g.GLIDER_NAME);
  r.Byte(g.HANG_GLIDER);
  r.Byte(g.PARAGLIDER);
  r.Int16(g.best.HIGHEST_FLIGHT);
  r.Int16(g.best.LONGEST_FLIGHT);
  r.Text(g.MANUFACTURER);
  r.Text(g.MODEL);
  r.Text(g.NOTES);
  r.Int16(g.best.OVER_LAUNCH_FLIGHT);
  r.Byte(g.SOLO);
  r.Byte(g.TANDEM);
  r.Int32(g.PRE_AIRTIME);
  r.Text(g.SERIAL_NO);
  r.Text(g.SIZE);
  r.Int32(g.TOTAL_AIRTIME);
  r.Single(g.WEIGHT_MAX);
  r.Single(g.WEIGHT_MIN);
}

void ReadSite(ItemReader& r, FileVersion version, SiteRecord& s) {
  r.Int16(s.AVG_AIRTIME);
  r.Text(s.DESCRIPTION);
  for (Flag& flag : s.DIFFICULTY)
    r.Byte(flag);
  r.Int16(s.best.DISTANCE_FLIGHT);
  r.Int16(s.FLIGHTS);
  r.Int16(s.FLYING_DAYS);
  r.Int16(s.best.HIGHEST_FLIGHT);
  r.Int16(s.LANDING_MSL);
  r.Int16(s.LAUNCH_MSL);
  r.Text(s.LOCATION);
  r.Int16(s.best.LONGEST_FLIGHT);
  r.Int16(s.best.OVER_LAUNCH_FLIGHT);
  r.Text(s.SITE_NAME);
  r.Int32(s.TOTAL_AIRTIME);
  r.WindMask(s.WIND_FLAGS);
  if (version == FileVersion::v1_3) r.Text(s.URL);
}

void ReadTopic(ItemReader& r, NoteTopic& topic) {
  r.Text(topic.TOPIC);
  r.Text(topic.NOTE_TEXT);
}

void ReadFlight(ItemReader& r, FileVersion version, FlightRecord& f) {
  r.Int16(f.AIRTIME);
  r.Single(f.BASE_WIND);
  r.Date(f.DATE);
  r.Single(f.XC_DISTANCE);
  r.Int16(f.FLIGHT_NO);
  r.Int16(f.GLIDER_INDEX);
  r.Byte(f.HIGHLIGHT);
  r.Int16(f.LANDING_MSL);
  r.Int16(f.LAUNCH_MSL);
  r.Int16(f.MAX_LIFT);
  r.Int16(f.MAX_MSL);
  r.Int16(f.MAX_SINK);
  r.Byte(f.NON_FLYING);
  r.Int16(f.OVER_LAUNCH);
  r.Single(f.PEAK_WIND);
  r.Byte(f.SOLO);
  r.Byte(f.TANDEM);
  r.Text(f.REMARKS);
  r.Int16(f.SITE_INDEX);
  r.Byte(f.TURBULENCE);
  r.Int16(f.XC_TYPE);
  if (version == FileVersion::v1_3) r.Text(f.GPS_COORDS);
  r.WindMask(f.WIND_FLAGS);
}

void ReadOrder(ItemReader& r, OrderRow& row) {
  for (int key : kOrderItemKeys)
    r.Int16(row[key]);
}

// Reads the records of a file from top to bottom. Each step returns false once the reading
// has failed; result_ then says why.
class LogbookParser {
 public:
  // windows1252: the text items are in that encoding and are decoded as they are read.
  LogbookParser(std::string_view text, Logbook& book, bool windows1252)
      : records_(text), book_(book), windows1252_(windows1252) {}

  LogbookReadResult Run() {
    if (!ReadHeader() || !ReadFixedRecords()) return result_;
    const FileVersion v = version_;
    const bool listsRead = ReadList(book_.gliders, kGliderItems, "glider",
                                    [](ItemReader& r, GliderRecord& g) {
                                      ReadGlider(r, g);
                                      return g.COLOR == kEndText;
                                    }) &&
                           ReadList(book_.sites, SiteItems(v), "site",
                                    [v](ItemReader& r, SiteRecord& s) {
                                      ReadSite(r, v, s);
                                      return s.AVG_AIRTIME == kEndNumber;
                                    }) &&
                           ReadList(book_.topics, kTopicItems, "notes",
                                    [](ItemReader& r, NoteTopic& t) {
                                      ReadTopic(r, t);
                                      return t.TOPIC == kEndText;
                                    }) &&
                           ReadList(book_.flights, FlightItems(v), "flight",
                                    [v](ItemReader& r, FlightRecord& f) {
                                      ReadFlight(r, v, f);
                                      return f.AIRTIME == kEndNumber;
                                    }) &&
                           ReadOrders();
    if (!listsRead) return result_;
    RepairLoadedLogbook(book_);
    return result_;
  }

 private:
  // Reads the next record and checks its number of items.
  bool Next(int expectedItems, const char* what) {
    switch (records_.Next(items_)) {
      case RecordStatus::endOfFile:
        return Fail(std::string("the file ends before the ") + what + " record");
      case RecordStatus::malformed:
        return Fail(AtLine(what) + records_.Problem());
      case RecordStatus::ok:
        break;
    }
    if (static_cast<int>(items_.size()) != expectedItems) {
      return Fail(AtLine(what) + std::to_string(items_.size()) +
                  (items_.size() == 1 ? " item" : " items") + " instead of " +
                  std::to_string(expectedItems));
    }
    return true;
  }

  // Reads the next record of a list with parse, which fills a record and tells whether it
  // was the end record.
  template <class Record, class Parse>
  bool NextInList(int expectedItems, const char* what, Record& record, Parse parse, bool& isEnd) {
    if (!Next(expectedItems, what)) return false;
    ItemReader reader(items_, windows1252_);
    isEnd = parse(reader, record);
    return Check(reader, what);
  }

  template <class Record, class Parse>
  bool ReadList(RecordTable<Record>& table, int expectedItems, const char* what, Parse parse) {
    table.Clear();
    for (;;) {
      Record record;
      bool isEnd = false;
      if (!NextInList(expectedItems, what, record, parse, isEnd)) return false;
      if (isEnd) return true;
      if (table.Full()) return Fail(TooLong(what));
      table.Append(std::move(record));
    }
  }

  bool ReadOrders() {
    std::vector<OrderRow>& rows = book_.order.Rows();
    rows.clear();
    for (;;) {
      OrderRow row{};
      bool isEnd = false;
      auto parse = [](ItemReader& r, OrderRow& read) {
        ReadOrder(r, read);
        return read[kOrderItemKeys[0]] == kEndNumber;
      };
      if (!NextInList(kOrderItems, "order", row, parse, isEnd)) return false;
      if (isEnd) return true;
      if (static_cast<int>(rows.size()) >= kMaxSlots) return Fail(TooLong("order"));
      rows.push_back(row);
    }
  }

  bool ReadHeader() {
    if (!Next(kHeaderItems, "header")) return false;
    std::optional<FileVersion> version = VersionFromText(items_[1].text);
    if (!version) {
      result_ = {LogbookReadError::unknownVersion,
                 "unknown version \"" + std::string(items_[1].text.substr(0, 20)) + "\""};
      return false;
    }
    version_ = *version;
    return true;
  }

  bool ReadFixedRecords() {
    if (!Next(kPilotItems, "pilot")) return false;
    ItemReader pilot(items_, windows1252_);
    pilot.Text(book_.pilot.PILOT_NAME);
    pilot.Text(book_.pilot.EMAIL);
    pilot.Text(book_.pilot.PHONE_NO);
    pilot.Text(book_.pilot.MEMBER_NO);
    pilot.Byte(book_.pilot.REGION);
    if (!Check(pilot, "pilot")) return false;

    for (int half = 0; half < 2; ++half) {
      if (!Next(kAwardItemsPerWing, "award")) return false;
      ItemReader awards(items_, windows1252_);
      for (int i = 0; i < kAwardItemsPerWing; ++i) {
        awards.Byte(book_.pilot.AWARD_FLAGS[half * kAwardItemsPerWing + i]);
      }
      if (!Check(awards, "award")) return false;
    }
    for (PilotTotals& totals : book_.totals) {
      if (!Next(kTotalsItems, "totals")) return false;
      ItemReader reader(items_, windows1252_);
      ReadPilotTotals(reader, totals);
      if (!Check(reader, "totals")) return false;
    }
    if (!Next(kVarioItems, "vario")) return false;
    ItemReader vario(items_, windows1252_);
    vario.Byte(book_.VARIO_SCALE);
    if (!Check(vario, "vario")) return false;

    if (!Next(kUnitItems, "units")) return false;
    ItemReader units(items_, windows1252_);
    for (Flag& flag : book_.UNIT_FLAGS)
      units.Byte(flag);
    return Check(units, "units");
  }

  bool Check(const ItemReader& reader, const char* what) {
    return !reader.Failed() || Fail(AtLine(what) + reader.Problem());
  }

  std::string AtLine(const char* what) const {
    return "line " + std::to_string(records_.RecordLine()) + ": " + what + " record: ";
  }

  static std::string TooLong(const char* what) {
    return std::string("more than ") + std::to_string(kMaxSlots) + " " + what +
           " records before the end record";
  }

  bool Fail(std::string detail) {
    result_ = {LogbookReadError::cannotOpen, std::move(detail)};
    return false;
  }

  RecordTokenizer records_;
  std::vector<FileItem> items_;
  Logbook& book_;
  bool windows1252_;
  FileVersion version_ = FileVersion::v1_3;
  LogbookReadResult result_;
};

}  // namespace

LogbookReadResult ReadLogbookText(std::string_view text, Logbook& book) {
  return LogbookParser(text, book, false).Run();
}

LogbookReadResult ReadLogbookFile(std::string_view bytes, Logbook& book) {
  // The separators of the records are ASCII, the same bytes in both encodings, so a
  // Windows-1252 file is split as it is and only its text items are decoded.
  if (IsValidUtf8(bytes)) return ReadLogbookText(WithoutByteOrderMark(bytes), book);
  return LogbookParser(bytes, book, true).Run();
}

}  // namespace aloftra
