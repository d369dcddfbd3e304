#include "exchange/frmImportTrackBatch.h"

#include <filesystem>

#include "core/DateTime.h"
#include "exchange/IgcReader.h"
#include "flights/AirtimeText.h"
#include "form/Platform.h"
#include "pagekit/FlightPage.h"
#include "pagekit/PageHost.h"
#include "views/NamedEntries.h"

namespace aloftra {

namespace {

template <typename Record, typename Name>
std::string FirstLiveName(const RecordTable<Record>& table, Name nameOf) {
  for (int slot = 0; slot <= table.LastIndex(); ++slot) {
    if (!table[slot].IsFree()) return nameOf(table[slot]);
  }
  return "";
}

const std::string& SiteName(const SiteRecord& site) {
  return site.SITE_NAME;
}
const std::string& GliderName(const GliderRecord& glider) {
  return glider.GLIDER_NAME;
}

// The flight of one file as an entry, or the reason it cannot be one.
struct PreparedFlight {
  std::optional<FlightEntryText> entry;
  bool duplicate = false;
  std::string reason;
};

PreparedFlight PrepareFlight(const Logbook& book, const std::string& path,
                             const IgcImportSettings& settings) {
  PreparedFlight prepared;
  const std::string fileName = std::filesystem::path(path).filename().string();
  const IgcReadResult read = ReadIgcFile(path);
  if (!read.ok()) {
    prepared.reason = read.message;
    return prepared;
  }
  IgcFigureOptions options;
  options.utcOffsetHours = settings.utcOffsetHours;
  options.zoneRule = settings.zoneRule;
  const IgcFiguresResult figures = DeriveIgcFlightFigures(read.track, options);
  if (!figures.ok()) {
    prepared.reason = figures.message;
    return prepared;
  }
  if (HasFlightAt(book.flights, figures.figures.takeoffLocal)) {
    prepared.duplicate = true;
    return prepared;
  }
  // The page would refuse these with a message and leave the entry half typed; the file is
  // refused before anything is typed.
  IgcEntryNames names;
  names.glider = MatchIgcGlider(read.track.header.gliderType, book.gliders, settings.glider);
  names.site = settings.site;
  names.fileName = fileName;
  if (names.glider.empty() || FirstLiveGliderLike(book, names.glider) < 0) {
    prepared.reason = "no glider of the logbook chosen";
    return prepared;
  }
  if (names.site.empty() || FirstLiveSiteLike(book, names.site) < 0) {
    prepared.reason = "no site of the logbook chosen";
    return prepared;
  }
  const IgcCrossCountry route = FindIgcCrossCountry(read.track, figures.figures.span);
  prepared.entry = IgcFlightEntry(figures.figures, route, names, book.UNIT_FLAGS);
  return prepared;
}

}  // namespace

FlightEntryText IgcFlightEntry(const IgcFlightFigures& figures, const IgcCrossCountry& route,
                               const IgcEntryNames& names, const UnitFlags& units) {
  FlightEntryText entry;
  // The boxes keep the minute: seconds past it are dropped, as a pilot reading a watch would.
  const DateTime takeoff = figures.takeoffLocal;
  entry.date = FormatLongDate(takeoff);
  entry.time = FormatTime24(takeoff);
  entry.airtime = FormatAirtimeField(figures.airtimeMinutes);
  entry.glider = names.glider;
  entry.site = names.site;
  entry.launch = IgcAltitudeText(figures.launchAltitude, units);
  entry.landing = IgcAltitudeText(figures.landingAltitude, units);
  entry.maxMsl = IgcAltitudeText(figures.maxAltitude, units);
  entry.overLaunch = IgcAltitudeText(figures.overLaunch, units);
  entry.maxLift = IgcClimbRateText(figures.maxLift, units);
  entry.maxSink = IgcClimbRateText(figures.maxSink, units);
  entry.distance = IgcDistanceText(route.miles, units);
  entry.crossCountry = CrossCountryText{static_cast<std::int16_t>(route.type), route.gpsCoords};
  entry.remarks = IgcRemark(names.fileName);
  return entry;
}

IgcImportSettings DefaultIgcImportSettings(const Logbook& book) {
  IgcImportSettings settings;
  settings.zoneRule = ComputerUtcOffsetHours;
  const FlightRecord* shown = book.CurrentFlight();
  const auto named = [](const auto& table, int slot, auto nameOf) -> std::string {
    if (slot < 0 || slot > table.LastIndex() || table[slot].IsFree()) return "";
    return nameOf(table[slot]);
  };
  if (shown != nullptr) {
    settings.site = named(book.sites, shown->SITE_INDEX, SiteName);
    settings.glider = named(book.gliders, shown->GLIDER_INDEX, GliderName);
  }
  if (settings.site.empty()) settings.site = FirstLiveName(book.sites, SiteName);
  if (settings.glider.empty()) settings.glider = FirstLiveName(book.gliders, GliderName);
  return settings;
}

IgcImportTally ImportIgcFiles(PageHost& host, const std::vector<std::string>& paths,
                              const IgcImportSettings& settings,
                              const std::function<void(int, int)>& progress) {
  IgcImportTally tally;
  const int total = static_cast<int>(paths.size());
  for (int k = 0; k < total; ++k) {
    if (progress) progress(k + 1, total);
    const std::string& path = paths[static_cast<std::size_t>(k)];
    PreparedFlight prepared = PrepareFlight(host.Book(), path, settings);
    const std::string fileName = std::filesystem::path(path).filename().string();
    if (prepared.duplicate) {
      ++tally.duplicates;
    } else if (!prepared.entry) {
      tally.refused.push_back({fileName, prepared.reason});
    } else if (host.Flights().EnterTypedFlight(*prepared.entry)) {
      ++tally.added;
    } else {
      tally.refused.push_back({fileName, "refused by the flight page"});
    }
  }
  return tally;
}

IgcImportTally ImportIgcFilesWithSummary(
    PageHost& host, const std::vector<std::string>& paths, const IgcImportSettings& settings,
    const std::function<void(const std::string&)>& progressText) {
  Platform& platform = host.GetPlatform();
  host.ShowPageInPlace(PageId::kAloftra);
  platform.SetBusy(true);
  const IgcImportTally tally = ImportIgcFiles(host, paths, settings, [&](int done, int total) {
    if (progressText) progressText(IgcImportProgressText(done, total));
    platform.DoEvents();
  });
  platform.SetBusy(false);
  if (progressText) progressText("");
  platform.MsgBox(IgcImportSummary(tally), MsgBoxButtons::kOk,
                  tally.refused.empty() ? MsgBoxIcon::kInformation : MsgBoxIcon::kExclamation,
                  kProgramTitle);
  return tally;
}

}  // namespace aloftra
