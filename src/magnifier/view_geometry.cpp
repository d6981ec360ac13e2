#include "magnifier/view_geometry.h"

#include <algorithm>

namespace zorvik {

int MarkerMarginFor(bool gridShown, int zoom) { return gridShown && zoom > 2 ? 2 : 1; }

ViewGeometry ComputeViewGeometry(int viewWidth, int viewHeight, int zoom,
                                 bool gridShown, int viewLeft, int viewTop) {
  ViewGeometry g;
  const int z = std::max(1, zoom);
  const int w = std::max(0, viewWidth), h = std::max(0, viewHeight);
  g.ZoomFactor = z;
  g.GridShown = gridShown;
  g.ViewLeft = viewLeft;
  g.ViewTop = viewTop;
  g.ViewWidth = w;
  g.ViewHeight = h;
  // floor(w/z + 1/2) == (2w + z) div 2z for non-negative values.
  g.GridCols = (2 * w + z) / (2 * z);
  g.GridRows = (2 * h + z) / (2 * z);
  g.CaptureCols = (w + z - 1) / z;
  g.CaptureRows = (h + z - 1) / z;
  g.CenterCol = (g.CaptureCols + 1) / 2 - 1;
  g.CenterRow = (g.CaptureRows + 1) / 2 - 1;
  int s = std::max(g.CaptureCols, g.CaptureRows);
  if (s % 2 == 0) ++s;
  g.SquareSize = s;
  g.SquareHalf = (s + 1) / 2 - 1;
  g.SquareOffsetX = g.SquareHalf - g.CenterCol;
  g.SquareOffsetY = g.SquareHalf - g.CenterRow;
  g.StretchSize = s * z;
  g.MarkerMargin = MarkerMarginFor(gridShown, z);
  const int d = g.MarkerMargin == 2 ? 1 : 0;
  g.CursorCellX = g.CenterCol * z + viewLeft + d;
  g.CursorCellY = g.CenterRow * z + viewTop + d;
  return g;
}

int StepZoomIndex(int index, int direction) {
  const int next = index + direction;
  if (direction == 0 || next < 0 || next >= kZoomStepCount) return -1;
  return next;
}

bool SquareFits(const ViewGeometry& g, int squareW, int squareH) {
  if (g.SquareSize < 1 || squareW != g.SquareSize || squareH != g.SquareSize) return false;
  if (g.SquareOffsetX < 0 || g.SquareOffsetY < 0 || g.CaptureCols < 0 || g.CaptureRows < 0) return false;
  return static_cast<long long>(g.SquareOffsetX) + g.CaptureCols <= squareW &&
         static_cast<long long>(g.SquareOffsetY) + g.CaptureRows <= squareH;
}

}  // namespace zorvik
