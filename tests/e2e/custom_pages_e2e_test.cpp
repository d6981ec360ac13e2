// End-to-end: the menu and toolbar pages of the customisation window in the
// real program, driven through their controls' own messages, and what the
// settings file keeps of them across a restart.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "driver.h"
#include "program_test.h"
#include "commands/command_table.h"
#include "settings/my_settingfile.h"

using namespace e2e;

namespace {

// Control identifiers of the pages: their rows' places in the page tables.
constexpr int kMenuTree = 1001, kMenuList = 1002;
constexpr int kCommandList = 1002, kNowSettingList = 1008, kToolBarReset = 1012;

struct FindPage {
  int id;
  const wchar_t* cls;
  HWND found = nullptr;
};

BOOL CALLBACK PageWith(HWND h, LPARAM lp) {
  auto* f = reinterpret_cast<FindPage*>(lp);
  wchar_t cls[64] = L"";
  GetClassNameW(h, cls, 64);
  if (wcscmp(cls, L"ZorvikKitPage") != 0 || !IsWindowVisible(h)) return TRUE;
  HWND control = GetDlgItem(h, f->id);
  wchar_t controlClass[64] = L"";
  if (control) GetClassNameW(control, controlClass, 64);
  if (control && _wcsicmp(controlClass, f->cls) == 0) {
    f->found = h;
    return FALSE;
  }
  return TRUE;
}

// The shown page of the customisation window that has a control of that class at `id`.
HWND ShownPage(int id, const wchar_t* cls) {
  for (int tries = 0; tries < 50; ++tries) {
    if (HWND custom = FindWindowW(L"TApp_ZorvikCustom", nullptr)) {
      FindPage f{id, cls};
      EnumChildWindows(custom, PageWith, reinterpret_cast<LPARAM>(&f));
      if (f.found) return f.found;
    }
    Pump(100);
  }
  return nullptr;
}

BOOL CALLBACK FindToolBar(HWND h, LPARAM found) {
  wchar_t cls[64];
  if (GetClassNameW(h, cls, 64) && wcscmp(cls, TOOLBARCLASSNAMEW) == 0) {
    *reinterpret_cast<HWND*>(found) = h;
    return FALSE;
  }
  return TRUE;
}

// Toggles a check-list row as Space does.
void ToggleRow(HWND list, int row) {
  Ask(list, LB_SETCURSEL, static_cast<WPARAM>(row));
  Ask(list, WM_KEYDOWN, VK_SPACE, 0);
  Pump(50);
}

class CustomPagesTest : public ProgramTest {
protected:
  void SetUp() override {
    ProgramTest::SetUp();
    Start();
  }
  void Start() { StartProgram(); }
  // Ends the program (which writes its settings) and reads the file.
  zorvik::SettingsData Stop() {
    app_.reset();
    return StoredSettings();
  }
  HWND OpenMenuPage() {
    app_->Command("Action_Custom_Menu");
    return ShownPage(kMenuTree, WC_TREEVIEWW);
  }
  HWND OpenToolBarPage() {
    app_->Command("Action_Custom_ToolBar");
    return ShownPage(kNowSettingList, L"ListBox");
  }
  // Selects the tree node `index` (0: the root, then the sections in menu order).
  static void SelectNode(HWND page, int index) {
    HWND tree = GetDlgItem(page, kMenuTree);
    HTREEITEM item = reinterpret_cast<HTREEITEM>(Ask(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    if (index > 0) item = reinterpret_cast<HTREEITEM>(Ask(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
    for (int i = 1; i < index && item; ++i)
      item = reinterpret_cast<HTREEITEM>(Ask(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
    ASSERT_TRUE(item);
    Ask(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    Pump(100);
  }
  int ToolBarButtons() const {
    HWND bar = nullptr;
    EnumChildWindows(app_->hwnd(), FindToolBar, reinterpret_cast<LPARAM>(&bar));
    return bar ? static_cast<int>(Ask(bar, TB_BUTTONCOUNT)) : -1;
  }
};

bool Has(const std::vector<uint16_t>& ids, uint16_t id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }

// The hidden-item list as the file stores it (the reader drops the zeros).
std::vector<uint16_t> StoredHiddenItems(const std::vector<uint8_t>& b) {
  constexpr size_t kAt = 343;  // the count, then one 16-bit id each
  std::vector<uint16_t> ids;
  if (b.size() < kAt + 2) return ids;
  const size_t n = static_cast<size_t>(b[kAt] | (b[kAt + 1] << 8));
  for (size_t i = 0; i < n && kAt + 3 + 2 * i < b.size(); ++i)
    ids.push_back(static_cast<uint16_t>(b[kAt + 2 + 2 * i] | (b[kAt + 3 + 2 * i] << 8)));
  return ids;
}

// The picture copy item has an identifier and stays hidden; the "Enabled"
// window line has none, is written as 0 and shows again after a restart.
TEST_F(CustomPagesTest, AHiddenMenuItemIsKeptOnlyWhenItHasAnIdentifier) {
  HWND page = OpenMenuPage();
  ASSERT_TRUE(page) << "no menu page";
  SelectNode(page, 6);  // コピー
  ToggleRow(GetDlgItem(page, kMenuList), 0);  // MenuItem_Copy_Picture
  SelectNode(page, 5);  // ウィンドウ情報
  ToggleRow(GetDlgItem(page, kMenuList), 8);  // MenuItem_WinInfo_Enabled
  Stop();
  const std::vector<uint16_t> first = StoredHiddenItems(ReadAll(dir_ + L"zorvik.bin"));
  EXPECT_TRUE(Has(first, zorvik::CommandIdOf("Action_Copy_Picture")));
  EXPECT_TRUE(Has(first, 0));

  Start();
  Stop();
  const std::vector<uint16_t> second = StoredHiddenItems(ReadAll(dir_ + L"zorvik.bin"));
  EXPECT_TRUE(Has(second, zorvik::CommandIdOf("Action_Copy_Picture")));
  EXPECT_FALSE(Has(second, 0));
  EXPECT_EQ(second.size() + 1, first.size());
}

TEST_F(CustomPagesTest, ToolBarResetLeavesExactlyTheFiveDefaults) {
  HWND page = OpenToolBarPage();
  ASSERT_TRUE(page) << "no toolbar page";
  HWND now = GetDlgItem(page, kNowSettingList);
  HWND commands = GetDlgItem(page, kCommandList);
  ToggleRow(now, 0);       // the grid button off
  ToggleRow(commands, 10);  // zoom up on
  ToggleRow(commands, 11);  // zoom down on
  EXPECT_EQ(ToolBarButtons(), 6);
  PostMessageW(GetDlgItem(page, kToolBarReset), BM_CLICK, 0, 0);
  ASSERT_TRUE(Answer(app_->pid(), L"はい(&Y)"));
  EXPECT_EQ(ToolBarButtons(), 5);
  std::vector<uint16_t> defaults;
  for (const char* name : {"Action_Grid_Disp", "Action_Menu_Color", "Action_Menu_Pos", "Action_Menu_WinInfo", "Action_Menu_Setting"})
    defaults.push_back(zorvik::CommandIdOf(name));
  EXPECT_EQ(Stop().toolBar, defaults);
}

TEST_F(CustomPagesTest, AnEmptiedToolBarStaysEmptyAfterARestart) {
  HWND page = OpenToolBarPage();
  ASSERT_TRUE(page) << "no toolbar page";
  for (int i = 0; i < 5; ++i) ToggleRow(GetDlgItem(page, kNowSettingList), 0);
  EXPECT_EQ(ToolBarButtons(), 0);
  EXPECT_TRUE(Stop().toolBar.empty());
  Start();
  EXPECT_EQ(ToolBarButtons(), 0);
  EXPECT_TRUE(Stop().toolBar.empty());
}

}  // namespace
