#include "exchange/IgcImport.h"

#include <cmath>
#include <cstdio>

#include "core/Ascii.h"
#include "core/DateTime.h"
#include "core/NameOrder.h"
#include "exchange/ImportProgress.h"
#include "units/ConvertUnit.h"

namespace aloftra {

namespace {

constexpr double kMetresPerFoot = 0.3048;
constexpr double kFpmPerMetrePerSecond = 60 / kMetresPerFoot;

// A figure in the stored unit, written with enough digits that the display conversion
// rounds it as if it had the exact value.
std::string StoredText(double value) {
  char text[48];
  std::snprintf(text, sizeof text, "%.6f", value);
  return text;
}

std::string Display(double stored, UnitKind kind, const UnitFlags& units) {
  return ConvertUnit(StoredText(stored), kind, UnitDirection::kForDisplay, false, units);
}

std::string Plural(int count, const char* one, const char* many) {
  return WithThousands(count) + " " + (count == 1 ? one : many);
}

}  // namespace

std::string IgcRemark(const std::string& fileName) {
  return "From track file " + fileName;
}

std::string IgcAltitudeText(const std::optional<int>& metres, const UnitFlags& units) {
  if (!metres) return "";
  return Display(*metres / kMetresPerFoot, UnitKind::kAltitude, units);
}

std::string IgcClimbRateText(const std::optional<double>& metresPerSecond, const UnitFlags& units) {
  if (!metresPerSecond) return "";
  return Display(std::abs(*metresPerSecond) * kFpmPerMetrePerSecond, UnitKind::kClimbRate, units);
}

std::string IgcDistanceText(double miles, const UnitFlags& units) {
  return Display(miles, UnitKind::kDistance, units);
}

std::string MatchIgcGlider(const std::string& gliderType, const RecordTable<GliderRecord>& gliders,
                           const std::string& fallback) {
  const std::string type(TrimBlanks(gliderType));
  if (type.empty()) return fallback;
  for (int slot = 0; slot <= gliders.LastIndex(); ++slot) {
    const GliderRecord& glider = gliders[slot];
    if (!glider.IsFree() && NameIsTaken(type, glider.GLIDER_NAME)) return glider.GLIDER_NAME;
  }
  return fallback;
}

bool HasFlightAt(const RecordTable<FlightRecord>& flights, DateTime takeoffLocal) {
  constexpr double kTolerance = kIgcDuplicateMinutes / (24.0 * 60) + 1e-9;
  const long day = DayPart(takeoffLocal);
  for (int slot = 0; slot <= flights.LastIndex(); ++slot) {
    const FlightRecord& flight = flights[slot];
    if (flight.IsFree() || flight.IsNonFlying()) continue;
    if (DayPart(flight.DATE) == day && std::abs(flight.DATE - takeoffLocal) <= kTolerance)
      return true;
  }
  return false;
}

std::optional<double> ParseUtcOffset(std::string_view text) {
  const std::string trimmed(TrimBlanks(text));
  if (trimmed.empty()) return std::nullopt;
  double sign = 1;
  std::string_view rest = trimmed;
  if (rest.front() == '+' || rest.front() == '-') {
    sign = rest.front() == '-' ? -1 : 1;
    rest.remove_prefix(1);
  }
  if (rest.empty()) return std::nullopt;
  double hours = 0;
  if (const std::size_t colon = rest.find(':'); colon != std::string_view::npos) {
    const std::string_view h = rest.substr(0, colon);
    const std::string_view m = rest.substr(colon + 1);
    const auto digits = [](std::string_view part) {
      if (part.empty() || part.size() > 2) return false;
      for (char c : part)
        if (c < '0' || c > '9') return false;
      return true;
    };
    if (!digits(h) || m.size() != 2 || !digits(m)) return std::nullopt;
    const int minutes = std::stoi(std::string(m));
    if (minutes >= 60) return std::nullopt;
    hours = std::stoi(std::string(h)) + minutes / 60.0;
  } else {
    for (char c : rest)
      if ((c < '0' || c > '9') && c != '.') return std::nullopt;
    if (rest.find('.') != rest.rfind('.') || rest == ".") return std::nullopt;
    hours = std::stod(std::string(rest));
  }
  hours *= sign;
  if (hours < -14 || hours > 14) return std::nullopt;
  return hours;
}

std::string IgcImportSummary(const IgcImportTally& tally) {
  std::string text = Plural(tally.added, "flight", "flights") + " added, " +
                     Plural(tally.duplicates, "duplicate", "duplicates") + " skipped, " +
                     Plural(static_cast<int>(tally.refused.size()), "file", "files") + " refused";
  if (tally.refused.empty()) return text + ".";
  text += ":";
  for (const IgcRefusal& refusal : tally.refused) {
    text += "\n" + refusal.fileName + ": " + refusal.reason;
  }
  return text;
}

std::string IgcImportProgressText(int done, int total) {
  return "Importing track " + WithThousands(done) + " of " + WithThousands(total) + "...";
}

}  // namespace aloftra
