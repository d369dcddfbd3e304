// Showing stored flights, starting new entries and browsing in the current order.
#include <gtest/gtest.h>

#include "FlightPageFixture.h"
#include "flights/RoseDrawing.h"
#include "form/TabOrder.h"

namespace aloftra::test {
namespace {

class FlightDisplayTest : public FlightPageTest {
 protected:
  // Three flights: 5 May 2001 (60 min), 6 May (90 min), 7 May (30 min).
  void OpenThreeFlights() {
    OpenWithFlights({MakeFlight({.date = MakeDateTime(2001, 5, 5, 10), .airtime = 60}),
                     MakeFlight({.date = MakeDateTime(2001, 5, 6, 10), .airtime = 90}),
                     MakeFlight({.date = MakeDateTime(2001, 5, 7, 10), .airtime = 30})});
  }
};

TEST_F(FlightDisplayTest, AStoredFlightIsShownInFullInTheChosenUnitsWithoutBeingMarked) {
  FlightRecord flight = MakeFlight({.date = MakeDateTime(2001, 7, 4, 14, 30), .airtime = 135});
  flight.GLIDER_INDEX = 1;
  flight.SITE_INDEX = 1;
  flight.SOLO = 0;
  flight.TANDEM = kOptionSet;
  flight.LAUNCH_MSL = 3281;
  flight.MAX_MSL = 4921;
  flight.OVER_LAUNCH = 1640;
  flight.LANDING_MSL = -100;
  flight.BASE_WIND = 12.4f;
  flight.PEAK_WIND = 20;
  flight.MAX_LIFT = 400;
  flight.MAX_SINK = 200;
  flight.XC_DISTANCE = 12.5f;
  flight.TURBULENCE = 3;
  flight.WIND_FLAGS[0] = kFlagSet;
  flight.WIND_FLAGS[4] = kFlagSet;
  flight.REMARKS = "Thermals\r\nto base";
  OpenWithFlights({flight});

  frmAloftra& page = Page();
  EXPECT_EQ(page.FlightDate.Text(), "Jul 4, 2001");
  EXPECT_EQ(page.TimeOfDay.Text(), "2:30 PM");
  EXPECT_EQ(page.AirTime.Text(), "2:15");
  EXPECT_EQ(page.FlightNo.Text(), "1");
  EXPECT_EQ(page.GliderName.Text(), "Mentor");
  EXPECT_EQ(page.GliderType.Caption(), "Paraglider");
  EXPECT_TRUE(page.Places[1].Value());
  EXPECT_EQ(page.SiteName.Text(), "Dunes");
  EXPECT_EQ(page.SiteLocation.Text(), "Oregon");
  EXPECT_EQ(page.LaunchMSL.Text(), "3281");
  EXPECT_EQ(page.LandingMSL.Text(), "-100");
  EXPECT_EQ(page.Distance.Text(), "12.5");
  EXPECT_EQ(page.BaseWind.Text(), "12");
  EXPECT_EQ(page.Remarks.Text(), "Thermals\r\nto base");
  EXPECT_EQ(page.TurbulenceLevel, 3);
  EXPECT_TRUE(page.Turbulence[3].Filled());
  EXPECT_FALSE(page.Turbulence[4].Filled());
  EXPECT_EQ(page.EntryIndex.Caption(), "1 of 1");
  EXPECT_EQ(page.State, EditState::kClean);
  EXPECT_EQ(page.FlightDate.ForeColor(), kBlack);
  EXPECT_TRUE(page.XC_Details.Enabled());
  EXPECT_EQ(page.Drawing().Items(RoseGroup(0)).front().color, kRoseSetColor);
  EXPECT_EQ(page.Drawing().Items(RoseGroup(1)).front().color, kButtonFace);
  EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(FlightDisplayTest, MetresAndKilometresPerHourAreShownConverted) {
  FlightRecord flight = MakeFlight({.date = MakeDateTime(2001, 7, 4), .airtime = 60});
  flight.LAUNCH_MSL = 3281;
  flight.BASE_WIND = 12.4f;
  flight.MAX_LIFT = 400;
  Logbook book = GlidersAndSites();
  book.flights.Append(flight);
  RebuildFlightOrder(book);
  book.UNIT_FLAGS = {};
  for (UnitButton unit : {kUnitKmh, kUnitMetres, kUnitMetresPerSecond, kUnitKilometres,
                          kUnitKilograms, kUnit24Hour}) {
    book.UNIT_FLAGS[unit] = kFlagSet;
  }
  app = std::make_unique<App>(platform, files);
  OpenOnStart("Metric.log", book);
  EXPECT_EQ(Page().LaunchMSL.Text(), "1000");
  EXPECT_EQ(Page().BaseWind.Text(), "20");
  EXPECT_EQ(Page().MaxLift.Text(), "2.03");
  EXPECT_EQ(Page().TimeOfDay.Text(), "0:00");
  EXPECT_EQ(Page().Alt1.Caption(), "m");
  EXPECT_EQ(Page().Speed2.Caption(), "km/h");
  EXPECT_EQ(Page().Rate1.Caption(), "m/s");
  EXPECT_EQ(Page().Dist1.Caption(), "km");
}

TEST_F(FlightDisplayTest, AHighlightedNonFlyingEntryShowsYellowWithItsRemarksEnlarged) {
  FlightRecord flight = MakeFlight({.date = MakeDateTime(2001, 7, 4), .airtime = 0});
  flight.NON_FLYING = kFlagSet;
  flight.HIGHLIGHT = kFlagSet;
  OpenWithFlights({flight});
  frmAloftra& page = Page();
  EXPECT_TRUE(page.RemarksExpanded);
  EXPECT_EQ(page.Remarks.Geometry(), (Rect{90, 1320, 7455, 3840}));
  EXPECT_TRUE(page.RemarksRestore.Visible());
  EXPECT_FALSE(page.RemarksRestore.Enabled());
  EXPECT_FALSE(page.AirTime.Visible());
  EXPECT_FALSE(page.GliderFrame.Visible());
  EXPECT_FALSE(page.Lines[7].Visible());
  EXPECT_TRUE(page.FlightDate.Visible());
  EXPECT_EQ(page.FlightNo.Text(), "");
  EXPECT_EQ(page.Remarks.BackColor(), kPaleYellow);
  EXPECT_EQ(page.State, EditState::kClean);
}

TEST_F(FlightDisplayTest, AStoredDateBefore1970IsReportedAndLeftOutOfTheDateBox) {
  OpenWithFlights({MakeFlight({.date = MakeDateTime(1969, 12, 31, 9), .airtime = 60})});
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.LastMessage().prompt, "The flight date must be between 1970 and 2100.");
  EXPECT_EQ(Page().FlightDate.Text(), "");
  EXPECT_EQ(Page().TimeOfDay.Text(), "9:00 AM");
}

TEST_F(FlightDisplayTest, BrowsingStepsThroughTheOrderAndBeepsAtEitherEnd) {
  OpenThreeFlights();
  frmAloftra& page = Page();
  EXPECT_EQ(page.FlightDate.Text(), "May 7, 2001");
  page.ViewEntry[2].Click();
  EXPECT_EQ(platform.Beeps(), 1);
  EXPECT_EQ(page.EntryIndex.Caption(), "3 of 3");
  page.ViewEntry[0].Click();
  EXPECT_EQ(page.FlightDate.Text(), "May 5, 2001");
  EXPECT_EQ(page.EntryIndex.Caption(), "1 of 3");
  page.ViewEntry[1].Click();
  EXPECT_EQ(platform.Beeps(), 2);
  EXPECT_EQ(Book().doc.CurrentPosition, 0);
  page.ViewEntry[2].Click();
  EXPECT_EQ(page.FlightDate.Text(), "May 6, 2001");
  page.ViewEntry[3].Click();
  EXPECT_EQ(page.FlightDate.Text(), "May 7, 2001");
  EXPECT_EQ(platform.Beeps(), 2);
}

TEST_F(FlightDisplayTest, LastOnTheLastFlightWithEditsAsksAndAfterNoRestoresTheStoredFlight) {
  OpenThreeFlights();
  frmAloftra& page = Page();
  TypeInto(page.Remarks, "edited");
  EXPECT_EQ(page.State, EditState::kModified);
  EXPECT_EQ(page.Remarks.ForeColor(), kRed);
  platform.QueueAnswer(MsgBoxAnswer::kNo);
  page.ViewEntry[3].Click();
  EXPECT_EQ(platform.LastMessage().prompt, "Do you want to save the changes to the current entry?");
  EXPECT_EQ(platform.LastMessage().title, "Save Changes");
  EXPECT_EQ(platform.Beeps(), 1);
  EXPECT_EQ(page.Remarks.Text(), "");
  EXPECT_EQ(page.State, EditState::kClean);
}

TEST_F(FlightDisplayTest, NextOnTheLastFlightWithEditsAndNoBeepsAndKeepsTheEdits) {
  OpenThreeFlights();
  TypeInto(Page().Remarks, "edited");
  platform.QueueAnswer(MsgBoxAnswer::kNo);
  Page().ViewEntry[2].Click();
  EXPECT_EQ(platform.Beeps(), 1);
  EXPECT_EQ(Page().Remarks.Text(), "edited");
  EXPECT_EQ(Page().State, EditState::kModified);
}

TEST_F(FlightDisplayTest, NavigatingWithEditsAnsweredYesSavesThemFirst) {
  OpenThreeFlights();
  TypeInto(Page().Remarks, "saved on the way");
  platform.QueueAnswer(MsgBoxAnswer::kYes);
  Page().ViewEntry[0].Click();
  EXPECT_EQ(FlightAt(2).REMARKS, "saved on the way");
  EXPECT_EQ(Page().FlightDate.Text(), "May 5, 2001");
}

TEST_F(FlightDisplayTest, NewEntryStartsRedWithTodaysDateAndAsksToSaveAnEditedFlightFirst) {
  OpenThreeFlights();
  platform.SetNow(MakeDateTime(2026, 12, 8, 9, 30));
  TypeInto(Page().Remarks, "edited");
  platform.QueueAnswer(MsgBoxAnswer::kNo);
  Page().NewEntry.Click();
  frmAloftra& page = Page();
  EXPECT_EQ(platform.LastMessage().prompt, "Do you want to save the changes to the current entry?");
  EXPECT_EQ(page.EntryIndex.Caption(), "- New Entry -");
  EXPECT_EQ(page.FlightDate.Text(), "Dec 8, 2026");
  EXPECT_EQ(page.ActiveControl(), &page.FlightDate);
  EXPECT_EQ(page.State, EditState::kNew);
  EXPECT_EQ(page.AirTime.ForeColor(), kRed);
  EXPECT_TRUE(page.Places[0].Value());
  EXPECT_EQ(page.GliderName.ListIndex(), -1);
  EXPECT_FALSE(page.XC_Details.Enabled());
  EXPECT_EQ(FlightAt(2).REMARKS, "");

  platform.ClearMessages();
  TypeInto(page.Remarks, "new and unsaved");
  page.NewEntry.Click();
  EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(FlightDisplayTest, ANewEntryAfterARefusedSaveOfTheOldOneIsBlank) {
  OpenThreeFlights();
  frmAloftra& page = Page();
  TypeInto(page.AirTime, "48:00");
  page.SetFocus(page.Remarks);  // "The airtime must be less than 48 hours." empties the box
  ASSERT_EQ(page.AirTime.Text(), "");
  platform.QueueAnswer(MsgBoxAnswer::kYes);
  page.NewEntry.Click();
  EXPECT_EQ(platform.Prompts().back(), "The Airtime must be filled in.");
  EXPECT_EQ(page.AirTime.Text(), "");
  EXPECT_EQ(page.ActiveControl(), &page.FlightDate);
  EXPECT_EQ(page.State, EditState::kNew);
  EXPECT_EQ(FlightAt(2).AIRTIME, 30);  // the refused save changed nothing
}

TEST_F(FlightDisplayTest, TheSoloAndTandemOptionsFollowEachFlagInTurn) {
  FlightRecord both = MakeFlight({.date = MakeDateTime(2001, 5, 5, 10), .airtime = 60});
  both.TANDEM = kOptionSet;  // a damaged record with both set: the later option wins
  OpenWithFlights({both});
  EXPECT_FALSE(Page().Places[0].Value());
  EXPECT_TRUE(Page().Places[1].Value());

  Book().gliders[1].SOLO = 0;
  Book().gliders[1].TANDEM = 0;
  Page().GliderName.SetText("Mentor");
  EXPECT_FALSE(Page().Places[0].Value());
  EXPECT_FALSE(Page().Places[1].Value());
}

TEST_F(FlightDisplayTest, ChoosingASiteFillsItsAltitudesLocationAndWindsButNotMaxOrOverLaunch) {
  Book().sites[0].WIND_FLAGS[12] = kFlagSet;
  frmAloftra& page = Page();
  TypeInto(page.LaunchMSL, "5000");
  TypeInto(page.MaxMSL, "6000");
  page.Form_MouseUp(kLeftButton, 0, kRoseCentreX + 500, kRoseCentreY);  // E
  page.SiteName.SetText("Point");
  EXPECT_EQ(page.LaunchMSL.Text(), "1200");
  EXPECT_EQ(page.LandingMSL.Text(), "100");
  EXPECT_EQ(page.MaxMSL.Text(), "6000");
  EXPECT_EQ(page.SiteLocation.Text(), "Utah");
  EXPECT_EQ(page.RoseFlags[0], 0);
  EXPECT_EQ(page.RoseFlags[12], kFlagSet);
  EXPECT_EQ(page.Drawing().Items(RoseGroup(12)).front().color, kRoseSetColor);
}

TEST_F(FlightDisplayTest, ChoosingAGliderSetsSoloOrTandemAndTheWingType) {
  Book().gliders[1].SOLO = 0;
  Book().gliders[1].TANDEM = kOptionSet;
  Page().GliderName.SetText("Mentor");
  EXPECT_TRUE(Page().Places[1].Value());
  EXPECT_EQ(Page().GliderType.Caption(), "Paraglider");
  Page().GliderName.SetText("Falcon");
  EXPECT_TRUE(Page().Places[0].Value());
  EXPECT_EQ(Page().GliderType.Caption(), "Hang Glider");
}

TEST_F(FlightDisplayTest, TheVarioBarsFillToScaleAndMarkOverRange) {
  OpenThreeFlights();
  frmAloftra& page = Page();
  Book().VARIO_SCALE = 0;  // 400 fpm
  TypeInto(page.MaxLift, "1000");
  const std::vector<DrawItem>& lift = page.Drawing().Items("vario.lift");
  ASSERT_EQ(lift.size(), 66u);
  EXPECT_TRUE(page.VarioMax.Visible());
  for (const DrawItem& line : lift)
    EXPECT_NE(line.color, kButtonFace);
  EXPECT_EQ(page.State, EditState::kModified);

  TypeInto(page.MaxSink, "200");  // half scale: lines 0 to 32
  const std::vector<DrawItem>& sink = page.Drawing().Items("vario.sink");
  EXPECT_NE(sink[32].color, kButtonFace);
  EXPECT_EQ(sink[33].color, kButtonFace);
  EXPECT_EQ(sink[0].color, Rgb(255, 220, 220));  // full colour shades
  EXPECT_EQ(sink[0].y1, 1860);
  EXPECT_EQ(sink[65].y1, 1860 + 15 * 65);
  EXPECT_EQ(sink[65].x2, 6900);
  EXPECT_FALSE(page.VarioMin.Visible());

  Book().doc.COLOR_MODE = 0;
  TypeInto(page.MaxLift, "0");
  EXPECT_FALSE(page.VarioMax.Visible());
  for (const DrawItem& line : page.Drawing().Items("vario.lift")) {
    EXPECT_EQ(line.color, kButtonFace);
  }
  TypeInto(page.MaxLift, "100");
  EXPECT_EQ(page.Drawing().Items("vario.lift")[0].color, Rgb(0, 255, 0));
}

TEST_F(FlightDisplayTest, ClicksOnTheRoseAndTheTurbulenceScaleMarkTheEntry) {
  OpenThreeFlights();
  frmAloftra& page = Page();
  page.Form_MouseUp(kLeftButton, 0, kRoseCentreX, kRoseCentreY - 500);  // N
  EXPECT_EQ(page.RoseFlags[4], kFlagSet);
  EXPECT_EQ(page.State, EditState::kModified);
  page.Form_MouseUp(kRightButton, 0, kRoseCentreX, kRoseCentreY - 500);
  EXPECT_EQ(page.RoseFlags[4], 0);
  page.Form_MouseUp(kLeftButton, 0, kRoseCentreX - 300, kRoseCentreY + 300);  // SW
  page.Form_MouseUp(kLeftButton, 0, kRoseCentreX + 100, kRoseCentreY);        // centre
  EXPECT_EQ(page.RoseFlags, WindFlags{});

  page.Form_MouseUp(kLeftButton, 0, 4000, 2800);
  EXPECT_EQ(page.TurbulenceLevel, 3);
  EXPECT_TRUE(page.Turbulence[3].Filled());
  page.Form_MouseUp(kLeftButton, 0, 3330, 2730);
  EXPECT_EQ(page.TurbulenceLevel, 1);
  page.Form_MouseUp(kLeftButton, 0, 3500, 2895);
  EXPECT_EQ(page.TurbulenceLevel, 0);
  EXPECT_FALSE(page.Turbulence[1].Filled());
  page.Form_MouseUp(kLeftButton, 0, 5326, 2800);  // beside the scale
  EXPECT_EQ(page.TurbulenceLevel, 0);
}

TEST_F(FlightDisplayTest, ARepaintRedrawsTheBarsAndSetWedgesWithoutMarkingTheEntry) {
  OpenThreeFlights();
  Page().RoseFlags[8] = kFlagSet;
  Page().Drawing().Clear();
  Page().Paint();
  EXPECT_EQ(Page().State, EditState::kClean);
  EXPECT_EQ(Page().Drawing().Items("vario.lift").size(), 66u);
  EXPECT_EQ(Page().Drawing().Items(RoseGroup(8)).front().color, kRoseSetColor);
  EXPECT_TRUE(Page().Drawing().Items(RoseGroup(7)).empty());
}

TEST_F(FlightDisplayTest, RightClicksOnTheStatusLabelsAndTheVarioOpenTheirDialogs) {
  Page().SortStatus2.MouseUp(kLeftButton, 0, 0, 0);
  EXPECT_FALSE(app->Dialogs()[DialogId::kSort].Visible());
  Page().SortStatus2.MouseUp(kRightButton, 0, 0, 0);
  EXPECT_TRUE(app->Dialogs()[DialogId::kSort].Visible());
  app->Dialogs()[DialogId::kSort].Unload();
  Page().FilterStatus1.MouseUp(kRightButton, 0, 0, 0);
  EXPECT_TRUE(app->Dialogs()[DialogId::kFilters].Visible());
  app->Dialogs()[DialogId::kFilters].Unload();
  Page().Form_MouseUp(kRightButton, 0, 7000, 1000);
  EXPECT_TRUE(app->Dialogs()[DialogId::kVario].Visible());
  EXPECT_FALSE(Page().Enabled());
}

TEST_F(FlightDisplayTest, TheRemarksBoxExpandsOverThePageAndRestores) {
  frmAloftra& page = Page();
  page.RemarksExpand.Click();
  EXPECT_EQ(page.Remarks.Geometry(), (Rect{90, 1320, 7455, 3840}));
  EXPECT_EQ(page.RemarksLabel.Top(), 1080);
  EXPECT_FALSE(page.FlightNo.Visible());
  EXPECT_FALSE(page.RoseOutline.Visible());
  EXPECT_TRUE(page.RemarksRestore.Visible());
  page.RemarksRestore.Click();
  EXPECT_EQ(page.Remarks.Geometry(), (Rect{3210, 4680, 4335, 910}));
  EXPECT_EQ(page.RemarksLabel.Top(), 4440);
  EXPECT_TRUE(page.FlightNo.Visible());
  EXPECT_FALSE(page.VarioMax.Visible());
  EXPECT_FALSE(page.RemarksRestore.Visible());
}

// While the remarks box is enlarged nothing it covers may show: neither the rose and the
// lift bar, whose tops would stand out above it, nor the expand button inside its area, and
// neither typing nor a click redraws them. Restoring the box brings them all back.
TEST_F(FlightDisplayTest, NothingTheEnlargedRemarksBoxCoversIsDrawnUntilItIsRestored) {
  OpenThreeFlights();
  frmAloftra& page = Page();
  Book().VARIO_SCALE = 0;  // 400 fpm
  TypeInto(page.MaxLift, "300");
  page.Form_MouseUp(kLeftButton, 0, kRoseCentreX, kRoseCentreY - 500);  // N
  ASSERT_EQ(page.RoseFlags[4], kFlagSet);
  auto drawnItems = [&page] {
    int drawn = 0;
    for (const DrawList::Group& group : page.Drawing().Groups())
      drawn += static_cast<int>(group.items.size());
    return drawn;
  };

  page.RemarksExpand.Click();
  EXPECT_EQ(drawnItems(), 0);
  EXPECT_FALSE(page.RemarksExpand.Visible());
  TypeInto(page.MaxLift, "1000");                                       // over range
  page.Form_MouseUp(kLeftButton, 0, kRoseCentreX, kRoseCentreY - 700);  // N, above the box
  page.Paint();
  EXPECT_EQ(drawnItems(), 0);
  EXPECT_FALSE(page.VarioMax.Visible());
  EXPECT_EQ(page.RoseFlags[4], kFlagSet);

  page.RemarksRestore.Click();
  EXPECT_TRUE(page.RemarksExpand.Visible());
  EXPECT_TRUE(page.VarioMax.Visible());
  EXPECT_EQ(page.Drawing().Items("vario.lift").size(), 66u);
  EXPECT_EQ(page.Drawing().Items("vario.sink").size(), 66u);
  EXPECT_EQ(page.Drawing().Items(RoseGroup(4)).front().color, kRoseSetColor);
  EXPECT_EQ(page.Drawing().Items(RoseGroup(5)).front().color, kButtonFace);
}

// Tab reads the page as it is laid out: the top row, the left column, the right column and
// the buttons below; it passes over the locked boxes and stops once on Solo / Tandem.
TEST_F(FlightDisplayTest, TabWalksThePageInReadingOrderPastItsLockedBoxes) {
  OpenThreeFlights();
  std::vector<std::string> stops;
  for (Control* control : TabOrder(Page())) {
    if (IsTabStop(*control) && control->EffectivelyVisible()) {
      stops.push_back(control->QualifiedName());
    }
  }
  const std::vector<std::string> expected = {
      "FlightDate",    "TimeOfDay",    "AirTime",      "GliderName",    "Places(0)",
      "SiteName",      "Distance",     "XC_Details",   "NonFlying",     "Highlight",
      "BaseWind",      "PeakWind",     "MaxLift",      "MaxSink",       "LaunchMSL",
      "MaxMSL",        "LandingMSL",   "OverLaunch",   "RemarksExpand", "Remarks",
      "ViewEntry(0)",  "ViewEntry(1)", "ViewEntry(2)", "ViewEntry(3)",  "NewEntry",
      "Enter",         "DeleteEntry",  "GotoAloftra",  "GotoSiteList",  "GotoGliders",
      "GotoPilotInfo", "GotoSummary",  "GotoGraphs",   "GotoNotes"};
  EXPECT_EQ(stops, expected);
}

TEST_F(FlightDisplayTest, TheStatedPlacesOfThePageHold) {
  frmAloftra& page = Page();
  const int lefts[] = {3360, 3690, 4020, 4350, 4680, 5010};
  for (int k = 1; k <= 6; ++k) {
    EXPECT_EQ(page.Turbulence[k].Geometry(), (Rect{lefts[k - 1], 2760, 315, 165}));
  }
  EXPECT_EQ(page.RoseOutline.Geometry(), (Rect{6060 - 750, 1860 - 750, 1500, 1500}));
  EXPECT_EQ(page.Remarks.Geometry(), (Rect{3210, 4680, 4335, 910}));
  // Nothing but the remarks box lies where it would grow, apart from what it hides or
  // covers, and the page's controls stay inside the page.
  for (Control* control : page.Controls()) {
    const Rect& g = control->Geometry();
    if (control->Kind() == ControlKind::kLine) continue;
    EXPECT_LE(g.left + g.width, kPageWidth) << control->QualifiedName();
    EXPECT_LE(g.top + g.height, kPageHeight) << control->QualifiedName();
  }
}

}  // namespace
}  // namespace aloftra::test
