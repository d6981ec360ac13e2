// The API test window with the real main window in this process: it follows
// the window under the cursor, refills its reference columns only when the
// entry changes, leaves hidden entries out, keeps its block of the settings
// file, and sizes its lists and grid from its font at 96 and 144 dpi.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "apitest/sub_api.h"
#include "kit/control_table.h"
#include "kit/grid.h"
#include "kit_support.h"
#include "magnifier/main_window.h"
#include "platform/dpi_sizes.h"
#include "platform/optional_functions.h"
#include "settings/my_settingfile.h"
#include "ui_thread.h"
#include "win_support.h"

namespace zorvik {
namespace {

// A known top-level window, in front of everything.
HWND Known(int x, int y, int w, int h, const wchar_t* text) {
  return CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"STATIC", text, WS_POPUP | WS_VISIBLE, x, y, w, h, nullptr,
                         nullptr, GetModuleHandleW(nullptr), nullptr);
}

// The value shown beside a parameter label (first row of that label).
std::wstring ValueOf(const kit::Grid& g, const std::wstring& label) {
  for (int r = 1; r < g.RowCount(); ++r)
    if (g.Cell(0, r) == label) return g.Cell(1, r);
  return L"<no row " + label + L">";
}

int IndexOf(const std::vector<std::string>& names, const std::string& name) {
  const auto it = std::find(names.begin(), names.end(), name);
  return it == names.end() ? -1 : static_cast<int>(it - names.begin());
}

class ApiWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    LoadOptionalFunctions();
    SetCursorPos(500, 400);
    app_.settingsFile.clear();  // never read or write a settings file
    ASSERT_TRUE(app_.CreateMainWindow());
    a_ = Known(820, 100, 300, 150, L"窓A");
    b_ = Known(820, 420, 260, 120, L"窓B");
    wintest::Pump(200);
  }
  void TearDown() override {
    DestroyWindow(a_);
    DestroyWindow(b_);
  }
  // A window of our own beside the main window's, as the tests need it.
  std::unique_ptr<TApp_ZorvikAPITest> Own(const SettingsData& read, uint32_t sections, bool skipLayout = false,
                                          int dpi = 96) {
    auto w = std::make_unique<TApp_ZorvikAPITest>(app_, app_);
    w->ApplySettings(read, sections);
    EXPECT_TRUE(w->Make(app_.Handle(), dpi, skipLayout));
    return w;
  }
  void Choose(TApp_ZorvikAPITest& w, const std::string& name) {
    const int i = IndexOf(w.OfferedNames(), name);
    ASSERT_GE(i, 0) << name;
    w.ChooseEntry(i);
  }

  TApp_Zorvik app_;
  HWND a_ = nullptr, b_ = nullptr;
};

TEST_F(ApiWindowTest, TheCommandShowsItAndItFollowsTheWindowUnderTheCursor) {
  kit::Action* command = app_.ActionByName("Action_Test_APITest");
  ASSERT_NE(command, nullptr);
  EXPECT_EQ(FindWindowW(L"TApp_ZorvikAPITest", nullptr), nullptr);  // not made before it is asked for
  command->Trigger();
  HWND window = FindWindowW(L"TApp_ZorvikAPITest", L"APIテスト");
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_TRUE(command->Checked());
  EXPECT_EQ(GetWindow(window, GW_OWNER), app_.Handle());
  SetWindowPos(window, nullptr, 400, 40, 400, 460, SWP_NOZORDER | SWP_NOACTIVATE);

  // Drive it through its own list, as the user does.
  HWND list = FindWindowExW(FindWindowExW(window, nullptr, L"ZorvikKitPage", nullptr), nullptr, L"ComboBox", nullptr);
  ASSERT_NE(list, nullptr);
  const LRESULT at = SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                  reinterpret_cast<LPARAM>(L"GetWindowRect"));
  ASSERT_GE(at, 0);
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
  SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  HWND grid = FindWindowExW(GetParent(list), nullptr, L"ZorvikKitGrid", nullptr);
  ASSERT_NE(grid, nullptr);
  auto text = [grid] {
    wchar_t buf[4096] = L"";
    GetWindowTextW(grid, buf, 4096);
    return std::wstring(buf);
  };
  // At once the reference text, with the invalid-handle row of "no window".
  EXPECT_NE(text().find(L"引数\t値\t説明\r\n"), std::wstring::npos) << text();
  EXPECT_NE(text().find(L"ウィンドウハンドルが無効です"), std::wstring::npos) << text();

  SetCursorPos(900, 170);
  wintest::Pump(1300);
  EXPECT_NE(text().find(L"lpRect\t(820, 100, 1120, 250)\t"), std::wstring::npos) << text();
  EXPECT_NE(text().find(L"窓A"), std::wstring::npos) << text();
  // While a drop-down list is open the values stand still.
  SendMessageW(list, CB_SHOWDROPDOWN, TRUE, 0);
  ASSERT_TRUE(SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0));
  SetCursorPos(900, 470);
  wintest::Pump(1300);
  EXPECT_NE(text().find(L"lpRect\t(820, 100, 1120, 250)\t"), std::wstring::npos) << text();
  SendMessageW(list, CB_SHOWDROPDOWN, FALSE, 0);
  SetCursorPos(901, 471);
  wintest::Pump(1300);
  EXPECT_NE(text().find(L"lpRect\t(820, 420, 1080, 540)\t"), std::wstring::npos) << text();
  EXPECT_NE(text().find(L"窓B"), std::wstring::npos) << text();

  // The close box hides it and unchecks the command; the command brings the same window back.
  SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  wintest::Pump(50);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_FALSE(command->Checked());
  command->Trigger();
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(FindWindowW(L"TApp_ZorvikAPITest", nullptr), window);
  command->Trigger();
  EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(ApiWindowTest, OnlyANewEntryRefillsTheLabelsAndDescriptions) {
  auto w = Own(SettingsData{}, 0);
  w->Show();
  kit::Grid& g = *w->ResultGrid();
  const POINT p{0, 0};
  Choose(*w, "GetWindowRect");
  w->RunOnTarget(a_, p);
  EXPECT_EQ(w->DeclarationText(), L"BOOL GetWindowRect(HWND hWnd, LPRECT lpRect);");
  EXPECT_EQ(w->HintText(), w->Catalogue()->Description());
  EXPECT_EQ(g.Row(), 1);
  const std::wstring rectDescription = g.Cell(2, 2);
  EXPECT_FALSE(rectDescription.empty());
  EXPECT_EQ(g.ColWidth(2), g.ClientWidth() - g.ColWidth(0) - g.ColWidth(1) - 3 * g.GridLineWidth());

  // A click on the declaration line shows the description again.
  SetWindowTextW(w->Control("Memo_Hint"), L"");
  SendMessageW(w->Control("ListBox_Declaration"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(w->Control("ListBox_Declaration"), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(w->HintText(), w->Catalogue()->Description());

  // Staying on the entry: only the values change.
  g.SetCell(2, 2, std::wstring_view(L"目印"));
  g.SetCell(0, 3, std::wstring_view(L"目印"));
  w->RunOnTarget(b_, p);
  EXPECT_EQ(ValueOf(g, L"lpRect"), L"(820, 420, 1080, 540)");
  EXPECT_EQ(g.Cell(2, 2), L"目印");
  EXPECT_EQ(g.Cell(0, 3), L"目印");

  // Another entry: all three columns, the declaration and the hint anew.
  Choose(*w, "GetClientRect");
  w->RunOnTarget(b_, p);
  EXPECT_EQ(w->DeclarationText(), L"BOOL GetClientRect(HWND hWnd, LPRECT lpRect);");
  EXPECT_EQ(ValueOf(g, L"lpRect"), L"(0, 0, 260, 120)");
  EXPECT_NE(g.Cell(2, 2), L"目印");
  EXPECT_EQ(w->HintText(), w->Catalogue()->Description());
  Choose(*w, "GetWindowRect");
  w->RunOnTarget(a_, p);
  EXPECT_EQ(g.Cell(2, 2), rectDescription);
  EXPECT_EQ(g.RowCount(), static_cast<int>(w->Catalogue()->RowCount()) + 1);

  // The target choice: the desktop window instead of the one given.
  w->SetTarget(TApp_ZorvikAPITest::kDesktopWindow);
  w->RunOnTarget(a_, p);
  RECT desktop{};
  GetWindowRect(GetDesktopWindow(), &desktop);
  EXPECT_EQ(ValueOf(g, L"lpRect"), L"(" + std::to_wstring(desktop.left) + L", " + std::to_wstring(desktop.top) + L", " +
                                       std::to_wstring(desktop.right) + L", " + std::to_wstring(desktop.bottom) + L")");

  // Nothing selected: empty declaration, header and one empty row, empty hint.
  w->ChooseEntry(-1);
  EXPECT_EQ(w->DeclarationText(), L"");
  EXPECT_EQ(g.RowCount(), 2);
  EXPECT_EQ(g.Cell(0, 1), L"");
  EXPECT_EQ(w->HintText(), L"");
}

TEST_F(ApiWindowTest, SavedLayoutHiddenEntriesAndShiftCtrl) {
  SettingsData read;
  read.apiTest.bounds = StoredRect{300, 60, 760, 560};
  read.apiTest.hintHeight = 123;
  read.apiTest.selectedIndex = 5;
  read.apiList = "GetClientRect\r\nWM_GETTEXT\r\nNoSuchEntry\r\n";
  const uint32_t sections = kSectionApiTest | kSectionApiList;
  {
    auto w = Own(read, sections);
    const std::vector<std::string> offered = w->OfferedNames();
    EXPECT_EQ(offered.size(), 70u);
    EXPECT_EQ(IndexOf(offered, "GetClientRect"), -1);
    EXPECT_EQ(IndexOf(offered, "WM_GETTEXT"), -1);
    EXPECT_GE(IndexOf(offered, "GetWindowRect"), 0);
    EXPECT_EQ(w->SelectedIndex(), 5);
    const RECT b = w->Bounds();
    EXPECT_EQ(b.left, 300);
    EXPECT_EQ(b.top, 60);
    EXPECT_EQ(b.right, 760);
    EXPECT_EQ(b.bottom, 560);
    EXPECT_EQ(w->HintHeight(), 123);
    EXPECT_EQ(kittest::Height(w->Control("Memo_Hint")), 123);

    // Hiding the selected entry leaves no selection; the list text is rebuilt
    // from the catalogue, in list order.
    const std::string selected = w->SelectedName();
    w->SetHiddenNames({"GetClientRect", selected});
    EXPECT_EQ(w->SelectedIndex(), -1);
    EXPECT_EQ(w->OfferedNames().size(), 70u);
    EXPECT_EQ(SplitApiList(w->HiddenListText()).size(), 2u);
    EXPECT_NE(w->HiddenListText().find("GetClientRect\r\n"), std::string::npos);
    Choose(*w, "GetWindowRect");
    w->SetHiddenNames({});
    EXPECT_EQ(w->SelectedName(), "GetWindowRect");  // still selected where it now is
    EXPECT_EQ(w->OfferedNames().size(), 72u);
    EXPECT_EQ(w->HiddenListText(), "");
  }
  {
    // Shift and Ctrl: the system's place, the design hint height, everything offered, no selection.
    auto w = Own(read, sections, /*skipLayout=*/true);
    EXPECT_EQ(w->OfferedNames().size(), 72u);
    EXPECT_EQ(w->SelectedIndex(), -1);
    EXPECT_EQ(w->HintHeight(), 96);
    EXPECT_NE(w->Bounds().left, 300);
  }
  {
    // Bounds of zero width are ignored.
    SettingsData flat = read;
    flat.apiTest.bounds = StoredRect{300, 60, 300, 560};
    auto w = Own(flat, sections);
    EXPECT_NE(w->Bounds().right, 300);
    EXPECT_EQ(w->HintHeight(), 96);
  }
}

TEST_F(ApiWindowTest, ItsBlockIsWrittenAsTheFileLaysItOutAndKeptWhenNeverOpened) {
  SettingsData read;
  read.apiTest.bounds = StoredRect{310, 70, 770, 590};
  read.apiTest.hintHeight = 140;
  read.apiTest.selectedIndex = 3;
  read.apiList = "GetWindowRect\r\n";
  const uint32_t sections = kSectionApiTest | kSectionApiList;

  // Never opened: the block and the list stay exactly as read.
  TApp_ZorvikAPITest never(app_, app_);
  never.ApplySettings(read, sections);
  SettingsData out;
  never.CollectSettings(out);
  EXPECT_EQ(out.apiTest, StoredApiTest{});
  EXPECT_EQ(out.apiList, "");

  // Opened and changed: the live values, and their bytes in the file.
  auto w = Own(read, sections);
  Choose(*w, "GetDeviceCaps");
  w->SetHintHeight(150);
  w->SetHiddenNames({"WM_GETTEXT", "GetWindowRect"});
  const int index = w->SelectedIndex();
  EXPECT_EQ(w->SelectedName(), "GetDeviceCaps");
  SetWindowPos(w->Handle(), nullptr, 320, 80, 480, 500, SWP_NOZORDER | SWP_NOACTIVATE);
  SettingsData collected;
  w->CollectSettings(collected);
  const std::vector<uint8_t> bytes = WriteSettings(collected);
  const SettingsReadResult back = ReadSettings(bytes.data(), bytes.size());
  ASSERT_TRUE(back.accepted);
  EXPECT_EQ(back.data.apiTest.bounds, (StoredRect{320, 80, 800, 580}));
  EXPECT_EQ(back.data.apiTest.selectedIndex, index);
  EXPECT_EQ(back.data.apiTest.hintHeight, 150);
  EXPECT_EQ(back.data.apiList, "GetWindowRect\r\nWM_GETTEXT\r\n");  // catalogue order

  // The block: after the prefix, menu, toolbar and copy-format sections and
  // the 32-byte style viewer block.
  size_t at = kSettingsPrefixSize + 2 + 2 * collected.hiddenMenuItems.size() + 2 + 2 * collected.toolBar.size() + 2;
  for (const StoredCopyFormat& f : collected.copyFormats) at += 4 + f.text.size();
  at += 32;
  auto i32 = [&bytes](size_t o) {
    return static_cast<int32_t>(bytes[o] | bytes[o + 1] << 8 | bytes[o + 2] << 16 |
                                static_cast<uint32_t>(bytes[o + 3]) << 24);
  };
  ASSERT_GE(bytes.size(), at + 36);
  const int32_t want[] = {320, 80, 800, 580, index, 150, 0, 0};
  for (int k = 0; k < 8; ++k) EXPECT_EQ(i32(at + 4 * k), want[k]) << "field " << k;
  EXPECT_EQ(i32(at + 32), 27);  // "GetWindowRect\r\nWM_GETTEXT\r\n"
  EXPECT_EQ(std::string(bytes.begin() + static_cast<long>(at) + 36, bytes.begin() + static_cast<long>(at) + 36 + 27),
            "GetWindowRect\r\nWM_GETTEXT\r\n");
}

// Windows of another thread that count the WM_GETTEXTLENGTH they are asked;
// the child with id 2 can, once, send a message back to the test's thread
// while it answers (as a program may do while it is asked for its text).
std::atomic<int> g_lengthAsks{0};
std::atomic<bool> g_sendBack{false};
HWND g_back = nullptr;
std::function<void()> g_onBack;

LRESULT CALLBACK CountingProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_GETTEXTLENGTH) {
    ++g_lengthAsks;
    if (GetDlgCtrlID(h) == 2 && g_sendBack.exchange(false)) SendMessageW(g_back, WM_APP, 0, 0);
  }
  return DefWindowProcW(h, msg, wp, lp);
}

LRESULT CALLBACK BackProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_APP && g_onBack) g_onBack();
  return DefWindowProcW(h, msg, wp, lp);
}

// A message delivered during a guarded send of a run that leads back to
// RunOnTarget starts no second run on top of the first (which is still
// walking the windows EnumChildWindows found); the first ends as it would.
TEST_F(ApiWindowTest, ARunAskedForDuringARunDoesNothing) {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  WNDCLASSW counting{};
  counting.lpfnWndProc = CountingProc;
  counting.hInstance = inst;
  counting.lpszClassName = L"ZorvikCountingWindow";
  WNDCLASSW back{};
  back.lpfnWndProc = BackProc;
  back.hInstance = inst;
  back.lpszClassName = L"ZorvikBackWindow";
  ASSERT_TRUE(RegisterClassW(&counting));
  ASSERT_TRUE(RegisterClassW(&back));
  g_back = CreateWindowExW(0, back.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, inst, nullptr);
  ASSERT_NE(g_back, nullptr);
  wintest::UiThread other;
  HWND parent = nullptr;
  other.Run([&] {
    parent = CreateWindowExW(WS_EX_TOOLWINDOW, counting.lpszClassName, L"parent", WS_POPUP, 0, 0, 200, 100, nullptr,
                             nullptr, inst, nullptr);
    for (int id = 1; id <= 3; ++id)
      CreateWindowExW(0, counting.lpszClassName, L"child", WS_CHILD | WS_VISIBLE, 10 + 40 * id, 10, 30, 30, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), inst, nullptr);
  });
  ASSERT_NE(parent, nullptr);

  auto w = Own(SettingsData{}, 0);
  Choose(*w, "EnumChildWindows");
  int nested = 0;
  bool duringRun = false;
  g_onBack = [&] {
    ++nested;
    duringRun = w->Running();
    w->RunOnTarget(parent, POINT{0, 0});
  };
  int before = g_lengthAsks;
  w->RunOnTarget(parent, POINT{0, 0});
  const int asksPerRun = g_lengthAsks - before;
  const std::wstring shown = w->ResultText();
  EXPECT_EQ(std::count(shown.begin(), shown.end(), L'\n'), 6) << "header, parent, return value, three children";
  ASSERT_GE(asksPerRun, 4);

  g_sendBack = true;
  before = g_lengthAsks;
  w->RunOnTarget(parent, POINT{0, 0});
  EXPECT_EQ(nested, 1);
  EXPECT_TRUE(duringRun);
  EXPECT_EQ(g_lengthAsks - before, asksPerRun) << "the nested call ran no entry";
  EXPECT_EQ(w->ResultText(), shown);
  EXPECT_FALSE(w->Running());
  w->RunOnTarget(parent, POINT{0, 0});  // and the next run is a run again
  EXPECT_EQ(g_lengthAsks - before, 2 * asksPerRun);

  g_onBack = nullptr;
  other.Run([&] { DestroyWindow(parent); });
  DestroyWindow(g_back);
  UnregisterClassW(counting.lpszClassName, inst);
  UnregisterClassW(back.lpszClassName, inst);
}

// Sizes follow the font at the window's DPI; the window is kept as a
// screenshot (ZORVIK_SCREENSHOT_DIR) showing GetWindowRect of a known window.
class ApiWindowDpi : public ApiWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(ApiWindowDpi, ListsAndGridRowsFollowTheFont) {
  const int dpi = GetParam();
  auto w = Own(SettingsData{}, 0, false, dpi);
  SetWindowPos(w->Handle(), nullptr, 20, 20, MulDiv(560, dpi, 96), MulDiv(420, dpi, 96),
               SWP_NOZORDER | SWP_NOACTIVATE);
  SetCursorPos(900, 170);  // over the known window, which the ticks then follow
  w->ActionExecute(true);
  Choose(*w, "GetWindowRect");
  w->RunOnTarget(a_, POINT{900, 170});
  const int font = MulDiv(12, dpi, 96);
  const int item = HeightForFont(font, 0, ItemHeightFactor);  // 15 at 96 dpi, 23 at 144
  EXPECT_EQ(static_cast<int>(SendMessageW(w->Control("ComboBox_APIList"), CB_GETITEMHEIGHT, 0, 0)), item);
  EXPECT_EQ(static_cast<int>(SendMessageW(w->Control("ComboBox_TargetWindow"), CB_GETITEMHEIGHT, 0, 0)), item);
  EXPECT_EQ(static_cast<int>(SendMessageW(w->Control("ListBox_Declaration"), LB_GETITEMHEIGHT, 0, 0)), item);
  EXPECT_EQ(w->ResultGrid()->RowHeight(), item);
  RECT client{};
  GetClientRect(w->Control("ListBox_Declaration"), &client);
  EXPECT_EQ(client.bottom, item + 2);  // one item and a pixel above and below
  // Top to bottom without overlap: entry list, declaration, target, grid, hint.
  RECT api = kittest::RectInParent(w->Control("ComboBox_APIList"));  // the field, not its list
  RECT decl = kittest::RectInParent(w->Control("ListBox_Declaration"));
  RECT target = kittest::RectInParent(w->Control("ComboBox_TargetWindow"));
  RECT grid = kittest::RectInParent(w->Control("StringGrid_Result"));
  RECT hint = kittest::RectInParent(w->Control("Memo_Hint"));
  const int gap = w->Scale(8);
  EXPECT_EQ(decl.top, api.bottom + gap);
  EXPECT_EQ(target.top, decl.bottom + gap);
  EXPECT_GT(grid.top, target.top);
  EXPECT_EQ(hint.bottom - hint.top, w->Scale(96));
  EXPECT_EQ(grid.bottom + w->Scale(3), hint.top);
  wintest::Pump(300);
  RECT screen{};
  GetWindowRect(w->Handle(), &screen);
  EXPECT_EQ(ValueOf(*w->ResultGrid(), L"lpRect"), L"(820, 100, 1120, 250)");
  kittest::Keep(kittest::Capture(screen), "api-test-window-" + std::to_string(dpi) + "dpi");
}

INSTANTIATE_TEST_SUITE_P(ApiWindow, ApiWindowDpi, ::testing::Values(96, 144),
                         [](const ::testing::TestParamInfo<int>& i) { return std::to_string(i.param) + "dpi"; });

}  // namespace
}  // namespace zorvik
