// The units dialog: which unit each kind of quantity is shown and typed in, and how times of
// day are written. The choice is kept in the logbook's unit flags, one per option button, so
// it travels with the logbook file.
#pragma once

#include "form/CommandButton.h"
#include "form/ControlArray.h"
#include "form/Frame.h"
#include "form/OptionButton.h"
#include "pagekit/Dialog.h"

namespace aloftra {

// The frames of the dialog, one per group of buttons.
enum UnitFrame : int {
  kFrameSpeed = 0,
  kFrameAltitude = 1,
  kFrameClimbRate = 2,
  kFrameDistance = 3,
  kFrameWeight = 4,
  kFrameTimeOfDay = 5,
};
inline constexpr int kUnitFrameCount = 6;

class frmUnits : public Dialog {
 public:
  explicit frmUnits(PageHost& host);

  ControlArray<Frame> UnitFrames;    // "Wind Speed", "Alitude", "Lift/Sink Rate", "Distance",
                                     // "Weight", "Time of Day"
  ControlArray<OptionButton> Units;  // indexed as the unit flags (UnitButton)
  CommandButton Ok;
  CommandButton Cancel;

  void Form_Load();
  void Ok_Click();
  void Cancel_Click();

 private:
  void BuildLayout();
};

}  // namespace aloftra
