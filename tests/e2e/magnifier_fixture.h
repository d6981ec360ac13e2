// The shared fixture of the end-to-end tests: a known pattern on screen, the
// cursor on it, a fresh zorvik.exe, and checks of the magnified cells.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "driver.h"
#include "magnifier/view_geometry.h"

namespace e2e {


inline constexpr int kToolBar = 25;   // default toolbar strip
inline constexpr int kViewBottom = 224 - kToolBar;  // the view keeps the design height
inline constexpr int kRuler = 7;
inline constexpr COLORREF kGridGrey = RGB(0x99, 0x99, 0x99);
inline constexpr COLORREF kSubBlue = RGB(0, 0, 0xFF);
inline constexpr COLORREF kSubGreen = RGB(0, 0x80, 0);

class MagnifierTest : public ::testing::Test {
protected:
  void SetUp() override {
    pattern_ = std::make_unique<PatternWindow>(620, 300, 256, 256);
    cursor_ = POINT{620 + 128, 300 + 128};
    SetCursorPos(cursor_.x, cursor_.y);
    app_ = std::make_unique<Zorvik>();
    ASSERT_TRUE(app_->hwnd()) << "zorvik.exe did not open its window";
    Pump(300);
  }
  void TearDown() override {
    if (HasFailure() && app_ && app_->hwnd()) {
      SaveBmp(ReadScreen(app_->ClientOnScreen()), ExeDir() + L"e2e-failure.bmp");
    }
    app_.reset();
    pattern_.reset();
  }

  zorvik::ViewGeometry Geometry(int zoom, bool grid = true) const {
    const SIZE c = app_->ClientSize();
    const int m = grid ? kRuler : 0;
    return zorvik::ComputeViewGeometry(c.cx - m, kViewBottom - m, zoom, grid, m, m);
  }
  // The view below the toolbar, as on screen.
  Shot View() const {
    RECT r = app_->ClientOnScreen();
    r.top += kToolBar;
    return ReadScreen(r);
  }
  // Checks that view cell (col, row) is a solid block of the screen pixel it stands for.
  void ExpectCell(const Shot& v, const zorvik::ViewGeometry& g, int col, int row, int dxScreen, int dyScreen) {
    const COLORREF want = pattern_->ScreenColour(cursor_.x + dxScreen, cursor_.y + dyScreen);
    const int z = g.ZoomFactor, lines = g.MarkerMargin == 2 ? 1 : 0;
    const int x0 = g.ViewLeft + col * z, y0 = g.ViewTop + row * z;
    // The centre cell's inner pixels are clean; elsewhere stay one pixel off
    // the edges, where the grid line and the marker ring may run.
    const bool centre = col == g.CenterCol && row == g.CenterRow;
    const int a = centre ? lines : lines + 1, e = centre ? 0 : 1;
    for (int y = y0 + a; y < y0 + z - e; ++y)
      for (int x = x0 + a; x < x0 + z - e; ++x)
        ASSERT_EQ(Hex(v.At(x, y)), Hex(want)) << "cell " << col << "," << row << " pixel " << x << "," << y;
  }
  static COLORREF Invert(COLORREF c) { return RGB(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c)); }

  std::unique_ptr<PatternWindow> pattern_;
  std::unique_ptr<Zorvik> app_;
  POINT cursor_{};
};

// The same with the program's window in front, for tests that type keys.
class FocusedMagnifierTest : public MagnifierTest {
protected:
  void SetUp() override {
    MagnifierTest::SetUp();
    if (HasFatalFailure()) return;
    SetForegroundWindow(app_->hwnd());
    Pump(150);
  }
};

}  // namespace e2e
