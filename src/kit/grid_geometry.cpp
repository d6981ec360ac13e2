#include "kit/grid_geometry.h"

#include <algorithm>
#include <cstdlib>

namespace zorvik::kit {

int GridGeometry::ColLeft(int col) const {
  int x = 0;
  for (int c = 0; c < col && c < static_cast<int>(colWidths.size()); ++c) x += colWidths[c] + lineWidth;
  return x;
}

int GridGeometry::ColumnsWidth() const { return ColLeft(static_cast<int>(colWidths.size())); }

int GridGeometry::ColumnAt(int x) const {
  if (x < 0) return -1;
  int left = 0;
  for (int c = 0; c < static_cast<int>(colWidths.size()); ++c) {
    left += colWidths[c] + lineWidth;
    if (x < left) return c;
  }
  return -1;
}

int GridGeometry::BorderAt(int x, int slop) const {
  int best = -1, bestDistance = slop;
  int edge = 0;
  for (int c = 0; c < static_cast<int>(colWidths.size()); ++c) {
    edge += colWidths[c];
    const int distance = std::abs(x - edge);
    if (distance <= bestDistance) {
      best = c;
      bestDistance = distance;
    }
    edge += lineWidth;
  }
  return best;
}

int GridGeometry::RowAt(int y) const {
  const int pitch = rowHeight + lineWidth;
  if (y < 0 || pitch <= 0) return -1;
  const int slot = y / pitch;
  if (slot == 0) return 0;
  const int row = topRow + slot - 1;
  return row < rowCount ? row : -1;
}

int GridGeometry::RowTop(int row) const {
  const int pitch = rowHeight + lineWidth;
  return row == 0 ? 0 : (row - topRow + 1) * pitch;
}

int GridGeometry::FullyVisibleRows() const {
  const int pitch = rowHeight + lineWidth;
  if (pitch <= 0) return 1;
  return std::max(1, (clientHeight - pitch) / pitch);
}

int GridGeometry::MaxTopRow() const { return std::max(1, rowCount - FullyVisibleRows()); }

int GridGeometry::TopRowShowing(int row) const {
  int top = topRow;
  if (row >= 1 && row < top) top = row;
  else if (row >= top + FullyVisibleRows()) top = row - FullyVisibleRows() + 1;
  return std::clamp(top, 1, MaxTopRow());
}

int GridGeometry::Navigate(int row, GridKey key) const {
  const int last = rowCount - 1;
  if (last < 1) return 0;
  const int page = FullyVisibleRows();
  switch (key) {
    case GridKey::Up: row = row - 1; break;
    case GridKey::Down: row = row + 1; break;
    case GridKey::PageUp: row = row - page; break;
    case GridKey::PageDown: row = row + page; break;
    case GridKey::Home: row = 1; break;
    case GridKey::End: row = last; break;
  }
  return std::clamp(row, 1, last);
}

}  // namespace zorvik::kit
