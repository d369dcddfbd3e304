#include "LogbookGenerator.h"

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "core/DateTime.h"
#include "core/LogbookRepair.h"

namespace aloftra {

namespace {

constexpr std::array kWords = {
    "thermal",   "ridge",   "smooth", "bumpy",  "cloudbase", "sea breeze", "glass-off",
    "cycles",    "strong",  "light",  "landed", "top",       "out",        "back",
    "over",      "the",     "valley", "launch", "field",     "crosswind",  "punchy",
    "sink",      "climbed", "to",     "8,000'", "with",      "hawks",      "spin-out",
    "turbulent", "soared",  "hours",  "gaggle", "first",     "tandem",     "student"};
constexpr std::array kManufacturers = {"Wills Wing", "Moyes", "Icaro", "Aeros",   "Ozone",
                                       "Advance",    "Gin",   "Nova",  "Skywalk", "Niviuk"};
constexpr std::array kSitePlaces = {"Point",  "Ridge",  "Peak",  "Butte", "Dunes",
                                    "Canyon", "Summit", "Bluff", "Hill",  "Mountain"};
constexpr std::array kColors = {"red",   "blue",   "white", "yellow",
                                "green", "orange", "black", "purple"};

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}

  int Pick(int low, int high) {  // inclusive
    return low + static_cast<int>(random_() % static_cast<unsigned>(high - low + 1));
  }
  bool Chance(int percent) { return Pick(1, 100) <= percent; }
  template <class Array>
  const char* OneOf(const Array& items) {
    return items[static_cast<std::size_t>(Pick(0, static_cast<int>(items.size()) - 1))];
  }
  std::int16_t Short(int low, int high) { return static_cast<std::int16_t>(Pick(low, high)); }

  std::string Words(int low, int high) {
    std::string text;
    const int count = Pick(low, high);
    for (int i = 0; i < count; ++i) {
      if (i > 0) text += Chance(10) ? ".\r\n" : " ";
      text += OneOf(kWords);
    }
    return text;
  }

  GliderRecord Glider(int index) {
    GliderRecord g;
    const bool paraglider = index % 2 == 1;
    g.MANUFACTURER = OneOf(kManufacturers);
    g.MODEL = std::string(paraglider ? "Wing " : "Kite ") + std::to_string(Pick(1, 9));
    g.SIZE = std::to_string(paraglider ? Pick(20, 31) : Pick(135, 170));
    g.GLIDER_NAME = g.MANUFACTURER + " " + g.MODEL + " " + g.SIZE + " #" + std::to_string(index);
    g.DATE_OF_MFG = std::to_string(Pick(1975, 2024));
    g.COLOR = std::string(OneOf(kColors)) + ", " + OneOf(kColors);
    g.SERIAL_NO = "SN" + std::to_string(Pick(10000, 99999));
    g.WEIGHT_MIN = static_cast<float>(Pick(130, 180));
    g.WEIGHT_MAX = g.WEIGHT_MIN + static_cast<float>(Pick(40, 90)) + 0.5f;
    (paraglider ? g.PARAGLIDER : g.HANG_GLIDER) = kOptionSet;
    const bool tandem = Chance(8);
    (tandem ? g.TANDEM : g.SOLO) = kOptionSet;
    if (paraglider) {
      g.DHV[static_cast<std::size_t>(Pick(0, kDhvClasses - 1))] = kFlagSet;
      g.AFNOR[static_cast<std::size_t>(tandem ? 3 : Pick(0, 2))] = kFlagSet;
    }
    g.PRE_AIRTIME = Pick(0, 6000);
    g.NOTES = Words(0, 30);
    return g;
  }

  SiteRecord Site(int index, bool accented) {
    SiteRecord s;
    s.SITE_NAME = std::string(OneOf(kSitePlaces)) + " " + std::to_string(index);
    if (accented && Chance(10)) s.SITE_NAME = "Col de l'Épine " + std::to_string(index);
    s.LOCATION = "County " + std::to_string(Pick(1, 90)) + ", State " + std::to_string(Pick(1, 50));
    s.LAUNCH_MSL = Short(200, 12000);
    s.LANDING_MSL = static_cast<std::int16_t>(s.LAUNCH_MSL - Pick(100, s.LAUNCH_MSL / 2 + 100));
    for (Flag& level : s.DIFFICULTY)
      level = Chance(40) ? kFlagSet : 0;
    for (int i = Pick(1, 4); i > 0; --i)
      s.WIND_FLAGS[static_cast<std::size_t>(Pick(0, 15))] = 1;
    s.DESCRIPTION = Words(5, 60);
    if (Chance(60)) s.URL = "https://example.org/sites/" + std::to_string(index);
    return s;
  }

  FlightRecord Flight(DateTime day, const Logbook& book, int gliders, int sites) {
    FlightRecord f;
    f.DATE = day + Pick(8 * 60, 19 * 60) / (24.0 * 60);  // between 8:00 and 19:00
    if (Chance(2)) {
      f.NON_FLYING = kFlagSet;
      f.REMARKS = Words(2, 12);
      return f;
    }
    f.GLIDER_INDEX = static_cast<std::int16_t>(Pick(0, gliders - 1));
    while (!book.gliders.IsLive(f.GLIDER_INDEX))
      f.GLIDER_INDEX = Short(0, gliders - 1);
    f.SITE_INDEX = static_cast<std::int16_t>(Pick(0, sites - 1));
    while (!book.sites.IsLive(f.SITE_INDEX))
      f.SITE_INDEX = Short(0, sites - 1);
    const GliderRecord& glider = book.gliders[f.GLIDER_INDEX];
    const SiteRecord& site = book.sites[f.SITE_INDEX];
    (glider.TANDEM != 0 && Chance(70) ? f.TANDEM : f.SOLO) = kOptionSet;
    f.AIRTIME = Short(1, Chance(20) ? 420 : 90);
    f.LAUNCH_MSL = site.LAUNCH_MSL;
    f.LANDING_MSL = site.LANDING_MSL;
    f.OVER_LAUNCH = Short(0, 6000);
    f.MAX_MSL = static_cast<std::int16_t>(std::min(32767, f.LAUNCH_MSL + f.OVER_LAUNCH));
    f.MAX_LIFT = Short(0, 1600);
    f.MAX_SINK = Short(-1600, 0);
    f.BASE_WIND = static_cast<float>(Pick(0, 300)) / 10;
    f.PEAK_WIND = f.BASE_WIND + static_cast<float>(Pick(0, 100)) / 10;
    f.TURBULENCE = static_cast<std::uint8_t>(Pick(0, 4));
    f.WIND_FLAGS[static_cast<std::size_t>(Pick(0, 15))] = kFlagSet;
    if (Chance(30)) f.WIND_FLAGS[static_cast<std::size_t>(Pick(0, 15))] = kFlagSet;
    if (Chance(15)) {
      f.XC_DISTANCE = static_cast<float>(Pick(10, 2500)) / 10;
      f.XC_TYPE = Short(0, 4);
      f.GPS_COORDS = "N" + std::to_string(Pick(30, 48)) + " " + std::to_string(Pick(0, 59)) +
                     ".1 W" + std::to_string(Pick(70, 122)) + " " + std::to_string(Pick(0, 59)) +
                     ".7";
    }
    f.HIGHLIGHT = Chance(5) ? kFlagSet : 0;
    f.REMARKS = Words(0, 25);
    return f;
  }

 private:
  std::mt19937 random_;
};

void AddGliders(Generator& gen, Logbook& book, int count) {
  for (int i = 0; i < count; ++i) {
    GliderRecord glider = gen.Glider(i);
    if (i > 1 && gen.Chance(3)) glider.GLIDER_NAME.clear();  // deleted long ago
    book.gliders.Append(std::move(glider));
  }
}

void AddSites(Generator& gen, Logbook& book, int count, bool accented) {
  for (int i = 0; i < count; ++i) {
    SiteRecord site = gen.Site(i, accented);
    if (i > 1 && gen.Chance(3)) site.SITE_NAME.clear();
    book.sites.Append(std::move(site));
  }
}

// Flights are entered day by day over the years, a few on each flying day.
void AddFlights(Generator& gen, Logbook& book, const LogbookShape& shape) {
  book.flights.Reserve(shape.flights);
  long day = DaySerial(1985, 3, 1);
  while (book.flights.SlotCount() < shape.flights) {
    day += gen.Pick(0, 1);
    for (int n = gen.Pick(1, 3); n > 0 && book.flights.SlotCount() < shape.flights; --n) {
      book.flights.Append(gen.Flight(static_cast<DateTime>(day), book, shape.gliders, shape.sites));
    }
  }
}

void NumberFlights(Logbook& book) {
  int numbers[2] = {0, 0};
  for (FlightRecord& flight : book.flights) {
    if (flight.IsNonFlying()) continue;
    const bool paraglider = book.gliders[flight.GLIDER_INDEX].PARAGLIDER != 0;
    flight.FLIGHT_NO = static_cast<std::int16_t>(++numbers[paraglider ? 1 : 0]);
  }
}

}  // namespace

Logbook GenerateLogbook(const LogbookShape& shape) {
  Generator gen(shape.seed);
  Logbook book;
  book.pilot.PILOT_NAME = shape.accented ? "Kim Ferreira-Lúcio" : "Kim Ferreira-Lucio";
  book.pilot.EMAIL = "kim@example.org";
  book.pilot.PHONE_NO = "+1 555 0199";
  book.pilot.MEMBER_NO = "48213";
  book.pilot.REGION = 4;
  for (int award = 0; award < kAwardFlags; ++award) {
    book.pilot.AWARD_FLAGS[static_cast<std::size_t>(award)] = gen.Chance(50) ? kFlagSet : 0;
  }
  book.totals[kHangGliding].AIRTIME_PREV = 12000;
  book.totals[kHangGliding].FLIGHTS_PREV = 450;
  book.totals[kHangGliding].DAYS_PREV = 200;

  AddGliders(gen, book, shape.gliders);
  AddSites(gen, book, shape.sites, shape.accented);
  for (int i = 0; i < shape.topics; ++i) {
    book.topics.Append({"Topic " + std::to_string(i), gen.Words(10, 200)});
  }
  AddFlights(gen, book, shape);
  NumberFlights(book);
  RebuildFlightOrder(book);
  book.doc.CurrentPosition = book.LastPosition();
  return book;
}

}  // namespace aloftra
