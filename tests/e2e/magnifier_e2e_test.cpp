// End-to-end: the real program magnifies known pixels where it should.
#include "commands/command_table.h"
#include "magnifier_fixture.h"

using namespace e2e;

namespace {

TEST_F(MagnifierTest, OpensAt75PixelsInFromTheMonitorCorner) {
  RECT w;
  GetWindowRect(app_->hwnd(), &w);
  EXPECT_EQ(w.left, 75);
  EXPECT_EQ(w.top, 75);
  wchar_t title[64];
  GetWindowTextW(app_->hwnd(), title, 64);
  EXPECT_STREQ(title, L"Zorvik");
  const SIZE c = app_->ClientSize();
  EXPECT_EQ(c.cx, 271);
  EXPECT_GT(c.cy, 224);  // the information area grows the window below the view
}

// The window and the pattern as a person sees them, saved for looking at.
void SaveDesktop(const wchar_t* name) {
  SaveBmp(ReadScreen(RECT{0, 0, 900, 600}), ExeDir() + name);
}

TEST_F(MagnifierTest, CentreCellAndNeighboursShowTheRightPixelsAtSixTimes) {
  const auto g = Geometry(6);
  const Shot v = View();
  SaveDesktop(L"shot-6x-grid.bmp");
  for (int dy = -3; dy <= 3; ++dy)
    for (int dx = -3; dx <= 3; ++dx) ExpectCell(v, g, g.CenterCol + dx, g.CenterRow + dy, dx, dy);
  // Far corners of the view too.
  ExpectCell(v, g, 0, 0, -g.CenterCol, -g.CenterRow);
  ExpectCell(v, g, g.CaptureCols - 2, g.CaptureRows - 2, g.CaptureCols - 2 - g.CenterCol, g.CaptureRows - 2 - g.CenterRow);
}

TEST_F(MagnifierTest, GridSubGridRulerAndMarkerAreWhereTheyBelong) {
  const auto g = Geometry(6);
  const Shot v = View();
  const int midRow = g.ViewTop + (g.CenterRow + 2) * 6 + 3;  // inside a cell, off the marker
  for (int i = 0; i <= g.GridCols; ++i) {
    const int x = g.ViewLeft + i * 6;
    if (x >= v.width) break;
    const int fromCentre = i - g.CenterCol;
    COLORREF want = kGridGrey;
    if (fromCentre % 5 == 0) want = (fromCentre / 5) % 2 == 0 ? kSubBlue : kSubGreen;
    EXPECT_EQ(Hex(v.At(x, midRow)), Hex(want)) << "vertical line " << i;
  }
  // Ruler: white margin, silver origin tick, red pointer above the centre cell.
  EXPECT_EQ(Hex(v.At(2, 2)), Hex(RGB(255, 255, 255)));
  EXPECT_EQ(Hex(v.At(g.ViewLeft, 0)), Hex(RGB(0xC0, 0xC0, 0xC0)));
  EXPECT_EQ(Hex(v.At(g.CursorCellX + 2, g.ViewTop - 1)), Hex(RGB(255, 0, 0)));
  EXPECT_EQ(Hex(v.At(g.ViewLeft - 1, g.CursorCellY + 2)), Hex(RGB(255, 0, 0)));
  // Marker: the ring just outside the centre cell's inner pixels is inverted.
  EXPECT_EQ(Hex(v.At(g.CursorCellX - 2, g.CursorCellY + 2)),
            Hex(Invert(pattern_->ScreenColour(cursor_.x - 1, cursor_.y))));
  EXPECT_EQ(Hex(v.At(g.CursorCellX + 2, g.CursorCellY + 6)),
            Hex(Invert(pattern_->ScreenColour(cursor_.x, cursor_.y + 1))));
}

TEST_F(MagnifierTest, WheelZoomsThroughTheStepsAndStopsAtTheEnds) {
  app_->Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(100, 100));
  Pump(250);
  {
    const auto g = Geometry(8);
    const Shot v = View();
    ExpectCell(v, g, g.CenterCol, g.CenterRow, 0, 0);
    ExpectCell(v, g, g.CenterCol + 2, g.CenterRow - 1, 2, -1);
  }
  for (int i = 0; i < 8; ++i) app_->Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  Pump(250);
  {
    const auto g = Geometry(20);
    const Shot v = View();
    ExpectCell(v, g, g.CenterCol, g.CenterRow, 0, 0);
    ExpectCell(v, g, g.CenterCol - 1, g.CenterRow + 1, -1, 1);
  }
  for (int i = 0; i < 12; ++i) app_->Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  Pump(250);
  {
    const auto g = Geometry(1);
    const Shot v = View();
    SaveDesktop(L"shot-1x-cross.bmp");
    // Zoom 1 shows a cross through the centre cell instead of cell lines.
    EXPECT_EQ(Hex(v.At(g.CursorCellX, g.ViewTop + 2)), Hex(kSubBlue));
    EXPECT_EQ(Hex(v.At(g.ViewLeft + 2, g.CursorCellY)), Hex(kSubBlue));
    // Off the cross each view pixel is one screen pixel.
    for (int d : {-20, -7, 5, 30})
      EXPECT_EQ(Hex(v.At(g.CursorCellX + d, g.CursorCellY + 3)), Hex(pattern_->ScreenColour(cursor_.x + d, cursor_.y + 3)));
  }
}

TEST_F(MagnifierTest, ZoomCommandAndHorizontalFlip) {
  ASSERT_TRUE(app_->Command("Action_Zoom_12"));
  ASSERT_TRUE(app_->Command("Action_Test_FlipHorizontal"));
  const auto g = Geometry(12);
  const Shot v = View();
  ExpectCell(v, g, g.CenterCol, g.CenterRow, 0, 0);
  ExpectCell(v, g, g.CenterCol + 1, g.CenterRow, -1, 0);  // the pixel left of the point shows on the right
  ExpectCell(v, g, g.CenterCol - 3, g.CenterRow + 2, 3, 2);
  ASSERT_TRUE(app_->Command("Action_Test_Rotate90"));  // quarter turn clockwise
  const Shot r = View();
  ExpectCell(r, g, g.CenterCol + 2, g.CenterRow, 0, -2);  // what was above is now right
}

TEST_F(MagnifierTest, NotSourceCopyInvertsTheView) {
  ASSERT_TRUE(app_->Command("Action_Test_Rop_NOTSRCCOPY"));
  const auto g = Geometry(6);
  const Shot v = View();
  const COLORREF c = pattern_->ScreenColour(cursor_.x, cursor_.y);
  EXPECT_EQ(Hex(v.At(g.CursorCellX + 1, g.CursorCellY + 1)), Hex(Invert(c)));
}

TEST_F(MagnifierTest, GridOffRemovesRulerAndLines) {
  ASSERT_TRUE(app_->Command("Action_Grid_Disp"));
  const auto g = Geometry(6, false);
  const Shot v = View();
  EXPECT_EQ(g.ViewLeft, 0);
  ExpectCell(v, g, g.CenterCol + 1, g.CenterRow + 1, 1, 1);
  ExpectCell(v, g, 0, 0, -g.CenterCol, -g.CenterRow);
}

TEST_F(MagnifierTest, WindowOptions) {
  HWND h = app_->hwnd();
  RECT before;
  GetWindowRect(h, &before);
  app_->Send(WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  Pump(100);
  EXPECT_FALSE(IsZoomed(h));
  RECT after;
  GetWindowRect(h, &after);
  EXPECT_EQ(after.right - after.left, before.right - before.left);

  ASSERT_TRUE(app_->Command("Action_Opt_TitleBar"));  // title bar off: the sizing frame stays
  LONG style = GetWindowLongW(h, GWL_STYLE);
  EXPECT_FALSE((style & WS_CAPTION) == WS_CAPTION);
  EXPECT_TRUE(style & WS_THICKFRAME);
  ASSERT_TRUE(app_->Command("Action_Opt_TitleBar"));
  style = GetWindowLongW(h, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);

  ASSERT_TRUE(app_->Command("Action_Opt_StayOnTop"));
  EXPECT_TRUE(GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_TOPMOST);
  ASSERT_TRUE(app_->Command("Action_Opt_StayOnTop"));
  EXPECT_FALSE(GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_TOPMOST);

  const SIZE withBar = app_->ClientSize();
  ASSERT_TRUE(app_->Command("Action_Opt_ToolBar"));  // toolbar off: the view moves up, the window keeps its size
  const SIZE noBar = app_->ClientSize();
  EXPECT_EQ(noBar.cy, withBar.cy);
}

TEST_F(MagnifierTest, LayoutKeepsTheMinimumSizes) {
  HWND h = app_->hwnd();
  SetWindowPos(h, nullptr, 0, 0, 20, 20, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Pump(300);
  const SIZE c = app_->ClientSize();
  EXPECT_GE(c.cx, 50);
  EXPECT_GE(c.cy, 50 + 10);  // information area + 50
}

TEST_F(MagnifierTest, MoveMonitorFromTheSystemMenuAndCloseWithAltF4) {
  app_->Send(WM_SYSCOMMAND, 201, 0);
  Pump(150);
  RECT w;
  GetWindowRect(app_->hwnd(), &w);
  EXPECT_EQ(w.left, 0);
  EXPECT_EQ(w.top, 0);
  ASSERT_TRUE(app_->Command("Action_File_Exit"));
  Pump(500);
  EXPECT_FALSE(app_->Running());
}

TEST_F(MagnifierTest, TheCursorAtTheScreenCornerDoesNotCrash) {
  SetCursorPos(-5000, -5000);  // clamped by the system to the screen edge
  Pump(300);
  SetCursorPos(cursor_.x, cursor_.y);
  Pump(300);
  EXPECT_TRUE(app_->Running());
  const auto g = Geometry(6);
  ExpectCell(View(), g, g.CenterCol, g.CenterRow, 0, 0);
}

}  // namespace
