#include "units/UnitChoice.h"

#include <gtest/gtest.h>

namespace aloftra {
namespace {

UnitFlags AllOtherUnits() {
  UnitFlags flags{};
  for (UnitButton button : {kUnitKnots, kUnitMetres, kUnitMetresPerSecond, kUnitKilometres,
                            kUnitKilograms, kUnit24Hour}) {
    flags[button] = kFlagSet;
  }
  return flags;
}

TEST(UnitChoice, ANewLogbookShowsTheStorageUnits) {
  UnitFlags flags = DefaultUnitFlags();
  EXPECT_EQ(UnitCaption(UnitKind::kSpeed, flags), "mph");
  EXPECT_EQ(UnitCaption(UnitKind::kAltitude, flags), "feet");
  EXPECT_EQ(UnitCaption(UnitKind::kClimbRate, flags), "fpm");
  EXPECT_EQ(UnitCaption(UnitKind::kDistance, flags), "miles");
  EXPECT_EQ(UnitCaption(UnitKind::kWeight, flags), "lbs");
  EXPECT_EQ(AltitudeInfoCaption(flags), "Altitude Info (feet)");
  EXPECT_FALSE(UsesMetres(flags));
  EXPECT_FALSE(Uses24Hour(flags));
  EXPECT_TRUE(ClimbRateInFpm(flags));
}

TEST(UnitChoice, CaptionsFollowTheChosenButtons) {
  UnitFlags flags = AllOtherUnits();
  EXPECT_EQ(UnitCaption(UnitKind::kSpeed, flags), "knots");
  EXPECT_EQ(UnitCaption(UnitKind::kAltitude, flags), "m");
  EXPECT_EQ(UnitCaption(UnitKind::kClimbRate, flags), "m/s");
  EXPECT_EQ(UnitCaption(UnitKind::kDistance, flags), "km");
  EXPECT_EQ(UnitCaption(UnitKind::kWeight, flags), "kg");
  EXPECT_EQ(AltitudeInfoCaption(flags), "Altitude Info (meters)");
  EXPECT_TRUE(UsesMetres(flags));
  EXPECT_TRUE(Uses24Hour(flags));
  EXPECT_FALSE(ClimbRateInFpm(flags));

  flags[kUnitKnots] = 0;
  flags[kUnitKmh] = kFlagSet;
  EXPECT_EQ(UnitCaption(UnitKind::kSpeed, flags), "km/h");
  EXPECT_EQ(ChosenUnit(UnitKind::kSpeed, flags), kUnitKmh);
}

// A file may hold a group with no flag at 1, or with 255 where 1 belongs: only 1 selects, and
// a group left without a choice shows and converts in its storage unit.
TEST(UnitChoice, OnlyTheValueOneSelectsAndAnEmptyGroupMeansTheStorageUnit) {
  UnitFlags flags{};
  flags[kUnitMetres] = 255;
  flags[kUnitMetresPerSecond] = 2;
  flags[kUnit24Hour] = 255;
  EXPECT_EQ(UnitCaption(UnitKind::kSpeed, flags), "mph");
  EXPECT_EQ(UnitCaption(UnitKind::kAltitude, flags), "feet");
  EXPECT_FALSE(UsesMetres(flags));
  EXPECT_TRUE(ClimbRateInFpm(flags));
  EXPECT_FALSE(Uses24Hour(flags));
  EXPECT_EQ(ChosenUnit(UnitKind::kWeight, flags), kUnitPounds);
}

TEST(UnitChoice, TwoChosenButtonsInAGroupTakeTheFirst) {
  UnitFlags flags = DefaultUnitFlags();
  flags[kUnitKnots] = kFlagSet;
  flags[kUnitMph] = 0;
  flags[kUnitKmh] = kFlagSet;
  EXPECT_EQ(ChosenUnit(UnitKind::kSpeed, flags), kUnitKmh);
}

}  // namespace
}  // namespace aloftra
