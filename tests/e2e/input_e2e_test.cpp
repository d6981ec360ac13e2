// End-to-end: keys, gestures and menus on the real window.
#include "magnifier_fixture.h"

using namespace e2e;

namespace {

class InputTest : public FocusedMagnifierTest {
protected:
  // A point inside the view, away from the pattern (the capture moves with it).
  POINT ViewPoint(int dx, int dy) const {
    const RECT c = app_->ClientOnScreen();
    return POINT{c.left + 130 + dx, c.top + 110 + dy};
  }
  void CloseMenus() {
    for (int i = 0; i < 4 && VisiblePopupMenu(); ++i) Tap(VK_ESCAPE);
  }
};

TEST_F(InputTest, PageKeysZoomWithShiftAndCtrlIgnoredAndAltDisablingThem) {
  Tap(VK_PRIOR);
  ExpectCell(View(), Geometry(8), Geometry(8).CenterCol, Geometry(8).CenterRow, 0, 0);
  Tap(VK_PRIOR, {VK_SHIFT});
  Tap(VK_PRIOR, {VK_CONTROL});
  Tap(VK_PRIOR, {VK_SHIFT, VK_CONTROL});
  {
    const auto g = Geometry(16);
    ExpectCell(View(), g, g.CenterCol + 1, g.CenterRow, 1, 0);
  }
  Tap(VK_PRIOR, {VK_MENU});  // Alt disables the bindings
  {
    const auto g = Geometry(16);
    ExpectCell(View(), g, g.CenterCol, g.CenterRow + 1, 0, 1);
  }
  Tap(VK_NEXT);
  const auto g = Geometry(12);
  ExpectCell(View(), g, g.CenterCol - 1, g.CenterRow, -1, 0);
}

TEST_F(InputTest, HoldingOneShowsActualSizeUntilReleased) {
  KeyDown('1');
  Pump(200);
  {
    const auto g = Geometry(1);
    const Shot v = View();
    EXPECT_EQ(Hex(v.At(g.CursorCellX + 9, g.CursorCellY + 3)), Hex(pattern_->ScreenColour(cursor_.x + 9, cursor_.y + 3)));
  }
  Tap(VK_PRIOR);  // zoom keys do nothing meanwhile
  KeyUp('1');
  Pump(200);
  const auto g = Geometry(6);
  ExpectCell(View(), g, g.CenterCol + 2, g.CenterRow + 2, 2, 2);
}

TEST_F(InputTest, RightClickAndAppsKeyOpenThePopupMenu) {
  const POINT p = ViewPoint(0, 0);
  RightDrag(p, p);
  HWND menu = VisiblePopupMenu();
  ASSERT_NE(menu, nullptr);
  RECT r;
  GetWindowRect(menu, &r);
  EXPECT_NEAR(r.left, p.x, 4);  // opens where the pointer is
  CloseMenus();
  ASSERT_EQ(VisiblePopupMenu(), nullptr);
  SetForegroundWindow(app_->hwnd());
  Tap(VK_APPS);
  EXPECT_NE(VisiblePopupMenu(), nullptr);
  CloseMenus();
  // A short drag (within three double-click widths) is still a click.
  RightDrag(p, POINT{p.x + 5, p.y + 3});
  EXPECT_NE(VisiblePopupMenu(), nullptr);
  CloseMenus();
}

// Esc closes the popup menu on its press; its release then reaches the main
// window, which must not take it for the pause key.
TEST_F(InputTest, TheEscThatClosesAMenuDoesNotPause) {
  Tap(VK_APPS);
  ASSERT_NE(VisiblePopupMenu(), nullptr);
  Tap(VK_ESCAPE);
  Pump(200);
  ASSERT_EQ(VisiblePopupMenu(), nullptr);
  SetCursorPos(cursor_.x + 7, cursor_.y + 5);  // a live view follows the cursor
  Pump(400);
  const auto g = Geometry(6);
  ExpectCell(View(), g, g.CenterCol, g.CenterRow, 7, 5);
  Tap(VK_ESCAPE);  // a whole press still pauses
  SetCursorPos(cursor_.x, cursor_.y);
  Pump(400);
  ExpectCell(View(), g, g.CenterCol, g.CenterRow, 7, 5);
}

TEST_F(InputTest, GesturesRunTheirCommands) {
  HWND h = app_->hwnd();
  RightDrag(ViewPoint(0, 40), ViewPoint(0, -60));  // up: stay on top
  EXPECT_TRUE(GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(VisiblePopupMenu(), nullptr);
  RightDrag(ViewPoint(0, 40), ViewPoint(0, -60));
  EXPECT_FALSE(GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_TOPMOST);
  RightDrag(ViewPoint(80, 0), ViewPoint(-100, 10));  // left: grid off
  SetCursorPos(cursor_.x, cursor_.y);
  Pump(300);
  const auto g = Geometry(6, false);
  ExpectCell(View(), g, g.CenterCol + 1, g.CenterRow, 1, 0);
}

TEST_F(InputTest, MenuItemsRunTheirCommands) {
  const POINT p = ViewPoint(0, 0);
  RightDrag(p, p);
  ASSERT_NE(VisiblePopupMenu(), nullptr);
  // First section: zoom; its submenu; the last step (20x).
  ASSERT_TRUE(MenuKey(VK_DOWN));
  ASSERT_TRUE(MenuKey(VK_RIGHT));
  ASSERT_TRUE(MenuKey(VK_END));
  Tap(VK_RETURN);
  EXPECT_EQ(VisiblePopupMenu(), nullptr);
  SetCursorPos(cursor_.x, cursor_.y);
  Pump(300);
  const auto g = Geometry(20);
  ExpectCell(View(), g, g.CenterCol, g.CenterRow - 1, 0, -1);
}

}  // namespace

namespace {

void Click(POINT p, DWORD down, DWORD up) {
  SetCursorPos(p.x, p.y);
  Pump(80);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = down;
  SendInput(1, &in, sizeof in);
  Pump(60);
  in.mi.dwFlags = up;
  SendInput(1, &in, sizeof in);
  Pump(300);
}

TEST_F(InputTest, ToolBarButtonsOpenTheirMenus) {
  const RECT c = app_->ClientOnScreen();
  // The second default button is the colour-information menu: a drop-down.
  Click(POINT{c.left + 25 + 12, c.top + 12}, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  EXPECT_NE(VisiblePopupMenu(), nullptr);
  CloseMenus();
  // A right click on the grid button opens the grid section's menu.
  Click(POINT{c.left + 12, c.top + 12}, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  EXPECT_NE(VisiblePopupMenu(), nullptr);
  CloseMenus();
  // The grid button toggles the grid.
  Click(POINT{c.left + 12, c.top + 12}, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  SetCursorPos(cursor_.x, cursor_.y);
  Pump(800);  // the view redrawn without the grid also on a loaded machine
  const auto g = Geometry(6, false);
  ExpectCell(View(), g, g.CenterCol, g.CenterRow, 0, 0);
}

TEST_F(InputTest, LargeIconsGrowTheToolBar) {
  const SIZE before = app_->ClientSize();
  ASSERT_TRUE(app_->Command("Action_Opt_LargeIcon"));
  // Buttons 24 -> 42 high: the strip takes the room from the view, the window keeps its size.
  EXPECT_EQ(app_->ClientSize().cy, before.cy);
  HWND strip = FindWindowExW(app_->hwnd(), nullptr, nullptr, L"Panel_ToolBar");
  ASSERT_NE(strip, nullptr);
  RECT r;
  GetWindowRect(strip, &r);
  EXPECT_EQ(r.bottom - r.top, 43);
  SaveBmp(ReadScreen(RECT{60, 60, 400, 200}), ExeDir() + L"shot-large-icons.bmp");
}

}  // namespace

namespace {

TEST_F(InputTest, DraggingTheToolBarsEmptyAreaMovesTheWindow) {
  RECT before;
  GetWindowRect(app_->hwnd(), &before);
  const RECT c = app_->ClientOnScreen();
  const POINT from{c.left + 240, c.top + 12};  // right of the five buttons
  SetCursorPos(from.x, from.y);
  Pump(100);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  SendInput(1, &in, sizeof in);
  Pump(150);
  for (int i = 1; i <= 5; ++i) {
    in.mi.dwFlags = MOUSEEVENTF_MOVE;
    in.mi.dx = 10;
    in.mi.dy = 6;
    SendInput(1, &in, sizeof in);
    Pump(60);
  }
  in.mi.dx = in.mi.dy = 0;
  in.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(1, &in, sizeof in);
  Pump(300);
  RECT after;
  GetWindowRect(app_->hwnd(), &after);
  EXPECT_GT(after.left, before.left + 20);
  EXPECT_GT(after.top, before.top + 10);
}

}  // namespace
