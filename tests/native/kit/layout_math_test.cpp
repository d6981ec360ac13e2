#include "kit/layout_math.h"

#include <gtest/gtest.h>

namespace zorvik::kit {
namespace {

TEST(ScaleToDpi, RoundsHalfAwayFromZero) {
  struct Case {
    int value, dpi, expected;
  } cases[] = {
      {12, 96, 12},  {12, 144, 18}, {12, 120, 15}, {5, 144, 8},    // 7.5 -> 8
      {-5, 144, -8}, {3, 120, 4},   {1, 144, 2},   {-1, 144, -2},  // 3.75, 1.5
      {7, 192, 14},  {100, 0, 100}, {0, 144, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ScaleToDpi(c.value, c.dpi), c.expected) << c.value << " at " << c.dpi;
}

TEST(ScaleRect, ScalesEdgesSoNeighboursStayTouching) {
  // Two 5-pixel controls side by side: at 144 dpi their widths differ
  // (8 and 7) but the second still starts where the first ends.
  const PixelRect a = ScaleRect({0, 0, 5, 5}, 144), b = ScaleRect({5, 0, 5, 5}, 144);
  EXPECT_EQ(a, (PixelRect{0, 0, 8, 8}));
  EXPECT_EQ(b, (PixelRect{8, 0, 15, 8}));
  EXPECT_EQ(ScaleRect({10, 20, 100, 21}, 96), (PixelRect{10, 20, 110, 41}));
  EXPECT_EQ(ScaleRect({10, 20, 100, 21}, 144), (PixelRect{15, 30, 165, 62}));  // 61.5 -> 62
}

TEST(ScaledFontHeight, IsTheNegativeCharacterHeight) {
  EXPECT_EQ(ScaledFontHeight(96), -12);
  EXPECT_EQ(ScaledFontHeight(144), -18);
  EXPECT_EQ(ScaledFontHeight(120), -15);
}

TEST(ClampPaneSize, KeepsBothSidesAtTheirMinimum) {
  EXPECT_EQ(ClampPaneSize(50, 20, 200, 30), 50);
  EXPECT_EQ(ClampPaneSize(10, 20, 200, 30), 20);
  EXPECT_EQ(ClampPaneSize(190, 20, 200, 30), 170);
  EXPECT_EQ(ClampPaneSize(190, 20, 40, 30), 20);  // too little room: the pane's minimum wins
}

}  // namespace
}  // namespace zorvik::kit
