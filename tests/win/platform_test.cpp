#include <gtest/gtest.h>

#include "platform/screen_size.h"
#include "platform/optional_functions.h"
#include "win_support.h"

namespace zorvik {
namespace {

class PlatformTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { LoadOptionalFunctions(); }
};

TEST_F(PlatformTest, SystemDirectoryHasATrailingBackslashAndExists) {
  const std::wstring dir = SystemDirectory();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), L'\\');
  EXPECT_NE(GetFileAttributesW((dir + L"user32.dll").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(PlatformTest, CaptureCursorFollowsTheCursor) {
  SetCursorPos(321, 123);
  POINT p{-1, -1};
  CaptureCursorPos(p);
  EXPECT_EQ(p.x, 321);
  EXPECT_EQ(p.y, 123);
  POINT q;
  ASSERT_TRUE(CursorPos(q));
  EXPECT_EQ(q.x, 321);
}

TEST_F(PlatformTest, CompositionWrappersAgreeWithEachOther) {
  const bool on = IsCompositionEnabled();
  EXPECT_TRUE(SetComposition(on));  // asking for the current state always succeeds
  if (!CanSetComposition()) {
    EXPECT_EQ(EnableComposition(true), E_NOTIMPL);
    EXPECT_FALSE(on);
  }
  HWND w = wintest::MakeWindow(40, 50, 100, 60);
  const RECT r = WindowRectOf(w);
  EXPECT_EQ(r.left, 40);
  EXPECT_EQ(r.right - r.left, 100);
  DestroyWindow(w);
}

TEST_F(PlatformTest, MonitorHelpersOnOneScreen) {
  TMyScreenSize& s = ScreenSize();
  s.Refresh();
  ASSERT_GE(s.Count(), 1);
  POINT rel{-1, -1};
  EXPECT_EQ(s.MonitorOfPoint(POINT{10, 20}, &rel), 1);
  EXPECT_EQ(rel.x, 10);
  EXPECT_LE(s.VirtualLeft(), 0);
  EXPECT_GE(MonitorIndexAt(POINT{0, 0}), 0);
  EXPECT_EQ(MonitorIndexAt(POINT{-30000, -30000}), -1);
  EXPECT_NE(MonitorAt(POINT{-30000, -30000}), nullptr);  // falls back to the first monitor
}

TEST_F(PlatformTest, EnsureOnScreenMovesOnlyLostWindows) {
  TMyScreenSize& s = ScreenSize();
  HWND lost = wintest::MakeWindow(20000, 20000, 120, 80);
  HWND shown = wintest::MakeWindow(100, 100, 120, 80);
  s.EnsureOnScreen(lost);
  s.EnsureOnScreen(shown);
  RECT a, b;
  GetWindowRect(lost, &a);
  GetWindowRect(shown, &b);
  EXPECT_EQ(a.left, 0);
  EXPECT_EQ(a.top, 0);
  EXPECT_EQ(a.right - a.left, 120);
  EXPECT_EQ(b.left, 100);
  DestroyWindow(lost);
  DestroyWindow(shown);
}

TEST_F(PlatformTest, FitToWorkAreaAlignsAWideWindowLeft) {
  HWND w = wintest::MakeWindow(0, 0, 100, 100);
  const RECT area = WorkAreaNearest(RECT{0, 0, 100, 100});
  FitToWorkArea(w, RECT{area.right - 50, 10, area.right - 50 + (area.right - area.left) + 40, 110});
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, area.left);
  FitToWorkArea(w, RECT{area.right - 50, 10, area.right + 50, 110});
  GetWindowRect(w, &r);
  EXPECT_EQ(r.right, area.right);
  DestroyWindow(w);
}

}  // namespace
}  // namespace zorvik

// The start-up step that keeps planted DLLs out: before it the test DLL
// beside this program is found by its bare name, after it only the system
// directory is searched and the same load fails. (The process keeps the
// restriction, as the program does for its whole life.)
TEST(DllSearchTest, APlantedDllBesideTheProgramIsNotFoundAfterTheRestriction) {
  HMODULE before = LoadLibraryW(L"zorvik_planted.dll");
  ASSERT_NE(before, nullptr) << "the test DLL must lie beside win_tests.exe";
  FreeLibrary(before);
  ASSERT_EQ(GetModuleHandleW(L"zorvik_planted.dll"), nullptr);

  const zorvik::DllSearch how = zorvik::RestrictDllSearch();
  EXPECT_EQ(how, zorvik::DllSearch::SystemOnly);
  EXPECT_EQ(LoadLibraryW(L"zorvik_planted.dll"), nullptr);
  // System DLLs are still found by name.
  HMODULE system = LoadLibraryW(L"version.dll");
  EXPECT_NE(system, nullptr);
  if (system) FreeLibrary(system);
}
