// End-to-end: the settings page of the real program, driven through its
// controls' own messages from outside: a colour line switched off from the
// list, the fixed-point spin edits waiting for pause or fixed mode, an API
// entry hidden across a restart, and Reset answered No and Yes.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "driver.h"
#include "program_test.h"
#include "settings/my_settingfile.h"

using namespace e2e;

namespace {


// Tree nodes in display order.
enum Node { kZoomNode = 0, kGridNode, kInfoNode, kColourNode, kPosNode, kWinInfoNode, kCaptureNode, kOptNode, kApiNode };

class SettingPageE2eTest : public ProgramTest {
protected:
  void SetUp() override {
    SetCursorPos(400, 300);
    ProgramTest::SetUp();
    Start();
  }
  void Start() { StartProgram(); }
  // Opens the settings page; the customisation window.
  HWND OpenSettings() {
    app_->Command("Action_Custom_Setting");
    for (int i = 0; i < 50 && !TopWindow(app_->pid(), L"TApp_ZorvikCustom"); ++i) Pump(50);
    custom_ = TopWindow(app_->pid(), L"TApp_ZorvikCustom");
    return custom_;
  }
  void SelectNode(int index) {
    HWND tree = Children(custom_, WC_TREEVIEWW).at(0);
    auto item = static_cast<LPARAM>(Ask(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    for (int i = 0; i < index && item; ++i) item = static_cast<LPARAM>(Ask(tree, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, item));
    ASSERT_NE(item, 0);
    Ask(tree, TVM_SELECTITEM, TVGN_CARET, item);
    Pump(100);
  }
  // The one list of the panel in front.
  HWND PanelList() {
    const std::vector<HWND> lists = Children(custom_, L"LISTBOX");
    return lists.size() == 1 ? lists[0] : nullptr;
  }
  // Space on a row of a check list, as the user toggles it.
  void ToggleRow(HWND list, int row) {
    Ask(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    PostMessageW(list, WM_KEYDOWN, VK_SPACE, 0);
    PostMessageW(list, WM_KEYUP, VK_SPACE, 0xC0000001);
    Pump(300);
  }
  HWND Button(const wchar_t* caption) {
    for (HWND b : Children(custom_, L"BUTTON"))
      if (TextOf(b) == caption) return b;
    return nullptr;
  }
  // Presses Reset and answers the question; false when none was asked.
  bool ResetAnswering(int answer) {
    HWND reset = Button(L"リセット");
    if (!reset) return false;
    PostMessageW(reset, BM_CLICK, 0, 0);
    HWND dialog = WaitForTopWindow(app_->pid(), L"#32770", 3000);
    if (!dialog) return false;
    question_ = L"";
    for (HWND s : Children(dialog, L"STATIC")) question_ += TextOf(s);
    PostMessageW(dialog, WM_COMMAND, static_cast<WPARAM>(answer), 0);
    Pump(600);
    return true;
  }
  zorvik::SettingsData CloseAndRead() {
    EXPECT_EQ(app_->Close(), 0);
    return StoredSettings();
  }

  HWND custom_ = nullptr;
  std::wstring question_;
};

// The check mark of a popup-menu item, found by its caption in the main
// popup menu or its submenus; -1 when the item or the menu cannot be read.
int MenuCheck(HMENU menu, const std::wstring& caption) {
  const int n = GetMenuItemCount(menu);
  for (int i = 0; i < n; ++i) {
    wchar_t text[128] = L"";
    GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
    if (caption == text) return (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_CHECKED) ? 1 : 0;
    if (HMENU sub = GetSubMenu(menu, i))
      if (const int c = MenuCheck(sub, caption); c >= 0) return c;
  }
  return -1;
}

TEST_F(SettingPageE2eTest, UncheckingRgbRemovesItsLineAtOnceAndUnchecksItsMenuItem) {
  ASSERT_TRUE(OpenSettings());
  SelectNode(kColourNode);
  HWND list = PanelList();
  ASSERT_TRUE(list);
  ASSERT_EQ(ListRows(list).at(0), L"RGB");
  const int before = app_->ClientSize().cy;
  ToggleRow(list, 0);
  const int after = app_->ClientSize().cy;
  EXPECT_LT(after, before);  // one information line fewer
  // The popup menu shows RGB unchecked.
  SetForegroundWindow(app_->hwnd());
  Pump(150);
  Tap(VK_APPS);
  Pump(300);
  HWND popup = VisiblePopupMenu();
  ASSERT_TRUE(popup);
  const auto menu = reinterpret_cast<HMENU>(Ask(popup, MN_GETHMENU, 0, 0));
  const int check = MenuCheck(menu, L"RGB(&R)");
  for (int i = 0; i < 4 && VisiblePopupMenu(); ++i) Tap(VK_ESCAPE);
  // Wine does not let one process read another's menus; Windows does.
  if (check >= 0) {
    EXPECT_EQ(check, 0);
  }
  // Back on: the line returns.
  ToggleRow(list, 0);
  EXPECT_EQ(app_->ClientSize().cy, before);
}

TEST_F(SettingPageE2eTest, FixedPointSpinEditsWaitForPauseOrFixedMode) {
  ASSERT_TRUE(OpenSettings());
  SelectNode(kCaptureNode);
  const std::vector<HWND> edits = Children(custom_, L"EDIT");
  ASSERT_EQ(edits.size(), 2u);
  auto enabled = [&] { return IsWindowEnabled(edits[0]) && IsWindowEnabled(edits[1]); };
  EXPECT_FALSE(enabled());
  HWND fixed = Button(L"定点キャプチャ");
  ASSERT_TRUE(fixed);
  Ask(fixed, BM_CLICK, 0, 0);
  Pump(200);
  EXPECT_TRUE(enabled());
  Ask(fixed, BM_CLICK, 0, 0);
  Pump(200);
  EXPECT_FALSE(enabled());
  app_->Command("Action_Capture_Pause");
  Pump(400);
  EXPECT_TRUE(enabled());
  app_->Command("Action_Capture_Pause");
  Pump(400);
  EXPECT_FALSE(enabled());
}

TEST_F(SettingPageE2eTest, AnApiEntryUncheckedStaysHiddenAfterARestart) {
  ASSERT_TRUE(OpenSettings());
  SelectNode(kApiNode);
  HWND list = PanelList();
  ASSERT_TRUE(list);
  const std::vector<std::wstring> rows = ListRows(list);
  ASSERT_GT(rows.size(), 10u);
  const std::wstring hidden = rows[2];
  // The API test window is made (not shown) and offers every entry.
  HWND api = TopWindow(app_->pid(), L"TApp_ZorvikAPITest", false);
  ASSERT_TRUE(api);
  EXPECT_FALSE(IsWindowVisible(api));
  HWND combo = Children(api, WC_COMBOBOXW, nullptr, false).at(0);
  ASSERT_EQ(ComboItems(combo).size(), rows.size());
  ToggleRow(list, 2);
  std::vector<std::wstring> offered = ComboItems(combo);
  EXPECT_EQ(offered.size(), rows.size() - 1);
  EXPECT_EQ(std::find(offered.begin(), offered.end(), hidden), offered.end());
  // The settings file keeps it in the API list, and the next start leaves it out.
  const zorvik::SettingsData saved = CloseAndRead();
  const std::string name(hidden.begin(), hidden.end());  // catalogue names are ASCII
  EXPECT_EQ(saved.apiList, name + "\r\n");
  Start();
  ASSERT_TRUE(OpenSettings());
  SelectNode(kApiNode);
  api = TopWindow(app_->pid(), L"TApp_ZorvikAPITest", false);
  ASSERT_TRUE(api);
  offered = ComboItems(Children(api, WC_COMBOBOXW, nullptr, false).at(0));
  EXPECT_EQ(offered.size(), rows.size() - 1);
  EXPECT_EQ(std::find(offered.begin(), offered.end(), hidden), offered.end());
}

TEST_F(SettingPageE2eTest, ResetAnsweredNoKeepsEverythingAndYesRestoresTheDesignValues) {
  // What an untouched start writes.
  const zorvik::SettingsData design = CloseAndRead();
  Start();
  app_->Command("Action_Zoom_16");
  app_->Command("Action_Grid_Disp");
  app_->Command("Action_Color_RGB");
  Pump(200);
  ASSERT_TRUE(OpenSettings());
  ASSERT_TRUE(ResetAnswering(IDNO));
  // The dialog shows the "\r" as a line break.
  EXPECT_EQ(question_, L"一覧設定の設定値をリセットします\r\nよろしいですか");
  zorvik::SettingsData s = CloseAndRead();
  EXPECT_EQ(s.zoomIndex, 8);
  EXPECT_NE(s.gridFlags, design.gridFlags);
  EXPECT_NE(s.colorLines, design.colorLines);

  Start();
  ASSERT_TRUE(OpenSettings());
  ASSERT_TRUE(ResetAnswering(IDYES));
  s = CloseAndRead();
  EXPECT_EQ(s.zoomIndex, design.zoomIndex);
  EXPECT_EQ(s.gridFlags, design.gridFlags);
  EXPECT_EQ(s.gridColorItem, design.gridColorItem);
  EXPECT_EQ(s.colorLines, design.colorLines);
  EXPECT_EQ(s.posLines, design.posLines);
  EXPECT_EQ(s.winInfoLines, design.winInfoLines);
  EXPECT_EQ(s.options, design.options);
  EXPECT_EQ(s.captureMode, design.captureMode);
}

}  // namespace
