// Where a report may print on the sheet: margins and line widths worked out from the
// printer's real geometry, so text starts three quarters of an inch from the left edge of
// the paper and ends three eighths of an inch from its right edge whatever border the
// printer cannot reach. Positions are twips from the top-left corner of the printable area.
#pragma once

#include "form/Printer.h"

namespace aloftra {

struct PageLayout {
  double LeftMargin = 0;
  double RightEdge = 0;
  double TopMargin = 0;
  double BottomEdge = 0;
  int ThinLine = 4;   // printer dots
  int ThickLine = 8;  // printer dots

  double Width() const { return RightEdge - LeftMargin; }
};

// The paper is taken as letter size: an inch is the paper's width / 8.5 across and its
// height / 11 down.
PageLayout LayoutFor(const PageGeometry& geometry);

}  // namespace aloftra
