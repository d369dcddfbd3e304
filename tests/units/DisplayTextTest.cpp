#include "units/DisplayText.h"

#include <gtest/gtest.h>

#include <climits>

namespace aloftra {
namespace {

struct AirtimeCase {
  long minutes;
  const char* text;
};

class FormatAirtimeTable : public testing::TestWithParam<AirtimeCase> {};

TEST_P(FormatAirtimeTable, ShowsHoursAndTwoDigitMinutes) {
  EXPECT_EQ(FormatAirtime(GetParam().minutes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Airtimes, FormatAirtimeTable,
                         testing::Values(AirtimeCase{0, ""}, AirtimeCase{1, "0:01"},
                                         AirtimeCase{9, "0:09"}, AirtimeCase{10, "0:10"},
                                         AirtimeCase{59, "0:59"}, AirtimeCase{60, "1:00"},
                                         AirtimeCase{605, "10:05"}, AirtimeCase{2879, "47:59"},
                                         AirtimeCase{3000, "50:00"}, AirtimeCase{32767, "546:07"},
                                         AirtimeCase{2147483647L, "35791394:07"}));

// Splitting a negative total the plain way gives "-1:-15"; the sign goes in front instead.
TEST(FormatAirtime, ANegativeAirtimeKeepsItsSignInFront) {
  EXPECT_EQ(FormatAirtime(-75), "-1:15");
  EXPECT_EQ(FormatAirtime(-5), "-0:05");
  EXPECT_EQ(FormatAirtime(-60), "-1:00");
}

TEST(FormatAirtime, TheMostNegativeValueHasAText) {
  std::string text = FormatAirtime(LONG_MIN);
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.front(), '-');
  EXPECT_EQ(text.find(":-"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 3), ":08");  // 2^63 = 60 x 153722867280912930 + 8
}

TEST(FormatCount, ZeroIsEmptyAndAnythingElseItsDigits) {
  EXPECT_EQ(FormatCount(0), "");
  EXPECT_EQ(FormatCount(7), "7");
  EXPECT_EQ(FormatCount(40000), "40000");
  EXPECT_EQ(FormatCount(-12), "-12");
}

}  // namespace
}  // namespace aloftra
