// Names sort as a pilot expects and are told apart without regard to letter case.
#include "core/NameOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace aloftra {
namespace {

int Sign(int value) {
  return (value > 0) - (value < 0);
}

TEST(NameOrderTest, LettersCompareWithoutCaseOrAccents) {
  struct Case {
    const char* a;
    const char* b;
    int order;
  };
  const Case kCases[] = {
      {"Édouard", "Edward", -1},      // "o" before "w": beside the plain E, not after Z
      {"Édouard", "Zeta", -1},        //
      {"édouard", "EDOUARD", 0},      // case and accents alike
      {"Straße", "Strasse", 0},       // ß as ss
      {"Ærø", "aero", 0},             // Æ as ae, ø as o
      {"Łeba", "Leba", 0},            // Latin Extended-A
      {"Ñandú", "Nandu", 0},          //
      {"Zürich", "Zurich", 0},        //
      {"Ötztal", "Ouray", -1},        //
      {"Alps", "Alpstein", -1},       // a name before the longer names it begins
      {"_Base", "Able", -1},          // other characters by their codes, as before
      {"Été 2", "ete 10", 1},         // digits are characters, not numbers
      {"Олимп", "олимп", 0},          // Cyrillic case
      {"Ὄλυμπος", "Olympus", 1},      // other scripts after the Latin letters
      {"\xC9lan", "\xC3\x89lan", 0},  // a stray Windows-1252 byte is its own character
      {"", "a", -1},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(Sign(CompareNames(c.a, c.b)), c.order) << c.a << " | " << c.b;
    EXPECT_EQ(Sign(CompareNames(c.b, c.a)), -c.order) << c.b << " | " << c.a;
  }
}

TEST(NameOrderTest, SortingIsATotalOrderOverMixedNames) {
  static const std::string kPieces[] = {"e",  "E", "é", "É", "ß", "ss",   "æ",    "ae", "z",
                                        "\"", "'", " ", "1", "Ł", "\xFF", "\xC3", "Ω",  ""};
  std::mt19937 random(11);
  std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
  std::vector<std::string> names;
  for (int i = 0; i < 400; ++i) {
    std::string name;
    for (int n = 0; n < 4; ++n)
      name += kPieces[piece(random)];
    names.push_back(name);
  }
  // Sorting must not break the strict weak order the standard library relies on.
  std::vector<std::string> sorted = names;
  std::stable_sort(sorted.begin(), sorted.end(), [](const std::string& a, const std::string& b) {
    return CompareNames(a, b) < 0;
  });
  for (std::size_t i = 1; i < sorted.size(); ++i)
    ASSERT_LE(CompareNames(sorted[i - 1], sorted[i]), 0) << sorted[i - 1] << " | " << sorted[i];
  for (const std::string& a : names) {
    for (const std::string& b : names) {
      ASSERT_EQ(Sign(CompareNames(a, b)), -Sign(CompareNames(b, a))) << a << " | " << b;
    }
  }
}

TEST(NameOrderTest, ATypedNameIsTakenWhenItDiffersOnlyInCaseOrByAQuote) {
  struct Case {
    const char* typed;
    const char* stored;
    bool taken;
  };
  const Case kCases[] = {
      {"Weather", "weather", true},
      {"Joe's Hill", "JOE'S HILL", true},
      {"Joe\"s Hill", "Joe's Hill", true},   // the typed quote reads as an apostrophe
      {"Joe's Hill", "Joe\"s Hill", false},  // only the typed name is read that way
      {"élan", "ÉLAN", true},
      {"Elan", "Élan", false},  // accents tell names apart
      {"Kössen", "KÖSSEN", true},
      {"Hill", "Hill ", false},
      {"", "", true},
      {"Олимп", "ОЛИМП", true},
  };
  for (const Case& c : kCases)
    EXPECT_EQ(NameIsTaken(c.typed, c.stored), c.taken) << c.typed << " | " << c.stored;
}

TEST(NameOrderTest, NamesAreKeptAsTheFileGivesThemBack) {
  EXPECT_EQ(NameAsStored("Joe\"s \"Hill\""), "Joe's 'Hill'");
  EXPECT_EQ(NameAsStored("Ölberg, 1"), "Ölberg, 1");
  for (const char* blank : {"", " ", "-1"})
    EXPECT_TRUE(IsBlankName(blank)) << blank;
  for (const char* name : {"  ", "-1 ", "-2", "1"})
    EXPECT_FALSE(IsBlankName(name)) << name;
}

}  // namespace
}  // namespace aloftra
