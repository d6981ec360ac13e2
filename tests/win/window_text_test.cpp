// Window texts under hostile conditions: list and combo box items longer than
// the limit, a huge window text, and a thread that stops answering while the
// window snapshot of a pause is built.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "inspection/window_info.h"
#include "inspection/winlist.h"
#include "platform/screen_size.h"
#include "platform/optional_functions.h"
#include "win_support.h"

namespace zorvik {
namespace {

class WindowTextTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { LoadOptionalFunctions(); }
  void SetUp() override {
    host_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"host", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300, nullptr,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  void TearDown() override { DestroyWindow(host_); }
  HWND Child(const wchar_t* cls, DWORD style, const wchar_t* text = L"") {
    return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, 10, 10, 200, 150, host_, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  }
  HWND host_ = nullptr;
};

// LB_GETTEXT and CB_GETLBTEXT take no buffer size: an item longer than the
// limit cannot be cut, so it gives the empty text instead of being written
// past the end of a buffer sized to the limit.
TEST_F(WindowTextTest, ListAndComboItemsLongerThanTheLimitGiveTheEmptyText) {
  const std::wstring shortItem = L"項目 one";
  const std::wstring atLimit(kLiveTextLimit, L'a');
  const std::wstring overLimit(kLiveTextLimit + 100, L'b');
  const struct {
    const wchar_t* cls;
    DWORD style;
    UINT add;
    const std::wstring* item;
    const wchar_t* expect;  // nullptr: the item itself
  } cases[] = {
      {L"LISTBOX", 0, LB_ADDSTRING, &shortItem, nullptr},
      {L"LISTBOX", 0, LB_ADDSTRING, &atLimit, nullptr},
      {L"LISTBOX", 0, LB_ADDSTRING, &overLimit, L""},
      {L"COMBOBOX", CBS_DROPDOWN, CB_ADDSTRING, &shortItem, nullptr},  // no selection: the edit part is empty
      {L"COMBOBOX", CBS_DROPDOWN, CB_ADDSTRING, &atLimit, nullptr},
      {L"COMBOBOX", CBS_DROPDOWN, CB_ADDSTRING, &overLimit, L""},
  };
  for (const auto& c : cases) {
    HWND box = Child(c.cls, c.style);
    ASSERT_NE(box, nullptr);
    SendMessageW(box, c.add, 0, reinterpret_cast<LPARAM>(c.item->c_str()));
    const std::wstring got = WindowTextOf(box, kLiveTextLimit);
    const std::wstring expect = c.expect ? std::wstring(c.expect) : *c.item;
    EXPECT_EQ(got.size(), expect.size()) << c.cls << " item of " << c.item->size();
    EXPECT_TRUE(got == expect) << c.cls << " item of " << c.item->size();
    DestroyWindow(box);
  }
}

// The live refresh reads at most the limit, however long the text of the
// window under the point and of its parent.
TEST_F(WindowTextTest, AHugeWindowTextIsCutToTheLimitQuickly) {
  const std::wstring huge(1 << 20, L'x');
  SetWindowTextW(host_, huge.c_str());
  HWND child = Child(L"STATIC", 0);
  SetWindowTextW(child, huge.c_str());
  ASSERT_EQ(GetWindowTextLengthW(child), 1 << 20);
  wintest::Pump(50);
  T_DispInfo info;
  info.InspectedX = 150;
  info.InspectedY = 150;
  GatherWindowFacts(info, false, false, nullptr);  // reads the process facts once
  const DWORD start = GetTickCount();
  for (int i = 0; i < 10; ++i) GatherWindowFacts(info, false, false, nullptr);
  const DWORD ms = GetTickCount() - start;
  ASSERT_EQ(info.Handle, reinterpret_cast<uintptr_t>(child));
  EXPECT_EQ(info.Text.size(), kLiveTextLimit);
  EXPECT_EQ(info.ParentText.size(), kLiveTextLimit);
  EXPECT_TRUE(info.Text == std::u16string(kLiveTextLimit, u'x'));
  EXPECT_LT(ms, 250u) << "10 refreshes";
}

// A thread owning several windows that stops answering (busy, not yet hung)
// costs the snapshot one time-out, not one per window.
TEST_F(WindowTextTest, ASnapshotWaitsForABusyThreadOnlyOnce) {
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HWND top = nullptr;
  HWND children[5] = {};
  std::thread busy([&] {
    top = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"busy", WS_POPUP | WS_VISIBLE, 50, 450, 500, 80, nullptr,
                          nullptr, GetModuleHandleW(nullptr), nullptr);
    for (int i = 0; i < 5; ++i)
      children[i] = CreateWindowExW(0, L"STATIC", L"busy child", WS_CHILD | WS_VISIBLE, 10 + i * 90, 10, 80, 50, top,
                                    nullptr, GetModuleHandleW(nullptr), nullptr);
    wintest::Pump(100);
    SetEvent(ready);
    WaitForSingleObject(release, 20000);  // busy: no messages are handled
    wintest::Pump(50);
    DestroyWindow(top);
  });
  // Should the snapshot wait once per window, let the thread go after a
  // while so that the test fails instead of hanging.
  std::atomic<bool> done{false};
  std::thread watchdog([&] {
    for (int i = 0; i < 600 && !done; ++i) Sleep(10);
    SetEvent(release);
  });
  WaitForSingleObject(ready, 5000);
  SetWindowTextW(host_, L"answering");
  SetWindowPos(host_, nullptr, 600, 450, 150, 80, SWP_NOZORDER | SWP_NOACTIVATE);
  wintest::Pump(50);

  const DWORD start = GetTickCount();
  T_WinList list(ScreenSize(), nullptr);
  const DWORD ms = GetTickCount() - start;
  done = true;
  SetEvent(release);
  watchdog.join();
  busy.join();
  CloseHandle(ready);
  CloseHandle(release);

  EXPECT_LT(ms, kMessageTimeoutMs * 2 + 400) << "one time-out is " << kMessageTimeoutMs << " ms";
  const T_WinItem* child = list.Lookup(POINT{50 + 10 + 2 * 90 + 5, 450 + 15}, false);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(child->handle, children[2]);  // the busy thread's windows are in the snapshot, without texts
  EXPECT_EQ(child->className, u"Static");
  const T_WinItem* answering = list.Lookup(POINT{620, 470}, false);
  ASSERT_NE(answering, nullptr);
  EXPECT_EQ(answering->handle, host_);
  EXPECT_EQ(answering->text, u"answering");  // another thread that answers is still asked
}

}  // namespace
}  // namespace zorvik
