// Margins and line widths follow the printer's real printable area and resolution.
#include <gtest/gtest.h>

#include "print/PageLayout.h"

namespace aloftra::test {
namespace {

struct LayoutCase {
  const char* name;
  double printableWidth;  // twips on letter paper (12240 wide, 15840 high)
  double printableHeight;
  int dotsPerInch;
  double leftMargin;
  double rightEdge;
  double bottomEdge;
  int thin;
  int thick;
};

TEST(PageLayoutTest, MarginsKeepTheTextThreeQuartersOfAnInchFromTheLeftOfThePaper) {
  const LayoutCase cases[] = {
      // A quarter-inch border: text starts half an inch in, lines end an eighth earlier.
      {"quarter inch border", 11520, 15120, 600, 720, 11340, 15120, 4, 8},
      // No border at all.
      {"borderless", 12240, 15840, 300, 1080, 11700, 15120, 2, 4},
      // A half-inch border: still a quarter inch to add on the left, none on the right.
      {"half inch border", 10800, 14400, 1200, 360, 10800, 14400, 8, 16},
      // A border wider than the margin itself adds nothing.
      {"wide border", 9792, 14400, 100, 0, 9792, 14400, 4, 8},
      // Coarse resolutions get the fixed widths.
      {"149 dpi", 11520, 15120, 149, 720, 11340, 15120, 4, 8},
      {"150 dpi", 11520, 15120, 150, 720, 11340, 15120, 1, 2},
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(c.name);
    PageGeometry geometry;
    geometry.printableWidth = c.printableWidth;
    geometry.printableHeight = c.printableHeight;
    geometry.dotsPerInch = c.dotsPerInch;
    PageLayout layout = LayoutFor(geometry);
    EXPECT_DOUBLE_EQ(layout.LeftMargin, c.leftMargin);
    EXPECT_DOUBLE_EQ(layout.RightEdge, c.rightEdge);
    EXPECT_DOUBLE_EQ(layout.TopMargin, 720);
    EXPECT_DOUBLE_EQ(layout.BottomEdge, c.bottomEdge);
    EXPECT_EQ(layout.ThinLine, c.thin);
    EXPECT_EQ(layout.ThickLine, c.thick);
  }
}

TEST(PageLayoutTest, InchesAreMeasuredOnThePaperThePrinterReports) {
  // A4 paper taken as 8.5 by 11 inches: an inch is a slice of its real width and height.
  PageGeometry geometry;
  geometry.paperWidth = 11906;
  geometry.paperHeight = 16838;
  geometry.printableWidth = 11906;
  geometry.printableHeight = 16838;
  PageLayout layout = LayoutFor(geometry);
  EXPECT_NEAR(layout.LeftMargin, 0.75 * 11906 / 8.5, 1e-9);
  EXPECT_NEAR(layout.TopMargin, 0.5 * 16838 / 11, 1e-9);
  EXPECT_NEAR(layout.BottomEdge, 10.5 * 16838 / 11, 1e-9);
}

}  // namespace
}  // namespace aloftra::test
