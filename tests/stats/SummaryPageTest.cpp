// The summary page of a started program, driven as the pilot drives it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/LogbookRepair.h"
#include "flights/frmAloftra.h"
#include "form/TabOrder.h"
#include "stats/frmSummary.h"
#include "support/AppFixture.h"
#include "views/FilterSettings.h"

namespace aloftra::test {
namespace {

constexpr const char* kDaysRefused = "Invalid number of previous flying days.";
constexpr const char* kFlightsRefused = "Invalid number of previous flights.";
constexpr const char* kAirtimeRefused = "Invalid Previous Airtime.";

class SummaryPageTest : public AppFixture {
 protected:
  // Starts the program on a logbook of the two gliders and two sites plus these, with these
  // flights, and brings up the summary page.
  void Open(std::vector<FlightValues> flights, const std::vector<GliderRecord>& moreGliders = {},
            const std::vector<SiteRecord>& moreSites = {}) {
    Logbook book = GlidersAndSites();
    for (const GliderRecord& glider : moreGliders)
      book.gliders.Append(glider);
    for (const SiteRecord& site : moreSites)
      book.sites.Append(site);
    for (const FlightValues& flight : flights)
      AddFlight(book, flight);
    RebuildFlightOrder(book);
    book.totals = previous;
    OpenOnStart("Season.log", book);
    app->Aloftra().GotoSummary.Click();
  }
  frmSummary& Page() { return app->Summary(); }
  Logbook& Book() { return app->Book(); }
  // The texts of the page's boxes whose names start so, in the order they were built.
  std::vector<std::string> Texts(const std::string& prefix) {
    std::vector<std::string> texts;
    for (const Control* control : Page().Controls()) {
      if (control->Kind() == ControlKind::kTextBox && control->Name().starts_with(prefix))
        texts.push_back(static_cast<const TextBox*>(control)->Text());
    }
    return texts;
  }
  std::vector<std::int16_t> FlightNumbers() {
    std::vector<std::int16_t> numbers;
    for (const FlightRecord& flight : Book().flights)
      numbers.push_back(flight.FLIGHT_NO);
    return numbers;
  }

  // Previous figures of the logbook Open writes.
  std::array<PilotTotals, 2> previous{};
};

FlightValues HangGliderFlight(DateTime date, int airtime, bool solo = true) {
  FlightValues flight;
  flight.date = date;
  flight.airtime = airtime;
  flight.solo = solo;
  return flight;
}

FlightValues ParagliderFlight(DateTime date, int airtime) {
  FlightValues flight = HangGliderFlight(date, airtime);
  flight.glider = 1;
  return flight;
}

TEST_F(SummaryPageTest, ShowsTheTotalsOfBothWingTypesInTheChosenUnits) {
  previous[kHangGliding].DAYS_PREV = 10;
  previous[kHangGliding].FLIGHTS_PREV = 100;
  previous[kHangGliding].AIRTIME_PREV = 600;
  FlightValues first = HangGliderFlight(37000.5, 90);  // 18 April 2001
  first.maxMsl = 5000;
  first.overLaunch = 3800;
  first.distance = 12.5f;
  FlightValues tandem = HangGliderFlight(37000.8, 30, false);  // the same day
  tandem.glider = 2;
  tandem.site = 1;
  tandem.maxMsl = 6000;
  tandem.overLaunch = 1000;
  FlightValues later = HangGliderFlight(37003.4, 120);
  later.maxMsl = 4000;
  later.overLaunch = 2800;
  FlightValues grounded = HangGliderFlight(37004.5, 0);
  grounded.nonFlying = true;
  grounded.site = 2;
  platform.SetNow(37005.25);
  Open({first, tandem, later, grounded}, {MakeGlider("Eagle", kOptionSet, true)},
       {MakeSite("Ridge")});

  frmSummary& page = Page();
  // Days, flights and airtime (previous, solo, tandem, total), longest, highest, over launch,
  // distance, gliders, sites, days since the last flight.
  EXPECT_EQ(Texts("H_"), (std::vector<std::string>{"10", "2", "1", "12", "100", "2", "1", "103",
                                                   "10:00", "3:30", "0:30", "14:00", "2:00", "6000",
                                                   "3800", "12.5", "2", "2", "2"}));
  EXPECT_EQ(FlightNumbers(), (std::vector<std::int16_t>{101, 102, 103, 0}));
  // No paraglider flights: that whole side is empty.
  EXPECT_EQ(Texts("P_"), std::vector<std::string>(19, ""));
  EXPECT_EQ(page.Alt1.Caption(), "feet");
  EXPECT_EQ(page.Dist2.Caption(), "miles");

  Book().UNIT_FLAGS[kUnitFeet] = 0;
  Book().UNIT_FLAGS[kUnitMetres] = kFlagSet;
  Book().UNIT_FLAGS[kUnitMiles] = 0;
  Book().UNIT_FLAGS[kUnitKilometres] = kFlagSet;
  app->ApplyUnitLabels();
  EXPECT_EQ(page.H_Highest.Text(), "1829");
  EXPECT_EQ(page.H_OverLaunch.Text(), "1158");
  EXPECT_EQ(page.H_Distance.Text(), "20.1");
  EXPECT_EQ(page.Alt4.Caption(), "m");
  EXPECT_EQ(page.Dist1.Caption(), "km");

  // The days since the last flying day (the 21st) follow the clock, rounded.
  struct Clock {
    DateTime now;
    std::string shown;
  };
  // The last one dated in the future: -0.75 days rounds to -1 and shows nothing.
  const std::vector<Clock> clocks = {
      {37003.25, "0"}, {37003.75, "1"}, {37005.25, "2"}, {37002.25, ""}, {37002.75, "0"}};
  for (const Clock& clock : clocks) {
    platform.SetNow(clock.now);
    app->RecomputeStatistics();
    EXPECT_EQ(page.H_HowLong.Text(), clock.shown) << clock.now;
  }

  Book().doc.COLOR_MODE = 0;
  app->ApplyColorMode();
  EXPECT_EQ(page.H_DaysTotal.BackColor(), kWhite);
  EXPECT_EQ(page.P_HowLong.BackColor(), kWhite);
  EXPECT_EQ(page.H_DaysPrev.BackColor(), kWindowBackground);
}

TEST_F(SummaryPageTest, PreviousExperienceInputsStoreWhatTheyShowOrRefuseAndKeepTheOldFigure) {
  Open({});
  struct Input {
    TextBox frmSummary::*box;
    std::string typed;
    long stored;
    std::string shown;
    std::string message;
  };
  // The figure a box stands for, by its name.
  auto storedFigure = [this](const TextBox& box) -> long {
    const PilotTotals& totals = Book().totals[box.Name()[0] == 'H' ? kHangGliding : kParagliding];
    if (box.Name().find("Days") != std::string::npos) return totals.DAYS_PREV;
    if (box.Name().find("Flights") != std::string::npos) return totals.FLIGHTS_PREV;
    return totals.AIRTIME_PREV;
  };
  const std::vector<Input> inputs = {
      {&frmSummary::H_DaysPrev, "-7", 7, "7", ""},
      {&frmSummary::H_DaysPrev, "12abc", 12, "12", ""},
      {&frmSummary::H_DaysPrev, "2.5", 2, "2", ""},
      {&frmSummary::H_DaysPrev, "", 0, "", ""},
      {&frmSummary::H_DaysPrev, "40000", 5, "", kDaysRefused},
      {&frmSummary::P_DaysPrev, "32767", 32767, "32767", ""},
      {&frmSummary::P_FlightsPrev, "32768", 50, "", kFlightsRefused},
      {&frmSummary::H_FlightsPrev, "1e400", 50, "", kFlightsRefused},
      {&frmSummary::H_FlightsPrev, "150", 150, "150", ""},
      {&frmSummary::P_AirtimePrev, "90", 90, "1:30", ""},
      {&frmSummary::P_AirtimePrev, "2:05", 125, "2:05", ""},
      {&frmSummary::P_AirtimePrev, "-1:30", 30, "0:30", ""},
      {&frmSummary::P_AirtimePrev, "0:90.5", 90, "1:30", ""},
      {&frmSummary::P_AirtimePrev, "abc", 0, "", ""},
      {&frmSummary::P_AirtimePrev, "40000:00", 2400000, "40000:00", ""},
      {&frmSummary::P_AirtimePrev, "40001:00", 500, "", kAirtimeRefused},
      {&frmSummary::P_AirtimePrev, "1e400:-1e400", 500, "", kAirtimeRefused},
      {&frmSummary::H_AirtimePrev, "2400001", 500, "", kAirtimeRefused},
  };
  for (const Input& input : inputs) {
    SCOPED_TRACE(input.typed);
    for (PilotTotals& totals : Book().totals) {
      totals.DAYS_PREV = 5;
      totals.FLIGHTS_PREV = 50;
      totals.AIRTIME_PREV = 500;
    }
    Page().SummaryDisplayInfo();
    Page().RecomputePending = false;
    platform.ClearMessages();
    TextBox& box = Page().*input.box;

    TypeInto(box, input.typed);
    // The airtime is read when the box is left.
    const bool airtime = box.Name().ends_with("AirtimePrev");
    if (airtime) Page().SetFocus(Page().Details[0]);

    EXPECT_EQ(storedFigure(box), input.stored);
    EXPECT_EQ(box.Text(), input.shown);
    EXPECT_EQ(platform.Prompts(), input.message.empty() ? std::vector<std::string>{}
                                                        : std::vector<std::string>{input.message});
    if (!input.message.empty() && !airtime) {
      EXPECT_EQ(Page().ActiveControl(), &box);  // back to the refused box
    }
    EXPECT_TRUE(Page().RecomputePending);
    EXPECT_TRUE(Book().doc.modified);
  }
}

TEST_F(SummaryPageTest, FlightNumbersFollowThePreviousFlightsWhenAPageButtonLeavesThePage) {
  // Slot 2 is the latest, so the flight page shows it.
  Open({ParagliderFlight(36999.5, 60), HangGliderFlight(37000.5, 60),
        HangGliderFlight(37001.5, 60)});
  frmSummary& page = Page();
  // Passing through the previous airtime changes nothing.
  page.SetFocus(page.H_AirtimePrev);
  page.SetFocus(page.H_DaysPrev);
  EXPECT_FALSE(page.RecomputePending);
  EXPECT_FALSE(Book().doc.modified);

  // Typed key by key; each keystroke is read at once.
  for (const char* typed : {"1", "15", "150"})
    TypeInto(page.H_FlightsPrev, typed);
  EXPECT_EQ(page.H_FlightsPrev.Text(), "150");
  EXPECT_EQ(page.H_FlightsTotal.Text(), "152");
  EXPECT_EQ(FlightNumbers(), (std::vector<std::int16_t>{1, 1, 2}));

  page.HelpMenu_Click(kHelpContents);  // a menu command leaves the numbers alone
  EXPECT_TRUE(page.RecomputePending);
  EXPECT_EQ(FlightNumbers(), (std::vector<std::int16_t>{1, 1, 2}));

  page.GotoAloftra.Click();
  EXPECT_FALSE(page.RecomputePending);
  EXPECT_EQ(FlightNumbers(), (std::vector<std::int16_t>{1, 151, 152}));
  EXPECT_EQ(app->Aloftra().FlightNo.Text(), "152");

  // A Details jump shows the flight with its number brought up to date too.
  app->Aloftra().GotoSummary.Click();
  TypeInto(page.P_FlightsPrev, "20");
  page.Details[4 + kBestLongest].Click();
  EXPECT_EQ(FlightNumbers(), (std::vector<std::int16_t>{21, 151, 152}));
  EXPECT_EQ(app->Aloftra().FlightNo.Text(), "21");

  // A new logbook forgets the pending change.
  app->Aloftra().GotoSummary.Click();
  TypeInto(page.H_DaysPrev, "3");
  platform.QueueAnswer(MsgBoxAnswer::kNo);  // do not save the changes
  app->FileCommand(kFileNew);
  EXPECT_FALSE(page.RecomputePending);
  EXPECT_EQ(page.H_DaysPrev.Text(), "");
  EXPECT_EQ(page.H_FlightsTotal.Text(), "");
}

TEST_F(SummaryPageTest, DetailsShowsEachBestFlightOnTheFlightPageWithTheFilterOff) {
  std::vector<FlightValues> flights;
  for (int wing = 0; wing < 2; ++wing) {
    // Per wing type one flight best in each way, in date order: longest, highest, over
    // launch, distance. The paraglider flights have no airtime, so the first is the longest.
    const int airtime = wing == kHangGliding ? 10 : 0;
    FlightValues longest = HangGliderFlight(37000.5 + 4 * wing, wing == kHangGliding ? 200 : 0);
    FlightValues highest = HangGliderFlight(37001.5 + 4 * wing, airtime);
    highest.maxMsl = 9000;
    FlightValues overLaunch = HangGliderFlight(37002.5 + 4 * wing, airtime);
    overLaunch.overLaunch = 5000;
    FlightValues distance = HangGliderFlight(37003.5 + 4 * wing, airtime);
    distance.distance = 30;
    for (FlightValues flight : {longest, highest, overLaunch, distance}) {
      flight.glider = wing;
      flights.push_back(flight);
    }
  }
  Open(flights);
  EXPECT_EQ(Page().H_Longest.Text(), "3:20");
  EXPECT_EQ(Page().P_Longest.Text(), "");  // no airtime, yet Details finds it

  for (int index = 0; index < 8; ++index) {
    app->Aloftra().GotoSummary.Click();
    app->Filter().PassCount = 0;  // the filter on
    Page().Details[index].Click();
    EXPECT_FALSE(app->Filter().On()) << index;
    EXPECT_TRUE(app->Aloftra().Visible()) << index;
    EXPECT_FALSE(Page().Visible()) << index;
    EXPECT_EQ(Book().CurrentFlightIndex(), index);  // the flights were added in button order
  }

  // A best flight there is none of: nothing happens.
  app->Aloftra().GotoSummary.Click();
  Book().totals[kParagliding].best = BestFlights{};
  Page().Details[4 + kBestHighest].Click();
  EXPECT_TRUE(Page().Visible());
  EXPECT_EQ(Book().CurrentFlightIndex(), 7);
}

TEST_F(SummaryPageTest, PreviousFiguresAreSavedAndReadBack) {
  Open({});
  frmSummary& page = Page();
  TypeInto(page.H_DaysPrev, "12");
  TypeInto(page.H_FlightsPrev, "140");
  TypeInto(page.H_AirtimePrev, "95:30");
  TypeInto(page.P_DaysPrev, "3");
  TypeInto(page.P_FlightsPrev, "7");
  // Still in the box when the logbook is saved: what is typed is saved all the same.
  TypeInto(page.P_AirtimePrev, "4:05");
  EXPECT_TRUE(Book().doc.modified);
  app->FileCommand(kFileSave);
  EXPECT_FALSE(Book().doc.modified);

  app->FileCommand(kFileNew);
  EXPECT_EQ(page.H_AirtimePrev.Text(), "");
  platform.QueueFile(PathIn("Season.log"));
  app->FileCommand(kFileOpen);

  auto figures = [this](WingType wing) {
    const PilotTotals& totals = Book().totals[wing];
    return std::vector<long>{totals.DAYS_PREV, totals.FLIGHTS_PREV, totals.AIRTIME_PREV};
  };
  EXPECT_EQ(figures(kHangGliding), (std::vector<long>{12, 140, 5730}));
  EXPECT_EQ(figures(kParagliding), (std::vector<long>{3, 7, 245}));
  EXPECT_EQ(page.H_AirtimePrev.Text(), "95:30");
  EXPECT_EQ(page.P_AirtimeTotal.Text(), "4:05");
  EXPECT_EQ(page.P_FlightsTotal.Text(), "7");
  // Showing the figures read is not the pilot's edit.
  EXPECT_FALSE(page.RecomputePending);
  EXPECT_FALSE(Book().doc.modified);
  EXPECT_TRUE(platform.Prompts().empty());
}

TEST_F(SummaryPageTest, ControlsLieInThePageAreaInsideTheirFramesWithoutOverlapping) {
  frmSummary& page = app->Summary();
  std::vector<const Control*> placed;
  for (const Control* control : page.Controls()) {
    if (control->Name().starts_with("Goto")) continue;  // the page buttons' own row
    const Rect& r = control->Geometry();
    EXPECT_TRUE(r.left >= 90 && r.left + r.width <= 7560 && r.top >= 600 &&
                r.top + r.height <= 6150)
        << control->QualifiedName();
    if (const Frame* frame = control->Container()) {
      const Rect& f = frame->Geometry();
      EXPECT_TRUE(r.left > f.left && r.left + r.width < f.left + f.width && r.top > f.top &&
                  r.top + r.height < f.top + f.height)
          << control->QualifiedName();
    }
    if (control->Kind() == ControlKind::kFrame) continue;
    for (const Control* other : placed) {
      const Rect& o = other->Geometry();
      bool apart = r.left >= o.left + o.width || o.left >= r.left + r.width ||
                   r.top >= o.top + o.height || o.top >= r.top + r.height;
      EXPECT_TRUE(apart) << control->QualifiedName() << " on " << other->QualifiedName();
    }
    placed.push_back(control);
  }
  // Tab reads the inputs and the Details buttons side by side, then the page buttons.
  std::vector<std::string> stops;
  for (const Control* control : TabOrder(page))
    if (IsTabStop(*control)) stops.push_back(control->QualifiedName());
  ASSERT_GE(stops.size(), 15u);
  EXPECT_EQ(
      std::vector<std::string>(stops.begin(), stops.begin() + 4),
      (std::vector<std::string>{"H_DaysPrev", "H_FlightsPrev", "H_AirtimePrev", "Details(0)"}));
  EXPECT_EQ(stops[7], "P_DaysPrev");
  EXPECT_EQ(stops[14], "GotoAloftra");
}

}  // namespace
}  // namespace aloftra::test
