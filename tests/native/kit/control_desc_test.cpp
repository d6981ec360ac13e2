#include "kit/control_desc.h"

#include <gtest/gtest.h>

namespace zorvik::kit {
namespace {

TEST(BoundActionName, TakesTheNameFromItsFirstUnderscore) {
  struct Case {
    const char* control;
    const char* action;
  } cases[] = {
      {"CheckBox_Capture_Pause", "Action_Capture_Pause"},
      {"RadioButton_Grid_Gray", "Action_Grid_Gray"},
      {"Button_Setting_Reset", "Action_Setting_Reset"},
      {"_Zoom", "Action_Zoom"},
      {"Button", ""},
      {"Button_", ""},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(BoundActionName(c.control), c.action) << c.control;
}

TEST(PlaceControls, GroupChildrenLiveInTheGroupsContainerAtItsOffset) {
  const ControlTableDesc table = {
      {ControlKind::Panel, "Panel_A", "", {100, 10, 300, 200}},
      {ControlKind::GroupBox, "GroupBox_G", "g", {8, 20, 200, 100}, "Panel_A"},
      {ControlKind::CheckBox, "CheckBox_X", "x", {10, 18, 150, 17}, "GroupBox_G"},
      {ControlKind::GroupBox, "GroupBox_Top", "t", {5, 5, 50, 50}},
      {ControlKind::RadioButton, "RadioButton_Y", "y", {4, 6, 40, 17}, "GroupBox_Top"},
      {ControlKind::Label, "Label_Z", "z", {1, 2, 3, 4}, "Panel_A"},
  };
  const std::vector<Placement> p = PlaceControls(table);
  ASSERT_EQ(p.size(), table.size());
  EXPECT_EQ(p[0].container, -1);
  EXPECT_EQ(p[1].container, 0);
  EXPECT_EQ(p[2].container, 0);  // the panel, not the group box
  EXPECT_EQ(p[2].rect.left, 18);
  EXPECT_EQ(p[2].rect.top, 38);
  EXPECT_EQ(p[2].rect.width, 150);
  EXPECT_EQ(p[4].container, -1);
  EXPECT_EQ(p[4].rect.left, 9);
  EXPECT_EQ(p[4].rect.top, 11);
  EXPECT_EQ(p[5].container, 0);
  EXPECT_EQ(p[5].rect.left, 1);
}

TEST(CheckTable, NamesEveryMistake) {
  const ControlTableDesc good = {
      {ControlKind::Panel, "Panel_A", "", {0, 0, 10, 10}},
      {ControlKind::SpinEdit, "SpinEdit_X", "", {0, 0, 10, 10}, "Panel_A", 0, "", "", -5, 5},
  };
  EXPECT_TRUE(CheckTable(good).empty());

  const ControlTableDesc bad = {
      {ControlKind::Label, "", "no name", {}},
      {ControlKind::Label, "Label_A", "", {}},
      {ControlKind::Label, "Label_A", "", {}},                   // repeated
      {ControlKind::Button, "Button_B", "", {}, "Panel_Later"},  // parent below it
      {ControlKind::Panel, "Panel_Later", "", {}},
      {ControlKind::Button, "Button_C", "", {}, "Label_A"},  // not a container
      {ControlKind::Button, "Button_D", "", {}, "Nowhere"},
      {ControlKind::TrackBar, "TrackBar_E", "", {}, "", 0, "", "", 9, 1},
  };
  const std::vector<std::string> problems = CheckTable(bad);
  ASSERT_EQ(problems.size(), 6u);
  EXPECT_NE(problems[0].find("no name"), std::string::npos);
  EXPECT_NE(problems[1].find("Label_A: name used twice"), std::string::npos);
  EXPECT_NE(problems[2].find("Button_B"), std::string::npos);
  EXPECT_NE(problems[3].find("Button_C"), std::string::npos);
  EXPECT_NE(problems[4].find("Button_D"), std::string::npos);
  EXPECT_NE(problems[5].find("TrackBar_E"), std::string::npos);
}

}  // namespace
}  // namespace zorvik::kit
