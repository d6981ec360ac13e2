// End-to-end: the edges of the shortcut and copy-format pages in the real
// program, driven by real mouse and key input and by the controls' own
// messages. Each test looks at the effect at once (the version page's list of
// the bindings in force, the copy page's preview) and again in the settings
// file the program writes at exit and reads at the next start. Questions the
// program asks are answered from here; every wait has a time-out and a
// dialog or menu left open is closed when the test ends.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "commands/command_table.h"
#include "commands/command_text.h"
#include "commands/keys.h"
#include "driver.h"
#include "program_test.h"
#include "settings/my_settingfile.h"

using namespace e2e;

namespace {

constexpr int kVersionList = 1002;  // the version page's list of bindings

std::wstring W(const std::string& utf8) {
  std::wstring out(utf8.size(), L'\0');
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(),
                                    static_cast<int>(out.size()));
  out.resize(static_cast<size_t>(std::max(n, 0)));
  return out;
}

std::wstring Command(const char* name) { return W(zorvik::CommandDisplayText(*zorvik::CommandByName(name))); }

// --- the program's questions -------------------------------------------

constexpr const wchar_t* kYes = L"はい(&Y)";
constexpr const wchar_t* kNo = L"いいえ(&N)";

// Closes whatever the test left open in the program: its message dialogs
// (with No or OK, which change nothing) and a shown popup menu.
void CloseLeftovers(DWORD pid) {
  for (int round = 0; round < 5; ++round) {
    HWND menu = VisiblePopupMenu();
    if (menu) {
      PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
      PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
      Pump(200);
    }
    HWND dialog = TopWindow(pid, L"#32770");
    if (!dialog && !menu) return;
    if (dialog && !Press(dialog, kNo) && !Press(dialog, L"OK")) {
      PostMessageW(dialog, WM_CLOSE, 0, 0);
      Pump(200);
    }
  }
}

// --- grids ----------------------------------------------------------------

// The window with the keyboard focus in the thread of w.
HWND FocusOf(HWND w) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(w, nullptr), &info) ? info.hwndFocus : nullptr;
}

// Selects a data row of a grid by its own keys, after a click has given it
// the focus. Each key is sent and waited for, after the click: posted keys
// would overtake the click and outrun a screenshot.
void SelectRow(HWND grid, int row) {
  if (FocusOf(grid) != grid) {
    ClickAt(Middle(grid));
    for (int i = 0; i < 40 && FocusOf(grid) != grid; ++i) Pump(50);
    Pump(200);
  }
  Ask(grid, WM_KEYDOWN, VK_HOME);
  for (int i = 1; i < row; ++i) Ask(grid, WM_KEYDOWN, VK_DOWN);
  Pump(300);
}

// The screen y of the middle of the selected row of a focused grid (drawn in
// the highlight colour), or -1.
int SelectedRowY(HWND grid) {
  RECT r{};
  GetClientRect(grid, &r);
  MapWindowPoints(grid, nullptr, reinterpret_cast<POINT*>(&r), 2);
  const Shot shot = ReadScreen(r);
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  // The longest run of lines mostly in the highlight colour.
  int best = -1, bestLength = 0, run = 0;
  for (int y = 0; y < shot.height; ++y) {
    int n = 0;
    for (int x = 0; x < shot.width; ++x)
      if (shot.At(x, y) == highlight) ++n;
    run = n * 3 >= shot.width ? run + 1 : 0;
    if (run > bestLength) {
      bestLength = run;
      best = y;
    }
  }
  return best < 0 ? -1 : r.top + best - bestLength / 2;
}

int KeyRow(const char* keyName) { return zorvik::KeyRowOf(zorvik::KeyFromName(keyName)) + 1; }
int CommandRow(const char* name) { return zorvik::CommandIndexOf(zorvik::CommandByName(name)) + 1; }

// Presses and releases the left button with moves in between, as a user
// drags (the first move is beyond the double-click slop).
void LeftDrag(POINT from, POINT to) {
  auto button = [](DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof in);
    Pump(80);
  };
  SetCursorPos(from.x, from.y);
  Pump(80);
  button(MOUSEEVENTF_LEFTDOWN);
  for (int step = 1; step <= 6; ++step) {
    SetCursorPos(from.x + (to.x - from.x) * step / 6, from.y + (to.y - from.y) * step / 6);
    Pump(60);
  }
  SetCursorPos(to.x, to.y);
  Pump(80);
  button(MOUSEEVENTF_LEFTUP);
  Pump(250);
}

// Settings-file view of the key table: key code -> command identifier.
std::map<uint16_t, uint16_t> KeyMap(const std::vector<zorvik::StoredKeyBinding>& bindings) {
  std::map<uint16_t, uint16_t> keys;
  for (const auto& b : bindings) keys.emplace(b.key, b.command);
  return keys;
}

uint16_t Code(const char* keyName) { return zorvik::KeyFromName(keyName); }
uint16_t Id(const char* command) { return zorvik::CommandIdOf(command); }

// The shortcut page: its grids and the buttons under them.
struct ShortCutPage {
  HWND window = nullptr;
  HWND keys = nullptr, commands = nullptr;
  std::vector<HWND> deletes, resets;  // key grid's, command grid's
};

class CustomEdgesTest : public ProgramTest {
protected:
  void TearDown() override {
    if (app_) CloseLeftovers(app_->pid());
    ProgramTest::TearDown();
  }
  void Start() { StartProgram(0); }
  // Ends the program (which writes its settings) and reads the file.
  zorvik::SettingsData Stop() {
    CloseLeftovers(app_->pid());
    EXPECT_EQ(app_->Close(), 0);
    app_.reset();
    return StoredSettings();
  }
  zorvik::SettingsData Restart() {
    Stop();
    Start();
    return Stop();
  }
  HWND Custom() {
    HWND custom = WaitForTopWindow(app_->pid(), L"TApp_ZorvikCustom", 5000);
    if (custom) {
      SetWindowPos(custom, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE);
      SetForegroundWindow(custom);
      Pump(300);
    }
    return custom;
  }
  ShortCutPage OpenShortCutPage() {
    app_->Command(Id("Action_Custom_ShortCut"));
    ShortCutPage page;
    page.window = Custom();
    if (!page.window) return page;
    const std::vector<HWND> grids = Children(page.window, L"ZorvikKitGrid");
    if (grids.size() == 2) {
      page.keys = grids[0];
      page.commands = grids[1];
    }
    page.deletes = Children(page.window, L"Button", L"削除");
    page.resets = Children(page.window, L"Button", L"リセット");
    return page;
  }
  // The lines of the version page: the bindings in force, as the program
  // lists them. Leaves the customisation window on that page.
  std::vector<std::wstring> VersionLines() {
    app_->Command(Id("Action_Help"));
    std::vector<std::wstring> lines;
    HWND custom = Custom();
    if (!custom) return lines;
    for (HWND list : Children(custom, L"ListBox")) {
      if (GetDlgCtrlID(list) != kVersionList) continue;
      const int n = static_cast<int>(Ask(list, LB_GETCOUNT));
      for (int i = 0; i < n; ++i) {
        wchar_t text[512] = L"";
        if (Ask(list, LB_GETTEXTLEN, i) < 512) Ask(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        lines.push_back(text);
      }
    }
    return lines;
  }
  // The question the program shows now (its text), answered with `button`;
  // "" when none came within 3 s.
  std::wstring AnswerQuestion(const wchar_t* button) {
    HWND dialog = WaitForTopWindow(app_->pid(), L"#32770", 3000);
    if (!dialog) return L"";
    Pump(200);
    const std::wstring text = DialogText(dialog);
    EXPECT_TRUE(Press(dialog, button)) << "the question has no such button";
    return text;
  }
  // Opens the command grid's menu with the Apps key and chooses the key of
  // `item` (0-based) in its submenu `submenu` (0-based), all by keys.
  void ChooseFromCommandMenu(int submenu, int item) {
    Tap(VK_APPS);
    for (int i = 0; i < 40 && !VisiblePopupMenu(); ++i) Pump(50);
    ASSERT_TRUE(VisiblePopupMenu()) << "the command grid's menu did not open";
    for (int i = 0; i <= submenu; ++i) ASSERT_TRUE(MenuKey(VK_DOWN)) << "the menu took no Down";
    ASSERT_TRUE(MenuKey(VK_RIGHT)) << "the submenu did not open";
    ASSERT_EQ(VisiblePopupMenus().size(), 2u);
    for (int i = 0; i < item; ++i) ASSERT_TRUE(MenuKey(VK_DOWN)) << "the submenu took no Down";
    Tap(VK_RETURN);
  }
};

// The version page's line of a key ("[F] category/caption"), or "".
std::wstring KeyLine(const std::vector<std::wstring>& lines, const wchar_t* shown) {
  const std::wstring head = std::wstring(L"[") + shown + L"] ";
  for (const std::wstring& l : lines) {
    const size_t at = l.find_first_not_of(L' ');
    if (at != std::wstring::npos && l.compare(at, head.size(), head) == 0) return l.substr(at + head.size());
  }
  return L"";
}

// The keys and gestures the version page lists for a command ("[F1] [Z]"),
// "" when the command has none.
std::wstring KeysOf(const std::vector<std::wstring>& lines, const char* command) {
  const std::wstring text = Command(command);
  for (const std::wstring& l : lines) {
    if (l.compare(0, text.size(), text) != 0 || l.size() == text.size() || l[text.size()] != L' ') continue;
    const size_t at = l.find_first_not_of(L' ', text.size());
    return at == std::wstring::npos ? L"" : l.substr(at);
  }
  return L"";
}

// F holds the fixed capture. Chosen from the command grid's menu for the
// version command, the program asks first and No keeps F as it was. Yes
// replaces: Z leaves the picture copy and follows F1 on the version command.
// Dragged from the key grid onto the version command, F is replaced without
// a question.
TEST_F(CustomEdgesTest, ReplacingAKeyAsksOnlyFromTheCommandMenu) {
  Start();
  ShortCutPage page = OpenShortCutPage();
  ASSERT_TRUE(page.keys && page.commands) << "the shortcut page did not open with its two grids";

  SelectRow(page.commands, CommandRow("Action_Help"));
  ChooseFromCommandMenu(1, KeyRow("F") - 11);  // the letter keys: Space, A, B, ...
  EXPECT_EQ(AnswerQuestion(kNo), L"[F] には " + Command("Action_Capture_Fixed") + L" がセットされています\r\n置き換えますか");
  std::vector<std::wstring> lines = VersionLines();
  EXPECT_EQ(KeyLine(lines, L"F"), Command("Action_Capture_Fixed"));
  EXPECT_EQ(KeysOf(lines, "Action_Help"), L"[F1]");

  // Yes from the menu: Z to the version command.
  page = OpenShortCutPage();
  SelectRow(page.commands, CommandRow("Action_Help"));
  ChooseFromCommandMenu(1, KeyRow("Z") - 11);
  EXPECT_EQ(AnswerQuestion(kYes), L"[Z] には " + Command("Action_Copy_Picture") + L" がセットされています\r\n置き換えますか");
  lines = VersionLines();
  EXPECT_EQ(KeysOf(lines, "Action_Help"), L"[F1] [Z]");
  EXPECT_EQ(KeysOf(lines, "Action_Copy_Picture"), L"");
  EXPECT_EQ(KeyLine(lines, L"Z"), Command("Action_Help"));

  // The drag: F's row of the key grid onto the version command's row.
  page = OpenShortCutPage();
  SelectRow(page.commands, CommandRow("Action_Help"));
  const int helpY = SelectedRowY(page.commands);
  Ask(page.commands, WM_KEYDOWN, VK_UP);  // the drop itself must pick the row
  Pump(200);
  SelectRow(page.keys, KeyRow("F"));
  const int fY = SelectedRowY(page.keys);
  ASSERT_GT(helpY, 0);
  ASSERT_GT(fY, 0);
  RECT keys{}, commands{};
  GetWindowRect(page.keys, &keys);
  GetWindowRect(page.commands, &commands);
  LeftDrag({(keys.left + keys.right) / 2, fY}, {(commands.left + commands.right) / 2, helpY});
  Pump(300);
  EXPECT_EQ(TopWindow(app_->pid(), L"#32770"), nullptr) << "the drop asked a question";
  CloseLeftovers(app_->pid());
  lines = VersionLines();
  EXPECT_EQ(KeyLine(lines, L"F"), Command("Action_Help"));
  EXPECT_EQ(KeysOf(lines, "Action_Help"), L"[F1] [Z] [F]");
  EXPECT_EQ(KeysOf(lines, "Action_Capture_Fixed"), L"");

  const std::map<uint16_t, uint16_t> stored = KeyMap(Restart().keyBindings);
  for (const char* key : {"F", "F1", "Z"}) {
    SCOPED_TRACE(key);
    ASSERT_TRUE(stored.count(Code(key)));
    EXPECT_EQ(stored.at(Code(key)), Id("Action_Help"));
  }
  for (const auto& [key, command] : stored) {
    EXPECT_NE(command, Id("Action_Copy_Picture")) << "key " << key;
    EXPECT_NE(command, Id("Action_Capture_Fixed")) << "key " << key;
  }
}

// The pause command has Esc and the right gesture. Deleting the command's
// keys on the command grid clears both, and its Delete button goes grey.
TEST_F(CustomEdgesTest, DeletingACommandsKeysClearsItsGestureToo) {
  Start();
  ASSERT_EQ(KeysOf(VersionLines(), "Action_Capture_Pause"), L"[Esc] [ｼﾞｪｽﾁｬ →]");
  ShortCutPage page = OpenShortCutPage();
  ASSERT_TRUE(page.commands);
  ASSERT_EQ(page.deletes.size(), 2u);
  SelectRow(page.commands, CommandRow("Action_Capture_Pause"));
  ASSERT_TRUE(IsWindowEnabled(page.deletes[1]));
  Ask(page.deletes[1], BM_CLICK);
  Pump(300);
  EXPECT_FALSE(IsWindowEnabled(page.deletes[1]));
  const std::vector<std::wstring> lines = VersionLines();
  EXPECT_EQ(KeysOf(lines, "Action_Capture_Pause"), L"");
  EXPECT_EQ(KeyLine(lines, L"Esc"), L"");
  EXPECT_EQ(KeyLine(lines, L"ｼﾞｪｽﾁｬ →"), L"");
  EXPECT_EQ(KeyLine(lines, L"ｼﾞｪｽﾁｬ ↑"), Command("Action_Opt_StayOnTop"));  // other gestures stay

  const zorvik::SettingsData stored = Restart();
  EXPECT_EQ(stored.gestures[zorvik::kGestureRight], 0);
  EXPECT_EQ(stored.gestures[zorvik::kGestureUp], Id("Action_Opt_StayOnTop"));
  for (const auto& [key, command] : KeyMap(stored.keyBindings)) EXPECT_NE(command, Id("Action_Capture_Pause")) << "key " << key;
}

// Keys deleted and set are all back as they were after the key reset, and
// the gestures (not part of it) keep their change.
TEST_F(CustomEdgesTest, KeyResetRestoresExactlyTheDefaultBindings) {
  Start();
  const std::vector<std::wstring> untouched = VersionLines();
  ShortCutPage page = OpenShortCutPage();
  ASSERT_TRUE(page.keys && page.commands);
  ASSERT_EQ(page.deletes.size(), 2u);
  ASSERT_EQ(page.resets.size(), 2u);
  SelectRow(page.commands, CommandRow("Action_Capture_Pause"));  // Esc and a gesture
  Ask(page.deletes[1], BM_CLICK);
  SelectRow(page.keys, KeyRow("F1"));
  Ask(page.deletes[0], BM_CLICK);
  SelectRow(page.commands, CommandRow("Action_Grid_Disp"));
  SelectRow(page.keys, KeyRow("0"));
  Ask(Children(page.window, L"Button", L"セット").at(0), BM_CLICK);
  Pump(200);
  ASSERT_NE(VersionLines(), untouched);

  page = OpenShortCutPage();
  PostMessageW(page.resets[0], BM_CLICK, 0, 0);  // the question is modal: do not wait for the click
  EXPECT_EQ(AnswerQuestion(kYes), L"すべてのショートカットキーの設定をリセットします\r\nよろしいですか");
  std::vector<std::wstring> lines = VersionLines();
  EXPECT_EQ(KeyLine(lines, L"F1"), Command("Action_Help"));
  EXPECT_EQ(KeyLine(lines, L"Esc"), Command("Action_Capture_Pause"));
  EXPECT_EQ(KeyLine(lines, L"0"), L"");
  EXPECT_EQ(KeyLine(lines, L"ｼﾞｪｽﾁｬ →"), L"");
  EXPECT_EQ(KeysOf(lines, "Action_Capture_Pause"), L"[Esc]");

  const zorvik::SettingsData stored = Restart();
  EXPECT_EQ(KeyMap(stored.keyBindings), KeyMap(zorvik::DefaultStoredKeyBindings()));
  EXPECT_EQ(stored.gestures[zorvik::kGestureRight], 0);
}

// A stored RGB format with a width is refused once, with the message, and
// the item is back to its default, in the page and in the file. The hex
// choice then shows FF FF FF and is kept across a restart.
TEST_F(CustomEdgesTest, CopyPageRefusesAStoredWidthAndKeepsTheHexChoice) {
  const int rgbMenuId = zorvik::MenuIdOfCopySlot(1);
  ASSERT_GT(rgbMenuId, 0);
  {
    zorvik::SettingsData data;
    data.copyFormats.push_back({static_cast<uint16_t>(rgbMenuId), "%5d %d %d"});
    WriteAll(dir_ + L"zorvik.bin", zorvik::WriteSettings(data));
  }
  const unsigned customCopy = Id("Action_Custom_Copy");

  Start();
  app_->Post(WM_COMMAND, MAKEWPARAM(customCopy, 0), 0);  // the page's load shows a message: do not wait
  EXPECT_EQ(AnswerQuestion(L"OK"), L"コピー/カラー情報/RGB\r\n/コピー形式文字列にエラーがあります\r\n初期値に戻します");
  HWND custom = Custom();
  ASSERT_TRUE(custom);
  EXPECT_EQ(TextOf(CopyPageControl(custom, "lblCopy_ColorRGBDisp")), L"255 255 255");
  Pump(500);
  EXPECT_EQ(TopWindow(app_->pid(), L"#32770"), nullptr) << "the message came more than once";
  zorvik::SettingsData stored = Stop();
  for (const auto& f : stored.copyFormats) EXPECT_NE(f.menuId, rgbMenuId) << "kept: " << f.text;

  Start();
  app_->Post(WM_COMMAND, MAKEWPARAM(customCopy, 0), 0);
  custom = Custom();
  ASSERT_TRUE(custom);
  EXPECT_EQ(TopWindow(app_->pid(), L"#32770"), nullptr) << "the default was refused";
  HWND hex = CopyPageControl(custom, "chkCopy_ColorRGBHex");
  ASSERT_TRUE(hex);
  Ask(hex, BM_CLICK);
  Pump(200);
  EXPECT_EQ(TextOf(CopyPageControl(custom, "lblCopy_ColorRGBDisp")), L"FF FF FF");
  stored = Stop();
  ASSERT_EQ(stored.copyFormats.size(), 1u);
  EXPECT_EQ(stored.copyFormats[0].menuId, rgbMenuId);
  EXPECT_EQ(stored.copyFormats[0].text, "%x %x %x");

  Start();
  app_->Post(WM_COMMAND, MAKEWPARAM(customCopy, 0), 0);
  custom = Custom();
  ASSERT_TRUE(custom);
  EXPECT_EQ(Ask(CopyPageControl(custom, "chkCopy_ColorRGBHex"), BM_GETCHECK), BST_CHECKED);
  EXPECT_EQ(TextOf(CopyPageControl(custom, "lblCopy_ColorRGBDisp")), L"FF FF FF");
}

}  // namespace
