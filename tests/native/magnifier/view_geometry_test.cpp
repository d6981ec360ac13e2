#include "magnifier/view_geometry.h"

#include <gtest/gtest.h>

namespace zorvik {
namespace {

TEST(ViewGeometry, WorkedExampleWithGrid) {
  const ViewGeometry g = ComputeViewGeometry(264, 93, 6, true, 7, 7);
  EXPECT_EQ(g.CaptureCols, 44);
  EXPECT_EQ(g.CaptureRows, 16);
  EXPECT_EQ(g.CenterCol, 21);  // an even column count puts the centre left of the middle
  EXPECT_EQ(g.CenterRow, 7);
  EXPECT_EQ(g.SquareSize, 45);
  EXPECT_EQ(g.SquareHalf, 22);
  EXPECT_EQ(g.SquareOffsetX, 1);
  EXPECT_EQ(g.SquareOffsetY, 15);
  EXPECT_EQ(g.StretchSize, 270);
  EXPECT_EQ(g.CursorCellX, 134);
  EXPECT_EQ(g.CursorCellY, 50);
  EXPECT_EQ(g.GridCols, 44);
  EXPECT_EQ(g.GridRows, 16);  // 15.5 rounds half up
  EXPECT_EQ(g.MarkerMargin, 2);
}

TEST(ViewGeometry, ZoomOneSmallView) {
  const ViewGeometry g = ComputeViewGeometry(50, 50, 1, false, 0, 0);
  EXPECT_EQ(g.SquareSize, 51);
  EXPECT_EQ(g.CenterCol, 24);
  EXPECT_EQ(g.CursorCellX, 24);
  EXPECT_EQ(g.MarkerMargin, 1);
}

// The visible part of the square always lies inside it, and the centre
// cell always shows the square's centre pixel.
TEST(ViewGeometry, VisiblePartInsideSquareForAllSizes) {
  for (int z : kZoomSteps)
    for (int w = 0; w < 130; w += 7)
      for (int h = 0; h < 130; h += 5) {
        const ViewGeometry g = ComputeViewGeometry(w, h, z, z > 2, 7, 7);
        ASSERT_EQ(g.SquareSize % 2, 1);
        ASSERT_GE(g.SquareOffsetX, 0);
        ASSERT_LE(g.SquareOffsetX + g.CaptureCols, g.SquareSize) << w << "x" << h << " z" << z;
        ASSERT_LE(g.SquareOffsetY + g.CaptureRows, g.SquareSize);
        ASSERT_GE(g.CaptureCols * z, w);
        if (g.CaptureCols > 0) {
          ASSERT_EQ(g.SquareOffsetX + g.CenterCol, g.SquareHalf);
        }
      }
}

TEST(ViewGeometry, GridRoundsHalfUpCaptureRoundsUp) {
  struct Case { int w, z, grid, capture; } cases[] = {
      {0, 6, 0, 0}, {2, 6, 0, 1}, {3, 6, 1, 1}, {6, 6, 1, 1}, {9, 6, 2, 2}, {264, 20, 13, 14}, {250, 20, 13, 13},
  };
  for (const auto& c : cases) {
    const ViewGeometry g = ComputeViewGeometry(c.w, 10, c.z, true, 7, 7);
    EXPECT_EQ(g.GridCols, c.grid) << c.w;
    EXPECT_EQ(g.CaptureCols, c.capture) << c.w;
  }
}

TEST(ViewGeometry, ZoomStepsStopAtTheEnds) {
  EXPECT_EQ(StepZoomIndex(0, -1), -1);
  EXPECT_EQ(StepZoomIndex(kZoomStepCount - 1, +1), -1);
  EXPECT_EQ(StepZoomIndex(4, +1), 5);
  EXPECT_EQ(StepZoomIndex(4, -1), 3);
  EXPECT_EQ(kZoomSteps[kDefaultZoomIndex], 6);
}

}  // namespace
}  // namespace zorvik

namespace zorvik {
namespace {

TEST(ViewGeometry, SquareFitsOnlyTheBitmapOfItsOwnSize) {
  const ViewGeometry g = ComputeViewGeometry(264, 192, 6, true, 7, 7);
  EXPECT_TRUE(SquareFits(g, g.SquareSize, g.SquareSize));
  // A bitmap left at an older, smaller size after a failed allocation.
  EXPECT_FALSE(SquareFits(g, g.SquareSize - 1, g.SquareSize));
  EXPECT_FALSE(SquareFits(g, 1, 1));
  // Larger is wrong too: the flip treats the width as the stride.
  EXPECT_FALSE(SquareFits(g, g.SquareSize + 1, g.SquareSize + 1));
  const ViewGeometry huge = ComputeViewGeometry(8000, 6000, 1, false, 0, 0);
  EXPECT_TRUE(SquareFits(huge, huge.SquareSize, huge.SquareSize));
  EXPECT_FALSE(SquareFits(huge, g.SquareSize, g.SquareSize));
}

}  // namespace
}  // namespace zorvik
