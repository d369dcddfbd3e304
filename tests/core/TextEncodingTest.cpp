#include "core/TextEncoding.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace aloftra {
namespace {

std::string Byte(int value) {
  return std::string(1, static_cast<char>(value));
}

TEST(Windows1252, MapsTheHighRowAndKeepsTheUndefinedBytes) {
  struct Case {
    int byte;
    const char* utf8;
  };
  const Case cases[] = {
      {0x41, "A"},        {0x80, "\u20AC"},   {0x81, "\xC2\x81"}, {0x8A, "\u0160"},
      {0x8D, "\xC2\x8D"}, {0x8F, "\xC2\x8F"}, {0x90, "\xC2\x90"}, {0x92, "\u2019"},
      {0x99, "\u2122"},   {0x9D, "\xC2\x9D"}, {0x9F, "\u0178"},   {0xA0, "\u00A0"},
      {0xE9, "\u00E9"},   {0xFF, "\u00FF"},   {0x00, ""},
  };
  for (const Case& c : cases) {
    // A literal cannot hold the NUL byte itself.
    const std::string expected = c.byte == 0 ? std::string(1, '\0') : std::string(c.utf8);
    EXPECT_EQ(Windows1252ToUtf8(Byte(c.byte)), expected) << c.byte;
    EXPECT_EQ(Utf8ToWindows1252(expected), Byte(c.byte)) << c.byte;
  }
}

TEST(Windows1252, EveryByteGoesThereAndBack) {
  for (int b = 0; b < 256; ++b) {
    const std::string text = Windows1252ToUtf8(Byte(b));
    EXPECT_TRUE(IsValidUtf8(text)) << b;
    EXPECT_EQ(Utf8ToWindows1252(text), Byte(b)) << b;
  }
}

TEST(Windows1252, RefusesCharactersWithoutAByte) {
  for (const char* text :
       {"\u4E2D", "\xF0\x9F\x98\x80", "\xC2\x80", "\xC2\x9F", "a\u0100b", "\xFF", "\xC3"}) {
    EXPECT_EQ(Utf8ToWindows1252(text), std::nullopt) << text;
  }
}

TEST(Utf8Validation, RejectsEveryIllFormedSequence) {
  struct Case {
    const char* bytes;
    bool valid;
  };
  const Case cases[] = {
      {"", true},
      {"plain", true},
      {"\xC3\xA9", true},
      {"\xE2\x82\xAC", true},
      {"\xF0\x9F\x98\x80", true},
      {"\xEF\xBF\xBF", true},           // U+FFFF
      {"\xF4\x8F\xBF\xBF", true},       // U+10FFFF
      {"\xC0\xAF", false},              // overlong "/"
      {"\xC1\xBF", false},              // overlong
      {"\xE0\x80\xAF", false},          // overlong
      {"\xF0\x80\x80\xAF", false},      // overlong
      {"\xED\xA0\x80", false},          // surrogate U+D800
      {"\xED\xBF\xBF", false},          // surrogate U+DFFF
      {"\xF4\x90\x80\x80", false},      // U+110000
      {"\xF8\x88\x80\x80\x80", false},  // five-byte form
      {"\xE2\x82", false},              // truncated
      {"abc\xC3", false},               // truncated at the end
      {"\x80", false},                  // stray continuation
      {"\xC3\x28", false},              // continuation missing
      {"\xFE", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.bytes;
}

TEST(FileText, ReadsUtf8AsIsAndEverythingElseAsWindows1252) {
  EXPECT_EQ(DecodeFileText("Caf\xC3\xA9"), "Caf\u00E9");
  EXPECT_EQ(DecodeFileText("Caf\xE9"), "Caf\u00E9");
  EXPECT_EQ(DecodeFileText("\xEF\xBB\xBFSite"), "Site");
  EXPECT_EQ(DecodeFileText("\xEF\xBB\xBF"), "");
  // Bytes that are not UTF-8 as a whole are all Windows-1252, the leading three included.
  EXPECT_EQ(DecodeFileText("\xEF\xBB\xBF\xE9"), "\u00EF\u00BB\u00BF\u00E9");
  EXPECT_EQ(DecodeFileText("\x93Quoted\x94"), "\u201CQuoted\u201D");
}

TEST(FileText, WritesWindows1252WhenEveryCharacterFits) {
  EXPECT_EQ(EncodeFileText("Caf\u00E9 \u20AC5"),
            "Caf\xE9 \x80"
            "5");
  EXPECT_EQ(EncodeFileText("ascii only"), "ascii only");
  EXPECT_EQ(EncodeFileText("Z\u00FCrich \u4E2D"), "Z\u00FCrich \u4E2D");
}

TEST(FileText, TextWhoseSingleBytesLookLikeUtf8IsWrittenAsUtf8) {
  // "Ã©" in Windows-1252 is C3 A9, which reads back as UTF-8 "é".
  const std::string text = "\u00C3\u00A9";
  EXPECT_EQ(EncodeFileText(text), text);
  EXPECT_EQ(DecodeFileText(EncodeFileText(text)), text);
}

TEST(FileText, ALeadingByteOrderMarkInTheTextSurvives) {
  const std::string text =
      "\xEF\xBB\xBF"
      "abc";
  EXPECT_EQ(DecodeFileText(EncodeFileText(text)), text);
}

TEST(FileText, NoSingleByteFileIsChangedByReadingAndWriting) {
  for (int b = 0; b < 256; ++b) {
    const std::string bytes = Byte(b);
    if (IsValidUtf8(bytes)) continue;
    EXPECT_EQ(EncodeFileText(DecodeFileText(bytes)), bytes) << b;
  }
}

TEST(FileText, NoRandomNonUtf8FileIsChangedByReadingAndWriting) {
  std::mt19937 random(1252);
  std::uniform_int_distribution<int> length(0, 40);
  std::uniform_int_distribution<int> anyByte(0, 255);
  std::uniform_int_distribution<int> highByte(0x80, 0xFF);
  int checked = 0;
  for (int i = 0; i < 20000; ++i) {
    std::string bytes;
    const int n = length(random);
    const bool mostlyHigh = i % 2 == 0;
    for (int k = 0; k < n; ++k) {
      bytes += static_cast<char>(mostlyHigh && k % 3 != 0 ? highByte(random) : anyByte(random));
    }
    if (IsValidUtf8(bytes)) continue;
    ++checked;
    ASSERT_EQ(EncodeFileText(DecodeFileText(bytes)), bytes) << i;
  }
  EXPECT_GT(checked, 10000);
}

TEST(FileText, NoRandomTextIsChangedByWritingAndReading) {
  const std::vector<std::string> pieces = {
      "a",      " ",      ",",      "\"",     "\r\n",       "\u00E9", "\u00C3", "\u00A9",
      "\u20AC", "\u2019", "\u0081", "\u00A0", "\u00FF",     "\u00C2", "\u4E2D", "\uFEFF",
      "\u0178", "\u00E2", "\u0080", "\u02C6", "\U0001F600", "\u00EF", "\u00BB", "\u00BF"};
  std::mt19937 random(65001);
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  std::uniform_int_distribution<int> length(0, 12);
  for (int i = 0; i < 20000; ++i) {
    std::string text;
    const int n = length(random);
    for (int k = 0; k < n; ++k)
      text += pieces[pick(random)];
    ASSERT_EQ(DecodeFileText(EncodeFileText(text)), text) << i;
  }
}

}  // namespace
}  // namespace aloftra
