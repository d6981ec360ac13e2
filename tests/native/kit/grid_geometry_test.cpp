#include "kit/grid_geometry.h"

#include <gtest/gtest.h>

namespace zorvik::kit {
namespace {

// Three columns of 40, 60 and 30 pixels, rows of 15 with 1-pixel lines:
// the header takes y 0-15, data row topRow y 16-31, and so on.
GridGeometry Sample(int rows, int clientHeight) {
  GridGeometry g;
  g.colWidths = {40, 60, 30};
  g.rowHeight = 15;
  g.lineWidth = 1;
  g.rowCount = rows;
  g.clientWidth = 200;
  g.clientHeight = clientHeight;
  return g;
}

TEST(GridGeometry, ColumnsAndRowsUnderAPoint) {
  GridGeometry g = Sample(30, 16 * 6);  // header + 5 data rows
  EXPECT_EQ(g.ColLeft(1), 41);
  EXPECT_EQ(g.ColumnsWidth(), 133);
  struct {
    int x, col;
  } cols[] = {{0, 0}, {40, 0}, {41, 1}, {101, 1}, {102, 2}, {132, 2}, {133, -1}, {-1, -1}};
  for (auto c : cols) EXPECT_EQ(g.ColumnAt(c.x), c.col) << c.x;
  EXPECT_EQ(g.RowAt(0), 0);
  EXPECT_EQ(g.RowAt(15), 0);  // the header's line
  EXPECT_EQ(g.RowAt(16), 1);
  g.topRow = 10;
  EXPECT_EQ(g.RowAt(16), 10);
  EXPECT_EQ(g.RowAt(40), 11);
  EXPECT_EQ(g.RowTop(11), 32);
  g.rowCount = 11;
  EXPECT_EQ(g.RowAt(40), -1);  // below the last row
}

TEST(GridGeometry, BorderHitsPreferTheNearestEdgeThenTheLaterColumn) {
  GridGeometry g = Sample(3, 100);
  EXPECT_EQ(g.BorderAt(40, 3), 0);
  EXPECT_EQ(g.BorderAt(43, 3), 0);
  EXPECT_EQ(g.BorderAt(44, 3), -1);
  EXPECT_EQ(g.BorderAt(100, 3), 1);  // edge of column 1 is at 41 + 60 = 101
  g.colWidths = {40, 0, 30};         // column 1 dragged to nothing: its edge is 41
  EXPECT_EQ(g.BorderAt(41, 3), 1);
}

TEST(GridGeometry, KeysMoveTheSelectionWithinTheDataRows) {
  const GridGeometry g = Sample(21, 16 * 6);  // 20 data rows, 5 visible
  struct {
    int from;
    GridKey key;
    int to;
  } cases[] = {
      {3, GridKey::Up, 2},       {1, GridKey::Up, 1},       {0, GridKey::Down, 1},  {20, GridKey::Down, 20},
      {3, GridKey::PageDown, 8}, {18, GridKey::PageDown, 20}, {7, GridKey::PageUp, 2}, {3, GridKey::PageUp, 1},
      {9, GridKey::Home, 1},     {2, GridKey::End, 20},
  };
  for (auto c : cases) EXPECT_EQ(g.Navigate(c.from, c.key), c.to) << c.from;
  EXPECT_EQ(Sample(1, 100).Navigate(0, GridKey::Down), 0);  // header only: nothing to select
}

TEST(GridGeometry, ScrollingBringsARowIntoViewAndStopsAtTheEnd) {
  GridGeometry g = Sample(21, 16 * 6);
  EXPECT_EQ(g.FullyVisibleRows(), 5);
  EXPECT_EQ(g.MaxTopRow(), 16);
  EXPECT_EQ(g.TopRowShowing(3), 1);
  EXPECT_EQ(g.TopRowShowing(6), 2);
  EXPECT_EQ(g.TopRowShowing(20), 16);
  g.topRow = 10;
  EXPECT_EQ(g.TopRowShowing(4), 4);
  EXPECT_EQ(g.TopRowShowing(12), 10);
}

}  // namespace
}  // namespace zorvik::kit
