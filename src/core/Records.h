// The records of a logbook: one flight, one glider, one site, one notes topic, the pilot's
// data and the two sets of pilot totals. Field names are the logbook's own names; every
// measured value is held in its storage unit (feet, mph, feet per minute, miles, pounds,
// whole minutes) whatever units the pilot displays.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace aloftra {

using Flag = std::uint8_t;  // 0 is clear
using DateTime = double;    // days since 1899-12-30, time of day as the fraction

// Option-button flags hold 255 when set; every other flag holds 1. Both count as set
// whenever nonzero, except where a reader counts only the value 1.
inline constexpr Flag kOptionSet = 255;
inline constexpr Flag kFlagSet = 1;

inline constexpr int kWindPoints = 16;
using WindFlags = std::array<Flag, kWindPoints>;

struct FlightRecord {
  DateTime DATE = 0;  // 0 marks a free slot
  std::int16_t FLIGHT_NO = 0;
  std::int16_t AIRTIME = 0;
  std::int16_t GLIDER_INDEX = 0;
  Flag SOLO = 0;
  Flag TANDEM = 0;
  std::int16_t SITE_INDEX = 0;
  float XC_DISTANCE = 0;
  std::int16_t XC_TYPE = 0;
  std::string GPS_COORDS;
  Flag NON_FLYING = 0;
  Flag HIGHLIGHT = 0;
  float BASE_WIND = 0;
  float PEAK_WIND = 0;
  std::int16_t MAX_LIFT = 0;
  std::int16_t MAX_SINK = 0;
  std::uint8_t TURBULENCE = 0;
  WindFlags WIND_FLAGS{};
  std::int16_t LAUNCH_MSL = 0;
  std::int16_t LANDING_MSL = 0;
  std::int16_t MAX_MSL = 0;
  std::int16_t OVER_LAUNCH = 0;
  std::string REMARKS;

  bool IsFree() const { return DATE == 0; }
  bool IsNonFlying() const { return NON_FLYING != 0; }
  bool operator==(const FlightRecord&) const = default;
};

// The four best-flight pointers shared by sites, gliders and pilot totals: flight slots,
// -1 when there is no such flight.
struct BestFlights {
  std::int16_t LONGEST_FLIGHT = -1;
  std::int16_t HIGHEST_FLIGHT = -1;
  std::int16_t OVER_LAUNCH_FLIGHT = -1;
  std::int16_t DISTANCE_FLIGHT = -1;
  bool operator==(const BestFlights&) const = default;
};

inline constexpr int kDhvClasses = 5;    // "1", "1-2", "2", "2-3", "3"
inline constexpr int kAfnorClasses = 4;  // "Standard", "Performance", "Competition", "Tandem"

struct GliderRecord {
  std::string GLIDER_NAME;  // "" marks a free slot
  std::string MANUFACTURER;
  std::string MODEL;
  std::string SIZE;
  std::string DATE_OF_MFG;
  std::string COLOR;
  std::string SERIAL_NO;
  float WEIGHT_MIN = 0;
  float WEIGHT_MAX = 0;
  Flag HANG_GLIDER = 0;
  Flag PARAGLIDER = 0;
  Flag SOLO = 0;
  Flag TANDEM = 0;
  std::array<Flag, kDhvClasses> DHV{};
  std::array<Flag, kAfnorClasses> AFNOR{};
  BestFlights best;
  std::int16_t GLIDER_RESERVED = 0;
  std::int16_t FLYING_DAYS = 0;
  std::int32_t PRE_AIRTIME = 0;
  std::int16_t FLIGHTS = 0;
  std::int32_t TOTAL_AIRTIME = 0;
  std::string NOTES;

  bool IsFree() const { return GLIDER_NAME.empty(); }
  bool operator==(const GliderRecord&) const = default;
};

inline constexpr int kDifficultyLevels = 4;  // Beginner, Novice, Intermediate, Advanced

struct SiteRecord {
  std::string SITE_NAME;  // "" marks a free slot
  std::string LOCATION;
  std::int16_t LAUNCH_MSL = 0;
  std::int16_t LANDING_MSL = 0;
  std::array<Flag, kDifficultyLevels> DIFFICULTY{};
  WindFlags WIND_FLAGS{};
  BestFlights best;
  std::int16_t FLYING_DAYS = 0;
  std::int16_t AVG_AIRTIME = 0;
  std::int16_t FLIGHTS = 0;
  std::int32_t TOTAL_AIRTIME = 0;
  std::string DESCRIPTION;
  std::string URL;

  bool IsFree() const { return SITE_NAME.empty(); }
  bool operator==(const SiteRecord&) const = default;
};

struct NoteTopic {
  std::string TOPIC;  // "" marks a free slot
  std::string NOTE_TEXT;

  bool IsFree() const { return TOPIC.empty(); }
  bool operator==(const NoteTopic&) const = default;
};

inline constexpr int kAwardFlags = 56;  // 0-27 hang gliding, 28-55 paragliding

struct PilotInfo {
  std::string PILOT_NAME;
  std::string EMAIL;
  std::string PHONE_NO;
  std::string MEMBER_NO;
  std::uint8_t REGION = 0;
  std::array<Flag, kAwardFlags> AWARD_FLAGS{};
  bool operator==(const PilotInfo&) const = default;
};

enum WingType : int { kHangGliding = 0, kParagliding = 1 };

struct PilotTotals {
  std::int32_t AIRTIME_PREV = 0;
  std::int32_t AIRTIME_SOLO = 0;
  std::int32_t AIRTIME_TANDEM = 0;
  std::int16_t DAYS_PREV = 0;
  std::int16_t DAYS_SOLO = 0;
  std::int16_t DAYS_TANDEM = 0;
  std::int16_t DAYS_TOTAL = 0;
  BestFlights best;
  std::int16_t FLIGHTS_PREV = 0;
  std::int16_t FLIGHTS_SOLO = 0;
  std::int16_t FLIGHTS_TANDEM = 0;
  std::int16_t GLIDERS_FLOWN = 0;
  std::int16_t SITES_FLOWN = 0;
  std::int32_t DAYS_SINCE_LAST = -1;  // in memory only, never written to the file
  bool operator==(const PilotTotals&) const = default;
};

}  // namespace aloftra
