// Pages built from tables: sizes at 96 and 144 dpi and a change between them,
// lookup, the binding rule, the context-menu keys and the menus they open,
// hints, anchors, what the page looks like, and handlers put on a control.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "custom_page_support.h"
#include "kit/action.h"
#include "kit/grid.h"
#include "kit/owner_list.h"
#include "kit/page.h"
#include "kit/subclass.h"
#include "kit/tool_window.h"
#include "kit_support.h"
#include "platform/private_messages.h"
#include "win_support.h"

namespace zorvik::kit {
namespace {

using kittest::DemoTable;
using kittest::Height;
using kittest::RectInParent;

// A page that records its popup menu requests.
class DemoPage : public Page {
public:
  explicit DemoPage(ActionList* actions = nullptr)
      : Page("Demo", "デモ", DemoTable(), kittest::kDemoWidth, kittest::kDemoHeight, actions) {}
  int menus = 0;
  POINT menuAt{-1, -1};
  HWND menuFocus = nullptr;

protected:
  bool OnPopupMenu(POINT screen, HWND focus) override {
    ++menus;
    menuAt = screen;
    menuFocus = focus;
    return true;
  }
};

// A tool window at a chosen DPI with the demo page in it.
struct Host {
  explicit Host(int dpi, ActionList* actions = nullptr, bool hints = false)
      : window(L"ZorvikKitTestHost", "ページ", kittest::kDemoWidth, kittest::kDemoHeight, hints), page(actions) {
    EXPECT_TRUE(window.Ensure(nullptr, dpi));
    window.SetPage(&page);
    // Room for the hint bar under the page's design height.
    RECT w;
    GetWindowRect(window.Handle(), &w);
    const int bar = window.Hints() ? window.Hints()->Height() : 0;
    SetWindowPos(window.Handle(), HWND_TOPMOST, 40, 40, w.right - w.left, w.bottom - w.top + bar, 0);
    window.Show();
    wintest::Pump(100);
  }
  HWND operator[](const char* name) const { return page.Control(name); }
  ToolWindow window;
  DemoPage page;
};

struct DpiCase {
  int dpi;
  int font, item, button, label;
  RECT label0, button0, list, pausedInPanel;  // label and button as placed, before fitting their heights
};

class PageAtDpi : public ::testing::TestWithParam<DpiCase> {};

TEST_P(PageAtDpi, ScalesRectanglesAndFitsHeightsToTheFont) {
  const DpiCase& c = GetParam();
  Host host(c.dpi);
  ASSERT_TRUE(host.page.Created());
  EXPECT_EQ(host.page.Dpi(), c.dpi);

  LOGFONTW lf{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(host["ListBox_Items"], WM_GETFONT, 0, 0)), sizeof lf, &lf);
  EXPECT_EQ(lf.lfHeight, -c.font);
  EXPECT_STREQ(lf.lfFaceName, L"ＭＳ Ｐゴシック");

  // Item heights of every list kind, and the grid's rows.
  EXPECT_EQ(SendMessageW(host["ListBox_Items"], LB_GETITEMHEIGHT, 0, 0), c.item);
  EXPECT_EQ(SendMessageW(host["ComboBox_Kind"], CB_GETITEMHEIGHT, 0, 0), c.item);
  EXPECT_EQ(host.page.Controls().List("CheckListBox_Info")->ItemHeight(), c.item);
  EXPECT_EQ(host.page.Controls().GridOf("StringGrid_Result")->RowHeight(), c.item);
  EXPECT_EQ(host.page.Controls().ItemHeight("ListBox_Items"), c.item);

  // Buttons and labels: scaled place, height from the font.
  const RECT button = RectInParent(host["Button_Setting_Reset"]);
  EXPECT_EQ(button.left, c.button0.left);
  EXPECT_EQ(button.top, c.button0.top);
  EXPECT_EQ(button.right, c.button0.right);
  EXPECT_EQ(button.bottom - button.top, c.button);
  const RECT label = RectInParent(host["Label_Title"]);
  EXPECT_EQ(label.left, c.label0.left);
  EXPECT_EQ(label.top, c.label0.top);
  EXPECT_EQ(label.right, c.label0.right);
  EXPECT_EQ(label.bottom - label.top, kittest::FittedLabelHeight(host["Label_Title"], c.label));

  // Other controls keep their scaled rectangle exactly.
  const RECT list = RectInParent(host["ListBox_Items"]);
  EXPECT_EQ(list.left, c.list.left);
  EXPECT_EQ(list.top, c.list.top);
  EXPECT_EQ(list.right, c.list.right);
  EXPECT_EQ(list.bottom, c.list.bottom);

  // A check box in a group box in a panel: a window of the panel, at the
  // group's offset.
  HWND paused = host["CheckBox_Capture_Pause"];
  EXPECT_EQ(GetParent(paused), host["Panel_Setting"]);
  const RECT p = RectInParent(paused);
  EXPECT_EQ(p.left, c.pausedInPanel.left);
  EXPECT_EQ(p.top, c.pausedInPanel.top);
  EXPECT_EQ(p.right, c.pausedInPanel.right);
  EXPECT_EQ(p.bottom, c.pausedInPanel.bottom);
}

INSTANTIATE_TEST_SUITE_P(
    Page, PageAtDpi,
    ::testing::Values(
        // 96 dpi: the design itself; list items 15, buttons 21, labels 16.
        DpiCase{96, 12, 15, 21, 16, {8, 8, 208, 0}, {8, 28, 128, 0}, {8, 60, 128, 140}, {18, 22, 178, 39}},
        // 144 dpi: edges times 1.5, halves rounded up (the check box bottom 58.5 -> 59); 23, 32, 22.
        DpiCase{144, 18, 23, 32, 22, {12, 12, 312, 0}, {12, 42, 192, 0}, {12, 90, 192, 210}, {27, 33, 267, 59}}),
    [](const ::testing::TestParamInfo<DpiCase>& info) { return std::to_string(info.param.dpi) + "dpi"; });

TEST(Page, FindsControlsByNameAndHoldsSpinValuesInTheirRange) {
  Host host(96);
  struct {
    const char* name;
    const wchar_t* cls;
  } kinds[] = {{"Label_Title", L"Static"},         {"Button_Close", L"Button"},
               {"ComboBox_Kind", L"ComboBox"},      {"CheckListBox_Info", L"ListBox"},
               {"StringGrid_Result", L"ZorvikKitGrid"}, {"TrackBar_Zoom", TRACKBAR_CLASSW},
               {"TreeView_Category", WC_TREEVIEWW}, {"SpinEdit_Pos_X", L"Edit"}};
  for (auto k : kinds) {
    HWND h = host[k.name];
    ASSERT_NE(h, nullptr) << k.name;
    wchar_t cls[64] = L"";
    GetClassNameW(h, cls, 64);
    EXPECT_EQ(lstrcmpiW(cls, k.cls), 0) << k.name;
  }
  EXPECT_EQ(host["Nothing_Here"], nullptr);
  ControlTable& t = host.page.Controls();
  ASSERT_NE(t.UpDownOf("SpinEdit_Pos_X"), nullptr);
  t.SetSpinValue("SpinEdit_Pos_X", -40);
  EXPECT_EQ(t.SpinValue("SpinEdit_Pos_X"), -40);
  wchar_t text[16] = L"";
  GetWindowTextW(host["SpinEdit_Pos_X"], text, 16);
  EXPECT_STREQ(text, L"-40");
  t.SetSpinValue("SpinEdit_Pos_X", 500);
  EXPECT_EQ(t.SpinValue("SpinEdit_Pos_X"), 100);
  EXPECT_EQ(t.HintOf(t.UpDownOf("SpinEdit_Pos_X")), L"X 座標");  // the up-down shares the edit's hint
}

// The commands of the binding tests.
struct Commands {
  Commands() {
    Action& pause = list.Add("Action_Capture_Pause");
    pause.caption = "一時&停止";
    pause.hint = "キャプチャを一時停止";
    pause.autoCheck = true;
    pause.SetChecked(true);
    pause.onExecute = [this](Action&) { ++pauseRuns; };
    for (const char* name : {"Action_Grid_Gray", "Action_Grid_Black"}) {
      Action& a = list.Add(name);
      a.groupIndex = 1;
      a.autoCheck = true;
      a.onExecute = [this](Action& self) { lastColour = self.name; };
    }
    list.Find("Action_Grid_Gray")->SetChecked(true);
    Action& reset = list.Add("Action_Setting_Reset");
    reset.caption = "&リセット && 初期化";
    reset.onExecute = [this](Action&) { ++resets; };
    Action& close = list.Add("Action_Close");  // Button_Close has a handler of its own in some tests
    close.onExecute = [this](Action&) { ++closeRuns; };
  }
  ActionList list;
  int pauseRuns = 0, resets = 0, closeRuns = 0;
  std::string lastColour;
};

bool Checked(HWND h) { return SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED; }
std::wstring Text(HWND h) {
  wchar_t buf[128] = L"";
  GetWindowTextW(h, buf, 128);
  return buf;
}

TEST(PageBinding, ControlsTakeTheirCommandsCaptionCheckAndHint) {
  Commands cmd;
  Host host(96, &cmd.list);
  HWND pause = host["CheckBox_Capture_Pause"];
  EXPECT_EQ(host.page.Bindings().ActionOf(pause), cmd.list.Find("Action_Capture_Pause"));
  EXPECT_EQ(Text(pause), L"一時停止");  // no accelerator marker
  EXPECT_TRUE(Checked(pause));
  EXPECT_EQ(host.page.HintAt(pause), L"キャプチャを一時停止");
  EXPECT_TRUE(Checked(host["RadioButton_Grid_Gray"]));
  EXPECT_FALSE(Checked(host["RadioButton_Grid_Black"]));
  EXPECT_EQ(Text(host["RadioButton_Grid_Gray"]), L"灰色");  // its own caption wins
  EXPECT_EQ(Text(host["Button_Setting_Reset"]), L"リセット && 初期化");  // shows one literal "&"
  // Button_Close keeps its own caption "&閉じる", without the marker.
  EXPECT_EQ(host.page.Bindings().ActionOf(host["Button_Close"]), cmd.list.Find("Action_Close"));
  EXPECT_EQ(Text(host["Button_Close"]), L"閉じる");
  EXPECT_EQ(host.page.Bindings().Count(), 5u);
}

TEST(PageBinding, AClickRunsTheCommandAndEveryBoundControlFollows) {
  Commands cmd;
  Host host(96, &cmd.list);
  HWND pause = host["CheckBox_Capture_Pause"];
  SendMessageW(pause, BM_CLICK, 0, 0);
  wintest::Pump(50);
  EXPECT_EQ(cmd.pauseRuns, 1);
  EXPECT_FALSE(cmd.list.Find("Action_Capture_Pause")->Checked());
  EXPECT_FALSE(Checked(pause));

  SendMessageW(host["RadioButton_Grid_Black"], BM_CLICK, 0, 0);
  wintest::Pump(50);
  EXPECT_EQ(cmd.lastColour, "Action_Grid_Black");
  EXPECT_TRUE(cmd.list.Find("Action_Grid_Black")->Checked());
  EXPECT_FALSE(cmd.list.Find("Action_Grid_Gray")->Checked());
  EXPECT_TRUE(Checked(host["RadioButton_Grid_Black"]));
  EXPECT_FALSE(Checked(host["RadioButton_Grid_Gray"]));

  SendMessageW(host["Button_Setting_Reset"], BM_CLICK, 0, 0);
  wintest::Pump(50);
  EXPECT_EQ(cmd.resets, 1);

  // Changes made elsewhere show after SyncFromActions (Sync).
  cmd.list.Find("Action_Grid_Gray")->SetChecked(true);
  cmd.list.Find("Action_Capture_Pause")->SetEnabled(false);
  host.page.Sync();
  EXPECT_TRUE(Checked(host["RadioButton_Grid_Gray"]));
  EXPECT_FALSE(Checked(host["RadioButton_Grid_Black"]));
  EXPECT_FALSE(IsWindowEnabled(pause));
  SendMessageW(pause, BM_CLICK, 0, 0);  // disabled: no click
  wintest::Pump(50);
  EXPECT_EQ(cmd.pauseRuns, 1);
}

TEST(PageBinding, AControlWithAHandlerOfItsOwnIsNotBound) {
  Commands cmd;
  Host host(96, &cmd.list);
  int own = 0;
  host.page.OnClick("Button_Close", [&] { ++own; });
  SendMessageW(host["Button_Close"], BM_CLICK, 0, 0);
  wintest::Pump(50);
  EXPECT_EQ(own, 1);
  EXPECT_EQ(cmd.closeRuns, 0);
  EXPECT_EQ(host.page.Bindings().ActionOf(host["Button_Close"]), nullptr);
}

TEST(PageBinding, ACheckListOfCommandsSetsAndRunsTheCommandOfARow) {
  Commands cmd;
  Host host(96, &cmd.list);
  OwnerList* list = host.page.Controls().List("CheckListBox_Info");
  std::vector<std::string> after;
  host.page.Bindings().BindList(
      *list, {cmd.list.Find("Action_Capture_Pause"), cmd.list.Find("Action_Setting_Reset")},
      [&](Action& a) { after.push_back(a.name); });
  ASSERT_EQ(list->Count(), 2);
  EXPECT_EQ(list->Item(0).text, L"一時停止");
  EXPECT_TRUE(list->Checked(0));
  EXPECT_FALSE(list->Checked(1));
  RECT box = list->CheckBoxRect(0);
  const LPARAM at = MAKELPARAM((box.left + box.right) / 2, (box.top + box.bottom) / 2);
  SendMessageW(list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(list->Handle(), WM_LBUTTONUP, 0, at);
  EXPECT_FALSE(cmd.list.Find("Action_Capture_Pause")->Checked());  // the row's state, not a toggle of its own
  EXPECT_EQ(cmd.pauseRuns, 1);
  EXPECT_EQ(after, std::vector<std::string>{"Action_Capture_Pause"});
  EXPECT_FALSE(Checked(host["CheckBox_Capture_Pause"]));  // the check box bound to the same command follows
  cmd.list.Find("Action_Capture_Pause")->SetChecked(true);
  host.page.Sync();
  EXPECT_TRUE(list->Checked(0));
}

TEST(PageMenuKeys, F10AndTheAppsKeyOpenThePageMenuAtItsClientOrigin) {
  Host host(96);
  DemoPage& page = host.page;
  POINT origin{0, 0};
  ClientToScreen(page.Handle(), &origin);
  HWND list = host["ListBox_Items"];
  SetFocus(list);

  struct Case {
    UINT msg;
    WPARAM vk;
    LPARAM lp;
    bool ctrl;
    int opens;  // menus after the message
    const char* what;
  } cases[] = {
      {WM_KEYDOWN, VK_APPS, 0, false, 0, "Apps pressed: nothing yet"},
      {WM_KEYUP, VK_APPS, 0xC0000001, false, 1, "Apps released"},
      {WM_SYSKEYDOWN, VK_F10, 0, false, 0, "F10 pressed"},
      {WM_SYSKEYUP, VK_F10, static_cast<LPARAM>(0xC0000001), false, 1, "F10 released"},
      {WM_SYSKEYUP, VK_F10, static_cast<LPARAM>(0xE0000001), false, 0, "Alt+F10 (context code set)"},
      {WM_KEYUP, VK_F10, static_cast<LPARAM>(0xC0000001), true, 0, "Ctrl+F10"},
  };
  for (const Case& c : cases) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = c.ctrl ? 0x80 : 0;
    SetKeyboardState(keys);
    page.menus = 0;
    page.menuAt = POINT{-1, -1};
    SendMessageW(list, c.msg, c.vk, c.lp);
    EXPECT_EQ(page.menus, c.opens) << c.what;
    if (c.opens) {
      EXPECT_EQ(page.menuAt.x, origin.x) << c.what;
      EXPECT_EQ(page.menuAt.y, origin.y) << c.what;
      EXPECT_EQ(page.menuFocus, list) << c.what;
    }
  }
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);

  // The title-bar icon of the tool window opens the same menu.
  page.menus = 0;
  SendMessageW(host.window.Handle(), WM_SYSCOMMAND, syscmd::kIconClick, 0);
  EXPECT_EQ(page.menus, 1);
  EXPECT_EQ(page.menuAt.x, origin.x);
}

TEST(PageKeys, TabMovesTheFocusThroughTheTableInOrder) {
  Host host(96);
  SetFocus(host["ListBox_Items"]);
  SendMessageW(host["ListBox_Items"], WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(GetFocus(), host["ComboBox_Kind"]);
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_SHIFT] = 0x80;
  SetKeyboardState(keys);
  SendMessageW(host["ComboBox_Kind"], WM_KEYDOWN, VK_TAB, 0);
  SendMessageW(host["ListBox_Items"], WM_KEYDOWN, VK_TAB, 0);
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(GetFocus(), host["Button_Setting_Reset"]);  // the label takes no focus
  // Into the panel: from the grid to the first control inside it.
  SetFocus(host["StringGrid_Result"]);
  SendMessageW(host["StringGrid_Result"], WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(GetFocus(), host["CheckBox_Capture_Pause"]);
}

TEST(PageHints, TheHintBarShowsTheHintOfTheControlUnderThePointer) {
  Commands cmd;
  Host host(96, &cmd.list, /*hints=*/true);
  HintBar* bar = host.window.Hints();
  ASSERT_NE(bar, nullptr);
  auto pointAt = [](HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    wintest::Pump(300);
  };
  pointAt(host["Button_Close"]);
  EXPECT_EQ(bar->Text(), L"閉じます");  // the row's own hint
  pointAt(host["CheckBox_Capture_Pause"]);
  EXPECT_EQ(bar->Text(), L"キャプチャを一時停止");  // its command's
  pointAt(host["Label_Title"]);
  EXPECT_EQ(bar->Text(), L"ラベルのヒント");
  pointAt(host["ListBox_Items"]);
  EXPECT_EQ(bar->Text(), L"");  // none
  // The bar sits along the bottom, as high as a button.
  RECT client;
  GetClientRect(host.window.Handle(), &client);
  const RECT b = RectInParent(bar->Handle());
  EXPECT_EQ(b.bottom, client.bottom);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(bar->Handle(), WM_GETFONT, 0, 0));
  EXPECT_EQ(b.bottom - b.top, std::max(21, wintest::NaturalStatusBarHeight(host.window.Handle(), font)));
  EXPECT_EQ(RectInParent(host.page.Handle()).bottom, b.top);  // the page ends where the bar starts
}

TEST(PageLayout, AnchoredControlsFollowTheEdgesOfTheirContainer) {
  Host host(96);
  const RECT gridBefore = RectInParent(host["StringGrid_Result"]);
  const RECT closeBefore = RectInParent(host["Button_Close"]);
  RECT w;
  GetWindowRect(host.window.Handle(), &w);
  SetWindowPos(host.window.Handle(), nullptr, 0, 0, w.right - w.left + 40, w.bottom - w.top + 30,
               SWP_NOMOVE | SWP_NOZORDER);
  wintest::Pump(50);
  const RECT grid = RectInParent(host["StringGrid_Result"]);
  const RECT close = RectInParent(host["Button_Close"]);
  EXPECT_EQ(grid.left, gridBefore.left);
  EXPECT_EQ(grid.right, gridBefore.right + 40);  // stretched
  EXPECT_EQ(grid.bottom, gridBefore.bottom);
  EXPECT_EQ(close.left, closeBefore.left + 40);  // moved
  EXPECT_EQ(close.top, closeBefore.top + 30);
  EXPECT_EQ(close.right - close.left, closeBefore.right - closeBefore.left);
}

}  // namespace
}  // namespace zorvik::kit

namespace zorvik::kit {
namespace {

// Fills the demo page as a page author would and looks at the screen: a page
// that computes right but draws wrong is broken.
class PageScreenshot : public ::testing::TestWithParam<int> {};

TEST_P(PageScreenshot, DrawsHeaderSelectionChecksAndText) {
  const int dpi = GetParam();
  Commands cmd;
  Host host(dpi, &cmd.list, /*hints=*/true);
  ControlTable& t = host.page.Controls();
  for (const wchar_t* s : {L"キャプチャウィンドウ", L"親ウィンドウ"})
    SendMessageW(host["ComboBox_Kind"], CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
  SendMessageW(host["ComboBox_Kind"], CB_SETCURSEL, 0, 0);
  for (const wchar_t* s : {L"拡大倍率", L"グリッド", L"表示情報"})
    SendMessageW(host["ListBox_Items"], LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
  OwnerList* checks = t.List("CheckListBox_Info");
  checks->Add({L"RGB", -1, true});
  checks->Add({L"HTML"});
  checks->Add({L"", -1, false, true});
  checks->Add({L"HSV", -1, true});
  Grid* grid = t.GridOf("StringGrid_Result");
  grid->SetColCount(3);
  grid->SetRowCount(5);
  const wchar_t* header[] = {L"引数", L"値", L"説明"};
  for (int c = 0; c < 3; ++c) {
    grid->SetCell(c, 0, header[c]);
    grid->SetColWidth(c, host.page.Scale(c == 2 ? 120 : 75));
  }
  for (int r = 1; r < 5; ++r) {
    grid->SetCell(0, r, L"hWnd " + std::to_wstring(r));
    grid->SetCell(1, r, L"0x" + std::to_wstring(1000 * r));
    grid->SetCell(2, r, L"ウィンドウハンドル");
  }
  TVINSERTSTRUCTW tv{};
  tv.hInsertAfter = TVI_LAST;
  tv.item.mask = TVIF_TEXT;
  for (const wchar_t* s : {L"拡大倍率", L"グリッド", L"オプション"}) {
    tv.item.pszText = const_cast<wchar_t*>(s);
    SendMessageW(host["TreeView_Category"], TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&tv));
  }
  grid->SelectRow(2);
  RECT close;
  GetWindowRect(host["Button_Close"], &close);
  SetCursorPos((close.left + close.right) / 2, (close.top + close.bottom) / 2);
  SetForegroundWindow(host.window.Handle());
  SetFocus(grid->Handle());
  wintest::Pump(200);
  RedrawWindow(host.window.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  wintest::Pump(200);

  RECT window;
  GetWindowRect(host.window.Handle(), &window);
  const kittest::Picture pic = kittest::Capture(window);
  kittest::Keep(pic, "page_" + std::to_string(dpi));
  auto local = [&](HWND w, RECT r) {  // client rectangle of w -> picture coordinates
    MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&r), 2);
    OffsetRect(&r, -window.left, -window.top);
    return r;
  };
  auto area = [](const RECT& r) { return (r.right - r.left) * (r.bottom - r.top); };

  // Grid: header cells in button face, the selected row of the focused grid
  // in the highlight colour, with text drawn in both.
  ASSERT_EQ(GetFocus(), grid->Handle());
  const RECT head = local(grid->Handle(), grid->CellRect(1, 0));
  const RECT selected = local(grid->Handle(), grid->CellRect(2, 2));
  EXPECT_GT(kittest::CountNear(pic, head, GetSysColor(COLOR_BTNFACE)), area(head) / 2);
  EXPECT_GT(kittest::CountInk(pic, head, GetSysColor(COLOR_BTNFACE)), 3);
  EXPECT_GT(kittest::CountNear(pic, selected, GetSysColor(COLOR_HIGHLIGHT)), area(selected) / 2);
  EXPECT_GT(kittest::CountInk(pic, selected, GetSysColor(COLOR_HIGHLIGHT)), 3);

  // Check list: a tick in the box of RGB, none in the box of HTML.
  const RECT ticked = local(checks->Handle(), checks->CheckBoxRect(0));
  const RECT empty = local(checks->Handle(), checks->CheckBoxRect(1));
  RECT inside = ticked, insideEmpty = empty;
  InflateRect(&inside, -2, -2);
  InflateRect(&insideEmpty, -2, -2);
  EXPECT_GT(kittest::CountNear(pic, inside, GetSysColor(COLOR_WINDOWTEXT), 60), area(inside) / 10);
  EXPECT_EQ(kittest::CountNear(pic, insideEmpty, GetSysColor(COLOR_WINDOWTEXT), 60), 0);

  // The label's Japanese text is drawn inside its fitted height.
  RECT label{};
  GetClientRect(host["Label_Title"], &label);
  label = local(host["Label_Title"], label);
  EXPECT_GT(kittest::CountInk(pic, label, GetSysColor(COLOR_BTNFACE)), 20);
  // The hint bar shows the close button's hint.
  EXPECT_EQ(host.window.Hints()->Text(), L"閉じます");
  RECT bar{};
  GetClientRect(host.window.Hints()->Handle(), &bar);
  bar.right /= 2;
  bar = local(host.window.Hints()->Handle(), bar);
  EXPECT_GT(kittest::CountInk(pic, bar, GetSysColor(COLOR_BTNFACE)), 20);
}

INSTANTIATE_TEST_SUITE_P(Page, PageScreenshot, ::testing::Values(96, 144),
                         [](const ::testing::TestParamInfo<int>& info) { return std::to_string(info.param) + "dpi"; });

}  // namespace
}  // namespace zorvik::kit

namespace zorvik::kit {
namespace {

// Where each control of a page is and how it is fitted: its rectangle in its
// parent, the height of its font, its item height.
std::vector<std::string> Geometry(const Page& page) {
  std::vector<std::string> out;
  const ControlTable& t = page.Controls();
  for (size_t i = 0; i < t.Count(); ++i) {
    HWND h = t.At(i);
    const RECT r = RectInParent(h);
    LOGFONTW lf{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    wchar_t cls[32] = L"";
    GetClassNameW(h, cls, 32);
    LRESULT item = 0;
    if (lstrcmpiW(cls, L"ListBox") == 0) item = SendMessageW(h, LB_GETITEMHEIGHT, 0, 0);
    if (lstrcmpiW(cls, L"ComboBox") == 0) item = SendMessageW(h, CB_GETITEMHEIGHT, 0, 0);
    if (const Grid* g = t.GridOf(t.DescAt(i).name)) item = g->RowHeight();
    std::string row = t.DescAt(i).name + " " + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                      std::to_string(r.right) + "," + std::to_string(r.bottom) + " font " +
                      std::to_string(lf.lfHeight) + " item " + std::to_string(item);
    if (HWND up = t.UpDownOf(t.DescAt(i).name)) {
      const RECT u = RectInParent(up);
      row += " up-down " + std::to_string(u.left) + "," + std::to_string(u.right);
    }
    out.push_back(row);
  }
  return out;
}

TEST(PageDpi, ARelayoutAtAnotherDpiPlacesEveryControlAsBuildingThereDoes) {
  Host changed(96);
  const std::vector<std::string> at96 = Geometry(changed.page);
  std::vector<std::string> at144;
  {
    Host built(144);
    at144 = Geometry(built.page);
  }
  ASSERT_NE(at96, at144);

  changed.page.OnDpiChanged(144);
  wintest::Pump(50);
  EXPECT_EQ(changed.page.Dpi(), 144);
  EXPECT_EQ(Geometry(changed.page), at144);
  RECT page{};
  GetClientRect(changed.page.Handle(), &page);
  EXPECT_EQ(page.right, 750);  // the design size at 144 dpi
  EXPECT_EQ(page.bottom, 429);

  changed.page.OnDpiChanged(96);
  wintest::Pump(50);
  EXPECT_EQ(Geometry(changed.page), at96);
  // The anchors start from the new layout: a wider page moves the close
  // button by as much.
  const RECT close = RectInParent(changed["Button_Close"]);
  SetWindowPos(changed.page.Handle(), nullptr, 0, 0, kittest::kDemoWidth + 30, kittest::kDemoHeight,
               SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(RectInParent(changed["Button_Close"]).left, close.left + 30);
}

// A page with commands of its own, a page menu, a menu for its list and one
// with a submenu.
class MenuDemoPage : public Page {
public:
  MenuDemoPage() : Page("MenuDemo", "メニュー", kittest::DemoTable(), kittest::kDemoWidth, kittest::kDemoHeight) {
    AddCommand("actOpen", "開く(&O)", [this] { ++opened; }, "開きます");
    AddCommand("actClose", "閉じる", nullptr);
    AddMenu("mnuPage", {{"mniOpen", "actOpen"}, {"mniLine"}, {"mniClose", "actClose", "閉じる\tAlt+F4"}});
    AddMenu("mnuList", {{"mniMore", "", "その他", {{"mniOpen2", "actOpen"}}}, {"mniLine2"}, {"mniClose2", "actClose"}});
    SetPageMenu("mnuPage", true);
    SetControlMenu("ListBox_Items", "mnuList");
  }
  int opened = 0;
  std::vector<std::string> opening;  // menu names, as they open

protected:
  void OnMenuOpening(PopupMenu& menu, HWND control) override {
    opening.push_back(menu.Name() + (control ? " " + Controls().DescOf(control)->name : std::string()));
  }
};

TEST(PageMenus, MenusComeFromTheirTablesAndRunThePagesCommands) {
  MenuDemoPage page;
  ASSERT_NE(page.Menu("mnuList"), nullptr);
  EXPECT_EQ(page.Menu("mnuNone"), nullptr);
  const MenuNode& more = *page.Menu("mnuList")->Root().children.front();
  EXPECT_EQ(more.Caption(), "その他");
  EXPECT_FALSE(more.separator);
  ASSERT_EQ(more.children.size(), 1u);
  EXPECT_EQ(more.children.front()->action, page.PageActions().Find("actOpen"));
  const MenuNode& line = *page.Menu("mnuPage")->Root().children[1];
  EXPECT_TRUE(line.separator);
  EXPECT_EQ(page.Menu("mnuPage")->Root().children[2]->Caption(), "閉じる\tAlt+F4");  // its own caption
  EXPECT_EQ(page.Menu("mnuPage")->Root().children[0]->Caption(), "開く(&O)");       // its command's
  EXPECT_EQ(page.PageActions().Find("actOpen")->hint, "開きます");
  page.Menu("mnuList")->Root().children.front()->children.front()->action->Trigger();
  EXPECT_EQ(page.opened, 1);
  EXPECT_FALSE(page.PageActions().Find("actClose")->Execute());  // no handler
}

TEST(PageMenus, KeysAndRightClicksOpenTheControlsMenuOrThePageMenuWhereTheyBelong) {
  ToolWindow window(L"ZorvikKitTestHost", "ページ", kittest::kDemoWidth, kittest::kDemoHeight);
  ASSERT_TRUE(window.Ensure(nullptr, 96));
  MenuDemoPage page;
  window.SetPage(&page);
  SetWindowPos(window.Handle(), HWND_TOPMOST, 40, 40, 0, 0, SWP_NOSIZE);
  window.Show();
  wintest::Pump(100);
  HWND list = page.Control("ListBox_Items");
  HWND combo = page.Control("ComboBox_Kind");
  POINT pageCorner{0, 0}, listCorner{0, 0};
  ClientToScreen(page.Handle(), &pageCorner);
  ClientToScreen(list, &listCorner);
  const POINT pointer{listCorner.x + 20, listCorner.y + 30};
  const std::vector<std::wstring> pageItems{L"開く(&O)", L"-", L"閉じる\tAlt+F4"};
  const std::vector<std::wstring> listItems{L"その他", L"-", L"閉じる"};
  SetCursorPos(5, 5);  // away from the menus: a submenu under the pointer would open by itself

  struct Case {
    const char* what;
    HWND to;
    UINT msg;
    WPARAM wp;
    LPARAM lp;
    bool shift;
    std::string opening;
    POINT at;
  } cases[] = {
      {"Apps on the list", list, WM_KEYUP, VK_APPS, 0xC0000001, false, "mnuList ListBox_Items", listCorner},
      {"Shift+F10 on the list", list, WM_SYSKEYUP, VK_F10, static_cast<LPARAM>(0xC0000001), true,
       "mnuList ListBox_Items", listCorner},
      {"F10 on the list", list, WM_SYSKEYUP, VK_F10, static_cast<LPARAM>(0xC0000001), false, "mnuPage", pageCorner},
      {"Apps on the combo box", combo, WM_KEYUP, VK_APPS, 0xC0000001, false, "mnuPage", pageCorner},
      {"right click on the list", page.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list),
       MAKELPARAM(pointer.x, pointer.y), false, "mnuList ListBox_Items", pointer},
      {"right click on the page", page.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(page.Handle()),
       MAKELPARAM(pointer.x, pointer.y), false, "mnuPage", pointer},
      {"context-menu message from the keyboard", page.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(combo), -1,
       false, "mnuPage", pageCorner},
  };
  for (const Case& c : cases) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = c.shift ? 0x80 : 0;
    SetKeyboardState(keys);
    page.opening.clear();
    pagetest::MenuProbe probe;
    SendMessageW(c.to, c.msg, c.wp, c.lp);
    probe.Join();
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    ASSERT_TRUE(probe.Seen()) << c.what;
    EXPECT_EQ(page.opening, std::vector<std::string>{c.opening}) << c.what;
    EXPECT_EQ(probe.Items(), c.opening == "mnuPage" ? pageItems : listItems) << c.what;
    EXPECT_EQ(probe.Rect().left, c.at.x) << c.what;
    EXPECT_EQ(probe.Rect().top, c.at.y) << c.what;
  }
  window.SetPage(nullptr);
}

TEST(SubclassControl, HandlersGoInFrontOfTheControlLastFirstAndLeaveWithIt) {
  HWND edit = CreateWindowExW(0, L"EDIT", L"abc", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, GetModuleHandleW(nullptr),
                              nullptr);
  ASSERT_NE(edit, nullptr);
  auto calls = std::make_shared<std::vector<std::string>>();
  ASSERT_TRUE(SubclassControl(edit, [calls](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (msg != WM_GETTEXTLENGTH) return std::nullopt;
    calls->push_back("first");
    return 42;
  }));
  ASSERT_TRUE(SubclassControl(edit, [calls](HWND h, UINT msg, WPARAM wp, LPARAM lp) -> std::optional<LRESULT> {
    if (msg != WM_GETTEXTLENGTH) return std::nullopt;
    calls->push_back("second");
    return ControlDefault(h, msg, wp, lp) + 1;  // what the handler behind it answers, and one more
  }));
  EXPECT_EQ(SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0), 43);
  EXPECT_EQ(*calls, (std::vector<std::string>{"second", "first"}));
  EXPECT_EQ(GetWindowTextLengthW(edit), 43);
  wchar_t text[8] = L"";
  EXPECT_EQ(GetWindowTextW(edit, text, 8), 3);  // other messages reach the edit itself
  EXPECT_STREQ(text, L"abc");
  EXPECT_EQ(calls.use_count(), 3);
  DestroyWindow(edit);
  EXPECT_EQ(calls.use_count(), 1);  // both handlers are gone with the control
  EXPECT_FALSE(SubclassControl(nullptr, [](HWND, UINT, WPARAM, LPARAM) { return std::optional<LRESULT>(); }));
}

}  // namespace
}  // namespace zorvik::kit
