// The graphs page of a started program, driven as the pilot drives it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/LogbookRepair.h"
#include "flights/frmAloftra.h"
#include "stats/frmGraphs.h"
#include "support/AppFixture.h"
#include "views/FilterSettings.h"

namespace aloftra::test {
namespace {

constexpr Color kBarBlue = Rgb(0, 0, 255);
constexpr Color kGridGrey = Rgb(128, 128, 128);

class GraphsPageTest : public AppFixture {
 protected:
  // Starts the program in the given year on a logbook of these flights (hang glider 0,
  // paraglider 1) and brings up the graphs page.
  void Open(int year, const std::vector<FlightValues>& flights) {
    Logbook book = GlidersAndSites();
    for (const FlightValues& flight : flights)
      AddFlight(book, flight);
    RebuildFlightOrder(book);
    platform.SetNow(MakeDateTime(year, 7, 1, 12));
    OpenOnStart("Season.log", book);
    app->Aloftra().GotoGraphs.Click();
    Page().Paint();
  }
  frmGraphs& Page() { return app->Graphs(); }
  std::vector<std::string> Scale(ControlArray<aloftra::Label>& labels) {
    std::vector<std::string> captions;
    for (int quarter = 1; quarter <= 4; ++quarter)
      captions.push_back(labels[quarter].Caption());
    return captions;
  }
  // The x of every bar of a chart, and the number of its grid lines.
  std::vector<double> Bars(const char* group) {
    std::vector<double> xs;
    for (const DrawItem& item : Page().Drawing().Items(group))
      if (item.color == kBarBlue) xs.push_back(item.x1);
    return xs;
  }
  int GridLines(const char* group) {
    int lines = 0;
    for (const DrawItem& item : Page().Drawing().Items(group))
      lines += item.color == kGridGrey ? 1 : 0;
    return lines;
  }
  static double SlotX(int slot) { return 1680 + 150 + 15 * slot; }
  void PointAt(double x, double y = 1500) { Page().MouseMove(0, 0, x, y); }
};

FlightValues Flight(DateTime date, int airtime, int glider = 0) {
  return {.date = date, .airtime = airtime, .glider = glider};
}

TEST_F(GraphsPageTest, DrawsTheYearWithScalesTotalsAndReadOut) {
  std::vector<FlightValues> flights;
  for (int i = 0; i < 5; ++i)  // the busiest day: 5 flights, 95 minutes
    flights.push_back(Flight(MakeDateTime(2001, 3, 1, 9 + i), i == 0 ? 55 : 10));
  flights.push_back(Flight(MakeDateTime(2001, 2, 28, 12), 30));
  flights.push_back(Flight(MakeDateTime(2001, 12, 31, 12), 20, 1));
  flights.push_back(Flight(MakeDateTime(2002, 1, 1, 12), 600));
  FlightValues grounded = Flight(MakeDateTime(2001, 3, 1, 20), 600);
  grounded.nonFlying = true;  // neither counted nor drawn
  flights.push_back(grounded);
  Open(2001, flights);

  frmGraphs& page = Page();
  EXPECT_EQ(page.Year.Caption(), "2001");
  EXPECT_EQ(page.GraphState, 0);
  EXPECT_EQ(Scale(page.FScale), (std::vector<std::string>{"2", "4", "6", "8"}));
  EXPECT_EQ(Scale(page.AScale), (std::vector<std::string>{"0:30", "1:00", "1:30", "2:00"}));
  EXPECT_EQ(GridLines("graph.flights"), 7);
  EXPECT_EQ(GridLines("graph.airtime"), 7);
  // 28 February in slot 58, 1 March in slot 60: slot 59 stays empty in 2001.
  EXPECT_EQ(Bars("graph.flights"), (std::vector<double>{SlotX(58), SlotX(60), SlotX(365)}));
  EXPECT_EQ(Bars("graph.airtime"), Bars("graph.flights"));
  EXPECT_EQ(page.TotalFlights.Text(), "7");
  EXPECT_EQ(page.TotalAirtime.Text(), "2:25");

  PointAt(SlotX(60), 4000);  // over the airtime chart
  EXPECT_EQ(page.DisplayDate.Text(), "Mar 1, 2001");
  PointAt(SlotX(60), 3000);  // between the charts
  EXPECT_EQ(page.DisplayDate.Text(), "");
  PointAt(SlotX(59));
  EXPECT_EQ(page.DisplayDate.Text(), "Feb 28, 2001");

  // A click (with the filter on) switches the filter off and opens the flight page at the
  // entry of the day read out.
  app->Filter().PassCount = 0;
  page.MouseUp(kLeftButton, 0, SlotX(59), 1500);
  EXPECT_TRUE(app->Aloftra().Visible());
  EXPECT_FALSE(page.Visible());
  EXPECT_FALSE(app->Filter().On());
  EXPECT_EQ(app->Book().CurrentFlight()->DATE, MakeDateTime(2001, 2, 28, 12));
}

TEST_F(GraphsPageTest, FilterHidesFlightsAndItsStatusFollows) {
  Open(2001,
       {Flight(MakeDateTime(2001, 4, 1, 12), 60, 0), Flight(MakeDateTime(2001, 4, 2, 12), 45, 1),
        Flight(MakeDateTime(2001, 4, 2, 14), 30, 1)});
  EXPECT_EQ(Page().TotalFlights.Text(), "3");
  app->Filter().Flags[kFilterHangGlider] = 0;
  app->Filter().PassCount = 0;
  Page().Paint();
  EXPECT_EQ(Page().FilterStatus2.Caption(), "On");
  EXPECT_EQ(Page().TotalFlights.Text(), "2");
  EXPECT_EQ(Page().TotalAirtime.Text(), "1:15");
  EXPECT_EQ(Bars("graph.flights"),
            (std::vector<double>{SlotX(DaySlotOf(2001, MakeDateTime(2001, 4, 2)))}));
  EXPECT_EQ(Scale(Page().FScale), (std::vector<std::string>{"1", "2", "3", "4"}));
  EXPECT_EQ(GridLines("graph.flights"), 3);
  app->FilterOff();
  EXPECT_EQ(Page().FilterStatus2.Caption(), "Off");
}

TEST_F(GraphsPageTest, EmptyYearsAndYearBounds) {
  Open(1971, {Flight(MakeDateTime(1971, 6, 1, 12), 0), Flight(MakeDateTime(1971, 6, 1, 13), 0)});
  frmGraphs& page = Page();
  // Flights without airtime: the flights chart is drawn, the airtime chart stays empty.
  EXPECT_EQ(Bars("graph.flights").size(), 1u);
  EXPECT_TRUE(Bars("graph.airtime").empty());
  EXPECT_EQ(Scale(page.AScale), std::vector<std::string>(4, ""));
  EXPECT_EQ(page.TotalAirtime.Text(), "");
  EXPECT_EQ(page.TotalFlights.Text(), "2");

  page.YearDec.Click();
  page.YearDec.Click();
  EXPECT_EQ(page.Year.Caption(), "1970");
  // A year with no flying: empty charts, scales and totals, and no read-out nor jump.
  EXPECT_EQ(page.GraphState, -1);
  EXPECT_TRUE(Bars("graph.flights").empty());
  EXPECT_EQ(Scale(page.FScale), std::vector<std::string>(4, ""));
  EXPECT_EQ(page.TotalFlights.Text(), "");
  PointAt(SlotX(100));
  EXPECT_EQ(page.DisplayDate.Text(), "");
  page.MouseUp(kLeftButton, 0, SlotX(100), 1500);
  EXPECT_TRUE(page.Visible());

  for (int i = 0; i < 140; ++i)
    page.YearInc.Click();
  EXPECT_EQ(page.Year.Caption(), "2100");
  EXPECT_EQ(page.SelectedYear(), 2100);
}

}  // namespace
}  // namespace aloftra::test
