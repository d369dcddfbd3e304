// Reading logbook files: every version, what older and hand-edited files hold, and every way
// a file can be unfit to open.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "core/DateTime.h"
#include "core/FileItems.h"
#include "core/LogbookReader.h"
#include "core/LogbookWriter.h"
#include "support/LogbookSamples.h"

namespace aloftra {
namespace {

// The lines of the golden file, split at CR LF (the topic's text holds one, so its record
// spans lines 13 and 14).
enum GoldenLine {
  kHeader = 0,
  kPilot = 1,
  kHgAwards = 2,
  kHgTotals = 4,
  kVario = 6,
  kUnits = 7,
  kGlider = 8,
  kGliderEnd = 10,
  kSite = 11,
  kSiteEnd = 12,
  kTopicEnd = 15,
  kFlight = 16,
  kFlightEnd = 19,
  kOrder = 20,
  kOrderEnd = 22,
};

std::vector<std::string> GoldenLines() {
  const std::string text = TestDataFile("logbook-small.log");
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

std::string Join(const std::vector<std::string>& lines, const std::string& lineEnd = "\r\n") {
  std::string text;
  for (const std::string& line : lines)
    text += line + lineEnd;
  return text;
}

// The golden file with one line changed.
std::string GoldenWith(int line, const std::string& replacement) {
  std::vector<std::string> lines = GoldenLines();
  lines[line] = replacement;
  return Join(lines);
}

// Replaces the item at a 0-based position of a record line.
std::string WithItem(std::string line, int item, const std::string& value) {
  std::size_t begin = 0;
  bool quoted = false;
  for (int i = 0; i < item; ++begin) {
    if (line[begin] == '"') quoted = !quoted;
    if (line[begin] == ',' && !quoted) ++i;
  }
  std::size_t end = begin;
  for (quoted = false; end < line.size() && (quoted || line[end] != ','); ++end) {
    if (line[end] == '"') quoted = !quoted;
  }
  return line.replace(begin, end - begin, value);
}

LogbookReadResult Read(const std::string& bytes, Logbook& book) {
  book.ResetToNew();
  return ReadLogbookFile(bytes, book);
}

TEST(LogbookReaderTest, GoldenFileReadsBackTheLogbookItWasWrittenFrom) {
  Logbook book;
  LogbookReadResult result = Read(TestDataFile("logbook-small.log"), book);
  ASSERT_TRUE(result.ok()) << result.detail;
  Logbook expected = SmallLogbook();
  expected.pilot.PILOT_NAME = "Renée 'Ace' Roe";
  expected.topics[0].NOTE_TEXT = "Harness: 'Sky'\r\nReserve packed";
  ExpectSameFileContent(expected, book);
}

TEST(LogbookReaderTest, AfterReadingTheLastRowAndHighestLiveEntriesAreCurrent) {
  Logbook book;
  book.gliders.Append(GliderRecord{});  // left over: the reader starts its tables afresh
  ASSERT_TRUE(ReadLogbookFile(TestDataFile("logbook-small.log"), book).ok());
  EXPECT_EQ(2, book.gliders.SlotCount());
  EXPECT_EQ(1, book.LastPosition());
  EXPECT_EQ(1, book.doc.CurrentPosition);
  EXPECT_EQ(0, book.doc.currentGlider);  // slot 1 is free
  EXPECT_EQ(0, book.doc.currentSite);
  EXPECT_EQ(0, book.doc.currentTopic);
  EXPECT_EQ(2, book.CurrentFlightIndex());  // the last flight in date order
}

TEST(LogbookReaderTest, EmptyLogbookFileReadsBackEmpty) {
  Logbook book;
  ASSERT_TRUE(Read(TestDataFile("logbook-empty.log"), book).ok());
  EXPECT_EQ(-1, book.gliders.LastIndex());
  EXPECT_EQ(-1, book.sites.LastIndex());
  EXPECT_EQ(-1, book.topics.LastIndex());
  EXPECT_EQ(-1, book.flights.LastIndex());
  EXPECT_EQ(-1, book.LastPosition());
  EXPECT_EQ(-1, book.doc.CurrentPosition);
  EXPECT_EQ(-1, book.doc.currentGlider);
  EXPECT_EQ(nullptr, book.CurrentFlight());
  ExpectSameFileContent(Logbook{}, book);
}

void ExpectOlderVersionContent(const Logbook& book, const std::string& pilotName) {
  EXPECT_EQ(pilotName, book.pilot.PILOT_NAME);
  ASSERT_EQ(1, book.gliders.SlotCount());
  EXPECT_EQ("Spectra", book.gliders[0].GLIDER_NAME);
  EXPECT_EQ((std::array<Flag, kDhvClasses>{1, 0, 0, 0, 0}), book.gliders[0].DHV);
  EXPECT_EQ(kOptionSet, book.gliders[0].PARAGLIDER);
  EXPECT_EQ(220.0f, book.gliders[0].WEIGHT_MAX);
  ASSERT_EQ(1, book.sites.SlotCount());
  EXPECT_EQ("Torrey", book.sites[0].SITE_NAME);
  EXPECT_EQ("", book.sites[0].URL);
  EXPECT_EQ(kFlagSet, book.sites[0].WIND_FLAGS[8]);  // W, bit 8 of 256
  EXPECT_EQ(1, static_cast<int>(std::count(book.sites[0].WIND_FLAGS.begin(),
                                           book.sites[0].WIND_FLAGS.end(), kFlagSet)));
  ASSERT_EQ(1, book.topics.SlotCount());
  EXPECT_EQ("Sea breeze after noon", book.topics[0].NOTE_TEXT);
  ASSERT_EQ(1, book.flights.SlotCount());
  const FlightRecord& flight = book.flights[0];
  EXPECT_EQ(MakeDateTime(2000, 5, 6, 12, 0, 0), flight.DATE);
  EXPECT_EQ(42, flight.AIRTIME);
  EXPECT_EQ(15.0f, flight.PEAK_WIND);
  EXPECT_EQ("Soaring the cliffs", flight.REMARKS);
  EXPECT_EQ("", flight.GPS_COORDS);
  EXPECT_EQ(kFlagSet, flight.WIND_FLAGS[8]);
  EXPECT_EQ(0, book.LastPosition());
}

TEST(LogbookReaderTest, ReadsVersion10AsVersion11) {
  Logbook book;
  LogbookReadResult result = Read(TestDataFile("logbook-v1.0.log"), book);
  ASSERT_TRUE(result.ok()) << result.detail;
  ExpectOlderVersionContent(book, "José Hill");  // a Windows-1252 file
}

TEST(LogbookReaderTest, ReadsVersion11WrittenByHandWithBlanksAndLoneLineFeeds) {
  Logbook book;
  LogbookReadResult result = Read(TestDataFile("logbook-v1.1.log"), book);
  ASSERT_TRUE(result.ok()) << result.detail;
  ExpectOlderVersionContent(book, "Sam Hill");
}

TEST(LogbookReaderTest, Version12ReadsWithEmptyUrlAndCoordinatesAndIsWrittenAs13) {
  Logbook book;
  LogbookReadResult result = Read(TestDataFile("logbook-v1.2.log"), book);
  ASSERT_TRUE(result.ok()) << result.detail;
  ExpectOlderVersionContent(book, "Sam Hill");
  EXPECT_EQ(TestDataFile("logbook-v1.2-resaved.log"),
            FormatLogbookFile(book, MakeDateTime(2010, 1, 2, 3, 4, 5)).value_or(""));
}

TEST(LogbookReaderTest, ItemFormsOfOtherWritersAreAccepted) {
  struct Case {
    const char* name;
    int line;
    std::string record;
    std::function<void(const Logbook&)> check;
  };
  const Case cases[] = {
      {"unquoted text", kPilot, "Ann Lee,ann@example.com,,\"\",3",
       [](const Logbook& b) {
         EXPECT_EQ("Ann Lee", b.pilot.PILOT_NAME);
         EXPECT_EQ("ann@example.com", b.pilot.EMAIL);
         EXPECT_EQ("", b.pilot.PHONE_NO);
       }},
      {"blanks around items", kPilot, "  \"A, B\" ,\t\"\" , \"\",\"\",  3  ",
       [](const Logbook& b) {
         EXPECT_EQ("A, B", b.pilot.PILOT_NAME);
         EXPECT_EQ(3, b.pilot.REGION);
       }},
      {"empty numbers read as 0", kHgTotals, ",,,,,,,,,,,,,,,",
       [](const Logbook& b) { EXPECT_EQ(PilotTotals{}.AIRTIME_PREV, b.totals[0].AIRTIME_PREV); }},
      {"signs and leading zeros", kVario, "+003",
       [](const Logbook& b) { EXPECT_EQ(3, b.VARIO_SCALE); }},
      {"real forms", kGlider, WithItem(WithItem(GoldenLines()[kGlider], 24, "5."), 23, "1.5E+02"),
       [](const Logbook& b) {
         EXPECT_EQ(150.0f, b.gliders[0].WEIGHT_MAX);
         EXPECT_EQ(5.0f, b.gliders[0].WEIGHT_MIN);
       }},
      {"real with a leading zero and a small exponent", kFlight,
       WithItem(WithItem(GoldenLines()[kFlight], 1, "0.75"), 14, "-2.5e-1"),
       [](const Logbook& b) {
         EXPECT_EQ(0.75f, b.flights[0].BASE_WIND);
         EXPECT_EQ(-0.25f, b.flights[0].PEAK_WIND);
       }},
      {"date without its # signs", kFlight,
       WithItem(GoldenLines()[kFlight], 2, "2001-07-04 14:30:00"),
       [](const Logbook& b) { EXPECT_EQ(MakeDateTime(2001, 7, 4, 14, 30), b.flights[0].DATE); }},
      {"unquoted end marker", kGliderEnd, "-1" + GoldenLines()[kGliderEnd].substr(4),
       [](const Logbook& b) { EXPECT_EQ(2, b.gliders.SlotCount()); }},
      {"a high wind-mask bit is ignored", kSite, WithItem(GoldenLines()[kSite], 17, "65553"),
       [](const Logbook& b) {
         EXPECT_EQ(1, b.sites[0].WIND_FLAGS[0]);
         EXPECT_EQ(1, b.sites[0].WIND_FLAGS[4]);
         EXPECT_EQ(2, static_cast<int>(std::count(b.sites[0].WIND_FLAGS.begin(),
                                                  b.sites[0].WIND_FLAGS.end(), 1)));
       }},
      {"class index outside its range sets no flag", kGlider,
       WithItem(WithItem(GoldenLines()[kGlider], 3, "9"), 4, "-5"),
       [](const Logbook& b) {
         EXPECT_EQ((std::array<Flag, kDhvClasses>{}), b.gliders[0].DHV);
         EXPECT_EQ((std::array<Flag, kAfnorClasses>{}), b.gliders[0].AFNOR);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Logbook book;
    LogbookReadResult result = Read(GoldenWith(c.line, c.record), book);
    ASSERT_TRUE(result.ok()) << result.detail;
    c.check(book);
  }
}

TEST(LogbookReaderTest, LineEndsAndWhatFollowsTheOrdersDoNotMatter) {
  const std::vector<std::string> lines = GoldenLines();
  std::string noFinalLineEnd = Join(lines);
  noFinalLineEnd.resize(noFinalLineEnd.size() - 2);
  const std::string texts[] = {
      Join(lines, "\n"), noFinalLineEnd,
      Join(lines) + "\r\n\r\nwhatever follows, \"unterminated\x01\x02",
      "\xEF\xBB\xBF" + Join(lines),  // a UTF-8 byte-order mark
  };
  for (const std::string& text : texts) {
    Logbook book;
    LogbookReadResult result = Read(text, book);
    ASSERT_TRUE(result.ok()) << result.detail;
    EXPECT_EQ(3, book.flights.SlotCount());
    EXPECT_EQ(1, book.LastPosition());
    EXPECT_EQ("Smooth, high", book.flights[0].REMARKS);
  }
}

TEST(LogbookReaderTest, TextValuesThatOnlyLookLikeEndMarkersAreRecords) {
  std::vector<std::string> lines = GoldenLines();
  lines[kGlider].replace(0, 12, "\"-1 \"");  // the writer's form of the colour "-1"
  lines[13] = "\" -1\",\"" + lines[13].substr(8);
  Logbook book;
  LogbookReadResult result = Read(Join(lines), book);
  ASSERT_TRUE(result.ok()) << result.detail;
  EXPECT_EQ("-1 ", book.gliders[0].COLOR);
  EXPECT_EQ(" -1", book.topics[0].TOPIC);
  EXPECT_EQ(2, book.gliders.SlotCount());
  EXPECT_EQ(1, book.topics.SlotCount());
}

TEST(LogbookReaderTest, AFullListOf32767RecordsIsRead) {
  std::vector<std::string> lines = GoldenLines();
  lines.erase(lines.begin() + 13, lines.begin() + 15);
  lines.insert(lines.begin() + 13, kMaxSlots, "\"Topic\",\"\"");
  Logbook book;
  LogbookReadResult result = Read(Join(lines), book);
  ASSERT_TRUE(result.ok()) << result.detail;
  EXPECT_EQ(kMaxSlots, book.topics.SlotCount());
}

std::string GarbageBytes(unsigned seed, std::size_t size) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes)
    c = static_cast<char>(random() & 0xFF);
  return bytes;
}

TEST(LogbookReaderTest, EveryUnfitFileIsRefusedWithTheRightError) {
  using E = LogbookReadError;
  const std::string golden = Join(GoldenLines());
  auto withTopics = [](int count) {
    std::vector<std::string> lines = GoldenLines();
    lines.insert(lines.begin() + 13, count, "\"Topic\",\"\"");
    return Join(lines);
  };
  auto withOrderRows = [](int count) {
    std::vector<std::string> lines = GoldenLines();
    lines.insert(lines.begin() + kOrder, count, "0,0,0,0,0");
    return Join(lines);
  };
  auto without = [](int line) {
    std::vector<std::string> lines = GoldenLines();
    lines.erase(lines.begin() + line);
    return Join(lines);
  };
  const std::string flight = GoldenLines()[kFlight];
  struct Case {
    const char* name;
    std::string bytes;
    E error;
  };
  const Case cases[] = {
      {"empty file", "", E::cannotOpen},
      {"header only", "\"Aloftra\",\"1.3\"\r\n", E::cannotOpen},
      {"truncated in the flights", golden.substr(0, golden.find("60,12.5")), E::cannotOpen},
      {"truncated inside a text", golden.substr(0, golden.find("Smooth") + 3), E::cannotOpen},
      {"version 1.4", GoldenWith(kHeader, "\"Aloftra\",\"1.4\""), E::unknownVersion},
      {"version 2", GoldenWith(kHeader, "\"Aloftra\",\"2\""), E::unknownVersion},
      {"empty version", GoldenWith(kHeader, "\"Aloftra\",\"\""), E::unknownVersion},
      {"one-item header", GoldenWith(kHeader, "\"Aloftra 1.3\""), E::cannotOpen},
      {"pilot record short an item", GoldenWith(kPilot, "\"A\",\"\",\"\",3"), E::cannotOpen},
      {"pilot record with an extra item", GoldenWith(kPilot, "\"A\",\"\",\"\",\"\",3,4"),
       E::cannotOpen},
      {"trailing comma", GoldenWith(kVario, "2,"), E::cannotOpen},
      {"19-item site in a 1.2 file",
       [] {
         std::vector<std::string> lines = GoldenLines();
         lines[kHeader] = "\"Aloftra\",\"1.2\"";
         return Join(lines);
       }(),
       E::cannotOpen},
      {"I2 too large", GoldenWith(kFlight, WithItem(flight, 8, "40000")), E::cannotOpen},
      {"I2 too small", GoldenWith(kFlight, WithItem(flight, 8, "-32769")), E::cannotOpen},
      {"I2 with a fraction", GoldenWith(kFlight, WithItem(flight, 8, "12.0")), E::cannotOpen},
      {"I2 in exponent form", GoldenWith(kFlight, WithItem(flight, 8, "1E3")), E::cannotOpen},
      {"I2 not a number", GoldenWith(kFlight, WithItem(flight, 8, "abc")), E::cannotOpen},
      {"I2 lone sign", GoldenWith(kFlight, WithItem(flight, 8, "-")), E::cannotOpen},
      {"I4 too large", GoldenWith(kHgTotals, "2147483648,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0"),
       E::cannotOpen},
      {"byte too large", GoldenWith(kVario, "256"), E::cannotOpen},
      {"negative byte", GoldenWith(kHgAwards, "-1" + GoldenLines()[kHgAwards].substr(1)),
       E::cannotOpen},
      {"R4 too large for a float", GoldenWith(kFlight, WithItem(flight, 1, "1E39")), E::cannotOpen},
      {"R4 with two points", GoldenWith(kFlight, WithItem(flight, 1, "1.2.3")), E::cannotOpen},
      {"R4 infinity", GoldenWith(kFlight, WithItem(flight, 1, "inf")), E::cannotOpen},
      {"R4 not a number", GoldenWith(kFlight, WithItem(flight, 1, "nan")), E::cannotOpen},
      {"impossible date", GoldenWith(kFlight, WithItem(flight, 2, "#2001-02-30#")), E::cannotOpen},
      {"not a date", GoldenWith(kFlight, WithItem(flight, 2, "#yesterday#")), E::cannotOpen},
      {"text after the closing quote", GoldenWith(kPilot, "\"A\"x,\"\",\"\",\"\",3"),
       E::cannotOpen},
      {"no order end record", without(kOrderEnd), E::cannotOpen},
      {"no flight end record", without(kFlightEnd), E::cannotOpen},
      {"no glider end record", without(kGliderEnd), E::cannotOpen},
      {"40,000 topics", withTopics(40000), E::cannotOpen},
      {"32,768 topics", withTopics(kMaxSlots), E::cannotOpen},  // one is in the file already
      {"40,000 order rows", withOrderRows(40000), E::cannotOpen},
      {"a megabyte line", GoldenWith(kVario, std::string(kMaxRecordLength, '7')), E::cannotOpen},
      {"a megabyte text",
       GoldenWith(kPilot, "\"" + std::string(kMaxRecordLength, 'a') + "\",\"\",\"\",\"\",3"),
       E::cannotOpen},
      {"a line of commas", GoldenWith(kVario, std::string(100000, ',')), E::cannotOpen},
      {"binary garbage", GarbageBytes(1, 5000), E::cannotOpen},
      {"binary garbage after the header", GoldenLines()[kHeader] + "\r\n" + GarbageBytes(2, 5000),
       E::cannotOpen},
      {"NUL bytes", std::string(300, '\0'), E::cannotOpen},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Logbook book;
    LogbookReadResult result = Read(c.bytes, book);
    EXPECT_EQ(c.error, result.error) << result.detail;
    EXPECT_FALSE(result.detail.empty());
  }
}

TEST(LogbookReaderTest, FailureDetailNamesTheLineAndTheReason) {
  Logbook book;
  const std::string flight = GoldenLines()[kFlight];
  LogbookReadResult result = Read(GoldenWith(kFlight, WithItem(flight, 8, "40000")), book);
  EXPECT_EQ(
      "line 17: flight record: item 9 (\"40000\") is not a whole number from -32768 to "
      "32767",
      result.detail);
  result = Read(GoldenWith(kPilot, "\"A\",\"\",3"), book);
  EXPECT_EQ("line 2: pilot record: 3 items instead of 5", result.detail);
  result = Read(GoldenWith(kHeader, "\"Aloftra\",\"1.4\""), book);
  EXPECT_EQ("unknown version \"1.4\"", result.detail);
}

}  // namespace
}  // namespace aloftra
