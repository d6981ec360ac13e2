// The toolbar page with the real main window: both lists and the live
// toolbar stay in step through Add, Delete, checks, moves, drag and drop and
// Reset; the enabled states follow the focused list and its selection; keys,
// context menus, the category box and the layout at 96 and 144 dpi.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "commands/icons.h"
#include "commands/toolbar.h"
#include "custom/toolbar_page.h"
#include "custom_page_support.h"
#include "kit/owner_list.h"
#include "kit_support.h"
#include "platform/text.h"
#include "platform/win_text.h"

namespace zorvik {
namespace {

using Host = pagetest::PageHost<TForm_Custom_ToolBar>;

const std::vector<std::string> kDefaults = {"Action_Grid_Disp", "Action_Menu_Color", "Action_Menu_Pos",
                                            "Action_Menu_WinInfo", "Action_Menu_Setting"};

std::vector<std::string> ButtonCommands(const MainToolBar& bar) {
  std::vector<std::string> out;
  for (int i = 0; i < bar.Count(); ++i) out.push_back(bar.At(i).action ? bar.At(i).action->name : "");
  return out;
}

std::vector<std::string> CheckedCommands(const TForm_Custom_ToolBar& page) {
  std::vector<std::string> out;
  for (int row = 0; row < page.CommandList()->Count(); ++row)
    if (page.CommandList()->Checked(row)) out.push_back(page.CommandAt(row)->name);
  return out;
}

std::wstring RowText(const kit::Action& a) { return W(a.category) + L"/" + W(CaptionWithoutAccelerator(a.caption)); }

// The current list is the toolbar button for button, the Win32 toolbar runs
// the same commands, and a command row is checked exactly while a button runs it.
void ExpectInStep(Host& host) {
  const TForm_Custom_ToolBar& page = *host.page;
  const MainToolBar& bar = host.app.ToolBar();
  const kit::OwnerList& now = *page.NowSettingList();
  ASSERT_EQ(now.Count(), bar.Count());
  ASSERT_EQ(SendMessageW(bar.Handle(), TB_BUTTONCOUNT, 0, 0), bar.Count());
  for (int i = 0; i < bar.Count(); ++i) {
    const kit::Action& a = *bar.At(i).action;
    EXPECT_EQ(now.Item(i).text, RowText(a)) << i;
    EXPECT_EQ(now.Item(i).image, a.imageIndex) << i;
    EXPECT_TRUE(now.Checked(i)) << i;
    TBBUTTON b{};
    SendMessageW(bar.Handle(), TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&b));
    EXPECT_EQ(static_cast<UINT>(b.idCommand), host.app.MenuCommandOf(a)) << i;
  }
  for (int row = 0; row < page.CommandList()->Count(); ++row) {
    bool on = false;
    for (int i = 0; i < bar.Count(); ++i) on = on || bar.At(i).action == page.CommandAt(row);
    EXPECT_EQ(page.CommandList()->Checked(row), on) << page.CommandAt(row)->name;
  }
}

int Row(const TForm_Custom_ToolBar& page, const char* command) {
  for (int row = 0; page.CommandAt(row); ++row)
    if (page.CommandAt(row)->name == command) return row;
  return -1;
}

// Selects a row and gives its list the focus, as a click would.
void Focus(kit::OwnerList& list, int row) {
  SetFocus(list.Handle());
  list.Select(row);
  HWND page = GetParent(list.Handle());
  SendMessageW(page, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list.Handle()), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list.Handle()));
  wintest::Pump(30);
}

void Space(kit::OwnerList& list, int row) {
  Focus(list, row);
  SendMessageW(list.Handle(), WM_KEYDOWN, VK_SPACE, 0);
}

POINT RowPoint(const kit::OwnerList& list, int row) {  // on the text, right of the icon; scrolled into view
  RECT r{}, client{};
  GetClientRect(list.Handle(), &client);
  SendMessageW(list.Handle(), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
  if (r.top < 0 || r.bottom > client.bottom) {
    SendMessageW(list.Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
    SendMessageW(list.Handle(), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
  }
  POINT p{r.right - 20, (r.top + r.bottom) / 2};
  ClientToScreen(list.Handle(), &p);
  return p;
}

struct Enabled {
  bool add, remove, up, down;
  bool operator==(const Enabled& o) const {
    return add == o.add && remove == o.remove && up == o.up && down == o.down;
  }
};
std::ostream& operator<<(std::ostream& os, const Enabled& e) {
  return os << "add " << e.add << " delete " << e.remove << " up " << e.up << " down " << e.down;
}

Enabled ButtonStates(Host& host) {
  auto on = [&](const char* name) { return IsWindowEnabled(host[name]) != FALSE; };
  return Enabled{on("Button_ToolBar_Add"), on("Button_ToolBar_Delete"), on("Button_ToolBar_MoveUp"),
                 on("Button_ToolBar_MoveDown")};
}

TEST(ToolBarPage, StartsWithEveryCommandThatHasAnIconAndTheDefaultButtons) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_ToolBar& page = *host.page;
  std::vector<kit::Action*> withIcon;
  for (size_t i = 0; i < host.app.Actions().Count(); ++i)
    if (host.app.Actions().At(i).imageIndex >= 0) withIcon.push_back(&host.app.Actions().At(i));
  ASSERT_EQ(page.CommandList()->Count(), static_cast<int>(withIcon.size()));
  for (size_t row = 0; row < withIcon.size(); ++row) EXPECT_EQ(page.CommandAt(static_cast<int>(row)), withIcon[row]);
  EXPECT_EQ(page.CommandList()->Item(Row(page, "Action_Grid_Disp")).text, L"グリッド/グリッド表示");
  EXPECT_EQ(ButtonCommands(host.app.ToolBar()), kDefaults);
  EXPECT_EQ(CheckedCommands(page), kDefaults);
  ExpectInStep(host);

  // Categories in order of first appearance; the first is chosen.
  HWND combo = host["ComboBox_CommandCategory"];
  ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(page.Categories().size()));
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(page.Categories().front().name, "拡大倍率");
  for (size_t i = 0; i < page.Categories().size(); ++i) {
    const auto& c = page.Categories()[i];
    EXPECT_EQ(page.CommandAt(c.firstRow)->category, c.name);
    if (c.firstRow > 0) EXPECT_NE(page.CommandAt(c.firstRow - 1)->category, c.name);
    for (size_t j = 0; j < i; ++j) EXPECT_NE(page.Categories()[j].name, c.name);
  }
  // No separator entry: a separator button would be lost at the next start.
  for (int row = 0; page.CommandAt(row); ++row) EXPECT_NE(page.CommandAt(row)->name, "actSpc");
}

TEST(ToolBarPage, EnabledStatesFollowTheFocusedListAndItsSelection) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_ToolBar& page = *host.page;
  const struct {
    bool commandList;
    int row;  // -1: none selected
    Enabled want;
  } cases[] = {
      {true, Row(page, "Action_Zoom_Up"), {true, false, false, false}},     // not on the toolbar
      {true, Row(page, "Action_Menu_Color"), {false, false, false, false}}, // on it already
      {true, -1, {false, false, false, false}},
      {false, 0, {false, true, false, true}},
      {false, 2, {false, true, true, true}},
      {false, 4, {false, true, true, false}},
      {false, -1, {false, false, false, false}},
  };
  for (const auto& c : cases) {
    kit::OwnerList& list = c.commandList ? *page.CommandList() : *page.NowSettingList();
    SetFocus(host["ComboBox_CommandCategory"]);
    Focus(list, c.row);
    EXPECT_EQ(ButtonStates(host), c.want) << (c.commandList ? "commands, row " : "current, row ") << c.row;
    EXPECT_EQ(page.PageActions().Find("Action_ToolBar_Add")->Enabled(), c.want.add);
    EXPECT_EQ(page.PageActions().Find("Action_ToolBar_MoveUp")->Enabled(), c.want.up);
  }
  // The cursor keys refresh them.
  Focus(*page.NowSettingList(), 3);
  SendMessageW(page.NowSettingList()->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  SendMessageW(page.NowSettingList()->Handle(), WM_KEYUP, VK_DOWN, 0);
  EXPECT_EQ(page.NowSettingList()->Selected(), 4);
  EXPECT_EQ(ButtonStates(host), (Enabled{false, true, true, false}));
}

TEST(ToolBarPage, MovesByKeyboardStopAtTheEndsAndTheSelectionFollows) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_ToolBar& page = *host.page;
  kit::OwnerList& now = *page.NowSettingList();
  SetForegroundWindow(host.window->Handle());
  auto alt = [&](WORD letter) {
    pagetest::Press({VK_MENU, letter});
    wintest::Pump(150);
  };
  Focus(now, 0);
  alt('U');  // first up: disabled, nothing moves
  EXPECT_EQ(ButtonCommands(host.app.ToolBar()), kDefaults);
  EXPECT_FALSE(page.PageActions().Find("Action_ToolBar_MoveUp")->Execute());
  Focus(now, 4);
  alt('D');  // last down: likewise
  EXPECT_EQ(ButtonCommands(host.app.ToolBar()), kDefaults);

  Focus(now, 1);
  alt('U');
  EXPECT_EQ(ButtonCommands(host.app.ToolBar()),
            (std::vector<std::string>{"Action_Menu_Color", "Action_Grid_Disp", "Action_Menu_Pos",
                                      "Action_Menu_WinInfo", "Action_Menu_Setting"}));
  EXPECT_EQ(now.Selected(), 0);
  EXPECT_EQ(ButtonStates(host), (Enabled{false, true, false, true}));
  ExpectInStep(host);
  Focus(now, 3);
  alt('D');
  EXPECT_EQ(ButtonCommands(host.app.ToolBar()),
            (std::vector<std::string>{"Action_Menu_Color", "Action_Grid_Disp", "Action_Menu_Pos",
                                      "Action_Menu_Setting", "Action_Menu_WinInfo"}));
  EXPECT_EQ(now.Selected(), 4);
  EXPECT_EQ(ButtonStates(host), (Enabled{false, true, true, false}));
  ExpectInStep(host);
}

TEST(ToolBarPage, AddDeleteAndChecksKeepTheToolbarAndBothListsInStep) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_ToolBar& page = *host.page;
  kit::OwnerList& commands = *page.CommandList();
  kit::OwnerList& now = *page.NowSettingList();
  MainToolBar& bar = host.app.ToolBar();

  Focus(commands, Row(page, "Action_Zoom_Up"));
  SendMessageW(host["Button_ToolBar_Add"], BM_CLICK, 0, 0);
  ASSERT_EQ(bar.Count(), 6);
  EXPECT_EQ(bar.At(5).action->name, "Action_Zoom_Up");
  EXPECT_FALSE(IsWindowEnabled(host["Button_ToolBar_Add"]));  // its row is checked now
  ExpectInStep(host);

  Space(commands, Row(page, "Action_Zoom_Down"));  // checking a command adds it
  ASSERT_EQ(bar.Count(), 7);
  EXPECT_EQ(bar.At(6).action->name, "Action_Zoom_Down");
  ExpectInStep(host);
  Space(commands, Row(page, "Action_Zoom_Down"));  // and clearing it removes it
  EXPECT_EQ(bar.Count(), 6);
  ExpectInStep(host);

  // Clearing a command that is in the middle removes that button.
  SendMessageW(commands.Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(Row(page, "Action_Menu_Pos")), 0);
  RECT box = commands.CheckBoxRect(Row(page, "Action_Menu_Pos"));
  const LPARAM at = MAKELPARAM((box.left + box.right) / 2, (box.top + box.bottom) / 2);
  SendMessageW(commands.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(commands.Handle(), WM_LBUTTONUP, 0, at);
  EXPECT_EQ(ButtonCommands(bar), (std::vector<std::string>{"Action_Grid_Disp", "Action_Menu_Color",
                                                           "Action_Menu_WinInfo", "Action_Menu_Setting",
                                                           "Action_Zoom_Up"}));
  ExpectInStep(host);

  Focus(now, 0);
  SendMessageW(host["Button_ToolBar_Delete"], BM_CLICK, 0, 0);
  EXPECT_EQ(bar.At(0).action->name, "Action_Menu_Color");
  ExpectInStep(host);
  Space(now, 1);  // clearing a current row deletes its button
  EXPECT_EQ(ButtonCommands(bar),
            (std::vector<std::string>{"Action_Menu_Color", "Action_Menu_Setting", "Action_Zoom_Up"}));
  ExpectInStep(host);
  EXPECT_EQ(bar.CollectToolBarLayout(), (std::vector<uint16_t>{10004, 10008, 1090}));

  // Down to nothing: an empty toolbar and no checks.
  for (int i = 0; i < 3; ++i) Space(now, 0);
  EXPECT_EQ(bar.Count(), 0);
  EXPECT_TRUE(CheckedCommands(page).empty());
  EXPECT_EQ(ButtonStates(host), (Enabled{false, false, false, false}));
}

TEST(ToolBarPage, ResetRestoresExactlyTheFiveDefaultsAndOnlyOnYes) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_ToolBar& page = *host.page;
  MainToolBar& bar = host.app.ToolBar();
  bar.ApplyToolBarLayout({1090, 2010, 2010, 3001});  // a layout from a settings file, with a repeat
  page.Sync();
  ExpectInStep(host);
  const std::vector<std::string> loaded = ButtonCommands(bar);
  {
    wintest::DialogProbe no(L"Zorvik", wintest::DialogProbe::Action::Press, L"いいえ(&N)");
    SendMessageW(host["Button_Reset"], BM_CLICK, 0, 0);
    no.Join();
    EXPECT_TRUE(no.Answered());
    EXPECT_EQ(no.Text(), L"ツールバーの設定をリセットします\r\nよろしいですか");
  }
  EXPECT_EQ(ButtonCommands(bar), loaded);
  {
    wintest::DialogProbe yes(L"Zorvik", wintest::DialogProbe::Action::Press, L"はい(&Y)");
    SendMessageW(host["Button_Reset"], BM_CLICK, 0, 0);
    yes.Join();
    EXPECT_TRUE(yes.Answered());
  }
  EXPECT_EQ(ButtonCommands(bar), kDefaults);
  EXPECT_EQ(CheckedCommands(page), kDefaults);
  ExpectInStep(host);
}

// Removing one of two buttons of the same command leaves its row checked:
// the other button still runs it.
TEST(ToolBarPage, ACommandOnTheToolbarTwiceStaysCheckedUntilItsLastButtonGoes) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_ToolBar& page = *host.page;
  host.app.ToolBar().ApplyToolBarLayout({2010, 1090, 2010});
  page.Sync();
  Space(*page.NowSettingList(), 0);
  EXPECT_EQ(ButtonCommands(host.app.ToolBar()), (std::vector<std::string>{"Action_Zoom_Up", "Action_Grid_Disp"}));
  EXPECT_TRUE(page.CommandList()->Checked(Row(page, "Action_Grid_Disp")));
  ExpectInStep(host);
}

TEST(ToolBarPage, DragAndDropBetweenTheListsWithTheMouse) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_ToolBar& page = *host.page;
  kit::OwnerList& commands = *page.CommandList();
  kit::OwnerList& now = *page.NowSettingList();
  MainToolBar& bar = host.app.ToolBar();
  SetForegroundWindow(host.window->Handle());
  wintest::Pump(100);

  // Below the last row: appended.
  RECT last{};
  SendMessageW(now.Handle(), LB_GETITEMRECT, 4, reinterpret_cast<LPARAM>(&last));
  POINT below{last.left + 30, last.bottom + 40};
  ClientToScreen(now.Handle(), &below);
  pagetest::DragWithMouse(RowPoint(commands, Row(page, "Action_Zoom_Up")), below);
  ASSERT_EQ(bar.Count(), 6);
  EXPECT_EQ(bar.At(5).action->name, "Action_Zoom_Up");
  ExpectInStep(host);

  // On a row: inserted there.
  pagetest::DragWithMouse(RowPoint(commands, Row(page, "Action_Zoom_Down")), RowPoint(now, 1));
  ASSERT_EQ(bar.Count(), 7);
  EXPECT_EQ(bar.At(1).action->name, "Action_Zoom_Down");
  ExpectInStep(host);

  // A command that is on the toolbar already is not taken.
  pagetest::DragWithMouse(RowPoint(commands, Row(page, "Action_Grid_Disp")), RowPoint(now, 2));
  EXPECT_EQ(bar.Count(), 7);

  // A current row dropped on the command list is deleted.
  pagetest::DragWithMouse(RowPoint(now, 0), RowPoint(commands, 3));
  EXPECT_EQ(ButtonCommands(bar),
            (std::vector<std::string>{"Action_Zoom_Down", "Action_Menu_Color", "Action_Menu_Pos",
                                      "Action_Menu_WinInfo", "Action_Menu_Setting", "Action_Zoom_Up"}));
  ExpectInStep(host);

  // A short move is a click, not a drag.
  const POINT start = RowPoint(now, 2);
  pagetest::DragWithMouse(start, POINT{start.x + 1, start.y});
  EXPECT_EQ(bar.Count(), 6);
  EXPECT_EQ(now.Selected(), 2);
}

TEST(ToolBarPage, TheDropPointDecidesThePlace) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_ToolBar& page = *host.page;
  kit::OwnerList& now = *page.NowSettingList();
  RECT row{};
  SendMessageW(now.Handle(), LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
  const struct {
    const char* command;
    POINT at;
    int position;
  } cases[] = {
      {"Action_Zoom_1", {row.left + 5, row.top + 1}, 2},
      {"Action_Zoom_2", {row.left + 5, 1}, 0},
      {"Action_Zoom_3", {row.left + 5, 2000}, 7},  // far below the last row
  };
  for (const auto& c : cases) {
    Focus(*page.CommandList(), Row(page, c.command));
    page.DropOnNowSetting(Row(page, c.command), c.at);
    ASSERT_LT(c.position, host.app.ToolBar().Count()) << c.command;
    EXPECT_EQ(host.app.ToolBar().At(c.position).action->name, c.command);
  }
  ExpectInStep(host);
}

TEST(ToolBarPage, HintIsTheCommandHintOrElseTheRowText) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_ToolBar& page = *host.page;
  const struct {
    const char* command;
    const wchar_t* hint;
  } cases[] = {
      {"Action_Grid_Disp", L"グリッドとルーラを表示"},
      {"Action_Zoom_Up", L"拡大倍率/ズームアップ"},
  };
  for (const auto& c : cases) {
    const POINT p = RowPoint(*page.CommandList(), Row(page, c.command));
    POINT client = p;
    ScreenToClient(page.CommandList()->Handle(), &client);
    SendMessageW(page.CommandList()->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    SendMessageW(page.CommandList()->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    EXPECT_EQ(page.HintText(), c.hint);
  }
}

TEST(ToolBarPage, ShiftF10AndTheRightButtonOpenTheListMenus) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_ToolBar& page = *host.page;
  kit::OwnerList& now = *page.NowSettingList();
  SetForegroundWindow(host.window->Handle());
  Focus(now, 1);
  POINT origin{0, 0};
  ClientToScreen(now.Handle(), &origin);
  {
    pagetest::MenuProbe probe;
    pagetest::Press({VK_SHIFT, VK_F10});
    wintest::Pump(100);
    probe.Join();
    ASSERT_TRUE(probe.Seen());
    EXPECT_EQ(probe.Rect().left, origin.x);
    EXPECT_EQ(probe.Rect().top, origin.y);
    EXPECT_EQ(probe.Items(), (std::vector<std::wstring>{L"<- 削除(&R)", L"-", L"リセット"}));
  }
  // The right button selects the row under it and focuses that list first.
  RECT r{};
  SendMessageW(page.CommandList()->Handle(), LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r));
  const LPARAM at = MAKELPARAM(r.left + 40, (r.top + r.bottom) / 2);
  SendMessageW(page.CommandList()->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, at);
  EXPECT_EQ(page.CommandList()->Selected(), 2);
  EXPECT_EQ(GetFocus(), page.CommandList()->Handle());
  EXPECT_EQ(ButtonStates(host), (Enabled{true, false, false, false}));
  {
    pagetest::MenuProbe probe;
    SendMessageW(page.CommandList()->Handle(), WM_RBUTTONUP, 0, at);
    probe.Join();
    ASSERT_TRUE(probe.Seen());
    EXPECT_EQ(probe.Items(), (std::vector<std::wstring>{L"追加(&A) ->"}));
  }
}

// Tab walks the enabled controls in their order on the page and wraps; the
// column's buttons are enabled by the list that had the focus last, so each
// list reaches its own buttons.
TEST(ToolBarPage, TabVisitsTheControlsInOrder) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_ToolBar& page = *host.page;
  SetForegroundWindow(host.window->Handle());
  Focus(*page.NowSettingList(), 2);
  Focus(*page.CommandList(), Row(page, "Action_Zoom_Up"));  // not on the toolbar: Add on
  SetFocus(host["ComboBox_CommandCategory"]);
  auto name = [&] {
    const kit::ControlDesc* d = page.Controls().DescOf(GetFocus());
    return d ? d->name : std::string("?");
  };
  std::vector<std::string> forward;
  for (int i = 0; i < 6; ++i) {
    SendMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
    forward.push_back(name());
  }
  EXPECT_EQ(forward, (std::vector<std::string>{"CheckListBox_Command", "Button_ToolBar_Add", "CheckListBox_NowSetting",
                                               "Button_Close", "Button_Reset", "ComboBox_CommandCategory"}));
  // Back from the current list (its row 2 selected): Move down, Move up, Delete.
  SetFocus(page.NowSettingList()->Handle());
  std::vector<std::string> backward;
  for (int i = 0; i < 4; ++i) {
    pagetest::Press({VK_SHIFT, VK_TAB});
    wintest::Pump(60);
    backward.push_back(name());
  }
  EXPECT_EQ(backward, (std::vector<std::string>{"Button_ToolBar_MoveDown", "Button_ToolBar_MoveUp",
                                                "Button_ToolBar_Delete", "CheckListBox_Command"}));
}

TEST(ToolBarPage, TheCategoryBoxAndMenuScrollTheCommandList) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_ToolBar& page = *host.page;
  HWND combo = host["ComboBox_CommandCategory"];
  HWND list = page.CommandList()->Handle();
  const auto& categories = page.Categories();
  ASSERT_GT(categories.size(), 4u);
  const int target = 3;
  SendMessageW(combo, CB_SETCURSEL, target, 0);
  SendMessageW(page.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), categories[target].firstRow);

  // The label's menu: one item per category, named after its first row.
  kit::PopupMenu& menu = page.CategoryMenu();
  ASSERT_EQ(menu.Root().children.size(), categories.size());
  EXPECT_EQ(menu.Root().children[1]->name, "mniPShortCut_Category_" + std::to_string(categories[1].firstRow));
  menu.Root().children[1]->action->Trigger();
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), categories[1].firstRow);
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
}

// The main window's command shows the page on its tab of the customisation
// window, which it fills without clipping anything; Close hides only that window.
TEST(ToolBarPage, FillsItsTabOfTheCustomisationWindow) {
  LoadOptionalFunctions();
  TApp_Zorvik app;
  app.settingsFile.clear();
  ASSERT_TRUE(app.CreateMainWindow());
  wintest::Pump(150);
  app.ActionByName("Action_Custom_ToolBar")->Trigger();
  wintest::Pump(200);
  auto* page = dynamic_cast<TForm_Custom_ToolBar*>(app.CustomWindow().PageOf("tabToolBar"));
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(IsWindowVisible(page->Handle()));
  EXPECT_EQ(pagetest::LayoutFaults(*page), std::vector<std::string>{});
  SetForegroundWindow(app.CustomWindow().Handle());
  wintest::Pump(200);
  kittest::Keep(kittest::Capture(pagetest::ScreenRect(app.CustomWindow().Handle())), "toolbar-page-tab");
  // The wheel reaching the window scrolls the list under the pointer.
  const POINT over = pagetest::Centre(pagetest::ScreenRect(page->CommandList()->Handle()));
  SetCursorPos(over.x, over.y);
  ASSERT_EQ(SendMessageW(page->CommandList()->Handle(), LB_GETTOPINDEX, 0, 0), 0);
  SendMessageW(app.CustomWindow().Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)),
               MAKELPARAM(over.x, over.y));
  EXPECT_GT(SendMessageW(page->CommandList()->Handle(), LB_GETTOPINDEX, 0, 0), 0);
  SendMessageW(page->Control("Button_Close"), BM_CLICK, 0, 0);
  wintest::Pump(100);
  EXPECT_FALSE(IsWindowVisible(app.CustomWindow().Handle()));
  EXPECT_TRUE(IsWindowVisible(app.Handle()));
}

// Nothing clipped or overlapping; buttons as wide as the widest caption and
// 16 pixels; rows as high as the icons; kept as a picture.
class ToolBarPageAtDpi : public ::testing::TestWithParam<int> {};

TEST_P(ToolBarPageAtDpi, FitsItsControlsAndDrawsIconsAndChecks) {
  const int dpi = GetParam();
  Host host(dpi, 300, 40);
  ASSERT_TRUE(host.created);
  TForm_Custom_ToolBar& page = *host.page;
  EXPECT_EQ(pagetest::LayoutFaults(page), std::vector<std::string>{});
  EXPECT_EQ(pagetest::GroupFaults(page), std::vector<std::string>{});
  const int icon = MulDiv(kIconSize, dpi, 96);
  EXPECT_EQ(page.CommandList()->ItemHeight(), std::max(icon, MulDiv(12, dpi, 96) * 13 / 10));
  EXPECT_EQ(page.NowSettingList()->ItemHeight(), page.CommandList()->ItemHeight());
  // The column: all four alike, each caption fits with 16 scaled pixels to spare.
  HDC dc = GetDC(host["Button_ToolBar_Add"]);
  HGDIOBJ old = SelectObject(dc, page.Font());
  const int width = kittest::RectInParent(host["Button_ToolBar_Add"]).right -
                    kittest::RectInParent(host["Button_ToolBar_Add"]).left;
  for (const char* name : {"Button_ToolBar_Add", "Button_ToolBar_Delete", "Button_ToolBar_MoveUp",
                           "Button_ToolBar_MoveDown"}) {
    const RECT r = kittest::RectInParent(host[name]);
    EXPECT_EQ(r.right - r.left, width) << name;
    wchar_t text[64] = L"";
    GetWindowTextW(host[name], text, 64);
    std::wstring shown;
    for (const wchar_t* c = text; *c; ++c)
      if (*c != L'&') shown += *c;
    SIZE size{};
    GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
    EXPECT_GE(width, size.cx + MulDiv(16, dpi, 96) - 2) << name;
  }
  SelectObject(dc, old);
  ReleaseDC(host["Button_ToolBar_Add"], dc);
  EXPECT_NEAR(width, page.Scale(page.ButtonColumnWidth()), 1);  // edges are scaled, not the width

  Focus(*page.CommandList(), Row(page, "Action_Zoom_Up"));
  Focus(*page.NowSettingList(), 1);
  ShowWindow(host.window->Handle(), SW_SHOW);
  SetForegroundWindow(host.window->Handle());
  SetFocus(page.NowSettingList()->Handle());
  wintest::Pump(200);
  RedrawWindow(host.window->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  wintest::Pump(200);
  const RECT window = pagetest::ScreenRect(host.window->Handle());
  const kittest::Picture pic = kittest::Capture(window);
  kittest::Keep(pic, "toolbar-page-" + std::to_string(dpi) + "dpi");
  auto local = [&](HWND w, RECT r) {
    MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&r), 2);
    OffsetRect(&r, -window.left, -window.top);
    return r;
  };
  // The selected row of the focused list in the highlight colour, a tick in
  // the boxes of current rows, none in an unchecked command row.
  kit::OwnerList& now = *page.NowSettingList();
  RECT selected{};
  SendMessageW(now.Handle(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&selected));
  selected = local(now.Handle(), selected);
  const int area = (selected.right - selected.left) * (selected.bottom - selected.top);
  EXPECT_GT(kittest::CountNear(pic, selected, GetSysColor(COLOR_HIGHLIGHT)), area / 3);
  // The other list's selection, without the focus, in button-face colours.
  RECT unfocused{};
  SendMessageW(page.CommandList()->Handle(), LB_GETITEMRECT, static_cast<WPARAM>(Row(page, "Action_Zoom_Up")),
               reinterpret_cast<LPARAM>(&unfocused));
  unfocused = local(page.CommandList()->Handle(), unfocused);
  EXPECT_GT(kittest::CountNear(pic, unfocused, GetSysColor(COLOR_BTNFACE), 8), area / 3);
  EXPECT_EQ(kittest::CountNear(pic, unfocused, GetSysColor(COLOR_HIGHLIGHT), 8), 0);
  RECT tick = local(now.Handle(), now.CheckBoxRect(0));
  RECT none = local(page.CommandList()->Handle(), page.CommandList()->CheckBoxRect(0));
  InflateRect(&tick, -2, -2);
  InflateRect(&none, -2, -2);
  EXPECT_GT(kittest::CountNear(pic, tick, GetSysColor(COLOR_WINDOWTEXT), 60), 3);
  EXPECT_EQ(kittest::CountNear(pic, none, GetSysColor(COLOR_WINDOWTEXT), 60), 0);
}

INSTANTIATE_TEST_SUITE_P(ToolBarPage, ToolBarPageAtDpi, ::testing::Values(96, 144),
                         [](const ::testing::TestParamInfo<int>& i) { return std::to_string(i.param) + "dpi"; });

}  // namespace
}  // namespace zorvik
