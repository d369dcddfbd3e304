#include "print/PageLayout.h"

#include <algorithm>

namespace aloftra {

namespace {

constexpr double kPaperInchesWide = 8.5;
constexpr double kPaperInchesHigh = 11.0;
constexpr double kTextStartInches = 0.75;
constexpr double kLineEndInches = 0.375;

}  // namespace

PageLayout LayoutFor(const PageGeometry& geometry) {
  double twipsPerInchX = geometry.paperWidth / kPaperInchesWide;
  double twipsPerInchY = geometry.paperHeight / kPaperInchesHigh;
  // The border the printer cannot reach on each side, in inches.
  double border = (kPaperInchesWide - geometry.printableWidth / twipsPerInchX) / 2;

  PageLayout layout;
  layout.LeftMargin = border < kTextStartInches ? (kTextStartInches - border) * twipsPerInchX : 0;
  layout.RightEdge = border < kLineEndInches
                         ? geometry.printableWidth - (kLineEndInches - border) * twipsPerInchX
                         : geometry.printableWidth;
  layout.TopMargin = 0.5 * twipsPerInchY;
  layout.BottomEdge = std::min(10.5 * twipsPerInchY, geometry.printableHeight);
  bool coarse = geometry.dotsPerInch < 150;
  layout.ThinLine = coarse ? 4 : geometry.dotsPerInch / 150;
  layout.ThickLine = coarse ? 8 : geometry.dotsPerInch / 75;
  return layout;
}

}  // namespace aloftra
