// The window style viewer with the real main window in this process: what it
// lists for known windows under the cursor, the class switches, the copy of
// the details, closing it (close box, Alt+F4, its menu), rebuilding only on a
// style change, the paused colours and hint, its sizes at 144 dpi and its
// block of the settings file.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <functional>
#include <atomic>
#include <memory>
#include <thread>
#include <string>
#include <vector>

#include "copy/clipboard.h"
#include "inspection/style_tables.h"
#include "inspection/windowstyle.h"
#include "magnifier/main_window.h"
#include "platform/optional_functions.h"
#include "platform/win_text.h"
#include "settings/my_settingfile.h"
#include "custom_page_support.h"
#include "win_support.h"

namespace zorvik {
namespace {

// A known top-level window, in front of everything (top-level windows
// always clip their siblings).
HWND Known(const wchar_t* cls, DWORD style, int x, int y, int w, int h, const wchar_t* text) {
  return CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, cls, text, WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | style,
                         x, y, w, h,
                         nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// "0x%.8x %0:d" of a handle.
std::wstring HandleText(HWND h) {
  const uint32_t v = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(h));
  wchar_t buf[40];
  swprintf(buf, 40, L"0x%08X %d", v, static_cast<int>(v));
  return buf;
}

// A table line by its name (the first of that name).
std::wstring TableLine(StyleFamily family, const char* name) {
  size_t n = 0;
  const StyleEntry* e = StyleEntries(family, &n);
  for (size_t i = 0; i < n; ++i)
    if (std::string(e[i].name) == name) return Wide(StyleTableLines(family)[i]);
  return L"<no line " + W(name) + L">";
}

TApp_ZorvikWindowStyle* ViewerOf(HWND h) {
  if (!h) return nullptr;
  return dynamic_cast<TApp_ZorvikWindowStyle*>(reinterpret_cast<kit::Window*>(GetWindowLongPtrW(h, GWLP_USERDATA)));
}

void Key(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &in, sizeof in);
}

class WindowStyleTest : public ::testing::Test {
protected:
  void SetUp() override {
    LoadOptionalFunctions();
    SetCursorPos(5, 5);
    app_.settingsFile.clear();  // never read or write a settings file
    ASSERT_TRUE(app_.CreateMainWindow());
    wintest::Pump(200);
  }
  void TearDown() override {
    for (HWND w : windows_) DestroyWindow(w);
  }
  HWND Make(const wchar_t* cls, DWORD style, int x, int y, int w, int h, const wchar_t* text) {
    HWND made = Known(cls, style, x, y, w, h, text);
    windows_.push_back(made);
    return made;
  }
  // The cursor over the middle of `w`, and one full refresh.
  void PointAt(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    app_.RefreshView();
    wintest::Pump(50);
  }
  kit::Action& Command() { return *app_.ActionByName("Action_WinInfo_StyleVerbose"); }
  // Switches the viewer on and returns it, placed where no test window lies.
  TApp_ZorvikWindowStyle* Open() {
    if (!Command().Checked()) Command().Trigger();
    wintest::Pump(100);
    TApp_ZorvikWindowStyle* v = ViewerOf(FindWindowW(L"TApp_ZorvikWindowStyle", nullptr));
    if (v) {
      v->SetBounds(RECT{640, 330, 1180, 760});
      app_.RefreshView();
      wintest::Pump(100);
    }
    return v;
  }

  TApp_Zorvik app_;
  std::vector<HWND> windows_;
};

TEST_F(WindowStyleTest, TheCommandMakesItOnFirstUseAndItListsTheWindowUnderTheCursor) {
  HWND w = Make(L"STATIC", 0, 700, 100, 300, 150, L"見本");
  ASSERT_EQ(static_cast<DWORD>(GetWindowLongW(w, GWL_STYLE)), 0x94000000u);
  ASSERT_EQ(static_cast<DWORD>(GetWindowLongW(w, GWL_EXSTYLE)), 0x88u);
  EXPECT_EQ(FindWindowW(L"TApp_ZorvikWindowStyle", nullptr), nullptr);  // nothing made before it is asked for
  PointAt(w);
  TApp_ZorvikWindowStyle* v = Open();
  ASSERT_NE(v, nullptr);
  EXPECT_TRUE(v->Visible());
  wchar_t caption[64] = {};
  GetWindowTextW(v->Handle(), caption, 64);
  EXPECT_STREQ(caption, L"ウィンドウスタイル");
  const std::vector<std::wstring> expected = {
      HandleText(w) + L" Static \"見本\"",
      L"\t0x94000000 2483027968 ウィンドウスタイル",
      TableLine(StyleFamily::kWindow, "WS_CLIPSIBLINGS"),
      TableLine(StyleFamily::kWindow, "WS_OVERLAPPED"),
      TableLine(StyleFamily::kWindow, "WS_POPUP"),
      TableLine(StyleFamily::kWindow, "WS_VISIBLE"),
      L"\t0x00000088 136 拡張ウィンドウスタイル",
      TableLine(StyleFamily::kExtended, "WS_EX_LEFT"),
      TableLine(StyleFamily::kExtended, "WS_EX_LTRREADING"),
      TableLine(StyleFamily::kExtended, "WS_EX_RIGHTSCROLLBAR"),
      TableLine(StyleFamily::kExtended, "WS_EX_TOOLWINDOW"),
      TableLine(StyleFamily::kExtended, "WS_EX_TOPMOST"),
  };
  EXPECT_EQ(v->Lines(), expected);
}

TEST_F(WindowStyleTest, AClassSwitchAddsItsTableReadFromTheWindowStyle) {
  HWND check = Make(L"BUTTON", BS_AUTOCHECKBOX, 700, 100, 200, 40, L"チェック");
  HWND push = Make(L"BUTTON", BS_PUSHBUTTON | WS_BORDER, 700, 200, 200, 40, L"押す");
  PointAt(check);
  TApp_ZorvikWindowStyle* v = Open();
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(v->Lines().size(), 11u);  // the window line, two sections, 3 + 5 styles, no button table
  SendMessageW(v->Switch(kSwitchButton), BM_CLICK, 0, 0);
  wintest::Pump(50);
  EXPECT_EQ(v->ClassMask(), static_cast<uint32_t>(kSwitchButton));
  std::vector<std::wstring> lines = v->Lines();
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[11], L"\t           ボタンコントロール");
  EXPECT_EQ(std::vector<std::wstring>(lines.begin() + 12, lines.end()),
            (std::vector<std::wstring>{TableLine(StyleFamily::kButton, "BS_AUTOCHECKBOX"),
                                       TableLine(StyleFamily::kButton, "BS_CHECKBOX"),
                                       TableLine(StyleFamily::kButton, "BS_DEFPUSHBUTTON")}));
  PointAt(push);
  lines = v->Lines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(std::vector<std::wstring>(lines.end() - 3, lines.end()),
            (std::vector<std::wstring>{L"\t           ボタンコントロール",
                                       TableLine(StyleFamily::kButton, "BS_PUSHBUTTON"),
                                       TableLine(StyleFamily::kButton, "BS_TEXT")}));
  // Switched off again, the table goes.
  SendMessageW(v->Switch(kSwitchButton), BM_CLICK, 0, 0);
  wintest::Pump(50);
  EXPECT_EQ(v->ClassMask(), 0u);
  EXPECT_NE(v->Lines().back(), TableLine(StyleFamily::kButton, "BS_TEXT"));
}

TEST_F(WindowStyleTest, ItsCopyPutsTheHeadingAndTheListingOnTheClipboardExactly) {
  HWND w = Make(L"STATIC", 0, 700, 100, 300, 150, L"見本 \"引用\"");
  PointAt(w);
  TApp_ZorvikWindowStyle* v = Open();
  ASSERT_NE(v, nullptr);
  const std::wstring expected =
      L"ウィンドウスタイル詳細\r\n" + HandleText(w) +
      L" Static \"見本 \"引用\"\"\r\n"
      L"\t0x94000000 2483027968 ウィンドウスタイル\r\n"
      L" 0x4000000 WS_CLIPSIBLINGS        兄弟ウィンドウと重なる部分を描画領域から除きます。\r\n"
      L"       0x0 WS_OVERLAPPED          オーバーラップウィンドウを作成します。タイトルバーと境界線を持ちます。\r\n"
      L"0x80000000 WS_POPUP               ポップアップウィンドウを作成します。WS_CHILD とは併用できません。\r\n"
      L"0x10000000 WS_VISIBLE             表示されているウィンドウです。\r\n"
      L"\t0x00000088 136 拡張ウィンドウスタイル\r\n"
      L"       0x0 WS_EX_LEFT             左揃えの一般的な属性を持ちます。既定の値です。\r\n"
      L"       0x0 WS_EX_LTRREADING       テキストを左から右への読み順で表示します。既定の値です。\r\n"
      L"       0x0 WS_EX_RIGHTSCROLLBAR   垂直スクロールバーをクライアント領域の右側に置きます。既定の値です。\r\n"
      L"      0x80 WS_EX_TOOLWINDOW       ツールウィンドウです。タイトルバーが低く、タスクバーや Alt+Tab の一覧に出ません。\r\n"
      L"       0x8 WS_EX_TOPMOST          最前面ウィンドウです。アクティブでなくても、最前面でないウィンドウより上に表示されます。";
  PutClipboardText(app_.Handle(), L"前の中身");
  // The main window's own copy command has no listing to copy.
  app_.ActionByName("Action_Copy_WinInfoStyleVerbose")->Execute();
  EXPECT_EQ(ClipboardText(app_.Handle()), L"前の中身");
  ASSERT_TRUE(v->Actions().Find("Action_WindowStyle_TextCopy")->Execute());
  EXPECT_EQ(ClipboardText(app_.Handle()), expected);
  // The viewer's copy leaves nothing behind: the main window's own command
  // still has no listing to copy.
  PutClipboardText(app_.Handle(), L"前の中身");
  app_.ActionByName("Action_Copy_WinInfoStyleVerbose")->Execute();
  EXPECT_EQ(ClipboardText(app_.Handle()), L"前の中身");
  // The other text command copies the same.
  PutClipboardText(app_.Handle(), L"前の中身");
  ASSERT_TRUE(v->Actions().Find("Action_WindowStyle_TextOpen")->Execute());
  EXPECT_EQ(ClipboardText(app_.Handle()), expected);
  EXPECT_EQ(app_.StatusMessage().rfind(L"ウィンドウ情報/ウィンドウスタイルの詳細をコピー ウィンドウスタイル詳細", 0), 0u);
}

TEST_F(WindowStyleTest, ClosingItInAnyWaySwitchesTheCommandOffAndKeepsTheWindow) {
  HWND w = Make(L"STATIC", 0, 700, 100, 300, 150, L"見本");
  PointAt(w);
  TApp_ZorvikWindowStyle* v = Open();
  ASSERT_NE(v, nullptr);
  const HWND made = v->Handle();
  struct Way {
    const char* what;
    std::function<void()> close;
  };
  const Way ways[] = {
      {"close box", [&] { SendMessageW(made, WM_SYSCOMMAND, SC_CLOSE, 0); }},
      {"its menu's close", [&] { v->Actions().Find("actFile_Close")->Execute(); }},
      {"Alt+F4",
       [&] {
         SetForegroundWindow(made);
         SetFocus(v->List());
         wintest::Pump(100);
         Key(VK_MENU, false);
         Key(VK_F4, false);
         Key(VK_F4, true);
         Key(VK_MENU, true);
         wintest::Pump(300);
       }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.what);
    ASSERT_TRUE(Command().Checked());
    ASSERT_TRUE(v->Visible());
    way.close();
    wintest::Pump(50);
    EXPECT_FALSE(v->Visible());
    EXPECT_FALSE(Command().Checked());
    EXPECT_EQ(FindWindowW(L"TApp_ZorvikWindowStyle", nullptr), made);  // hidden, not destroyed
    EXPECT_TRUE(IsWindowVisible(app_.Handle()));                         // and the program goes on
    Command().Trigger();
    wintest::Pump(50);
    EXPECT_TRUE(v->Visible());
  }
  // The command off hides it.
  Command().Trigger();
  wintest::Pump(50);
  EXPECT_FALSE(v->Visible());
}

TEST_F(WindowStyleTest, TheListIsRebuiltOnlyWhenTheStylePairOrASwitchChanges) {
  HWND a = Make(L"STATIC", 0, 700, 60, 200, 80, L"窓A");
  HWND b = Make(L"STATIC", 0, 700, 160, 200, 80, L"窓B");
  HWND c = Make(L"STATIC", WS_BORDER, 700, 260, 200, 60, L"窓C");
  PointAt(a);
  TApp_ZorvikWindowStyle* v = Open();
  ASSERT_NE(v, nullptr);
  const int built = v->Rebuilds();
  const std::wstring lineOfA = v->Lines().at(0);
  EXPECT_EQ(lineOfA, HandleText(a) + L" Static \"窓A\"");
  for (int i = 0; i < 5; ++i) app_.RefreshView();
  PointAt(b);  // the same two styles: the list stays, window line included
  EXPECT_EQ(v->Rebuilds(), built);
  EXPECT_EQ(v->Lines().at(0), lineOfA);
  PointAt(c);
  EXPECT_EQ(v->Rebuilds(), built + 1);
  EXPECT_EQ(v->Lines().at(0), HandleText(c) + L" Static \"窓C\"");
  SendMessageW(v->Switch(kSwitchEdit), BM_CLICK, 0, 0);
  wintest::Pump(50);
  EXPECT_EQ(v->Rebuilds(), built + 2);
}

// The menu probe of the page tests: it finds the shown menu, reads it and
// keeps closing it until it is gone, so a test never waits on an open menu.
using pagetest::MenuProbe;

TEST_F(WindowStyleTest, F10AppsAndTheTitleBarIconOpenItsOwnMenuAtTheClientCorner) {
  HWND w = Make(L"STATIC", 0, 700, 100, 300, 150, L"見本");
  PointAt(w);
  TApp_ZorvikWindowStyle* v = Open();
  ASSERT_NE(v, nullptr);
  POINT origin{0, 0};
  ClientToScreen(v->Handle(), &origin);
  const struct {
    const char* what;
    std::function<void()> open;
  } kWays[] = {
      {"F10", [] { Key(VK_F10, false), Key(VK_F10, true); }},
      {"Apps", [] { Key(VK_APPS, false), Key(VK_APPS, true); }},
      {"title-bar icon", [&] { PostMessageW(v->Handle(), WM_SYSCOMMAND, 0xF093, 0); }},
  };
  for (const auto& way : kWays) {
    SCOPED_TRACE(way.what);
    SetForegroundWindow(v->Handle());
    SetFocus(v->List());
    wintest::Pump(100);
    MenuProbe probe;
    way.open();
    wintest::Pump(400);
    probe.Join();
    ASSERT_TRUE(probe.Seen());
    EXPECT_EQ(probe.Rect().left, origin.x);
    EXPECT_EQ(probe.Rect().top, origin.y);
    EXPECT_EQ(probe.Items(), (std::vector<std::wstring>{L"コピー(&C)", L"-", L"閉じる(&C)\tAlt+F4"}));
    EXPECT_TRUE(v->Visible());
  }
}

COLORREF ScreenPixel(HWND w, int x, int y) {
  POINT p{x, y};
  ClientToScreen(w, &p);
  HDC screen = GetDC(nullptr);
  const COLORREF c = GetPixel(screen, p.x, p.y);
  ReleaseDC(nullptr, screen);
  return c;
}

// Tooltip colours of their own for a test, so that paused and live differ
// whatever the system's scheme (restored afterwards).
class TooltipColours {
public:
  TooltipColours() : back_(GetSysColor(COLOR_INFOBK)), text_(GetSysColor(COLOR_INFOTEXT)) {
    const int which[] = {COLOR_INFOBK, COLOR_INFOTEXT};
    const COLORREF colours[] = {RGB(255, 255, 200), RGB(0, 0, 96)};
    SetSysColors(2, which, colours);
  }
  ~TooltipColours() {
    const int which[] = {COLOR_INFOBK, COLOR_INFOTEXT};
    const COLORREF colours[] = {back_, text_};
    SetSysColors(2, which, colours);
  }

private:
  COLORREF back_, text_;
};

TEST_F(WindowStyleTest, PausedItTakesTheTooltipColoursAndExplainsTheClickedLine) {
  TooltipColours tooltip;
  ASSERT_NE(GetSysColor(COLOR_INFOBK), GetSysColor(COLOR_WINDOW));
  HWND w = Make(L"STATIC", WS_BORDER, 700, 100, 300, 150, L"見本");
  PointAt(w);
  TApp_ZorvikWindowStyle* v = Open();
  ASSERT_NE(v, nullptr);
  SetForegroundWindow(v->Handle());
  wintest::Pump(100);
  HWND list = v->List();
  RECT line{}, section{};
  SendMessageW(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&line));
  SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&section));
  RECT client;
  GetClientRect(list, &client);
  const int x = client.right - 4;  // beyond the text
  EXPECT_FALSE(v->ShowsPaused());
  EXPECT_FALSE(IsWindowVisible(v->HintMemo()));
  EXPECT_EQ(ScreenPixel(list, x, line.top + 3), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(ScreenPixel(list, x, section.top + 3), GetSysColor(COLOR_BTNFACE));

  app_.ActionByName("Action_Capture_Pause")->Trigger();
  wintest::Pump(300);
  app_.RefreshView();
  wintest::Pump(100);
  EXPECT_TRUE(v->ShowsPaused());
  EXPECT_TRUE(IsWindowVisible(v->HintMemo()));
  RECT memo;
  GetWindowRect(v->HintMemo(), &memo);
  EXPECT_EQ(memo.bottom - memo.top, 64);
  EXPECT_EQ(ScreenPixel(list, x, line.top + 3), GetSysColor(COLOR_INFOBK));
  EXPECT_EQ(ScreenPixel(list, x, section.top + 3), GetSysColor(COLOR_BTNFACE));
  GetClientRect(list, &client);  // shorter now, above the hint
  EXPECT_EQ(ScreenPixel(list, x, client.bottom - 2), GetSysColor(COLOR_INFOBK));  // below the last line

  auto click = [&](const RECT& item) {
    const LPARAM at = MAKELPARAM(item.left + 20, (item.top + item.bottom) / 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
    wintest::Pump(30);
  };
  click(line);  // WS_BORDER, the first window style of this window
  EXPECT_EQ(v->HintText(), L"WS_BORDER 境界線を持つウィンドウを作成します。\r\n");
  click(section);
  EXPECT_EQ(v->HintText(), L"");

  app_.ActionByName("Action_Capture_Pause")->Trigger();
  wintest::Pump(100);
  app_.RefreshView();
  wintest::Pump(100);
  EXPECT_FALSE(v->ShowsPaused());
  EXPECT_FALSE(IsWindowVisible(v->HintMemo()));
}

TEST_F(WindowStyleTest, SizesFollowTheDpi) {
  const struct {
    int dpi, item, panel, hint;
  } kCases[] = {{96, 16, 26, 64}, {144, 24, 39, 96}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.dpi);
    TApp_ZorvikWindowStyle own(app_, app_, nullptr, nullptr);
    ASSERT_TRUE(own.Ensure(app_.Handle(), c.dpi));
    EXPECT_EQ(static_cast<int>(SendMessageW(own.List(), LB_GETITEMHEIGHT, 0, 0)), c.item);
    HWND panel = GetParent(own.Switch(kSwitchButton));
    RECT r;
    GetWindowRect(panel, &r);
    EXPECT_EQ(r.bottom - r.top, c.panel);
    EXPECT_EQ(own.CurrentPlacement().hintHeight, c.hint);
    RECT client;
    GetClientRect(own.Handle(), &client);
    EXPECT_EQ(client.right, MulDiv(TApp_ZorvikWindowStyle::kDesignWidth, c.dpi, 96));
    EXPECT_FALSE(IsWindowVisible(own.Switch(kSwitchDialog)));  // the two switches without a table stay hidden
    EXPECT_FALSE(IsWindowVisible(own.Switch(kSwitchScrollBar)));
  }
}

// The viewer's block of the settings file, through two runs of the program.
TEST(WindowStyleSettings, ANeverOpenedViewerWritesItsBlockBackAndAnOpenedOneWritesWhatItHas) {
  LoadOptionalFunctions();
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  const std::wstring file = std::wstring(dir) + L"zorvik-style-viewer.bin";
  auto write = [&](const SettingsData& d) {
    const std::vector<uint8_t> bytes = WriteSettings(d);
    HANDLE f = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE);
    DWORD n = 0;
    WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
    CloseHandle(f);
  };
  auto read = [&] {
    std::vector<uint8_t> bytes(1 << 16);
    HANDLE f = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD n = 0;
    if (f != INVALID_HANDLE_VALUE) {
      ReadFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
      CloseHandle(f);
    }
    const SettingsReadResult r = ReadSettings(bytes.data(), n);
    EXPECT_TRUE(r.Has(kSectionStyleViewer));
    return r.data;
  };
  SettingsData stored;
  stored.styleViewer.bounds = StoredRect{600, 300, 1100, 700};
  stored.styleViewer.hintHeight = 90;
  stored.styleViewer.classMask = kSwitchButton | kSwitchListBox | 0x100;  // a bit no switch has
  stored.styleViewerClasses = 0x55;                                        // never read, written back
  write(stored);

  {  // The viewer is never opened.
    TApp_Zorvik app;
    app.settingsFile = file;
    ASSERT_TRUE(app.CreateMainWindow());
    wintest::Pump(200);
  }
  SettingsData back = read();
  EXPECT_EQ(back.styleViewer, stored.styleViewer);
  EXPECT_EQ(back.styleViewerClasses, 0x55u);

  {  // Opened: it takes the block, and what it has then is written.
    TApp_Zorvik app;
    app.settingsFile = file;
    ASSERT_TRUE(app.CreateMainWindow());
    wintest::Pump(200);
    app.ActionByName("Action_WinInfo_StyleVerbose")->Trigger();
    wintest::Pump(100);
    TApp_ZorvikWindowStyle* v = ViewerOf(FindWindowW(L"TApp_ZorvikWindowStyle", nullptr));
    ASSERT_NE(v, nullptr);
    const RECT b = v->Bounds();
    EXPECT_EQ(b.left, 600);
    EXPECT_EQ(b.top, 300);
    EXPECT_EQ(b.right, 1100);
    EXPECT_EQ(b.bottom, 700);
    EXPECT_EQ(v->CurrentPlacement().hintHeight, 90);
    EXPECT_EQ(SendMessageW(v->Switch(kSwitchButton), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(v->Switch(kSwitchEdit), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(v->Switch(kSwitchListBox), BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageW(v->Switch(kSwitchEdit), BM_CLICK, 0, 0);
    SetWindowPos(v->Handle(), nullptr, 500, 250, 520, 410, SWP_NOZORDER | SWP_NOACTIVATE);
    wintest::Pump(50);
    SendMessageW(app.Handle(), WM_CLOSE, 0, 0);
    wintest::Pump(50);
  }
  back = read();
  EXPECT_EQ(back.styleViewer.bounds, (StoredRect{500, 250, 1020, 660}));
  EXPECT_EQ(back.styleViewer.hintHeight, 90);
  EXPECT_EQ(back.styleViewer.classMask, static_cast<uint32_t>(kSwitchButton | kSwitchEdit | kSwitchListBox));
  EXPECT_EQ(back.styleViewerClasses, static_cast<uint32_t>(kSwitchButton | kSwitchEdit | kSwitchListBox));
  EXPECT_TRUE(back.winInfoLines & kWinInfoStyleVerbose);  // it was on at exit

  {  // On at exit, it comes back at start without taking the focus.
    TApp_Zorvik app;
    app.settingsFile = file;
    ASSERT_TRUE(app.CreateMainWindow());
    wintest::Pump(300);
    HWND h = FindWindowW(L"TApp_ZorvikWindowStyle", nullptr);
    ASSERT_NE(h, nullptr);
    EXPECT_TRUE(IsWindowVisible(h));
    EXPECT_TRUE(app.ActionByName("Action_WinInfo_StyleVerbose")->Checked());
  }
  DeleteFileW(file.c_str());
}

}  // namespace
}  // namespace zorvik
