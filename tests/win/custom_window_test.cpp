// The customisation window on a live main window: one window and one page
// however often it is asked for, its tabs and their commands, its place and
// size, its system menu, closing, hints, keys; and screenshots of the
// settings page (kept when ZORVIK_SCREENSHOT_DIR is set).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "kit/hint_bar.h"
#include "kit_support.h"
#include "magnifier/main_window.h"
#include "platform/optional_functions.h"
#include "platform/private_messages.h"
#include "platform/screen_size.h"
#include "custom/setting_page.h"
#include "win_support.h"

namespace zorvik {
namespace {

class CustomWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    LoadOptionalFunctions();
    SetCursorPos(500, 400);
    app_.settingsFile.clear();
    ASSERT_TRUE(app_.CreateMainWindow());
    wintest::Pump(200);
  }
  TApp_ZorvikCustom& Custom() { return app_.CustomWindow(); }
  bool Run(const char* command) {
    const bool ran = app_.ActionByName(command)->Trigger();
    wintest::Pump(50);
    return ran;
  }
  // Windows of a class: top-level ones of this process, or children of `parent`.
  static int CountOf(const wchar_t* cls, HWND parent = nullptr) {
    struct Q {
      const wchar_t* cls;
      int n;
    } q{cls, 0};
    auto each = [](HWND h, LPARAM lp) -> BOOL {
      auto* q = reinterpret_cast<Q*>(lp);
      wchar_t name[64] = L"";
      GetClassNameW(h, name, 64);
      DWORD pid = 0;
      GetWindowThreadProcessId(h, &pid);
      if (pid == GetCurrentProcessId() && lstrcmpW(name, q->cls) == 0) ++q->n;
      return TRUE;
    };
    if (parent) EnumChildWindows(parent, each, reinterpret_cast<LPARAM>(&q));
    else EnumWindows(each, reinterpret_cast<LPARAM>(&q));
    return q.n;
  }
  std::wstring TabCaption(int i) {
    wchar_t text[64] = L"";
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(Custom().TabControl(), TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    return text;
  }
  TApp_Zorvik app_;
};

TEST_F(CustomWindowTest, OpeningTheSettingsTwiceGivesOneWindowAndOnePage) {
  EXPECT_FALSE(Custom().Exists());  // made on first use
  ASSERT_TRUE(Run("Action_Custom_Setting"));
  kit::Page* first = Custom().PageOf("TabSheet_Option");
  ASSERT_NE(first, nullptr);
  // Again, hidden in between, from each way in: the menu item, Alt+F10, the
  // system menu's first item and the down gesture's command.
  HWND main = app_.Handle();
  const UINT menuId = app_.MenuCommandOf(*app_.ActionByName("Action_Custom_Setting"));
  BYTE keys[256]{};
  const struct {
    const char* way;
    std::function<void()> open;
  } ways[] = {
      {"menu", [&] { SendMessageW(main, WM_COMMAND, menuId, 0); }},
      {"Alt+F10",
       [&] {
         GetKeyboardState(keys);
         keys[VK_MENU] = 0x80;
         SetKeyboardState(keys);
         SendMessageW(main, WM_SYSKEYDOWN, VK_F10, 1 << 29);
         keys[VK_MENU] = 0;
         SetKeyboardState(keys);
       }},
      {"system menu", [&] { SendMessageW(main, WM_SYSCOMMAND, syscmd::kCustomSetting, 0); }},
      {"gesture",
       [&] {
         const CommandDef* down = app_.Gestures().CommandFor(Gesture::Down);
         ASSERT_NE(down, nullptr);
         app_.ActionByName(down->name)->Trigger();
       }},
  };
  for (const auto& w : ways) {
    SCOPED_TRACE(w.way);
    Custom().Hide();
    w.open();
    wintest::Pump(50);
    EXPECT_TRUE(IsWindowVisible(Custom().Handle()));
    EXPECT_EQ(Custom().ActiveTab(), 0);
  }
  EXPECT_EQ(Custom().PageOf("TabSheet_Option"), first);
  EXPECT_EQ(CountOf(L"TApp_ZorvikCustom"), 1);
  EXPECT_EQ(CountOf(L"ZorvikKitPage", Custom().Handle()), 1);
  EXPECT_TRUE(IsWindowVisible(Custom().Handle()));
  EXPECT_TRUE(app_.ActionByName("Action_Custom_Setting")->Enabled());
}

TEST_F(CustomWindowTest, SixTabsInOrderEachCommandShowingItsOwn) {
  ASSERT_TRUE(Run("Action_Custom_Setting"));
  const wchar_t* captions[] = {L"一覧設定", L"メニュー", L"ツールバー", L"ショートカット", L"コピー形式", L"バージョン情報"};
  ASSERT_EQ(Custom().TabCount(), 6u);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(TabCaption(i), captions[i]);
  const LONG style = GetWindowLongW(Custom().TabControl(), GWL_STYLE);
  EXPECT_TRUE((style & TCS_BUTTONS) && (style & TCS_FLATBUTTONS));
  EXPECT_EQ(Custom().ActiveTab(), 0);
  const struct {
    const char* command;
    int tab;
  } cases[] = {{"Action_Custom_ShortCut", 3}, {"Action_Custom_Copy", 4}, {"Action_Custom_Menu", 1},
               {"Action_Custom_ToolBar", 2},  {"Action_Custom_Setting", 0}};
  kit::Page* setting = Custom().PageOf("TabSheet_Option");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    ASSERT_TRUE(Run(c.command));
    EXPECT_EQ(Custom().ActiveTab(), c.tab);
    // The settings page is in front only on its own tab.
    EXPECT_EQ(IsWindowVisible(setting->Handle()) != FALSE, c.tab == 0);
    if (kit::Page* page = Custom().ActivePage()) {
      EXPECT_TRUE(IsWindowVisible(page->Handle()));
      const RECT area = Custom().PageArea();
      EXPECT_EQ(kittest::RectInParent(page->Handle()).right, area.right);  // fills the tab area
      EXPECT_EQ(kittest::RectInParent(page->Handle()).bottom, area.bottom);
    }
  }
  // A click on a tab shows it too.
  Custom().SelectTab(5);
  EXPECT_EQ(Custom().ActiveTab(), 5);
  EXPECT_FALSE(IsWindowVisible(setting->Handle()));
}

TEST_F(CustomWindowTest, CentredOnTheWorkAreaSizedForPageAndHintBar) {
  ASSERT_TRUE(Run("Action_Custom_Setting"));
  RECT w{};
  GetWindowRect(Custom().Handle(), &w);
  POINT cursor{};
  GetCursorPos(&cursor);
  const RECT work = WorkAreaOf(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST));
  EXPECT_NEAR((w.left + w.right) / 2, (work.left + work.right) / 2, 1);
  EXPECT_NEAR((w.top + w.bottom) / 2, (work.top + work.bottom) / 2, 1);
  RECT client{};
  GetClientRect(Custom().Handle(), &client);
  const RECT area = Custom().PageArea();
  ASSERT_NE(Custom().Hints(), nullptr);
  EXPECT_GE(area.right - area.left, Custom().Scale(TApp_ZorvikCustom::kDesignPageWidth) - 8);
  EXPECT_EQ(area.bottom - area.top, Custom().Scale(TApp_ZorvikCustom::kDesignPageHeight));
  // The hint bar directly under the tab control, along the bottom.
  RECT bar = kittest::RectInParent(Custom().Hints()->Handle());
  EXPECT_EQ(bar.bottom, client.bottom);
  EXPECT_GE(bar.top, area.bottom);
}

TEST_F(CustomWindowTest, SystemMenuKeepsMoveSizeAndClose) {
  ASSERT_TRUE(Run("Action_Custom_Setting"));
  HMENU sys = GetSystemMenu(Custom().Handle(), FALSE);
  ASSERT_NE(sys, nullptr);
  for (UINT gone : {SC_RESTORE, SC_MINIMIZE, SC_MAXIMIZE})
    EXPECT_EQ(GetMenuState(sys, gone, MF_BYCOMMAND), static_cast<UINT>(-1));
  EXPECT_NE(GetMenuState(sys, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
  // No separator is left between Size and Close.
  int size = -1;
  for (int i = 0; i < GetMenuItemCount(sys); ++i)
    if (GetMenuItemID(sys, i) == SC_SIZE) size = i;
  ASSERT_GE(size, 0);
  EXPECT_EQ(GetMenuItemID(sys, size + 1), static_cast<UINT>(SC_CLOSE));
}

TEST_F(CustomWindowTest, CloseBoxAndAltF4HideAndTheSameWindowComesBack) {
  ASSERT_TRUE(Run("Action_Custom_Setting"));
  HWND h = Custom().Handle();
  SendMessageW(h, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(h));
  ASSERT_TRUE(Run("Action_Custom_Setting"));
  EXPECT_EQ(Custom().Handle(), h);
  EXPECT_TRUE(IsWindowVisible(h));
  // Alt+F4 on a control of the page: the window hides, the program stays.
  auto* page = dynamic_cast<TForm_Setting*>(Custom().PageOf("TabSheet_Option"));
  ASSERT_NE(page, nullptr);
  SendMessageW(page->Control("TreeView_Category"), WM_SYSKEYDOWN, VK_F4, 1 << 29);
  wintest::Pump(100);
  EXPECT_FALSE(IsWindowVisible(h));
  ASSERT_TRUE(Run("Action_Custom_Setting"));
  SendMessageW(page->Control("Button_Reset"), WM_SYSKEYDOWN, VK_F4, 1 << 29);
  wintest::Pump(100);
  EXPECT_FALSE(IsWindowVisible(h));
  EXPECT_TRUE(IsWindowVisible(app_.Handle()));
  // So does the page's close button.
  ASSERT_TRUE(Run("Action_Custom_Setting"));
  SendMessageW(page->Control("Button_Close"), BM_CLICK, 0, 0);
  wintest::Pump(50);
  EXPECT_FALSE(IsWindowVisible(h));
}

TEST_F(CustomWindowTest, HintBarShowsTheHintOfTheControlUnderThePointer) {
  ASSERT_TRUE(Run("Action_Custom_Setting"));
  SetWindowPos(Custom().Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  auto* page = dynamic_cast<TForm_Setting*>(Custom().PageOf("TabSheet_Option"));
  RECT r{};
  GetWindowRect(page->Control("Button_Reset"), &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  Custom().Hints()->Poll();
  EXPECT_EQ(Custom().Hints()->Text(), L"設定をリセットします。");
}

TEST_F(CustomWindowTest, CtrlTabGoesThroughTheTabsAndTabStaysOnThePage) {
  ASSERT_TRUE(Run("Action_Custom_Setting"));
  auto* page = dynamic_cast<TForm_Setting*>(Custom().PageOf("TabSheet_Option"));
  HWND tree = page->Control("TreeView_Category");
  SetFocus(tree);
  BYTE keys[256]{};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  SendMessageW(tree, WM_KEYDOWN, VK_TAB, 0);
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(Custom().ActiveTab(), 1);
  Custom().SelectTab(0);
  // Tab alone moves the focus from the tree into the panel in front.
  SetFocus(tree);
  SendMessageW(tree, WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(GetFocus(), page->Control("CheckListBox_Opt"));
  SendMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(GetFocus(), page->Control("Button_Reset"));
  // Esc on the page leaves the window and its state as they were.
  SendMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
  wintest::Pump(50);
  EXPECT_TRUE(IsWindowVisible(Custom().Handle()));
  EXPECT_EQ(page->SelectedNode(), "オプション");
}

// A page that records what its window passes on.
class RecordingPage : public kit::Page {
public:
  RecordingPage() : Page("Recording", "記録", {}, 200, 100) {}
  bool HostWheel(int delta, WPARAM) override {
    wheel += delta;
    return true;
  }
  bool HostKeyUp(WPARAM vk, LPARAM) override {
    keys.push_back(static_cast<int>(vk));
    return true;
  }
  int wheel = 0;
  std::vector<int> keys;
};

TEST_F(CustomWindowTest, WheelAndKeyUpOfTheWindowGoToTheActivePage) {
  RecordingPage* made = nullptr;
  std::vector<TApp_ZorvikCustom::Tab> tabs = {
      {"tabA", "A", [&made] {
         auto p = std::make_unique<RecordingPage>();
         made = p.get();
         return p;
       }},
      {"tabEmpty", "B", nullptr}};
  TApp_ZorvikCustom custom(app_, std::move(tabs));
  custom.ShowCustomisation("tabA");
  ASSERT_NE(made, nullptr);
  SendMessageW(custom.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  SendMessageW(custom.TabControl(), WM_KEYUP, VK_F5, 0xC0000001);
  EXPECT_EQ(made->wheel, -WHEEL_DELTA);
  EXPECT_EQ(made->keys, std::vector<int>{VK_F5});
  // On a tab without a page they go nowhere, and harm nothing.
  custom.ShowCustomisation("tabEmpty");
  EXPECT_EQ(custom.ActivePage(), nullptr);
  EXPECT_FALSE(IsWindowVisible(made->Handle()));
  SendMessageW(custom.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  SendMessageW(custom.TabControl(), WM_KEYUP, VK_F5, 0xC0000001);
  EXPECT_EQ(made->wheel, -WHEEL_DELTA);
  EXPECT_EQ(made->keys.size(), 1u);
}

// Screenshots of the settings page on several panels (96 dpi, and 144 dpi
// made so on purpose), kept for looking at by eye; each one must show the
// captions of the panel's buttons where the page's table places them.
TEST_F(CustomWindowTest, Screenshots) {
  for (int dpi : {96, 144}) {
    SCOPED_TRACE(dpi);
    TApp_ZorvikCustom* custom = &Custom();
    std::unique_ptr<TApp_ZorvikCustom> own;
    if (dpi != 96) {
      std::vector<TApp_ZorvikCustom::Tab> tabs = {
          {"TabSheet_Option", "一覧設定",
           [this] {
             return std::make_unique<TForm_Setting>(app_, app_, app_, app_.APITestWindow(), app_.DesignState());
           }},
          {"tabMenu", "メニュー", nullptr},        {"tabToolBar", "ツールバー", nullptr},
          {"tabShortCut", "ショートカット", nullptr}, {"tabCopy", "コピー形式", nullptr},
          {"tabHelp", "バージョン情報", nullptr}};
      own = std::make_unique<TApp_ZorvikCustom>(app_, std::move(tabs));
      custom = own.get();
      ASSERT_TRUE(custom->Ensure(app_.Handle(), dpi));
    }
    custom->ShowCustomisation("TabSheet_Option");
    SetWindowPos(custom->Handle(), HWND_TOPMOST, 20, 20, 0, 0, SWP_NOSIZE);
    auto* page = dynamic_cast<TForm_Setting*>(custom->PageOf("TabSheet_Option"));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Dpi(), dpi);
    for (const char* node : {"オプション", "グリッド", "カーソル位置情報", "キャプチャ", "拡大倍率"}) {
      page->SelectNode(node);
      RECT r{};
      GetWindowRect(page->Control("Button_Reset"), &r);
      SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
      custom->Hints()->Poll();
      wintest::Pump(300);
      GetWindowRect(custom->Handle(), &r);
      const kittest::Picture pic = kittest::Capture(r);
      kittest::Keep(pic, "settings-page-" + std::to_string(dpi) + "-" + page->VisiblePanel());
      // Every enabled button, check box and group box of the panel in view
      // has its caption drawn inside the rectangle its table row gives it.
      const std::vector<HWND> buttons = kittest::CaptionedButtons(page->Handle(), r);
      EXPECT_GE(buttons.size(), 2u) << page->VisiblePanel();
      for (HWND b : buttons)
        EXPECT_GT(kittest::CaptionPixels(pic, r, b), 8) << page->VisiblePanel() << ": " << kittest::Caption(b);
    }
    custom->Hide();
  }
}

}  // namespace
}  // namespace zorvik
