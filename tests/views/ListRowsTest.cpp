// The first line of a non-flying day's remarks, as the flight list view shows it.
#include <gtest/gtest.h>

#include <string>

#include "views/ListRows.h"

namespace aloftra {
namespace {

TEST(ListRowsTest, TheRemarkLineEndsAtTheFirstLineBreakOrAfterEightyCharacters) {
  const std::string eighty(80, 'a');
  const std::string accented = "\xC3\xA9";  // one character, two bytes
  std::string accentedEighty;
  for (int i = 0; i < 80; ++i)
    accentedEighty += accented;
  struct Case {
    std::string remarks;
    std::string line;
  };
  const Case cases[] = {
      {"", ""},
      {"Rained out", "Rained out"},
      {"Rained out\r\nall day", "Rained out"},
      {"Windy\nall day", "Windy"},
      {"Windy\rall day", "Windy"},
      {"\r\nsecond line", ""},
      {eighty, eighty},
      {eighty + "b", eighty},
      {accentedEighty + accented, accentedEighty},  // characters are counted, not bytes
      {"x" + accentedEighty, "x" + accentedEighty.substr(0, 79 * 2)},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FirstRemarkLine(c.remarks), c.line) << c.remarks;
}

}  // namespace
}  // namespace aloftra
