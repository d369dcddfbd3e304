// The track reader: header forms, B fixes with their extension columns, the UTC day, and
// damaged input that must be skipped and counted rather than stop the reading.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

#include "exchange/IgcReader.h"
#include "exchange/IgcRecords.h"

namespace aloftra {
namespace {

// A good fix at 12:00:00, 45 30.000 N, 6 15.500 E, 1234 m pressure and 1250 m GNSS.
const std::string kGoodFix = "B1200004530000N00615500EA0123401250";

IgcReadResult Read(const std::string& text) {
  return ReadIgcText(text, "flight.igc");
}

TEST(IgcReaderTest, ReadsTheFixedColumnsOfAFix) {
  IgcReadResult result =
      Read("HFDTE150721\n" + kGoodFix + "\nB1200014530000S00615500WA-001201250\n");
  ASSERT_TRUE(result.ok()) << result.message;
  ASSERT_EQ(2u, result.track.fixes.size());
  const IgcFix& fix = result.track.fixes[0];
  EXPECT_EQ(12 * 3600, fix.seconds);
  EXPECT_DOUBLE_EQ(45.5, fix.latitude);
  EXPECT_DOUBLE_EQ(6 + 15.5 / 60, fix.longitude);
  EXPECT_EQ(1234, fix.pressureAltitude);
  EXPECT_EQ(1250, fix.gnssAltitude);
  EXPECT_DOUBLE_EQ(-45.5, result.track.fixes[1].latitude);
  EXPECT_DOUBLE_EQ(-(6 + 15.5 / 60), result.track.fixes[1].longitude);
  EXPECT_EQ(-12, result.track.fixes[1].pressureAltitude);
  EXPECT_EQ(0, result.track.damagedLines);
}

TEST(IgcReaderTest, DamagedLinesAreSkippedAndCounted) {
  struct Case {
    const char* what;
    std::string line;
  };
  const Case cases[] = {
      {"a letter in the time", "B12O0004530000N00615500EA0123401250"},
      {"hour 24", "B2400004530000N00615500EA0123401250"},
      {"latitude over 90", "B1200009100000N00615500EA0123401250"},
      {"minutes of 60", "B1200004560000N00615500EA0123401250"},
      {"longitude over 180", "B1200004530000N18100000EA0123401250"},
      {"no hemisphere", "B1200004530000X00615500EA0123401250"},
      {"no validity", "B1200004530000N00615500EX0123401250"},
      {"altitude 99999", "B1200004530000N00615500EA0123499999"},
      {"a letter in the altitude", "B1200004530000N00615500EA01Z3401250"},
      {"truncated", "B1200004530000N00615500EA01234012"},
      {"shorter than its extension", kGoodFix + "0"},
      {"far too long", kGoodFix + std::string(5000, '7')},
  };
  for (const Case& c : cases) {
    // The damaged line sits between two good fixes; both must survive it.
    IgcReadResult result = Read("HFDTE150721\nI013638FXA\n" + kGoodFix + "012\n" + c.line +
                                "\nB1200104530000N00615500EA0123401250012\n");
    ASSERT_TRUE(result.ok()) << c.what;
    EXPECT_EQ(1, result.track.damagedLines) << c.what;
    EXPECT_EQ(2u, result.track.fixes.size()) << c.what;
  }
}

TEST(IgcReaderTest, HeaderFormsAreRead) {
  struct Case {
    std::string line;
    std::optional<IgcDate> date;
    std::optional<double> zone;
  };
  const Case cases[] = {
      {"HFDTE150721", IgcDate{2021, 7, 15}, {}},
      {"HFDTEDATE:150721,01", IgcDate{2021, 7, 15}, {}},
      {"HFDTE 15 07 98", IgcDate{1998, 7, 15}, {}},
      {"HFDTEDATE: 010100", IgcDate{2000, 1, 1}, {}},
      {"HFTZNTIMEZONE:2", {}, 2.0},
      {"HFTZN:-3.0", {}, -3.0},
      {"HFTZNTIMEZONE: +5.5", {}, 5.5},
      {"HOTZN:-9.5", {}, -9.5},
  };
  for (const Case& c : cases) {
    IgcHeader header;
    EXPECT_TRUE(ApplyIgcHeaderLine(c.line, header)) << c.line;
    EXPECT_EQ(c.date, header.date) << c.line;
    EXPECT_EQ(c.zone, header.utcOffsetHours) << c.line;
  }
  for (const char* damaged : {"HFDTE321321", "HFDTEDATE:1507", "HFDTEDATE:15O721", "HFTZN:east",
                              "HFTZN:nan", "HFTZN:2,5", "HFTZNTIMEZONE:25"}) {
    IgcHeader header;
    EXPECT_FALSE(ApplyIgcHeaderLine(damaged, header)) << damaged;
    EXPECT_FALSE(header.date || header.utcOffsetHours) << damaged;
  }
  IgcReadResult result = Read(
      "\xEF\xBB\xBF"
      "AXCT123abc\nHFPLTPILOTINCHARGE: Ren\xE9"
      "e Roe \nHFGTYGLIDERTYPE:Skyline "
      "4\nHFGIDGLIDERID:D-42\n"
      "I023638FXA3940SIU\n" +
      kGoodFix + "01207\n");
  ASSERT_TRUE(result.ok());
  EXPECT_EQ("XCT123abc", result.track.header.recorder);
  // A byte-order mark is no part of the first record, and a name in Windows-1252 becomes
  // UTF-8.
  EXPECT_EQ("Ren\u00e9e Roe", result.track.header.pilot);
  EXPECT_EQ("Skyline 4", result.track.header.gliderType);
  EXPECT_EQ("D-42", result.track.header.gliderId);
  EXPECT_EQ((std::vector<IgcExtension>{{"FXA", 36, 38}, {"SIU", 39, 40}}),
            result.track.header.extensions);
}

TEST(IgcReaderTest, TimesRunIntoTheNextDayAndRepeatsAreSkipped) {
  IgcReadResult result = Read(
      "HFDTE311221\n"
      "B2359584530000N00615500EA0123401250\n"
      "B2359594530000N00615500EA0123401250\n"
      "B2359594530000N00615500EA0123401250\n"  // the same time again
      "B2359504530000N00615500EA0123401250\n"  // a step back
      "B2359594530000N00615500VA0123401250\n"  // a hemisphere letter that is none
      "B0000004530000N00615500EV0123401250\n"  // no 3D fix: no position
      "B0000014530000N00615500EA0123401250\n");
  ASSERT_TRUE(result.ok());
  ASSERT_EQ(3u, result.track.fixes.size());
  EXPECT_EQ(86398, result.track.fixes[0].seconds);
  EXPECT_EQ(86401, result.track.fixes[2].seconds);
  EXPECT_EQ(3, result.track.skippedFixes);
  EXPECT_EQ(1, result.track.damagedLines);
}

TEST(IgcReaderTest, AnAltitudeColumnThatStaysZeroIsAbsent) {
  IgcReadResult phone =
      Read("B1200004530000N00615500EA0000001250\nB1200014530000N00615500EA0000001251\n");
  ASSERT_TRUE(phone.ok());
  EXPECT_FALSE(phone.track.hasPressureAltitude);
  EXPECT_TRUE(phone.track.hasGnssAltitude);
  EXPECT_FALSE(phone.track.fixes[0].pressureAltitude);
  EXPECT_EQ(1251, phone.track.fixes[1].gnssAltitude);

  // A single 0 among measured altitudes is a reading at sea level, not a missing column.
  IgcReadResult sea =
      Read("B1200004530000N00615500EA0000000000\nB1200014530000N00615500EA0000500000\n");
  EXPECT_TRUE(sea.track.hasPressureAltitude);
  EXPECT_EQ(0, sea.track.fixes[0].pressureAltitude);
  EXPECT_FALSE(sea.track.hasGnssAltitude);
}

TEST(IgcReaderTest, LineEndsOfEveryKindSplitTheSameWay) {
  for (const char* end : {"\n", "\r\n", "\r"}) {
    std::string text = std::string("HFDTE150721") + end + kGoodFix + end +
                       "B1200014530000N00615500EA0123401250" + end + end;
    IgcReadResult result = Read(text);
    EXPECT_EQ(2u, result.track.fixes.size()) << int(end[0]);
    EXPECT_EQ(0, result.track.damagedLines);
    EXPECT_TRUE(result.track.header.date.has_value());
  }
}

TEST(IgcReaderTest, AFileWithoutAUsableFixIsRefusedByName) {
  const std::string refusals[] = {"", "HFDTE150721\nHFPLTPILOT:Renee\n",
                                  "B1200004530000N00615500VA0123401250\n",
                                  "B12000045300\nBxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\n"};
  for (const std::string& text : refusals) {
    IgcReadResult result = ReadIgcText(text, "/tmp/My Flight.igc");
    EXPECT_FALSE(result.ok());
    EXPECT_NE(std::string::npos, result.message.find("My Flight.igc")) << result.message;
  }
  EXPECT_FALSE(ReadIgcFile("/no/such/folder/track.igc").ok());
}

// Property: random bytes, and good files with random bytes flipped, never crash the reader,
// and every fix it keeps lies on the earth and in time order.
TEST(IgcReaderTest, GarbageNeverBreaksTheTrack) {
  std::mt19937 random(7);
  const std::string good = "HFDTE150721\n" + kGoodFix + "\nB1200014530000N00615500EA0123401250\n";
  for (int round = 0; round < 300; ++round) {
    std::string text;
    if (round % 2 == 0) {
      text.resize(random() % 3000);
      for (char& c : text)
        c = static_cast<char>(random() % 256);
    } else {
      for (int copy = 0; copy < 20; ++copy)
        text += good;
      for (int flip = 0; flip < 30; ++flip) {
        text[random() % text.size()] = static_cast<char>(random() % 256);
      }
    }
    IgcReadResult result = Read(text);
    int previous = -1;
    for (const IgcFix& fix : result.track.fixes) {
      EXPECT_GT(fix.seconds, previous);
      EXPECT_LE(std::abs(fix.latitude), 90.0);
      EXPECT_LE(std::abs(fix.longitude), 180.0);
      previous = fix.seconds;
    }
  }
}

}  // namespace
}  // namespace aloftra
