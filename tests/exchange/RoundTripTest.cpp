// The way back: a logbook's export imported into a new logbook (File > New) and exported
// again gives the same bytes, in the units the pilot has chosen. The demo logbook is the
// source, with a few flights added that carry every awkward value a line can hold.
#include <gtest/gtest.h>

#include "DelimitedReading.h"
#include "core/DateTime.h"
#include "core/LogbookFile.h"
#include "core/LogbookRepair.h"
#include "core/PosixFileSystem.h"
#include "exchange/frmExport.h"
#include "exchange/frmImport.h"
#include "flights/frmAloftra.h"
#include "support/AppFixture.h"

namespace aloftra::test {
namespace {

// The export dialog's choices.
constexpr int kExportFlights = 0;
constexpr int kExportSites = 1;

// The demo logbook and, after its flights, flights holding what a line must carry whole:
// marks, places, wind masks, cross-country points, signed altitudes, fractions and remarks
// with quotes, commas, line breaks and accented letters.
Logbook DemoWithAwkwardFlights() {
  Logbook book;
  PosixFileSystem files;
  EXPECT_TRUE(LoadLogbook(files, ALOFTRA_DEMO_LOGBOOK, book).ok());
  struct Extra {
    DateTime date;
    bool tandem, nonFlying, highlight;
    std::uint32_t windMask;
    std::int16_t xcType;
    const char* coords;
    float distance, baseWind, peakWind;
    std::int16_t launch, landing, maxMsl, overLaunch, lift, sink;
    std::uint8_t turbulence;
    const char* remarks;
  };
  const Extra extras[] = {
      {MakeDateTime(2026, 10, 3, 9, 7), true, false, true, 0x1011, 2,
       "N47:50:00 W120:00:00 N47:40:00 W120:10:00 N47:45:00 W119:50:00", 63.7f, 3.5f, 12.25f, 3900,
       1100, 7420, 3520, 850, 1200, 3,
       "He said \"wow\", then\r\nlanded; caf\xC3\xA9 au lait, na\xC3\xAFve \"\"twice\"\""},
      {MakeDateTime(2026, 10, 4, 23, 59), false, true, false, 0, -1, "", 0, 0, 0, 0, 0, 0, 0, 0, 0,
       0, "rain, all day"},
      {MakeDateTime(2026, 10, 5, 0, 0), false, false, false, 0xFFFF, 1,
       "N45:30:00 W121:40:00 N45:20:00 W121:30:00", 0.1f, 0, 0, -120, -200, 50, 170, 0, 0, 0,
       ",\",\"\r\n"},
  };
  for (const Extra& e : extras) {
    const int slot = AddFlight(book, {.date = e.date,
                                      .airtime = e.nonFlying ? 0 : 95,
                                      .site = 2,
                                      .glider = e.tandem ? 2 : 0,
                                      .solo = !e.tandem,
                                      .nonFlying = e.nonFlying,
                                      .maxMsl = e.maxMsl,
                                      .overLaunch = e.overLaunch,
                                      .distance = e.distance});
    FlightRecord& flight = book.flights[slot];
    flight.HIGHLIGHT = e.highlight ? kFlagSet : 0;
    for (int point = 0; point < kWindPoints; ++point)
      flight.WIND_FLAGS[point] = (e.windMask >> point & 1) != 0 ? kFlagSet : 0;
    flight.XC_TYPE = e.xcType;
    flight.GPS_COORDS = e.coords;
    flight.BASE_WIND = e.baseWind;
    flight.PEAK_WIND = e.peakWind;
    flight.LAUNCH_MSL = e.launch;
    flight.LANDING_MSL = e.landing;
    flight.MAX_LIFT = e.lift;
    flight.MAX_SINK = e.sink;
    flight.TURBULENCE = e.turbulence;
    flight.REMARKS = e.remarks;
  }
  RebuildFlightOrder(book);
  return book;
}

UnitFlags MetricUnits() {
  UnitFlags units{};
  for (UnitButton unit :
       {kUnitKmh, kUnitMetres, kUnitMetresPerSecond, kUnitKilometres, kUnitKilograms, kUnit24Hour})
    units[unit] = kFlagSet;
  return units;
}

// The first line in which two files differ, both versions, for a failure to show.
std::string FirstDifference(const std::string& got, const std::string& expected) {
  const std::vector<DelimitedRecord> a = ReadDelimited(got);
  const std::vector<DelimitedRecord> b = ReadDelimited(expected);
  auto join = [](const DelimitedRecord& record) {
    std::string line;
    for (const std::string& item : record)
      line += item + "|";
    return line;
  };
  for (std::size_t row = 0; row < std::min(a.size(), b.size()); ++row) {
    if (a[row] != b[row]) return "got      " + join(a[row]) + "\nexpected " + join(b[row]);
  }
  return "records: " + std::to_string(a.size()) + " and " + std::to_string(b.size());
}

class RoundTripTest : public AppFixture {
 protected:
  Logbook& Book() { return app->Book(); }

  // File > Export Data, the kind chosen, the save dialog answered with a file of the folder.
  std::string Export(int what, const std::string& name) {
    app->FileCommand(kFileExport);
    frmExport& dialog = app->Dialogs().Get<DialogId::kExport>();
    dialog.ExportWhat[what].SetValue(true);
    platform.QueueFile(PathIn(name));
    dialog.Ok.Click();
    dialog.Close.Click();
    return ReadFile(name).value_or("");
  }
  void Import(ImportKind kind, const std::string& name) {
    app->FileCommand(kFileImport);
    frmImport& dialog = app->Dialogs().Get<DialogId::kImport>();
    dialog.ImportWhat[kind].SetValue(true);
    platform.QueueFile(PathIn(name));
    dialog.Ok.Click();
  }
  // File > New, nothing saved, then the units the pilot chooses. The flights before the
  // logbook are not typed in: the import carries them from the flights' numbers.
  void NewLogbook(const UnitFlags& units) {
    platform.QueueAnswer(MsgBoxAnswer::kNo);
    app->FileCommand(kFileNew);
    ASSERT_EQ(Book().flights.LiveCount(), 0);
    Book().UNIT_FLAGS = units;
    app->ApplyUnitLabels();
  }
};

TEST_F(RoundTripTest, FlightsAndSitesComeBackByteForByteInEitherUnits) {
  const Logbook source = DemoWithAwkwardFlights();
  struct Case {
    const char* name;
    UnitFlags units;
  };
  const Case cases[] = {{"imperial", DefaultUnitFlags()}, {"metric", MetricUnits()}};
  for (const Case& c : cases) {
    Logbook book = source;
    book.UNIT_FLAGS = c.units;
    app = std::make_unique<App>(platform, files);
    OpenOnStart("Demo.log", book);
    ASSERT_EQ(Book().flights.LiveCount(), book.flights.LiveCount()) << c.name;
    const std::string flights = Export(kExportFlights, "flights.txt");
    const std::string sites = Export(kExportSites, "sites.txt");
    ASSERT_EQ(ReadDelimited(flights).size(), static_cast<std::size_t>(book.flights.LiveCount()) + 1)
        << c.name;

    // Sites first, so the flights find them with their details; then the flights.
    NewLogbook(c.units);
    Import(kImportSites, "sites.txt");
    Import(kImportFlights, "flights.txt");
    EXPECT_EQ(platform.Prompts(), std::vector<std::string>{}) << c.name;
    for (WingType wing : {kHangGliding, kParagliding}) {
      ASSERT_GT(book.totals[wing].FLIGHTS_PREV, 0) << "the demo counts on from earlier flights";
      EXPECT_EQ(Book().totals[wing].FLIGHTS_PREV, book.totals[wing].FLIGHTS_PREV) << c.name;
    }
    const std::string flightsAgain = Export(kExportFlights, "flights-again.txt");
    EXPECT_TRUE(flightsAgain == flights) << c.name << "\n"
                                         << FirstDifference(flightsAgain, flights);
    const std::string sitesAgain = Export(kExportSites, "sites-again.txt");
    EXPECT_TRUE(sitesAgain == sites) << c.name << "\n" << FirstDifference(sitesAgain, sites);
    platform.ClearMessages();
  }
}

TEST_F(RoundTripTest, ALogbookWithFlightsOfAKindKeepsItsOwnEarlierFlights) {
  Logbook source = DemoWithAwkwardFlights();
  source.totals[kHangGliding].FLIGHTS_PREV = 0;  // its hang glider flights count from one
  OpenOnStart("Demo.log", source);
  Export(kExportFlights, "flights.txt");
  Book().totals[kParagliding].FLIGHTS_PREV = 3;
  Import(kImportFlights, "flights.txt");
  EXPECT_EQ(Book().flights.LiveCount(), 2 * source.flights.LiveCount());
  EXPECT_EQ(Book().totals[kHangGliding].FLIGHTS_PREV, 0);
  EXPECT_EQ(Book().totals[kParagliding].FLIGHTS_PREV, 3);
}

TEST_F(RoundTripTest, SitesAloneComeBackWholeApartFromTheirFlightStatistics) {
  const Logbook source = DemoWithAwkwardFlights();
  OpenOnStart("Demo.log", source);
  const std::vector<DelimitedRecord> before = ReadDelimited(Export(kExportSites, "sites.txt"));
  NewLogbook(DefaultUnitFlags());
  Import(kImportSites, "sites.txt");
  const std::vector<DelimitedRecord> after = ReadDelimited(Export(kExportSites, "sites-again.txt"));
  ASSERT_EQ(after.size(), before.size());
  ASSERT_GT(before.size(), 1u);
  EXPECT_EQ(after[0], before[0]);
  // FLYING_DAYS, FLIGHTS and TOTAL_AIRTIME count the logbook's flights: the new one has none.
  constexpr std::size_t kFirstStatistic = 9;
  constexpr std::size_t kStatistics = 3;
  for (std::size_t row = 1; row < before.size(); ++row) {
    DelimitedRecord expected = before[row];
    for (std::size_t k = 0; k < kStatistics; ++k) {
      EXPECT_NE(before[row][kFirstStatistic + k], "0") << before[row][0];
      expected[kFirstStatistic + k] = "0";
    }
    EXPECT_EQ(after[row], expected);
  }
}

}  // namespace
}  // namespace aloftra::test
