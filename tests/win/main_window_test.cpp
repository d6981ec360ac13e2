// The main window in this process: idle skip, refresh, failures.
#include <gtest/gtest.h>

#include <stdexcept>

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

TEST(MainWindowShutdown, EndOfSessionThenCloseSavesOnce) {
  LoadOptionalFunctions();
  TApp_Zorvik app;
  int saves = 0;
  app.onSaveSettings = [&] { ++saves; };
  app.settingsFile.clear();
  ASSERT_TRUE(app.CreateMainWindow());
  wintest::Pump(200);
  EXPECT_EQ(SendMessageW(app.Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_FALSE(IsWindowVisible(app.Handle()));
  SendMessageW(app.Handle(), WM_CLOSE, 0, 0);
  wintest::Pump(100);
  EXPECT_EQ(saves, 1);
  MSG m;
  PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // the quit request is not for the test runner
}

}  // namespace
}  // namespace zorvik
