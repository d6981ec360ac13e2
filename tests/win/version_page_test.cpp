// The version page with the real main window: the version line read from a
// module's own version resource; F1's command opening the customisation
// window on the page; the list following the live bindings (a change made on
// the shortcut page reaches it at once); the help label opening the help page
// beside the program or saying that it is missing; keys and wheel scrolling
// the list line by line; the layout at 96 and 144 dpi.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "commands/command_table.h"
#include "custom/shortcut_page.h"
#include "custom_page_support.h"
#include "custom/version_page.h"
#include "platform/general.h"
#include "help/version_list.h"
#include "kit/owner_list.h"
#include "kit_support.h"
#include "platform/optional_functions.h"
#include "platform/win_text.h"
#include "custom/custom_window.h"

namespace zorvik {
namespace {

using Host = pagetest::PageHost<TForm_VersionInfo>;

constexpr uint16_t kG = 0x47;

// The list box's own texts, top to bottom.
std::vector<std::wstring> ListTexts(const TForm_VersionInfo& page) {
  std::vector<std::wstring> out;
  HWND list = page.List();
  const int n = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    wchar_t text[512] = L"";
    if (SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) < 511)
      SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    out.push_back(text);
  }
  return out;
}

bool Has(const std::vector<std::wstring>& lines, const std::wstring& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// A key line of the list: "[name]" right-aligned in W + 2 columns, then the command.
std::wstring KeyLine(const std::string& name, const std::string& command) {
  const std::string bracketed = "[" + name + "]";
  return W(std::string(static_cast<size_t>(KeyNameColumns() + 2) - bracketed.size(), ' ') + bracketed + " " + command);
}

// The command section's line of a command, found by its text.
std::wstring CommandLine(const std::vector<std::wstring>& lines, const std::wstring& start) {
  for (const std::wstring& l : lines)
    if (l.rfind(start, 0) == 0 && l.size() > start.size() && l[start.size()] == L' ') return l;
  return {};
}

// A wheel message's wParam for `delta` (negative: towards the user).
WPARAM Wheel(int delta) { return MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(delta))); }

std::wstring TextOf(HWND w) {
  wchar_t text[512] = L"";
  GetWindowTextW(w, text, 512);
  return text;
}

std::wstring Folder(const std::wstring& path) { return path.substr(0, path.find_last_of(L"\\/") + 1); }

}  // namespace

// The title and the FileVersion of the module's first translation; nothing
// after "Ver " when a module has no version resource or does not exist.
TEST(VersionPage, VersionLineComesFromTheModulesVersionResource) {
  LoadOptionalFunctions();
  const std::wstring here = OwnModulePath();
  ASSERT_FALSE(here.empty());
  const struct {
    std::wstring module;
    std::wstring want;
  } cases[] = {
      {Folder(here) + L"zorvik.exe", L"Zorvik:Ver 0.1.0.0"},  // the program, built beside the tests
      {here, L"Zorvik:Ver "},                                 // the test program has no version resource
      {Folder(here) + L"no-such-file.exe", L"Zorvik:Ver "},
  };
  for (const auto& c : cases) EXPECT_EQ(VersionLabelText(c.module), c.want) << U8(c.module);

  const struct {
    std::wstring module, want;
  } beside[] = {
      {L"C:\\Tools\\Zorvik\\zorvik.exe", L"C:\\Tools\\Zorvik\\help\\zorvik-help.html"},
      {L"\\\\server\\share\\zorvik.exe", L"\\\\server\\share\\help\\zorvik-help.html"},
      // A path that is not absolute (or none) is never resolved against the
      // current folder.
      {L"zorvik.exe", L""},
      {L"Zorvik\\zorvik.exe", L""},
      {L"C:zorvik.exe", L""},
      {L"", L""},
  };
  for (const auto& c : beside) EXPECT_EQ(HelpFileBeside(c.module), c.want) << U8(c.module);
}

// F1's command makes the page once and shows the customisation window on the
// version tab; the page shows this module's version line and the program's
// description, and its list says F1 opens this page.
TEST(VersionPage, HelpCommandShowsThePageOnItsTab) {
  Host host;
  ASSERT_TRUE(host.created);
  kit::Action* help = host.app.Actions().Find("Action_Help");
  ASSERT_NE(help, nullptr);
  ASSERT_TRUE(help->Trigger());
  wintest::Pump(200);
  TApp_ZorvikCustom& custom = host.app.CustomWindow();
  auto* page = dynamic_cast<TForm_VersionInfo*>(custom.PageOf("tabHelp"));
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(custom.ActivePage(), page);
  EXPECT_EQ(custom.ActiveTab(), 5);
  EXPECT_TRUE(IsWindowVisible(custom.Handle()));
  EXPECT_TRUE(IsWindowVisible(page->Handle()));
  EXPECT_EQ(TextOf(page->Control("lblHelp_Ver")), VersionLabelText(OwnModulePath()));
  EXPECT_EQ(TextOf(page->Control("lblHelp_Text")), L"プログラマ向けデスクトップ拡大鏡");
  EXPECT_TRUE(Has(ListTexts(*page), KeyLine("F1", "ヘルプ/バージョン情報")));
  // From another tab, the command comes back to the same page.
  custom.SelectTab(0);
  wintest::Pump(100);
  ASSERT_TRUE(help->Trigger());
  wintest::Pump(100);
  EXPECT_EQ(custom.PageOf("tabHelp"), page);
  EXPECT_EQ(custom.ActiveTab(), 5);
}

// The list is what BuildVersionList makes of the live bindings, line for line;
// a key set on the shortcut page shows at once in the key section and in the
// command's own line, and a binding changed elsewhere shows when the tab is
// shown again.
TEST(VersionPage, ListFollowsTheBindings) {
  Host host;
  ASSERT_TRUE(host.created);
  ASSERT_TRUE(host.app.Actions().Find("Action_Help")->Trigger());
  wintest::Pump(150);
  TApp_ZorvikCustom& custom = host.app.CustomWindow();
  auto* page = dynamic_cast<TForm_VersionInfo*>(custom.PageOf("tabHelp"));
  ASSERT_NE(page, nullptr);
  std::vector<std::wstring> lines = ListTexts(*page);
  ASSERT_EQ(lines.size(), page->Lines().size());
  for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], page->LineText(static_cast<int>(i))) << i;
  EXPECT_EQ(lines.front(), L"情報表示ステータス欄のアイコン説明");  // shown without its tab
  EXPECT_FALSE(Has(lines, KeyLine("G", "ヘルプ/バージョン情報")));

  // Through the shortcut page: G to Action_Help.
  ASSERT_TRUE(host.app.Actions().Find("Action_Custom_ShortCut")->Trigger());
  wintest::Pump(150);
  auto* keys = dynamic_cast<TForm_Custom_ShortCut*>(custom.PageOf("tabShortCut"));
  ASSERT_NE(keys, nullptr);
  keys->SetKey(TForm_Custom_ShortCut::RowOfKey(kG), CommandByName("Action_Help"));
  wintest::Pump(50);
  lines = ListTexts(*page);
  EXPECT_TRUE(Has(lines, KeyLine("G", "ヘルプ/バージョン情報")));
  EXPECT_TRUE(Has(lines, KeyLine("F1", "ヘルプ/バージョン情報")));
  const std::wstring helpLine = CommandLine(lines, L"ヘルプ/バージョン情報");
  ASSERT_FALSE(helpLine.empty());
  EXPECT_EQ(helpLine.substr(helpLine.find(L'[')), L"[F1] [G]");

  // Cleared elsewhere: the open page still shows it, the tab shown again does not.
  keys->ClearKey(TForm_Custom_ShortCut::RowOfKey(kG));
  host.app.Bindings().RemoveKey(0x70);  // F1, behind the shortcut page's back
  ASSERT_TRUE(host.app.Actions().Find("Action_Custom_ShortCut")->Trigger());
  wintest::Pump(50);
  ASSERT_TRUE(host.app.Actions().Find("Action_Help")->Trigger());
  wintest::Pump(100);
  lines = ListTexts(*page);
  EXPECT_FALSE(Has(lines, KeyLine("F1", "ヘルプ/バージョン情報")));
  EXPECT_FALSE(Has(lines, KeyLine("G", "ヘルプ/バージョン情報")));
  EXPECT_TRUE(CommandLine(lines, L"ヘルプ/バージョン情報").empty());
}

// The label opens help\zorvik-help.html beside the program through the
// shell; a missing file is reported with its path and nothing is opened.
TEST(VersionPage, HelpLabelOpensTheHelpPageBesideTheProgram) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_VersionInfo& page = *host.page;
  EXPECT_EQ(page.HelpFile(), Folder(OwnModulePath()) + L"help\\zorvik-help.html");
  EXPECT_EQ(pagetest::ScreenRect(host["Label_Help_URL"]).left - pagetest::ScreenRect(host["pnlHelp_Bottom"]).left,
            page.Scale(8));

  wchar_t temp[MAX_PATH] = L"";
  GetTempPathW(MAX_PATH, temp);
  const std::wstring present = std::wstring(temp) + L"zorvik-help-test.html";
  const std::wstring missing = std::wstring(temp) + L"zorvik-help-missing.html";
  HANDLE f = CreateFileW(present.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  CloseHandle(f);
  DeleteFileW(missing.c_str());

  enum How { kClick, kShiftF1, kMenuCommand };
  const struct {
    std::wstring file;
    How how;
    bool shellOpens;
    bool tried;  // handed to the shell
    bool told;   // the user hears of it
  } cases[] = {
      {present, kClick, true, true, false},       {present, kShiftF1, true, true, false},
      {present, kMenuCommand, true, true, false}, {present, kClick, false, true, true},
      {missing, kClick, true, false, true},       {missing, kMenuCommand, true, false, true},
      {L"", kClick, true, false, true},  // the program's own path could not be read
  };
  for (const auto& c : cases) {
    std::vector<std::wstring> opened, told;
    page.open = [&opened, &c](const std::wstring& path) {
      opened.push_back(path);
      return c.shellOpens;
    };
    page.notify = [&told](const std::wstring& message) { told.push_back(message); };
    page.SetHelpFile(c.file);
    switch (c.how) {
      case kClick:
        SendMessageW(host["Label_Help_URL"], WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(host["Label_Help_URL"], WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        break;
      case kShiftF1:
        SetFocus(page.List());
        wintest::Pump(30);
        pagetest::Press({VK_SHIFT, VK_F1});
        break;
      case kMenuCommand:
        page.PageActions().Find("actHelp_OnlineHelp")->Execute();
        break;
    }
    wintest::Pump(100);
    SCOPED_TRACE(U8(c.file) + " how " + std::to_string(c.how) + " shell " + std::to_string(c.shellOpens));
    EXPECT_EQ(opened, c.tried ? std::vector<std::wstring>{c.file} : std::vector<std::wstring>{});
    ASSERT_EQ(told.size(), c.told ? 1u : 0u);
    if (c.told) {
      EXPECT_NE(told.front().find(c.file), std::wstring::npos);
    }
  }
  DeleteFileW(present.c_str());

  // The pointer over the label underlines it; leaving takes the underline away.
  HWND label = host["Label_Help_URL"];
  auto underlined = [label] {
    LOGFONTW lf{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    return lf.lfUnderline != 0;
  };
  EXPECT_FALSE(underlined());
  SendMessageW(label, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  EXPECT_TRUE(underlined());
  SendMessageW(label, WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(underlined());
}

// F10 and the Apps key open mnuHelp at the page's client origin; the close
// button hides the customisation window and leaves the main window.
TEST(VersionPage, MenuKeysOpenThePageMenuAndCloseHidesTheWindow) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_VersionInfo& page = *host.page;
  for (WORD key : {VK_F10, VK_APPS}) {
    SetFocus(page.List());
    wintest::Pump(30);
    pagetest::MenuProbe probe;
    pagetest::Press({key});
    for (int i = 0; i < 40 && !probe.Seen(); ++i) wintest::Pump(50);
    probe.Join();
    ASSERT_TRUE(probe.Seen()) << key;
    EXPECT_EQ(probe.Items(), (std::vector<std::wstring>{L"オンラインヘルプ", L"-", L"閉じる"}));
    POINT origin{0, 0};
    ClientToScreen(page.Handle(), &origin);
    EXPECT_LE(std::abs(probe.Rect().left - origin.x), 2) << key;
    EXPECT_LE(std::abs(probe.Rect().top - origin.y), 2) << key;
    wintest::Pump(100);
  }

  ASSERT_TRUE(host.app.Actions().Find("Action_Help")->Trigger());
  wintest::Pump(150);
  TApp_ZorvikCustom& custom = host.app.CustomWindow();
  auto* shown = dynamic_cast<TForm_VersionInfo*>(custom.PageOf("tabHelp"));
  ASSERT_NE(shown, nullptr);
  SendMessageW(shown->Control("Button_Close"), BM_CLICK, 0, 0);
  wintest::Pump(200);
  EXPECT_FALSE(IsWindowVisible(custom.Handle()));
  EXPECT_TRUE(IsWindowVisible(host.app.Handle()));
}

// Up and Down scroll one line from anywhere on the page, the wheel one line
// per notch (away from the user: up), Page Down a page; no line is selected.
TEST(VersionPage, KeysAndWheelScrollTheListLineByLine) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_VersionInfo& page = *host.page;
  HWND list = page.List();
  ASSERT_GT(page.Lines().size(), 30u);
  SetFocus(list);
  wintest::Pump(30);
  EXPECT_EQ(page.TopLine(), 0);
  const struct {
    const char* what;
    std::function<void()> act;
    int want;
  } steps[] = {
      {"Down", [] { pagetest::Press({VK_DOWN}); }, 1},
      {"Down", [] { pagetest::Press({VK_DOWN}); }, 2},
      {"Up", [] { pagetest::Press({VK_UP}); }, 1},
      {"wheel towards the user", [list] { SendMessageW(list, WM_MOUSEWHEEL, Wheel(-WHEEL_DELTA), 0); }, 2},
      {"two notches away", [list] { SendMessageW(list, WM_MOUSEWHEEL, Wheel(2 * WHEEL_DELTA), 0); }, 0},
      {"half a notch", [list] { SendMessageW(list, WM_MOUSEWHEEL, Wheel(-WHEEL_DELTA / 2), 0); }, 0},
      {"the other half", [list] { SendMessageW(list, WM_MOUSEWHEEL, Wheel(-WHEEL_DELTA / 2), 0); }, 1},
      {"wheel over the page", [&page] { SendMessageW(page.Handle(), WM_MOUSEWHEEL, Wheel(-WHEEL_DELTA), 0); },
       2},
  };
  for (const auto& s : steps) {
    s.act();
    wintest::Pump(60);
    EXPECT_EQ(page.TopLine(), s.want) << s.what;
  }
  SetFocus(host["Button_Close"]);
  wintest::Pump(30);
  pagetest::Press({VK_DOWN});
  wintest::Pump(60);
  EXPECT_EQ(page.TopLine(), 3) << "Down on the close button";
  pagetest::Press({VK_NEXT});
  wintest::Pump(60);
  EXPECT_GT(page.TopLine(), 6);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), LB_ERR);
  // A rebuild keeps the view where it was.
  const int top = page.TopLine();
  page.Rebuild();
  EXPECT_EQ(page.TopLine(), top);
}

// Nothing clipped or overlapping; the icon beside the two labels, the list
// between them and the bottom panel; the bottom panel as high as the label
// plus 16, the version line wide enough for its text, the lines at least a
// command icon high. Kept as pictures.
class VersionPageAtDpi : public ::testing::TestWithParam<int> {};

TEST_P(VersionPageAtDpi, FitsItsControls) {
  const int dpi = GetParam();
  Host host(dpi, 300, 40);
  ASSERT_TRUE(host.created);
  TForm_VersionInfo& page = *host.page;
  std::vector<std::string> faults;
  for (const std::string& f : pagetest::LayoutFaults(page)) {
    const size_t at = f.find(" overlaps ");
    const kit::ControlDesc* inner = at == std::string::npos ? nullptr : page.Controls().Desc(f.substr(at + 10));
    if (!inner || inner->parent != f.substr(0, at)) faults.push_back(f);
  }
  EXPECT_EQ(faults, std::vector<std::string>{});
  EXPECT_EQ(pagetest::GroupFaults(page), std::vector<std::string>{});

  RECT client{};
  GetClientRect(page.Handle(), &client);
  MapWindowPoints(page.Handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
  const RECT icon = pagetest::ScreenRect(page.IconWindow());
  EXPECT_EQ(icon.right - icon.left, page.Scale(32));
  EXPECT_EQ(icon.bottom - icon.top, page.Scale(32));
  RECT both{};
  for (const char* name : {"lblHelp_Ver", "lblHelp_Text", "lstHelp_ShortCutKey", "pnlHelp_Bottom"}) {
    const RECT r = pagetest::ScreenRect(host[name]);
    EXPECT_FALSE(IntersectRect(&both, &icon, &r)) << name;
  }
  const RECT list = pagetest::ScreenRect(page.List());
  const RECT panel = pagetest::ScreenRect(host["pnlHelp_Bottom"]);
  const RECT label = pagetest::ScreenRect(host["Label_Help_URL"]);
  EXPECT_EQ(panel.bottom, client.bottom);
  EXPECT_LE(list.bottom, panel.top);
  EXPECT_GE(list.top, icon.bottom);
  EXPECT_EQ(panel.bottom - panel.top, std::max<int>(label.bottom - label.top + page.Scale(16),
                                                    pagetest::ScreenRect(host["Button_Close"]).bottom -
                                                        pagetest::ScreenRect(host["Button_Close"]).top +
                                                        page.Scale(6)));
  EXPECT_LE(std::abs((label.top - panel.top) - (panel.bottom - label.bottom)), 1);  // centred
  EXPECT_EQ(pagetest::ScreenRect(host["Button_Close"]).right, client.right - page.Scale(8));

  kit::OwnerList* owner = page.Controls().List("lstHelp_ShortCutKey");
  ASSERT_NE(owner, nullptr);
  EXPECT_GE(owner->ItemHeight(), page.Scale(16));
  HWND ver = host["lblHelp_Ver"];
  HDC dc = GetDC(ver);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(ver, WM_GETFONT, 0, 0)));
  const std::wstring text = TextOf(ver);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(ver, dc);
  const RECT vr = pagetest::ScreenRect(ver);
  EXPECT_LE(size.cx, vr.right - vr.left);
  EXPECT_LE(size.cy, vr.bottom - vr.top);
  EXPECT_GE(owner->ItemHeight(), size.cy);

  SetFocus(page.List());
  wintest::Pump(150);
  kittest::Keep(kittest::Capture(pagetest::ScreenRect(host.window->Handle())),
                "version-page-" + std::to_string(dpi));
  SendMessageW(page.List(), WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), 0);
  wintest::Pump(150);
  kittest::Keep(kittest::Capture(pagetest::ScreenRect(host.window->Handle())),
                "version-page-end-" + std::to_string(dpi));
}

INSTANTIATE_TEST_SUITE_P(Dpi, VersionPageAtDpi, ::testing::Values(96, 144));

}  // namespace zorvik
