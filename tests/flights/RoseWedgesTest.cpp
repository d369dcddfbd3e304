#include "flights/RoseWedges.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <utility>

#include "flights/RoseHitTest.h"

namespace aloftra {
namespace {

using Pixel = std::pair<int, int>;  // x, y relative to the centre, y growing downward

constexpr double kPi = 3.14159265358979323846;

std::set<Pixel> PixelsOf(const Wedge& wedge) {
  std::set<Pixel> pixels;
  for (std::size_t i = 0; i < wedge.rows.size(); ++i) {
    int y = wedge.startRow - static_cast<int>(i);
    for (int x = wedge.rows[i].a; x < wedge.rows[i].b; ++x)
      pixels.insert({x, y});
  }
  return pixels;
}

std::set<Pixel> PaintedBy(int k) {
  return PixelsOf(RoseWedges()[static_cast<std::size_t>(k)]);
}

// The pixel's centre as a mathematical point: x right, y up.
double CentreX(Pixel p) {
  return p.first + 0.5;
}
double CentreY(Pixel p) {
  return -(p.second + 0.5);
}
double Radius(Pixel p) {
  return std::hypot(CentreX(p), CentreY(p));
}

// Degrees counter-clockwise from the start of sector k (22.5 k - 11.25), in [0, 360).
double DegreesIntoSector(int k, Pixel p) {
  double degrees = std::atan2(CentreY(p), CentreX(p)) * 180.0 / kPi;
  return std::fmod(degrees - (22.5 * k - 11.25) + 720.0, 360.0);
}

// How far the pixel's centre lies outside sector k, in pixels (0 inside).
double DistanceOutsideSector(int k, Pixel p) {
  if (DegreesIntoSector(k, p) < 22.5) return 0;
  double best = Radius(p);
  for (double edge : {22.5 * k - 11.25, 22.5 * k + 11.25}) {
    double ux = std::cos(edge * kPi / 180.0);
    double uy = std::sin(edge * kPi / 180.0);
    double along = CentreX(p) * ux + CentreY(p) * uy;
    if (along >= 0) best = std::min(best, std::fabs(CentreX(p) * uy - CentreY(p) * ux));
  }
  return best;
}

// East and north keep the rows of the original table, each row widened at its ends to the
// edges of the wedge's sector and never narrowed.
TEST(RoseWedges, EastAndNorthPaintTheHandMadeRowsWidenedToTheirSectors) {
  const std::vector<WedgeRow> east = {{46, 48}, {41, 48}, {36, 48}, {31, 48}, {25, 49}, {20, 49},
                                      {15, 49}, {14, 49}, {14, 49}, {14, 49}, {14, 49}, {15, 49},
                                      {20, 49}, {25, 49}, {30, 48}, {36, 48}, {41, 48}, {46, 48}};
  const std::vector<int> a = {-2, -2, -3, -3, -3, -3, -3, -4, -4, -4, -4, -4,
                              -5, -5, -5, -5, -5, -6, -6, -6, -6, -6, -6, -7,
                              -7, -7, -7, -7, -8, -8, -8, -8, -8, -9, -5};
  const std::vector<int> b = {2, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 6,
                              6, 6, 6, 6, 7, 7, 7, 7, 7, 8, 8, 8, 8, 8, 9, 9, 5};
  std::vector<WedgeRow> north;
  for (std::size_t i = 0; i < a.size(); ++i)
    north.push_back({a[i], b[i]});

  struct Case {
    int k;
    int startRow;
    const std::vector<WedgeRow>& handMade;
  };
  for (const Case& c : {Case{0, 8, east}, Case{4, -15, north}}) {
    const Wedge& wedge = RoseWedges()[static_cast<std::size_t>(c.k)];
    EXPECT_EQ(wedge.startRow, c.startRow) << c.k;
    ASSERT_EQ(wedge.rows.size(), c.handMade.size()) << c.k;
    for (std::size_t i = 0; i < wedge.rows.size(); ++i) {
      EXPECT_LE(wedge.rows[i].a, c.handMade[i].a) << c.k << " row " << i;
      EXPECT_GE(wedge.rows[i].b, c.handMade[i].b) << c.k << " row " << i;
      // Widened by a few pixels at most: the hand-made rows already follow the sector.
      EXPECT_LE(c.handMade[i].a - wedge.rows[i].a + wedge.rows[i].b - c.handMade[i].b, 6);
    }
  }
}

TEST(RoseWedges, WestAndSouthMirrorEastAndNorth) {
  std::set<Pixel> mirroredEast;
  for (Pixel p : PaintedBy(0))
    mirroredEast.insert({-p.first - 1, p.second});
  EXPECT_EQ(PaintedBy(8), mirroredEast);
  EXPECT_EQ(RoseWedges()[8].startRow, 8);

  std::set<Pixel> mirroredNorth;
  for (Pixel p : PaintedBy(4))
    mirroredNorth.insert({p.first, -p.second - 1});
  EXPECT_EQ(PaintedBy(12), mirroredNorth);
  EXPECT_EQ(RoseWedges()[12].startRow, 48);
}

TEST(RoseWedges, EveryWedgeBeginsAtItsStartRow) {
  // WSW and ESE begin a row below the original table's 25, where their sectors reach.
  const int starts[16] = {8, -4, -9, -13, -15, -13, -9, -4, 8, 26, 40, 47, 48, 47, 40, 26};
  for (int k = 0; k < 16; ++k) {
    EXPECT_EQ(RoseWedges()[static_cast<std::size_t>(k)].startRow, starts[k]) << k;
  }
}

// A drawn row with a = 0 would read as the end of the wedge, and an empty or backward row
// would paint nothing where the wedge should be.
TEST(RoseWedges, EveryRowPaintsSomethingAndNoneStartsAtTheCentreColumn) {
  for (int k = 0; k < 16; ++k) {
    const Wedge& wedge = RoseWedges()[static_cast<std::size_t>(k)];
    ASSERT_FALSE(wedge.rows.empty()) << k;
    for (const WedgeRow& row : wedge.rows) {
      EXPECT_NE(row.a, 0) << k;
      EXPECT_LT(row.a, row.b) << k;
    }
  }
}

TEST(RoseWedges, NoPixelIsPaintedByTwoWedges) {
  std::map<Pixel, int> owner;
  for (int k = 0; k < 16; ++k) {
    for (Pixel p : PaintedBy(k)) {
      auto [it, fresh] = owner.emplace(p, k);
      EXPECT_TRUE(fresh) << "pixel " << p.first << "," << p.second << " in " << it->second
                         << " and " << k;
    }
  }
}

// Two set neighbours join without a seam: every pixel of the ring (centre 14 to 49 pixels
// out) is painted, and by the wedge whose sector holds it, the one a click there toggles.
TEST(RoseWedges, EveryPixelOfTheRingIsPaintedByTheWedgeOfItsSector) {
  std::map<Pixel, int> owner;
  for (int k = 0; k < 16; ++k) {
    for (Pixel p : PaintedBy(k))
      owner[p] = k;
  }
  int ringPixels = 0;
  for (int x = -50; x < 50; ++x) {
    for (int y = -50; y < 50; ++y) {
      Pixel p{x, y};
      if (Radius(p) < 14.0 || Radius(p) > 49.0) continue;
      ++ringPixels;
      auto painted = owner.find(p);
      ASSERT_NE(painted, owner.end()) << "pixel " << x << "," << y << " is painted by no wedge";
      EXPECT_EQ(DistanceOutsideSector(painted->second, p), 0.0) << x << "," << y;
    }
  }
  EXPECT_GT(ringPixels, 6800);  // the ring itself: pi (49^2 - 14^2), about 6930
}

TEST(RoseWedges, EveryPaintedPixelLiesInItsSectorOfTheRing) {
  for (int k = 0; k < 16; ++k) {
    for (Pixel p : PaintedBy(k)) {
      EXPECT_LE(DistanceOutsideSector(k, p), 1.0) << k << " " << p.first << "," << p.second;
      EXPECT_GE(Radius(p), 13.0) << k;
      EXPECT_LE(Radius(p), 50.0) << k;
    }
  }
}

TEST(RoseWedges, EachWedgeCoversMostOfItsSector) {
  for (int k = 0; k < 16; ++k) {
    std::set<Pixel> painted = PaintedBy(k);
    int inside = 0;
    int covered = 0;
    for (int x = -50; x < 50; ++x) {
      for (int y = -50; y < 50; ++y) {
        Pixel p{x, y};
        double into = DegreesIntoSector(k, p);
        if (Radius(p) <= 15 || Radius(p) >= 48 || into <= 0 || into >= 22.5) continue;
        ++inside;
        covered += painted.count(p) ? 1 : 0;
      }
    }
    EXPECT_GE(covered, inside * 85 / 100) << k << ": " << covered << " of " << inside;
  }
}

// Clicking anywhere on a painted wedge must toggle that wedge and no other.
TEST(RoseWedges, AClickOnAPaintedPixelHitsItsOwnWedge) {
  const float cx = 6060;
  const float cy = 1860;
  for (int k = 0; k < 16; ++k) {
    for (Pixel p : PaintedBy(k)) {
      float x = cx + static_cast<float>(kTwipsPerPixel * CentreX(p));
      float y = cy - static_cast<float>(kTwipsPerPixel * CentreY(p));
      EXPECT_EQ(RoseHitTest(cx, cy, x, y), k) << p.first << "," << p.second;
    }
  }
}

TEST(WedgeSpans, GivesEachRowInTwipsFromTheStartRowUpward) {
  for (int k : {0, 4, 9}) {
    const Wedge& wedge = RoseWedges()[static_cast<std::size_t>(k)];
    std::vector<HorizontalSpan> spans = WedgeSpans(k, 6060, 1860);
    ASSERT_EQ(spans.size(), wedge.rows.size()) << k;
    for (std::size_t i : {std::size_t{0}, spans.size() - 1}) {
      int y = wedge.startRow - static_cast<int>(i);
      EXPECT_EQ(spans[i], (HorizontalSpan{1860 + 15 * y, 6060 + 15 * wedge.rows[i].a,
                                          6060 + 15 * wedge.rows[i].b}))
          << k << " row " << i;
    }
  }
  // The site page's centre.
  std::vector<HorizontalSpan> north = WedgeSpans(4, 1110, 4680);
  ASSERT_EQ(north.size(), 35u);
  EXPECT_EQ(north.front().y, 4680 - 15 * 15);
  EXPECT_EQ(north.back().y, 4680 - 15 * 49);
  EXPECT_EQ(north.front().x1 + north.front().x2, 2 * 1110);  // north is centred on the centre
}

}  // namespace
}  // namespace aloftra
