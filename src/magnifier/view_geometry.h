// Which screen pixels fill the magnified view, and where the centre cell is.
#pragma once

namespace zorvik {

// The zoom steps offered by the zoom menu, in menu order.
constexpr int kZoomSteps[] = {1, 2, 3, 4, 6, 8, 10, 12, 16, 20};
constexpr int kZoomStepCount = 10;
constexpr int kDefaultZoomIndex = 4;  // 6x

struct ViewGeometry {
  int ZoomFactor = 6;
  int ViewLeft = 0, ViewTop = 0;
  int ViewWidth = 0, ViewHeight = 0;
  int GridCols = 0, GridRows = 0;
  int CaptureCols = 0, CaptureRows = 0;
  int CenterCol = 0, CenterRow = 0;
  int SquareSize = 1, SquareHalf = 0;
  int SquareOffsetX = 0, SquareOffsetY = 0;
  int StretchSize = 0;
  int CursorCellX = 0, CursorCellY = 0;
  int MarkerMargin = 1;
  bool GridShown = false;
};

// 2 when grid lines are drawn (grid shown and zoom above 2), else 1.
int MarkerMarginFor(bool gridShown, int zoom);

// viewLeft/viewTop: 7 with the ruler, else 0. viewWidth/viewHeight are
// clamped at 0; zoom below 1 counts as 1.
ViewGeometry ComputeViewGeometry(int viewWidth, int viewHeight, int zoom,
                                 bool gridShown, int viewLeft, int viewTop);

// Whether a square bitmap of squareW x squareH pixels (stride = width) holds
// every pixel the geometry reads from it; drawing with one that does not
// (an allocation that failed) would read and write past its end.
bool SquareFits(const ViewGeometry& g, int squareW, int squareH);

// Index of the zoom step after moving by direction (+1/-1) from index, or
// -1 when that would leave the list.
int StepZoomIndex(int index, int direction);

}  // namespace zorvik
