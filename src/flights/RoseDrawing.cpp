#include "flights/RoseDrawing.h"

#include "flights/RoseWedges.h"

namespace aloftra {

std::string RoseGroup(int k) {
  return "rose." + std::to_string(k);
}

void PaintRoseSector(DrawList& drawing, int centreX, int centreY, int k, Flag flag) {
  Color color = flag == kFlagSet ? kRoseSetColor : kButtonFace;
  std::vector<DrawItem> lines;
  for (const HorizontalSpan& span : WedgeSpans(k, centreX, centreY)) {
    lines.push_back(DrawItem::Line(span.x1, span.y, span.x2, span.y, color));
  }
  drawing.Replace(RoseGroup(k), std::move(lines));
}

void PaintRose(DrawList& drawing, int centreX, int centreY, const WindFlags& flags) {
  for (int k = 0; k < kWindPoints; ++k)
    PaintRoseSector(drawing, centreX, centreY, k, flags[k]);
}

}  // namespace aloftra
