// End-to-end: the API test window of the real program comes back at start
// as it was saved, runs GetWindowRect on the window under the cursor and
// follows the cursor to another one; a hidden entry stays hidden across a
// restart, in the window and in the bytes of the settings file. A trackbar
// entry asks a trackbar of this process and leaves a progress bar alone.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "apitest/api_table.h"
#include "driver.h"
#include "foreign_windows.h"
#include "settings/my_settingfile.h"

using namespace e2e;

namespace {

HWND Known(int x, int y, int w, int h, const wchar_t* text) {
  return CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"STATIC", text, WS_POPUP | WS_VISIBLE, x, y, w, h, nullptr,
                         nullptr, GetModuleHandleW(nullptr), nullptr);
}

// The program's API test window, when it is shown.
HWND ApiWindowOf(DWORD pid) { return TopWindow(pid, L"TApp_ZorvikAPITest"); }

class ApiWindowE2eTest : public ::testing::Test {
protected:
  void SetUp() override {
    a_ = Known(850, 80, 300, 150, L"窓A");
    b_ = Known(850, 420, 260, 120, L"窓B");
    dir_ = Zorvik::NewDir();
  }
  void TearDown() override {
    app_.reset();
    DestroyWindow(a_);
    DestroyWindow(b_);
    Zorvik::RemoveDir(dir_);
  }
  // Starts the program and waits for its API window; null when it does not show.
  HWND Start() {
    app_ = std::make_unique<Zorvik>(dir_);
    if (!app_->hwnd()) return nullptr;
    for (int i = 0; i < 60; ++i) {
      if (HWND w = ApiWindowOf(app_->pid())) return w;
      Pump(50);
    }
    return nullptr;
  }
  // Waits until the result grid shows `text`; returns what it shows last.
  static std::wstring WaitFor(HWND grid, const std::wstring& text) {
    std::wstring shown;
    for (int i = 0; i < 60; ++i) {
      shown = TextOf(grid);
      if (shown.find(text) != std::wstring::npos) break;
      Pump(50);
    }
    return shown;
  }

  HWND a_ = nullptr, b_ = nullptr;
  std::wstring dir_;
  std::unique_ptr<Zorvik> app_;
};

TEST_F(ApiWindowE2eTest, ShowsGetWindowRectUnderTheCursorAndKeepsAHiddenEntryHidden) {
  // The offered list is the sorted catalogue without GetClientRect.
  std::vector<std::string> offered;
  for (size_t i : zorvik::SortedApiEntries()) {
    const std::string name = zorvik::ApiEntryAt(i).name;
    if (name != "GetClientRect") offered.push_back(name);
  }
  const auto at = std::find(offered.begin(), offered.end(), "GetWindowRect");
  ASSERT_NE(at, offered.end());
  const int index = static_cast<int>(at - offered.begin());
  zorvik::SettingsData s;
  s.options |= zorvik::kOptApiTest;  // shown at the last exit
  s.apiTest.bounds = zorvik::StoredRect{360, 40, 820, 560};
  s.apiTest.selectedIndex = index;
  s.apiTest.hintHeight = 110;
  s.apiList = "GetClientRect\r\n";
  WriteAll(dir_ + L"zorvik.bin", zorvik::WriteSettings(s));

  SetCursorPos(1000, 150);  // over A
  HWND window = Start();
  ASSERT_NE(window, nullptr) << "the API window did not come back";
  RECT r{};
  GetWindowRect(window, &r);
  EXPECT_EQ(r.left, 360);
  EXPECT_EQ(r.top, 40);
  EXPECT_EQ(r.right, 820);
  EXPECT_EQ(r.bottom, 560);
  HWND page = FindWindowExW(window, nullptr, L"ZorvikKitPage", nullptr);
  HWND list = FindWindowExW(page, nullptr, L"ComboBox", nullptr);
  HWND grid = FindWindowExW(page, nullptr, L"ZorvikKitGrid", nullptr);
  ASSERT_TRUE(list && grid);
  const std::vector<std::wstring> items = ComboItems(list);
  EXPECT_EQ(items.size(), offered.size());
  EXPECT_EQ(std::count(items.begin(), items.end(), L"GetClientRect"), 0);
  EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), index);

  std::wstring shown = WaitFor(grid, L"lpRect\t(850, 80, 1150, 230)\t");
  EXPECT_NE(shown.find(L"lpRect\t(850, 80, 1150, 230)\t"), std::wstring::npos) << shown;
  EXPECT_NE(shown.find(L"窓A"), std::wstring::npos) << shown;
  EXPECT_NE(shown.find(L"戻り値\tTrue\t"), std::wstring::npos) << shown;
  SetCursorPos(980, 480);  // over B
  shown = WaitFor(grid, L"lpRect\t(850, 420, 1110, 540)\t");
  EXPECT_NE(shown.find(L"lpRect\t(850, 420, 1110, 540)\t"), std::wstring::npos) << shown;

  // At exit the block and the list are written back; the entry stays hidden.
  ASSERT_EQ(app_->Close(), 0);
  const std::vector<uint8_t> bytes = ReadAll(dir_ + L"zorvik.bin");
  const zorvik::SettingsReadResult back = zorvik::ReadSettings(bytes.data(), bytes.size());
  ASSERT_TRUE(back.accepted);
  EXPECT_TRUE(back.data.options & zorvik::kOptApiTest);
  EXPECT_EQ(back.data.apiList, "GetClientRect\r\n");
  EXPECT_EQ(back.data.apiTest.selectedIndex, index);
  EXPECT_EQ(back.data.apiTest.hintHeight, 110);
  EXPECT_EQ(back.data.apiTest.bounds, s.apiTest.bounds);
  const std::string raw(bytes.begin(), bytes.end());
  EXPECT_NE(raw.find(std::string("\x0F\0\0\0GetClientRect\r\n", 19)), std::string::npos);

  window = Start();
  ASSERT_NE(window, nullptr);
  list = FindWindowExW(FindWindowExW(window, nullptr, L"ZorvikKitPage", nullptr), nullptr, L"ComboBox", nullptr);
  const std::vector<std::wstring> again = ComboItems(list);
  EXPECT_EQ(again.size(), offered.size());
  EXPECT_EQ(std::count(again.begin(), again.end(), L"GetClientRect"), 0);
}

TEST_F(ApiWindowE2eTest, AWindowNeverOpenedWritesItsBlockBackAsRead) {
  zorvik::SettingsData s;
  s.apiTest.bounds = zorvik::StoredRect{-70000, 5, 12, 99999};  // nonsense, kept all the same
  s.apiTest.selectedIndex = 1234;
  s.apiTest.hintHeight = -5;
  s.apiList = "Nothing\r\nAt all\r\n";
  WriteAll(dir_ + L"zorvik.bin", zorvik::WriteSettings(s));
  app_ = std::make_unique<Zorvik>(dir_);
  ASSERT_TRUE(app_->hwnd());
  EXPECT_EQ(ApiWindowOf(app_->pid()), nullptr);
  ASSERT_EQ(app_->Close(), 0);
  const std::vector<uint8_t> bytes = ReadAll(dir_ + L"zorvik.bin");
  const zorvik::SettingsReadResult back = zorvik::ReadSettings(bytes.data(), bytes.size());
  ASSERT_TRUE(back.accepted);
  EXPECT_EQ(back.data.apiTest, s.apiTest);
  EXPECT_EQ(back.data.apiList, s.apiList);
}

// TBM_GETRANGEMIN is PBM_SETRANGE to a progress bar: the program asks the
// trackbar of another process for its minimum, and sends the progress bar
// nothing (its range and position stay), saying so in the value row.
TEST_F(ApiWindowE2eTest, ATrackbarEntryAsksOnlyTrackbarsOfAnotherProcess) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&icc);
  HWND host = Known(850, 600, 300, 120, L"controls");
  HWND trackbar = CreateWindowExW(0, TRACKBAR_CLASSW, L"", WS_CHILD | WS_VISIBLE, 10, 10, 280, 40, host, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
  HWND progress = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, 10, 70, 280, 30, host, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(trackbar && progress);
  SendMessageW(trackbar, TBM_SETRANGE, TRUE, MAKELPARAM(3, 9));
  SendMessageW(trackbar, TBM_SETPOS, TRUE, 6);
  SendMessageW(progress, PBM_SETRANGE32, 0, 100);
  SendMessageW(progress, PBM_SETPOS, 40, 0);
  std::vector<std::string> sorted;
  for (size_t i : zorvik::SortedApiEntries()) sorted.push_back(zorvik::ApiEntryAt(i).name);
  const auto at = std::find(sorted.begin(), sorted.end(), "TBM_GETRANGEMIN");
  ASSERT_NE(at, sorted.end());
  zorvik::SettingsData s;
  s.options |= zorvik::kOptApiTest;
  s.apiTest.bounds = zorvik::StoredRect{360, 40, 820, 560};
  s.apiTest.selectedIndex = static_cast<int>(at - sorted.begin());
  WriteAll(dir_ + L"zorvik.bin", zorvik::WriteSettings(s));

  SetCursorPos(1000, 630);  // over the trackbar
  HWND window = Start();
  ASSERT_NE(window, nullptr);
  HWND grid = FindWindowExW(FindWindowExW(window, nullptr, L"ZorvikKitPage", nullptr), nullptr, L"ZorvikKitGrid",
                            nullptr);
  ASSERT_NE(grid, nullptr);
  std::wstring shown = WaitFor(grid, L"戻り値\t3\t");
  EXPECT_NE(shown.find(L"戻り値\t3\t"), std::wstring::npos) << "the trackbar's minimum";
  EXPECT_NE(shown.find(L"msctls_trackbar32"), std::wstring::npos);
  SetCursorPos(1000, 685);  // over the progress bar
  const std::wstring note = L"戻り値\tトラックバーではないため送信しません\t";
  shown = WaitFor(grid, note);
  EXPECT_NE(shown.find(note), std::wstring::npos);
  Pump(500);  // a few more runs on it
  EXPECT_EQ(SendMessageW(progress, PBM_GETPOS, 0, 0), 40);
  EXPECT_EQ(SendMessageW(progress, PBM_GETRANGE, TRUE, 0), 0);
  EXPECT_EQ(SendMessageW(progress, PBM_GETRANGE, FALSE, 0), 100);
  ASSERT_EQ(app_->Close(), 0);
  DestroyWindow(host);
}

// Every entry of the catalogue, run live by the real program on a real
// program of the system (Wine's regedit, whose executable has a version
// resource) and on a dialog, a status bar and a progress bar of this
// process: the program keeps answering, and those windows keep their default
// button, their pane text and their position.
TEST_F(ApiWindowE2eTest, EveryEntryLeavesTheProgramRunningAndTheInspectedWindowsAsTheyWere) {
  KnownWindows known;
  ASSERT_TRUE(known.AllMade());
  RealProgram regedit({L"regedit.exe"});
  ASSERT_NE(regedit.Window(), nullptr) << "regedit did not start";
  SendMessageW(known.Dialog(), DM_SETDEFID, 102, 0);
  ASSERT_EQ(LOWORD(SendMessageW(known.Dialog(), DM_GETDEFID, 0, 0)), 102);
  auto paneText = [&known] {
    wchar_t text[64] = L"";
    const LRESULT length = SendMessageW(known.Status(), SB_GETTEXTLENGTHW, 0, 0);
    if (LOWORD(length) < 64) SendMessageW(known.Status(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    return std::wstring(text);
  };
  const std::wstring pane = paneText();
  const LRESULT position = SendMessageW(known.Progress(), PBM_GETPOS, 0, 0);
  ASSERT_FALSE(pane.empty());

  zorvik::SettingsData s;
  s.options |= zorvik::kOptApiTest;
  s.apiTest.bounds = zorvik::StoredRect{20, 40, 480, 560};
  WriteAll(dir_ + L"zorvik.bin", zorvik::WriteSettings(s));
  HWND window = Start();
  ASSERT_NE(window, nullptr);
  HWND page = FindWindowExW(window, nullptr, L"ZorvikKitPage", nullptr);
  HWND list = FindWindowExW(page, nullptr, L"ComboBox", nullptr);
  ASSERT_NE(list, nullptr);
  const int count = static_cast<int>(Ask(list, CB_GETCOUNT));
  ASSERT_EQ(count, static_cast<int>(zorvik::ApiEntryCount()));

  RECT r{};
  GetWindowRect(regedit.Window(), &r);
  const POINT targets[] = {{(r.left + r.right) / 2, (r.top + r.bottom) / 2}, Middle(known.Dialog()),
                           Middle(known.Status()), Middle(known.Progress())};
  for (int entry = 0; entry < count; ++entry) {
    // Chosen as the user does: the selection, then its notification.
    Ask(list, CB_SETCURSEL, static_cast<WPARAM>(entry));
    Ask(page, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    for (const POINT& p : targets) {
      SetCursorPos(p.x, p.y);
      Pump(130);  // two ticks on it
      ASSERT_TRUE(app_->Running()) << "entry " << entry;
      DWORD_PTR answer = 0;
      ASSERT_NE(SendMessageTimeoutW(app_->hwnd(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer), 0)
          << "the program stopped answering on entry " << entry;
    }
  }
  EXPECT_EQ(LOWORD(SendMessageW(known.Dialog(), DM_GETDEFID, 0, 0)), 102) << "the dialog's default button";
  EXPECT_EQ(paneText(), pane) << "the status bar's first pane";
  EXPECT_EQ(SendMessageW(known.Progress(), PBM_GETPOS, 0, 0), position) << "the progress bar's position";
  DWORD_PTR answer = 0;
  EXPECT_NE(SendMessageTimeoutW(regedit.Window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer), 0);
  ASSERT_EQ(app_->Close(), 0);
}

}  // namespace
