// The cross-country details dialog, opened from the flight page's View Details button and
// driven like a pilot drives it.
#include <gtest/gtest.h>

#include <string>

#include "FlightPageFixture.h"
#include "flights/frmCrossCountry.h"

namespace aloftra::test {
namespace {

constexpr const char* kStraightCoords = "45:30:0:N,122:0:0:W,46:30:0:N,122:0:0:W,:::N,:::W,";

class CrossCountryDialogTest : public FlightPageTest {
 protected:
  frmCrossCountry& Xc() { return app->Dialogs().Get<DialogId::kCrossCountry>(); }
  // One flight of 1:30, shown on the page.
  void OpenFlight(const std::string& coords = "", int type = 0, float distance = 0) {
    FlightRecord flight = MakeFlight({.airtime = 90, .distance = distance});
    flight.GPS_COORDS = coords;
    flight.XC_TYPE = static_cast<std::int16_t>(type);
    OpenWithFlights({flight});
  }
  const FlightRecord& Flight() { return Book().flights[0]; }
  void UseKilometres() {
    Book().UNIT_FLAGS[kUnitMiles] = 0;
    Book().UNIT_FLAGS[kUnitKilometres] = kFlagSet;
  }
  // Types into a box of the dialog; the next box typed into (or Leave) runs its check.
  void Type(TextBox& box, const std::string& text) {
    Xc().SetFocus(box);
    box.SetText(text);
  }
  void Leave() { Xc().SetFocus(Xc().Distance); }
  void TypePoint(int row, const char* lat[3], const char* lon[3]) {
    Type(Xc().LatDeg[row], lat[0]);
    Type(Xc().LatMin[row], lat[1]);
    Type(Xc().LatSec[row], lat[2]);
    Type(Xc().LonDeg[row], lon[0]);
    Type(Xc().LonMin[row], lon[1]);
    Type(Xc().LonSec[row], lon[2]);
    Leave();
  }
  // Launch at 45 30 N, 122 W and a point one degree of latitude north of it.
  void TypeOneDegreeNorth() {
    const char* launch[3] = {"45", "30", "0"};
    const char* north[3] = {"46", "30", "0"};
    const char* meridian[3] = {"122", "0", "0"};
    TypePoint(0, launch, meridian);
    TypePoint(1, north, meridian);
  }
};

TEST_F(CrossCountryDialogTest, CalculatedDistanceIsEnteredIntoTheFlightAndShownAgainOnReopening) {
  OpenFlight();
  Page().XC_Details.Click();
  EXPECT_TRUE(Xc().Visible());
  EXPECT_EQ(Xc().Caption(), "Cross-Country Flight Details");
  EXPECT_FALSE(Page().Enabled());
  EXPECT_EQ(Xc().Dist1.Caption(), "miles");
  EXPECT_EQ(Xc().Speed1.Caption(), "mph");
  EXPECT_EQ(Xc().XC_FlightType.Text(), "Straight Line");
  EXPECT_FALSE(Xc().Calculate.Enabled());

  TypeOneDegreeNorth();
  ASSERT_TRUE(Xc().Calculate.Enabled());
  Xc().Calculate.Click();
  EXPECT_EQ(Xc().Distance.Text(), "69.0");  // 3956.05 x pi / 180 = 69.05
  EXPECT_EQ(Xc().AveSpeed.Text(), "46.0");  // over 1:30

  Xc().Enter.Click();
  EXPECT_FALSE(Xc().Visible());
  EXPECT_TRUE(Page().Enabled());
  EXPECT_EQ(Flight().GPS_COORDS, kStraightCoords);
  EXPECT_EQ(Flight().XC_TYPE, kXcStraight);
  EXPECT_FLOAT_EQ(Flight().XC_DISTANCE, 69.0f);
  EXPECT_EQ(Page().Distance.Text(), "69.0");
  EXPECT_EQ(Page().State, EditState::kClean);
  EXPECT_EQ(Page().Caption(), "Aloftra - Flights*");

  Page().XC_Details.Click();
  EXPECT_EQ(Xc().LatDeg[1].Text(), "46");
  EXPECT_EQ(Xc().LonDeg[0].Text(), "122");
  EXPECT_EQ(Xc().Distance.Text(), "69.0");
  EXPECT_TRUE(Xc().Calculate.Enabled());
  EXPECT_FALSE(Xc().LatDeg[2].Visible());
}

TEST_F(CrossCountryDialogTest, InKilometresTheDistanceIsShownAndStoredConverted) {
  OpenFlight();
  UseKilometres();
  Page().XC_Details.Click();
  EXPECT_EQ(Xc().Dist1.Caption(), "km");
  EXPECT_EQ(Xc().Speed1.Caption(), "km/h");
  TypeOneDegreeNorth();
  Xc().Calculate.Click();
  EXPECT_EQ(Xc().Distance.Text(), "111.1");  // 69.05 miles x 1.609
  EXPECT_EQ(Xc().AveSpeed.Text(), "74.1");
  Xc().Enter.Click();
  EXPECT_FLOAT_EQ(Flight().XC_DISTANCE, 69.05f);  // 111.1 x 0.6215, to two decimals
  EXPECT_EQ(Page().Distance.Text(), "111.1");
}

TEST_F(CrossCountryDialogTest, OutAndReturnAndTriangleUseTheirRows) {
  OpenFlight("", kXcStraight, 138.09f);  // shown as 138.1
  Page().XC_Details.Click();
  Xc().XC_FlightType.SetListIndex(kXcTriangle);
  EXPECT_EQ(Xc().Point2.Caption(), "Turn Point:");
  EXPECT_TRUE(Xc().LatDeg[2].Visible());
  EXPECT_TRUE(Xc().Colon[3].Visible());
  TypeOneDegreeNorth();
  EXPECT_FALSE(Xc().Calculate.Enabled());  // the second turn point is still missing
  const char* turnLatitude[3] = {"45", "30", "0"};
  const char* turnLongitude[3] = {"121", "0", "0"};
  TypePoint(2, turnLatitude, turnLongitude);
  ASSERT_TRUE(Xc().Calculate.Enabled());
  Xc().Calculate.Click();
  // 69.05 north, 84.07 to the turn point one degree east of launch, 48.39 back west (the
  // legs worked out with the haversine formula).
  EXPECT_EQ(Xc().Distance.Text(), "201.5");

  // Pressing a hemisphere box turns the letter over and puts the focus in the row.
  Xc().LatDir[2].MouseDown(kLeftButton, 0, 10, 10);
  EXPECT_EQ(Xc().LatDir[2].Text(), "S");
  EXPECT_EQ(Xc().ActiveControl(), &Xc().LatDeg[2]);
  Xc().LonDir[1].MouseDown(kLeftButton, 0, 10, 10);
  EXPECT_EQ(Xc().LonDir[1].Text(), "E");
  Xc().LonDir[1].MouseDown(kLeftButton, 0, 10, 10);
  EXPECT_EQ(Xc().LonDir[1].Text(), "W");
  EXPECT_EQ(Xc().ActiveControl(), &Xc().LonDeg[1]);
  // From the keyboard, a hemisphere letter typed in a value's boxes sets it instead.
  EXPECT_EQ(Xc().LatMin[2].KeyPress('n'), 0);
  EXPECT_EQ(Xc().LatDir[2].Text(), "N");
  EXPECT_EQ(Xc().LatSec[2].KeyPress('s'), 0);
  EXPECT_EQ(Xc().LatDir[2].Text(), "S");
  EXPECT_EQ(Xc().LonSec[1].KeyPress('E'), 0);
  EXPECT_EQ(Xc().LonDir[1].Text(), "E");
  EXPECT_EQ(Xc().LonDeg[1].KeyPress('N'), 'N');  // not a longitude's letter
  EXPECT_EQ(Xc().LonDeg[1].KeyPress('w'), 0);
  EXPECT_EQ(Xc().LonDir[1].Text(), "W");
  EXPECT_EQ(Xc().LatDeg[2].Text(), "45");

  Xc().XC_FlightType.SetListIndex(kXcOutAndReturn);
  EXPECT_FALSE(Xc().LatDeg[2].Visible());
  EXPECT_EQ(Xc().LatDeg[2].Text(), "");
  EXPECT_EQ(Xc().Point2.Caption(), "Turn Point:");
  Xc().Calculate.Click();
  EXPECT_EQ(Xc().Distance.Text(), "138.1");
  Xc().Enter.Click();
  // The emptied row keeps its letters, and they are stored with it. The page's distance
  // text did not change, so the clean entry is not committed again, but the logbook is
  // marked modified all the same.
  EXPECT_EQ(Flight().GPS_COORDS, "45:30:0:N,122:0:0:W,46:30:0:N,122:0:0:W,:::S,:::W,");
  EXPECT_EQ(Flight().XC_TYPE, kXcOutAndReturn);
  EXPECT_EQ(Page().State, EditState::kClean);
  EXPECT_EQ(Page().Caption(), "Aloftra - Flights*");
}

TEST_F(CrossCountryDialogTest, CoordinateBoxesAreCheckedWhenTheyLoseTheFocus) {
  OpenFlight();
  Page().XC_Details.Click();
  const std::string longDigits(10000, '9');
  const std::string longZeros = std::string(9999, '0') + "1";
  struct Case {
    TextBox& box;
    std::string typed;
    std::string shown;  // empty with a message when refused
    const char* message;
  } cases[] = {
      {Xc().LatDeg[0], "89", "89", nullptr},
      {Xc().LatDeg[0], "90", "", "Invalid latitude (enter 0 degrees min, 89 degrees max)"},
      {Xc().LatDeg[0], "-5", "", "Invalid latitude (enter 0 degrees min, 89 degrees max)"},
      {Xc().LatDeg[0], "abc", "0", nullptr},
      {Xc().LatDeg[0], "07", "7", nullptr},
      {Xc().LatDeg[0], "12abc", "12", nullptr},
      {Xc().LatMin[1], "", "0", nullptr},
      {Xc().LatMin[1], "60", "", "Invalid latitude (enter 0 minutes min, 59 minutes max)"},
      {Xc().LatMin[1], longDigits, "", "Invalid latitude (enter 0 minutes min, 59 minutes max)"},
      {Xc().LatMin[1], longZeros, "1", nullptr},
      {Xc().LatSec[0], "59.9999", "", "Invalid latitude (enter 0 seconds min, 59 seconds max)"},
      {Xc().LatSec[0], "1.50", "1.5", nullptr},
      {Xc().LonDeg[1], "179", "179", nullptr},
      {Xc().LonDeg[1], "180", "", "Invalid longitude (enter 0 degrees min, 179 degrees max)"},
      {Xc().LonDeg[1], "-0", "0", nullptr},
      {Xc().LonMin[0], "-1", "", "Invalid longitude (enter 0 minutes min, 59 minutes max)"},
      {Xc().LonSec[1], "1e9", "", "Invalid longitude (enter 0 seconds min, 59 seconds max)"},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.box.QualifiedName() + " " + c.typed.substr(0, 12));
    std::size_t messages = platform.Prompts().size();
    Type(c.box, c.typed);
    Leave();
    EXPECT_EQ(c.box.Text(), c.shown);
    if (c.message == nullptr) {
      EXPECT_EQ(platform.Prompts().size(), messages);
    } else {
      ASSERT_EQ(platform.Prompts().size(), messages + 1);
      EXPECT_EQ(platform.LastMessage().prompt, c.message);
      EXPECT_EQ(platform.LastMessage().title, "Aloftra");
      EXPECT_EQ(Xc().ActiveControl(), &c.box);
    }
  }
}

TEST_F(CrossCountryDialogTest, DamagedStoredCoordinatesOpenSafelyAndAreKeptUntilPointsAreTyped) {
  const std::string longItem = std::string(10000, '4') + ":1:2:N,";
  for (const std::string& stored :
       {std::string("N40 W111"), std::string("45:30,"), std::string("1:2:3:N:N:N,4:5:6:W"),
        std::string("1:2:3:N,4:5:6:W,7:8:9:N,1:1:1:W,2:2:2:N,3:3:3:W,9:9:9:S,"), longItem}) {
    SCOPED_TRACE(stored.substr(0, 40));
    OpenFlight(stored, kXcTriangle, 12);
    Page().XC_Details.Click();
    Xc().Cancel.Click();
    EXPECT_EQ(Flight().GPS_COORDS, stored);
    Page().XC_Details.Click();
    Xc().Enter.Click();
    EXPECT_EQ(Flight().GPS_COORDS, stored);
    EXPECT_EQ(Flight().XC_TYPE, kXcTriangle);
    EXPECT_FLOAT_EQ(Flight().XC_DISTANCE, 12);
    EXPECT_TRUE(platform.Prompts().empty());
  }
  // A part present in the damaged text is shown; typing a point replaces the whole text.
  Page().XC_Details.Click();
  EXPECT_EQ(Xc().LatMin[0].Text(), "1");
  EXPECT_FALSE(Xc().Calculate.Enabled());
  Type(Xc().LatDeg[0], "45");
  Leave();
  Xc().Enter.Click();
  EXPECT_EQ(Flight().GPS_COORDS, "45:1:2:N,:::W,:::N,:::W,:::N,:::W,");
}

TEST_F(CrossCountryDialogTest, AStoredStraightFlightReopensWithTwoRowsAndTheSpeedOfItsAirtime) {
  OpenFlight("45:30:0:N,122:40:0:W,45:52:30:N,122:1:0:W,:::N,:::W,", kXcStraight, 45);
  Page().XC_Details.Click();
  EXPECT_EQ(Xc().LatSec[1].Text(), "30");
  EXPECT_EQ(Xc().LonMin[1].Text(), "1");
  EXPECT_EQ(Xc().LatDeg[2].Text(), "");
  EXPECT_EQ(Xc().Point2.Caption(), "Landing:");
  EXPECT_TRUE(Xc().Calculate.Enabled());
  EXPECT_EQ(Xc().Distance.Text(), "45.0");
  EXPECT_EQ(Xc().AveSpeed.Text(), "30.0");  // 45 miles in 1:30

  Xc().Clear.Click();
  EXPECT_EQ(Xc().XC_FlightType.ListIndex(), -1);
  EXPECT_EQ(Xc().LatDeg[0].Text(), "");
  EXPECT_EQ(Xc().LonDir[0].Text(), "W");
  EXPECT_EQ(Xc().Distance.Text(), "");
  EXPECT_EQ(Xc().AveSpeed.Text(), "");
  EXPECT_FALSE(Xc().Calculate.Enabled());
  Xc().Enter.Click();
  EXPECT_EQ(Flight().GPS_COORDS, "");
  EXPECT_EQ(Flight().XC_TYPE, kXcNone);
  EXPECT_EQ(Flight().XC_DISTANCE, 0);
  EXPECT_EQ(Page().Distance.Text(), "");
}

TEST_F(CrossCountryDialogTest, WithoutAirtimeTheAverageSpeedStaysEmpty) {
  OpenWithFlights({MakeFlight({.airtime = 0, .distance = 20})});
  Page().XC_Details.Click();
  EXPECT_EQ(Xc().Distance.Text(), "20.0");
  EXPECT_EQ(Xc().AveSpeed.Text(), "");
  Type(Xc().Distance, "35");
  EXPECT_EQ(Xc().AveSpeed.Text(), "");
}

TEST_F(CrossCountryDialogTest, EnterAlsoCommitsTheEditsMadeOnThePageBeforeOpening) {
  OpenFlight();
  TypeInto(Page().Remarks, "ridge run");
  Page().XC_Details.Click();
  Type(Xc().Distance, "12.5");
  Xc().Enter.Click();
  EXPECT_EQ(Flight().REMARKS, "ridge run");
  EXPECT_FLOAT_EQ(Flight().XC_DISTANCE, 12.5f);
  EXPECT_EQ(Page().Distance.Text(), "12.5");
  EXPECT_EQ(Page().State, EditState::kClean);
}

TEST_F(CrossCountryDialogTest, ADistanceTooLargeToStoreIsRefusedAndNothingIsWritten) {
  OpenFlight(kStraightCoords, kXcStraight, 69);
  Page().XC_Details.Click();
  Xc().XC_FlightType.SetListIndex(kXcOutAndReturn);
  Type(Xc().Distance, std::string(10000, '9'));
  EXPECT_EQ(Xc().AveSpeed.Text(), "");
  Xc().Enter.Click();
  EXPECT_EQ(platform.LastMessage().prompt, "Invalid input values, cannot enter flight record.");
  EXPECT_TRUE(Xc().Visible());
  EXPECT_EQ(Flight().XC_TYPE, kXcStraight);
  EXPECT_FLOAT_EQ(Flight().XC_DISTANCE, 69);
  EXPECT_EQ(Page().Caption(), "Aloftra - Flights");
  Xc().Cancel.Click();
  EXPECT_TRUE(Page().Enabled());
}

}  // namespace
}  // namespace aloftra::test
