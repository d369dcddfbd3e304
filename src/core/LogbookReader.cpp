#include "core/LogbookReader.h"

#include <optional>
#include <vector>

#include "core/FileItems.h"
#include "core/LogbookFormat.h"
#include "core/LogbookRepair.h"
#include "core/RecordFields.h"
#include "core/TextEncoding.h"

namespace aloftra {

namespace {

std::optional<FileVersion> VersionFromText(std::string_view text) {
  if (text == "1.0" || text == "1.1") return FileVersion::v1_1;
  if (text == "1.2") return FileVersion::v1_2;
  if (text == "1.3") return FileVersion::v1_3;
  return std::nullopt;
}

// Reads a record's items into its fields, each as its type is stored, skipping the fields
// that the file's version lacks.
class FieldReader {
 public:
  FieldReader(ItemReader& items, FileVersion version) : items_(items), version_(version) {}

  template <class Value>
  void operator()(const FieldInfo& field, Value&& value) {
    if (field.since <= version_) Read(value);
  }

  // Whether the record read is the end record of its list.
  bool IsEndRecord() const { return isEnd_; }

 private:
  void Read(std::string& out) { items_.Text(out); }
  void Read(DateTime& out) { items_.Date(out); }
  void Read(float& out) { items_.Single(out); }
  void Read(std::int16_t& out) { items_.Int16(out); }
  void Read(std::int32_t& out) { items_.Int32(out); }
  void Read(std::uint8_t& out) { items_.Byte(out); }
  template <std::size_t N>
  void Read(std::array<Flag, N>& flags) {
    for (Flag& flag : flags)
      items_.Byte(flag);
  }
  template <std::size_t N>
  void Read(ClassIndexItem<std::array<Flag, N>> item) {
    items_.ClassIndex(item.flags);
  }
  void Read(WindMaskItem<WindFlags> item) { items_.WindMask(item.flags); }
  void Read(EndMarkerItem<std::string> item) {
    Read(item.value);
    isEnd_ = item.value == kEndText;
  }
  void Read(EndMarkerItem<std::int16_t> item) {
    Read(item.value);
    isEnd_ = item.value == kEndNumber;
  }

  ItemReader& items_;
  FileVersion version_;
  bool isEnd_ = false;
};

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
    const bool listsRead = ReadList(book_.gliders, kGliderItems, "glider") &&
                           ReadList(book_.sites, SiteItems(v), "site") &&
                           ReadList(book_.topics, kTopicItems, "notes") &&
                           ReadList(book_.flights, FlightItems(v), "flight") && ReadOrders();
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

  // Reads the next record into the fields of a record; false when the reading failed.
  template <class Record>
  bool ReadRecord(int expectedItems, const char* what, Record& record, bool& isEnd) {
    if (!Next(expectedItems, what)) return false;
    ItemReader items(items_, windows1252_);
    FieldReader fields(items, version_);
    ForEachField(record, fields);
    isEnd = fields.IsEndRecord();
    return Check(items, what);
  }

  template <class Record>
  bool ReadList(RecordTable<Record>& table, int expectedItems, const char* what) {
    table.Clear();
    for (;;) {
      Record record;
      bool isEnd = false;
      if (!ReadRecord(expectedItems, what, record, isEnd)) return false;
      if (isEnd) return true;
      if (table.Full()) return Fail(TooLong(what));
      table.Append(std::move(record));
    }
  }

  bool ReadOrders() {
    std::vector<OrderRow>& rows = book_.order.Rows();
    rows.clear();
    for (;;) {
      if (!Next(kOrderItems, "order")) return false;
      ItemReader items(items_, windows1252_);
      OrderRow row{};
      for (int key : kOrderItemKeys)
        items.Int16(row[key]);
      if (!Check(items, "order")) return false;
      if (row[kOrderItemKeys[0]] == kEndNumber) return true;
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
    bool isEnd = false;  // fixed records have no end record
    if (!ReadRecord(kPilotItems, "pilot", book_.pilot, isEnd)) return false;
    for (int half = 0; half < 2; ++half) {
      if (!Next(kAwardItemsPerWing, "award")) return false;
      ItemReader awards(items_, windows1252_);
      for (int i = 0; i < kAwardItemsPerWing; ++i) {
        awards.Byte(book_.pilot.AWARD_FLAGS[half * kAwardItemsPerWing + i]);
      }
      if (!Check(awards, "award")) return false;
    }
    for (PilotTotals& totals : book_.totals) {
      if (!ReadRecord(kTotalsItems, "totals", totals, isEnd)) return false;
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
