// The three list views, opened from their pages' Search menu: what rows they list, how the
// grid joins and colours them, the red clicked row, and View Details and Close giving the
// page back at the list view's place, showing the chosen record.
#include <gtest/gtest.h>

#include "flights/FlightPageFixture.h"
#include "lists/frmGliders.h"
#include "lists/frmSiteList.h"
#include "views/frmListViewFlight.h"
#include "views/frmListViewGlider.h"
#include "views/frmListViewSite.h"

namespace aloftra::test {
namespace {

class ListViewTest : public FlightPageTest {
 protected:
  frmListViewFlight& FlightList() { return app->Dialogs().Get<DialogId::kListViewFlight>(); }
  frmListViewSite& SiteList() { return app->Dialogs().Get<DialogId::kListViewSite>(); }
  frmListViewGlider& GliderList() { return app->Dialogs().Get<DialogId::kListViewGlider>(); }
  Grid& Rows() { return FlightList().FlexGrid; }
  void OpenFlightList() { Page().SearchMenu.Click(kSearchListView); }
  std::vector<std::string> Column(const Grid& grid, int col) {
    std::vector<std::string> texts;
    for (int row = 0; row < grid.Rows(); ++row)
      texts.push_back(grid.Text(row, col));
    return texts;
  }

  // Two flights on one day, a non-flying day with a two-line remark, a highlighted flight.
  void OpenSeason() {
    FlightRecord ground = MakeFlight({.date = MakeDateTime(2001, 5, 2, 9), .nonFlying = true});
    ground.REMARKS = "Blown out at launch\r\nwaited all day";
    FlightRecord marked = MakeFlight({.date = MakeDateTime(2001, 5, 3, 10),
                                      .airtime = 125,
                                      .site = 1,
                                      .overLaunch = 2000,
                                      .distance = 12.5f});
    marked.HIGHLIGHT = kFlagSet;
    OpenWithFlights({MakeFlight({.date = MakeDateTime(2001, 5, 1, 10), .airtime = 60}),
                     MakeFlight({.date = MakeDateTime(2001, 5, 1, 14), .airtime = 90}), ground,
                     marked});
  }
};

TEST_F(ListViewTest, TheFlightListShowsEveryFlightWithEqualDatesAndTheRemarkJoined) {
  OpenSeason();
  Page().Move(500, 700);
  OpenFlightList();
  EXPECT_TRUE(FlightList().Visible());
  EXPECT_FALSE(Page().Visible());
  EXPECT_EQ(FlightList().Caption(), "Aloftra List View");
  EXPECT_EQ(FlightList().Left(), 500);
  EXPECT_EQ(FlightList().TotalEntries.Text(), "4");
  EXPECT_EQ(FlightList().TotalEntriesLabel.Caption(), "Number of Entries:");
  EXPECT_EQ(FlightList().SelectedRow, -1);
  EXPECT_FALSE(FlightList().ViewDetails.Enabled());

  const Grid& grid = Rows();
  ASSERT_EQ(grid.Rows(), 4);
  EXPECT_EQ(grid.ColWidth(0), 0);
  EXPECT_EQ(grid.ColWidth(3), 2460);
  EXPECT_EQ(grid.Header(5), "Over Launch");
  // Date order: the flight column, the hidden slots, the dates joined for one day.
  EXPECT_EQ(Column(grid, 0), (std::vector<std::string>{"0", "1", "2", "3"}));
  EXPECT_EQ(Column(grid, 1), (std::vector<std::string>{"1", "2", "", "3"}));
  EXPECT_EQ(grid.Text(0, 2), "May 1, 2001");
  EXPECT_EQ(grid.MergedArea(1, 2), (CellArea{0, 2, 1, 2}));
  EXPECT_EQ(grid.MergedArea(2, 2), (CellArea{2, 2, 2, 2}));
  // The non-flying day: its remark's first line across the last four columns.
  EXPECT_EQ(grid.Text(2, 5), "Blown out at launch");
  EXPECT_EQ(grid.MergedArea(2, 4), (CellArea{2, 3, 2, 6}));
  // A flight's values in display units; its columns stay apart.
  EXPECT_EQ(grid.Text(3, 3), "Dunes");
  EXPECT_EQ(grid.Text(3, 4), "2:05");
  EXPECT_EQ(grid.Text(3, 5), "2000 feet");
  EXPECT_EQ(grid.Text(3, 6), "12.5 miles");
  EXPECT_EQ(grid.Text(0, 5), "") << "no height over launch";
  EXPECT_EQ(grid.MergedArea(3, 4), (CellArea{3, 4, 3, 4}));
  // Only the highlighted flight lies on yellow.
  for (int col = 0; col < grid.Cols(); ++col) {
    EXPECT_EQ(grid.CellStyle(3, col).back, kHighlightedRow);
    EXPECT_EQ(grid.CellStyle(0, col).back, kWhite);
  }
}

TEST_F(ListViewTest, TheFlightListFollowsTheSortKeyTheFilterAndTheUnits) {
  OpenSeason();
  UseMetres();
  Book().UNIT_FLAGS[kUnitMiles] = 0;
  Book().UNIT_FLAGS[kUnitKilometres] = kFlagSet;
  Book().doc.SortKey = kSortAirtime;
  Page().ShowSortStatus();
  OpenFlightList();
  EXPECT_EQ(Rows().Text(0, 4), "2:05") << "the longest flight first";
  EXPECT_EQ(Rows().Text(0, 5), "610 meters");
  EXPECT_EQ(Rows().Text(0, 6), "20.1 km");
  EXPECT_EQ(FlightList().SortStatus2.Caption(), "Airtime");
  EXPECT_EQ(FlightList().SortStatus2.ForeColor(), kRed);
  EXPECT_EQ(FlightList().FilterStatus2.Caption(), "Off");
  FlightList().Close.Click();

  app->Filter().SiteIndex = 0;
  app->Filter().PassCount = 0;
  OpenFlightList();
  // The flights at the other site drop out; the non-flying day has no site to fail on.
  EXPECT_EQ(FlightList().TotalEntries.Text(), "3");
  for (const std::string& location : Column(Rows(), 3))
    EXPECT_NE(location, "Dunes");
  EXPECT_EQ(FlightList().FilterStatus2.Caption(), "On");
  EXPECT_EQ(FlightList().FilterStatus2.ForeColor(), kRed);
}

TEST_F(ListViewTest, ManyRowsNarrowTheLocationColumnForTheScrollBar) {
  std::vector<FlightRecord> flights;
  for (int day = 1; day <= 25; ++day)
    flights.push_back(MakeFlight({.date = MakeDateTime(2002, 1, day, 12)}));
  OpenWithFlights(flights);
  OpenFlightList();
  EXPECT_EQ(Rows().Rows(), 25);
  EXPECT_EQ(Rows().ColWidth(3), 2200);
}

TEST_F(ListViewTest, TheClickedRowTurnsRedAndTheOneBeforeTurnsBlackKeepingItsBackground) {
  OpenSeason();
  OpenFlightList();
  frmListViewFlight& list = FlightList();
  Rows().Click(3, 2);
  EXPECT_EQ(list.SelectedRow, 3);
  EXPECT_TRUE(list.ViewDetails.Enabled());
  for (int col = 0; col < Rows().Cols(); ++col)
    EXPECT_EQ(Rows().CellStyle(3, col), (GridStyle{kRed, kHighlightedRow}));
  Rows().Click(1, 5);
  EXPECT_EQ(Rows().CellStyle(3, 1), (GridStyle{kBlack, kHighlightedRow}));
  EXPECT_EQ(Rows().CellStyle(1, 0), (GridStyle{kRed, kWhite}));
  EXPECT_EQ(Rows().CellStyle(0, 0), (GridStyle{kBlack, kWhite}));
  const unsigned long revision = Rows().ContentRevision();
  Rows().Click(1, 1);
  EXPECT_EQ(Rows().ContentRevision(), revision) << "the selected row clicked again";
  // Opened again, nothing is selected.
  list.Close.Click();
  OpenFlightList();
  EXPECT_EQ(list.SelectedRow, -1);
  EXPECT_EQ(Rows().CellStyle(1, 0), (GridStyle{kBlack, kWhite}));
}

TEST_F(ListViewTest, ViewDetailsShowsTheChosenFlightOnThePageWhereTheListStood) {
  OpenSeason();
  OpenFlightList();
  FlightList().Move(1100, 1300);
  FlightList().ViewDetails.Click();
  EXPECT_TRUE(FlightList().Visible()) << "no row chosen yet";
  Rows().Click(1, 3);
  FlightList().ViewDetails.Click();
  EXPECT_FALSE(FlightList().Visible());
  EXPECT_TRUE(Page().Visible());
  EXPECT_EQ(Page().Left(), 1100);
  EXPECT_EQ(Page().Top(), 1300);
  EXPECT_EQ(Book().CurrentFlightIndex(), 1);
  EXPECT_EQ(Page().AirTime.Text(), "1:30");
}

TEST_F(ListViewTest, TheSiteListShowsEverySiteAndViewDetailsShowsItOnTheSitePage) {
  Book().sites[1].WIND_FLAGS[0] = kFlagSet;
  Book().sites[1].FLIGHTS = 3;
  Book().sites[1].TOTAL_AIRTIME = 200;
  app->Aloftra().GotoSiteList.Click();
  app->SiteList().SearchMenu.Click(kSearchListView);
  frmListViewSite& list = SiteList();
  EXPECT_EQ(list.Caption(), "Aloftra Site List");
  EXPECT_EQ(list.TotalEntriesLabel.Caption(), "Total Number of Flying Sites:");
  EXPECT_EQ(list.TotalEntries.Text(), "2");
  const Grid& grid = list.FlexGrid;
  EXPECT_EQ(Column(grid, 1), (std::vector<std::string>{"Point", "Dunes"}));
  EXPECT_EQ(Column(grid, 2), (std::vector<std::string>{"1200 ft", "300 ft"}));
  EXPECT_EQ(Column(grid, 3), (std::vector<std::string>{"100 ft", "0 ft"}));
  EXPECT_EQ(grid.Text(1, 4), "E");
  EXPECT_EQ(grid.Text(1, 6), "3");
  EXPECT_EQ(grid.Text(1, 7), "3:20");

  // View Details needs flights in the logbook.
  list.FlexGrid.Click(1, 1);
  EXPECT_FALSE(list.ViewDetails.Enabled());
  list.Close.Click();
  EXPECT_TRUE(app->SiteList().Visible());

  OpenSeason();
  app->Aloftra().GotoSiteList.Click();
  app->SiteList().SearchMenu.Click(kSearchListView);
  SiteList().FlexGrid.Click(1, 1);
  SiteList().ViewDetails.Click();
  EXPECT_TRUE(app->SiteList().Visible());
  EXPECT_EQ(Book().doc.currentSite, 1);
  EXPECT_EQ(app->SiteList().SiteName.Text(), "Dunes");
  EXPECT_EQ(app->SiteList().Location.Text(), "Oregon");
}

TEST_F(ListViewTest, TheGliderListNamesClassesAndViewDetailsShowsTheGlider) {
  OpenSeason();
  GliderRecord& mentor = Book().gliders[1];
  mentor.DHV[0] = kFlagSet;
  mentor.DHV[2] = kFlagSet;  // the highest class set counts
  mentor.AFNOR[0] = kFlagSet;
  mentor.AFNOR[1] = kFlagSet;  // the last class set counts
  app->Aloftra().GotoGliders.Click();
  app->Gliders().SearchMenu.Click(kSearchListView);
  frmListViewGlider& list = GliderList();
  EXPECT_EQ(list.Caption(), "Aloftra Glider List");
  EXPECT_EQ(list.TotalEntriesLabel.Caption(), "Total Number of Gliders:");
  const Grid& grid = list.FlexGrid;
  EXPECT_EQ(Column(grid, 1), (std::vector<std::string>{"Falcon", "Mentor"}));
  EXPECT_EQ(Column(grid, 2), (std::vector<std::string>{"Hang Glider", "Paraglider"}));
  EXPECT_EQ(Column(grid, 3), (std::vector<std::string>{"Solo", "Solo"}));
  EXPECT_EQ(Column(grid, 4), (std::vector<std::string>{"", "2"}));
  EXPECT_EQ(Column(grid, 5), (std::vector<std::string>{"", "Performance"}));
  list.FlexGrid.Click(1, 4);
  list.ViewDetails.Click();
  EXPECT_TRUE(app->Gliders().Visible());
  EXPECT_EQ(Book().doc.currentGlider, 1);
  EXPECT_EQ(app->Gliders().GliderName.Text(), "Mentor");
}

}  // namespace
}  // namespace aloftra::test
