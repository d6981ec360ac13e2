// Run on a desktop with a second monitor left of the primary (640x480 at
// x = -640, primary 800x600); skipped elsewhere.
#include <gtest/gtest.h>

#include "magnifier/main_window.h"
#include "platform/screen_size.h"
#include "platform/optional_functions.h"
#include "win_support.h"

namespace zorvik {
namespace {

class TwoMonitors : public ::testing::Test {
protected:
  void SetUp() override {
    LoadOptionalFunctions();
    ScreenSize().Refresh();
    if (ScreenSize().Count() != 2) GTEST_SKIP() << "needs two monitors";
  }
  static void PressShift(bool down) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = VK_SHIFT;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(VK_SHIFT, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &in, sizeof in);
    wintest::Pump(100);
  }
};

TEST_F(TwoMonitors, ListAndVirtualScreen) {
  TMyScreenSize& s = ScreenSize();
  EXPECT_EQ(s.VirtualLeft(), -640);
  EXPECT_EQ(s.VirtualWidth(), 1440);
  EXPECT_EQ(s.VirtualHeight(), 600);
  POINT rel;
  const int left = s.MonitorOfPoint(POINT{-1, 10}, &rel);
  EXPECT_GT(left, 0);
  EXPECT_EQ(rel.x, 639);
  EXPECT_NE(left, s.MonitorOfPoint(POINT{0, 10}));
  EXPECT_EQ(s.MonitorOfPoint(POINT{-10, 500}), 0);  // below the shorter monitor
}

TEST_F(TwoMonitors, EnsureOnScreenKeepsAWindowOnTheLeftMonitor) {
  HWND w = wintest::MakeWindow(-500, 100, 200, 100);
  ScreenSize().EnsureOnScreen(w);
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, -500);
  SetWindowPos(w, nullptr, -600, 520, 0, 0, SWP_NOSIZE | SWP_NOZORDER);  // under the left monitor only
  ScreenSize().EnsureOnScreen(w);
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  DestroyWindow(w);
}

TEST_F(TwoMonitors, CaptureReadsTheLeftMonitor) {
  TApp_Zorvik app;
  SetCursorPos(-300, 200);
  app.settingsFile.clear();
  ASSERT_TRUE(app.CreateMainWindow());
  RECT w;
  GetWindowRect(app.Handle(), &w);
  EXPECT_EQ(w.left, -640 + 75);  // opens on the monitor under the cursor
  EXPECT_EQ(w.top, 75);
  // A known colour on the left monitor shows up as the captured colour.
  HWND probe = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, -320, 380,
                               40, 40, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  HDC dc = GetDC(probe);
  wintest::Pump(100);
  HBRUSH b = CreateSolidBrush(RGB(12, 200, 99));
  RECT pr{0, 0, 40, 40};
  FillRect(dc, &pr, b);
  DeleteObject(b);
  ReleaseDC(probe, dc);
  wintest::Pump(100);
  app.CaptureAndPaint(POINT{-300, 400});
  EXPECT_EQ(app.Current().ColorRef, static_cast<int32_t>(RGB(12, 200, 99)));
  DestroyWindow(probe);
}

TEST_F(TwoMonitors, MonitorMoveWithAndWithoutShift) {
  TApp_Zorvik app;
  SetCursorPos(100, 100);
  app.settingsFile.clear();
  ASSERT_TRUE(app.CreateMainWindow());
  kit::Action* move = app.ActionByName("Action_Move_Monitor");
  RECT r;
  move->Execute();  // without Shift: the primary's origin
  GetWindowRect(app.Handle(), &r);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  const int first = ScreenSize().MonitorNumberOfWindow(app.Handle());
  PressShift(true);
  move->Execute();  // with Shift: the next monitor's corner
  PressShift(false);
  GetWindowRect(app.Handle(), &r);
  const int second = ScreenSize().MonitorNumberOfWindow(app.Handle());
  EXPECT_NE(first, second);
  const RECT m = ScreenSize().MonitorRect(second - 1);
  EXPECT_EQ(r.left, m.left);
  EXPECT_EQ(r.top, m.top);
  PressShift(true);
  move->Execute();  // and round again
  PressShift(false);
  EXPECT_EQ(ScreenSize().MonitorNumberOfWindow(app.Handle()), first);
}

}  // namespace
}  // namespace zorvik
