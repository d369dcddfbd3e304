// The sixteen wedges of the wind rose as stacks of one-pixel horizontal lines, the same on
// the flight page and the site page (only the centre differs).
#pragma once

#include <array>
#include <vector>

namespace aloftra {

// One line of a wedge in pixels relative to the rose's centre. The line runs from a up to b
// and, as the toolkit draws lines, leaves out its last point: it covers the pixel columns
// a to b - 1. Rows right of the centre have 0 < a < b; no row has a = 0.
struct WedgeRow {
  int a = 0;
  int b = 0;
  bool operator==(const WedgeRow&) const = default;
};

// Row i of a wedge lies startRow - i pixels below the centre (negative: above it): the rows
// go upward from the start row, one per pixel row, with no gap.
struct Wedge {
  int startRow = 0;
  std::vector<WedgeRow> rows;
};

// The wedges by compass index, counter-clockwise from east. Each covers its 22.5-degree
// sector of the ring between about 14 and 49 pixels from the centre; no two share a pixel.
const std::array<Wedge, 16>& RoseWedges();

// One line of a wedge in twips of the page.
struct HorizontalSpan {
  int y = 0;
  int x1 = 0;
  int x2 = 0;
  bool operator==(const HorizontalSpan&) const = default;
};

inline constexpr int kTwipsPerPixel = 15;

// The lines that paint wedge k (0-15) of a rose centred at (centreX, centreY) twips, from the
// start row upward: y = centreY + 15 (s - i), from x = centreX + 15 a to centreX + 15 b.
std::vector<HorizontalSpan> WedgeSpans(int k, int centreX, int centreY);

}  // namespace aloftra
