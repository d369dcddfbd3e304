#include "core/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace aloftra {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct ParseCase {
  const char* text;
  double expected;
};

TEST(ParseLeadingNumber, ReadsTheLongestLeadingNumberLikeATypedField) {
  const ParseCase cases[] = {
      {"12abc", 12},      {"abc", 0},          {"", 0},
      {"  \t\r\n42", 42}, {"-.5", -0.5},       {".5", 0.5},
      {"5.", 5},          {"+3", 3},           {"1e", 1},
      {"1e+", 1},         {"1E-", 1},          {"1E3", 1000},
      {"1.5e-2", 0.015},  {"2e+2x", 200},      {".", 0},
      {"-", 0},           {"- 5", 0},          {"3.14.15", 3.14},
      {"12 34", 12},      {"1,234", 1},        {"0x10", 0},
      {"007", 7},         {"-12.75m", -12.75}, {"e5", 0},
      {"1e999", kInf},    {"-1e999", -kInf},   {"1e-999", 0},
      {"0e99999", 0},
  };
  for (const ParseCase& c : cases) {
    EXPECT_EQ(ParseLeadingNumber(c.text), c.expected) << '"' << c.text << '"';
  }
}

TEST(ParseLeadingNumber, NeverGivesANegativeZero) {
  EXPECT_FALSE(std::signbit(ParseLeadingNumber("-0")));
  EXPECT_FALSE(std::signbit(ParseLeadingNumber("-0.000")));
  EXPECT_FALSE(std::signbit(ParseLeadingNumber("-1e-999")));
}

TEST(ParseLeadingNumber, HugeTextsOverflowToInfinityOrUnderflowToZero) {
  EXPECT_EQ(ParseLeadingNumber("1" + std::string(400, '0')), kInf);
  EXPECT_EQ(ParseLeadingNumber(std::string(1'000'000, '9')), kInf);
  EXPECT_EQ(ParseLeadingNumber("0." + std::string(400, '0') + "1"), 0);
  EXPECT_EQ(ParseLeadingNumber("1e99999999999999999999999"), kInf);
  EXPECT_EQ(ParseLeadingNumber("-1e+00000000000000000000000999"), -kInf);
  EXPECT_EQ(ParseLeadingNumber("1e-99999999999999999999999"), 0);
  EXPECT_EQ(ParseLeadingNumber("0.00001e309"), 1e304);
  EXPECT_EQ(ParseLeadingNumber(std::string(500, '0') + "12"), 12);
}

TEST(ParseExactNumber, TheWholeTextMustBeOneNumber) {
  EXPECT_EQ(ParseExactNumber("7500"), 7500);
  EXPECT_EQ(ParseExactNumber("-.25"), -0.25);
  EXPECT_EQ(ParseExactNumber("+3."), 3);
  EXPECT_EQ(ParseExactNumber("1.234568E+07"), 12345680);
  EXPECT_EQ(ParseExactNumber("1E-05"), 1e-5);
  EXPECT_EQ(ParseExactNumber("1e999"), kInf);
  for (const char* text : {"", " 1", "1 ", "12abc", "1e", "1e+", "abc", ".", "-", "1,5", "0x1",
                           "1.2.3", "--1", "\"1\""}) {
    EXPECT_EQ(ParseExactNumber(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(Rounding, HalvesGoToTheEvenNeighbourOrAwayFromZero) {
  struct Case {
    double value, halfEven, halfAway;
  };
  const Case cases[] = {
      {2.5, 2, 3},           {3.5, 4, 4},
      {-2.5, -2, -3},        {-3.5, -4, -4},
      {0.5, 0, 1},           {1.5, 2, 2},
      {2.4999, 2, 2},        {2.5000001, 3, 3},
      {-0.4, 0, 0},          {7, 7, 7},
      {1e300, 1e300, 1e300}, {4503599627370497.0, 4503599627370497.0, 4503599627370497.0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RoundHalfEven(c.value), c.halfEven) << c.value;
    EXPECT_EQ(RoundHalfAwayFromZero(c.value), c.halfAway) << c.value;
  }
  EXPECT_TRUE(std::isnan(RoundHalfEven(kNaN)));
  EXPECT_EQ(RoundHalfEven(-kInf), -kInf);
}

TEST(CheckedConversions, RoundHalvesToEvenAndRefuseWhatDoesNotFit) {
  EXPECT_EQ(ToInt16(32767), 32767);
  EXPECT_EQ(ToInt16(32766.5), 32766);
  EXPECT_EQ(ToInt16(32767.5), std::nullopt);  // rounds to 32768
  EXPECT_EQ(ToInt16(-32768.5), -32768);
  EXPECT_EQ(ToInt16(-32769), std::nullopt);
  EXPECT_EQ(ToInt16(40000), std::nullopt);
  EXPECT_EQ(ToInt16(-2.5), -2);

  EXPECT_EQ(ToInt32(2147483647.0), 2147483647);
  EXPECT_EQ(ToInt32(2147483647.5), std::nullopt);
  EXPECT_EQ(ToInt32(-2147483648.0), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(ToInt32(-2147483649.0), std::nullopt);

  EXPECT_EQ(ToByte(255), 255);
  EXPECT_EQ(ToByte(255.5), std::nullopt);
  EXPECT_EQ(ToByte(-0.5), 0);
  EXPECT_EQ(ToByte(-0.6), std::nullopt);
  EXPECT_EQ(ToByte(256), std::nullopt);

  for (double bad : {kNaN, kInf, -kInf, 1e300, -1e300}) {
    EXPECT_EQ(ToInt16(bad), std::nullopt) << bad;
    EXPECT_EQ(ToInt32(bad), std::nullopt) << bad;
    EXPECT_EQ(ToByte(bad), std::nullopt) << bad;
  }
}

TEST(CheckedConversions, SinglesRefuseNonFiniteAndTooLargeValues) {
  EXPECT_EQ(ToSingle(1.5), 1.5f);
  EXPECT_EQ(ToSingle(-12.4), -12.4f);
  EXPECT_EQ(ToSingle(std::numeric_limits<float>::max()), std::numeric_limits<float>::max());
  EXPECT_EQ(ToSingle(3.5e38), std::nullopt);
  EXPECT_EQ(ToSingle(-3.5e38), std::nullopt);
  EXPECT_EQ(ToSingle(kNaN), std::nullopt);
  EXPECT_EQ(ToSingle(kInf), std::nullopt);
  EXPECT_EQ(ToSingle(1e-50), 0.0f);
}

TEST(FormatFixed, RoundsHalvesAwayFromZeroOnTheDecimalDigits) {
  struct Case {
    double value;
    int decimals;
    const char* expected;
  };
  const Case cases[] = {
      {1.005, 2, "1.01"},  // the double is 1.00499999999999989...
      {12.428, 1, "12.4"},
      {2.5, 0, "3"},
      {-2.5, 0, "-3"},
      {0.5, 0, "1"},
      {9.995, 2, "10.00"},
      {99.95, 1, "100.0"},
      {0.05, 1, "0.1"},
      {0.045, 1, "0.0"},
      {123.456, 0, "123"},
      {1234567.891, 2, "1234567.89"},
      {3281 * 0.30479, 0, "1000"},
      {400 * 0.00508, 2, "2.03"},
      {2 * 196.88915, 0, "394"},
      {12.4 * 1.6093, 0, "20"},
      {20 * 0.6214, 1, "12.4"},
      {0, 2, "0.00"},
      {7, 0, "7"},
      {1e20, 2, "100000000000000000000.00"},
      {0.000001, 2, "0.00"},
      {0.125, 5, "0.12500"},
      {5.5, -3, "6"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatFixed(c.value, c.decimals), c.expected) << c.value << " " << c.decimals;
  }
}

TEST(FormatFixed, NeverShowsMinusZero) {
  EXPECT_EQ(FormatFixed(-0.4, 0), "0");
  EXPECT_EQ(FormatFixed(-0.04, 1), "0.0");
  EXPECT_EQ(FormatFixed(-0.0, 1), "0.0");
  EXPECT_EQ(FormatFixed(-0.0001, 2), "0.00");
  EXPECT_EQ(FormatFixed(-0.005, 2), "-0.01");
}

TEST(FormatFixed, ShowsNonFiniteValuesWithoutFailing) {
  EXPECT_EQ(FormatFixed(kNaN, 1), "NaN");
  EXPECT_EQ(FormatFixed(kInf, 0), "Infinity");
  EXPECT_EQ(FormatFixed(-kInf, 2), "-Infinity");
  EXPECT_EQ(FormatFixed(1e308, 0).size(), 309u);
  EXPECT_EQ(FormatFixed(-1.7976931348623157e308, 1).substr(0, 17), "-1797693134862320");
}

TEST(FormatSingleItem, WritesTheShortestSevenDigitForm) {
  struct Case {
    float value;
    const char* expected;
  };
  const Case cases[] = {
      {0.5f, ".5"},
      {-0.25f, "-.25"},
      {1230.0f, "1230"},
      {1e-5f, "1E-05"},
      {12345678.0f, "1.234568E+07"},
      {0.0f, "0"},
      {-0.0f, "0"},
      {12.4f, "12.4"},
      {0.1f, ".1"},
      {1234567.0f, "1234567"},
      {10000000.0f, "1E+07"},
      {0.0001f, ".0001"},
      {0.00001234f, "1.234E-05"},
      {std::numeric_limits<float>::max(), "3.402823E+38"},
      {-1.5f, "-1.5"},
      {100.0f, "100"},
      {-7.0f, "-7"},
      {123.4567f, "123.4567"},
      {1.0e-30f, "1E-30"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatSingleItem(c.value), c.expected) << c.value;
}

TEST(FormatSingleItem, NonFiniteValuesAreWrittenAsZero) {
  EXPECT_EQ(FormatSingleItem(std::numeric_limits<float>::quiet_NaN()), "0");
  EXPECT_EQ(FormatSingleItem(std::numeric_limits<float>::infinity()), "0");
}

TEST(FormatSingleItem, ReadsBackToTheSameItem) {
  // Seven significant digits do not always pin a float down, but the item read back and
  // written again must not drift.
  for (float value : {0.3f, 12.4f, 1.2345678f, 98765.43f, 1e-7f, 6.02e23f, -0.1f, 33.3333f}) {
    const std::string item = FormatSingleItem(value);
    const float reread = static_cast<float>(ParseLeadingNumber(item));
    EXPECT_EQ(FormatSingleItem(reread), item) << value;
    EXPECT_NEAR(reread, value, std::fabs(value) * 1e-6) << value;
  }
}

TEST(FormatInteger, PlainDigitsWithASign) {
  EXPECT_EQ(FormatInteger(0), "0");
  EXPECT_EQ(FormatInteger(-5), "-5");
  EXPECT_EQ(FormatInteger(32767), "32767");
  EXPECT_EQ(FormatInteger(std::numeric_limits<long long>::min()), "-9223372036854775808");
}

}  // namespace
}  // namespace aloftra
