// The cross-country details of the flight the flight page shows: the flight type, the
// coordinates of launch, landing and turn points, and the distance, which it can compute
// from the coordinates. Enter writes the type, the coordinates and the distance into the
// flight and then commits the flight page; Cancel leaves the flight as it was.
//
// frmCrossCountryLayout.cpp builds the controls; frmCrossCountry.cpp holds the handlers.
#pragma once

#include <array>

#include "flights/GreatCircle.h"
#include "form/ComboBox.h"
#include "form/CommandButton.h"
#include "form/ControlArray.h"
#include "form/Frame.h"
#include "form/Label.h"
#include "form/TextBox.h"
#include "pagekit/Dialog.h"

namespace aloftra {

class frmAloftra;
struct FlightRecord;

class frmCrossCountry : public Dialog {
 public:
  explicit frmCrossCountry(PageHost& host);

  aloftra::Label FlightTypeLabel;
  ComboBox XC_FlightType;  // 0 "Straight Line", 1 "Out-and-Return", 2 "Triangle"
  Frame GpsFrame;
  aloftra::Label LatitudeLabel;
  aloftra::Label LongitudeLabel;
  aloftra::Label Point1, Point2, Point3;
  // Rows 0-2: launch, landing or turn point, turn point.
  ControlArray<TextBox> LatDeg, LatMin, LatSec, LatDir;
  ControlArray<TextBox> LonDeg, LonMin, LonSec, LonDir;
  ControlArray<aloftra::Label> RowColon;  // the colons of rows 0 and 1, four a row
  ControlArray<aloftra::Label> Colon;     // the colons of row 2, shown with it
  aloftra::Label DistanceLabel;
  TextBox Distance;
  aloftra::Label Dist1;
  CommandButton Calculate;
  aloftra::Label AveSpeedLabel;
  TextBox AveSpeed;
  aloftra::Label Speed1;
  CommandButton Enter;
  CommandButton Clear;
  CommandButton Cancel;

  // The working coordinates, in radians (north and west positive), and whether all three
  // boxes of each value are filled.
  std::array<GeoPoint, 3> Points{};
  std::array<bool, 3> LatitudeFilled{};
  std::array<bool, 3> LongitudeFilled{};

  void Form_Load();
  void XC_FlightType_Click();
  void LatDeg_LostFocus(int Index);
  void LatMin_LostFocus(int Index);
  void LatSec_LostFocus(int Index);
  void LonDeg_LostFocus(int Index);
  void LonMin_LostFocus(int Index);
  void LonSec_LostFocus(int Index);
  // Every degrees, minutes and seconds box shares this change handler.
  void Coordinate_Change();
  void LatDir_MouseDown(int Index);
  void LonDir_MouseDown(int Index);
  // From the keyboard: a hemisphere letter typed in a value's boxes sets that value's
  // hemisphere ("45S" in a latitude) and is not typed into the box.
  void Coordinate_KeyPress(bool latitude, int Index, int& KeyAscii);
  void Distance_Change();
  void Calculate_Click();
  void Clear_Click();
  void Enter_Click();
  void Cancel_Click();

  // Re-reads every box into the working coordinates and enables Calculate when the rows the
  // flight type needs are complete.
  void UpdateCoordinates();

 private:
  void BuildLayout();
  void BuildCoordinateRows();
  void WireEvents();
  void SetTabOrder();
  frmAloftra* FlightPageForm();
  // The flight the page shows, or nullptr when it shows none (a new entry, an empty logbook).
  FlightRecord* CurrentFlight();
  void ShowBlankDetails();
  void ShowStoredCoordinates(const FlightRecord& flight);
  void CheckCoordinateBox(TextBox& box, double maximum, const char* message);
  // Writes the three fields; false (with a message) when the distance cannot be stored.
  bool StoreDetails(FlightRecord& flight);
  // After the fields changed without the page committing the flight: its place in the
  // orders, the statistics and the document's modified mark follow.
  void RefreshAfterDirectChange(int flightIndex);

  // True while the dialog fills its own boxes: those changes are not the pilot's edits.
  bool filling_ = false;
  // Whether the pilot changed a coordinate since the dialog opened. Until then the stored
  // coordinate text is kept as it was, even when it is damaged or from an older file.
  bool pointsEdited_ = false;
};

}  // namespace aloftra
