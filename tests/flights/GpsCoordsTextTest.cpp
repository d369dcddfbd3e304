// The stored coordinate text: built from the boxes, read back into them, and read safely
// when it comes from an older or damaged file.
#include "flights/GpsCoordsText.h"

#include <gtest/gtest.h>

#include <string>

namespace aloftra {

namespace {

using Boxes = std::array<CoordinateBoxes, kGpsItems>;
using Stored = std::array<StoredCoordinate, kGpsItems>;

// The boxes of a flight with an empty third row, its letters still there.
Boxes StraightFlight() {
  return {CoordinateBoxes{"45", "30", "0", 'N'},  CoordinateBoxes{"122", "40", "15", 'W'},
          CoordinateBoxes{"45", "52", "30", 'N'}, CoordinateBoxes{"122", "1", "0", 'W'},
          CoordinateBoxes{"", "", "", 'N'},       CoordinateBoxes{"", "", "", 'W'}};
}

Boxes EmptyBoxes() {
  Boxes boxes;
  for (int item = 1; item < kGpsItems; item += 2)
    boxes[item].hemisphere = 'W';
  return boxes;
}

StoredCoordinate Full(const char* degrees, const char* minutes, const char* seconds,
                      char hemisphere) {
  return {degrees, minutes, seconds, hemisphere};
}

TEST(GpsCoordsText, ABuiltTextReadsBackIntoTheSameBoxes) {
  Boxes triangle = {
      CoordinateBoxes{"0", "0", "0", 'S'},     CoordinateBoxes{"179", "59", "59", 'E'},
      CoordinateBoxes{"89", "07", "1.5", 'N'}, CoordinateBoxes{"abc", "", "x", 'W'},
      CoordinateBoxes{"12", "", "", 'S'},      CoordinateBoxes{"", "", "3", 'E'}};
  for (const Boxes& boxes : {StraightFlight(), triangle}) {
    std::string text = BuildGpsCoords(boxes);
    Stored stored = SplitGpsCoords(text);
    for (int item = 0; item < kGpsItems; ++item) {
      const CoordinateBoxes& box = boxes[item];
      EXPECT_EQ(stored[item],
                Full(box.degrees.c_str(), box.minutes.c_str(), box.seconds.c_str(), box.hemisphere))
          << text << " item " << item;
    }
  }
  EXPECT_EQ(BuildGpsCoords(StraightFlight()),
            "45:30:0:N,122:40:15:W,45:52:30:N,122:1:0:W,:::N,:::W,");
}

TEST(GpsCoordsText, NoNumberInAnyBoxStoresNoText) {
  Boxes boxes = EmptyBoxes();
  boxes[2].hemisphere = 'S';
  EXPECT_EQ(BuildGpsCoords(boxes), "");
  boxes[5].seconds = "0";
  EXPECT_EQ(BuildGpsCoords(boxes), ":::N,:::W,:::S,:::W,:::N,::0:W,");
}

TEST(GpsCoordsText, TypedSeparatorsAreLeftOutSoTheItemsDoNotShift) {
  Boxes boxes = StraightFlight();
  boxes[0].degrees = "45,5";
  boxes[1].minutes = "4:0";
  std::string text = BuildGpsCoords(boxes);
  Stored stored = SplitGpsCoords(text);
  EXPECT_EQ(stored[0], Full("455", "30", "0", 'N'));
  EXPECT_EQ(stored[1], Full("122", "40", "15", 'W'));
  EXPECT_EQ(stored[3], Full("122", "1", "0", 'W'));
}

struct DamagedCase {
  const char* name;
  const char* text;
  Stored expected;
};

class DamagedTexts : public testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedTexts, FillOnlyThePartsThatArePresent) {
  EXPECT_EQ(SplitGpsCoords(GetParam().text), GetParam().expected);
}

const StoredCoordinate kNothing{};

INSTANTIATE_TEST_SUITE_P(
    Texts, DamagedTexts,
    testing::Values(
        DamagedCase{"Empty", "", {}}, DamagedCase{"NoColonsAtAll", "N40 W111", {}},
        DamagedCase{"TooFewItems",
                    "45:30:0:N,122:40:0:W",
                    {Full("45", "30", "0", 'N'), Full("122", "40", "0", 'W'), kNothing, kNothing,
                     kNothing, kNothing}},
        DamagedCase{"NoTrailingComma",
                    "1:2:3:S",
                    {Full("1", "2", "3", 'S'), kNothing, kNothing, kNothing, kNothing, kNothing}},
        DamagedCase{
            "TooFewColons",
            "45:30,122,::,",
            {StoredCoordinate{"45", std::nullopt, std::nullopt, std::nullopt}, kNothing,
             StoredCoordinate{"", "", std::nullopt, std::nullopt}, kNothing, kNothing, kNothing}},
        DamagedCase{"TooManyColonsTakeTheFirstLetterAfterTheThird",
                    "1:2:3:Sx:y:z,4:5:6:E:N,",
                    {Full("1", "2", "3", 'S'), Full("4", "5", "6", 'E'), kNothing, kNothing,
                     kNothing, kNothing}},
        DamagedCase{"ALetterOfTheWrongKindIsNotTaken",
                    "1:2:3:W,4:5:6:N,7:8:9:,:::s,",
                    {StoredCoordinate{"1", "2", "3", std::nullopt},
                     StoredCoordinate{"4", "5", "6", std::nullopt},
                     StoredCoordinate{"7", "8", "9", std::nullopt},
                     StoredCoordinate{"", "", "", std::nullopt}, kNothing, kNothing}},
        DamagedCase{"ItemsPastTheSixthAreIgnored",
                    "1:::N,2:::W,3:::N,4:::W,5:::S,6:::E,7:::S,8:::E,",
                    {Full("1", "", "", 'N'), Full("2", "", "", 'W'), Full("3", "", "", 'N'),
                     Full("4", "", "", 'W'), Full("5", "", "", 'S'), Full("6", "", "", 'E')}}),
    [](const testing::TestParamInfo<DamagedCase>& param) { return param.param.name; });

}  // namespace
}  // namespace aloftra
