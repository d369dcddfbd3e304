// What the cross-country dialog does: opening on the flight the page shows, the coordinate
// checks, the distance and the average speed, and storing the details.
#include "flights/frmCrossCountry.h"

#include <charconv>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>

#include "core/Logbook.h"
#include "core/Numbers.h"
#include "flights/AirtimeText.h"
#include "flights/GpsCoordsText.h"
#include "flights/frmAloftra.h"
#include "form/Platform.h"
#include "units/ConvertUnit.h"
#include "views/FlightOrders.h"

namespace aloftra {

namespace {

constexpr const char* kInvalidDistance = "Invalid input values, cannot enter flight record.";

// A value in its plain decimal form: the shortest digits that read back as the same number,
// never an exponent and never "-0".
std::string PlainDecimal(double value) {
  char buffer[400];
  auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value + 0.0, std::chars_format::fixed);
  if (error != std::errc{}) return "0";
  return std::string(buffer, end);
}

bool IsTriangle(const ComboBox& type) {
  return type.ListIndex() == kXcTriangle;
}

}  // namespace

frmAloftra* frmCrossCountry::FlightPageForm() {
  return dynamic_cast<frmAloftra*>(&host_.Flights());
}

FlightRecord* frmCrossCountry::CurrentFlight() {
  frmAloftra* page = FlightPageForm();
  if (page == nullptr || page->State == EditState::kNew) return nullptr;
  Logbook& book = host_.Book();
  int slot = book.CurrentFlightIndex();
  return book.flights.IsLive(slot) ? &book.flights[slot] : nullptr;
}

void frmCrossCountry::Form_Load() {
  filling_ = true;
  ShowBlankDetails();
  const FlightRecord* flight = CurrentFlight();
  int type = flight != nullptr ? int{flight->XC_TYPE} : int{kXcNone};
  // A type this program does not know (a damaged file) shows as none chosen.
  if (type < kXcNone || type > kXcTriangle) type = kXcNone;
  XC_FlightType.SetListIndex(type);
  XC_FlightType_Click();

  const UnitFlags& flags = host_.Book().UNIT_FLAGS;
  bool miles = ChosenUnit(UnitKind::kDistance, flags) == kUnitMiles;
  Dist1.SetCaption(miles ? "miles" : "km");
  Speed1.SetCaption(miles ? "mph" : "km/h");
  frmAloftra* page = FlightPageForm();
  Distance.SetText(page != nullptr ? page->Distance.Text() : "");
  Distance_Change();

  if (flight != nullptr && !flight->GPS_COORDS.empty()) ShowStoredCoordinates(*flight);
  filling_ = false;
  pointsEdited_ = false;
  UpdateCoordinates();
}

void frmCrossCountry::ShowBlankDetails() {
  // Each opening starts from the boxes as they are before any flight is shown, so nothing
  // of the flight shown last time is left in a box the stored text does not fill.
  XC_FlightType.SetListIndex(kXcNone);
  for (int row = 0; row < 3; ++row) {
    for (TextBox* box :
         {&LatDeg[row], &LatMin[row], &LatSec[row], &LonDeg[row], &LonMin[row], &LonSec[row]}) {
      box->SetText("");
    }
    LatDir[row].SetText("N");
    LonDir[row].SetText("W");
  }
  Distance.SetText("");
  AveSpeed.SetText("");
}

void frmCrossCountry::ShowStoredCoordinates(const FlightRecord& flight) {
  std::array<StoredCoordinate, kGpsItems> items = SplitGpsCoords(flight.GPS_COORDS);
  for (int item = 0; item < kGpsItems; ++item) {
    int row = item / 2;
    bool latitude = item % 2 == 0;
    const StoredCoordinate& stored = items[item];
    TextBox& degrees = latitude ? LatDeg[row] : LonDeg[row];
    TextBox& minutes = latitude ? LatMin[row] : LonMin[row];
    TextBox& seconds = latitude ? LatSec[row] : LonSec[row];
    TextBox& hemisphere = latitude ? LatDir[row] : LonDir[row];
    if (stored.degrees) degrees.SetText(*stored.degrees);
    if (stored.minutes) minutes.SetText(*stored.minutes);
    if (stored.seconds) seconds.SetText(*stored.seconds);
    if (stored.hemisphere) hemisphere.SetText(std::string(1, *stored.hemisphere));
  }
}

void frmCrossCountry::XC_FlightType_Click() {
  bool triangle = IsTriangle(XC_FlightType);
  for (Control* control : std::initializer_list<Control*>{
           &Point3, &LatDeg[2], &LatMin[2], &LatSec[2], &LatDir[2], &LonDeg[2], &LonMin[2],
           &LonSec[2], &LonDir[2], &Colon[0], &Colon[1], &Colon[2], &Colon[3]}) {
    control->SetVisible(triangle);
  }
  if (!triangle) {
    for (TextBox* box : {&LatDeg[2], &LatMin[2], &LatSec[2], &LonDeg[2], &LonMin[2], &LonSec[2]})
      box->SetText("");
  }
  int type = XC_FlightType.ListIndex();
  Point2.SetCaption(type == kXcOutAndReturn || type == kXcTriangle ? "Turn Point:" : "Landing:");
  UpdateCoordinates();
}

void frmCrossCountry::CheckCoordinateBox(TextBox& box, double maximum, const char* message) {
  double value = ParseLeadingNumber(box.Text());
  if (value >= 0 && value <= maximum) {
    box.SetText(PlainDecimal(value));
  } else {
    host_.GetPlatform().Message(message);
    box.SetText("");
    SetFocus(box);
  }
  UpdateCoordinates();
}

void frmCrossCountry::LatDeg_LostFocus(int Index) {
  CheckCoordinateBox(LatDeg[Index], 89, "Invalid latitude (enter 0 degrees min, 89 degrees max)");
}

void frmCrossCountry::LatMin_LostFocus(int Index) {
  CheckCoordinateBox(LatMin[Index], 59, "Invalid latitude (enter 0 minutes min, 59 minutes max)");
}

void frmCrossCountry::LatSec_LostFocus(int Index) {
  CheckCoordinateBox(LatSec[Index], 59, "Invalid latitude (enter 0 seconds min, 59 seconds max)");
}

void frmCrossCountry::LonDeg_LostFocus(int Index) {
  CheckCoordinateBox(LonDeg[Index], 179,
                     "Invalid longitude (enter 0 degrees min, 179 degrees max)");
}

void frmCrossCountry::LonMin_LostFocus(int Index) {
  CheckCoordinateBox(LonMin[Index], 59, "Invalid longitude (enter 0 minutes min, 59 minutes max)");
}

void frmCrossCountry::LonSec_LostFocus(int Index) {
  CheckCoordinateBox(LonSec[Index], 59, "Invalid longitude (enter 0 seconds min, 59 seconds max)");
}

void frmCrossCountry::Coordinate_Change() {
  if (!filling_) pointsEdited_ = true;
  UpdateCoordinates();
}

void frmCrossCountry::LatDir_MouseDown(int Index) {
  LatDir[Index].SetText(LatDir[Index].Text() == "N" ? "S" : "N");
  pointsEdited_ = true;
  SetFocus(LatDeg[Index]);
  UpdateCoordinates();
}

void frmCrossCountry::LonDir_MouseDown(int Index) {
  LonDir[Index].SetText(LonDir[Index].Text() == "W" ? "E" : "W");
  pointsEdited_ = true;
  SetFocus(LonDeg[Index]);
  UpdateCoordinates();
}

void frmCrossCountry::Coordinate_KeyPress(bool latitude, int Index, int& KeyAscii) {
  const char letter = KeyAscii >= 'a' && KeyAscii <= 'z' ? static_cast<char>(KeyAscii - 32)
                                                         : static_cast<char>(KeyAscii);
  const bool hemisphere =
      latitude ? (letter == 'N' || letter == 'S') : (letter == 'W' || letter == 'E');
  if (!hemisphere) return;
  KeyAscii = 0;
  TextBox& box = latitude ? LatDir[Index] : LonDir[Index];
  box.SetText(std::string(1, letter));
  pointsEdited_ = true;
  UpdateCoordinates();
}

void frmCrossCountry::UpdateCoordinates() {
  // A value counts only when all three of its boxes hold something; a number too large to
  // read (a box of thousands of digits) leaves it out as well.
  auto read = [](const TextBox& degrees, const TextBox& minutes, const TextBox& seconds,
                 bool negative) -> std::optional<double> {
    if (degrees.Text().empty() || minutes.Text().empty() || seconds.Text().empty()) {
      return std::nullopt;
    }
    double angle =
        DegreesToRadians(ParseLeadingNumber(degrees.Text()), ParseLeadingNumber(minutes.Text()),
                         ParseLeadingNumber(seconds.Text()), negative);
    return std::isfinite(angle) ? std::optional<double>(angle) : std::nullopt;
  };
  for (int row = 0; row < 3; ++row) {
    std::optional<double> latitude =
        read(LatDeg[row], LatMin[row], LatSec[row], LatDir[row].Text() == "S");
    std::optional<double> longitude =
        read(LonDeg[row], LonMin[row], LonSec[row], LonDir[row].Text() == "E");
    Points[row] = {latitude.value_or(0), longitude.value_or(0)};
    LatitudeFilled[row] = latitude.has_value();
    LongitudeFilled[row] = longitude.has_value();
  }
  int needed = IsTriangle(XC_FlightType) ? 3 : 2;
  bool complete = true;
  for (int row = 0; row < needed; ++row)
    complete = complete && LatitudeFilled[row] && LongitudeFilled[row];
  Calculate.SetEnabled(complete);
}

void frmCrossCountry::Calculate_Click() {
  UpdateCoordinates();
  if (!Calculate.Enabled()) return;
  double miles = CrossCountryMiles(XC_FlightType.ListIndex(), Points);
  if (!std::isfinite(miles)) return;
  Distance.SetText(ConvertUnit(PlainDecimal(miles), UnitKind::kDistance, UnitDirection::kForDisplay,
                               false, host_.Book().UNIT_FLAGS));
}

void frmCrossCountry::Distance_Change() {
  // Distance per hour of the page's airtime ("h:mm"); an airtime of 0:00 has no speed.
  frmAloftra* page = FlightPageForm();
  std::string airtime = page != nullptr ? page->AirTime.Text() : "";
  std::optional<std::int16_t> minutes;
  if (!airtime.empty() && !Distance.Text().empty()) minutes = StoredAirtime(airtime);
  double speed = 0;
  if (minutes && *minutes > 0) speed = ParseLeadingNumber(Distance.Text()) / (*minutes / 60.0);
  bool shown = minutes && *minutes > 0 && std::isfinite(speed);
  AveSpeed.SetText(shown ? FormatFixed(speed, 1) : "");
}

void frmCrossCountry::Clear_Click() {
  XC_FlightType.SetListIndex(kXcNone);
  Point2.SetCaption("Landing:");
  for (int row = 0; row < 3; ++row) {
    for (TextBox* box :
         {&LatDeg[row], &LatMin[row], &LatSec[row], &LonDeg[row], &LonMin[row], &LonSec[row]}) {
      box->SetText("");
    }
  }
  Distance.SetText("");
  UpdateCoordinates();
}

bool frmCrossCountry::StoreDetails(FlightRecord& flight) {
  const UnitFlags& flags = host_.Book().UNIT_FLAGS;
  std::optional<float> distance = ToStoredSingle(
      ConvertUnit(Distance.Text(), UnitKind::kDistance, UnitDirection::kToStorage, false, flags));
  if (!distance) {
    host_.GetPlatform().Message(kInvalidDistance);
    SetFocus(Distance);
    return false;
  }
  if (pointsEdited_) {
    std::array<CoordinateBoxes, kGpsItems> boxes;
    for (int row = 0; row < 3; ++row) {
      boxes[2 * row] = {LatDeg[row].Text(), LatMin[row].Text(), LatSec[row].Text(),
                        LatDir[row].Text() == "S" ? 'S' : 'N'};
      boxes[2 * row + 1] = {LonDeg[row].Text(), LonMin[row].Text(), LonSec[row].Text(),
                            LonDir[row].Text() == "E" ? 'E' : 'W'};
    }
    flight.GPS_COORDS = BuildGpsCoords(boxes);
  }
  flight.XC_TYPE = static_cast<std::int16_t>(XC_FlightType.ListIndex());
  flight.XC_DISTANCE = *distance;
  return true;
}

void frmCrossCountry::Enter_Click() {
  frmAloftra* page = FlightPageForm();
  FlightRecord* flight = CurrentFlight();
  if (page == nullptr || flight == nullptr) {
    Close();
    return;
  }
  Logbook& book = host_.Book();
  const int slot = book.CurrentFlightIndex();
  const FlightRecord before = *flight;
  if (!StoreDetails(*flight)) return;
  bool changed = flight->GPS_COORDS != before.GPS_COORDS || flight->XC_TYPE != before.XC_TYPE ||
                 flight->XC_DISTANCE != before.XC_DISTANCE;

  // The page shows the distance as stored. The test is on the stored value, so a typed
  // "-5" (stored as 5) is shown too rather than left blank beside a stored distance.
  float stored = flight->XC_DISTANCE;
  page->Distance.SetText(stored > 0
                             ? ConvertUnit(FormatSingleItem(stored), UnitKind::kDistance,
                                           UnitDirection::kForDisplay, false, book.UNIT_FLAGS)
                             : "");
  bool pageModified = page->State == EditState::kModified;
  page->Enter_Click();
  bool committed = pageModified && page->State == EditState::kClean;
  if (changed && !committed) RefreshAfterDirectChange(slot);
  Close();
}

void frmCrossCountry::RefreshAfterDirectChange(int flightIndex) {
  Logbook& book = host_.Book();
  OrderPositions positions = ReplaceInOrders(book, flightIndex);
  if (positions[book.doc.SortKey] >= 0) book.doc.CurrentPosition = positions[book.doc.SortKey];
  host_.RecomputeStatistics();
  host_.UpdateCaption(true, false);
}

void frmCrossCountry::Cancel_Click() {
  Close();
}

}  // namespace aloftra
