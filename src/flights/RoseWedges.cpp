#include "flights/RoseWedges.h"

#include <cmath>
#include <cstddef>

namespace aloftra {

namespace {

// East and north are drawn from these hand-made rows, widened to their sectors' edges; west
// and south are their mirror images. Each list runs from the start row upward.
constexpr int kEastStart = 8;
constexpr std::array<int, 18> kEastA = {46, 41, 36, 31, 25, 20, 15, 14, 14,
                                        14, 14, 15, 20, 25, 30, 36, 41, 46};
constexpr std::array<int, 18> kEastB = {48, 48, 48, 48, 49, 49, 49, 49, 49,
                                        49, 49, 49, 49, 49, 48, 48, 48, 48};
constexpr int kNorthStart = -15;
constexpr std::array<int, 35> kNorthA = {-2, -2, -3, -3, -3, -3, -3, -4, -4, -4, -4, -4,
                                         -5, -5, -5, -5, -5, -6, -6, -6, -6, -6, -6, -7,
                                         -7, -7, -7, -7, -8, -8, -8, -8, -8, -9, -5};
constexpr std::array<int, 35> kNorthB = {2, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 6,
                                         6, 6, 6, 6, 7, 7, 7, 7, 7, 8, 8, 8, 8, 8, 9, 9, 5};

constexpr int kEast = 0;
constexpr int kNorth = 4;
constexpr int kWest = 8;
constexpr int kSouth = 12;

// The start row of every wedge; the twelve in-between wedges are computed from their start
// row upward. WSW and ESE begin one row below the 25 of the original table: their sectors
// reach down to row 26 at the rim, and that pixel, painted by no wedge, showed as a dot of
// background between two set wedges.
constexpr std::array<int, 16> kStartRows = {8, -4, -9, -13, -15, -13, -9, -4,
                                            8, 26, 40, 47,  48,  47,  40, 26};

// The ring of the computed wedges, on pixel centres: from 14 to 49 pixels out, the same
// ring the hand-made rows fill.
constexpr double kInnerSquared = 14.0 * 14.0;
constexpr double kOuterSquared = 49.0 * 49.0;
constexpr int kReach = 50;  // no wedge pixel lies further than this from the centre

template <std::size_t N>
Wedge FromLists(int start, const std::array<int, N>& a, const std::array<int, N>& b) {
  Wedge wedge{start, {}};
  for (std::size_t i = 0; i < N; ++i)
    wedge.rows.push_back({a[i], b[i]});
  return wedge;
}

// Pixel column x covers [x, x + 1), so the mirror of columns a to b - 1 across the vertical
// axis is -b to -a - 1, drawn from -b to -a.
Wedge MirroredLeft(const Wedge& right) {
  Wedge left{right.startRow, {}};
  for (const WedgeRow& row : right.rows)
    left.rows.push_back({-row.b, -row.a});
  return left;
}

// Pixel row y mirrors to row -y - 1; the top row of the upper wedge becomes the start row of
// the lower one.
Wedge MirroredDown(const Wedge& upper) {
  int count = static_cast<int>(upper.rows.size());
  int topRow = upper.startRow - (count - 1);
  Wedge lower{-topRow - 1, {}};
  for (int i = count - 1; i >= 0; --i)
    lower.rows.push_back(upper.rows[i]);
  return lower;
}

// Which pixels the hand-made wedges already paint, so the computed ones leave them alone.
class PixelGrid {
 public:
  void Paint(const Wedge& wedge) {
    for (std::size_t i = 0; i < wedge.rows.size(); ++i) {
      int y = wedge.startRow - static_cast<int>(i);
      for (int x = wedge.rows[i].a; x < wedge.rows[i].b; ++x)
        cells_[Cell(x, y)] = true;
    }
  }
  void Set(int x, int y) { cells_[Cell(x, y)] = true; }
  bool Painted(int x, int y) const { return cells_[Cell(x, y)]; }

 private:
  static std::size_t Cell(int x, int y) {
    return static_cast<std::size_t>((y + kReach) * 2 * kReach + (x + kReach));
  }
  std::array<bool, 4 * kReach * kReach> cells_{};
};

// Whether the centre of pixel (x, y) lies in the ring and in the sector of compass index k.
// No pixel centre of the ring comes within 0.05 degree of a sector boundary, so the test
// never hangs on rounding.
bool InSector(int k, int x, int y) {
  double px = x + 0.5;
  double py = -(y + 0.5);  // pixel rows grow downward, angles counter-clockwise
  double squared = px * px + py * py;
  if (squared < kInnerSquared || squared > kOuterSquared) return false;
  double degrees = std::atan2(py, px) * 180.0 / 3.14159265358979323846;
  double fromStart = std::fmod(degrees - (22.5 * k - 11.25) + 720.0, 360.0);
  return fromStart < 22.5;
}

// One row of a computed wedge: the pixels of the row inside the sector that no hand-made
// wedge paints. In any sector but north and south these form a single run.
bool ComputedRow(int k, int y, const PixelGrid& taken, WedgeRow& row) {
  int first = kReach;
  int last = -kReach - 1;
  for (int x = -kReach; x < kReach; ++x) {
    if (!InSector(k, x, y) || taken.Painted(x, y)) continue;
    if (x < first) first = x;
    last = x;
  }
  if (last < first) return false;
  row = {first, last + 1};
  return true;
}

// The hand-made rows follow their sector's edges in steps, which leaves a few pixels of the
// sector at the ends of rows unpainted; between two set wedges they showed as a dashed line
// of background. Each row is widened over those pixels, so every pixel of the ring belongs
// to the wedge of its sector. Rows stay single runs: the pixels lie at the ends of the rows.
void WidenIntoSector(int k, Wedge& wedge, PixelGrid& taken) {
  for (std::size_t i = 0; i < wedge.rows.size(); ++i) {
    int y = wedge.startRow - static_cast<int>(i);
    WedgeRow& row = wedge.rows[i];
    while (row.a - 1 >= -kReach && InSector(k, row.a - 1, y) && !taken.Painted(row.a - 1, y)) {
      --row.a;
      taken.Set(row.a, y);
    }
    while (row.b < kReach && InSector(k, row.b, y) && !taken.Painted(row.b, y)) {
      taken.Set(row.b, y);
      ++row.b;
    }
  }
}

Wedge ComputedWedge(int k, const PixelGrid& taken) {
  Wedge wedge{kStartRows[k], {}};
  WedgeRow row;
  for (int y = wedge.startRow; y >= -kReach && ComputedRow(k, y, taken, row); --y) {
    wedge.rows.push_back(row);
  }
  return wedge;
}

std::array<Wedge, 16> BuildWedges() {
  std::array<Wedge, 16> wedges;
  wedges[kEast] = FromLists(kEastStart, kEastA, kEastB);
  wedges[kNorth] = FromLists(kNorthStart, kNorthA, kNorthB);
  wedges[kWest] = MirroredLeft(wedges[kEast]);
  wedges[kSouth] = MirroredDown(wedges[kNorth]);

  PixelGrid taken;
  for (int k : {kEast, kNorth, kWest, kSouth})
    taken.Paint(wedges[k]);
  for (int k = 0; k < 16; ++k) {
    if (k % 4 != 0) wedges[k] = ComputedWedge(k, taken);
  }
  for (int k = 0; k < 16; ++k) {
    if (k % 4 != 0) taken.Paint(wedges[k]);
  }
  for (int k : {kEast, kNorth, kWest, kSouth})
    WidenIntoSector(k, wedges[k], taken);
  return wedges;
}

}  // namespace

const std::array<Wedge, 16>& RoseWedges() {
  // Built on first use and never changed afterwards.
  static const std::array<Wedge, 16> wedges = BuildWedges();
  return wedges;
}

std::vector<HorizontalSpan> WedgeSpans(int k, int centreX, int centreY) {
  const Wedge& wedge = RoseWedges().at(static_cast<std::size_t>(k));
  std::vector<HorizontalSpan> spans;
  spans.reserve(wedge.rows.size());
  for (std::size_t i = 0; i < wedge.rows.size(); ++i) {
    int y = centreY + kTwipsPerPixel * (wedge.startRow - static_cast<int>(i));
    spans.push_back({y, centreX + kTwipsPerPixel * wedge.rows[i].a,
                     centreX + kTwipsPerPixel * wedge.rows[i].b});
  }
  return spans;
}

}  // namespace aloftra
