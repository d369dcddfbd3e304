// The arithmetic of a multi-flight entry: the count as typed, the share of airtime, the start
// of each copy and the question asked; and the reading of the two time boxes.
#include "flights/MultiFlightPlan.h"

#include <gtest/gtest.h>

#include <string>

#include "core/DateTime.h"

namespace aloftra {
namespace {

TEST(MultiFlightPlanTest, CountShareStartsAndQuestion) {
  using Refusal = FlightCountReading::Refusal;
  const DateTime noon = MakeDateTime(2001, 5, 5, 12);
  for (const char* typed : {"1.99", "", "abc", "-5"})
    EXPECT_EQ(ReadFlightCount(typed).refusal, Refusal::kTooFew) << typed;
  for (const char* typed : {"60.01", "61"})
    EXPECT_EQ(ReadFlightCount(typed).refusal, Refusal::kTooMany) << typed;
  // The bounds hold for the typed value, so whatever passes rounds to a count inside them.
  struct Case {
    const char* typed;
    Refusal refusal;
    int total, interval, each, step;
    DateTime start, startOfStep;
    const char* firstSentence;
  } cases[] = {
      {"2", Refusal::kNone, 61, 10, 30, 1, noon, MakeDateTime(2001, 5, 5, 12, 40),
       "copied once for a total of 2"},
      {"5", Refusal::kNone, 150, 10, 30, 4, noon, MakeDateTime(2001, 5, 5, 14, 40),
       "copied 4 times for a total of 5"},
      {"7", Refusal::kNone, 60, 10, 8, 6, noon, MakeDateTime(2001, 5, 5, 13, 48),
       "copied 6 times for a total of 7"},
      {"2.5", Refusal::kNone, 60, 0, 20, 2, MakeDateTime(2000, 12, 31, 23, 30),
       MakeDateTime(2001, 1, 1, 0, 10), "copied 2 times for a total of 3"},
      {"59.5", Refusal::kNone, 60, 1439, 1, 59, MakeDateTime(2004, 2, 1), MakeDateTime(2004, 3, 31),
       "copied 59 times for a total of 60"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    FlightCountReading count = ReadFlightCount(c.typed);
    ASSERT_EQ(count.refusal, c.refusal);
    MultiFlightPlan plan = MultiFlightPlan::Make(count.flights, c.total, c.interval);
    EXPECT_EQ(plan.airtimeEach, c.each);
    EXPECT_EQ(FormatGeneralDate(plan.StartAfter(c.start, c.step)),
              FormatGeneralDate(c.startOfStep));
    EXPECT_EQ(plan.Confirmation(),
              "The current entry will be " + std::string(c.firstSentence) +
                  " flight entries.\r\nThere will be " + std::to_string(c.each) +
                  " minutes assigned to each flight. Do you want to continue?");
  }
}

TEST(MultiFlightPlanTest, TimeBoxesAreReadAsMinutesOrHoursAndMinutesAndRefusedAtTheirLimits) {
  using Refusal = TimeBoxReading::Refusal;
  struct Case {
    const char* typed;
    int hourLimit, minutes;
    const char* text;
    Refusal refusal;
  } cases[] = {
      {"90", 48, 90, "1:30", Refusal::kNone},
      {"1:75", 48, 135, "2:15", Refusal::kNone},
      {"-45", 48, 45, "0:45", Refusal::kNone},
      {"", 48, 0, "", Refusal::kNone},
      {"47:59", 48, 2879, "47:59", Refusal::kNone},
      {"2880", 48, 2880, "48:00", Refusal::kHoursAtLimit},
      {"32768", 48, 0, "", Refusal::kBeyondRange},
      {"23:59", 24, 1439, "23:59", Refusal::kNone},
      {"24:00", 24, 1440, "24:00", Refusal::kHoursAtLimit},
  };
  for (const Case& c : cases) {
    TimeBoxReading reading = ReadTimeBox(c.typed, c.hourLimit);
    EXPECT_EQ(reading.refusal, c.refusal) << '"' << c.typed << '"';
    EXPECT_EQ(reading.text, c.text) << '"' << c.typed << '"';
    EXPECT_EQ(reading.minutes, c.minutes) << '"' << c.typed << '"';
  }
}

}  // namespace
}  // namespace aloftra
