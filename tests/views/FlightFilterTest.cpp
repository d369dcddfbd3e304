// The filter test of one flight, as a table of flights and settings.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/LogbookBuilder.h"
#include "views/FilterTest.h"

namespace aloftra {
namespace {

using test::FlightValues;

constexpr int kFalcon = 0;  // hang glider
constexpr int kMentor = 1;  // paraglider
constexpr int kPoint = 0;
constexpr int kDunes = 1;
constexpr DateTime kApril18 = 37000;

struct FilterCase {
  std::string name;
  FlightValues flight;
  bool highlighted;
  std::function<void(FilterSettings&)> settings;
  bool passes;
};

void Dates(FilterSettings& filter, DateTime start, DateTime end) {
  filter.Flags[kFilterAllDates] = 0;
  filter.RangeStart = start;
  filter.RangeEnd = end;
}

TEST(FlightFilter, EachSettingPassesAndFailsTheRightFlights) {
  const FlightValues flying = {.date = kApril18 + 0.5, .site = kPoint, .glider = kFalcon};
  FlightValues nonFlying = flying;
  nonFlying.nonFlying = true;
  FlightValues tandem = flying;
  tandem.solo = false;
  FlightValues onMentor = flying;
  onMentor.glider = kMentor;
  FlightValues crossCountry = flying;
  crossCountry.distance = 12.5f;
  FlightValues lateEvening = flying;
  lateEvening.date = kApril18 + 23.99 / 24;

  const std::vector<FilterCase> cases = {
      {"pass-all settings", flying, false, [](FilterSettings&) {}, true},
      {"range the right way round", flying, false,
       [](FilterSettings& f) { Dates(f, kApril18 - 5, kApril18 + 5); }, true},
      {"range the wrong way round", flying, false,
       [](FilterSettings& f) { Dates(f, kApril18 + 5, kApril18 - 5); }, true},
      {"wrong-way range that misses", flying, false,
       [](FilterSettings& f) { Dates(f, kApril18 - 1, kApril18 - 9); }, false},
      {"23:59 on the end day", lateEvening, false,
       [](FilterSettings& f) { Dates(f, kApril18 - 3, kApril18 + 0.25); }, true},
      {"start day given with a later time", flying, false,
       [](FilterSettings& f) { Dates(f, kApril18 + 0.9, kApril18 + 2); }, true},
      {"the day after the end", flying, false,
       [](FilterSettings& f) { Dates(f, kApril18 - 3, kApril18 - 1 + 0.99); }, false},
      {"dates ignored while All is checked", flying, false,
       [](FilterSettings& f) {
         Dates(f, 1, 2);
         f.Flags[kFilterAllDates] = 1;
       },
       true},
      {"non-flying entries cleared", nonFlying, false,
       [](FilterSettings& f) { f.Flags[kFilterNonFlying] = 0; }, false},
      {"non-flying entry with another glider and site chosen", nonFlying, false,
       [](FilterSettings& f) {
         f.GliderIndex = kMentor;
         f.SiteIndex = kDunes;
       },
       true},
      {"non-flying entry with wing types and places cleared", nonFlying, false,
       [](FilterSettings& f) {
         f.Flags[kFilterHangGlider] = 0;
         f.Flags[kFilterSolo] = 0;
         f.Flags[kFilterTandem] = 0;
       },
       true},
      {"hang gliders cleared", flying, false,
       [](FilterSettings& f) { f.Flags[kFilterHangGlider] = 0; }, false},
      {"hang gliders cleared, paraglider flight", onMentor, false,
       [](FilterSettings& f) { f.Flags[kFilterHangGlider] = 0; }, true},
      {"paragliders cleared", onMentor, false,
       [](FilterSettings& f) { f.Flags[kFilterParaglider] = 0; }, false},
      {"solo cleared", flying, false, [](FilterSettings& f) { f.Flags[kFilterSolo] = 0; }, false},
      {"tandem cleared", tandem, false, [](FilterSettings& f) { f.Flags[kFilterTandem] = 0; },
       false},
      {"tandem cleared, solo flight", flying, false,
       [](FilterSettings& f) { f.Flags[kFilterTandem] = 0; }, true},
      {"another glider chosen", flying, false, [](FilterSettings& f) { f.GliderIndex = kMentor; },
       false},
      {"its glider chosen", flying, false, [](FilterSettings& f) { f.GliderIndex = kFalcon; },
       true},
      {"another site chosen", flying, false, [](FilterSettings& f) { f.SiteIndex = kDunes; },
       false},
      {"highlighted only, plain flight", flying, false,
       [](FilterSettings& f) { f.Flags[kFilterHighlightedOnly] = 1; }, false},
      {"highlighted only, highlighted flight", flying, true,
       [](FilterSettings& f) { f.Flags[kFilterHighlightedOnly] = 1; }, true},
      {"cross-country only, no distance", flying, false,
       [](FilterSettings& f) { f.Flags[kFilterCrossCountryOnly] = 1; }, false},
      {"cross-country only, a distance", crossCountry, false,
       [](FilterSettings& f) { f.Flags[kFilterCrossCountryOnly] = 1; }, true},
      {"cross-country flight failing an earlier test", crossCountry, false,
       [](FilterSettings& f) {
         f.Flags[kFilterCrossCountryOnly] = 1;
         f.SiteIndex = kDunes;
       },
       false},
      {"cross-country flight outside the dates", crossCountry, false,
       [](FilterSettings& f) {
         f.Flags[kFilterCrossCountryOnly] = 1;
         Dates(f, kApril18 + 1, kApril18 + 2);
       },
       false},
  };

  for (const FilterCase& c : cases) {
    Logbook book = test::GlidersAndSites();
    int slot = test::AddFlight(book, c.flight);
    book.flights[slot].HIGHLIGHT = c.highlighted ? kFlagSet : 0;
    FilterSettings filter;
    c.settings(filter);
    EXPECT_EQ(FlightPassesFilter(book, filter, slot), c.passes) << c.name;
  }
}

TEST(FlightFilter, NoLiveFlightNeverPasses) {
  Logbook book = test::GlidersAndSites();
  int slot = test::AddFlight(book, {});
  int freeSlot = test::AddFlight(book, {.date = 0});
  FilterSettings passAll;
  EXPECT_TRUE(FlightPassesFilter(book, passAll, slot));
  for (int index : {-1, freeSlot, freeSlot + 1})
    EXPECT_FALSE(FlightPassesFilter(book, passAll, index)) << index;
}

}  // namespace
}  // namespace aloftra
