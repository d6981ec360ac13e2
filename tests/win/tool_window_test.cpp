// Tool windows: made on first use, hidden (not destroyed) by the close box
// and Alt+F4, bounds kept for the settings file; pages made on first show;
// the splitter.
#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "kit/page_host.h"
#include "kit/splitter.h"
#include "kit/tool_window.h"
#include "kit_support.h"
#include "platform/general.h"
#include "platform/screen_size.h"
#include "win_support.h"

namespace zorvik::kit {
namespace {

class Counting : public ToolWindow {
public:
  Counting() : ToolWindow(L"ZorvikKitToolTest", "ツール", 300, 200) {}
  int creates = 0;

protected:
  void OnCreate() override { ++creates; }
};

TEST(ToolWindow, IsMadeOnFirstUseAndOnlyHiddenByCloseAndAltF4) {
  Counting w;
  int closes = 0;
  w.onClose = [&] { ++closes; };
  EXPECT_FALSE(w.Exists());
  EXPECT_FALSE(w.Visible());
  w.Show();
  ASSERT_TRUE(w.Exists());
  EXPECT_TRUE(w.Visible());
  const HWND h = w.Handle();
  RECT client;
  GetClientRect(h, &client);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 200);
  HMENU system = GetSystemMenu(h, FALSE);
  EXPECT_EQ(GetMenuState(system, SC_MAXIMIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
  EXPECT_EQ(GetMenuState(system, SC_MINIMIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
  EXPECT_EQ(GetMenuState(system, SC_RESTORE, MF_BYCOMMAND), static_cast<UINT>(-1));

  SendMessageW(h, WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box
  wintest::Pump(50);
  EXPECT_FALSE(w.Visible());
  EXPECT_TRUE(IsWindow(h));
  EXPECT_EQ(closes, 1);

  w.Show();
  EXPECT_EQ(w.Handle(), h);  // the same window again
  EXPECT_EQ(w.creates, 1);
  // Alt+F4 in a control of the window.
  HWND child = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, h, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  SetFocus(child);
  SendMessageW(child, WM_SYSKEYDOWN, VK_F4, static_cast<LPARAM>(0x20000001));  // context code: Alt held
  wintest::Pump(100);
  EXPECT_FALSE(w.Visible());
  EXPECT_TRUE(IsWindow(h));
  EXPECT_EQ(closes, 2);
}

TEST(ToolWindow, BoundsRoundTripAndStayOnTheScreen) {
  Counting w;
  const RECT none{0, 0, 0, 0};
  EXPECT_FALSE(w.SetBounds(RECT{10, 10, 200, 200}));  // not made yet
  ASSERT_TRUE(w.Ensure());
  const RECT placed{120, 90, 520, 390};
  ASSERT_TRUE(w.SetBounds(placed));
  RECT b = w.Bounds();
  EXPECT_EQ(b.left, placed.left);
  EXPECT_EQ(b.top, placed.top);
  EXPECT_EQ(b.right, placed.right);
  EXPECT_EQ(b.bottom, placed.bottom);
  EXPECT_FALSE(w.SetBounds(RECT{50, 50, 50, 300}));  // zero width: ignored
  EXPECT_FALSE(w.SetBounds(none));
  b = w.Bounds();
  EXPECT_EQ(b.left, placed.left);
  // Far off the screen: moved into the work area, size kept.
  ASSERT_TRUE(w.SetBounds(RECT{-5000, -4000, -4600, -3700}));
  b = w.Bounds();
  const RECT work = WorkAreaNearest(b);
  EXPECT_GE(b.left, work.left);
  EXPECT_GE(b.top, work.top);
  EXPECT_EQ(b.right - b.left, 400);
  EXPECT_EQ(b.bottom - b.top, 300);
  // Bounds whose width does not fit in an int: a window of the screen.
  constexpr LONG kMin = -2147483647 - 1, kMax = 2147483647;
  for (const RECT& huge : {RECT{kMin + 1, kMin + 1, kMax, kMax}, RECT{kMin, 0, kMax, 100}, RECT{0, kMin, 100, kMax}}) {
    ASSERT_TRUE(w.SetBounds(huge));
    b = w.Bounds();
    const Rc screen = ScreenSize().Layout().Virtual();
    EXPECT_GE(b.left, screen.left);
    EXPECT_GE(b.top, screen.top);
    EXPECT_LE(b.right, screen.right);
    EXPECT_LE(b.bottom, screen.bottom);
    EXPECT_GT(b.right, b.left);
  }
}

// A window that cannot be made (here: its owner is no window) is asked
// again on every tick; it fails at once and holds no font.
TEST(ToolWindow, AFailedCreationIsNotRetriedAndKeepsNoFont) {
  Counting w;
  HWND bogus = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x7FFF0FF0));
  ASSERT_FALSE(IsWindow(bogus));
  ASSERT_FALSE(w.Ensure(bogus, 96));
  const unsigned before = CountGdiObjects();
  for (int i = 0; i < 40; ++i) EXPECT_FALSE(w.Ensure(bogus, 96));
  EXPECT_EQ(CountGdiObjects(), before);
  EXPECT_EQ(w.Font(), nullptr);
  EXPECT_EQ(w.creates, 0);
}

// Our timers post WM_TIMER. One sent from another thread (a program we
// inspect answering a guarded send with it) must not run the tick inside
// the tick; a posted one still does.
TEST(KitWindow, AWmTimerSentFromAnotherThreadIsNoTick) {
  Counting w;
  ASSERT_TRUE(w.Ensure(nullptr, 96));
  int ticks = 0;
  w.StartTimer(77, 60000, [&] { ++ticks; });
  HWND h = w.Handle();
  LRESULT answer = -1;
  std::thread sender([h, &answer] {
    DWORD_PTR r = 0;
    answer = SendMessageTimeoutW(h, WM_TIMER, 77, 0, SMTO_NORMAL, 3000, &r) ? 1 : 0;
  });
  for (int i = 0; i < 100 && answer < 0; ++i) wintest::Pump(10);
  sender.join();
  EXPECT_EQ(answer, 1) << "the send is answered";
  EXPECT_EQ(ticks, 0);
  PostMessageW(h, WM_TIMER, 77, 0);
  wintest::Pump(50);
  EXPECT_EQ(ticks, 1);
  SendMessageW(h, WM_TIMER, 77, 0);  // from our own thread: a call like any other
  EXPECT_EQ(ticks, 2);
  w.StopTimer(77);
}

TEST(PageHost, MakesEachPageOnceOnItsFirstShow) {
  Counting w;
  ASSERT_TRUE(w.Ensure(nullptr, 96));
  int made = 0;
  PageHost host;
  for (const char* name : {"PageA", "PageB"})
    host.Add(name, std::string("ページ ") + name, [&made, name] {
      ++made;
      return std::make_unique<Page>(name, "", kittest::DemoTable(), 200, 100);
    });
  EXPECT_EQ(host.Count(), 2u);
  EXPECT_EQ(host.Caption(1), "ページ PageB");
  EXPECT_EQ(host.Find("PageA"), nullptr);
  EXPECT_EQ(made, 0);
  const RECT area{0, 0, 300, 200};
  Page* a = host.Show("PageA", w.Handle(), area);
  ASSERT_NE(a, nullptr);
  EXPECT_TRUE(GetWindowLongW(a->Handle(), GWL_STYLE) & WS_VISIBLE);
  Page* b = host.Show("PageB", w.Handle(), area);
  EXPECT_FALSE(GetWindowLongW(a->Handle(), GWL_STYLE) & WS_VISIBLE);  // the earlier page is hidden
  EXPECT_EQ(host.Show("PageA", w.Handle(), area), a);                 // not made again
  EXPECT_EQ(made, 2);
  EXPECT_EQ(host.Active(), a);
  EXPECT_EQ(host.Find("PageB"), b);
  EXPECT_EQ(host.Show("Nope", w.Handle(), area), nullptr);
}

TEST(Splitter, DraggingResizesThePaneWithinItsLimits) {
  Counting w;
  ASSERT_TRUE(w.Ensure(nullptr, 96));
  w.Show();
  // A 100-pixel tree on the left, a 3-pixel bar, the rest on the right.
  HWND left = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 200, w.Handle(), nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  Splitter bar;
  ASSERT_TRUE(bar.Create(w.Handle(), Splitter::Orientation::Vertical, RECT{100, 0, 103, 200}));
  bar.SetPane(left, Splitter::PaneSide::Before, 40, 60);
  int reported = -1;
  bar.onMoved = [&](int size) { reported = size; };
  SendMessageW(bar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 50));
  SendMessageW(bar.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(31, 50));  // 30 to the right
  EXPECT_EQ(reported, 130);
  EXPECT_EQ(kittest::RectInParent(left).right, 130);
  EXPECT_EQ(kittest::RectInParent(bar.Handle()).left, 130);
  // Bar coordinates move with the bar: the press was at x 101 of the parent.
  SendMessageW(bar.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-500, 50));
  EXPECT_EQ(reported, 40);  // the pane's minimum
  SendMessageW(bar.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(500, 50));
  EXPECT_EQ(reported, 300 - 3 - 60);  // room for the rest's minimum
  SendMessageW(bar.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(500, 50));
  EXPECT_EQ(bar.PaneSize(), 237);
}

}  // namespace
}  // namespace zorvik::kit
