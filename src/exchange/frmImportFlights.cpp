// The flights reader: three passes over the file, each opening it afresh. The first enters on
// the site page every site no existing site is named like, the second likewise the gliders on
// the glider page, the third types each flight into the flight page and enters it there. A
// file that starts with the flights export's column-name line is read in that layout, which
// carries the marks, places and cross-country details the import's own 17 items do not.
#include <set>

#include "core/Ascii.h"
#include "core/Logbook.h"
#include "core/Numbers.h"
#include "exchange/ImportFile.h"
#include "exchange/ImportedRecords.h"
#include "exchange/frmImport.h"
#include "form/Platform.h"
#include "pagekit/FlightPage.h"
#include "pagekit/ListEntryPages.h"
#include "stats/StatisticsEngine.h"
#include "views/NamedEntries.h"

namespace aloftra {

namespace {

enum class PassEnd { kDone, kReadError, kStopped };

// Runs visit(flight) on every flight record of the file, in its layout; visit returns false
// to stop the pass. progress(done) runs before each record.
template <typename Visit, typename Progress>
PassEnd EachFlight(const std::string& path, Visit visit, Progress progress) {
  ImportFile file(path);
  if (!file.Opened()) return PassEnd::kReadError;
  std::vector<DelimitedItem> items;
  FlightFileLayout layout = FlightFileLayout::kImportItems;
  long done = 0;
  while (file.Next(items)) {
    if (file.Count() == 1 && IsFlightsExportHeader(items)) {
      layout = FlightFileLayout::kFlightsExport;
      continue;
    }
    ImportedFlight flight;
    std::string problem;
    if (!ReadImportedFlight(items, layout, flight, problem)) return PassEnd::kReadError;
    progress(++done);
    if (!visit(flight)) return PassEnd::kStopped;
  }
  return file.Failed() ? PassEnd::kReadError : PassEnd::kDone;
}

bool IsParagliderType(const std::string& type) {
  return EqualsIgnoringCase(type, "PARAGLIDER");
}

WindFlags WindFromMask(std::int32_t mask) {
  WindFlags wind{};
  for (std::size_t point = 0; point < wind.size(); ++point)
    wind[point] = (mask >> point & 1) != 0 ? kFlagSet : 0;
  return wind;
}

FlightEntryText TypedFlight(const ImportedFlight& flight) {
  FlightEntryText typed;
  typed.date = flight.date;
  typed.time = flight.time;
  typed.airtime = flight.airtime;
  typed.site = flight.site;
  typed.glider = flight.glider;
  typed.baseWind = FormatSingleItem(flight.baseWind);
  typed.peakWind = FormatSingleItem(flight.peakWind);
  typed.maxLift = FormatSingleItem(flight.maxLift);
  typed.maxSink = FormatSingleItem(flight.maxSink);
  typed.launch = FormatSingleItem(flight.launch);
  typed.landing = FormatSingleItem(flight.landing);
  typed.maxMsl = FormatSingleItem(flight.maxMsl);
  typed.distance = FormatSingleItem(flight.distance);
  // The stored turbulence is one byte; a value that does not fit is no turbulence.
  typed.turbulence = flight.turbulence >= 0 && flight.turbulence <= 255
                         ? static_cast<std::uint8_t>(flight.turbulence)
                         : 0;
  typed.wind = WindFromMask(flight.windMask);
  typed.remarks = flight.remarks;
  if (flight.fullDetails) {
    typed.overLaunch = FormatSingleItem(flight.overLaunch);
    typed.tandem = flight.tandem;
    typed.nonFlying = flight.nonFlying;
    typed.highlight = flight.highlight;
    typed.crossCountry = CrossCountryText{flight.xcType, flight.gpsCoords};
  }
  return typed;
}

// A non-flying entry of the flights export needs no site or glider: a blank name is no fault
// there. The names it does carry are made like any other, so the entry keeps them.
bool MayNameNone(const ImportedFlight& flight) {
  return flight.fullDetails && flight.nonFlying;
}

// The kind of flight an imported flight is: by its glider in the logbook, which the gliders
// pass has made when it was missing.
WingType WingOfImported(const Logbook& book, const ImportedFlight& flight) {
  const int glider = FirstLiveGliderLike(book, flight.glider);
  if (glider >= 0) return WingTypeOf(book.gliders, glider);
  return IsParagliderType(flight.gliderType) ? kParagliding : kHangGliding;
}

// Whether the logbook holds no flights of a kind and no earlier flights of it either, so that
// its numbering may start where the imported file's does.
bool NumberingUnstarted(const Logbook& book, WingType wing) {
  if (book.totals[wing].FLIGHTS_PREV != 0) return false;
  for (int slot = 0; slot <= book.flights.LastIndex(); ++slot) {
    const FlightRecord& flight = book.flights[slot];
    if (flight.IsFree() || flight.IsNonFlying()) continue;
    if (WingTypeOf(book.gliders, flight.GLIDER_INDEX) == wing) return false;
  }
  return true;
}

}  // namespace

bool frmImport::ImportFlights(const std::string& path) {
  long total = CountRecords(path);
  std::vector<DelimitedItem> first;
  if (ImportFile probe(path); probe.Next(first) && IsFlightsExportHeader(first)) --total;
  if (!SitesPass(path, total)) return false;
  if (!GlidersPass(path, total)) return false;
  return FlightsPass(path, total);
}

bool frmImport::SitesPass(const std::string& path, long total) {
  host_.ShowPageInPlace(PageId::kSiteList);
  const Logbook& book = host_.Book();
  SiteEntryPage& page = host_.SiteEntries();
  std::set<std::string> seen;  // names this pass has already looked at
  PassEnd end = EachFlight(
      path,
      [&](const ImportedFlight& flight) {
        if (flight.site.empty()) {
          if (MayNameNone(flight)) return true;
          host_.GetPlatform().Message("Site names cannot be blank");
          return false;
        }
        if (!seen.insert(flight.site).second) return true;
        if (FirstLiveSiteLike(book, flight.site) < 0) {
          SiteEntryText site;
          site.name = flight.site;
          page.EnterTypedSite(site);
        }
        return true;
      },
      [&](long done) { ShowProgress(done, total); });
  return end == PassEnd::kDone || ImportError(path);
}

bool frmImport::GlidersPass(const std::string& path, long total) {
  host_.ShowPageInPlace(PageId::kGliders);
  const Logbook& book = host_.Book();
  GliderEntryPage& page = host_.GliderEntries();
  std::set<std::string> seen;
  PassEnd end = EachFlight(
      path,
      [&](const ImportedFlight& flight) {
        if (flight.glider.empty()) {
          if (MayNameNone(flight)) return true;
          host_.GetPlatform().Message("Glider names cannot be blank");
          return false;
        }
        if (!seen.insert(flight.glider).second) return true;
        if (FirstLiveGliderLike(book, flight.glider) < 0) {
          page.EnterTypedGlider(flight.glider, IsParagliderType(flight.gliderType));
        }
        return true;
      },
      [&](long done) { ShowProgress(done, total); });
  return end == PassEnd::kDone || ImportError(path);
}

bool frmImport::FlightsPass(const std::string& path, long total) {
  host_.ShowPageInPlace(PageId::kAloftra);
  FlightPage& page = host_.Flights();
  Logbook& book = host_.Book();
  // The flights export carries each flight's number. In a logbook with no flights of a kind
  // yet, the earliest imported flight numbered n says there were n - 1 flights of that kind
  // before: they become the earlier flights the summary page holds, as the pilot would type
  // them there, so the flights keep their numbers.
  const bool unstarted[] = {NumberingUnstarted(book, kHangGliding),
                            NumberingUnstarted(book, kParagliding)};
  int firstNumber[] = {0, 0};
  PassEnd end = EachFlight(
      path,
      [&](const ImportedFlight& flight) {
        const bool entered = page.EnterTypedFlight(TypedFlight(flight));
        if (entered && flight.fullDetails && !flight.nonFlying && flight.flightNo > 0) {
          int& first = firstNumber[WingOfImported(book, flight)];
          if (first == 0 || flight.flightNo < first) first = flight.flightNo;
        }
        return true;
      },
      [&](long done) { ShowProgress(done, total); });
  bool carried = false;
  for (WingType wing : {kHangGliding, kParagliding}) {
    if (unstarted[wing] && firstNumber[wing] > 1) {
      book.totals[wing].FLIGHTS_PREV = static_cast<std::int16_t>(firstNumber[wing] - 1);
      carried = true;
    }
  }
  if (carried) {
    host_.RecomputeStatistics();
    host_.UpdateCaption(true, false);
  }
  return end == PassEnd::kDone || ImportError(path);
}

}  // namespace aloftra
