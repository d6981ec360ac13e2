// End-to-end: the main window at the screen's DPI. The test script runs this
// suite twice: in the usual prefix (96 dpi) and in one set to 144 dpi. The
// information font, lines, toolbar strip and the window grow by DPI/96; one
// screen pixel stays a z x z block of the view at any DPI.
#include "magnifier_fixture.h"

using namespace e2e;

namespace {

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

int ChildHeight(HWND parent, const wchar_t* text) {
  HWND child = FindWindowExW(parent, nullptr, nullptr, text);
  RECT r{};
  if (child) GetWindowRect(child, &r);
  return r.bottom - r.top;
}

class DpiTest : public MagnifierTest {
protected:
  int Scaled(int designPixels) const { return MulDiv(designPixels, dpi_, 96); }
  const int dpi_ = ScreenDpi();
};

TEST_F(DpiTest, TheWindowGrowsWithTheDpiAndPixelsStayExact) {
  SaveBmp(ReadScreen(RECT{0, 0, 900, 700}), ExeDir() + L"shot-dpi-" + std::to_wstring(dpi_) + L".bmp");
  // The design client width, and the toolbar strip (24-pixel buttons and a
  // one-pixel line at 96 dpi).
  const SIZE c = app_->ClientSize();
  EXPECT_EQ(c.cx, Scaled(271));
  const int toolBar = ChildHeight(app_->hwnd(), L"Panel_ToolBar");
  EXPECT_EQ(toolBar, Scaled(24) + 1);

  // An information line is as tall as the font makes it (1.2 times the
  // height of "A", plus one), and the font is the 12-pixel design font grown
  // by the DPI (15 pixels at 96 dpi with the test prefix's fonts).
  const int h0 = app_->ClientSize().cy;
  ASSERT_TRUE(app_->Command("Action_Color_HSV"));
  const int line = app_->ClientSize().cy - h0;
  HFONT font = CreateFontW(-Scaled(12), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, L"ＭＳ ゴシック");
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE a{};
  GetTextExtentPoint32W(dc, L"A", 1, &a);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  EXPECT_EQ(line, static_cast<int>(1.2 * a.cy) + 1);
  EXPECT_GE(line, 15 * dpi_ / 96);  // never smaller than the design line grown by the DPI
  ASSERT_TRUE(app_->Command("Action_Color_HSV"));
  EXPECT_EQ(app_->ClientSize().cy, h0);

  // The view keeps the design height below the strip; its cells are still
  // solid 6 x 6 blocks of the screen pixels they stand for.
  const int viewHeight = Scaled(224) - toolBar;
  const auto g = zorvik::ComputeViewGeometry(c.cx - kRuler, viewHeight - kRuler, 6, true, kRuler, kRuler);
  RECT r = app_->ClientOnScreen();
  r.top += toolBar;
  const Shot v = ReadScreen(r);
  for (int dy = -2; dy <= 2; ++dy)
    for (int dx = -2; dx <= 2; ++dx) ExpectCell(v, g, g.CenterCol + dx, g.CenterRow + dy, dx, dy);
}

}  // namespace
