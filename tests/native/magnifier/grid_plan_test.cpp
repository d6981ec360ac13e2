#include "magnifier/grid_plan.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace zorvik {
namespace {

constexpr uint32_t kBlue = 0xFF0000, kGrey = 0x808080, kSilver = 0xC0C0C0;

// Top-ruler ticks by column index: colour and length in pixels.
std::map<int, std::pair<uint32_t, int>> TopTicks(const ViewGeometry& g) {
  std::vector<Segment> segs;
  PlanRulerTicks(g, segs);
  std::map<int, std::pair<uint32_t, int>> out;
  for (const Segment& s : segs)
    if (s.x0 == s.x1 && s.y0 == 0) out[(s.x0 - g.ViewLeft) / g.ZoomFactor] = {s.colour, s.y1 - s.y0};
  return out;
}

TEST(Ruler, BlueTicksCountFromTheCentreColumn) {
  const ViewGeometry g = ComputeViewGeometry(264, 93, 6, true, 7, 7);
  const auto ticks = TopTicks(g);
  ASSERT_EQ(ticks.size(), 45u);  // i = 0 .. GridCols
  EXPECT_EQ(ticks.at(0), std::make_pair(kSilver, 7));
  for (int i = 1; i <= 44; ++i) {
    const auto t = ticks.at(i);
    if (i % 5 == 1) {
      EXPECT_EQ(t.first, kBlue) << i;
      EXPECT_EQ(t.second, i % 10 == 1 ? 5 : 3) << i;  // long at 1, 11, 21, 31, 41
    } else {
      EXPECT_EQ(t, std::make_pair(kGrey, 2)) << i;
    }
  }
}

TEST(Ruler, ZoomOneHasNoGreyTicks) {
  const ViewGeometry g = ComputeViewGeometry(100, 60, 1, true, 7, 7);
  for (const auto& [i, t] : TopTicks(g)) EXPECT_NE(t.first, kGrey) << i;
}

TEST(Ruler, PointersAimAtTheMiddleOfTheCentreCell) {
  const ViewGeometry g = ComputeViewGeometry(264, 93, 6, true, 7, 7);
  Triangle top, left;
  RulerPointers(g, top, left);
  EXPECT_EQ(top.x[0], 134 + 2);
  EXPECT_EQ(top.y[0], 6);
  EXPECT_EQ(left.y[0], 50 + 2);
  EXPECT_EQ(left.x[0], 6);
}

TEST(Grid, SubGridColoursFollowTheParityRule) {
  const ViewGeometry g = ComputeViewGeometry(264, 93, 6, true, 7, 7);
  GridStyle s;
  s.subColour = 0x111111;
  s.subColour2 = 0x222222;
  std::vector<Segment> segs;
  PlanGrid(g, s, 271, 100, segs);
  std::map<int, uint32_t> vertical;  // sub-lines by cell index
  for (const Segment& seg : segs)
    if (seg.x0 == seg.x1 && seg.colour != s.gridColour) vertical[(seg.x0 - 7) / 6] = seg.colour;
  // The centre cell's left edge (cell 21) and every 10 cells from it: first colour.
  EXPECT_EQ(vertical.at(21), 0x111111u);
  EXPECT_EQ(vertical.at(11), 0x111111u);
  EXPECT_EQ(vertical.at(1), 0x111111u);
  EXPECT_EQ(vertical.at(16), 0x222222u);
  EXPECT_EQ(vertical.at(26), 0x222222u);
}

TEST(Grid, SubGridNoneDrawsOnlyCellLines) {
  const ViewGeometry g = ComputeViewGeometry(60, 60, 6, true, 7, 7);
  GridStyle s;
  s.subGridNone = true;
  std::vector<Segment> segs;
  PlanGrid(g, s, 67, 67, segs);
  EXPECT_EQ(segs.size(), static_cast<size_t>(g.GridCols + 1 + g.GridRows + 1));
  for (const Segment& seg : segs) EXPECT_EQ(seg.colour, s.gridColour);
}

// Draws grid, marker and cross into a small buffer and checks pixels.
struct Canvas {
  int w, h;
  std::vector<uint32_t> px;
  Canvas(int w_, int h_, uint32_t fill) : w(w_), h(h_), px(static_cast<size_t>(w_ * h_), fill) {}
  PixelView View() { return PixelView{px.data(), w, h, w}; }
  uint32_t At(int x, int y) const { return px[static_cast<size_t>(y * w + x)]; }
};

TEST(Grid, CrossAtZoomTwoLeavesAGapAroundTheMarker) {
  const ViewGeometry g = ComputeViewGeometry(40, 40, 2, true, 7, 7);
  ASSERT_EQ(g.MarkerMargin, 1);
  GridStyle s;  // sub-grid blue: the cross takes the sub-grid colour
  std::vector<Segment> segs;
  PlanGrid(g, s, 47, 47, segs);
  Canvas c(47, 47, 0x123456);
  DrawSegments(c.View(), segs);
  const uint32_t blue = ColorRefToPixel(kBlue);
  const int x = g.CursorCellX, y = g.CursorCellY;
  EXPECT_EQ(c.At(x, 7), blue);
  EXPECT_EQ(c.At(x, y - 3), blue);
  EXPECT_EQ(c.At(x, y - 2), 0x123456u);  // gap
  EXPECT_EQ(c.At(x, y), 0x123456u);      // the centre cell itself
  // The marker covers y - 1 .. y + z; one free pixel, then the cross again.
  EXPECT_EQ(c.At(x, y + 3), 0x123456u);
  EXPECT_EQ(c.At(x, y + 4), blue);
  EXPECT_EQ(c.At(x + 3, y), 0x123456u);
  EXPECT_EQ(c.At(x + 4, y), blue);
}

TEST(Grid, SubNoneCrossUsesTheInvertingGridPen) {
  const ViewGeometry g = ComputeViewGeometry(40, 40, 2, true, 7, 7);
  GridStyle s;
  s.subGridNone = true;
  s.gridMode = PenMode::Not;
  std::vector<Segment> segs;
  PlanGrid(g, s, 47, 47, segs);
  Canvas c(47, 47, 0x00FF8000);
  DrawSegments(c.View(), segs);
  EXPECT_EQ(c.At(g.CursorCellX, 10), 0x00007FFFu);
}

TEST(Marker, OutlineInvertsExactlyTheRingAroundTheCell) {
  const ViewGeometry g = ComputeViewGeometry(60, 60, 6, true, 7, 7);
  std::vector<Segment> segs;
  PlanMarker(g, segs);
  Canvas c(70, 70, 0x00000000);
  DrawSegments(c.View(), segs);
  const int x0 = g.CursorCellX - 2, y0 = g.CursorCellY - 2, s = 8;
  for (int y = 0; y < 70; ++y)
    for (int x = 0; x < 70; ++x) {
      const bool ring = (x >= x0 && x <= x0 + s && y >= y0 && y <= y0 + s) &&
                        (x == x0 || x == x0 + s || y == y0 || y == y0 + s);
      ASSERT_EQ(c.At(x, y), ring ? 0x00FFFFFFu : 0u) << x << "," << y;
    }
  // The pixel read as the colour stays unmarked.
  EXPECT_EQ(c.At(g.CursorCellX, g.CursorCellY), 0u);
}

TEST(DrawSegments, PenModesAndClipping) {
  Canvas c(4, 1, 0x00F0F0F0);
  std::vector<Segment> segs = {
      {-5, 0, 1, 0, 0x0000FF, PenMode::Copy},   // red, only x = 0 (x = 1 excluded)
      {1, 0, 2, 0, 0, PenMode::Not},
      {2, 0, 3, 0, 0xCCCCCC, PenMode::Mask},
      {3, 0, 99, 0, 0x00FF00, PenMode::Copy},   // clipped at the right edge
      {0, 5, 4, 5, 0, PenMode::Copy},           // off the buffer: ignored
  };
  DrawSegments(c.View(), segs);
  EXPECT_EQ(c.At(0, 0), 0x00FF0000u);
  EXPECT_EQ(c.At(1, 0), 0x000F0F0Fu);
  EXPECT_EQ(c.At(2, 0), 0x00C0C0C0u);
  EXPECT_EQ(c.At(3, 0), 0x0000FF00u);
}

TEST(Enlarge, EachPixelBecomesASolidBlockClipped) {
  std::vector<uint32_t> src = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  const PixelView s{src.data(), 3, 3, 3};
  Canvas c(8, 7, 0);
  Enlarge(s, 1, 1, 2, 2, 3, c.View(), 2, 1);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 8; ++x) {
      uint32_t want = 0;
      if (x >= 2 && y >= 1 && y < 7) want = src[static_cast<size_t>((1 + (y - 1) / 3) * 3 + 1 + (x - 2) / 3)];
      ASSERT_EQ(c.At(x, y), want) << x << "," << y;
    }
}

}  // namespace
}  // namespace zorvik
