#include "core/Ascii.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace aloftra {
namespace {

struct ClassCase {
  char c;
  bool blank, lineBreak, digit, letter;
  char lower;
};

// Every class of the character, including the near misses a locale-dependent test would let
// in: vertical tab and form feed, and the bytes of 128 and above that Windows-1252 or another
// locale calls a blank (no-break space, NEL) or a letter.
TEST(Ascii, CharacterClassesAreAsciiOnly) {
  const ClassCase cases[] = {
      {' ', true, false, false, false, ' '},        {'\t', true, false, false, false, '\t'},
      {'\r', false, true, false, false, '\r'},      {'\n', false, true, false, false, '\n'},
      {'\v', false, false, false, false, '\v'},     {'\f', false, false, false, false, '\f'},
      {'\0', false, false, false, false, '\0'},     {'0', false, false, true, false, '0'},
      {'9', false, false, true, false, '9'},        {'/', false, false, false, false, '/'},
      {':', false, false, false, false, ':'},       {'a', false, false, false, true, 'a'},
      {'z', false, false, false, true, 'z'},        {'A', false, false, false, true, 'a'},
      {'Z', false, false, false, true, 'z'},        {'@', false, false, false, false, '@'},
      {'[', false, false, false, false, '['},       {'`', false, false, false, false, '`'},
      {'{', false, false, false, false, '{'},       {'\xA0', false, false, false, false, '\xA0'},
      {'\x85', false, false, false, false, '\x85'}, {'\xC9', false, false, false, false, '\xC9'},
      {'\xE9', false, false, false, false, '\xE9'}, {'\xFF', false, false, false, false, '\xFF'},
  };
  for (const ClassCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(c.c)));
    EXPECT_EQ(IsBlank(c.c), c.blank);
    EXPECT_EQ(IsLineBreak(c.c), c.lineBreak);
    EXPECT_EQ(IsBlankOrLineBreak(c.c), c.blank || c.lineBreak);
    EXPECT_EQ(IsDigit(c.c), c.digit);
    EXPECT_EQ(IsLetter(c.c), c.letter);
    EXPECT_EQ(ToLower(c.c), c.lower);
  }
}

TEST(Ascii, TrimBlanksRemovesOnlySpacesAndTabsAtTheEnds) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"", ""},
      {" \t ", ""},
      {"  12 ", "12"},
      {"\t1 2\t", "1 2"},
      {"\r\n5\r\n", "\r\n5\r\n"},  // line breaks are no blanks
      {"\xA0x\xA0", "\xA0x\xA0"},
  };
  for (const auto& [text, trimmed] : cases) {
    EXPECT_EQ(TrimBlanks(text), trimmed) << '"' << text << '"';
  }
}

struct CompareCase {
  std::string_view a, b;
  int order;  // the sign of CompareIgnoringCase(a, b)
};

int Sign(int value) {
  return (value > 0) - (value < 0);
}

TEST(Ascii, CompareIgnoringCaseFoldsLettersToLowerCaseAndComparesOtherBytesUnsigned) {
  const CompareCase cases[] = {
      {"", "", 0},
      {"Falcon", "falcon", 0},
      {"FALCON", "falcoN", 0},
      {"abc", "ABD", -1},
      {"Mentor", "mantra", 1},
      {"Sport", "Sport 2", -1},  // a text before the longer texts it begins
      {"_x", "Ax", -1},          // "_" lies between the cases and falls before the letters
      {"[", "a", -1},
      {"z", "\xE9", -1},     // accented letters after every ASCII byte
      {"\xC9", "\xE9", -1},  // and not folded
      {"1", "A", -1},
  };
  for (const CompareCase& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " / " + std::string(c.b));
    EXPECT_EQ(Sign(CompareIgnoringCase(c.a, c.b)), c.order);
    EXPECT_EQ(Sign(CompareIgnoringCase(c.b, c.a)), -c.order);
    EXPECT_EQ(EqualsIgnoringCase(c.a, c.b), c.order == 0);
  }
}

}  // namespace
}  // namespace aloftra
