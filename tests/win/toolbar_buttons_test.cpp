// Toolbar buttons: names stay "ToolButton_<command>_<n>" with the smallest
// free n as buttons come and go, and an inserted button shows its command's
// state at once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/action_setup.h"
#include "commands/toolbar.h"
#include "win_support.h"

namespace zorvik {
namespace {

UINT CommandOf(const kit::Action& a) { return a.id ? a.id : 40000; }

class ToolBarButtonsTest : public ::testing::Test {
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
  std::vector<std::string> Names() const {
    std::vector<std::string> out;
    for (int i = 0; i < bar_.Count(); ++i) out.push_back(bar_.At(i).name);
    return out;
  }
  BYTE State(int i) const {
    TBBUTTONINFOW info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_BYINDEX | TBIF_STATE;
    SendMessageW(tb_, TB_GETBUTTONINFOW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&info));
    return info.fsState;
  }
  kit::ActionList actions_;
  MainToolBar bar_{actions_, CommandOf};
  HWND parent_ = nullptr, tb_ = nullptr;
};

TEST_F(ToolBarButtonsTest, NamesTakeTheSmallestFreeNumberAsButtonsComeAndGo) {
  const char* grid = "Action_Grid_Disp";
  const char* zoom = "Action_Zoom_Up";
  struct Step {
    const char* what;
    int insertAt;        // -1: none
    const char* action;  // inserted
    int removeAt;        // -1: none
    std::vector<std::string> names;
  };
  const Step steps[] = {
      {"first", 0, grid, -1, {"ToolButton_Grid_Disp_0"}},
      {"second of a command", 1, grid, -1, {"ToolButton_Grid_Disp_0", "ToolButton_Grid_Disp_1"}},
      {"another command counts on its own", 2, zoom, -1,
       {"ToolButton_Grid_Disp_0", "ToolButton_Grid_Disp_1", "ToolButton_Zoom_Up_0"}},
      {"third", 3, grid, -1,
       {"ToolButton_Grid_Disp_0", "ToolButton_Grid_Disp_1", "ToolButton_Zoom_Up_0", "ToolButton_Grid_Disp_2"}},
      {"a number in the middle is freed", -1, nullptr, 1,
       {"ToolButton_Grid_Disp_0", "ToolButton_Zoom_Up_0", "ToolButton_Grid_Disp_2"}},
      {"and taken again", 0, grid, -1,
       {"ToolButton_Grid_Disp_1", "ToolButton_Grid_Disp_0", "ToolButton_Zoom_Up_0", "ToolButton_Grid_Disp_2"}},
      {"next after the highest", 4, grid, -1,
       {"ToolButton_Grid_Disp_1", "ToolButton_Grid_Disp_0", "ToolButton_Zoom_Up_0", "ToolButton_Grid_Disp_2",
        "ToolButton_Grid_Disp_3"}},
      {"the highest freed", -1, nullptr, 4,
       {"ToolButton_Grid_Disp_1", "ToolButton_Grid_Disp_0", "ToolButton_Zoom_Up_0", "ToolButton_Grid_Disp_2"}},
      {"and the one below it", -1, nullptr, 3,
       {"ToolButton_Grid_Disp_1", "ToolButton_Grid_Disp_0", "ToolButton_Zoom_Up_0"}},
      {"numbering goes on from there", 3, grid, -1,
       {"ToolButton_Grid_Disp_1", "ToolButton_Grid_Disp_0", "ToolButton_Zoom_Up_0", "ToolButton_Grid_Disp_2"}},
      {"the first freed", -1, nullptr, 1,
       {"ToolButton_Grid_Disp_1", "ToolButton_Zoom_Up_0", "ToolButton_Grid_Disp_2"}},
      {"the lowest free number wins", 3, grid, -1,
       {"ToolButton_Grid_Disp_1", "ToolButton_Zoom_Up_0", "ToolButton_Grid_Disp_2", "ToolButton_Grid_Disp_0"}},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.what);
    if (s.insertAt >= 0) {
      ASSERT_TRUE(bar_.InsertToolButton(s.insertAt, actions_.Find(s.action)));
    }
    if (s.removeAt >= 0) {
      ASSERT_TRUE(bar_.RemoveToolButton(s.removeAt));
    }
    EXPECT_EQ(Names(), s.names);
  }
  bar_.RemoveAllToolButtons();
  ASSERT_TRUE(bar_.AppendToolButton(actions_.Find(grid)));
  ASSERT_TRUE(bar_.AppendToolButton(actions_.Find(zoom)));
  EXPECT_EQ(Names(), (std::vector<std::string>{"ToolButton_Grid_Disp_0", "ToolButton_Zoom_Up_0"}));
}

// The look of a button comes with its insertion, wherever it lands.
TEST_F(ToolBarButtonsTest, AnInsertedButtonShowsItsCommandState) {
  kit::Action* smooth = actions_.Find("Action_Capture_SmoothCapture");  // a toggle, a check button
  kit::Action* zoomUp = actions_.Find("Action_Zoom_Up");
  ASSERT_TRUE(smooth && zoomUp);
  smooth->SetChecked(true);
  zoomUp->SetEnabled(false);
  ASSERT_TRUE(bar_.AppendToolButton(actions_.Find("Action_Grid_Disp")));  // checked at start
  ASSERT_TRUE(bar_.InsertToolButton(0, smooth));
  ASSERT_TRUE(bar_.InsertToolButton(1, zoomUp));
  EXPECT_TRUE(State(0) & TBSTATE_CHECKED);
  EXPECT_TRUE(State(0) & TBSTATE_ENABLED);
  EXPECT_FALSE(State(1) & TBSTATE_ENABLED);
  EXPECT_FALSE(State(1) & TBSTATE_CHECKED);
  EXPECT_TRUE(State(2) & TBSTATE_CHECKED);
}

}  // namespace
}  // namespace zorvik
