// The main window in this process: idle skip, refresh, failures.
#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>
#include <string>

#include "magnifier/main_window.h"
#include "platform/optional_functions.h"
#include "win_support.h"

namespace zorvik {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    LoadOptionalFunctions();
    SetCursorPos(500, 400);
    app_.settingsFile.clear();  // tests never read or write a settings file
    ASSERT_TRUE(app_.CreateMainWindow());
    wintest::Pump(300);
  }
  TApp_Zorvik app_;
};

TEST_F(MainWindowTest, AStillCursorCostsAboutOneCapturePerSecond) {
  wintest::Pump(300);
  const uint64_t before = app_.CaptureCount();
  wintest::Pump(3000);
  const uint64_t still = app_.CaptureCount() - before;
  EXPECT_GE(still, 2u);
  EXPECT_LE(still, 5u);  // not 50: the idle skip
  app_.ActionByName("Action_Capture_SmoothCapture")->Trigger();
  const uint64_t smoothBefore = app_.CaptureCount();
  wintest::Pump(1500);
  EXPECT_GE(app_.CaptureCount() - smoothBefore, 12u);  // every 60 ms tick captures
}

TEST_F(MainWindowTest, RefreshCapturesAtOnceAndOnceMoreSoonAfter) {
  wintest::Pump(1200);
  const uint64_t before = app_.CaptureCount();
  app_.RefreshView();
  EXPECT_EQ(app_.CaptureCount(), before + 1);
  wintest::Pump(400);
  EXPECT_EQ(app_.CaptureCount(), before + 2);
}

TEST_F(MainWindowTest, ZoomStepsStopAtTheEnds) {
  for (int i = 0; i < 15; ++i) app_.StepZoom(+1);
  EXPECT_EQ(app_.Geometry().ZoomFactor, 20);
  EXPECT_TRUE(app_.ActionByName("Action_Zoom_20")->Checked());
  for (int i = 0; i < 15; ++i) app_.StepZoom(-1);
  EXPECT_EQ(app_.Geometry().ZoomFactor, 1);
  EXPECT_TRUE(app_.ActionByName("Action_Zoom_1")->Checked());
  EXPECT_FALSE(app_.ActionByName("Action_Zoom_6")->Checked());
}

TEST_F(MainWindowTest, BlacknessMakesTheReportedColourBlack) {
  app_.ActionByName("Action_Test_Rop_WHITENESS")->Trigger();
  EXPECT_EQ(app_.Current().ColorRef, 0xFFFFFF);
  app_.ActionByName("Action_Test_Rop_BLACKNESS")->Trigger();
  EXPECT_EQ(app_.Current().ColorRef, 0);
  EXPECT_EQ(app_.Current().Html, 0);
}

TEST_F(MainWindowTest, ACaptureOffEveryMonitorIsHarmless) {
  app_.CaptureAndPaint(POINT{-100000, -100000});
  app_.CaptureAndPaint(POINT{100000, 100000});
  EXPECT_EQ(app_.Current().InspectedX, 100000);
  // No window lies there: every window fact is empty.
  EXPECT_EQ(app_.Current().Handle, 0u);
  EXPECT_TRUE(app_.Current().ClassName.empty());
  EXPECT_EQ(app_.Current().ProcessId, 0u);
  EXPECT_EQ(app_.Current().ParentHandle, 0u);
}

TEST_F(MainWindowTest, AFixedPointFarOffIsClampedToTheVirtualScreen) {
  app_.ActionByName("Action_Capture_Fixed")->Trigger();
  ASSERT_TRUE(app_.Fixed());
  const int right = GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  app_.SetCapturePoint(POINT{INT_MAX, INT_MIN});  // as an old settings file may hold it
  app_.RefreshView();
  EXPECT_EQ(app_.Current().InspectedX, right - 1);
  EXPECT_EQ(app_.Current().InspectedY, top);
  app_.ActionByName("Action_Capture_Fixed")->Trigger();
}

TEST_F(MainWindowTest, AnExceptionInATickDoesNotFreezeTheView) {
  int throws = 0;
  app_.onCaptured = [&] {
    if (throws++ == 0) throw std::runtime_error("capture failed on purpose");
  };
  {
    // The failing capture may run in a nested tick, whose error the window
    // reports in a message box.
    wintest::DialogCloser closer(nullptr);
    try {
      app_.RefreshView();
    } catch (const std::runtime_error&) {
    }
    wintest::Pump(200);
  }
  ASSERT_GE(throws, 1);
  const uint64_t before = app_.CaptureCount();
  app_.ActionByName("Action_Capture_SmoothCapture")->Trigger();  // every tick captures
  wintest::Pump(600);
  EXPECT_GE(app_.CaptureCount() - before, 4u);
  app_.ActionByName("Action_Capture_SmoothCapture")->Trigger();
  app_.onCaptured = nullptr;
}

TEST_F(MainWindowTest, BitmapsThatCannotBeHadStopThePictureNotTheProgram) {
  const size_t saved = DibCanvas::maxBytes;
  DibCanvas::maxBytes = 64 * 64 * 4;  // as if the system refused a large bitmap
  app_.StepZoom(-1);  // a new square size: its allocation fails
  const uint64_t before = app_.CaptureCount();
  app_.RefreshView();
  wintest::Pump(200);
  EXPECT_EQ(app_.CaptureCount(), before);  // nothing drawn with the wrong bitmaps
  EXPECT_FALSE(app_.StatusMessage().empty());
  EXPECT_TRUE(IsWindow(app_.Handle()));
  DibCanvas::maxBytes = saved;
  app_.StepZoom(+1);
  app_.RefreshView();
  EXPECT_GT(app_.CaptureCount(), before);
  EXPECT_TRUE(app_.StatusMessage().empty());
}

TEST_F(MainWindowTest, PauseAndUpdateAreIgnoredWhileThePauseSnapshotIsTaken) {
  // Taking the snapshot pumps messages: a second Esc or an update arriving
  // meanwhile must not start another snapshot inside the first.
  kit::Action* pause = app_.ActionByName("Action_Capture_Pause");
  kit::Action* update = app_.ActionByName("Action_Capture_Update");
  int nested = 0;
  app_.onCaptured = [&] {
    if (nested++ == 0) {
      update->Execute();
      pause->Execute();
    }
  };
  pause->Trigger();
  app_.onCaptured = nullptr;
  EXPECT_GE(nested, 1);
  EXPECT_TRUE(app_.Paused());
  EXPECT_NE(app_.WindowSnapshot(), nullptr);
  pause->Trigger();
  EXPECT_FALSE(app_.Paused());
}

TEST_F(MainWindowTest, MovingToAMonitorOfAnotherDpiRescalesTheWindow) {
  auto fontHeight = [&] {
    LOGFONTW lf{};
    GetObjectW(app_.InfoFont(), sizeof lf, &lf);
    return lf.lfHeight;
  };
  const LONG font96 = fontHeight();
  const int strip96 = app_.ToolBarHeight();
  RECT before;
  GetWindowRect(app_.Handle(), &before);
  // The system's suggestion for the new DPI: the window one and a half times as large.
  RECT suggested{before.left, before.top, before.left + (before.right - before.left) * 3 / 2,
                 before.top + (before.bottom - before.top) * 3 / 2};
  SendMessageW(app_.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  wintest::Pump(100);
  EXPECT_EQ(app_.Dpi(), 144);
  EXPECT_EQ(fontHeight(), font96 * 3 / 2);  // the same size in points
  EXPECT_EQ(app_.ToolBarHeight(), 37);      // 36-pixel buttons and the line
  RECT after;
  GetWindowRect(app_.Handle(), &after);
  EXPECT_EQ(after.right - after.left, suggested.right - suggested.left);
  // The view still shows whole cells of z x z pixels: the zoom is unchanged.
  EXPECT_EQ(app_.Geometry().ZoomFactor, 6);
  SendMessageW(app_.Handle(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&before));
  wintest::Pump(100);
  EXPECT_EQ(fontHeight(), font96);
  EXPECT_EQ(app_.ToolBarHeight(), strip96);
}

TEST_F(MainWindowTest, ForeignPrivateMessagesWithBadIndexesAreIgnored) {
  // Any program may post WM_APP messages to any window.
  for (WPARAM wp : {static_cast<WPARAM>(-1), static_cast<WPARAM>(0x80000000u), static_cast<WPARAM>(100000)})
    EXPECT_EQ(SendMessageW(app_.Handle(), WM_APP + 2, wp, 0), 0);
  EXPECT_TRUE(IsWindow(app_.Handle()));
}

TEST_F(MainWindowTest, AnEscapedErrorTurnsStayOnTopOffAndIsShown) {
  kit::Action* top = app_.ActionByName("Action_Opt_StayOnTop");
  top->Trigger();
  ASSERT_TRUE(top->Checked());
  kit::Action* failing = app_.ActionByName("Action_Help");
  failing->onExecute = [](kit::Action&) { throw std::runtime_error("broken on purpose"); };
  {
    wintest::DialogCloser closer(nullptr);  // titled with the product name, which a test program lacks
    SendMessageW(app_.Handle(), WM_COMMAND, failing->id, 0);
    wintest::Pump(300);
    EXPECT_TRUE(closer.Seen());
  }
  EXPECT_FALSE(top->Checked());
  EXPECT_FALSE(GetWindowLongW(app_.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(IsWindow(app_.Handle()));  // the program keeps running
}

TEST_F(MainWindowTest, InformationAreaGrowthGrowsTheWindowNotTheView) {
  RECT c;
  GetClientRect(app_.Handle(), &c);
  const int viewHeight = app_.Geometry().ViewHeight;
  app_.ActionByName("Action_Opt_ToolBar")->Trigger();  // the view keeps its height when the strip goes
  wintest::Pump(100);
  EXPECT_EQ(app_.ToolBarHeight(), 0);
  RECT c2;
  GetClientRect(app_.Handle(), &c2);
  EXPECT_EQ(c2.bottom, c.bottom);
  EXPECT_EQ(app_.Geometry().ViewHeight, viewHeight + 25);
}

// A window of its own per test, counting its saves; its closing posts a quit
// request that is not for the test runner.
class MainWindowShutdown : public ::testing::Test {
protected:
  void SetUp() override {
    LoadOptionalFunctions();
    app.onSaveSettings = [this] { ++saves; };
    app.settingsFile.clear();
    ASSERT_TRUE(app.CreateMainWindow());
    wintest::Pump(200);
  }
  void TearDown() override {
    MSG m;
    PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  }
  TApp_Zorvik app;
  int saves = 0;
};

TEST_F(MainWindowShutdown, EndOfSessionSavesOnceAndTearsDown) {
  EXPECT_EQ(SendMessageW(app.Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_EQ(saves, 1);
  EXPECT_TRUE(IsWindowVisible(app.Handle()));  // the session may still go on
  SendMessageW(app.Handle(), WM_ENDSESSION, TRUE, 0);
  EXPECT_FALSE(IsWindowVisible(app.Handle()));
  SendMessageW(app.Handle(), WM_CLOSE, 0, 0);
  wintest::Pump(100);
  EXPECT_EQ(saves, 1);
}

TEST_F(MainWindowShutdown, ACancelledEndOfSessionKeepsRunningAndSavesAgainAtExit) {
  EXPECT_EQ(SendMessageW(app.Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
  SendMessageW(app.Handle(), WM_ENDSESSION, FALSE, 0);  // another program said no
  EXPECT_TRUE(IsWindowVisible(app.Handle()));
  const uint64_t before = app.CaptureCount();
  app.RefreshView();
  EXPECT_GT(app.CaptureCount(), before);  // still magnifying
  SendMessageW(app.Handle(), WM_CLOSE, 0, 0);
  wintest::Pump(100);
  EXPECT_EQ(saves, 2);
}

TEST(MainWindowCreation, AWindowThatWasNeverCreatedLeavesTheSettingsFileAlone) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  const std::wstring file = std::wstring(dir) + L"zorvik-never-created.bin";
  const char kept[] = "the user's settings";
  HANDLE f = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  DWORD n = 0;
  WriteFile(f, kept, sizeof kept, &n, nullptr);
  CloseHandle(f);
  {
    TApp_Zorvik app;  // as when creating the window failed
    app.settingsFile = file;
  }
  char back[64] = {};
  f = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  ReadFile(f, back, sizeof back, &n, nullptr);
  CloseHandle(f);
  DeleteFileW(file.c_str());
  EXPECT_EQ(n, sizeof kept);
  EXPECT_STREQ(back, kept);
}

}  // namespace
}  // namespace zorvik
