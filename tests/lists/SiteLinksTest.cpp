// The site page's statistics and their Details jumps, the wind rose, the units, and the
// page's layout.
#include <gtest/gtest.h>

#include "SitePageFixture.h"
#include "flights/RoseDrawing.h"

namespace aloftra::test {
namespace {

TEST_F(SitePageTest, TheStatisticsShowTheBestFlightsAndDetailsJumpsToEach) {
  Logbook book = GlidersAndSites();
  const int longest = AddFlight(book, {.date = 37001.5, .airtime = 605, .site = 0});
  const int highest = AddFlight(book, {.date = 37002.5, .airtime = 5, .site = 0, .maxMsl = 9000});
  AddFlight(book, {.date = 37003.5, .airtime = 50, .site = 1});
  Reopen(book);
  Choose("Point");
  EXPECT_EQ(Page().Longest.Text(), "10:05");
  EXPECT_EQ(Page().Highest.Text(), "9000");
  EXPECT_EQ(Page().Distance.Text(), "");
  EXPECT_EQ(Page().Flights.Text(), "2");
  EXPECT_EQ(Page().FlyingDays.Text(), "2");
  EXPECT_EQ(Page().AvgAirtime.Text(), "5:05");
  EXPECT_EQ(Page().TotalAirtime.Text(), "10:10");

  app->SwitchPage(FlightPage(), PageId::kSiteList);
  Page().Details[kDetailsLongest].Click();
  EXPECT_EQ(Book().CurrentFlightIndex(), longest);
  EXPECT_TRUE(FlightPage().Visible());
  EXPECT_FALSE(Page().Visible());
  EXPECT_EQ(FlightPage().AirTime.Text(), "10:05");

  // A jump over an entry being edited on the flight page offers it for saving first.
  TypeInto(FlightPage().Remarks, "Soared the ridge");
  platform.QueueAnswer(MsgBoxAnswer::kYes);
  Page().Details[kDetailsHighest].Click();
  EXPECT_EQ(platform.LastMessage().prompt,
            "Do you want to save the changes to the current entry?");
  EXPECT_EQ(Book().flights[longest].REMARKS, "Soared the ridge");
  EXPECT_EQ(Book().CurrentFlightIndex(), highest);
  // No flight at this site went cross-country: the box is empty and there is nothing to
  // jump to.
  Page().Details[kDetailsDistance].Click();
  EXPECT_EQ(Book().CurrentFlightIndex(), highest);
}

TEST_F(SitePageTest, RoseClicksToggleAndClearDirectionsAndEnterStoresThem) {
  auto click = [this](int dx, int dy) {
    Page().Form_MouseUp(kLeftButton, 0, kSiteRoseCentreX + dx, kSiteRoseCentreY + dy);
  };
  click(800, 0);  // beyond the ring
  EXPECT_EQ(Page().State, EditState::kClean);

  click(0, -500);  // N
  EXPECT_EQ(Page().State, EditState::kModified);
  EXPECT_EQ(Page().SiteName.ForeColor(), kRed);
  EXPECT_EQ(Page().RoseFlags[4], kFlagSet);
  ASSERT_FALSE(Page().Drawing().Items(RoseGroup(4)).empty());
  EXPECT_EQ(Page().Drawing().Items(RoseGroup(4))[0].color, kRoseSetColor);
  click(500, 0);  // E
  click(0, 500);  // S
  click(0, 500);  // S again: cleared
  EXPECT_EQ(Page().RoseFlags[12], 0);
  Page().Enter.Click();
  WindFlags expected{};
  expected[0] = expected[4] = kFlagSet;
  EXPECT_EQ(Book().sites[1].WIND_FLAGS, expected);

  click(100, 100);  // the centre clears every direction
  EXPECT_EQ(Page().RoseFlags, WindFlags{});
  EXPECT_NE(Page().Drawing().Items(RoseGroup(0))[0].color, kRoseSetColor);
  // Showing a site draws its own directions; the cleared ones were never entered.
  platform.QueueAnswer(MsgBoxAnswer::kNo);
  Choose("Point");
  Choose("Dunes");
  EXPECT_EQ(Page().RoseFlags, expected);
}

TEST_F(SitePageTest, UnitsRelabelThePageAndRedisplayOnlyASiteNotBeingEdited) {
  EXPECT_EQ(Page().Alt3.Caption(), "Altitude Info (feet)");
  UseMetres();
  Book().UNIT_FLAGS[kUnitMiles] = 0;
  Book().UNIT_FLAGS[kUnitKilometres] = kFlagSet;
  app->ApplyUnitLabels();
  EXPECT_EQ(Page().Alt3.Caption(), "Altitude Info (meters)");
  EXPECT_EQ(Page().Alt1.Caption(), "m");
  EXPECT_EQ(Page().Alt2.Caption(), "m");
  EXPECT_EQ(Page().Dist1.Caption(), "km");
  EXPECT_EQ(Page().LaunchMSL.Text(), "91");  // 300 ft

  TypeInto(Page().LaunchMSL, "100");
  Book().UNIT_FLAGS = DefaultUnitFlags();
  app->ApplyUnitLabels();
  EXPECT_EQ(Page().Alt1.Caption(), "feet");
  EXPECT_EQ(Page().LaunchMSL.Text(), "100");
  EXPECT_EQ(Page().State, EditState::kModified);
}

TEST_F(SitePageTest, ControlsLieInsideThePageBelowThePageButtonsWithoutOverlapping) {
  std::vector<const Control*> placed;
  for (const Control* control : Page().Controls()) {
    if (control->Name().rfind("Goto", 0) == 0 || control->Kind() == ControlKind::kShape) continue;
    placed.push_back(control);
  }
  for (const Control* control : placed) {
    SCOPED_TRACE(control->QualifiedName());
    const Rect& r = control->Geometry();
    EXPECT_GE(r.left, 90);
    EXPECT_LE(r.left + r.width, 7560);
    EXPECT_GE(r.top, 600);
    EXPECT_LE(r.top + r.height, 6150);
  }
  for (std::size_t i = 0; i < placed.size(); ++i) {
    for (std::size_t j = i + 1; j < placed.size(); ++j) {
      const Control& a = *placed[i];
      const Control& b = *placed[j];
      // A frame holds its controls; those are checked against each other.
      if (&a == b.Container() || &b == a.Container()) continue;
      const Rect& p = a.Geometry();
      const Rect& q = b.Geometry();
      const bool apart = p.left + p.width <= q.left || q.left + q.width <= p.left ||
                         p.top + p.height <= q.top || q.top + q.height <= p.top;
      EXPECT_TRUE(apart) << a.QualifiedName() << " overlaps " << b.QualifiedName();
    }
  }
}

}  // namespace
}  // namespace aloftra::test
