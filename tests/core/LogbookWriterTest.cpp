// The bytes of written logbook files.
#include <gtest/gtest.h>

#include "core/DateTime.h"
#include "core/FileItems.h"
#include "core/LogbookWriter.h"
#include "core/Numbers.h"
#include "support/LogbookSamples.h"

namespace aloftra {
namespace {

std::string Written(const Logbook& book, DateTime saveTime = MakeDateTime(2002, 2, 3, 4, 5, 6)) {
  std::optional<std::string> bytes = FormatLogbookFile(book, saveTime);
  EXPECT_TRUE(bytes.has_value());
  return bytes.value_or("");
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

// Header, pilot, awards, item forms (.5, -.25, 1230, 1E-05), both date forms, the wind mask
// 17 for E and N, class indices, free slots at their index, end records, quotes written as
// apostrophes, Windows-1252 bytes and CR LF after every record.
TEST(LogbookWriterTest, SmallLogbookMatchesTheGoldenFileByteForByte) {
  EXPECT_EQ(TestDataFile("logbook-small.log"), Written(SmallLogbook(), SmallLogbookSaveTime()));
}

TEST(LogbookWriterTest, EmptyLogbookIsHeaderFixedRecordsAndFiveEndRecords) {
  EXPECT_EQ(TestDataFile("logbook-empty.log"), Written(Logbook{}));
}

TEST(LogbookWriterTest, FlightEndRecordCarriesTheSaveTime) {
  std::vector<std::string> lines =
      Lines(Written(Logbook{}, MakeDateTime(2024, 12, 31, 23, 59, 58)));
  ASSERT_EQ(13u, lines.size());
  EXPECT_EQ("-1,0,#2024-12-31 23:59:58#,0,0,0,0,0,0,0,0,0,0,0,0,0,0,\"\",0,0,0,\"\",0", lines[11]);
}

TEST(LogbookWriterTest, DoubleQuotesInEveryTextBecomeApostrophes) {
  Logbook book;
  book.pilot.PILOT_NAME = "\"Ace\"";
  GliderRecord glider;
  glider.GLIDER_NAME = "Say \"cheese\"";
  glider.NOTES = "\"";
  book.gliders.Append(glider);
  book.topics.Append({"\"Q\"", "a \"b\" c"});
  FlightRecord flight;
  flight.DATE = MakeDateTime(2001, 1, 1);
  flight.REMARKS = "\"\"\"";
  flight.GPS_COORDS = "N 36\" 39'";
  book.flights.Append(flight);
  book.order.Rows() = {{0, 0, 0, 0, 0}};

  const std::string text = Written(book);
  const std::vector<std::string> lines = Lines(text);
  EXPECT_EQ("\"'Ace'\",\"\",\"\",\"\",0", lines[1]);
  EXPECT_NE(std::string::npos, lines[8].find("\"Say 'cheese'\""));
  EXPECT_NE(std::string::npos, lines[8].find(",\"'\","));
  EXPECT_EQ("\"'Q'\",\"a 'b' c\"", lines[11]);
  EXPECT_NE(std::string::npos, text.find(",\"'''\","));
  EXPECT_NE(std::string::npos, text.find(",\"N 36' 39'\","));
}

TEST(LogbookWriterTest, ReplaceQuotesReplacesEveryDoubleQuote) {
  EXPECT_EQ("", ReplaceQuotes(""));
  EXPECT_EQ("no quotes", ReplaceQuotes("no quotes"));
  EXPECT_EQ("''a''b'", ReplaceQuotes("\"\"a\"\"b\""));
}

// The end records are recognised by their first item: a value that reads as the end marker
// must never be written as it stands, or every later record would be lost.
TEST(LogbookWriterTest, FirstItemsThatWouldReadAsEndMarkersAreWrittenChanged) {
  Logbook book;
  GliderRecord glider;
  glider.GLIDER_NAME = "Red one";
  glider.COLOR = "-1";
  book.gliders.Append(glider);
  SiteRecord site;
  site.SITE_NAME = "Hill";
  site.AVG_AIRTIME = -1;
  book.sites.Append(site);
  book.topics.Append({"-1", "minus one"});
  FlightRecord flight;
  flight.DATE = MakeDateTime(2001, 1, 1);
  flight.AIRTIME = -1;
  book.flights.Append(flight);
  book.order.Rows() = {{0, 0, 0, 0, 0}};

  const std::vector<std::string> lines = Lines(Written(book));
  ASSERT_EQ(18u, lines.size());
  EXPECT_EQ("\"-1 \",", lines[8].substr(0, 6));
  EXPECT_EQ("\"-1\",", lines[9].substr(0, 5));  // the real end record
  EXPECT_EQ("0,\"\",", lines[10].substr(0, 5));
  EXPECT_EQ("\"-1 \",\"minus one\"", lines[12]);
  EXPECT_EQ("0,0,#2001-01-01#", lines[14].substr(0, 16));
}

TEST(LogbookWriterTest, ClassIndexIsTheHighestFlagHoldingOne) {
  struct Case {
    std::array<Flag, kDhvClasses> dhv;
    std::array<Flag, kAfnorClasses> afnor;
    std::string items;  // items 4 and 5 of the glider record
  };
  const Case cases[] = {
      {{0, 0, 0, 0, 0}, {0, 0, 0, 0}, "-1,-1"},   {{1, 0, 0, 0, 0}, {0, 0, 0, 1}, "0,3"},
      {{0, 1, 0, 1, 0}, {1, 1, 0, 0}, "3,1"},      // several set: the highest
      {{0, 0, 255, 0, 0}, {0, 0, 2, 0}, "-1,-1"},  // only the value 1 counts
      {{0, 0, 0, 0, 1}, {0, 0, 1, 0}, "4,2"},
  };
  for (const Case& c : cases) {
    Logbook book;
    GliderRecord glider;
    glider.GLIDER_NAME = "G";
    glider.DHV = c.dhv;
    glider.AFNOR = c.afnor;
    book.gliders.Append(glider);
    EXPECT_EQ("\"\",\"\",0," + c.items + ",", Lines(Written(book))[8].substr(0, 9 + c.items.size()))
        << c.items;
  }
}

TEST(LogbookWriterTest, WindMaskCountsOnlyFlagsHoldingOne) {
  struct Case {
    std::vector<int> points;
    Flag value;
    std::string mask;
  };
  const Case cases[] = {
      {{}, 1, "0"},       {{0, 4}, 1, "17"},
      {{15}, 1, "32768"}, {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 1, "65535"},
      {{0, 4}, 255, "0"},
  };
  for (const Case& c : cases) {
    Logbook book;
    SiteRecord site;
    site.SITE_NAME = "S";
    for (int point : c.points)
      site.WIND_FLAGS[point] = c.value;
    book.sites.Append(site);
    const std::string line = Lines(Written(book))[9];
    EXPECT_EQ("," + c.mask + ",\"\"", line.substr(line.rfind(',', line.size() - 4))) << c.mask;
  }
}

TEST(LogbookWriterTest, TextOutsideWindows1252IsWrittenAsUtf8) {
  Logbook book;
  book.pilot.PILOT_NAME = "Renée";
  EXPECT_NE(std::string::npos, Written(book).find("\"Ren\xE9"
                                                  "e\""));
  book.pilot.EMAIL = "€";  // in Windows-1252 too
  EXPECT_NE(std::string::npos, Written(book).find("\"\x80\""));
  book.topics.Append({"Paweł", ""});  // not in Windows-1252: the whole file turns UTF-8
  const std::string text = Written(book);
  EXPECT_NE(std::string::npos, text.find("\"Ren\xC3\xA9"
                                         "e\""));
  EXPECT_NE(std::string::npos, text.find("\"\xE2\x82\xAC\""));
  EXPECT_NE(std::string::npos, text.find("\"Pawe\xC5\x82\""));
}

// A record the reader would refuse must not be written: the save fails instead of leaving a
// file that cannot be opened.
TEST(LogbookWriterTest, RefusesARecordTooLongToReadBack) {
  Logbook book;
  book.topics.Append({"Diary", std::string(kMaxRecordLength, 'x')});
  EXPECT_FALSE(FormatLogbookFile(book, 0).has_value());
  book.topics[0].NOTE_TEXT.resize(kMaxRecordLength - 100);
  EXPECT_TRUE(FormatLogbookFile(book, 0).has_value());
}

}  // namespace
}  // namespace aloftra

namespace aloftra {
namespace {

// The writer takes a shortcut for whole values; it must give the general formatter's text.
TEST(LogbookWriterTest, RealItemsAreWrittenAsTheGeneralFormatterWritesThem) {
  const float values[] = {0.0f,        -0.0f,    1.0f,        -1.0f,       1230.0f,  9999999.0f,
                          -9999999.0f, 1e7f,     10000001.0f, 16777216.0f, 0.5f,     -0.25f,
                          1e-05f,      123.456f, -32768.0f,   1.5e30f,     65535.0f, 7.0e6f};
  for (float value : values) {
    RecordWriter w(0);
    w.Single(value);
    EXPECT_EQ(FormatSingleItem(value), w.Finish()) << value;
  }
  for (int whole = -70000; whole <= 70000; whole += 7) {
    RecordWriter w(4);
    w.Single(static_cast<float>(whole));
    EXPECT_EQ(FormatSingleItem(static_cast<float>(whole)), w.Finish()) << whole;
  }
}

TEST(LogbookWriterTest, AsciiTextIsToldFromTextWithHighBytes) {
  EXPECT_TRUE(IsAsciiText(""));
  EXPECT_TRUE(IsAsciiText(std::string(1000, 'a') + "\x7F"));
  for (std::size_t at : {0u, 7u, 8u, 15u, 999u}) {
    std::string text(1000, 'a');
    text[at] = '\x80';
    EXPECT_FALSE(IsAsciiText(text)) << at;
  }
}

}  // namespace
}  // namespace aloftra
