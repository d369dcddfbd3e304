// Whatever the program writes, it reads back unchanged.
#include <gtest/gtest.h>

#include "core/DateTime.h"
#include "core/LogbookReader.h"
#include "core/LogbookWriter.h"
#include "core/TextEncoding.h"
#include "support/LogbookSamples.h"

namespace aloftra {
namespace {

Logbook ReadBack(const Logbook& book) {
  std::optional<std::string> bytes = FormatLogbookFile(book, MakeDateTime(2005, 6, 7, 8, 9, 10));
  EXPECT_TRUE(bytes.has_value());
  Logbook read;
  LogbookReadResult result = ReadLogbookFile(bytes.value_or(""), read);
  EXPECT_TRUE(result.ok()) << result.detail;
  return read;
}

TEST(LogbookRoundTripTest, EveryFieldOfEveryRecordSurvivesInWindows1252) {
  const Logbook book = TellingLogbook();
  ASSERT_TRUE(Utf8ToWindows1252(FormatLogbookText(book, 0).value_or("")).has_value());
  ExpectSameFileContent(book, ReadBack(book));
}

TEST(LogbookRoundTripTest, EveryFieldOfEveryRecordSurvivesInUtf8) {
  const Logbook book = TellingLogbook(true);
  const std::string bytes = FormatLogbookFile(book, 0).value_or("");
  ASSERT_TRUE(IsValidUtf8(bytes));
  ASSERT_NE(std::string::npos, bytes.find("Pawe\xC5\x82"));
  ExpectSameFileContent(book, ReadBack(book));
}

TEST(LogbookRoundTripTest, UnsortedCompleteOrdersAreKeptAsRead) {
  const Logbook book = TellingLogbook();
  EXPECT_EQ(book.order, ReadBack(book).order);
}

TEST(LogbookRoundTripTest, DoubleQuotesComeBackAsApostrophes) {
  Logbook book = TellingLogbook();
  book.flights[0].REMARKS = "He said \"go\", so I went";
  book.gliders[0].NOTES = "\"";
  book.pilot.PILOT_NAME = "\"\"";
  const Logbook read = ReadBack(book);
  EXPECT_EQ("He said 'go', so I went", read.flights[0].REMARKS);
  EXPECT_EQ("'", read.gliders[0].NOTES);
  EXPECT_EQ("''", read.pilot.PILOT_NAME);
}

// A colour or topic of "-1" comes back with a trailing blank, and a first number of -1 as
// 0, but no record after them is lost.
TEST(LogbookRoundTripTest, ValuesThatLookLikeEndMarkersLoseNoRecords) {
  Logbook book = TellingLogbook();
  book.gliders[0].COLOR = "-1";
  book.topics[0].TOPIC = "-1";
  book.sites[0].AVG_AIRTIME = -1;
  book.flights[0].AIRTIME = -1;
  Logbook expected = book;
  expected.gliders[0].COLOR = "-1 ";
  expected.topics[0].TOPIC = "-1 ";
  expected.sites[0].AVG_AIRTIME = 0;
  expected.flights[0].AIRTIME = 0;
  ExpectSameFileContent(expected, ReadBack(book));
}

TEST(LogbookRoundTripTest, FreeSlotsComeBackFreeAtTheirIndex) {
  Logbook book = TellingLogbook();
  book.gliders.Append(GliderRecord{});  // free slots even at the end of a table
  book.topics.Append(NoteTopic{});
  const Logbook read = ReadBack(book);
  EXPECT_FALSE(read.gliders.IsLive(1));
  EXPECT_TRUE(read.gliders.IsLive(2));
  EXPECT_FALSE(read.gliders.IsLive(3));
  EXPECT_EQ(4, read.gliders.SlotCount());
  EXPECT_FALSE(read.sites.IsLive(1));
  EXPECT_FALSE(read.topics.IsLive(1));
  EXPECT_EQ(4, read.topics.SlotCount());
  EXPECT_FALSE(read.flights.IsLive(1));
  EXPECT_EQ("Once a glider", read.gliders[1].MANUFACTURER);
}

TEST(LogbookRoundTripTest, ExtremeValuesOfEveryTypeSurvive) {
  Logbook book = TellingLogbook();
  FlightRecord& flight = book.flights[0];
  flight.LAUNCH_MSL = -32768;
  flight.MAX_MSL = 32767;
  flight.TURBULENCE = 255;
  flight.XC_DISTANCE = 1.5e30f;
  flight.BASE_WIND = 1e-30f;
  flight.DATE = MakeDateTime(9999, 12, 31, 23, 59, 59);
  book.gliders[0].TOTAL_AIRTIME = 2147483647;
  book.gliders[0].PRE_AIRTIME = -2147483647 - 1;
  book.pilot.REGION = 255;
  const Logbook read = ReadBack(book);
  EXPECT_EQ(-32768, read.flights[0].LAUNCH_MSL);
  EXPECT_EQ(32767, read.flights[0].MAX_MSL);
  EXPECT_EQ(255, read.flights[0].TURBULENCE);
  EXPECT_EQ(1.5e30f, read.flights[0].XC_DISTANCE);
  EXPECT_EQ(1e-30f, read.flights[0].BASE_WIND);
  EXPECT_EQ(flight.DATE, read.flights[0].DATE);
  EXPECT_EQ(2147483647, read.gliders[0].TOTAL_AIRTIME);
  EXPECT_EQ(-2147483647 - 1, read.gliders[0].PRE_AIRTIME);
  EXPECT_EQ(255, read.pilot.REGION);
}

TEST(LogbookRoundTripTest, EmptyLogbookReadsBackEmpty) {
  const Logbook read = ReadBack(Logbook{});
  ExpectSameFileContent(Logbook{}, read);
  EXPECT_EQ(-1, read.doc.CurrentPosition);
}

// Names a pilot may type on the site, glider and notes pages: whatever the pages store reads
// back identically, in either encoding of the file.
TEST(LogbookRoundTripTest, OddNamesOfSitesGlidersAndTopicsSurvive) {
  const std::string kNames[] = {std::string(10000, 'x'),
                                "Joe's Hill, North",
                                "Line one\r\nline two",
                                "Line\nbreak",
                                "Ölberg – Kössen",
                                "Олимп",
                                "  leading and trailing  ",
                                "1,2,3",
                                "'",
                                "-2",
                                "\t",
                                "\xE2\x80\x9Cquoted\xE2\x80\x9D"};
  for (bool utf8 : {false, true}) {
    Logbook book = TellingLogbook(utf8);
    for (const std::string& name : kNames) {
      book.sites[0].SITE_NAME = name;
      book.sites[0].DESCRIPTION = name;
      book.gliders[0].GLIDER_NAME = name;
      book.gliders[0].NOTES = name;
      book.topics[0].TOPIC = name;
      book.topics[0].NOTE_TEXT = name;
      const Logbook read = ReadBack(book);
      ExpectSameFileContent(book, read);
      ASSERT_EQ(name, read.sites[0].SITE_NAME) << name;
      ASSERT_EQ(name, read.topics[0].TOPIC) << name;
    }
  }
}

}  // namespace
}  // namespace aloftra
