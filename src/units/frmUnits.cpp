#include "units/frmUnits.h"

#include <array>

#include "core/Logbook.h"
#include "units/UnitChoice.h"

namespace aloftra {

namespace {

struct FrameLayout {
  const char* caption;
  int left;
  int top;
  UnitButton first;  // the frame holds the buttons first to last
  UnitButton last;
};

// Two columns of three frames; the altitude frame's caption has always been spelt so.
constexpr std::array<FrameLayout, kUnitFrameCount> kFrames = {{
    {"Wind Speed", 120, 120, kUnitMph, kUnitKnots},
    {"Alitude", 120, 1500, kUnitFeet, kUnitMetres},
    {"Lift/Sink Rate", 120, 2580, kUnitFpm, kUnitMetresPerSecond},
    {"Distance", 2400, 120, kUnitMiles, kUnitKilometres},
    {"Weight", 2400, 1200, kUnitPounds, kUnitKilograms},
    {"Time of Day", 2400, 2280, kUnitAmPm, kUnit24Hour},
}};

constexpr int kFrameWidth = 2160;
constexpr int kButtonPitch = 300;

}  // namespace

frmUnits::frmUnits(PageHost& host)
    : Dialog(host, DialogId::kUnits, "frmUnits", "Units of Measure", 4800, 4650),
      UnitFrames(*this, "UnitFrames", kUnitFrameCount),
      Units(*this, "Units", kUnitFlagCount),
      Ok(*this, "Ok"),
      Cancel(*this, "Cancel") {
  BuildLayout();
  onLoad = [this] { Form_Load(); };
  Ok.onClick = [this] { Ok_Click(); };
  Cancel.onClick = [this] { Cancel_Click(); };
}

void frmUnits::BuildLayout() {
  int tab = 0;
  for (int f = 0; f < kUnitFrameCount; ++f) {
    const FrameLayout& layout = kFrames[f];
    const int buttons = layout.last - layout.first + 1;
    UnitFrames[f].SetCaption(layout.caption);
    UnitFrames[f].Move(layout.left, layout.top, kFrameWidth, 270 + kButtonPitch * buttons + 105);
    for (int b = layout.first; b <= layout.last; ++b) {
      OptionButton& button = Units[b];
      button.SetCaption(UnitButtonCaption(static_cast<UnitButton>(b)));
      button.Move(layout.left + 240, layout.top + 270 + kButtonPitch * (b - layout.first), 1680,
                  285);
      button.SetContainer(&UnitFrames[f]);
      button.SetTabIndex(tab++);
    }
  }
  Ok.SetCaption("Ok");
  Ok.Move(1080, 3840, 1080, 375);
  Ok.SetDefault(true);
  Ok.SetTabIndex(tab++);
  Cancel.SetCaption("Cancel");
  Cancel.Move(2640, 3840, 1080, 375);
  Cancel.SetCancel(true);
  Cancel.SetTabIndex(tab++);
}

void frmUnits::Form_Load() {
  // Each group opens on the unit the pages show. For a sound file that is the button whose
  // flag is set; a damaged group (no flag set, or two) opens on the unit the pages fell back
  // to, so Ok writes the group back with exactly one flag.
  const UnitFlags& flags = host_.Book().UNIT_FLAGS;
  for (UnitKind kind : {UnitKind::kSpeed, UnitKind::kAltitude, UnitKind::kClimbRate,
                        UnitKind::kDistance, UnitKind::kWeight}) {
    Units[ChosenUnit(kind, flags)].SetValue(true);
  }
  Units[Uses24Hour(flags) ? kUnit24Hour : kUnitAmPm].SetValue(true);
}

void frmUnits::Ok_Click() {
  UnitFlags& flags = host_.Book().UNIT_FLAGS;
  for (int b = 0; b < kUnitFlagCount; ++b)
    flags[b] = Units[b].Value() ? kFlagSet : Flag{0};
  // Every page relabels; the editing pages redisplay an entry shown as stored, and keep one
  // being edited as typed, to be read in the new units when it is entered.
  host_.ApplyUnitLabels();
  host_.UpdateCaption(true, false);
  Close();
}

void frmUnits::Cancel_Click() {
  Close();
}

}  // namespace aloftra
