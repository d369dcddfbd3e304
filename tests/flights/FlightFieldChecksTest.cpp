// Each field of the flight page checks and tidies its text when the focus leaves it.
#include <gtest/gtest.h>

#include "FlightPageFixture.h"

namespace aloftra::test {
namespace {

class FlightFieldChecksTest : public FlightPageTest {
 public:
  using AppFixture::TypeInto;
};

struct FieldCase {
  std::string typed;
  std::string shown;    // the text after the check
  std::string message;  // "" when none
};

void ExpectField(FlightFieldChecksTest& test, TextBox& box, const std::vector<FieldCase>& cases,
                 ScriptedPlatform& platform) {
  for (const FieldCase& c : cases) {
    SCOPED_TRACE("typed \"" + c.typed + "\"");
    platform.ClearMessages();
    test.TypeInto(box, c.typed);
    box.Parent().SetFocus(static_cast<frmAloftra&>(box.Parent()).Enter);
    EXPECT_EQ(box.Text(), c.shown);
    if (c.message.empty()) {
      EXPECT_TRUE(platform.Messages().empty());
    } else {
      ASSERT_EQ(platform.Messages().size(), 1u);
      EXPECT_EQ(platform.LastMessage().prompt, c.message);
      EXPECT_EQ(platform.LastMessage().icon, MsgBoxIcon::kNone);
      EXPECT_EQ(platform.LastMessage().buttons, MsgBoxButtons::kOk);
      EXPECT_EQ(platform.LastMessage().title, "Aloftra");
    }
  }
}

TEST_F(FlightFieldChecksTest, TheDateIsReadLenientlyShownInFullAndKeptBetween1970And2100) {
  const std::string range = "The flight date must be between 1970 and 2100.";
  ExpectField(*this, Page().FlightDate,
              {{"5/5/01", "May 5, 2001", ""},
               {"2001-07-04", "Jul 4, 2001", ""},
               {"12/31/1969", "", range},
               {"1/1/1970", "Jan 1, 1970", ""},
               {"12/31/2100", "Dec 31, 2100", ""},
               {"12/31/2100 1:00 PM", "", range},
               {"0:00", "", "Invalid date."},
               {"13/40/2001", "", "Invalid date."},
               {"soon", "", "Invalid date."},
               {"", "", ""}},
              platform);
}

TEST_F(FlightFieldChecksTest, TheTimeFollowsTheTimeOfDayUnit) {
  ExpectField(
      *this, Page().TimeOfDay,
      {{"13:30", "1:30 PM", ""}, {"9:05am", "9:05 AM", ""}, {"later", "", "Invalid time of day."}},
      platform);
  Book().UNIT_FLAGS[kUnitAmPm] = 0;
  Book().UNIT_FLAGS[kUnit24Hour] = kFlagSet;
  ExpectField(*this, Page().TimeOfDay, {{"13:30", "13:30", ""}, {"1:30 PM", "13:30", ""}},
              platform);
}

TEST_F(FlightFieldChecksTest, AirtimeTakesMinutesOrHoursAndMinutesUnderFortyEightHours) {
  const std::string tooLong = "The airtime must be less than 48 hours.";
  ExpectField(*this, Page().AirTime,
              {{"90", "1:30", ""},
               {"1:75", "2:15", ""},
               {"2:", "2:00", ""},
               {"-45", "0:45", ""},
               {"", "0:00", ""},
               {"47:59", "47:59", ""},
               {"48:00", "", tooLong},
               {"2880", "", tooLong},
               {"40000", "", "Invalid Airtime."}},
              platform);
}

TEST_F(FlightFieldChecksTest, AltitudeBoundsFollowTheAltitudeUnit) {
  ExpectField(*this, Page().LaunchMSL,
              {{"-500", "-500", ""},
               {"-501", "", "Invalid launch altitude (-500 min, 30000 max)."},
               {"abc", "abc", ""}},
              platform);
  ExpectField(*this, Page().OverLaunch, {{"-1", "", "Invalid over launch altitude (30000 max)."}},
              platform);
  UseMetres();
  Page().MaxMSL.SetText("");
  Page().OverLaunch.SetText("");
  ExpectField(
      *this, Page().LandingMSL,
      {{"9100", "9100", ""}, {"9101", "", "Invalid landing altitude (-150 min, 9100 max)."}},
      platform);
}

TEST_F(FlightFieldChecksTest, TheThreeLinkedAltitudesStayConsistent) {
  Type(Page().MaxMSL, "800");
  Type(Page().LaunchMSL, "1000");
  EXPECT_EQ(Page().MaxMSL.Text(), "1000");
  EXPECT_EQ(Page().OverLaunch.Text(), "0");

  Type(Page().MaxMSL, "800");
  EXPECT_EQ(Page().LaunchMSL.Text(), "800");
  EXPECT_EQ(Page().OverLaunch.Text(), "0");

  Page().LaunchMSL.SetText("");
  Page().OverLaunch.SetText("");
  Type(Page().MaxMSL, "2000");
  Type(Page().OverLaunch, "500");
  EXPECT_EQ(Page().LaunchMSL.Text(), "1500");

  Type(Page().LaunchMSL, "1250");
  EXPECT_EQ(Page().OverLaunch.Text(), "750");
  Page().MaxMSL.SetText("");
  Type(Page().OverLaunch, "250");
  EXPECT_EQ(Page().MaxMSL.Text(), "1500");
}

TEST_F(FlightFieldChecksTest, CtrlDInTheDateBoxEntersTodayAndMovesToTheTime) {
  platform.SetNow(MakeDateTime(2026, 12, 8, 15, 45));
  Page().SetFocus(Page().FlightDate);
  EXPECT_EQ(Page().FlightDate.KeyPress(4), 0);
  EXPECT_EQ(Page().FlightDate.Text(), "Dec 8, 2026");
  EXPECT_EQ(Page().ActiveControl(), &Page().TimeOfDay);
  EXPECT_EQ(Page().FlightDate.KeyPress('a'), 'a');
}

TEST_F(FlightFieldChecksTest, AnyKeyInTheFlightNumberSaysItIsAssignedAutomatically) {
  EXPECT_EQ(Page().FlightNo.KeyPress('7'), 0);
  EXPECT_EQ(platform.LastMessage().prompt, "The flight number is automatically assigned.");
}

}  // namespace
}  // namespace aloftra::test
