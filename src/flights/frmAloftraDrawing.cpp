// What the flight page draws on itself (the wind rose, the vario bars, the turbulence
// scale) and the page's own mouse clicks on them.
#include <cmath>

#include "core/Logbook.h"
#include "core/Numbers.h"
#include "flights/RoseDrawing.h"
#include "flights/RoseHitTest.h"
#include "flights/frmAloftra.h"
#include "form/Platform.h"
#include "units/UnitChoice.h"

namespace aloftra {

namespace {

constexpr int kVarioLines = 66;
constexpr const char* kVarioLiftGroup = "vario.lift";
constexpr const char* kVarioSinkGroup = "vario.sink";
constexpr Color kTurbulenceColors[7] = {kBlack,           Rgb(255, 192, 255), Rgb(255, 128, 255),
                                        Rgb(255, 0, 255), Rgb(192, 0, 192),   Rgb(128, 0, 128),
                                        Rgb(64, 0, 64)};

// The vario area of the page, where a right click opens the vario display dialog.
bool InVarioArea(double x, double y) {
  return x > 6900 && x < 7410 && y > 840 && y < 2865;
}

// The turbulence level under a click on the scale, or 0 when the click is not on it.
int TurbulenceLevelAt(double x, double y) {
  if (y < 2730 || y > 2895 || x < 3330 || x > 5325) return 0;
  static constexpr int kRightEdges[6] = {3660, 3990, 4320, 4650, 4980, 5325};
  for (int level = 1; level <= 6; ++level) {
    if (x <= kRightEdges[level - 1]) return level;
  }
  return 0;
}

Color VarioLineColor(bool lift, int i, bool fullColor) {
  int shade = 220 - 3 * i;
  if (lift) return fullColor ? Rgb(shade, 255, shade) : Rgb(0, 255, 0);
  return fullColor ? Rgb(255, shade, shade) : Rgb(255, 0, 0);
}

}  // namespace

void frmAloftra::Form_Paint() {
  if (RemarksExpanded || NonFlying.Checked()) return;
  EditState saved = State;
  State = EditState::kFilling;
  DrawVarioBar(true);
  DrawVarioBar(false);
  State = saved;
  for (int k = 0; k < kWindPoints; ++k) {
    if (RoseFlags[k] == kFlagSet) DrawRoseSector(k, kFlagSet);
  }
}

void frmAloftra::Form_MouseUp(int Button, int Shift, double X, double Y) {
  (void)Shift;
  if (Button == kRightButton && InVarioArea(X, Y)) {
    StatusLabelMouseUp(Button, kOptionsVario);
    return;
  }
  // The enlarged remarks box has covered the rose and the scale; the part of the rose above
  // the box is not there to be clicked.
  if (RemarksExpanded) return;
  std::int16_t hit = RoseHitTest(static_cast<float>(kRoseCentreX), static_cast<float>(kRoseCentreY),
                                 static_cast<float>(X), static_cast<float>(Y));
  if (hit != kRoseMissed) {
    MarkModified();
    if (hit == kRoseCentre) {
      RoseFlags = {};
      DrawRose();
    } else {
      RoseFlags[hit] = RoseFlags[hit] == kFlagSet ? 0 : kFlagSet;
      DrawRoseSector(hit, RoseFlags[hit]);
    }
    return;
  }
  int level = TurbulenceLevelAt(X, Y);
  if (level == 0) return;
  MarkModified();
  TurbulenceLevel = static_cast<std::uint8_t>(level == TurbulenceLevel ? 0 : level);
  RefreshTurbulenceScale();
}

void frmAloftra::MaxLift_Change() {
  DrawVarioBar(true);
}

void frmAloftra::MaxSink_Change() {
  DrawVarioBar(false);
}

void frmAloftra::DrawVarioBar(bool lift) {
  if (RemarksExpanded) {
    // The bars lie under the enlarged remarks box; restoring the box draws them again.
    if (State != EditState::kFilling) MarkModified();
    return;
  }
  const Logbook& book = host_.Book();
  double fullScale = (ClimbRateInFpm(book.UNIT_FLAGS) ? 400.0 : 2.0) * (book.VARIO_SCALE + 1);
  double value = ParseLeadingNumber((lift ? MaxLift : MaxSink).Text());
  aloftra::Label& marker = lift ? VarioMax : VarioMin;
  bool overRange = value > fullScale;
  marker.SetVisible(overRange);
  if (overRange) value = fullScale;
  double filled = std::floor(65 * value / fullScale);

  bool fullColor = book.doc.COLOR_MODE != 0;
  std::vector<DrawItem> lines;
  lines.reserve(kVarioLines);
  for (int i = 0; i < kVarioLines; ++i) {
    int left = 7155 - 15 * (17 * i / 65);
    int y = lift ? 1830 - 15 * i : 1860 + 15 * i;
    Color color = filled > 0 && i <= filled ? VarioLineColor(lift, i, fullColor) : kButtonFace;
    lines.push_back(DrawItem::Line(7395, y, left, y, color));
  }
  Drawing().Replace(lift ? kVarioLiftGroup : kVarioSinkGroup, std::move(lines));
  if (State != EditState::kFilling) MarkModified();
}

void frmAloftra::RefreshTurbulenceScale() {
  for (int k = 1; k <= 6; ++k) {
    Turbulence[k].SetFilled(k <= TurbulenceLevel);
    Turbulence[k].SetFillColor(kTurbulenceColors[k]);
  }
}

void frmAloftra::EraseConditionDrawing() {
  for (int k = 0; k < kWindPoints; ++k)
    Drawing().ClearGroup(RoseGroup(k));
  Drawing().ClearGroup(kVarioLiftGroup);
  Drawing().ClearGroup(kVarioSinkGroup);
}

// The rose, like the bars, is not drawn while the enlarged remarks box covers it.
void frmAloftra::DrawRose() {
  if (RemarksExpanded) return;
  PaintRose(Drawing(), kRoseCentreX, kRoseCentreY, RoseFlags);
}

void frmAloftra::DrawRoseSector(int k, Flag flag) {
  if (RemarksExpanded) return;
  PaintRoseSector(Drawing(), kRoseCentreX, kRoseCentreY, k, flag);
}

}  // namespace aloftra
