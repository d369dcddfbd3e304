// Enter and Delete: the only two ways the flight page changes the logbook.
#include <cmath>

#include "core/DateTime.h"
#include "core/Logbook.h"
#include "core/Numbers.h"
#include "flights/AirtimeText.h"
#include "flights/frmAloftra.h"
#include "form/Platform.h"
#include "units/ConvertUnit.h"
#include "views/FlightOrders.h"
#include "views/NamedEntries.h"

namespace aloftra {

namespace {

constexpr const char* kInvalidInput = "Invalid input values, cannot enter flight record.";
constexpr const char* kLogbookFull =
    "The logbook is full: it cannot hold more flights. Delete some flights first.";

// Characters of a text (not bytes), as the wind check counts them.
std::size_t CharacterCount(const std::string& text) {
  std::size_t count = 0;
  for (unsigned char c : text)
    count += (c & 0xC0) != 0x80 ? 1 : 0;
  return count;
}

}  // namespace

bool frmAloftra::CommitChecksPass() {
  auto refuse = [this](const char* message, Control* focus) {
    ShowMessage(message);
    if (focus != nullptr) SetFocus(*focus);
    return false;
  };
  if (FlightDate.Text().empty()) {
    return refuse("The flight date must be filled in.", &FlightDate);
  }
  if (TimeOfDay.Text().empty()) {
    return refuse("The time of day must be filled in.", &TimeOfDay);
  }
  if (NonFlying.Checked()) {
    EmptyFlightFieldsForNonFlying();
    return true;
  }
  RemarksExpanded = false;
  RemarksWindowState();
  if (AirTime.Text().empty()) return refuse("The Airtime must be filled in.", &AirTime);
  if (SiteName.ListIndex() < 0) return refuse("A site must be selected.", &SiteName);
  if (GliderName.ListIndex() < 0) return refuse("A glider must be selected.", &GliderName);

  if (ParseLeadingNumber(LaunchMSL.Text()) > ParseLeadingNumber(MaxMSL.Text())) {
    MaxMSL.SetText(LaunchMSL.Text());
  }
  MaxMSL_LostFocus();
  LaunchMSL_LostFocus();

  double base = std::fabs(ParseLeadingNumber(BaseWind.Text()));
  double peak = std::fabs(ParseLeadingNumber(PeakWind.Text()));
  if (peak < base) return refuse("The base wind cannot be greater than the peak wind.", nullptr);
  if (CharacterCount(BaseWind.Text()) > 2 || CharacterCount(PeakWind.Text()) > 2) {
    return refuse("Wind speeds cannot be greater than 99.", nullptr);
  }
  return true;
}

void frmAloftra::EmptyFlightFieldsForNonFlying() {
  AirTime.SetText("");
  GliderName.SetListIndex(-1);
  SiteName.SetListIndex(-1);
  for (TextBox* box : {&Distance, &BaseWind, &PeakWind, &MaxLift, &MaxSink})
    box->SetText("");
  TurbulenceLevel = 0;
  for (TextBox* box : {&LaunchMSL, &LandingMSL, &MaxMSL, &OverLaunch})
    box->SetText("");
  RoseFlags = {};
}

// Converts every value on the page into a record. Nothing is written to the logbook here, so
// a value that does not fit leaves the logbook exactly as it was.
bool frmAloftra::FillRecordFromControls(FlightRecord& record, bool isNew) {
  const Logbook& book = host_.Book();
  const UnitFlags& flags = book.UNIT_FLAGS;
  auto stored = [&flags](const TextBox& box, UnitKind kind, bool isSigned) {
    return ConvertUnit(box.Text(), kind, UnitDirection::kToStorage, isSigned, flags);
  };

  std::optional<DateTime> date = ParseDateTime(FlightDate.Text(), TodayYear());
  std::optional<DateTime> time = ParseDateTime(TimeOfDay.Text(), TodayYear());
  if (!date || !time) return false;
  DateTime when = JoinDateAndTime(DayPart(*date), TimePart(*time));
  // A flight dated 0 would read as a free slot and vanish from the logbook.
  if (when == 0) return false;

  std::optional<float> distance = ToStoredSingle(stored(Distance, UnitKind::kDistance, false));
  std::optional<float> baseWind = ToStoredSingle(stored(BaseWind, UnitKind::kSpeed, false));
  std::optional<float> peakWind = ToStoredSingle(stored(PeakWind, UnitKind::kSpeed, false));
  std::optional<std::int16_t> lift = ToStoredInt16(stored(MaxLift, UnitKind::kClimbRate, false));
  std::optional<std::int16_t> sink = ToStoredInt16(stored(MaxSink, UnitKind::kClimbRate, false));
  std::optional<std::int16_t> launch = ToStoredInt16(stored(LaunchMSL, UnitKind::kAltitude, true));
  std::optional<std::int16_t> landing =
      ToStoredInt16(stored(LandingMSL, UnitKind::kAltitude, true));
  std::optional<std::int16_t> maximum = ToStoredInt16(stored(MaxMSL, UnitKind::kAltitude, true));
  std::optional<std::int16_t> over = ToStoredInt16(stored(OverLaunch, UnitKind::kAltitude, false));
  if (!typedOverLaunch_.empty() && !NonFlying.Checked()) {
    over = ToStoredInt16(ConvertUnit(typedOverLaunch_, UnitKind::kAltitude,
                                     UnitDirection::kToStorage, false, flags));
  }
  if (!distance || !baseWind || !peakWind || !lift || !sink || !launch || !landing || !maximum ||
      !over) {
    return false;
  }

  bool nonFlying = NonFlying.Checked();
  std::optional<std::int16_t> airtime = std::int16_t{0};
  int glider = record.GLIDER_INDEX;
  int site = record.SITE_INDEX;
  if (!nonFlying) {
    airtime = StoredAirtime(AirTime.Text());
    glider = FirstLiveGliderNamed(book, GliderName.Text());
    site = FirstLiveSiteNamed(book, SiteName.Text());
    if (!airtime || glider < 0 || site < 0) return false;
  } else if (typedNonFlyingSlots_) {
    if (typedNonFlyingSlots_->site >= 0) site = typedNonFlyingSlots_->site;
    if (typedNonFlyingSlots_->glider >= 0) glider = typedNonFlyingSlots_->glider;
  }

  if (isNew) record = FlightRecord{};
  record.DATE = when;
  record.SOLO = Places[0].Value() ? kOptionSet : 0;
  record.TANDEM = Places[1].Value() ? kOptionSet : 0;
  record.XC_DISTANCE = *distance;
  record.NON_FLYING = nonFlying ? kFlagSet : 0;
  record.HIGHLIGHT = Highlight.Checked() ? kFlagSet : 0;
  record.BASE_WIND = *baseWind;
  record.PEAK_WIND = *peakWind;
  record.MAX_LIFT = *lift;
  record.MAX_SINK = *sink;
  record.TURBULENCE = TurbulenceLevel;
  record.LAUNCH_MSL = *launch;
  record.LANDING_MSL = *landing;
  record.MAX_MSL = *maximum;
  record.OVER_LAUNCH = *over;
  record.REMARKS = Remarks.Text();
  record.WIND_FLAGS = RoseFlags;
  record.AIRTIME = *airtime;
  if (typedCrossCountry_) {
    record.XC_TYPE = typedCrossCountry_->type;
    record.GPS_COORDS = typedCrossCountry_->gpsCoords;
  }
  // A non-flying entry keeps the slot's own (or the typed) site and glider.
  record.GLIDER_INDEX = static_cast<std::int16_t>(glider);
  record.SITE_INDEX = static_cast<std::int16_t>(site);
  return true;
}

void frmAloftra::Enter_Click() {
  if (State != EditState::kModified && State != EditState::kNew) return;
  if (!CommitChecksPass()) return;

  Logbook& book = host_.Book();
  const bool isNew = State == EditState::kNew;
  const int existing = isNew ? -1 : book.CurrentFlightIndex();
  if (!isNew && !book.flights.IsLive(existing)) return;

  FlightRecord record = isNew ? FlightRecord{} : book.flights[existing];
  if (!FillRecordFromControls(record, isNew)) {
    ShowMessage(kInvalidInput);
    return;
  }

  int slot = existing;
  OrderPositions positions{};
  if (isNew) {
    slot = book.flights.TakeSlotForNewEntry();
    if (slot < 0) {
      ShowMessage(kLogbookFull);
      return;
    }
    book.flights[slot] = record;
    positions = InsertIntoOrders(book, slot);
  } else {
    book.flights[slot] = record;
    positions = ReplaceInOrders(book, slot);
  }
  book.doc.CurrentPosition = positions[book.doc.SortKey];

  AloftraDisplayEntry();
  host_.RecomputeStatistics();
  host_.UpdateCaption(true, false);
}

void frmAloftra::DeleteEntry_Click() {
  Logbook& book = host_.Book();
  Platform& platform = host_.GetPlatform();
  if (book.LastPosition() < 0) {
    ShowMessage("There are no entries to delete.");
    return;
  }
  if (State == EditState::kNew) {
    ShowMessage("The current entry has not yet been entered and cannot be deleted.");
    return;
  }
  if (platform.MsgBox("Are you sure you want to delete the current entry?", MsgBoxButtons::kYesNo,
                      MsgBoxIcon::kNone, "Confirm Delete") != MsgBoxAnswer::kYes) {
    SetFocus(NewEntry);
    return;
  }
  int slot = book.CurrentFlightIndex();
  if (!book.flights.IsLive(slot)) return;

  RemoveFromOrders(book, slot);
  book.flights[slot].DATE = 0;
  book.flights[slot].FLIGHT_NO = 0;
  book.flights.TrimFreeTail();
  host_.FilterOff();

  // The deleted entry's unsaved edits went with it: nothing is left to ask about.
  State = EditState::kClean;
  if (book.LastPosition() < 0) {
    book.doc.CurrentPosition = -1;
    NewEntry_Click();
  } else {
    book.doc.CurrentPosition = book.doc.SortKey == kSortDate ? book.LastPosition() : 0;
    AloftraDisplayEntry();
  }
  host_.RecomputeStatistics();
  host_.UpdateCaption(true, false);
}

}  // namespace aloftra
