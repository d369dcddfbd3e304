// The glider page's fields and what they lead to: the class groups, the field checks, the
// weights in both units, the glider's statistics and type, and the jumps to its flights.
#include <gtest/gtest.h>

#include "GliderPageFixture.h"
#include "core/DateTime.h"

namespace aloftra::test {
namespace {

using Strings = std::vector<std::string>;

TEST_F(GliderPageTest, EachClassGroupHoldsAtMostOneClassAndTheGroupsAreIndependent) {
  Page().DHV[1].Toggle();  // "1-2"
  Page().AFNOR[0].Toggle();
  EXPECT_EQ(Page().State, EditState::kModified);
  Page().DHV[2].Toggle();  // "2" clears "1-2"
  EXPECT_FALSE(Page().DHV[1].Checked());
  EXPECT_TRUE(Page().DHV[2].Checked());
  EXPECT_TRUE(Page().AFNOR[0].Checked());
  Page().AFNOR[3].Toggle();
  EXPECT_FALSE(Page().AFNOR[0].Checked());
  EXPECT_TRUE(Page().DHV[2].Checked());
  Page().Enter.Click();
  EXPECT_EQ(Glider(1).DHV, (std::array<Flag, kDhvClasses>{0, 0, kFlagSet, 0, 0}));
  EXPECT_EQ(Glider(1).AFNOR, (std::array<Flag, kAfnorClasses>{0, 0, 0, kFlagSet}));

  Page().DHV[2].Toggle();  // clicking the checked class leaves none
  Page().Enter.Click();
  EXPECT_EQ(Glider(1).DHV, (std::array<Flag, kDhvClasses>{}));
  Choose("Falcon");
  Choose("Mentor");
  EXPECT_TRUE(Page().AFNOR[3].Checked());
  EXPECT_EQ(Page().State, EditState::kClean);
}

TEST_F(GliderPageTest, FieldsAreCheckedAsTheFocusLeavesThem) {
  struct Case {
    TextBox* box;
    std::string typed;
    std::string shown;    // after the check
    std::string refusal;  // empty: no message
  };
  frmGliders& p = Page();
  const std::string badMin = "Invalid minimum total takeoff weight.";
  const std::string badMax = "Invalid maximum total takeoff weight.";
  for (const Case& c : std::vector<Case>{
           {&p.PreAirtime, "90", "1:30", ""},
           {&p.PreAirtime, "1:5", "1:05", ""},
           {&p.PreAirtime, "-90", "1:30", ""},
           {&p.PreAirtime, "", "0:00", ""},
           {&p.PreAirtime, "100000:59", "100000:59", ""},  // no upper limit here
           {&p.PreAirtime, "1e12", "", "Invalid Previous Airtime."},
           {&p.WeightMin, "9999", "9999", ""},
           {&p.WeightMin, "10000", "", badMin},
           {&p.WeightMin, "-1", "", badMin},
           {&p.WeightMin, "12abc", "12abc", ""},
           {&p.WeightMax, "0", "0", ""},
           {&p.WeightMax, "9999.5", "", badMax},
           {&p.DateOfMfg, "3/5/2001", "Mar 5, 2001", ""},
           {&p.DateOfMfg, "5 march 01", "Mar 5, 2001", ""},
           {&p.DateOfMfg, "2001-03-05 13:30", "Mar 5, 2001", ""},
           {&p.DateOfMfg, "1/1/1850 1:00 PM", "Jan 1, 1850", ""},
           {&p.DateOfMfg, "", "", ""},
           {&p.DateOfMfg, "13:30", "", "Invalid date."},
           {&p.DateOfMfg, "2/30/2001", "", "Invalid date."},
           {&p.DateOfMfg, "soon", "", "Invalid date."},
       }) {
    SCOPED_TRACE(c.box->Name() + " " + c.typed);
    platform.ClearMessages();
    Type(*c.box, c.typed);
    EXPECT_EQ(c.box->Text(), c.shown);
    EXPECT_EQ(platform.Prompts(), c.refusal.empty() ? Strings{} : Strings{c.refusal});
  }
}

TEST_F(GliderPageTest, EnterChecksTheColourAndTheWeightRange) {
  struct Case {
    std::string color;
    std::string minimum;
    std::string maximum;
    std::string refusal;
  };
  for (const Case& c : std::vector<Case>{
           {"-1", "", "", "The Glider Color cannot be set to -1"},
           {"-1 and blue", "", "", ""},
           {"red", "80", "70", "The minimum weight cannot be greater than the maximum weight."},
           {"red", "80", "", "The minimum weight cannot be greater than the maximum weight."},
           {"red", "", "", ""},
           {"red", "70", "80", ""},
       }) {
    SCOPED_TRACE(c.color + " " + c.minimum + "-" + c.maximum);
    Page().NewGlider.Click();
    Page().GliderName.SetText("Glider " + c.color + c.minimum + c.maximum);
    Page().GliderColor.SetText(c.color);
    Page().WeightMin.SetText(c.minimum);
    Page().WeightMax.SetText(c.maximum);
    platform.ClearMessages();
    Page().Enter.Click();
    if (c.refusal.empty()) {
      EXPECT_EQ(Page().State, EditState::kClean);
      EXPECT_EQ(Glider(Book().doc.currentGlider).COLOR, c.color);
      continue;
    }
    EXPECT_EQ(platform.Prompts(), Strings{c.refusal});
    EXPECT_EQ(Page().State, EditState::kNew);
    // A refused colour is emptied for the pilot to type again.
    EXPECT_EQ(Page().GliderColor.Text(), c.color == "-1" ? "" : c.color);
  }
}

TEST_F(GliderPageTest, WeightsAreStoredInPoundsAndShownInTheChosenUnit) {
  Book().UNIT_FLAGS[kUnitPounds] = 0;
  Book().UNIT_FLAGS[kUnitKilograms] = kFlagSet;
  app->ApplyUnitLabels();
  EXPECT_EQ(Page().Weight1.Caption(), "kg");
  EXPECT_EQ(Page().Weight2.Caption(), "kg");
  Page().WeightMin.SetText("100");
  Page().WeightMax.SetText("-120");  // stored without its sign
  Page().Enter.Click();
  EXPECT_FLOAT_EQ(Glider(1).WEIGHT_MIN, 220.5f);
  EXPECT_FLOAT_EQ(Glider(1).WEIGHT_MAX, 264.6f);
  Page().GlidersDisplayEntry();
  EXPECT_EQ(Page().WeightMin.Text(), "100");
  EXPECT_EQ(Page().WeightMax.Text(), "120");

  // Back to pounds: a clean page is shown again, an edited one keeps what was typed.
  Page().Model.SetText("edited");
  Book().UNIT_FLAGS[kUnitPounds] = kFlagSet;
  Book().UNIT_FLAGS[kUnitKilograms] = 0;
  app->ApplyUnitLabels();
  EXPECT_EQ(Page().Weight1.Caption(), "lbs");
  EXPECT_EQ(Page().WeightMin.Text(), "100");
  platform.QueueAnswer(MsgBoxAnswer::kNo);
  Choose("Falcon");
  EXPECT_EQ(Page().WeightMin.Text(), "0");
}

TEST_F(GliderPageTest, StatisticsBoxesShowTheStoredFiguresWithThePreviousAirtime) {
  OpenWithFlights(
      {{.date = 37000.5, .airtime = 95, .glider = 0, .maxMsl = 5000},
       {.date = 37001.5, .airtime = 30, .glider = 0, .overLaunch = 900, .distance = 12.5f},
       {.date = 37001.6, .airtime = 20, .glider = 1}});
  Choose("Falcon");
  EXPECT_EQ(Page().Longest.Text(), "1:35");
  EXPECT_EQ(Page().Highest.Text(), "5000");
  EXPECT_EQ(Page().OverLaunch.Text(), "900");
  EXPECT_EQ(Page().Distance.Text(), "12.5");
  EXPECT_EQ(Page().FlyingDays.Text(), "2");
  EXPECT_EQ(Page().Flights.Text(), "2");
  EXPECT_EQ(Page().TotalAirtime.Text(), "2:05");
  EXPECT_EQ(Page().PreAirtime.Text(), "");

  Type(Page().PreAirtime, "1:00");
  Page().Enter.Click();
  EXPECT_EQ(Glider(0).PRE_AIRTIME, 60);
  EXPECT_EQ(Page().TotalAirtime.Text(), "3:05");
  EXPECT_EQ(Page().PreAirtime.Text(), "1:00");

  // The display-only boxes follow the colour mode.
  Book().doc.COLOR_MODE = 0;
  app->ApplyColorMode();
  EXPECT_EQ(Page().Flights.BackColor(), kWhite);
  EXPECT_EQ(Page().TotalGliders.BackColor(), kWhite);
  Book().doc.COLOR_MODE = 1;
  app->ApplyColorMode();
  EXPECT_EQ(Page().TotalAirtime.BackColor(), Rgb(220, 220, 220));
}

TEST_F(GliderPageTest, ChangingTheTypeMovesTheFlightsBetweenTheTotalsAndRenumbersThem) {
  // Falcon (hang glider) flies on days 1 and 3, Mentor (paraglider) on days 2 and 4.
  OpenWithFlights({{.date = 37001.5, .glider = 0},
                   {.date = 37002.5, .glider = 1},
                   {.date = 37003.5, .glider = 0},
                   {.date = 37004.5, .glider = 1}});
  auto numbers = [this] {
    std::vector<int> result;
    for (const FlightRecord& flight : Book().flights)
      result.push_back(flight.FLIGHT_NO);
    return result;
  };
  ASSERT_EQ(numbers(), (std::vector<int>{1, 1, 2, 2}));
  ASSERT_EQ(Book().totals[kParagliding].FLIGHTS_SOLO, 2);

  Page().GliderType[0].SetValue(true);
  Page().Enter.Click();
  EXPECT_EQ(Glider(1).HANG_GLIDER, kOptionSet);
  EXPECT_EQ(Book().totals[kHangGliding].FLIGHTS_SOLO, 4);
  EXPECT_EQ(Book().totals[kParagliding].FLIGHTS_SOLO, 0);
  EXPECT_EQ(numbers(), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(FlightPage().FlightNo.Text(), "4");
}

TEST_F(GliderPageTest, DetailsShowsTheBestFlightOnTheFlightPage) {
  OpenWithFlights({{.date = 37001.5, .airtime = 90, .glider = 0, .maxMsl = 100},
                   {.date = 37002.5, .airtime = 30, .glider = 0, .maxMsl = 800},
                   {.date = 37003.5, .airtime = 20, .glider = 0, .overLaunch = 50, .distance = 3},
                   {.date = 37004.5, .airtime = 10, .glider = 1}});
  Choose("Falcon");
  FlightPage().GotoGliders.Click();
  for (int index : {0, 1, 2, 3}) {
    SCOPED_TRACE(index);
    const int expected = std::vector<int>{0, 1, 2, 2}[static_cast<std::size_t>(index)];
    Book().doc.CurrentPosition = 3;
    Page().Details[index].Click();
    EXPECT_EQ(Book().CurrentFlightIndex(), expected);
    EXPECT_EQ(FlightPage().FlightDate.Text(), FormatLongDate(Book().flights[expected].DATE));
    EXPECT_TRUE(FlightPage().Visible());
    EXPECT_FALSE(Page().Visible());
    FlightPage().GotoGliders.Click();
  }
  // A glider without flights has no best flights: its buttons do nothing.
  CreateGlider("Zulu");
  Book().doc.CurrentPosition = 0;
  for (int index : {0, 1, 2, 3})
    Page().Details[index].Click();
  EXPECT_EQ(Book().doc.CurrentPosition, 0);
  EXPECT_TRUE(Page().Visible());
}

}  // namespace
}  // namespace aloftra::test
