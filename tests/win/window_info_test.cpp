// Window facts and the window snapshot over windows this test puts on screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "inspection/window_info.h"
#include "inspection/winlist.h"
#include "platform/screen_size.h"
#include "platform/optional_functions.h"
#include "win_support.h"

namespace zorvik {
namespace {

std::wstring W16(const std::u16string& s) { return std::wstring(s.begin(), s.end()); }

class WindowInfoTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    LoadOptionalFunctions();
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZorvikProbe";
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RegisterClassW(&wc);
  }
  void SetUp() override {
    HINSTANCE inst = GetModuleHandleW(nullptr);
    probe_ = CreateWindowExW(0, L"ZorvikProbe", L"探査ウィンドウ", WS_POPUP | WS_VISIBLE | WS_BORDER, 200, 150, 300, 200,
                             nullptr, nullptr, inst, nullptr);
    edit_ = CreateWindowExW(0, L"EDIT", L"edit text", WS_CHILD | WS_VISIBLE | ES_LEFT, 10, 10, 120, 24, probe_,
                            reinterpret_cast<HMENU>(1234), inst, nullptr);
    button_ = CreateWindowExW(0, L"BUTTON", L"押せない", WS_CHILD | WS_VISIBLE | WS_DISABLED | BS_PUSHBUTTON, 10, 50, 80,
                              24, probe_, reinterpret_cast<HMENU>(77), inst, nullptr);
    wintest::Pump(100);
    RECT c{0, 0, 0, 0};
    GetClientRect(probe_, &c);
    POINT o{0, 0};
    ClientToScreen(probe_, &o);
    origin_ = o;
  }
  void TearDown() override { DestroyWindow(probe_); }
  T_DispInfo At(int x, int y) {
    T_DispInfo info;
    info.InspectedX = x;
    info.InspectedY = y;
    GatherWindowFacts(info, false, false, nullptr);
    return info;
  }
  HWND probe_ = nullptr, edit_ = nullptr, button_ = nullptr;
  POINT origin_{};
};

TEST_F(WindowInfoTest, FactsOfAChildEditBox) {
  const T_DispInfo i = At(origin_.x + 20, origin_.y + 20);
  EXPECT_EQ(i.Handle, reinterpret_cast<uintptr_t>(edit_));
  EXPECT_EQ(W16(i.ClassName), L"Edit");
  EXPECT_EQ(W16(i.Text), L"edit text");
  EXPECT_EQ(i.ControlId, 1234);
  EXPECT_EQ(i.PosLeft, 10);  // relative to the parent's client area
  EXPECT_EQ(i.PosTop, 10);
  EXPECT_EQ(i.PosWidth, 120);
  EXPECT_EQ(i.PosHeight, 24);
  EXPECT_EQ(i.RectLeft, origin_.x + 10);
  EXPECT_EQ(i.ClientOriginX, origin_.x + 10);
  EXPECT_TRUE(i.Enabled);
  EXPECT_TRUE(i.Style & WS_CHILD);
  EXPECT_EQ(i.ParentHandle, reinterpret_cast<uintptr_t>(probe_));
  EXPECT_EQ(W16(i.ParentClassName), L"ZorvikProbe");
  EXPECT_EQ(W16(i.ParentText), L"探査ウィンドウ");
  EXPECT_EQ(i.ProcessId, GetCurrentProcessId());
  const std::wstring exe = W16(i.Executable);
  ASSERT_GE(exe.size(), 13u);
  EXPECT_EQ(_wcsicmp(exe.substr(exe.size() - 13).c_str(), L"win_tests.exe"), 0);
}

TEST_F(WindowInfoTest, ADisabledButtonIsFoundAndATopLevelWindowsParentIsTheDesktop) {
  const T_DispInfo b = At(origin_.x + 30, origin_.y + 60);
  EXPECT_EQ(b.Handle, reinterpret_cast<uintptr_t>(button_));
  EXPECT_FALSE(b.Enabled);
  const T_DispInfo top = At(origin_.x + 250, origin_.y + 150);
  EXPECT_EQ(top.Handle, reinterpret_cast<uintptr_t>(probe_));
  EXPECT_EQ(top.ParentHandle, reinterpret_cast<uintptr_t>(GetDesktopWindow()));
  EXPECT_EQ(top.PosLeft, 200);  // screen position
  EXPECT_EQ(top.PosWidth, 300);
}

TEST_F(WindowInfoTest, ARegionCountsOnlyWhereItCoversThePoint) {
  HWND round = CreateWindowExW(WS_EX_TOPMOST, L"ZorvikProbe", L"round", WS_POPUP | WS_VISIBLE, 600, 150, 200, 200,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowRgn(round, CreateEllipticRgn(0, 0, 200, 200), TRUE);
  wintest::Pump(100);
  EXPECT_EQ(At(700, 250).Handle, reinterpret_cast<uintptr_t>(round));
  EXPECT_NE(At(603, 153).Handle, reinterpret_cast<uintptr_t>(round));  // the corner lies outside the ellipse
  DestroyWindow(round);
}

TEST_F(WindowInfoTest, AClickThroughTransparentOverlayDoesNotHideTheWindowBelow) {
  if (!CanLayerWindows()) GTEST_SKIP() << "no layered windows";
  HWND overlay = CreateWindowExW(WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW, L"ZorvikProbe",
                                 L"overlay", WS_POPUP | WS_VISIBLE, 150, 100, 400, 300, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
  SetLayeredWindowAttributes(overlay, 0, 0, LWA_ALPHA);
  wintest::Pump(100);
  EXPECT_EQ(At(origin_.x + 20, origin_.y + 20).Handle, reinterpret_cast<uintptr_t>(edit_));
  // Told to pass over layered windows, the search does so too.
  T_DispInfo i;
  i.InspectedX = origin_.x + 20;
  i.InspectedY = origin_.y + 20;
  GatherWindowFacts(i, true, false, nullptr);
  EXPECT_EQ(i.Handle, reinterpret_cast<uintptr_t>(edit_));
  DestroyWindow(overlay);
}

TEST_F(WindowInfoTest, OwnWindowIsPassedOverWhenAsked) {
  // A window right behind the probe, covering the point as well.
  HWND below = CreateWindowExW(WS_EX_TOOLWINDOW, L"ZorvikProbe", L"below", WS_POPUP | WS_VISIBLE, 150, 100, 400, 300,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowPos(probe_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  wintest::Pump(50);
  const POINT p{origin_.x + 250, origin_.y + 150};
  EXPECT_EQ(TopWindowFromPoint(p, false, false, probe_), probe_);
  EXPECT_EQ(TopWindowFromPoint(p, false, true, probe_), below);
  DestroyWindow(below);
}

TEST_F(WindowInfoTest, FileVersionOfOurOwnProgram) {
  wchar_t me[MAX_PATH];
  GetModuleFileNameW(nullptr, me, MAX_PATH);
  std::wstring dir(me);
  dir = dir.substr(0, dir.find_last_of(L"\\/") + 1);
  EXPECT_EQ(FileVersionOf(dir + L"zorvik.exe"), L"0.1.0.0");
  EXPECT_EQ(FileVersionOf(dir + L"no-such-file.exe"), L"");
  EXPECT_EQ(FileVersionOf(L""), L"");
  EXPECT_EQ(ExeFileNameOf(nullptr), L"-");
  // The version functions are loaded from the system directory at start; a
  // system without one of them gives no version.
  OptionalFunctions& f = Optional();
  const auto query = f.VerQueryValueW;
  f.VerQueryValueW = nullptr;
  EXPECT_EQ(FileVersionOf(dir + L"zorvik.exe"), L"");
  f.VerQueryValueW = query;
  EXPECT_EQ(FileVersionOf(dir + L"zorvik.exe"), L"0.1.0.0");
}

// A program started from a deep folder: its windows report the whole path of
// its executable (the window facts, the API entries and the pause snapshot
// all read it through ExeFileNameOf), also past MAX_PATH where the system
// starts programs from such a path (Wine 8 does not: that case is skipped).
TEST_F(WindowInfoTest, TheExecutableOfAProgramInADeepFolderIsReadInFull) {
  wchar_t me[MAX_PATH];
  GetModuleFileNameW(nullptr, me, MAX_PATH);
  std::wstring here(me);
  here = here.substr(0, here.find_last_of(L"\\/") + 1);
  const std::wstring top = here + L"deep-path-test";
  for (const size_t wanted : {size_t{240}, size_t{330}}) {
    SCOPED_TRACE(wanted);
    std::wstring dir = top;
    CreateDirectoryW(dir.c_str(), nullptr);
    std::vector<std::wstring> made;
    const std::wstring exeName = L"\\version_window.exe";
    while (dir.size() + exeName.size() + 2 <= wanted) {
      dir += L"\\" + std::wstring(std::min<size_t>(60, wanted - dir.size() - exeName.size() - 1), L'd');
      ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + dir).c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS)
          << GetLastError();
      made.push_back(dir);
    }
    const std::wstring exe = dir + exeName;
    ASSERT_TRUE(CopyFileW((here + L"version_window.exe").c_str(), (L"\\\\?\\" + exe).c_str(), FALSE)) << GetLastError();

    std::wstring command = L"\"" + exe + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    const BOOL started = CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
    const DWORD error = started ? 0 : GetLastError();
    struct Find {
      DWORD pid;
      HWND found;
    } find{started ? pi.dwProcessId : 0, nullptr};
    if (started) {
      WaitForInputIdle(pi.hProcess, 5000);
      for (int i = 0; i < 100 && !find.found; ++i) {
        EnumWindows(
            [](HWND h, LPARAM lp) -> BOOL {
              auto* f = reinterpret_cast<Find*>(lp);
              DWORD pid = 0;
              GetWindowThreadProcessId(h, &pid);
              if (pid != f->pid) return TRUE;
              f->found = h;
              return FALSE;
            },
            reinterpret_cast<LPARAM>(&find));
        if (!find.found) Sleep(50);
      }
    }
    const std::wstring read = find.found ? ExeFileNameOf(find.found) : L"";
    if (started) {
      if (find.found) PostMessageW(find.found, WM_CLOSE, 0, 0);
      if (WaitForSingleObject(pi.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
      CloseHandle(pi.hThread);
      CloseHandle(pi.hProcess);
    }
    DeleteFileW((L"\\\\?\\" + exe).c_str());
    for (auto it = made.rbegin(); it != made.rend(); ++it) RemoveDirectoryW((L"\\\\?\\" + *it).c_str());
    RemoveDirectoryW(top.c_str());
    if (!started && exe.size() >= MAX_PATH &&
        (error == ERROR_INVALID_NAME || error == ERROR_FILENAME_EXCED_RANGE || error == ERROR_PATH_NOT_FOUND)) {
      std::printf("  (this system starts no program from a path of %zu characters: error %lu)\n", exe.size(), error);
      continue;
    }
    ASSERT_TRUE(started) << "CreateProcess failed: " << error;
    ASSERT_NE(find.found, nullptr);
    // The same file, whichever prefix the system puts before a long path.
    std::wstring shown = read;
    if (shown.rfind(L"\\\\?\\", 0) == 0) shown = shown.substr(4);
    EXPECT_EQ(_wcsicmp(shown.c_str(), exe.c_str()), 0) << "read " << shown.size() << " of " << exe.size();
  }
}

TEST_F(WindowInfoTest, SnapshotAnswersLikeTheLiveWindows) {
  T_WinList list(ScreenSize(), nullptr);
  EXPECT_GT(list.Count(), 3u);
  const T_WinItem* edit = list.Lookup(POINT{origin_.x + 20, origin_.y + 20}, false);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->handle, edit_);
  T_DispInfo i;
  T_WinList::CopyFacts(edit, i);
  EXPECT_EQ(W16(i.ClassName), L"Edit");
  EXPECT_EQ(W16(i.Text), L"edit text");
  EXPECT_EQ(W16(i.ParentText), L"探査ウィンドウ");
  EXPECT_EQ(i.PosLeft, 10);
  const T_WinItem* button = list.Lookup(POINT{origin_.x + 30, origin_.y + 60}, false);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->handle, button_);
  // The windows change afterwards; the snapshot does not.
  SetWindowTextW(edit_, L"changed");
  T_WinList::CopyFacts(list.Lookup(POINT{origin_.x + 20, origin_.y + 20}, false), i);
  EXPECT_EQ(W16(i.Text), L"edit text");
}

}  // namespace
}  // namespace zorvik
