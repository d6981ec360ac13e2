// End-to-end: pause, update, fixed point and moving the capture point.
#include "magnifier_fixture.h"

using namespace e2e;

namespace {

class CaptureModesTest : public FocusedMagnifierTest {
protected:
  // The centre cell shows the screen pixel at offset (dx, dy) from point p,
  // in the pattern variant v.
  void ExpectCentreShows(POINT p, int v) {
    const auto g = Geometry(6);
    const Shot s = View();
    const int x = g.CursorCellX + 1, y = g.CursorCellY + 1;
    EXPECT_EQ(Hex(s.At(x, y)), Hex(PatternWindow::ColourAt(p.x - pattern_->x(), p.y - pattern_->y(), v)));
  }
  // Loupe mode on with the window at (x, y): the middle of the view, in
  // screen coordinates, is what it captures.
  POINT LoupeAt(int x, int y) {
    SetWindowPos(app_->hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump(500);
    const RECT c = app_->ClientOnScreen();
    const SIZE cs = app_->ClientSize();
    const int infoHeight = cs.cy - 224;
    return POINT{c.left - 1 + kRuler + (cs.cx - kRuler + 1) / 2,
                 c.top - 1 + kToolBar + kRuler + (cs.cy - kToolBar - kRuler - infoHeight + 1) / 2};
  }
};

TEST_F(CaptureModesTest, PauseFreezesTheViewUntilUpdate) {
  Tap(VK_ESCAPE);  // pause
  pattern_->SetVariant(1);
  SetCursorPos(cursor_.x + 20, cursor_.y + 10);  // the frozen view does not follow the cursor
  Pump(400);
  ExpectCentreShows(cursor_, 0);
  ASSERT_TRUE(app_->Command("Action_Capture_Update"));  // update: the picture is taken again
  ExpectCentreShows(cursor_, 1);
  Tap(VK_ESCAPE);  // live again: follows the cursor
  Pump(300);
  ExpectCentreShows(POINT{cursor_.x + 20, cursor_.y + 10}, 1);
}

TEST_F(CaptureModesTest, FixedPointStaysAndArrowKeysMoveIt) {
  Tap('F');
  SetCursorPos(cursor_.x + 40, cursor_.y - 30);
  Pump(400);
  ExpectCentreShows(cursor_, 0);
  Tap(VK_RIGHT, {VK_SHIFT});  // 10 pixels
  Tap(VK_DOWN);               // 1 pixel
  ExpectCentreShows(POINT{cursor_.x + 10, cursor_.y + 1}, 0);
  Tap('F');  // back to following the cursor
  Pump(300);
  ExpectCentreShows(POINT{cursor_.x + 40, cursor_.y - 30}, 0);
}

TEST_F(CaptureModesTest, WithMirroringTheLeftKeyMovesTheCapturePointRight) {
  ASSERT_TRUE(app_->Command("Action_Test_FlipHorizontal"));
  Tap('F');
  Tap(VK_LEFT);
  // The picture is mirrored: the centre still shows the capture point itself.
  const auto g = Geometry(6);
  const Shot s = View();
  EXPECT_EQ(Hex(s.At(g.CursorCellX + 1, g.CursorCellY + 1)), Hex(pattern_->ScreenColour(cursor_.x + 1, cursor_.y)));
}

TEST_F(CaptureModesTest, ArrowKeysMoveTheCursorWhenLive) {
  Tap(VK_LEFT);
  Tap(VK_DOWN, {VK_SHIFT});
  POINT c;
  GetCursorPos(&c);
  EXPECT_LE(c.x, cursor_.x - 1);  // left also nudges with a relative move, which may accelerate
  EXPECT_EQ(c.y, cursor_.y + 10);
}

TEST_F(CaptureModesTest, CtrlClickInFixedModeMovesTheCapturePointToTheCell) {
  Tap('F');
  const auto g = Geometry(6);
  const RECT c = app_->ClientOnScreen();
  // Three cells right of the centre: close enough to move at once.
  const POINT target{c.left + g.ViewLeft + (g.CenterCol + 3) * 6 + 3, c.top + kToolBar + g.ViewTop + g.CenterRow * 6 + 3};
  SetCursorPos(target.x, target.y);
  Pump(100);
  KeyDown(VK_CONTROL);
  INPUT in[2]{};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, in, sizeof(INPUT));
  Pump(300);
  KeyUp(VK_CONTROL);
  Pump(300);
  ExpectCentreShows(POINT{cursor_.x + 3, cursor_.y}, 0);
}

}  // namespace

namespace {

// The loupe's capture point is the middle of the view in screen
// coordinates; the copied screen position tells it without reading pixels,
// so this runs under Wine too.
TEST_F(CaptureModesTest, LoupeModeCapturesTheMiddleOfTheView) {
  ASSERT_TRUE(app_->Command("Action_Capture_Lupe"));
  for (const POINT at : {POINT{560, 260}, POINT{500, 240}}) {  // moving the window moves the point
    const POINT p = LoupeAt(at.x, at.y);
    ClearClipboard();
    ASSERT_TRUE(app_->Command("Action_Copy_PosScreen"));
    EXPECT_EQ(ClipboardUnicode(), std::to_wstring(p.x) + L"," + std::to_wstring(p.y));
  }
}

TEST_F(CaptureModesTest, LoupeModeShowsWhatLiesUnderTheWindow) {
  if (UnderWine()) GTEST_SKIP() << "Wine's screen copy includes layered windows, so no lens can see past itself";
  ASSERT_TRUE(app_->Command("Action_Capture_Lupe"));
  // Put the window over the pattern; the view's middle lies over a known pixel.
  ExpectCentreShows(LoupeAt(560, 260), 0);
}

}  // namespace

namespace {

void LeftButton(bool down) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &in, sizeof in);
  Pump(80);
}

TEST_F(CaptureModesTest, SpaceSetsTheLengthOriginAndShowsTheLengthLine) {
  Tap(VK_SPACE);
  SetCursorPos(cursor_.x + 10, cursor_.y - 5);
  Pump(300);
  ClearClipboard();
  ASSERT_TRUE(app_->Command("Action_Copy_PosLength"));  // copy the length: inclusive pixel counts
  EXPECT_EQ(ClipboardUnicode(), L"11,6");
  ClearClipboard();
  ASSERT_TRUE(app_->Command("Action_Copy_PosScreen"));
  EXPECT_EQ(ClipboardUnicode(), std::to_wstring(cursor_.x + 10) + L"," + std::to_wstring(cursor_.y - 5));
}

TEST_F(CaptureModesTest, DraggingTheViewPansAFixedPicture) {
  Tap('F');
  const RECT c = app_->ClientOnScreen();
  const POINT from{c.left + 100, c.top + 100};
  SetCursorPos(from.x, from.y);
  Pump(100);
  LeftButton(true);
  SetCursorPos(from.x + 6, from.y);
  Pump(100);
  SetCursorPos(from.x + 12, from.y + 18);  // two cells right, three down
  Pump(200);
  LeftButton(false);
  Pump(300);
  ExpectCentreShows(POINT{cursor_.x - 2, cursor_.y - 3}, 0);  // the picture follows the pointer
}

TEST_F(CaptureModesTest, CaptureMoveButtonsStepTheFixedPoint) {
  Tap('F');
  const RECT c = app_->ClientOnScreen();
  const SIZE s = app_->ClientSize();
  const int infoTop = 224 - kToolBar;  // the view keeps the design height
  const POINT right{c.left + s.cx - 56 + 3 * 14 + 7, c.top + kToolBar + infoTop + 1 + 7};
  SetCursorPos(right.x, right.y);
  Pump(100);
  LeftButton(true);
  LeftButton(false);  // released at once: one step
  Pump(300);
  ExpectCentreShows(POINT{cursor_.x + 1, cursor_.y}, 0);
}

}  // namespace
