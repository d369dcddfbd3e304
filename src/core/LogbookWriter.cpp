#include "core/LogbookWriter.h"

#include <algorithm>
#include <concepts>
#include <initializer_list>
#include <type_traits>

#include "core/FileItems.h"
#include "core/LogbookFormat.h"
#include "core/RecordFields.h"
#include "core/TextEncoding.h"

namespace aloftra {

namespace {

// Writes a record's fields as items, each as its type is stored.
class FieldWriter {
 public:
  explicit FieldWriter(RecordWriter& items) : items_(items) {}

  template <class Value>
  void operator()(const FieldInfo&, const Value& value) {
    Write(value);
  }

 private:
  void Write(const std::string& text) { items_.Text(text); }
  void Write(DateTime value) { items_.Date(value); }
  void Write(float value) { items_.Single(value); }
  template <std::integral Integer>
  void Write(Integer value) {
    items_.Integer(value);
  }
  template <std::size_t N>
  void Write(const std::array<Flag, N>& flags) {
    for (Flag flag : flags)
      items_.Integer(flag);
  }
  template <std::size_t N>
  void Write(ClassIndexItem<const std::array<Flag, N>> item) {
    items_.ClassIndex(item.flags);
  }
  void Write(WindMaskItem<const WindFlags> item) { items_.WindMask(item.flags); }
  // A first item that would read as the end marker is written slightly changed so no record
  // after it is lost: a text of exactly "-1" (a glider's COLOR, a topic's name) gains a
  // trailing blank, and the number -1 (a site's AVG_AIRTIME or a flight's AIRTIME, derived
  // or positive in practice) becomes 0.
  void Write(EndMarkerItem<const std::string> item) {
    items_.Text(item.value == kEndText ? "-1 " : std::string_view(item.value));
  }
  void Write(EndMarkerItem<const std::int16_t> item) {
    items_.Integer(item.value == kEndNumber ? 0 : item.value);
  }

  RecordWriter& items_;
};

template <class Record>
void WriteRecord(RecordWriter& w, const Record& record) {
  ForEachField(record, FieldWriter(w));
  w.EndRecord();
}

// The length of a record's text items.
template <class Record>
std::size_t TextLength(const Record& record) {
  std::size_t length = 0;
  auto add = [&length](const std::string& text) { length += text.size(); };
  ForEachField(record, [&](const FieldInfo&, const auto& value) {
    using Value = std::remove_cvref_t<decltype(value)>;
    if constexpr (std::is_same_v<Value, std::string>) add(value);
    if constexpr (std::is_same_v<Value, EndMarkerItem<const std::string>>) add(value.value);
  });
  return length;
}

// An end record: the marker, then empty text at the given 1-based positions and 0 elsewhere.
// The layout of each end record is the file's own and not quite its list's fields (a site's
// end record holds 0 where LOCATION stands), so it is spelled out here.
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
  WriteRecord(w, pilot);
  for (int half = 0; half < 2; ++half) {
    for (int i = 0; i < kAwardItemsPerWing; ++i) {
      w.Integer(pilot.AWARD_FLAGS[half * kAwardItemsPerWing + i]);
    }
    w.EndRecord();
  }
}

void WriteSettings(RecordWriter& w, const Logbook& book) {
  w.Integer(book.VARIO_SCALE);
  w.EndRecord();
  for (Flag flag : book.UNIT_FLAGS)
    w.Integer(flag);
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
  for (const GliderRecord& g : book.gliders)
    length += 200 + TextLength(g);
  for (const SiteRecord& s : book.sites)
    length += 150 + TextLength(s);
  for (const NoteTopic& t : book.topics)
    length += 10 + TextLength(t);
  for (const FlightRecord& f : book.flights)
    length += 200 + TextLength(f);
  return length + 40 * static_cast<std::size_t>(book.order.RowCount());
}

}  // namespace

std::optional<std::string> FormatLogbookText(const Logbook& book, DateTime saveTime) {
  RecordWriter w(ExpectedLength(book));
  WriteHeader(w);
  WritePilot(w, book.pilot);
  WriteRecord(w, book.totals[kHangGliding]);
  WriteRecord(w, book.totals[kParagliding]);
  WriteSettings(w, book);

  for (const GliderRecord& glider : book.gliders)
    WriteRecord(w, glider);
  WriteEndRecord(w, kGliderItems, true, {2, 9, 14, 15, 16, 21, 22});
  for (const SiteRecord& site : book.sites)
    WriteRecord(w, site);
  WriteEndRecord(w, SiteItems(FileVersion::v1_3), false, {2, 16, 19});
  for (const NoteTopic& topic : book.topics)
    WriteRecord(w, topic);
  WriteEndRecord(w, kTopicItems, true, {2});
  for (const FlightRecord& flight : book.flights)
    WriteRecord(w, flight);
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
