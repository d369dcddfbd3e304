// The remarks search and the flight-number lookup on their own.
#include <gtest/gtest.h>

#include "EnterFlight.h"
#include "views/RemarksSearch.h"

namespace aloftra::test {
namespace {

TEST(RemarksSearchTest, FindInTextComparesLettersWithOrWithoutCase) {
  struct Case {
    const char* remarks;
    const char* text;
    bool matchCase;
    std::optional<TextSpan> expected;
  };
  const Case cases[] = {
      {"Thermal ABC day", "abc", false, TextSpan{8, 3}},
      {"Thermal ABC day", "abc", true, std::nullopt},
      {"Thermal ABC day", "ABC", true, TextSpan{8, 3}},
      {"abc", "abcd", false, std::nullopt},
      {"abc", "", false, std::nullopt},
      {"line\r\nabc", "ABC", false, TextSpan{6, 3}},           // a line break counts two
      {"Épaule au sommet", "SOMMET", false, TextSpan{10, 6}},  // É is one character
      {"près du lac", "è", false, TextSpan{2, 1}},
      {"PRÈS", "è", false, std::nullopt},  // only A-Z fold
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.remarks) + " / " + c.text);
    EXPECT_EQ(FindInText(c.remarks, c.text, c.matchCase), c.expected);
  }
}

// Every combination of the three kinds searched visits exactly the entries of those kinds,
// in date order, and comes back round to the first.
TEST(RemarksSearchTest, TheFlagsChooseTheKindsOfEntryVisitedInDateOrder) {
  Logbook book;
  book.gliders.Append(MakeGlider("Falcon", kOptionSet));
  book.gliders.Append(MakeGlider("Mentor", 0));
  // Entered newest first: slot order is the reverse of the date order.
  const int nonFlying = EnterFlight(book, {.date = 37004, .nonFlying = true});
  const int paraglider = EnterFlight(book, {.date = 37003, .glider = 1});
  const int hangGlider = EnterFlight(book, {.date = 37002, .glider = 0});
  for (int slot : {nonFlying, paraglider, hangGlider})
    book.flights[slot].REMARKS = "windy";
  const int kinds[] = {hangGlider, paraglider, nonFlying};  // by date, in flag order

  for (int mask = 1; mask < 8; ++mask) {
    SCOPED_TRACE(mask);
    FindSettings settings;
    settings.SearchString = "WIND";
    std::vector<int> expected;
    for (int flag = 0; flag < 3; ++flag) {
      settings.SearchFlags[flag] = (mask >> flag) & 1;
      if (settings.SearchFlags[flag] != 0) expected.push_back(kinds[flag]);
    }
    expected.push_back(expected.front());
    std::vector<int> visited;
    for (std::size_t i = 0; i < expected.size(); ++i) {
      std::optional<RemarksMatch> match = FindNextRemark(book, settings);
      ASSERT_TRUE(match.has_value());
      visited.push_back(match->flightIndex);
    }
    EXPECT_EQ(visited, expected);
  }

  FindSettings exact;
  exact.SearchString = "WIND";
  exact.SearchFlags[kFindMatchCase] = 1;
  exact.ResumePosition = 2;
  EXPECT_FALSE(FindNextRemark(book, exact).has_value());
  EXPECT_EQ(exact.ResumePosition, 2);  // the next search covers the same round again
}

TEST(RemarksSearchTest, FlightNumbersAreLookedUpPerKindFromTheHighestSlot) {
  Logbook book;
  book.gliders.Append(MakeGlider("Falcon", kOptionSet));
  book.gliders.Append(MakeGlider("Mentor", 0));
  auto enter = [&book](int glider, int number, bool nonFlying = false) {
    const int slot = EnterFlight(book, {.glider = glider, .nonFlying = nonFlying});
    book.flights[slot].FLIGHT_NO = static_cast<std::int16_t>(number);
    return slot;
  };
  const int hangGlider12 = enter(0, 12);
  const int paraglider12 = enter(1, 12);
  const int laterCopy = enter(1, 12);
  enter(0, 0, true);
  EXPECT_EQ(FindFlightByNumber(book, 12, true), hangGlider12);
  EXPECT_EQ(FindFlightByNumber(book, 12, false), laterCopy);
  EXPECT_NE(laterCopy, paraglider12);
  EXPECT_EQ(FindFlightByNumber(book, 12.5, false), -1);
  EXPECT_EQ(FindFlightByNumber(book, 0, true), -1);
  EXPECT_FALSE(LastSlotIsParagliderFlight(book));  // a non-flying entry on the hang glider
  book.flights[laterCopy + 1].GLIDER_INDEX = 1;
  EXPECT_TRUE(LastSlotIsParagliderFlight(book));
}

}  // namespace
}  // namespace aloftra::test
