// Where the cells of a grid lie: columns from the left edge, a fixed header
// row on top, data rows under it from the top row on, every column and row
// followed by a grid line. Hit tests, scrolling and key moves of the row
// selection. Platform-free; kit::Grid draws and handles input with it.
#pragma once
#include <vector>

namespace zorvik::kit {

enum class GridKey { Up, Down, PageUp, PageDown, Home, End };

struct GridGeometry {
  std::vector<int> colWidths;
  int rowHeight = 15;  // the header row and every data row
  int lineWidth = 1;
  int rowCount = 1;    // including the header row 0
  int topRow = 1;      // first data row shown under the header
  int clientWidth = 0, clientHeight = 0;

  int ColLeft(int col) const;
  int ColumnsWidth() const;  // every column with its line
  int ColumnAt(int x) const;  // -1 left of 0 or right of the last column
  // The column whose right edge lies within `slop` pixels of x (the nearest;
  // on a tie the later one, so a column dragged down to 0 can be widened
  // again), -1 when none.
  int BorderAt(int x, int slop) const;
  int RowAt(int y) const;   // 0 header, a data row, -1 below the last row or above the top
  int RowTop(int row) const;  // client y of a row's top (negative above the top row)
  int FullyVisibleRows() const;  // data rows that fit whole below the header, at least 1
  int MaxTopRow() const;
  int TopRowShowing(int row) const;  // top row after scrolling `row` into view
  // The selected row after a key press; 0 when the grid has no data rows.
  int Navigate(int row, GridKey key) const;
};

}  // namespace zorvik::kit
