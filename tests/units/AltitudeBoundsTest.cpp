#include "units/AltitudeBounds.h"

#include <gtest/gtest.h>

namespace aloftra {
namespace {

UnitFlags Metres() {
  UnitFlags flags = DefaultUnitFlags();
  flags[kUnitFeet] = 0;
  flags[kUnitMetres] = kFlagSet;
  return flags;
}

struct BoundsCase {
  const char* name;
  AltitudeField field;
  bool metres;
  int min;
  int max;
  const char* message;
};

class AltitudeBoundsTable : public testing::TestWithParam<BoundsCase> {};

TEST_P(AltitudeBoundsTable, BothBoundsAreInclusiveAndTheMessageNamesThem) {
  const BoundsCase& c = GetParam();
  AltitudeBounds bounds = AltitudeFieldBounds(c.field, c.metres ? Metres() : DefaultUnitFlags());
  EXPECT_EQ(bounds.min, c.min);
  EXPECT_EQ(bounds.max, c.max);
  EXPECT_EQ(bounds.message, c.message);
  EXPECT_TRUE(bounds.Admits(c.min));
  EXPECT_TRUE(bounds.Admits(c.max));
  EXPECT_TRUE(bounds.Admits(0));
  EXPECT_FALSE(bounds.Admits(c.min - 1));
  EXPECT_FALSE(bounds.Admits(c.max + 1));
  EXPECT_FALSE(bounds.Admits(c.max + 0.5));
  EXPECT_FALSE(bounds.Admits(c.min - 0.5));
}

INSTANTIATE_TEST_SUITE_P(
    EveryFieldAndUnit, AltitudeBoundsTable,
    testing::Values(BoundsCase{"LaunchFeet", AltitudeField::kLaunch, false, -500, 30000,
                               "Invalid launch altitude (-500 min, 30000 max)."},
                    BoundsCase{"MaxFeet", AltitudeField::kMax, false, -500, 30000,
                               "Invalid max altitude (-500 min, 30000 max)."},
                    BoundsCase{"OverLaunchFeet", AltitudeField::kOverLaunch, false, 0, 30000,
                               "Invalid over launch altitude (30000 max)."},
                    BoundsCase{"LandingFeet", AltitudeField::kLanding, false, -500, 30000,
                               "Invalid landing altitude (-500 min, 30000 max)."},
                    BoundsCase{"LaunchMetres", AltitudeField::kLaunch, true, -150, 9100,
                               "Invalid launch altitude (-150 min, 9100 max)."},
                    BoundsCase{"MaxMetres", AltitudeField::kMax, true, -150, 9100,
                               "Invalid max altitude (-150 min, 9100 max)."},
                    BoundsCase{"OverLaunchMetres", AltitudeField::kOverLaunch, true, 0, 9100,
                               "Invalid over launch altitude (9100 max)."},
                    BoundsCase{"LandingMetres", AltitudeField::kLanding, true, -150, 9100,
                               "Invalid landing altitude (-150 min, 9100 max)."}),
    [](const testing::TestParamInfo<BoundsCase>& param) { return param.param.name; });

TEST(AltitudeBounds, ADamagedAltitudeGroupChecksInFeet) {
  UnitFlags flags = DefaultUnitFlags();
  flags[kUnitFeet] = 0;
  AltitudeBounds bounds = AltitudeFieldBounds(AltitudeField::kLaunch, flags);
  EXPECT_TRUE(bounds.Admits(30000));
  EXPECT_EQ(bounds.message, "Invalid launch altitude (-500 min, 30000 max).");
}

}  // namespace
}  // namespace aloftra
