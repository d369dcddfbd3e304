// Enter and Delete on the flight page.
#include <gtest/gtest.h>

#include "FlightPageFixture.h"

namespace aloftra::test {
namespace {

class FlightCommitTest : public FlightPageTest {
 protected:
  TypedFlight Flight(const std::string& date, const std::string& airtime = "1:00") {
    TypedFlight flight;
    flight.date = date;
    flight.airtime = airtime;
    flight.glider = "Falcon";
    flight.site = "Point";
    return flight;
  }
  // Enters six flights on six days, into slots 0 to 5.
  void EnterSixFlights() {
    for (int day = 1; day <= 6; ++day)
      EnterFlight(Flight("5/" + std::to_string(day) + "/2001"));
    ASSERT_EQ(Book().flights.LastIndex(), 5);
  }
  void ShowFlightInSlot(int slot) {
    Book().doc.CurrentPosition = Book().order.PositionOf(slot, Book().doc.SortKey);
    Page().AloftraDisplayEntry();
  }
};

TEST_F(FlightCommitTest, EnteringAFlightStoresEveryValueInStorageUnits) {
  UseMetres();
  Book().UNIT_FLAGS[kUnitMph] = 0;
  Book().UNIT_FLAGS[kUnitKmh] = kFlagSet;
  Book().UNIT_FLAGS[kUnitMiles] = 0;
  Book().UNIT_FLAGS[kUnitKilometres] = kFlagSet;
  TypedFlight flight = Flight("7/4/2001", "2:15");
  flight.time = "2:30 PM";
  flight.tandem = true;
  flight.launch = "1000";
  flight.maxMsl = "1500";
  flight.landing = "-20";
  flight.baseWind = "20";
  flight.peakWind = "30";
  flight.maxLift = "400";
  flight.maxSink = "-300";
  flight.distance = "10";
  flight.remarks = "Say \"hi\"";
  flight.highlight = true;
  Page().Form_MouseUp(kLeftButton, 0, kRoseCentreX, kRoseCentreY + 500);  // S, before New
  EnterFlight(flight);
  Page().Form_MouseUp(kLeftButton, 0, 4000, 2800);

  ASSERT_EQ(Book().flights.LastIndex(), 0);
  const FlightRecord& stored = Book().flights[0];
  EXPECT_DOUBLE_EQ(stored.DATE, MakeDateTime(2001, 7, 4, 14, 30));
  EXPECT_EQ(stored.AIRTIME, 135);
  EXPECT_EQ(stored.GLIDER_INDEX, 0);
  EXPECT_EQ(stored.SITE_INDEX, 0);
  EXPECT_EQ(stored.SOLO, 0);
  EXPECT_EQ(stored.TANDEM, 255);
  EXPECT_EQ(stored.LAUNCH_MSL, 3281);
  EXPECT_EQ(stored.MAX_MSL, 4922);
  EXPECT_EQ(stored.OVER_LAUNCH, 1640);  // 1640.5 rounds to the even neighbour
  EXPECT_EQ(stored.LANDING_MSL, -66);
  EXPECT_FLOAT_EQ(stored.BASE_WIND, 12.4f);
  EXPECT_FLOAT_EQ(stored.PEAK_WIND, 18.6f);
  EXPECT_EQ(stored.MAX_SINK, 300);
  EXPECT_FLOAT_EQ(stored.XC_DISTANCE, 6.22f);
  EXPECT_EQ(stored.HIGHLIGHT, 1);
  EXPECT_EQ(stored.REMARKS, "Say \"hi\"");
  EXPECT_EQ(stored.WIND_FLAGS, WindFlags{});  // New cleared the rose
  EXPECT_EQ(stored.FLIGHT_NO, 1);
  EXPECT_EQ(Page().FlightNo.Text(), "1");
  EXPECT_EQ(Page().State, EditState::kModified);  // the turbulence click after Enter
  EXPECT_EQ(Page().Caption(), "Aloftra - Season*");
  EXPECT_EQ(Book().totals[kHangGliding].FLIGHTS_TANDEM, 1);
}

TEST_F(FlightCommitTest, EnterOnAnUnchangedEntryDoesNothing) {
  EnterFlight(Flight("5/5/2001"));
  FlightRecord before = Book().flights[0];
  app->UpdateCaption(false, true);
  Page().Enter.Click();
  EXPECT_EQ(Book().flights[0], before);
  EXPECT_FALSE(Book().doc.modified);
}

TEST_F(FlightCommitTest, RequiredFieldsAreAskedForInOrderWithTheFocusOnTheMissingOne) {
  struct Case {
    TypedFlight flight;
    std::string message;
    TextBox* focus;
  };
  frmAloftra& page = Page();
  TypedFlight noTime = Flight("5/5/2001");
  noTime.time = "";
  TypedFlight noSite = Flight("5/5/2001");
  noSite.site = "";
  TypedFlight noGlider = Flight("5/5/2001");
  noGlider.glider = "";
  std::vector<std::pair<TypedFlight, std::string>> cases = {
      {Flight(""), "The flight date must be filled in."},
      {noTime, "The time of day must be filled in."},
      {noSite, "A site must be selected."},
      {noGlider, "A glider must be selected."},
  };
  for (const auto& [flight, message] : cases) {
    SCOPED_TRACE(message);
    platform.ClearMessages();
    EnterFlight(flight);
    ASSERT_FALSE(platform.Messages().empty());
    EXPECT_EQ(platform.LastMessage().prompt, message);
    EXPECT_EQ(page.State, EditState::kNew);
  }
  EXPECT_EQ(page.ActiveControl(), &page.GliderName);
  EXPECT_EQ(Book().flights.LastIndex(), -1);

  page.NewEntry.Click();
  TypeInto(page.FlightDate, "5/5/2001");
  TypeInto(page.TimeOfDay, "10:00");
  page.AirTime.SetText("");
  page.Enter.Click();
  EXPECT_EQ(platform.LastMessage().prompt, "The Airtime must be filled in.");
  EXPECT_EQ(page.ActiveControl(), &page.AirTime);
}

TEST_F(FlightCommitTest, ANonFlyingEntryNeedsOnlyADateAndTimeAndGetsNoNumber) {
  EnterFlight(Flight("5/5/2001"));
  TypedFlight day = Flight("5/6/2001");
  day.nonFlying = true;
  day.launch = "1200";
  day.maxLift = "300";
  day.remarks = "Blown out";
  EnterFlight(day);
  ASSERT_EQ(Book().flights.LastIndex(), 1);
  const FlightRecord& stored = Book().flights[1];
  EXPECT_EQ(stored.NON_FLYING, 1);
  EXPECT_EQ(stored.AIRTIME, 0);
  EXPECT_EQ(stored.LAUNCH_MSL, 0);
  EXPECT_EQ(stored.MAX_LIFT, 0);
  EXPECT_EQ(stored.FLIGHT_NO, 0);
  EXPECT_EQ(stored.REMARKS, "Blown out");
  EXPECT_EQ(Page().FlightNo.Text(), "");
  EXPECT_EQ(Page().LaunchMSL.Text(), "0");
  EXPECT_EQ(Book().sites[0].FLIGHTS, 1);
}

TEST_F(FlightCommitTest, ALaunchWithoutMaximumFillsTheMaximumAndOverLaunch) {
  TypedFlight flight = Flight("5/5/2001");
  flight.launch = "1200";
  EnterFlight(flight);
  EXPECT_EQ(Book().flights[0].MAX_MSL, 1200);
  EXPECT_EQ(Book().flights[0].OVER_LAUNCH, 0);
  EXPECT_EQ(Page().MaxMSL.Text(), "1200");
}

TEST_F(FlightCommitTest, WindSpeedsMustBeOrderedAndBelowOneHundred) {
  struct Case {
    std::string base, peak, message;
  };
  for (const Case& c : {Case{"15", "12", "The base wind cannot be greater than the peak wind."},
                        Case{"12", "", "The base wind cannot be greater than the peak wind."},
                        Case{"", "100", "Wind speeds cannot be greater than 99."},
                        Case{"", "7.5", "Wind speeds cannot be greater than 99."}}) {
    SCOPED_TRACE(c.base + "/" + c.peak);
    platform.ClearMessages();
    TypedFlight flight = Flight("5/5/2001");
    flight.baseWind = c.base;
    flight.peakWind = c.peak;
    EnterFlight(flight);
    EXPECT_EQ(platform.LastMessage().prompt, c.message);
    EXPECT_EQ(Book().flights.LastIndex(), -1);
  }
  platform.ClearMessages();
  EnterFlight(Flight("5/5/2001"));
  EXPECT_TRUE(platform.Messages().empty());
  EXPECT_EQ(Book().flights.LastIndex(), 0);
}

TEST_F(FlightCommitTest, AValueThatDoesNotFitItsFieldChangesNothing) {
  EnterFlight(Flight("5/5/2001"));
  Logbook before = Book();
  Book().UNIT_FLAGS[kUnitFpm] = 0;
  Book().UNIT_FLAGS[kUnitMetresPerSecond] = kFlagSet;
  TypedFlight flight = Flight("5/6/2001");
  flight.maxLift = "200";  // 39378 fpm: more than a 16-bit field holds
  EnterFlight(flight);
  EXPECT_EQ(platform.LastMessage().prompt, "Invalid input values, cannot enter flight record.");
  EXPECT_EQ(Book().flights, before.flights);
  EXPECT_EQ(Book().order, before.order);
  EXPECT_EQ(Page().State, EditState::kNew);
}

TEST_F(FlightCommitTest, AnEditedFlightKeepsItsSlotAndCrossCountryDetailsAndMovesInTheOrders) {
  EnterSixFlights();
  Book().flights[2].XC_TYPE = 2;
  Book().flights[2].GPS_COORDS = "N40 W111";
  ShowFlightInSlot(2);
  TypeInto(Page().FlightDate, "4/1/2001");
  TypeInto(Page().AirTime, "3:00");
  Page().SetFocus(Page().Enter);
  Page().Enter.Click();
  const FlightRecord& stored = Book().flights[2];
  EXPECT_EQ(stored.AIRTIME, 180);
  EXPECT_EQ(stored.XC_TYPE, 2);
  EXPECT_EQ(stored.GPS_COORDS, "N40 W111");
  EXPECT_EQ(Book().order.At(0, kSortDate), 2);
  EXPECT_EQ(Book().order.At(0, kSortAirtime), 2);
  EXPECT_EQ(Book().doc.CurrentPosition, 0);
  EXPECT_EQ(stored.FLIGHT_NO, 1);
  EXPECT_EQ(Book().flights[0].FLIGHT_NO, 2);
  EXPECT_EQ(Page().EntryIndex.Caption(), "1 of 6");
}

TEST_F(FlightCommitTest, ADeletedSlotIsReusedFirstAndStartsWithoutCrossCountryDetails) {
  EnterSixFlights();
  Book().flights[3].XC_TYPE = 1;
  Book().flights[3].GPS_COORDS = "old turn points";
  ShowFlightInSlot(3);
  platform.QueueAnswer(MsgBoxAnswer::kYes);
  Page().DeleteEntry.Click();
  EXPECT_EQ(platform.LastMessage().prompt, "Are you sure you want to delete the current entry?");
  EXPECT_EQ(platform.LastMessage().title, "Confirm Delete");
  EXPECT_TRUE(Book().flights[3].IsFree());
  EXPECT_EQ(Book().flights.LastIndex(), 5);
  EXPECT_EQ(Book().LastPosition(), 4);
  EXPECT_EQ(Page().FlightDate.Text(), "May 6, 2001");  // the most recent flight

  EnterFlight(Flight("6/1/2001"));
  EXPECT_EQ(Book().flights[3].DATE, MakeDateTime(2001, 6, 1, 12));
  EXPECT_EQ(Book().flights[3].XC_TYPE, 0);
  EXPECT_EQ(Book().flights[3].GPS_COORDS, "");
}

TEST_F(FlightCommitTest, DeletingTheHighestSlotLowersTheLastIndexPastFreeSlots) {
  EnterSixFlights();
  for (int slot : {4, 5}) {
    ShowFlightInSlot(slot);
    platform.QueueAnswer(MsgBoxAnswer::kYes);
    Page().DeleteEntry.Click();
  }
  EXPECT_EQ(Book().flights.LastIndex(), 3);
  ShowFlightInSlot(2);
  platform.QueueAnswer(MsgBoxAnswer::kYes);
  Page().DeleteEntry.Click();
  EXPECT_EQ(Book().flights.LastIndex(), 3);
  EXPECT_TRUE(Book().flights[2].IsFree());
}

TEST_F(FlightCommitTest, DeletingInTheAirtimeOrderShowsTheLongestFlight) {
  EnterFlight(Flight("5/1/2001", "1:00"));
  EnterFlight(Flight("5/2/2001", "3:00"));
  EnterFlight(Flight("5/3/2001", "2:00"));
  Book().doc.SortKey = kSortAirtime;
  Book().doc.CurrentPosition = 2;  // the shortest
  Page().AloftraDisplayEntry();
  platform.QueueAnswer(MsgBoxAnswer::kYes);
  Page().DeleteEntry.Click();
  EXPECT_EQ(Book().doc.CurrentPosition, 0);
  EXPECT_EQ(Page().AirTime.Text(), "3:00");
}

TEST_F(FlightCommitTest, DeletingTheOnlyFlightLeavesANewEntry) {
  EnterFlight(Flight("5/5/2001"));
  TypeInto(Page().Remarks, "edited, then deleted");
  platform.QueueAnswer(MsgBoxAnswer::kYes);
  Page().DeleteEntry.Click();
  EXPECT_EQ(platform.Messages().size(), 1u);  // no question about the edits
  EXPECT_EQ(Page().EntryIndex.Caption(), "- New Entry -");
  EXPECT_EQ(Page().State, EditState::kNew);
  EXPECT_EQ(Book().flights.LastIndex(), -1);
  EXPECT_EQ(Book().doc.CurrentPosition, -1);
  EXPECT_EQ(Book().sites[0].FLIGHTS, 0);
}

TEST_F(FlightCommitTest, DeleteRefusesWithoutFlightsOrOnANewEntryAndNoKeepsTheFlight) {
  Page().DeleteEntry.Click();
  EXPECT_EQ(platform.LastMessage().prompt, "There are no entries to delete.");
  EnterFlight(Flight("5/5/2001"));
  Page().NewEntry.Click();
  Page().DeleteEntry.Click();
  EXPECT_EQ(platform.LastMessage().prompt,
            "The current entry has not yet been entered and cannot be deleted.");
  platform.QueueAnswer(MsgBoxAnswer::kNo);  // leave the new entry unsaved
  Page().ViewEntry[3].Click();
  platform.QueueAnswer(MsgBoxAnswer::kNo);
  Page().DeleteEntry.Click();
  EXPECT_EQ(Book().flights.LiveCount(), 1);
  EXPECT_EQ(Page().ActiveControl(), &Page().NewEntry);
}

TEST_F(FlightCommitTest, AFullLogbookRefusesANewFlightWithAClearMessage) {
  Logbook book = GlidersAndSites();
  for (int i = 0; i < kMaxSlots; ++i)
    AddFlight(book, {.date = 30000.0 + i, .airtime = 10});
  RebuildFlightOrder(book);
  app = std::make_unique<App>(platform, files);
  OpenOnStart("Full.log", book);
  EnterFlight(Flight("5/5/2001"));
  EXPECT_EQ(platform.LastMessage().prompt,
            "The logbook is full: it cannot hold more flights. Delete some flights first.");
  EXPECT_EQ(Book().flights.SlotCount(), kMaxSlots);
  EXPECT_EQ(Page().State, EditState::kNew);
}

}  // namespace
}  // namespace aloftra::test
