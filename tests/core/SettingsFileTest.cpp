#include "core/SettingsFile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace aloftra {
namespace {

StartupSettings Settings(std::string path, std::string name, long left, long top,
                         std::uint8_t colorMode) {
  return {std::move(path), std::move(name), left, top, colorMode};
}

TEST(FormatSettingsFile, WritesOneRecordOfFiveItems) {
  EXPECT_EQ(FormatSettingsFile(Settings("C:\\Logs\\Soaring.log", "Soaring", 7500, 1200, 1)),
            "\"C:\\Logs\\Soaring.log\",\"Soaring\",7500,1200,1\r\n");
  EXPECT_EQ(FormatSettingsFile(Settings("", "Untitled", 0, -1500, 0)),
            "\"\",\"Untitled\",0,-1500,0\r\n");
  EXPECT_EQ(FormatSettingsFile(Settings("/logs/a,b.log", "a,b", 500, 500, 1)),
            "\"/logs/a,b.log\",\"a,b\",500,500,1\r\n");
}

TEST(FormatSettingsFile, EdgesAreRealNumberItems) {
  EXPECT_EQ(FormatSettingsFile(Settings("p", "n", 12345678, 100000000, 1)),
            "\"p\",\"n\",1.234568E+07,1E+08,1\r\n");
}

TEST(FormatSettingsFile, EncodesTextInWindows1252WhenItFits) {
  EXPECT_EQ(FormatSettingsFile(Settings("/vols/Caf\u00E9.log", "Caf\u00E9", 1, 2, 1)),
            "\"/vols/Caf\xE9.log\",\"Caf\xE9\",1,2,1\r\n");
  EXPECT_EQ(FormatSettingsFile(Settings("/vols/\u4E2D.log", "\u4E2D", 1, 2, 1)),
            "\"/vols/\u4E2D.log\",\"\u4E2D\",1,2,1\r\n");
}

TEST(FormatSettingsFile, RefusesTextsThatCouldNotBeReadBack) {
  // No quote replacement here: a double quote would end the text item early.
  EXPECT_EQ(FormatSettingsFile(Settings("/logs/\"best\".log", "best", 1, 2, 1)), std::nullopt);
  EXPECT_EQ(FormatSettingsFile(Settings("/logs/x.log", "say \"hi\"", 1, 2, 1)), std::nullopt);
  // Raw bytes that are not UTF-8 would be read back as Windows-1252, a different path.
  EXPECT_EQ(FormatSettingsFile(Settings("/logs/caf\xE9.log", "x", 1, 2, 1)), std::nullopt);
}

TEST(ParseSettingsFile, ReadsTheRecordInAnyLineEndingAndEncoding) {
  const StartupSettings expected = Settings("C:\\Logs\\Soaring.log", "Soaring", 7500, 1200, 1);
  for (const char* bytes : {
           "\"C:\\Logs\\Soaring.log\",\"Soaring\",7500,1200,1\r\n",
           "\"C:\\Logs\\Soaring.log\",\"Soaring\",7500,1200,1",
           "\"C:\\Logs\\Soaring.log\",\"Soaring\",7500,1200,1\n",
           "\"C:\\Logs\\Soaring.log\",\"Soaring\",7500,1200,1\r\n\r\n  \r\n",
           "\xEF\xBB\xBF\"C:\\Logs\\Soaring.log\",\"Soaring\",7500,1200,1\r\n",
           " \"C:\\Logs\\Soaring.log\" , \"Soaring\" , 7500 ,\t1200 , 1 \r\n",
           "C:\\Logs\\Soaring.log,Soaring,7500,1200,1\r\n",
           "\"C:\\Logs\\Soaring.log\",\"Soaring\",7.5E+03,1.2E3,1\r\n",
       }) {
    EXPECT_EQ(ParseSettingsFile(bytes), expected) << bytes;
  }
  EXPECT_EQ(ParseSettingsFile("\"/vols/Caf\xE9.log\",\"Caf\xE9\",1,2,0\r\n"),
            Settings("/vols/Caf\u00E9.log", "Caf\u00E9", 1, 2, 0));
}

TEST(ParseSettingsFile, TextItemsKeepCommasLineBreaksAndBlanks) {
  EXPECT_EQ(ParseSettingsFile("\"/a, b/\r\nc.log\",\" x \",1,2,1\r\n"),
            Settings("/a, b/\r\nc.log", " x ", 1, 2, 1));
  EXPECT_EQ(ParseSettingsFile("\"\",\"\",0,0,0\r\n"), Settings("", "", 0, 0, 0));
}

TEST(ParseSettingsFile, EdgesAreRoundedHalvesToEven) {
  struct Case {
    const char* item;
    long edge;
  };
  const Case cases[] = {
      {"7500.5", 7500}, {"7501.5", 7502}, {"1E+04", 10000},           {".5", 0},
      {"-.5", 0},       {"-1500", -1500}, {"2147483647", 2147483647}, {"-2147483648", -2147483648L},
      {"1.5", 2}};
  for (const Case& c : cases) {
    const std::string bytes = std::string("\"p\",\"n\",") + c.item + ",0,1\r\n";
    const std::optional<StartupSettings> settings = ParseSettingsFile(bytes);
    ASSERT_TRUE(settings.has_value()) << c.item;
    EXPECT_EQ(settings->left, c.edge) << c.item;
  }
}

TEST(ParseSettingsFile, RefusesMalformedRecords) {
  for (const char* bytes : {
           "",
           "\r\n",
           "garbage",
           "\"p\",\"n\",1,2",          // too few items
           "\"p\",\"n\",1,2,\r\n",     // empty colour mode
           "\"p\",\"n\",1,2,1,0\r\n",  // too many items
           "\"p\",\"n\",1,2,1,\r\n",
           "\"p,\"n\",1,2,1\r\n",                         // quotes out of step
           "\"p\",\"n\",1,2,1\r\n\"q\",\"m\",3,4,0\r\n",  // a second record
           "\"p\",\"n\",1,2,1\r\nextra",
           "\"unterminated,1,2,1\r\n",
           "\"p\"x,\"n\",1,2,1\r\n",     // text after a closing quote
           "\"p\",\"n\",\"1\",2,1\r\n",  // a quoted number
           "\"p\",\"n\",,2,1\r\n",       // an empty number
           "\"p\",\"n\",12abc,2,1\r\n",
           "\"p\",\"n\",abc,2,1\r\n",
           "\"p\",\"n\",1e,2,1\r\n",
           "\"p\",\"n\",1 2,2,1\r\n",
           "\"p\",\"n\",1e999,2,1\r\n",
           "\"p\",\"n\",2147483648,2,1\r\n",
           "\"p\",\"n\",1,-2147483649,1\r\n",
           "\"p\",\"n\",1,2,256\r\n",
           "\"p\",\"n\",1,2,-1\r\n",
           "\"p\",\"n\",1,2,0x1\r\n",
           "p\"q,\"n\",1,2,1\r\n",  // a quote inside an unquoted item
       }) {
    EXPECT_EQ(ParseSettingsFile(bytes), std::nullopt) << bytes;
  }
}

TEST(ParseSettingsFile, SurvivesHostileInput) {
  const std::string longPath(1 << 20, 'x');
  EXPECT_EQ(ParseSettingsFile("\"" + longPath + "\",\"n\",1,2,1\r\n"),
            Settings(longPath, "n", 1, 2, 1));
  EXPECT_EQ(ParseSettingsFile(std::string(1 << 20, ',')), std::nullopt);
  EXPECT_EQ(ParseSettingsFile("\"" + std::string(1 << 20, 'y')), std::nullopt);
  EXPECT_EQ(ParseSettingsFile("\"p\",\"n\"," + std::string(1 << 20, '9') + ",2,1"), std::nullopt);
  EXPECT_EQ(ParseSettingsFile(std::string(1 << 20, '\xFF')), std::nullopt);
  EXPECT_EQ(ParseSettingsFile(std::string("\"p\0\",\"n\",1,2,1", 14)),
            Settings(std::string("p\0", 2), "n", 1, 2, 1));
}

TEST(ParseSettingsFile, WhatADamagedFileYieldsIsWrittenAndReadBackUnchanged) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> byte(0, 255);
  int read = 0;
  int refused = 0;
  for (int i = 0; i < 5000; ++i) {
    std::string bytes = "\"p\",\"n\",1,2,1\r\n";
    bytes[static_cast<std::size_t>(i) % bytes.size()] = static_cast<char>(byte(random));
    const std::optional<StartupSettings> settings = ParseSettingsFile(bytes);
    if (!settings) {
      ++refused;
      continue;
    }
    ++read;
    if (const std::optional<std::string> again = FormatSettingsFile(*settings)) {
      EXPECT_EQ(ParseSettingsFile(*again), settings) << bytes;
    }
  }
  EXPECT_GT(read, 0);
  EXPECT_GT(refused, 0);
}

TEST(SettingsFile, EverySettingWrittenReadsBackTheSame) {
  const std::vector<std::string> pieces = {"a",      "Z",      " ",      ",",      "\\",
                                           "/",      ".log",   "\r\n",   "\u00E9", "\u20AC",
                                           "\u00C3", "\u00A9", "\u4E2D", "'",      "#"};
  std::mt19937 random(1200);
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  std::uniform_int_distribution<int> length(0, 10);
  std::uniform_int_distribution<long> edge(-9'999'999, 9'999'999);
  std::uniform_int_distribution<int> mode(0, 255);
  for (int i = 0; i < 3000; ++i) {
    StartupSettings settings;
    for (int k = length(random); k > 0; --k)
      settings.logbookPath += pieces[pick(random)];
    for (int k = length(random); k > 0; --k)
      settings.documentName += pieces[pick(random)];
    settings.left = edge(random);
    settings.top = i % 3 == 0 ? 500 : edge(random);
    settings.colorMode = static_cast<std::uint8_t>(mode(random));
    const std::optional<std::string> bytes = FormatSettingsFile(settings);
    ASSERT_TRUE(bytes.has_value());
    ASSERT_EQ(ParseSettingsFile(*bytes), settings) << *bytes;
  }
}

}  // namespace
}  // namespace aloftra
