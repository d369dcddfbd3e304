#include "cli/IgcCommand.h"

#include <cstdio>
#include <nlohmann/json.hpp>

#include "cli/CliCommands.h"
#include "core/DateTime.h"
#include "exchange/IgcCrossCountry.h"
#include "exchange/IgcFlightFigures.h"
#include "exchange/IgcImport.h"
#include "exchange/IgcReader.h"

namespace aloftra {

namespace {

using Json = nlohmann::ordered_json;

std::string IsoDateTime(DateTime value) {
  const CivilDateTime parts = SplitDateTime(value);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", parts.year % 10000,
                parts.month % 100, parts.day % 100, parts.hour % 100, parts.minute % 100,
                parts.second % 100);
  return text;
}

const char* OriginName(IgcOffsetOrigin origin) {
  switch (origin) {
    case IgcOffsetOrigin::overridden:
      return "override";
    case IgcOffsetOrigin::file:
      return "file";
    case IgcOffsetOrigin::computer:
      return "computer";
    case IgcOffsetOrigin::none:
      break;
  }
  return "none";
}

const char* XcTypeName(XcType type) {
  switch (type) {
    case kXcOutAndReturn:
      return "Out-and-Return";
    case kXcTriangle:
      return "Triangle";
    default:
      return "Straight Line";
  }
}

template <typename T>
Json Optional(const std::optional<T>& value) {
  return value ? Json(*value) : Json(nullptr);
}

Json FiguresJson(const std::string& path, const IgcTrack& track, const IgcFlightFigures& f,
                 const IgcCrossCountry& xc) {
  Json j;
  j["file"] = path;
  j["recorder"] = track.header.recorder;
  j["pilot"] = track.header.pilot;
  j["glider_type"] = track.header.gliderType;
  j["glider_id"] = track.header.gliderId;
  j["fixes"] = track.fixes.size();
  j["damaged_lines"] = track.damagedLines;
  j["skipped_fixes"] = track.skippedFixes;
  j["takeoff_utc"] = IsoDateTime(f.takeoffUtc);
  j["takeoff_local"] = IsoDateTime(f.takeoffLocal);
  j["landing_local"] = IsoDateTime(f.landingLocal);
  j["utc_offset_hours"] = f.utcOffsetHours;
  j["utc_offset_from"] = OriginName(f.offsetOrigin);
  j["airtime_minutes"] = f.airtimeMinutes;
  j["altitude_source"] = !f.altitudeSource                              ? Json(nullptr)
                         : *f.altitudeSource == IgcAltitudeSource::gnss ? Json("gnss")
                                                                        : Json("pressure");
  j["launch_altitude_m"] = Optional(f.launchAltitude);
  j["landing_altitude_m"] = Optional(f.landingAltitude);
  j["max_altitude_m"] = Optional(f.maxAltitude);
  j["over_launch_m"] = Optional(f.overLaunch);
  j["max_lift_mps"] = Optional(f.maxLift);
  j["max_sink_mps"] = Optional(f.maxSink);
  j["cross_country"] = {{"type", static_cast<int>(xc.type)},
                        {"type_name", XcTypeName(xc.type)},
                        {"gps_coords", xc.gpsCoords},
                        {"distance_km", xc.metres / 1000},
                        {"distance_miles", xc.miles}};
  return j;
}

constexpr const char* kUsage = "usage: aloftra-cli igc FILE [--utc-offset +hh:mm]\n";

}  // namespace

int RunIgcCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  IgcFigureOptions options;
  options.zoneRule = ComputerUtcOffsetHours;
  if (args.size() == 3 && args[1] == "--utc-offset") {
    options.utcOffsetHours = ParseUtcOffset(args[2]);
  }
  if (!(args.size() == 1 || (args.size() == 3 && options.utcOffsetHours))) {
    err << kUsage;
    return kCliUsage;
  }
  const std::string& path = args[0];
  const IgcReadResult read = ReadIgcFile(path);
  if (!read.ok()) {
    err << "aloftra-cli: " << read.message << '\n';
    return kCliFileFailure;
  }
  const IgcFiguresResult figures = DeriveIgcFlightFigures(read.track, options);
  if (!figures.ok()) {
    err << "aloftra-cli: " << path << ": " << figures.message << '\n';
    return kCliFileFailure;
  }
  const IgcCrossCountry xc = FindIgcCrossCountry(read.track, figures.figures.span);
  // A path in another encoding must not stop the figures from being shown.
  out << FiguresJson(path, read.track, figures.figures, xc)
             .dump(2, ' ', false, Json::error_handler_t::replace)
      << '\n';
  return out.good() ? kCliOk : kCliFileFailure;
}

}  // namespace aloftra
