// The cross-country dialog's controls: where they sit, their captions, their events and
// the order Tab walks them in.
#include <initializer_list>

#include "flights/frmCrossCountry.h"

namespace aloftra {

namespace {

// Columns of the coordinate rows, in twips: degrees, colon, minutes, colon, seconds,
// hemisphere, for the latitude and then the longitude.
constexpr int kLatitudeLeft = 1320;
constexpr int kLongitudeLeft = 3480;
constexpr int kRowTop = 1260;
constexpr int kRowStep = 390;
constexpr int kBoxHeight = 300;

void PlaceLabel(Label& label, const char* caption, int left, int top, int width) {
  label.SetCaption(caption);
  label.Move(left, top, width, 255);
}

// One coordinate's boxes and the colons between them, from its left edge.
void PlaceCoordinate(TextBox& degrees, TextBox& minutes, TextBox& seconds, TextBox& hemisphere,
                     Label& colon1, Label& colon2, int left, int top, int degreesWidth) {
  degrees.Move(left, top, degreesWidth, kBoxHeight);
  int x = left + degreesWidth;
  PlaceLabel(colon1, ":", x, top + 30, 120);
  colon1.SetTextAlignment(Alignment::kCenter);
  minutes.Move(x + 120, top, 420, kBoxHeight);
  x += 540;
  PlaceLabel(colon2, ":", x, top + 30, 120);
  colon2.SetTextAlignment(Alignment::kCenter);
  seconds.Move(x + 120, top, 480, kBoxHeight);
  hemisphere.Move(x + 660, top, 300, kBoxHeight);
  hemisphere.SetLocked(true);
  hemisphere.SetTextAlignment(Alignment::kCenter);
}

}  // namespace

frmCrossCountry::frmCrossCountry(PageHost& host)
    : Dialog(host, DialogId::kCrossCountry, "frmCrossCountry", "Cross-Country Flight Details", 6000,
             4440),
      FlightTypeLabel(*this, "FlightTypeLabel"),
      XC_FlightType(*this, "XC_FlightType"),
      GpsFrame(*this, "GpsFrame"),
      LatitudeLabel(*this, "LatitudeLabel"),
      LongitudeLabel(*this, "LongitudeLabel"),
      Point1(*this, "Point1"),
      Point2(*this, "Point2"),
      Point3(*this, "Point3"),
      LatDeg(*this, "LatDeg", 3),
      LatMin(*this, "LatMin", 3),
      LatSec(*this, "LatSec", 3),
      LatDir(*this, "LatDir", 3),
      LonDeg(*this, "LonDeg", 3),
      LonMin(*this, "LonMin", 3),
      LonSec(*this, "LonSec", 3),
      LonDir(*this, "LonDir", 3),
      RowColon(*this, "RowColon", 8),
      Colon(*this, "Colon", 4),
      DistanceLabel(*this, "DistanceLabel"),
      Distance(*this, "Distance"),
      Dist1(*this, "Dist1"),
      Calculate(*this, "Calculate"),
      AveSpeedLabel(*this, "AveSpeedLabel"),
      AveSpeed(*this, "AveSpeed"),
      Speed1(*this, "Speed1"),
      Enter(*this, "Enter"),
      Clear(*this, "Clear"),
      Cancel(*this, "Cancel") {
  BuildLayout();
  WireEvents();
  SetTabOrder();
}

void frmCrossCountry::BuildLayout() {
  PlaceLabel(FlightTypeLabel, "Flight Type:", 240, 270, 1020);
  XC_FlightType.Move(kLatitudeLeft, 225, 2040, 315);
  for (const char* type : {"Straight Line", "Out-and-Return", "Triangle"})
    XC_FlightType.AddItem(type);

  GpsFrame.SetCaption("GPS Coordinates in Degrees, Minutes, and Seconds");
  GpsFrame.Move(120, 660, 5760, 1860);
  BuildCoordinateRows();

  PlaceLabel(DistanceLabel, "Distance:", 240, 2790, 1020);
  Distance.Move(kLatitudeLeft, 2760, 900, kBoxHeight);
  PlaceLabel(Dist1, "miles", 2280, 2790, 600);
  Calculate.SetCaption("Calculate Distance");
  Calculate.Move(kLongitudeLeft, 2730, 2040, 360);

  PlaceLabel(AveSpeedLabel, "Ave Speed:", 240, 3240, 1020);
  AveSpeed.Move(kLatitudeLeft, 3210, 900, kBoxHeight);
  AveSpeed.SetLocked(true);
  PlaceLabel(Speed1, "mph", 2280, 3240, 600);

  Enter.SetCaption("Enter");
  Enter.Move(840, 3810, 1200, 375);
  Enter.SetDefault(true);
  Clear.SetCaption("Clear");
  Clear.Move(2400, 3810, 1200, 375);
  Cancel.SetCaption("Cancel");
  Cancel.Move(3960, 3810, 1200, 375);
  Cancel.SetCancel(true);
}

void frmCrossCountry::BuildCoordinateRows() {
  PlaceLabel(LatitudeLabel, "Latitude", kLatitudeLeft, 990, 1920);
  LatitudeLabel.SetContainer(&GpsFrame);
  PlaceLabel(LongitudeLabel, "Longitude", kLongitudeLeft, 990, 1980);
  LongitudeLabel.SetContainer(&GpsFrame);
  Label* points[] = {&Point1, &Point2, &Point3};
  const char* captions[] = {"Launch:", "Landing:", "Turn Point:"};
  for (int row = 0; row < 3; ++row) {
    int top = kRowTop + kRowStep * row;
    PlaceLabel(*points[row], captions[row], 240, top + 30, 1020);
    // Row 2 has the colon labels that are shown and hidden with it.
    Label& colon1 = row < 2 ? RowColon[4 * row] : Colon[0];
    Label& colon2 = row < 2 ? RowColon[4 * row + 1] : Colon[1];
    Label& colon3 = row < 2 ? RowColon[4 * row + 2] : Colon[2];
    Label& colon4 = row < 2 ? RowColon[4 * row + 3] : Colon[3];
    PlaceCoordinate(LatDeg[row], LatMin[row], LatSec[row], LatDir[row], colon1, colon2,
                    kLatitudeLeft, top, 420);
    PlaceCoordinate(LonDeg[row], LonMin[row], LonSec[row], LonDir[row], colon3, colon4,
                    kLongitudeLeft, top, 480);
    LatDir[row].SetText("N");
    LonDir[row].SetText("W");
    for (Control* control : std::initializer_list<Control*>{
             points[row], &LatDeg[row], &LatMin[row], &LatSec[row], &LatDir[row], &LonDeg[row],
             &LonMin[row], &LonSec[row], &LonDir[row], &colon1, &colon2, &colon3, &colon4}) {
      control->SetContainer(&GpsFrame);
    }
  }
}

void frmCrossCountry::WireEvents() {
  onLoad = [this] { Form_Load(); };
  XC_FlightType.onClick = [this] { XC_FlightType_Click(); };
  for (int row = 0; row < 3; ++row) {
    LatDeg[row].onLostFocus = [this, row] { LatDeg_LostFocus(row); };
    LatMin[row].onLostFocus = [this, row] { LatMin_LostFocus(row); };
    LatSec[row].onLostFocus = [this, row] { LatSec_LostFocus(row); };
    LonDeg[row].onLostFocus = [this, row] { LonDeg_LostFocus(row); };
    LonMin[row].onLostFocus = [this, row] { LonMin_LostFocus(row); };
    LonSec[row].onLostFocus = [this, row] { LonSec_LostFocus(row); };
    for (TextBox* box :
         {&LatDeg[row], &LatMin[row], &LatSec[row], &LonDeg[row], &LonMin[row], &LonSec[row]}) {
      box->onChange = [this] { Coordinate_Change(); };
    }
    for (TextBox* box : {&LatDeg[row], &LatMin[row], &LatSec[row]}) {
      box->onKeyPress = [this, row](int& key) { Coordinate_KeyPress(true, row, key); };
    }
    for (TextBox* box : {&LonDeg[row], &LonMin[row], &LonSec[row]}) {
      box->onKeyPress = [this, row](int& key) { Coordinate_KeyPress(false, row, key); };
    }
    LatDir[row].onMouseDown = [this, row](int, int, double, double) { LatDir_MouseDown(row); };
    LonDir[row].onMouseDown = [this, row](int, int, double, double) { LonDir_MouseDown(row); };
  }
  Distance.onChange = [this] { Distance_Change(); };
  Calculate.onClick = [this] { Calculate_Click(); };
  Clear.onClick = [this] { Clear_Click(); };
  Enter.onClick = [this] { Enter_Click(); };
  Cancel.onClick = [this] { Cancel_Click(); };
}

void frmCrossCountry::SetTabOrder() {
  // The type, then the rows as they are read: each row's latitude, then its longitude.
  // The hemisphere boxes and the average speed are locked; Tab passes over them.
  int order = 0;
  XC_FlightType.SetTabIndex(order++);
  for (int row = 0; row < 3; ++row) {
    for (TextBox* box : {&LatDeg[row], &LatMin[row], &LatSec[row], &LatDir[row], &LonDeg[row],
                         &LonMin[row], &LonSec[row], &LonDir[row]}) {
      box->SetTabIndex(order++);
    }
  }
  for (Control* control :
       std::initializer_list<Control*>{&Distance, &Calculate, &AveSpeed, &Enter, &Clear, &Cancel}) {
    control->SetTabIndex(order++);
  }
}

}  // namespace aloftra
