// The one document the program holds: the pilot's data and awards, the pilot totals, the
// tables of flights, gliders, sites and notes topics, the kept flight orders, the logbook
// settings (units and vario scale) and the document state beside them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/FileStamp.h"
#include "core/FlightOrder.h"
#include "core/RecordTable.h"
#include "core/Records.h"

namespace aloftra {

// One flag per option button of the units dialog; exactly one is set in each group.
enum UnitButton : int {
  kUnitMph = 0,
  kUnitKmh = 1,
  kUnitKnots = 2,
  kUnitFeet = 3,
  kUnitMetres = 4,
  kUnitFpm = 5,
  kUnitMetresPerSecond = 6,
  kUnitMiles = 7,
  kUnitKilometres = 8,
  kUnitPounds = 9,
  kUnitKilograms = 10,
  kUnitAmPm = 11,
  kUnit24Hour = 12,
};
inline constexpr int kUnitFlagCount = 13;
using UnitFlags = std::array<Flag, kUnitFlagCount>;

UnitFlags DefaultUnitFlags();

inline constexpr std::uint8_t kDefaultVarioScale = 1;  // "800 fpm"

// The compass points of the wind flags, counter-clockwise from east.
extern const std::array<const char*, kWindPoints> kWindNames;

// Held beside the tables, never in the logbook file.
struct DocumentState {
  std::string filePath;  // "" for a new logbook
  std::string documentName = "Untitled";
  bool modified = false;
  // The file at filePath as it was when this program last read or wrote it, so a save can
  // tell that another program has written it since; none for a new logbook.
  std::optional<FileStamp> diskStamp;
  std::string programFolder;    // the current directory at start-up
  std::uint8_t COLOR_MODE = 1;  // 1 full colour, 0 plain; kept in the settings file
  int SortKey = kSortDate;      // column of the flight orders in use
  int CurrentPosition = -1;     // row shown on the flight page
  int currentGlider = -1;
  int currentSite = -1;
  int currentTopic = -1;
};

class Logbook {
 public:
  Logbook() { ResetToNew(); }

  PilotInfo pilot;
  std::array<PilotTotals, 2> totals;  // indexed by WingType
  std::uint8_t VARIO_SCALE = kDefaultVarioScale;
  UnitFlags UNIT_FLAGS = DefaultUnitFlags();

  RecordTable<GliderRecord> gliders;
  RecordTable<SiteRecord> sites;
  RecordTable<NoteTopic> topics;
  RecordTable<FlightRecord> flights;
  FlightOrder order;

  DocumentState doc;

  // Empties every table and sets the defaults of a new "Untitled" logbook. The program
  // folder and the colour mode belong to the running program and are kept.
  void ResetToNew();

  int LastPosition() const { return order.LastPosition(); }

  // The flight index at a row of the current order, or -1.
  int FlightAtPosition(int position) const { return order.At(position, doc.SortKey); }
  // The flight shown on the flight page, or nullptr when there is none.
  const FlightRecord* CurrentFlight() const;
  int CurrentFlightIndex() const { return FlightAtPosition(doc.CurrentPosition); }

  bool UnitSelected(UnitButton button) const { return UNIT_FLAGS[button] == kFlagSet; }
};

// The document name of a path: the text after the last "\" or "/" up to the last ".".
std::string DocumentNameFromPath(const std::string& path);

}  // namespace aloftra
