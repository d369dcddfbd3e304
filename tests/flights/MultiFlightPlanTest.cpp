// The arithmetic of a multi-flight entry: the count, the share of airtime, the start of each
// copy, the question asked, and the reading of the two time boxes.
#include "flights/MultiFlightPlan.h"

#include <gtest/gtest.h>

#include <string>

#include "core/DateTime.h"

namespace aloftra {
namespace {

using Refusal = TimeBoxReading::Refusal;

TEST(MultiFlightPlanTest, EachFlightGetsTheTotalDividedByTheCountWithTheRemainderDropped) {
  struct Case {
    int flights, total, each;
  } cases[] = {{5, 150, 30}, {3, 60, 20}, {7, 60, 8}, {2, 61, 30}, {60, 59, 0}, {60, 2879, 47}};
  for (const Case& c : cases) {
    EXPECT_EQ(MultiFlightPlan::Make(c.flights, c.total, 10).airtimeEach, c.each)
        << c.flights << " flights sharing " << c.total;
  }
}

TEST(MultiFlightPlanTest, TheQuestionNamesTheCopiesTheFlightsAndTheShare) {
  struct Case {
    int flights, total;
    const char* firstSentence;
    const char* share;
  } cases[] = {
      {2, 61, "The current entry will be copied once for a total of 2 flight entries.", "30"},
      {3, 60, "The current entry will be copied 2 times for a total of 3 flight entries.", "20"},
      {5, 150, "The current entry will be copied 4 times for a total of 5 flight entries.", "30"},
      {60, 1200, "The current entry will be copied 59 times for a total of 60 flight entries.",
       "20"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MultiFlightPlan::Make(c.flights, c.total, 10).Confirmation(),
              std::string(c.firstSentence) + "\r\nThere will be " + c.share +
                  " minutes assigned to each flight. Do you want to continue?");
  }
}

TEST(MultiFlightPlanTest, EachCopyStartsOneAirtimeAndOneIntervalAfterThePreviousStart) {
  struct Case {
    int flights, total, interval, steps;
    DateTime start, expected;
  } cases[] = {
      {5, 150, 10, 1, MakeDateTime(2001, 5, 5, 12), MakeDateTime(2001, 5, 5, 12, 40)},
      {5, 150, 10, 4, MakeDateTime(2001, 5, 5, 12), MakeDateTime(2001, 5, 5, 14, 40)},
      {2, 120, 0, 1, MakeDateTime(2001, 5, 5, 23, 30), MakeDateTime(2001, 5, 6, 0, 30)},
      {3, 90, 30, 2, MakeDateTime(2000, 12, 31, 23, 0), MakeDateTime(2001, 1, 1, 1, 0)},
      {60, 60, 1439, 59, MakeDateTime(2004, 2, 1, 0, 0), MakeDateTime(2004, 3, 31, 0, 0)},
  };
  for (const Case& c : cases) {
    MultiFlightPlan plan = MultiFlightPlan::Make(c.flights, c.total, c.interval);
    EXPECT_EQ(FormatGeneralDate(plan.StartAfter(c.start, c.steps)), FormatGeneralDate(c.expected));
  }
}

TEST(MultiFlightPlanTest, TheCountIsBoundedOnWhatWasTypedAndAFractionRoundsHalfAwayFromZero) {
  using CountRefusal = FlightCountReading::Refusal;
  struct Case {
    const char* typed;
    int flights;
    CountRefusal refusal;
  } cases[] = {
      {"2", 2, CountRefusal::kNone},          {"60", 60, CountRefusal::kNone},
      {"61", 0, CountRefusal::kTooMany},      {"1", 0, CountRefusal::kTooFew},
      {"", 0, CountRefusal::kTooFew},         {"abc", 0, CountRefusal::kTooFew},
      {"-5", 0, CountRefusal::kTooFew},       {"1.99", 0, CountRefusal::kTooFew},
      {"2.5", 3, CountRefusal::kNone},        {"2.49", 2, CountRefusal::kNone},
      {"59.5", 60, CountRefusal::kNone},      {"60.01", 0, CountRefusal::kTooMany},
      {" 7 flights", 7, CountRefusal::kNone},
  };
  for (const Case& c : cases) {
    FlightCountReading reading = ReadFlightCount(c.typed);
    EXPECT_EQ(reading.refusal, c.refusal) << '"' << c.typed << '"';
    EXPECT_EQ(reading.flights, c.flights) << '"' << c.typed << '"';
  }
}

TEST(MultiFlightPlanTest, TimeBoxesAreReadAsMinutesOrHoursAndMinutesAndRefusedAtTheirLimits) {
  struct Case {
    const char* typed;
    int hourLimit;
    int minutes;
    const char* text;
    Refusal refusal;
  } cases[] = {
      {"90", 48, 90, "1:30", Refusal::kNone},
      {"2:30", 48, 150, "2:30", Refusal::kNone},
      {"1:75", 48, 135, "2:15", Refusal::kNone},
      {"-45", 48, 45, "0:45", Refusal::kNone},
      {"", 48, 0, "", Refusal::kNone},
      {"47:59", 48, 2879, "47:59", Refusal::kNone},
      {"48:00", 48, 2880, "48:00", Refusal::kHoursAtLimit},
      {"2880", 48, 2880, "48:00", Refusal::kHoursAtLimit},
      {"32767", 48, 32767, "546:07", Refusal::kHoursAtLimit},
      {"32768", 48, 0, "", Refusal::kBeyondRange},
      {"600:00", 48, 0, "", Refusal::kBeyondRange},
      {"23:59", 24, 1439, "23:59", Refusal::kNone},
      {"24:00", 24, 1440, "24:00", Refusal::kHoursAtLimit},
      {"0:10", 24, 10, "0:10", Refusal::kNone},
  };
  for (const Case& c : cases) {
    TimeBoxReading reading = ReadTimeBox(c.typed, c.hourLimit);
    EXPECT_EQ(reading.refusal, c.refusal) << '"' << c.typed << '"';
    EXPECT_EQ(reading.text, c.text) << '"' << c.typed << '"';
    if (c.refusal != Refusal::kBeyondRange) {
      EXPECT_EQ(reading.minutes, c.minutes) << '"' << c.typed << '"';
    }
  }
}

}  // namespace
}  // namespace aloftra
