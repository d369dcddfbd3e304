// The multi-flight entry dialog, opened from the Options menu over the flight page: the shown
// flight is copied into consecutive flights that share its airtime.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FlightPageFixture.h"
#include "flights/frmMultiFlight.h"

namespace aloftra::test {
namespace {

constexpr const char* kTitle = "Multi-Flight Entry";

class MultiFlightTest : public FlightPageTest {
 protected:
  frmMultiFlight& Dialog() { return app->Dialogs().Get<DialogId::kMultiFlight>(); }

  // A flight on the paraglider "Mentor" at "Dunes" with something in every field a copy takes.
  static FlightRecord SourceFlight(DateTime start) {
    FlightRecord flight = MakeFlight({.date = start,
                                      .airtime = 95,
                                      .site = 1,
                                      .glider = 1,
                                      .solo = false,
                                      .maxMsl = 2400,
                                      .overLaunch = 2100,
                                      .distance = 12.5f});
    flight.XC_TYPE = 2;
    flight.GPS_COORDS = "40.1 -111.9";
    flight.HIGHLIGHT = kFlagSet;
    flight.BASE_WIND = 6;
    flight.PEAK_WIND = 14;
    flight.MAX_LIFT = 800;
    flight.MAX_SINK = 600;
    flight.TURBULENCE = 3;
    flight.WIND_FLAGS[0] = kFlagSet;
    flight.WIND_FLAGS[15] = kFlagSet;
    flight.LAUNCH_MSL = 300;
    flight.LANDING_MSL = 20;
    flight.REMARKS = "Ridge soaring, one top landing.";
    return flight;
  }
  void Open() { Page().OptionsMenu.Click(kOptionsMultiFlight); }
  void Fill(const std::string& flights, const std::string& total, const std::string& interval) {
    TypeInto(Dialog().TotalFlights, flights);
    TypeInto(Dialog().TotalAirtime, total);
    TypeInto(Dialog().TimeInterval, interval);
  }
  // Opens the dialog, fills it, presses Ok and answers the question with Yes.
  void Run(const std::string& flights, const std::string& total, const std::string& interval) {
    platform.ClearMessages();
    Open();
    Fill(flights, total, interval);
    platform.QueueAnswer(MsgBoxAnswer::kYes);
    Dialog().Ok.Click();
  }
  // The live flights in table order.
  std::vector<FlightRecord> Flights() {
    std::vector<FlightRecord> live;
    for (const FlightRecord& flight : Book().flights)
      if (!flight.IsFree()) live.push_back(flight);
    return live;
  }
};

TEST_F(MultiFlightTest, CopiesShareTheAirtimeAndStartOneAirtimeAndOneIntervalApart) {
  struct Case {
    const char* flights;
    const char* total;
    const char* interval;
    int intervalMinutes;
    DateTime start;
    int each;
  } cases[] = {
      {"2", "1:00", "0:10", 10, MakeDateTime(2001, 5, 5, 12), 30},
      {"5", "2:30", "0:10", 10, MakeDateTime(2001, 5, 5, 12), 30},
      {"7", "60", "10", 10, MakeDateTime(2001, 5, 5, 12), 8},  // 4 minutes dropped
      {"60", "10:00", "0:05", 5, MakeDateTime(2001, 5, 5, 12), 10},
      {"3", "1:30", "0:10", 10, MakeDateTime(2001, 5, 5, 23), 30},  // into the next day
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.flights) + " flights sharing " + c.total);
    FlightRecord source = SourceFlight(c.start);
    OpenWithFlights({source});
    Run(c.flights, c.total, c.interval);

    const int count = std::stoi(c.flights);
    const int step = c.each + c.intervalMinutes;
    std::vector<FlightRecord> flights = Flights();
    ASSERT_EQ(static_cast<int>(flights.size()), count);
    for (int k = 0; k < count; ++k) {
      FlightRecord expected = source;
      expected.AIRTIME = static_cast<std::int16_t>(c.each);
      if (k > 0) {
        // What the page's Enter does not write is not copied.
        expected.XC_TYPE = 0;
        expected.GPS_COORDS.clear();
      }
      EXPECT_EQ(FormatGeneralDate(flights[k].DATE),
                FormatGeneralDate(c.start + k * step / (24.0 * 60)))
          << "flight " << k;
      EXPECT_EQ(flights[k].FLIGHT_NO, k + 1);
      expected.DATE = flights[k].DATE;
      expected.FLIGHT_NO = flights[k].FLIGHT_NO;
      EXPECT_EQ(flights[k], expected) << "flight " << k;
    }
    ASSERT_EQ(platform.Messages().size(), 1u);  // the question, and nothing refused
    EXPECT_EQ(platform.LastMessage().title, kTitle);
    EXPECT_NE(platform.LastMessage().prompt.find("There will be " + std::to_string(c.each) +
                                                 " minutes assigned to each flight."),
              std::string::npos);
    EXPECT_FALSE(Dialog().Visible());
    EXPECT_TRUE(Page().Enabled());
    EXPECT_EQ(Page().State, EditState::kClean);
    EXPECT_EQ(Book().CurrentFlight()->DATE, flights.back().DATE);
  }
}

TEST_F(MultiFlightTest, RefusalsNoAndCancelWriteNothing) {
  OpenWithFlights({SourceFlight(MakeDateTime(2001, 5, 5, 12))});
  const std::vector<FlightRecord> before = Flights();
  Open();
  EXPECT_FALSE(Page().Enabled());
  struct Case {
    const char *flights, *total, *interval, *message;
    TextBox frmMultiFlight::*focus;
  } cases[] = {
      {"1", "1:00", "0:10", "The total number of flights must be 2 or more.",
       &frmMultiFlight::TotalFlights},
      {"61", "1:00", "0:10", "The total number of flights must be 60 or less.",
       &frmMultiFlight::TotalFlights},
      {"5", "", "0:10", "The total airtime must be filled in.", &frmMultiFlight::TotalAirtime},
      {"5", "48:00", "0:10", "The total airtime must be less than 48 hours.",
       &frmMultiFlight::TotalAirtime},
      {"5", "32768", "0:10", "Invalid Total Airtime.", &frmMultiFlight::TotalAirtime},
      {"5", "1:00", "24:00", "The time between flights must be less than 24 hours.",
       &frmMultiFlight::TimeInterval},
  };
  // A refused box keeps the focus; acceptable texts let it go before the next case.
  auto release = [this] {
    Dialog().TotalAirtime.SetText("1:00");
    Dialog().TimeInterval.SetText("0:10");
    Dialog().SetFocus(Dialog().Ok);
    platform.ClearMessages();
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.flights) + " / " + c.total + " / " + c.interval);
    release();
    Fill(c.flights, c.total, c.interval);
    Dialog().Ok.Click();
    EXPECT_EQ(platform.Messages().front().prompt, c.message);  // on leaving the box, or on Ok
    EXPECT_EQ(platform.LastMessage().title, kTitle);
    EXPECT_EQ(Dialog().ActiveControl(), &(Dialog().*c.focus));
  }
  release();
  Fill("2", "61", "0:10");
  EXPECT_EQ(Dialog().TotalAirtime.Text(), "1:01");  // rewritten when left
  platform.QueueAnswer(MsgBoxAnswer::kNo);
  Dialog().Ok.Click();
  EXPECT_EQ(platform.LastMessage().prompt,
            "The current entry will be copied once for a total of 2 flight entries.\r\n"
            "There will be 30 minutes assigned to each flight. Do you want to continue?");
  EXPECT_TRUE(Dialog().Visible());
  Dialog().Cancel.Click();
  EXPECT_TRUE(Page().Enabled());
  EXPECT_EQ(Flights(), before);
  EXPECT_EQ(Page().State, EditState::kClean);
  EXPECT_FALSE(Book().doc.modified);
  Open();  // a second use starts afresh
  EXPECT_EQ(Dialog().TotalFlights.Text() + Dialog().TimeInterval.Text(), "0:10");
}

TEST_F(MultiFlightTest, ARefusedCopyStaysUnsavedAndTheRestAreStillTried) {
  // Flights dated after 31 December 2100 are refused; the fourth copy would start then.
  OpenWithFlights({SourceFlight(MakeDateTime(2100, 12, 30, 23))});
  Run("7", "1:00", "0:10");
  std::vector<FlightRecord> flights = Flights();
  ASSERT_EQ(flights.size(), 4u);
  EXPECT_EQ(FormatGeneralDate(flights.back().DATE), "12/30/2100 11:54:00 PM");
  int refused = 0;
  for (const std::string& prompt : platform.Prompts())
    refused += prompt == "The flight date must be filled in." ? 1 : 0;
  EXPECT_EQ(refused, 3);  // the fourth, fifth and sixth copies
  EXPECT_EQ(Page().State, EditState::kNew);
  EXPECT_FALSE(Dialog().Visible());
  EXPECT_TRUE(Page().Enabled());
}

}  // namespace
}  // namespace aloftra::test
