// Menus and toolbar built from the tables, on real Win32 menus and controls.
#include <gtest/gtest.h>

#include <algorithm>

#include "commands/action_setup.h"
#include "commands/main_menus.h"
#include "commands/toolbar.h"
#include "win_support.h"

namespace zorvik {
namespace {

UINT CommandOf(const kit::Action& a) { return a.id ? a.id : 40000; }

class MenusTest : public ::testing::Test {
protected:
  void SetUp() override {
    PopulateActions(actions_);
    menus_.Build();
    menus_.SnapshotMenuDefaults();
  }
  static bool Has(const std::vector<uint16_t>& v, uint16_t id) { return std::find(v.begin(), v.end(), id) != v.end(); }
  kit::ActionList actions_;
  MainMenus menus_{actions_};
};

TEST_F(MenusTest, DefaultHiddenItemsAreCollectedByIdentifier) {
  const auto hidden = menus_.CollectHiddenMenuItems();
  EXPECT_TRUE(Has(hidden, 14000));  // the whole text-rewrite section
  EXPECT_TRUE(Has(hidden, 2004));   // black grid
  EXPECT_TRUE(Has(hidden, 2012));   // red sub-grid
  EXPECT_FALSE(Has(hidden, 2003));  // grey grid is shown
  EXPECT_FALSE(Has(hidden, 6001));
}

TEST_F(MenusTest, ApplyShowsEverythingThenHidesTheListedOnes) {
  menus_.ApplyHiddenMenuItems({6001, 0, 65000, 2010});
  const auto hidden = menus_.CollectHiddenMenuItems();
  EXPECT_EQ(hidden, (std::vector<uint16_t>{2010, 6001}));  // depth first, menu order
  EXPECT_TRUE(menus_.Main().Find("MenuItem_Write")->visible);
  menus_.ResetToDefaults();
  EXPECT_TRUE(Has(menus_.CollectHiddenMenuItems(), 14000));
  EXPECT_FALSE(Has(menus_.CollectHiddenMenuItems(), 6001));
}

TEST_F(MenusTest, AnItemWithoutIdentifierIsCollectedAsZero) {
  menus_.Main().Find("MenuItem_WinInfo_Enabled")->visible = false;
  EXPECT_TRUE(Has(menus_.CollectHiddenMenuItems(), 0));
}

TEST_F(MenusTest, BuiltMenuFollowsActionsAndVisibility) {
  HMENU m = menus_.Main().Build(CommandOf);
  ASSERT_NE(m, nullptr);
  // Zoom, grid, separator, colour, position, window, separator, copy, capture,
  // options, separator, help, separator, exit (write section and minimise hidden).
  EXPECT_EQ(GetMenuItemCount(m), 14);
  HMENU grid = GetSubMenu(m, 1);
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(GetMenuDefaultItem(grid, TRUE, 0), 0u);  // "グリッド表示" drawn bold
  EXPECT_TRUE(GetMenuState(grid, 0, MF_BYPOSITION) & MF_CHECKED);
  wchar_t text[64];
  GetMenuStringW(grid, 0, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"グリッド表示(&D)");
  DestroyMenu(m);
  actions_.Find("Action_Grid_Disp")->SetChecked(false);
  m = menus_.Main().Build(CommandOf);
  EXPECT_FALSE(GetMenuState(GetSubMenu(m, 1), 0, MF_BYPOSITION) & MF_CHECKED);
  DestroyMenu(m);
}

TEST_F(MenusTest, SectionCopiesKeepTheirVisibilityAndCommands) {
  menus_.CloneSections();
  kit::PopupMenu* zoom = menus_.ByName("PopupMenu_Zoom");
  ASSERT_NE(zoom, nullptr);
  ASSERT_EQ(zoom->Root().children.size(), 10u);
  EXPECT_EQ(zoom->Root().children[0]->name, "MenuItem_Zoom_1_Tool_0");
  EXPECT_EQ(zoom->Root().children[4]->action->name, "Action_Zoom_6");
  kit::PopupMenu* grid = menus_.ByName("PopupMenu_Grid");
  kit::MenuNode* black = nullptr;
  for (auto& c : grid->Root().children)
    if (c->action && c->action->name == "Action_Grid_Black") black = c.get();
  ASSERT_NE(black, nullptr);
  EXPECT_FALSE(black->visible);
  menus_.Main().Find("MenuItem_Grid_Black")->visible = true;  // the page changes the main menu later
  EXPECT_FALSE(black->visible);
}

class ToolBarTest : public ::testing::Test {
protected:
  void SetUp() override {
    PopulateActions(actions_);
    parent_ = wintest::MakeWindow(0, 0, 400, 60);
    tb_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_NORESIZE, 0, 0, 400, 30,
                          parent_, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tb_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    bar_.Attach(tb_);
  }
  void TearDown() override { DestroyWindow(parent_); }
  kit::ActionList actions_;
  MainToolBar bar_{actions_, CommandOf};
  HWND parent_ = nullptr, tb_ = nullptr;
};

TEST_F(ToolBarTest, LayoutAppliesAndCollectsByCommandIdentifier) {
  bar_.ApplyToolBarLayout({2010, 0, 9999, 10004, 2010});
  EXPECT_EQ(bar_.Count(), 3);
  EXPECT_EQ(SendMessageW(tb_, TB_BUTTONCOUNT, 0, 0), 3);
  EXPECT_EQ(bar_.CollectToolBarLayout(), (std::vector<uint16_t>{2010, 10004, 2010}));
  EXPECT_EQ(bar_.At(0).name, "ToolButton_Grid_Disp_0");
  EXPECT_EQ(bar_.At(2).name, "ToolButton_Grid_Disp_1");
  EXPECT_EQ(bar_.At(1).dropDownMenu, "PopupMenu_Color");
  bar_.ApplyToolBarLayout({});
  EXPECT_EQ(bar_.Count(), 0);
}

TEST_F(ToolBarTest, InsertClampsRemoveChecksAndIdlessCommandsCollectAsZero) {
  EXPECT_FALSE(bar_.InsertToolButton(0, nullptr));
  EXPECT_TRUE(bar_.InsertToolButton(99, actions_.Find("Action_Zoom_Up")));
  EXPECT_TRUE(bar_.InsertToolButton(0, actions_.Find("Action_WinInfo_Enabled")));
  EXPECT_EQ(bar_.CollectToolBarLayout(), (std::vector<uint16_t>{0, 1090}));
  EXPECT_FALSE(bar_.RemoveToolButton(2));
  EXPECT_TRUE(bar_.RemoveToolButton(0));
  EXPECT_EQ(bar_.Count(), 1);
}

TEST_F(ToolBarTest, CheckButtonsShowTheirCommandState) {
  bar_.ApplyToolBarLayout({8007, 2010, 1090});  // smooth capture (toggle), grid display, zoom up
  kit::Action* smooth = actions_.Find("Action_Capture_SmoothCapture");
  auto state = [&](int i) {
    TBBUTTONINFOW info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_BYINDEX | TBIF_STATE;
    SendMessageW(tb_, TB_GETBUTTONINFOW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&info));
    return info.fsState;
  };
  EXPECT_FALSE(state(0) & TBSTATE_CHECKED);
  EXPECT_TRUE(state(1) & TBSTATE_CHECKED);  // the grid is shown at start
  smooth->SetChecked(true);
  bar_.SyncStates();
  EXPECT_TRUE(state(0) & TBSTATE_CHECKED);
  actions_.Find("Action_Grid_Disp")->SetChecked(false);
  bar_.SyncStates();
  EXPECT_FALSE(state(1) & TBSTATE_CHECKED);
  EXPECT_FALSE(state(2) & TBSTATE_CHECKED);
}

TEST(CommandIcons, EveryIconLandsInTheImageList) {
  HIMAGELIST list = ImageList_Create(18, 18, ILC_COLOR32 | ILC_MASK, 0, 16);
  FillCommandIcons(list);
  EXPECT_GT(ImageList_GetImageCount(list), 200);
  ImageList_Destroy(list);
}

}  // namespace
}  // namespace zorvik
