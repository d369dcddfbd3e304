#include "support/LogbookSamples.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "core/DateTime.h"

namespace aloftra {

namespace {

GliderRecord TellingGlider() {
  GliderRecord g;
  g.GLIDER_NAME = "Falcon 170, blue";
  g.MANUFACTURER = "Wills Wing";
  g.MODEL = "Falcon";
  g.SIZE = "170";
  g.DATE_OF_MFG = "Mai 1999";
  g.COLOR = "Bleu, gris";
  g.SERIAL_NO = "WW-4411";
  g.WEIGHT_MIN = 120.5f;
  g.WEIGHT_MAX = 1230;
  g.HANG_GLIDER = kOptionSet;
  g.PARAGLIDER = 0;
  g.SOLO = kOptionSet;
  g.TANDEM = 0;
  g.DHV[3] = kFlagSet;
  g.AFNOR[1] = kFlagSet;
  g.best = {3, 0, 2, 3};
  g.GLIDER_RESERVED = 77;
  g.FLYING_DAYS = 11;
  g.PRE_AIRTIME = 70000;
  g.FLIGHTS = 12;
  g.TOTAL_AIRTIME = 1234567;
  g.NOTES = "Line one\r\nLine two, with a comma";
  return g;
}

SiteRecord TellingSite() {
  SiteRecord s;
  s.SITE_NAME = "Dunlap";
  s.LOCATION = "Dunlap, Californie";
  s.LAUNCH_MSL = 2200;
  s.LANDING_MSL = -150;
  s.DIFFICULTY = {0, kFlagSet, 0, kFlagSet};
  s.WIND_FLAGS[0] = kFlagSet;
  s.WIND_FLAGS[4] = kFlagSet;
  s.WIND_FLAGS[15] = kFlagSet;
  s.best = {2, 3, 0, -1};
  s.FLYING_DAYS = 21;
  s.AVG_AIRTIME = 47;
  s.FLIGHTS = 31;
  s.TOTAL_AIRTIME = 98765;
  s.DESCRIPTION = "Ridge; launch faces west\nLanding in the field";
  s.URL = "http://example.com/dunlap?a=1&b=2";
  return s;
}

FlightRecord TellingFlight() {
  FlightRecord f;
  f.DATE = MakeDateTime(2001, 7, 4, 14, 30, 15);
  f.FLIGHT_NO = 101;
  f.AIRTIME = 95;
  f.GLIDER_INDEX = 2;
  f.SOLO = kOptionSet;
  f.TANDEM = 0;
  f.SITE_INDEX = 2;
  f.XC_DISTANCE = 15.25f;
  f.XC_TYPE = 3;
  f.GPS_COORDS = "N36 39.4 W119 07.2, N36 41.0 W119 10.9";
  f.NON_FLYING = 0;
  f.HIGHLIGHT = kFlagSet;
  f.BASE_WIND = 8.5f;
  f.PEAK_WIND = 0.25f;
  f.MAX_LIFT = 1200;
  f.MAX_SINK = -900;
  f.TURBULENCE = 4;
  f.WIND_FLAGS[2] = kFlagSet;
  f.WIND_FLAGS[8] = kFlagSet;
  f.LAUNCH_MSL = 2200;
  f.LANDING_MSL = 1000;
  f.MAX_MSL = 7400;
  f.OVER_LAUNCH = 5200;
  f.REMARKS = "Thermals to 7400, then over the back\r\nLanded at the school field";
  return f;
}

void FillPilot(Logbook& book, bool outside1252) {
  book.pilot.PILOT_NAME = outside1252 ? "Paweł Jürgen ✈" : "Renée Müller";
  book.pilot.EMAIL = "renee@example.com";
  book.pilot.PHONE_NO = "+1 555 0100";
  book.pilot.MEMBER_NO = "USHGA 12345";
  book.pilot.REGION = 7;
  for (int i : {0, 9, 10, 27, 28, 40, 55})
    book.pilot.AWARD_FLAGS[i] = kFlagSet;

  PilotTotals& hg = book.totals[kHangGliding];
  hg = {100000, 2000, 300, 40, 5, 6, 70, {3, 2, 0, 3}, 80, 9, 10, 11, 12, -1};
  PilotTotals& pg = book.totals[kParagliding];
  pg = {1, 2, 3, 4, 5, 6, 7, {-1, -1, -1, -1}, 8, 9, 10, 11, 12, -1};

  book.VARIO_SCALE = 3;
  book.UNIT_FLAGS = {};
  for (int flag : {kUnitKnots, kUnitMetres, kUnitMetresPerSecond, kUnitKilometres, kUnitKilograms,
                   kUnit24Hour}) {
    book.UNIT_FLAGS[flag] = kFlagSet;
  }
}

void FillTables(Logbook& book, bool outside1252) {
  GliderRecord freed = TellingGlider();
  freed.GLIDER_NAME = "";  // deleted: only the name is blanked
  freed.MANUFACTURER = "Once a glider";
  GliderRecord wing = TellingGlider();
  wing.GLIDER_NAME = "Sport 2";
  wing.HANG_GLIDER = 0;
  wing.PARAGLIDER = 1;  // an option flag read from an old file as 1
  wing.DHV = {};
  wing.AFNOR = {};
  wing.best = {-1, -1, -1, -1};
  book.gliders.Append(TellingGlider());
  book.gliders.Append(freed);
  book.gliders.Append(wing);

  SiteRecord freedSite = TellingSite();
  freedSite.SITE_NAME = "";
  SiteRecord other = TellingSite();
  other.SITE_NAME = outside1252 ? "Łeba dunes" : "Gérardmer – Le Tholy €";
  other.URL = "";
  book.sites.Append(TellingSite());
  book.sites.Append(freedSite);
  book.sites.Append(other);

  book.topics.Append({"Gear, spare", "Harness: Sky\r\nReserve repacked 2001-03-01"});
  book.topics.Append({"", "left over text of a deleted topic"});
  book.topics.Append({"Rätsel", ""});

  FlightRecord second = TellingFlight();
  second.DATE = MakeDateTime(1998, 12, 31);
  second.AIRTIME = 3;
  second.NON_FLYING = 0;
  second.HIGHLIGHT = 0;
  second.REMARKS = "";
  second.GPS_COORDS = "";
  second.XC_DISTANCE = 0;
  second.BASE_WIND = -0.5f;
  second.PEAK_WIND = 1e-05f;
  second.WIND_FLAGS = {};
  FlightRecord third = TellingFlight();
  third.DATE = MakeDateTime(2003, 1, 2, 6, 5, 4);
  third.NON_FLYING = kFlagSet;
  third.FLIGHT_NO = 0;
  third.AIRTIME = 0;
  book.flights.Append(TellingFlight());
  book.flights.Append(FlightRecord{});  // a deleted flight
  book.flights.Append(second);
  book.flights.Append(third);

  // Complete but not sorted by any key: a reader must keep the orders as they are.
  book.order.Rows() = {{3, 0, 2, 0, 3}, {0, 3, 3, 2, 0}, {2, 2, 0, 3, 2}};
}

}  // namespace

Logbook SmallLogbook() {
  Logbook book;
  book.pilot = {"Renée \"Ace\" Roe", "renee@example.com", "555-0100", "12345", 3, {}};
  book.pilot.AWARD_FLAGS[0] = kFlagSet;
  book.pilot.AWARD_FLAGS[27] = kFlagSet;
  book.pilot.AWARD_FLAGS[33] = kFlagSet;
  book.totals[kHangGliding] = {1200, 95, 0, 10, 2, 0, 2, {2, 0, 0, 2}, 40, 2, 0, 1, 1, -1};
  book.VARIO_SCALE = 2;
  book.UNIT_FLAGS[kUnitAmPm] = 0;
  book.UNIT_FLAGS[kUnit24Hour] = kFlagSet;

  GliderRecord g;
  g.COLOR = "Red, white";
  g.DATE_OF_MFG = "May 1999";
  g.GLIDER_RESERVED = 7;
  g.AFNOR[2] = kFlagSet;
  g.best = {2, 0, 0, 2};
  g.FLIGHTS = 2;
  g.FLYING_DAYS = 2;
  g.GLIDER_NAME = "Falcon 170";
  g.HANG_GLIDER = kOptionSet;
  g.MANUFACTURER = "Wills Wing";
  g.MODEL = "Falcon";
  g.NOTES = "Bought used";
  g.SOLO = kOptionSet;
  g.PRE_AIRTIME = 600;
  g.SERIAL_NO = "WW-1";
  g.SIZE = "170";
  g.TOTAL_AIRTIME = 95;
  g.WEIGHT_MAX = 1230;
  g.WEIGHT_MIN = 0.5f;
  book.gliders.Append(g);
  book.gliders.Append(GliderRecord{});

  SiteRecord s;
  s.AVG_AIRTIME = 47;
  s.DESCRIPTION = "Ridge";
  s.DIFFICULTY = {0, kFlagSet, kFlagSet, 0};
  s.best = {2, 0, 0, 2};
  s.FLIGHTS = 2;
  s.FLYING_DAYS = 2;
  s.LANDING_MSL = 1000;
  s.LAUNCH_MSL = 2200;
  s.LOCATION = "Dunlap, CA";
  s.SITE_NAME = "Dunlap";
  s.TOTAL_AIRTIME = 95;
  s.WIND_FLAGS[0] = kFlagSet;  // E
  s.WIND_FLAGS[4] = kFlagSet;  // N
  s.URL = "http://example.com/dunlap";
  book.sites.Append(s);

  book.topics.Append({"Gear", "Harness: \"Sky\"\r\nReserve packed"});

  FlightRecord first;
  first.AIRTIME = 35;
  first.BASE_WIND = -0.25f;
  first.DATE = MakeDateTime(2001, 7, 4, 14, 30, 0);
  first.FLIGHT_NO = 1;
  first.HIGHLIGHT = kFlagSet;
  first.LANDING_MSL = 1000;
  first.LAUNCH_MSL = 2200;
  first.MAX_LIFT = 800;
  first.MAX_MSL = 5200;
  first.MAX_SINK = -600;
  first.OVER_LAUNCH = 3000;
  first.PEAK_WIND = 1e-05f;
  first.SOLO = kOptionSet;
  first.REMARKS = "Smooth, high";
  first.TURBULENCE = 2;
  first.WIND_FLAGS[0] = kFlagSet;
  first.WIND_FLAGS[4] = kFlagSet;
  FlightRecord second;
  second.AIRTIME = 60;
  second.BASE_WIND = 12.5f;
  second.DATE = MakeDateTime(2001, 7, 5);
  second.XC_DISTANCE = 15.25f;
  second.FLIGHT_NO = 2;
  second.LANDING_MSL = 1000;
  second.LAUNCH_MSL = 2200;
  second.MAX_LIFT = 400;
  second.MAX_MSL = 4000;
  second.MAX_SINK = -300;
  second.OVER_LAUNCH = 1800;
  second.PEAK_WIND = 20;
  second.SOLO = kOptionSet;
  second.REMARKS = "Out and return";
  second.TURBULENCE = 1;
  second.XC_TYPE = 2;
  second.GPS_COORDS = "N36 W119";
  second.WIND_FLAGS[4] = kFlagSet;
  book.flights.Append(first);
  book.flights.Append(FlightRecord{});
  book.flights.Append(second);

  // Columns: Date, Airtime, Max MSL, Over Launch, Distance.
  book.order.Rows() = {{0, 2, 0, 0, 2}, {2, 0, 2, 2, 0}};
  return book;
}

DateTime SmallLogbookSaveTime() {
  return MakeDateTime(2001, 7, 6, 9, 5, 0);
}

std::string TestDataFile(const std::string& name) {
  std::ifstream in(std::string(ALOFTRA_TEST_DATA) + "/" + name, std::ios::binary);
  if (!in) throw std::runtime_error("missing test data file " + name);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

Logbook TellingLogbook(bool outside1252) {
  Logbook book;
  FillPilot(book, outside1252);
  FillTables(book, outside1252);
  return book;
}

void ExpectSameFileContent(const Logbook& expected, const Logbook& actual) {
  EXPECT_EQ(expected.pilot, actual.pilot);
  EXPECT_EQ(expected.totals[kHangGliding], actual.totals[kHangGliding]);
  EXPECT_EQ(expected.totals[kParagliding], actual.totals[kParagliding]);
  EXPECT_EQ(expected.VARIO_SCALE, actual.VARIO_SCALE);
  EXPECT_EQ(expected.UNIT_FLAGS, actual.UNIT_FLAGS);
  ASSERT_EQ(expected.gliders.SlotCount(), actual.gliders.SlotCount());
  for (int i = 0; i < expected.gliders.SlotCount(); ++i) {
    EXPECT_EQ(expected.gliders[i], actual.gliders[i]) << "glider " << i;
  }
  ASSERT_EQ(expected.sites.SlotCount(), actual.sites.SlotCount());
  for (int i = 0; i < expected.sites.SlotCount(); ++i) {
    EXPECT_EQ(expected.sites[i], actual.sites[i]) << "site " << i;
  }
  ASSERT_EQ(expected.topics.SlotCount(), actual.topics.SlotCount());
  for (int i = 0; i < expected.topics.SlotCount(); ++i) {
    EXPECT_EQ(expected.topics[i], actual.topics[i]) << "topic " << i;
  }
  ASSERT_EQ(expected.flights.SlotCount(), actual.flights.SlotCount());
  for (int i = 0; i < expected.flights.SlotCount(); ++i) {
    EXPECT_EQ(expected.flights[i], actual.flights[i]) << "flight " << i;
  }
  EXPECT_EQ(expected.order, actual.order);
}

}  // namespace aloftra
