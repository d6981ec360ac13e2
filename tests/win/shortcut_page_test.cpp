// The shortcut page with the real main window: keys and gestures set by drag
// and drop, buttons and menus land in the live binding list and gesture
// slots; the replace question only from the command grid's menu; Delete of a
// command takes its gestures too; the three resets; enabled states; the
// menus the keys and the right button open; the layout at 96 and 144 dpi.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "commands/command_text.h"
#include "commands/gestures.h"
#include "commands/keys.h"
#include "custom/shortcut_page.h"
#include "custom/shortcut_page_design.h"
#include "custom_page_support.h"
#include "kit/grid.h"
#include "kit_support.h"
#include "platform/win_text.h"
#include "custom/custom_window.h"

namespace zorvik {
namespace {

using Host = pagetest::PageHost<TForm_Custom_ShortCut>;

constexpr uint16_t kF = 0x46, kZ = 0x5A, kEsc = 0x1B;

const CommandDef* Def(const char* name) { return CommandByName(name); }
std::string CommandDisplayTextOf(const char* name) { return CommandDisplayText(*CommandByName(name)); }

// Selects a data row and gives the grid the focus, as a click would.
void Select(kit::Grid* grid, int row) {
  SetFocus(grid->Handle());
  grid->SelectRow(row);
  wintest::Pump(20);
}

// The centre of a cell on the screen, the row scrolled into view first.
POINT CellPoint(kit::Grid* grid, int col, int row) {
  grid->SelectRow(row);
  const RECT r = grid->CellRect(col, row);
  POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ClientToScreen(grid->Handle(), &p);
  return p;
}

std::vector<std::pair<uint16_t, const CommandDef*>> Pairs(const BindingList& list) {
  std::vector<std::pair<uint16_t, const CommandDef*>> out;
  for (const KeyBinding& b : list.Items()) out.emplace_back(b.key, b.command);
  return out;
}

bool Enabled(Host& host, const char* button) { return IsWindowEnabled(host[button]) != FALSE; }

TEST(ShortCutPage, StartsWithEveryKeyGestureAndCommandAndTheirBindings) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_ShortCut& page = *host.page;
  kit::Grid* keys = page.KeyGrid();
  kit::Grid* gestures = page.GestureGrid();
  kit::Grid* commands = page.CommandGrid();
  ASSERT_EQ(keys->RowCount(), 63);
  ASSERT_EQ(gestures->RowCount(), 5);
  ASSERT_EQ(commands->RowCount(), static_cast<int>(host.app.Actions().Count()) + 1);
  EXPECT_EQ(keys->Cell(0, 0), L"キー");
  EXPECT_EQ(commands->Cell(2, 0), L"キー");
  EXPECT_EQ(keys->Cell(0, 11), L"ｽﾍﾟｰｽ");
  EXPECT_EQ(keys->Cell(0, 51), L"BS(後退)");
  EXPECT_EQ(gestures->Cell(0, 3), L"ｼﾞｪｽﾁｬ ←");
  // Column 1 of the key and gesture grids: category/caption of the bound command.
  EXPECT_EQ(keys->Cell(1, TForm_Custom_ShortCut::RowOfKey(kF)), W(CommandDisplayTextOf("Action_Capture_Fixed")));
  EXPECT_EQ(keys->Cell(1, TForm_Custom_ShortCut::RowOfKey(0x47)), L"");  // G: nothing
  EXPECT_EQ(gestures->Cell(1, 4), W(CommandDisplayTextOf("Action_Capture_Pause")));
  // Keys, then gestures, each in brackets.
  const int pause = page.RowOfCommand("Action_Capture_Pause");
  EXPECT_EQ(commands->Cell(2, pause), L"[Esc] [ｼﾞｪｽﾁｬ →]");
  EXPECT_EQ(commands->Cell(2, page.RowOfCommand("Action_Zoom_Up")), L"[PgUp]");
  EXPECT_EQ(commands->Cell(0, pause), W(host.app.Actions().Find("Action_Capture_Pause")->category));
  // Every command, also those without identifier, in list order.
  for (int row = 1; row < commands->RowCount(); ++row)
    EXPECT_EQ(page.CommandAt(row), &host.app.Actions().At(static_cast<size_t>(row - 1))) << row;
}

// A drag whose mouse capture goes to another window (a menu, a dialog,
// Alt+Tab) ends there: no "no" cursor left behind, nothing dropped later.
TEST(ShortCutPage, ADragEndsWhenTheMouseCaptureIsLost) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_ShortCut& page = *host.page;
  SetForegroundWindow(host.window->Handle());
  const int help = page.RowOfCommand("Action_Help");
  const int fRow = TForm_Custom_ShortCut::RowOfKey(kF);
  Select(page.CommandGrid(), help);
  auto button = [](DWORD flag) {
    INPUT i{};
    i.type = INPUT_MOUSE;
    i.mi.dwFlags = flag;
    SendInput(1, &i, sizeof i);
  };
  const POINT from = CellPoint(page.CommandGrid(), 1, help), to = CellPoint(page.KeyGrid(), 1, fRow);
  SetCursorPos(from.x, from.y);
  wintest::Pump(80);
  button(MOUSEEVENTF_LEFTDOWN);
  wintest::Pump(80);
  for (int step = 1; step <= 3; ++step) {
    SetCursorPos(from.x + (to.x - from.x) * step / 6, from.y + (to.y - from.y) * step / 6);
    wintest::Pump(40);
  }
  ASSERT_TRUE(page.Dragging());
  ASSERT_EQ(GetCapture(), page.CommandGrid()->Handle());
  // Another window of the thread takes the mouse.
  HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  SetCapture(other);
  wintest::Pump(40);
  EXPECT_FALSE(page.Dragging());
  ReleaseCapture();
  DestroyWindow(other);
  SetCursorPos(to.x, to.y);
  wintest::Pump(40);
  button(MOUSEEVENTF_LEFTUP);
  wintest::Pump(150);
  EXPECT_EQ(host.app.Bindings().Find(kF), Def("Action_Capture_Fixed")) << "nothing dropped after the capture was lost";
}

// Drag and drop replaces without asking; the command grid's menu asks, and
// No keeps the key where it was.
TEST(ShortCutPage, DropReplacesSilentlyTheMenuAsksFirst) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_ShortCut& page = *host.page;
  SetForegroundWindow(host.window->Handle());
  const int help = page.RowOfCommand("Action_Help");
  const int fRow = TForm_Custom_ShortCut::RowOfKey(kF);
  ASSERT_EQ(host.app.Bindings().Find(kF), Def("Action_Capture_Fixed"));

  // The command grid onto the key grid, with the mouse.
  Select(page.CommandGrid(), help);
  {
    wintest::DialogProbe none(L"Zorvik", wintest::DialogProbe::Action::Press, L"いいえ(&N)");
    pagetest::DragWithMouse(CellPoint(page.CommandGrid(), 1, help), CellPoint(page.KeyGrid(), 1, fRow));
    none.Join();
    EXPECT_FALSE(none.Seen());
  }
  EXPECT_EQ(host.app.Bindings().Find(kF), Def("Action_Help"));
  EXPECT_EQ(page.KeyGrid()->Row(), fRow);
  EXPECT_EQ(page.CommandGrid()->Cell(2, help), L"[F1] [F]");
  EXPECT_EQ(page.CommandGrid()->Cell(2, page.RowOfCommand("Action_Capture_Fixed")), L"");

  // And back by dropping the key row onto Fixed's row.
  const int fixed = page.RowOfCommand("Action_Capture_Fixed");
  Select(page.KeyGrid(), fRow);
  pagetest::DragWithMouse(CellPoint(page.KeyGrid(), 0, fRow), CellPoint(page.CommandGrid(), 1, fixed));
  EXPECT_EQ(host.app.Bindings().Find(kF), Def("Action_Capture_Fixed"));
  EXPECT_EQ(page.CommandGrid()->Row(), fixed);

  // The menu's [F] for Help: asked, No keeps Fixed, Yes moves it.
  Select(page.CommandGrid(), help);
  kit::Action* addF = page.PageActions().Find("actAddKey_16");
  ASSERT_NE(addF, nullptr);
  EXPECT_EQ(addF->caption, "[F]");
  {
    wintest::DialogProbe no(L"Zorvik", wintest::DialogProbe::Action::Press, L"いいえ(&N)");
    addF->Trigger();
    no.Join();
    EXPECT_TRUE(no.Answered());
    EXPECT_EQ(no.Text(), L"[F] には " + W(CommandDisplayTextOf("Action_Capture_Fixed")) + L" がセットされています\r\n置き換えますか");
  }
  EXPECT_EQ(host.app.Bindings().Find(kF), Def("Action_Capture_Fixed"));
  EXPECT_EQ(page.CommandGrid()->Cell(2, help), L"[F1]");
  {
    wintest::DialogProbe yes(L"Zorvik", wintest::DialogProbe::Action::Press, L"はい(&Y)");
    addF->Trigger();
    yes.Join();
    EXPECT_TRUE(yes.Answered());
  }
  EXPECT_EQ(host.app.Bindings().Find(kF), Def("Action_Help"));
  // A free key or the command's own key is taken without a question.
  {
    wintest::DialogProbe none(L"Zorvik", wintest::DialogProbe::Action::Press, L"いいえ(&N)");
    page.PageActions().Find("actAddKey_17")->Trigger();  // G
    page.PageActions().Find("actAddKey_37")->Trigger();  // F1, Help's already
    none.Join();
    EXPECT_FALSE(none.Seen());
  }
  EXPECT_EQ(page.CommandGrid()->Cell(2, help), L"[F1] [F] [G]");
}

TEST(ShortCutPage, AddingZToHelpListsItAfterF1AndTakesItFromCopyPicture) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_ShortCut& page = *host.page;
  const int help = page.RowOfCommand("Action_Help");
  const int picture = page.RowOfCommand("Action_Copy_Picture");
  EXPECT_EQ(page.CommandGrid()->Cell(2, picture), L"[Z]");
  Select(page.CommandGrid(), help);
  {
    wintest::DialogProbe yes(L"Zorvik", wintest::DialogProbe::Action::Press, L"はい(&Y)");
    page.PageActions().Find("actAddKey_36")->Trigger();
    yes.Join();
    EXPECT_TRUE(yes.Answered());
  }
  EXPECT_EQ(page.CommandGrid()->Cell(2, help), L"[F1] [Z]");
  EXPECT_EQ(page.CommandGrid()->Cell(2, picture), L"");
  EXPECT_EQ(page.KeyGrid()->Cell(1, TForm_Custom_ShortCut::RowOfKey(kZ)), W(CommandDisplayTextOf("Action_Help")));
  EXPECT_EQ(host.app.Bindings().KeysOf(Def("Action_Help")), (std::vector<uint16_t>{0x70, kZ}));
  EXPECT_TRUE(host.app.Bindings().KeysOf(Def("Action_Copy_Picture")).empty());
}

// Delete of a command clears its keys and its gestures; its column empties
// and Delete turns off.
TEST(ShortCutPage, DeletingACommandsKeysClearsItsGesturesToo) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_ShortCut& page = *host.page;
  const int pause = page.RowOfCommand("Action_Capture_Pause");
  // A second gesture for Pause: both go.
  page.SetGesture(1, Def("Action_Capture_Pause"));
  Select(page.CommandGrid(), pause);
  EXPECT_EQ(page.CommandGrid()->Cell(2, pause), L"[Esc] [ｼﾞｪｽﾁｬ ↑] [ｼﾞｪｽﾁｬ →]");
  ASSERT_TRUE(Enabled(host, "Button_Command_KeyDelete"));
  SendMessageW(host["Button_Command_KeyDelete"], BM_CLICK, 0, 0);
  EXPECT_EQ(page.CommandGrid()->Cell(2, pause), L"");
  EXPECT_EQ(host.app.Bindings().Find(kEsc), nullptr);
  EXPECT_EQ(host.app.Gestures().slots[kGestureUp], nullptr);
  EXPECT_EQ(host.app.Gestures().slots[kGestureRight], nullptr);
  EXPECT_EQ(page.GestureGrid()->Cell(1, 4), L"");
  EXPECT_EQ(page.KeyGrid()->Cell(1, TForm_Custom_ShortCut::RowOfKey(kEsc)), L"");
  EXPECT_FALSE(Enabled(host, "Button_Command_KeyDelete"));
  // The other gestures stay.
  EXPECT_EQ(host.app.Gestures().slots[kGestureDown], Def("Action_Custom_Setting"));
  EXPECT_EQ(host.app.Gestures().slots[kGestureLeft], Def("Action_Grid_Disp"));
}

// A settings file may bind one key twice; the row shows the first command,
// yet Delete of the second command must still empty its column.
TEST(ShortCutPage, DeleteAlsoTakesABindingHiddenBehindAnEarlierOne) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_ShortCut& page = *host.page;
  host.app.Bindings().Add(kF, Def("Action_Help"));  // after F -> Fixed
  page.Sync();
  const int help = page.RowOfCommand("Action_Help");
  EXPECT_EQ(page.CommandGrid()->Cell(2, help), L"[F1] [F]");
  Select(page.CommandGrid(), help);
  SendMessageW(host["Button_Command_KeyDelete"], BM_CLICK, 0, 0);
  EXPECT_EQ(page.CommandGrid()->Cell(2, help), L"");
  EXPECT_TRUE(host.app.Bindings().KeysOf(Def("Action_Help")).empty());
  EXPECT_FALSE(Enabled(host, "Button_Command_KeyDelete"));
}

// Each reset asks its own question, does nothing on No and on Yes restores
// exactly the defaults of its part, deleted keys included.
TEST(ShortCutPage, ResetsRestoreTheDefaultsOfTheirPartOnlyOnYes) {
  struct Case {
    const char* button;
    int tab;
    const wchar_t* question;
    bool keys, gestures;
  };
  const Case cases[] = {
      {"Button_ShortCutKey_ResetAll", TForm_Custom_ShortCut::kKeyTab,
       L"すべてのショートカットキーの設定をリセットします\r\nよろしいですか", true, false},
      {"Button_Gesture_ResetAll", TForm_Custom_ShortCut::kGestureTab,
       L"すべてのマウスジェスチャの設定をリセットします\r\nよろしいですか", false, true},
      {"Button_Command_KeyResetAll", TForm_Custom_ShortCut::kKeyTab,
       L"すべてのショートカットキーとマウスジェスチャの設定をリセットします\r\nよろしいですか", true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    Host host;
    ASSERT_TRUE(host.created);
    TForm_Custom_ShortCut& page = *host.page;
    page.ShowTab(c.tab);
    // Deleted, moved and added keys; a cleared and a changed gesture.
    page.ClearKey(TForm_Custom_ShortCut::RowOfKey(0x21));  // PgUp
    page.ClearKey(TForm_Custom_ShortCut::RowOfKey(kEsc));
    page.SetKey(TForm_Custom_ShortCut::RowOfKey(kZ), Def("Action_Help"));
    page.SetKey(TForm_Custom_ShortCut::RowOfKey(0x47), Def("Action_Grid_Disp"));
    page.ClearGesture(1);
    page.SetGesture(3, Def("Action_Help"));
    const auto editedKeys = Pairs(host.app.Bindings());
    const GestureBindings editedGestures = host.app.Gestures();
    {
      wintest::DialogProbe no(L"Zorvik", wintest::DialogProbe::Action::Press, L"いいえ(&N)");
      SendMessageW(host[c.button], BM_CLICK, 0, 0);
      no.Join();
      EXPECT_TRUE(no.Answered());
      EXPECT_EQ(no.Text(), c.question);
    }
    EXPECT_EQ(Pairs(host.app.Bindings()), editedKeys);
    {
      wintest::DialogProbe yes(L"Zorvik", wintest::DialogProbe::Action::Press, L"はい(&Y)");
      SendMessageW(host[c.button], BM_CLICK, 0, 0);
      yes.Join();
      EXPECT_TRUE(yes.Answered());
    }
    EXPECT_EQ(Pairs(host.app.Bindings()), c.keys ? Pairs(host.app.DefaultBindings()) : editedKeys);
    const GestureBindings& want = c.gestures ? host.app.DefaultGestures() : editedGestures;
    for (int slot = 0; slot < kGestureSlotCount; ++slot)
      EXPECT_EQ(host.app.Gestures().slots[slot], want.slots[slot]) << slot;
    // The grids show what is live.
    EXPECT_EQ(page.KeyGrid()->Cell(1, TForm_Custom_ShortCut::RowOfKey(0x21)),
              c.keys ? W(CommandDisplayTextOf("Action_Zoom_Up")) : L"");
    EXPECT_EQ(page.CommandGrid()->Cell(2, page.RowOfCommand("Action_Help")),
              c.keys && c.gestures ? L"[F1]" : c.keys ? L"[F1] [ｼﾞｪｽﾁｬ ←]" : L"[F1] [Z]");
  }
}

TEST(ShortCutPage, DeleteButtonsAreEnabledOnlyForARowThatHoldsSomething) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_ShortCut& page = *host.page;
  struct Case {
    kit::Grid* grid;
    int row;
    const char* button;
    bool enabled;
  };
  page.ClearGesture(2);
  const Case cases[] = {
      {page.KeyGrid(), TForm_Custom_ShortCut::RowOfKey(kF), "Button_ShortCutKey_Delete", true},
      {page.KeyGrid(), TForm_Custom_ShortCut::RowOfKey(0x47), "Button_ShortCutKey_Delete", false},
      {page.GestureGrid(), 1, "Button_Gesture_Delete", true},
      {page.GestureGrid(), 2, "Button_Gesture_Delete", false},
      {page.CommandGrid(), page.RowOfCommand("Action_Help"), "Button_Command_KeyDelete", true},
      {page.CommandGrid(), page.RowOfCommand("Action_Custom_Setting"), "Button_Command_KeyDelete", false},
      {page.CommandGrid(), page.RowOfCommand("Action_Zoom_1"), "Button_Command_KeyDelete", false},
  };
  for (const Case& c : cases) {
    if (c.grid == page.GestureGrid()) page.ShowTab(TForm_Custom_ShortCut::kGestureTab);
    if (c.grid == page.KeyGrid()) page.ShowTab(TForm_Custom_ShortCut::kKeyTab);
    Select(c.grid, c.row);
    EXPECT_EQ(Enabled(host, c.button), c.enabled) << c.button << " row " << c.row;
  }
  // Deleting the key of the selected row turns its Delete off.
  page.ShowTab(TForm_Custom_ShortCut::kKeyTab);
  Select(page.KeyGrid(), TForm_Custom_ShortCut::RowOfKey(kF));
  SendMessageW(host["Button_ShortCutKey_Delete"], BM_CLICK, 0, 0);
  EXPECT_EQ(host.app.Bindings().Find(kF), nullptr);
  EXPECT_FALSE(Enabled(host, "Button_ShortCutKey_Delete"));
  EXPECT_EQ(page.KeyGrid()->Cell(1, TForm_Custom_ShortCut::RowOfKey(kF)), L"");
  EXPECT_EQ(page.CommandGrid()->Cell(2, page.RowOfCommand("Action_Capture_Fixed")), L"");
}

// Set under each tab joins the selected row to the selected command; the
// category submenus do the same for the tab in front.
TEST(ShortCutPage, SetButtonsAndCategoryMenusAssignTheSelectedCommand) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_ShortCut& page = *host.page;
  const int help = page.RowOfCommand("Action_Help");
  Select(page.CommandGrid(), help);
  Select(page.KeyGrid(), TForm_Custom_ShortCut::RowOfKey(0x47));
  SendMessageW(host["Button_ShortCutKey_Set"], BM_CLICK, 0, 0);
  EXPECT_EQ(host.app.Bindings().Find(0x47), Def("Action_Help"));

  page.ShowTab(TForm_Custom_ShortCut::kGestureTab);
  EXPECT_TRUE(IsWindowVisible(host["Panel_Gesture"]));
  EXPECT_FALSE(IsWindowVisible(host["Panel_ShortCutKey"]));
  Select(page.GestureGrid(), 2);
  SendMessageW(host["Button_Gesture_Set"], BM_CLICK, 0, 0);
  EXPECT_EQ(host.app.Gestures().slots[kGestureDown], Def("Action_Help"));
  EXPECT_EQ(page.CommandGrid()->Cell(2, help), L"[F1] [G] [ｼﾞｪｽﾁｬ ↓]");

  // From the gesture menu: "カーソル位置情報 コマンドをセット" and so on.
  kit::MenuNode& first = *page.GestureMenu().Root().children.front();
  EXPECT_EQ(first.caption, page.Categories().front().name + " コマンドをセット");
  ASSERT_FALSE(first.children.empty());
  Select(page.GestureGrid(), 3);
  first.children.front()->action->Trigger();
  EXPECT_EQ(host.app.Gestures().slots[kGestureLeft], CommandByName(page.CommandAt(1)->name));
}

// The page edits the main window's own lists: a key bound here runs its
// command at once, a deleted one no longer does.
TEST(ShortCutPage, ABindingMadeHereWorksAtOnceInTheMainWindow) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_ShortCut& page = *host.page;
  kit::Action* grid = host.app.Actions().Find("Action_Grid_Disp");
  const bool before = grid->Checked();
  auto press = [&](WPARAM vk) {
    SendMessageW(host.app.Handle(), WM_KEYDOWN, vk, 0);
    SendMessageW(host.app.Handle(), WM_KEYUP, vk, 0xC0000001);
    wintest::Pump(30);
  };
  page.SetKey(TForm_Custom_ShortCut::RowOfKey(0x47), Def("Action_Grid_Disp"));
  press(0x47);
  EXPECT_EQ(grid->Checked(), !before);
  page.ClearKey(TForm_Custom_ShortCut::RowOfKey(0x47));
  press(0x47);
  EXPECT_EQ(grid->Checked(), !before);
}

// The arrow keys on the focused tab control bring the other tab to the front.
TEST(ShortCutPage, TheTabsFollowTheKeyboard) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_ShortCut& page = *host.page;
  SetForegroundWindow(host.window->Handle());
  SetFocus(page.TabControl());
  wintest::Pump(50);
  pagetest::Press({VK_RIGHT});
  wintest::Pump(100);
  EXPECT_EQ(page.CurrentTab(), TForm_Custom_ShortCut::kGestureTab);
  EXPECT_TRUE(IsWindowVisible(host["Panel_Gesture"]));
  EXPECT_FALSE(IsWindowVisible(host["Panel_ShortCutKey"]));
  pagetest::Press({VK_LEFT});
  wintest::Pump(100);
  EXPECT_EQ(page.CurrentTab(), TForm_Custom_ShortCut::kKeyTab);
  EXPECT_TRUE(IsWindowVisible(host["Panel_ShortCutKey"]));
  // Tab moves on from the tab control into the page.
  pagetest::Press({VK_TAB});
  wintest::Pump(50);
  EXPECT_NE(GetFocus(), page.TabControl());
  EXPECT_TRUE(IsChild(page.Handle(), GetFocus()));
}

TEST(ShortCutPage, KeysAndTheRightButtonOpenTheMenus) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_ShortCut& page = *host.page;
  SetForegroundWindow(host.window->Handle());
  auto origin = [](HWND w) {
    POINT p{0, 0};
    ClientToScreen(w, &p);
    return p;
  };
  const std::vector<std::wstring> commandMenu = {L"数字キーを追加", L"アルファベットキーを追加", L"ファンクションキーを追加",
                                                 L"拡張キーを追加", L"ジェスチャを追加", L"-", L"コマンドにキーを追加",
                                                 L"コマンドのキーとジェスチャを削除", L"-",
                                                 L"キーとマウスジェスチャの設定をリセット"};
  const std::vector<std::wstring> pageMenu = {L"キーとマウスジェスチャの設定をリセット", L"-", L"閉じる"};
  struct Case {
    kit::Grid* grid;
    std::initializer_list<WORD> keys;
    HWND at;
    std::wstring first, last;
  };
  const Case cases[] = {
      {page.KeyGrid(), {VK_APPS}, page.KeyGrid()->Handle(), W(page.Categories().front().name) + L" コマンドをセット",
       L"キーの設定をリセット"},
      {page.CommandGrid(), {VK_SHIFT, VK_F10}, page.CommandGrid()->Handle(), commandMenu.front(), commandMenu.back()},
      {page.CommandGrid(), {VK_F10}, page.Handle(), pageMenu.front(), pageMenu.back()},
      {nullptr, {VK_APPS}, page.Handle(), pageMenu.front(), pageMenu.back()},
  };
  for (const Case& c : cases) {
    if (c.grid) Select(c.grid, 2);
    else SetFocus(host["Button_Close"]);
    pagetest::MenuProbe probe;
    pagetest::Press(c.keys);
    wintest::Pump(150);
    probe.Join();
    ASSERT_TRUE(probe.Seen());
    EXPECT_EQ(probe.Rect().left, origin(c.at).x);
    EXPECT_EQ(probe.Rect().top, origin(c.at).y);
    ASSERT_FALSE(probe.Items().empty());
    EXPECT_EQ(probe.Items().front(), c.first);
    EXPECT_EQ(probe.Items().back(), c.last);
    if (c.at == page.CommandGrid()->Handle()) {
      EXPECT_EQ(probe.Items(), commandMenu);
    }
    if (c.at == page.Handle()) {
      EXPECT_EQ(probe.Items(), pageMenu);
    }
  }

  // The right button selects the row under it, then opens the grid's menu there.
  const int row = page.RowOfCommand("Action_Help");
  page.CommandGrid()->SetTopRow(row);
  const RECT cell = page.CommandGrid()->CellRect(1, row);
  const LPARAM at = MAKELPARAM(cell.left + 4, (cell.top + cell.bottom) / 2);
  SendMessageW(page.CommandGrid()->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, at);
  EXPECT_EQ(page.CommandGrid()->Row(), row);
  EXPECT_EQ(page.HintText(), W(host.app.Actions().Find("Action_Help")->hint.empty()
                                   ? CommandDisplayTextOf("Action_Help")
                                   : host.app.Actions().Find("Action_Help")->hint));
  {
    pagetest::MenuProbe probe;
    SendMessageW(page.CommandGrid()->Handle(), WM_RBUTTONUP, 0, at);
    probe.Join();
    ASSERT_TRUE(probe.Seen());
    EXPECT_EQ(probe.Items(), commandMenu);
  }
  // On the header: the categories, by the right button anywhere or a left
  // click on the first column; a left click elsewhere on it opens nothing.
  const RECT third = page.CommandGrid()->CellRect(2, 0), first = page.CommandGrid()->CellRect(0, 0);
  const struct {
    UINT msg;
    RECT cell;
    bool opens;
  } headerCases[] = {{WM_RBUTTONUP, third, true}, {WM_LBUTTONDOWN, first, true}, {WM_LBUTTONDOWN, third, false}};
  for (const auto& c : headerCases) {
    pagetest::MenuProbe probe;
    SendMessageW(page.CommandGrid()->Handle(), c.msg, c.msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0,
                 MAKELPARAM(c.cell.left + 4, c.cell.top + 4));
    if (c.msg == WM_LBUTTONDOWN) SendMessageW(page.CommandGrid()->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(c.cell.left + 4, c.cell.top + 4));
    if (!c.opens) wintest::Pump(600);
    probe.Join();
    ASSERT_EQ(probe.Seen(), c.opens);
    if (!c.opens) continue;
    ASSERT_EQ(probe.Items().size(), page.Categories().size());
    EXPECT_EQ(probe.Items().front(), W(page.Categories().front().name));
  }
  // The gesture grid's menu where the right button goes up.
  page.ShowTab(TForm_Custom_ShortCut::kGestureTab);
  const RECT g = page.GestureGrid()->CellRect(1, 3);
  const LPARAM on = MAKELPARAM(g.left + 4, (g.top + g.bottom) / 2);
  SendMessageW(page.GestureGrid()->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, on);
  EXPECT_EQ(page.GestureGrid()->Row(), 3);
  {
    pagetest::MenuProbe probe;
    SendMessageW(page.GestureGrid()->Handle(), WM_RBUTTONUP, 0, on);
    probe.Join();
    ASSERT_TRUE(probe.Seen());
    POINT at{g.left + 4, (g.top + g.bottom) / 2};
    ClientToScreen(page.GestureGrid()->Handle(), &at);
    EXPECT_EQ(probe.Rect().left, at.x);
    ASSERT_EQ(probe.Items().size(), page.Categories().size() + 5);
    EXPECT_EQ(probe.Items()[page.Categories().size() + 1], L"ジェスチャにコマンドをセット");
    EXPECT_EQ(probe.Items().back(), L"マウスジェスチャの設定をリセット");
  }
}

TEST(ShortCutPage, AChosenCategoryBecomesTheTopRowAndIsSelected) {
  Host host;
  ASSERT_TRUE(host.created);
  TForm_Custom_ShortCut& page = *host.page;
  const auto& categories = page.Categories();
  ASSERT_GT(categories.size(), 5u);
  EXPECT_EQ(page.CommandGrid()->Row(), 1);
  HWND combo = host["ComboBox_CommandCategory"];
  SendMessageW(combo, CB_SETCURSEL, 4, 0);
  SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
  EXPECT_EQ(page.CommandGrid()->TopRow(), categories[4].firstRow);
  EXPECT_EQ(page.CommandGrid()->Row(), categories[4].firstRow);
  EXPECT_EQ(page.CommandAt(categories[4].firstRow)->category, categories[4].name);
  EXPECT_NE(page.CommandAt(categories[4].firstRow - 1)->category, categories[4].name);
  page.CategoryMenu().Root().children[2]->action->Trigger();
  EXPECT_EQ(page.CommandGrid()->TopRow(), categories[2].firstRow);
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 2);
}

// The main window's command opens the page in its tab of the customisation
// window, once.
TEST(ShortCutPage, TheMainWindowsCommandShowsThePageInItsTab) {
  Host host;
  ASSERT_TRUE(host.created);
  ASSERT_TRUE(host.app.Actions().Find("Action_Custom_ShortCut")->Trigger());
  wintest::Pump(200);
  TApp_ZorvikCustom& custom = host.app.CustomWindow();
  auto* page = dynamic_cast<TForm_Custom_ShortCut*>(custom.PageOf("tabShortCut"));
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(custom.ActivePage(), page);
  EXPECT_TRUE(IsWindowVisible(page->Handle()));
  EXPECT_EQ(page->CommandGrid()->Cell(2, page->RowOfCommand("Action_Help")), L"[F1]");
  ASSERT_TRUE(host.app.Actions().Find("Action_Custom_ShortCut")->Trigger());
  wintest::Pump(100);
  EXPECT_EQ(custom.PageOf("tabShortCut"), page);
  SetWindowPos(custom.Handle(), HWND_TOPMOST, 20, 20, 0, 0, SWP_NOSIZE);
  wintest::Pump(200);
  kittest::Keep(kittest::Capture(pagetest::ScreenRect(custom.Handle())), "shortcut-page-in-window");
  // Closing from the page hides the window, not the main window.
  SendMessageW(page->Control("Button_Close"), BM_CLICK, 0, 0);
  wintest::Pump(200);
  EXPECT_FALSE(IsWindowVisible(custom.Handle()));
  EXPECT_TRUE(IsWindow(host.app.Handle()));
}

// Nothing clipped or overlapping, name columns wide enough for their widest
// name, the last column filling the grid; kept as a picture.
class ShortCutPageAtDpi : public ::testing::TestWithParam<int> {};

TEST_P(ShortCutPageAtDpi, FitsItsControlsAndColumns) {
  const int dpi = GetParam();
  Host host(dpi, 300, 40);
  ASSERT_TRUE(host.created);
  TForm_Custom_ShortCut& page = *host.page;
  EXPECT_EQ(kit::CheckTable(ShortCutPageTable()), std::vector<std::string>{});
  // A panel holds its controls: they lie on it, not over it.
  std::vector<std::string> faults;
  for (const std::string& f : pagetest::LayoutFaults(page)) {
    const size_t at = f.find(" overlaps ");
    const kit::ControlDesc* inner = at == std::string::npos ? nullptr : page.Controls().Desc(f.substr(at + 10));
    if (!inner || inner->parent != f.substr(0, at)) faults.push_back(f);
  }
  EXPECT_EQ(faults, std::vector<std::string>{});
  EXPECT_EQ(pagetest::GroupFaults(page), std::vector<std::string>{});
  for (kit::Grid* grid : {page.KeyGrid(), page.GestureGrid(), page.CommandGrid()}) {
    int total = 0;
    for (int col = 0; col < grid->ColCount(); ++col) total += grid->ColWidth(col) + grid->GridLineWidth();
    EXPECT_EQ(total, grid->ClientWidth()) << GetDlgCtrlID(grid->Handle());
  }
  HFONT fixed = CreateFontW(-MulDiv(12, dpi, 96), 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, L"ＭＳ ゴシック");
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, fixed);
  for (const wchar_t* name : {L"BS(後退)", L"ｽﾍﾟｰｽ"}) {
    SIZE size{};
    GetTextExtentPoint32W(dc, name, lstrlenW(name), &size);
    EXPECT_GE(page.KeyGrid()->ColWidth(0), size.cx + 4) << name;
  }
  SIZE size{};
  GetTextExtentPoint32W(dc, L"ｼﾞｪｽﾁｬ ↑", 7, &size);
  EXPECT_GE(page.GestureGrid()->ColWidth(0), size.cx + 4);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(fixed);

  // The splitter gives room to the left; the last columns take what is left.
  {
    const RECT key = pagetest::ScreenRect(page.KeyGrid()->Handle());
    const RECT cmd = pagetest::ScreenRect(page.CommandGrid()->Handle());
    HWND bar = GetWindow(page.TabControl(), GW_HWNDFIRST);
    for (; bar; bar = GetWindow(bar, GW_HWNDNEXT)) {
      const RECT r = pagetest::ScreenRect(bar);
      if (r.left >= key.right && r.right <= cmd.left && r.right - r.left < page.Scale(10)) break;
    }
    ASSERT_TRUE(bar);
    // The command grid's caption and key columns give the room; which one
    // gives way depends on how wide the fonts draw the captions.
    const auto commandColumns = [&page] { return page.CommandGrid()->ColWidth(1) + page.CommandGrid()->ColWidth(2); };
    const int widthBefore = page.KeyGrid()->ColWidth(1), commandsBefore = commandColumns();
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 5));
    SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(1 + page.Scale(30), 5));
    SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(1 + page.Scale(30), 5));
    EXPECT_GT(page.KeyGrid()->ColWidth(1), widthBefore);
    EXPECT_LT(commandColumns(), commandsBefore);
    for (kit::Grid* grid : {page.KeyGrid(), page.CommandGrid()}) {
      int total = 0;
      for (int col = 0; col < grid->ColCount(); ++col) total += grid->ColWidth(col) + grid->GridLineWidth();
      EXPECT_EQ(total, grid->ClientWidth());
    }
    EXPECT_EQ(pagetest::ScreenRect(page.CommandGrid()->Handle()).right, cmd.right);
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 5));
    SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(1 - page.Scale(30), 5));
    SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(1 - page.Scale(30), 5));
    EXPECT_EQ(page.KeyGrid()->ColWidth(1), widthBefore);
  }
  // Laid out again at the same size, nothing moves.
  const int before = page.CommandGrid()->ColWidth(2);
  RECT client{};
  GetClientRect(page.Handle(), &client);
  SendMessageW(page.Handle(), WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
  EXPECT_EQ(page.CommandGrid()->ColWidth(2), before);

  Select(page.CommandGrid(), page.RowOfCommand("Action_Capture_Pause"));
  Select(page.KeyGrid(), TForm_Custom_ShortCut::RowOfKey(kF));
  SetForegroundWindow(host.window->Handle());
  SetFocus(page.KeyGrid()->Handle());
  wintest::Pump(200);
  RedrawWindow(host.window->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  wintest::Pump(200);
  const RECT window = pagetest::ScreenRect(host.window->Handle());
  const kittest::Picture pic = kittest::Capture(window);
  kittest::Keep(pic, "shortcut-page-" + std::to_string(dpi) + "dpi");
  // The focused grid's selection in the highlight colour, the other's in button face.
  auto local = [&](kit::Grid* grid, int row) {
    RECT r = grid->CellRect(1, row);
    MapWindowPoints(grid->Handle(), nullptr, reinterpret_cast<POINT*>(&r), 2);
    OffsetRect(&r, -window.left, -window.top);
    return r;
  };
  const RECT keyRow = local(page.KeyGrid(), page.KeyGrid()->Row());
  const int area = (keyRow.right - keyRow.left) * (keyRow.bottom - keyRow.top);
  EXPECT_GT(kittest::CountNear(pic, keyRow, GetSysColor(COLOR_HIGHLIGHT), 8), area / 3);
  const RECT commandRow = local(page.CommandGrid(), page.CommandGrid()->Row());
  EXPECT_EQ(kittest::CountNear(pic, commandRow, GetSysColor(COLOR_HIGHLIGHT), 8), 0);
}

INSTANTIATE_TEST_SUITE_P(ShortCutPage, ShortCutPageAtDpi, ::testing::Values(96, 144),
                         [](const ::testing::TestParamInfo<int>& i) { return std::to_string(i.param) + "dpi"; });

}  // namespace
}  // namespace zorvik
