#include "units/ConvertUnit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "core/Numbers.h"

namespace aloftra {
namespace {

// Flags with one unit chosen in the group of the given button and the defaults elsewhere.
UnitFlags Choosing(UnitButton button) {
  UnitFlags flags = DefaultUnitFlags();
  auto clearGroup = [&flags](std::initializer_list<UnitButton> group) {
    for (UnitButton b : group)
      flags[b] = 0;
  };
  if (button <= kUnitKnots)
    clearGroup({kUnitMph, kUnitKmh, kUnitKnots});
  else if (button <= kUnitMetres)
    clearGroup({kUnitFeet, kUnitMetres});
  else if (button <= kUnitMetresPerSecond)
    clearGroup({kUnitFpm, kUnitMetresPerSecond});
  else if (button <= kUnitKilometres)
    clearGroup({kUnitMiles, kUnitKilometres});
  else
    clearGroup({kUnitPounds, kUnitKilograms});
  flags[button] = kFlagSet;
  return flags;
}

struct ConversionCase {
  const char* name;
  UnitButton unit;
  UnitKind kind;
  UnitDirection direction;
  const char* input;
  const char* expected;
};

class ConvertUnitTable : public testing::TestWithParam<ConversionCase> {};

// Every unit in both directions: its factor and its pattern ("0", "0.0" or "0.00", halves
// away from zero).
TEST_P(ConvertUnitTable, AppliesTheFactorAndPatternOfTheChosenUnit) {
  const ConversionCase& c = GetParam();
  EXPECT_EQ(ConvertUnit(c.input, c.kind, c.direction, true, Choosing(c.unit)), c.expected);
}

constexpr UnitDirection kIn = UnitDirection::kToStorage;
constexpr UnitDirection kOut = UnitDirection::kForDisplay;

INSTANTIATE_TEST_SUITE_P(
    EveryUnit, ConvertUnitTable,
    testing::Values(
        ConversionCase{"MphIn", kUnitMph, UnitKind::kSpeed, kIn, "12.6", "13"},
        ConversionCase{"MphOut", kUnitMph, UnitKind::kSpeed, kOut, "12.4", "12"},
        ConversionCase{"KmhIn", kUnitKmh, UnitKind::kSpeed, kIn, "20", "12.4"},
        ConversionCase{"KmhOut", kUnitKmh, UnitKind::kSpeed, kOut, "12.4", "20"},
        ConversionCase{"KnotsIn", kUnitKnots, UnitKind::kSpeed, kIn, "10", "11.5"},
        ConversionCase{"KnotsOut", kUnitKnots, UnitKind::kSpeed, kOut, "11.5", "10"},
        ConversionCase{"FeetIn", kUnitFeet, UnitKind::kAltitude, kIn, "1234.56", "1234.6"},
        ConversionCase{"FeetOutHalfGoesUp", kUnitFeet, UnitKind::kAltitude, kOut, "1234.5", "1235"},
        ConversionCase{"FeetOutNegativeHalfGoesDown", kUnitFeet, UnitKind::kAltitude, kOut, "-20.5",
                       "-21"},
        ConversionCase{"MetresIn", kUnitMetres, UnitKind::kAltitude, kIn, "1000", "3281.0"},
        ConversionCase{"MetresOut", kUnitMetres, UnitKind::kAltitude, kOut, "3281", "1000"},
        ConversionCase{"FpmIn", kUnitFpm, UnitKind::kClimbRate, kIn, "400.5", "401"},
        ConversionCase{"FpmOut", kUnitFpm, UnitKind::kClimbRate, kOut, "-350", "-350"},
        ConversionCase{"MetresPerSecondIn", kUnitMetresPerSecond, UnitKind::kClimbRate, kIn, "2",
                       "394"},
        ConversionCase{"MetresPerSecondOut", kUnitMetresPerSecond, UnitKind::kClimbRate, kOut,
                       "400", "2.03"},
        ConversionCase{"MilesIn", kUnitMiles, UnitKind::kDistance, kIn, "12.3456", "12.35"},
        ConversionCase{"MilesOut", kUnitMiles, UnitKind::kDistance, kOut, "12.34", "12.3"},
        ConversionCase{"KilometresIn", kUnitKilometres, UnitKind::kDistance, kIn, "40", "24.86"},
        ConversionCase{"KilometresOut", kUnitKilometres, UnitKind::kDistance, kOut, "24.86",
                       "40.0"},
        ConversionCase{"PoundsIn", kUnitPounds, UnitKind::kWeight, kIn, "150.25", "150.3"},
        ConversionCase{"PoundsOut", kUnitPounds, UnitKind::kWeight, kOut, "150.3", "150"},
        ConversionCase{"KilogramsIn", kUnitKilograms, UnitKind::kWeight, kIn, "70", "154.3"},
        ConversionCase{"KilogramsOut", kUnitKilograms, UnitKind::kWeight, kOut, "154.3", "70"}),
    [](const testing::TestParamInfo<ConversionCase>& param) { return param.param.name; });

TEST(ConvertUnit, ALaunchOf1000MetresIsStoredAs3281FeetAndShownAgainAs1000) {
  UnitFlags metres = Choosing(kUnitMetres);
  std::string stored = ConvertUnit("1000", UnitKind::kAltitude, kIn, true, metres);
  std::optional<std::int16_t> feet = ToStoredInt16(stored);
  ASSERT_TRUE(feet.has_value());
  EXPECT_EQ(*feet, 3281);
  EXPECT_EQ(ConvertUnit(std::to_string(*feet), UnitKind::kAltitude, kOut, true, metres), "1000");
}

TEST(ConvertUnit, TwentyKmhIsStoredAs12Point4MphAndShownAgainAs20) {
  UnitFlags kmh = Choosing(kUnitKmh);
  std::string stored = ConvertUnit("20", UnitKind::kSpeed, kIn, false, kmh);
  std::optional<float> mph = ToStoredSingle(stored);
  ASSERT_TRUE(mph.has_value());
  EXPECT_FLOAT_EQ(*mph, 12.4f);
  EXPECT_EQ(ConvertUnit("12.4", UnitKind::kSpeed, kOut, false, kmh), "20");
}

TEST(ConvertUnit, ClimbRatesInMetresPerSecond) {
  UnitFlags ms = Choosing(kUnitMetresPerSecond);
  EXPECT_EQ(ConvertUnit("400", UnitKind::kClimbRate, kOut, true, ms), "2.03");
  EXPECT_EQ(ToStoredInt16(ConvertUnit("2", UnitKind::kClimbRate, kIn, true, ms)), 394);
  EXPECT_EQ(ConvertUnit("-3.5", UnitKind::kClimbRate, kIn, true, ms), "-689");
}

TEST(ConvertUnit, UnsignedConversionDropsTheSign) {
  UnitFlags defaults = DefaultUnitFlags();
  EXPECT_EQ(ConvertUnit("-5", UnitKind::kSpeed, kIn, false, defaults), "5");
  EXPECT_EQ(ConvertUnit("-5", UnitKind::kSpeed, kIn, true, defaults), "-5");
  EXPECT_EQ(ConvertUnit("-12.5", UnitKind::kDistance, kIn, false, defaults), "12.50");
}

TEST(ConvertUnit, ReadsTypedTextLeniently) {
  UnitFlags defaults = DefaultUnitFlags();
  EXPECT_EQ(ConvertUnit("12abc", UnitKind::kAltitude, kOut, true, defaults), "12");
  EXPECT_EQ(ConvertUnit("abc", UnitKind::kAltitude, kOut, true, defaults), "0");
  EXPECT_EQ(ConvertUnit("", UnitKind::kDistance, kIn, true, defaults), "0.00");
  EXPECT_EQ(ConvertUnit("   7.25 miles", UnitKind::kDistance, kOut, true, defaults), "7.3");
}

TEST(ConvertUnit, ASmallNegativeValueIsNeverShownAsMinusZero) {
  EXPECT_EQ(ConvertUnit("-0.2", UnitKind::kAltitude, kOut, true, DefaultUnitFlags()), "0");
  EXPECT_EQ(ConvertUnit("-1", UnitKind::kClimbRate, kOut, true, Choosing(kUnitMetresPerSecond)),
            "-0.01");
}

// Only a flag holding exactly 1 selects a unit; a group without one converts with the
// storage unit rather than with nothing.
TEST(ConvertUnit, ADamagedGroupFallsBackToTheStorageUnit) {
  UnitFlags flags = DefaultUnitFlags();
  flags[kUnitFeet] = 0;
  flags[kUnitMetres] = 255;
  EXPECT_EQ(ConvertUnit("1000", UnitKind::kAltitude, kIn, true, flags), "1000.0");
  flags[kUnitMetres] = 0;
  EXPECT_EQ(ConvertUnit("1000", UnitKind::kAltitude, kOut, true, flags), "1000");
}

TEST(ConvertUnit, ATextStoredInAnIntegerFieldRoundsHalvesToEven) {
  EXPECT_EQ(ToStoredInt16("3281.0"), 3281);
  EXPECT_EQ(ToStoredInt16("2.5"), 2);
  EXPECT_EQ(ToStoredInt16("3.5"), 4);
  EXPECT_EQ(ToStoredInt16("-2.5"), -2);
  EXPECT_EQ(ToStoredInt16("32767"), 32767);
  EXPECT_EQ(ToStoredInt16("-32768"), -32768);
}

// A value too large for its 16-bit field is refused, never wrapped into another altitude.
TEST(ConvertUnit, AnIntegerFieldRefusesWhatDoesNotFit) {
  EXPECT_EQ(ToStoredInt16("32768"), std::nullopt);
  EXPECT_EQ(ToStoredInt16("-32769"), std::nullopt);
  std::string lift =
      ConvertUnit("200", UnitKind::kClimbRate, kIn, true, Choosing(kUnitMetresPerSecond));
  EXPECT_EQ(ToStoredInt16(lift), std::nullopt);
}

TEST(ConvertUnit, ASingleFieldTakesTheFormattedValue) {
  EXPECT_EQ(ToStoredSingle("24.86"), 24.86f);
  EXPECT_EQ(ToStoredSingle("0"), 0.0f);
  EXPECT_EQ(ToStoredSingle("1E39"), std::nullopt);
  std::string huge = ConvertUnit("1E300", UnitKind::kSpeed, kIn, true, Choosing(kUnitKmh));
  EXPECT_EQ(ToStoredSingle(huge), std::nullopt);
}

// A number beyond what a double holds must not slip through as 0 on its way to the field.
TEST(ConvertUnit, ATypedNumberTooLargeForAnyFieldIsRefusedNotStoredAsZero) {
  UnitFlags defaults = DefaultUnitFlags();
  for (bool isSigned : {true, false}) {
    EXPECT_EQ(ToStoredSingle(ConvertUnit("1E999", UnitKind::kDistance, kIn, isSigned, defaults)),
              std::nullopt);
    EXPECT_EQ(ToStoredInt16(ConvertUnit("-1E999", UnitKind::kAltitude, kIn, isSigned, defaults)),
              std::nullopt);
  }
  EXPECT_EQ(ToStoredInt16(ConvertUnit("1E307", UnitKind::kClimbRate, kIn, true,
                                      Choosing(kUnitMetresPerSecond))),
            std::nullopt);
}

struct RoundTrip {
  UnitButton unit;
  UnitKind kind;
  bool integerField;  // altitudes, lift and sink; else a single-precision field
  double step;        // the last digit of the shown value
  int steps;          // values 0, step, 2 step ... steps x step are typed
};

// Every value a pilot can type in every unit, stored the way its field stores it and shown
// again, comes back to within one in its last digit: the two directions' own factors and the
// rounding on the way may move it, but never further.
TEST(ConvertUnit, AValueTypedStoredAndShownAgainMovesAtMostOneInItsLastDigit) {
  const RoundTrip trips[] = {
      {kUnitMph, UnitKind::kSpeed, false, 1, 300},
      {kUnitKmh, UnitKind::kSpeed, false, 1, 500},
      {kUnitKnots, UnitKind::kSpeed, false, 1, 300},
      {kUnitFeet, UnitKind::kAltitude, true, 1, 30000},
      {kUnitMetres, UnitKind::kAltitude, true, 1, 9000},
      {kUnitFpm, UnitKind::kClimbRate, true, 1, 3000},
      {kUnitMetresPerSecond, UnitKind::kClimbRate, true, 0.01, 5000},
      {kUnitMiles, UnitKind::kDistance, false, 0.1, 5000},
      {kUnitKilometres, UnitKind::kDistance, false, 0.1, 10000},
      {kUnitPounds, UnitKind::kWeight, false, 1, 600},
      {kUnitKilograms, UnitKind::kWeight, false, 1, 300},
  };
  for (const RoundTrip& trip : trips) {
    const UnitFlags flags = Choosing(trip.unit);
    int moved = 0;
    for (int k = 0; k <= trip.steps; ++k) {
      const double typed = k * trip.step;
      const std::string stored = ConvertUnit(FormatFixed(typed, 2), trip.kind, kIn, true, flags);
      std::string storedText;
      if (trip.integerField) {
        std::optional<std::int16_t> value = ToStoredInt16(stored);
        ASSERT_TRUE(value.has_value()) << stored;
        storedText = std::to_string(*value);
      } else {
        std::optional<float> value = ToStoredSingle(stored);
        ASSERT_TRUE(value.has_value()) << stored;
        storedText = FormatSingleItem(*value);
      }
      const double shown =
          ParseLeadingNumber(ConvertUnit(storedText, trip.kind, kOut, true, flags));
      const double drift = std::fabs(shown - typed) / trip.step;
      ASSERT_LE(drift, 1.0 + 1e-9) << UnitCaption(trip.kind, flags) << ": typed " << typed
                                   << ", stored " << storedText << ", shown " << shown;
      if (drift > 0.5) ++moved;
    }
    // The storage units themselves never drift.
    if (ChosenUnit(trip.kind, DefaultUnitFlags()) == trip.unit) {
      EXPECT_EQ(moved, 0) << UnitCaption(trip.kind, flags);
    }
  }
}

// The number a stored value is shown as, worked out without the text, is exactly the number
// the shown text reads as, to the sign of a zero: every unit, either sign handling, whole
// values across the 16-bit range, floats of every size, and values a hair from a half.
TEST(ConvertUnit, TheShownNumberIsExactlyWhatTheShownTextReadsAs) {
  std::vector<double> stored = {0,      -0.0,    0.05,   0.25,    0.15,  1.005,  2.675, -0.25,
                                1e-7,   3.4e38f, 1e7,    9999999, 1e-45, 12.25,  -170,  32767,
                                -32768, 0.3048,  1.6093, 63.7,    5e14,  1.5e15, NAN,   INFINITY};
  // In knots a hair below a half, which the text's 15 digits make a half.
  stored.insert(stored.end(), {18750, 36250});
  for (int whole = -32768; whole <= 32767; whole += 7)
    stored.push_back(whole);
  std::mt19937 random(20261208);
  std::uniform_real_distribution<double> exponent(-6, 8);
  std::uniform_int_distribution<int> cents(-100000, 100000);
  for (int k = 0; k < 4000; ++k) {
    stored.push_back(static_cast<float>(std::pow(10.0, exponent(random))));
    stored.push_back(cents(random) / 100.0);
    stored.push_back(static_cast<float>(cents(random) / 20.0));
  }
  const UnitButton units[] = {kUnitMph,        kUnitKmh,    kUnitKnots,           kUnitFeet,
                              kUnitMetres,     kUnitFpm,    kUnitMetresPerSecond, kUnitMiles,
                              kUnitKilometres, kUnitPounds, kUnitKilograms};
  const UnitKind kinds[] = {UnitKind::kSpeed,     UnitKind::kSpeed,    UnitKind::kSpeed,
                            UnitKind::kAltitude,  UnitKind::kAltitude, UnitKind::kClimbRate,
                            UnitKind::kClimbRate, UnitKind::kDistance, UnitKind::kDistance,
                            UnitKind::kWeight,    UnitKind::kWeight};
  int differences = 0;
  for (std::size_t u = 0; u < std::size(units); ++u) {
    const UnitFlags flags = Choosing(units[u]);
    for (bool isSigned : {false, true}) {
      for (double value : stored) {
        const double fromText = ParseLeadingNumber(DisplayStored(value, kinds[u], isSigned, flags));
        const double number = DisplayStoredNumber(value, kinds[u], isSigned, flags);
        if (std::memcmp(&fromText, &number, sizeof number) == 0) continue;
        if (++differences <= 5) {
          ADD_FAILURE() << UnitCaption(kinds[u], flags) << (isSigned ? " signed " : " ") << value
                        << ": text reads " << fromText << ", number " << number;
        }
      }
    }
  }
  EXPECT_EQ(differences, 0);
}

}  // namespace
}  // namespace aloftra
