#include "commands/menu_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace zorvik {
namespace {

std::string Str(const char* s) { return s ? s : "(null)"; }

TEST(MenuTable, CountsAndUniqueness) {
  int withId = 0;
  std::set<uint16_t> ids;
  std::set<std::string> names;
  for (size_t i = 0; i < MenuItemCount(); ++i) {
    const MenuItemDef& m = MenuTable()[i];
    EXPECT_TRUE(names.insert(m.name).second) << "duplicate name " << m.name;
    if (m.id == 0) continue;
    ++withId;
    EXPECT_TRUE(ids.insert(m.id).second) << "duplicate id " << m.id;
  }
  EXPECT_EQ(withId, 219);
  EXPECT_EQ(MenuItemCount(), 219u + 35u);
}

TEST(MenuTable, EveryRowMapsBothWaysAndIsWellFormed) {
  for (size_t i = 0; i < MenuItemCount(); ++i) {
    const MenuItemDef* m = &MenuTable()[i];
    SCOPED_TRACE(m->name);
    EXPECT_EQ(MenuItemByName(m->name), m);
    EXPECT_EQ(MenuItemIdOf(m->name), m->id);
    EXPECT_EQ(MenuIndexOf(m), static_cast<int>(i));
    if (m->id != 0) {
      EXPECT_EQ(MenuItemById(m->id), m);
    }

    if (m->command) {
      EXPECT_NE(MenuItemCommand(*m), nullptr) << "unknown command " << m->command;
    }
    switch (m->kind) {
      case MenuKind::Separator:
        EXPECT_EQ(m->command, nullptr);
        EXPECT_STREQ(MenuItemCaption(*m), "-");
        break;
      case MenuKind::Command:
        EXPECT_NE(m->command, nullptr);
        break;
      case MenuKind::Submenu:
        ASSERT_LT(i + 1, MenuItemCount());
        EXPECT_EQ(MenuTable()[i + 1].depth, m->depth + 1) << "submenu without items";
        EXPECT_STRNE(MenuItemCaption(*m), "");
        break;
    }
    // Depth grows by at most one step, and only below a submenu.
    if (i == 0) {
      EXPECT_EQ(m->depth, 0);
    } else if (m->depth > MenuTable()[i - 1].depth) {
      EXPECT_EQ(m->depth, MenuTable()[i - 1].depth + 1);
      EXPECT_EQ(MenuTable()[i - 1].kind, MenuKind::Submenu);
    }
    // A radio item carries the exclusive group of its command.
    const CommandDef* c = MenuItemCommand(*m);
    EXPECT_EQ(m->group, c ? c->group : 0);
    EXPECT_EQ(m->radio, m->group > 0);
  }
}

TEST(MenuTable, LookupMisses) {
  for (uint16_t id : {0, 6030, 5015, 7007, 9005, 14401 + 2, 65535}) EXPECT_EQ(MenuItemById(id), nullptr) << id;
  EXPECT_EQ(MenuItemByName(""), nullptr);
  EXPECT_EQ(MenuItemByName("menuitem_zoom"), nullptr);
  EXPECT_EQ(MenuItemIdOf("MenuItem_Nothing"), 0);
  EXPECT_EQ(MenuItemIdOf(static_cast<const MenuItemDef*>(nullptr)), 0);
  EXPECT_EQ(MenuIndexOf(nullptr), -1);
}

TEST(MenuTable, IdentifiersAndCommandLinks) {
  struct Case {
    const char* item;
    uint16_t id;
    const char* command;  // nullptr = none
  };
  const Case cases[] = {
      {"MenuItem_Main_Line1", 1, nullptr},
      {"MenuItem_Zoom", 1000, "Action_Menu_Zoom"},
      {"MenuItem_Grid_Disp", 2001, "Action_Grid_Disp"},
      {"MenuItem_Color_ColorRef", 3003, "Action_Color_COLORREF"},
      {"MenuItem_Pos", 4000, nullptr},
      {"MenuItem_WinInfo_Enabled", 0, "Action_WinInfo_Enabled"},
      {"MenuItem_Copy_PosUser", 6016, "Action_Copy_PosLength"},
      {"MenuItem_Copy_ColorHSVHue", 6100, "Action_Copy_ColorHSVHue"},
      {"MenuItem_Capture_Fixed", 7004, "Action_Capture_Fixed"},
      {"MenuItem_Test_Flip", 7010, nullptr},
      {"Menuitem_Test_FlipNone", 7011, "Action_Test_FlipNone"},
      {"MenuItem_Customize", 8000, "Action_Menu_Setting"},
      {"MenuItem_Test", 8014, "Action_Menu_Test"},
      {"MenuItem_Test_DispAPITest", 0, "Action_Test_APITest"},
      {"MenuItem_Test_ROP", 0, nullptr},
      {"MenuItem_Capture_Brush_Solid", 0, "Action_Test_Brush_Solid"},
      {"MenuItem_Move_OptMoveBitmap", 0, "Action_Move_OptMoveBitmap"},
      {"MenuItem_Customize_Setting", 9000, "Action_Custom_Setting"},
      {"MenuItem_Write", 14000, "Action_Menu_Write"},
      {"MenuItem_Write_PosUserHeight", 14212, "Action_Write_PosLengthHeight"},
      {"MenuItem_File_Exit", 12002, "Action_File_Exit"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.item);
    const MenuItemDef* m = MenuItemByName(k.item);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->id, k.id);
    EXPECT_EQ(Str(m->command), Str(k.command));
  }
  // The two numberings differ: menu item 2001 runs command 2010.
  EXPECT_EQ(CommandIdOf(MenuItemCommand(*MenuItemById(2001))), 2010);
}

TEST(MenuTable, TopLevelOrder) {
  std::vector<std::string> top;
  for (size_t i = 0; i < MenuItemCount(); ++i)
    if (MenuTable()[i].depth == 0) top.push_back(MenuTable()[i].name);
  const std::vector<std::string> expected = {
      "MenuItem_Zoom",    "MenuItem_Grid",      "MenuItem_Main_Line1", "MenuItem_Color",
      "MenuItem_Pos",     "MenuItem_WinInfo",   "MenuItem_Main_Line2", "MenuItem_Copy",
      "MenuItem_Write",   "MenuItem_Capture",   "MenuItem_Customize",  "MenuItem_Main_Line3",
      "MenuItem_Help",    "MenuItem_File_Minimize", "MenuItem_Main_Line4", "MenuItem_File_Exit"};
  EXPECT_EQ(top, expected);
}

TEST(MenuTable, NestingOfTheTestSubmenu) {
  const int rop = MenuIndexOf(MenuItemByName("MenuItem_Test_Rop_SRCCOPY"));
  const int ropMenu = MenuParentIndex(rop);
  ASSERT_GE(ropMenu, 0);
  EXPECT_STREQ(MenuTable()[ropMenu].name, "MenuItem_Test_ROP");
  const int test = MenuParentIndex(ropMenu);
  EXPECT_STREQ(MenuTable()[test].name, "MenuItem_Test");
  const int customize = MenuParentIndex(test);
  EXPECT_STREQ(MenuTable()[customize].name, "MenuItem_Customize");
  EXPECT_EQ(MenuParentIndex(customize), -1);
  EXPECT_EQ(MenuParentIndex(-1), -1);
  EXPECT_EQ(MenuParentIndex(static_cast<int>(MenuItemCount())), -1);

  // Every item without identifier is in the test submenu or is the enabled line.
  for (size_t i = 0; i < MenuItemCount(); ++i) {
    const MenuItemDef& m = MenuTable()[i];
    if (m.id != 0 || std::string(m.name) == "MenuItem_WinInfo_Enabled") continue;
    bool underTest = false;
    for (int p = MenuParentIndex(static_cast<int>(i)); p >= 0; p = MenuParentIndex(p))
      underTest |= std::string(MenuTable()[p].name) == "MenuItem_Test";
    EXPECT_TRUE(underTest) << m.name;
  }
}

TEST(MenuTable, WriteSectionFollowsTheCopySectionOrder) {
  // Map every value item of the write section to its copy item; their
  // positions in the copy section must increase.
  const int write = MenuIndexOf(MenuItemByName("MenuItem_Write"));
  int values = 0, lastCopy = -1;
  for (int i = write + 1; i < static_cast<int>(MenuItemCount()) && MenuTable()[i].depth > 0; ++i) {
    const MenuItemDef& m = MenuTable()[i];
    std::string suffix = std::string(m.name).substr(std::string("MenuItem_Write_").size());
    if (m.kind != MenuKind::Command) continue;
    if (suffix == "ColorCOLORREF") suffix = "ColorColorRef";
    const MenuItemDef* copy = MenuItemByName("MenuItem_Copy_" + suffix);
    if (!copy) continue;  // the cache and clear commands
    ++values;
    EXPECT_GT(MenuIndexOf(copy), lastCopy) << m.name;
    lastCopy = MenuIndexOf(copy);
  }
  EXPECT_EQ(values, 18 + 12 + 22);
}

TEST(MenuTable, DefaultVisibilityAndDefaultItems) {
  int hidden = 0;
  std::vector<std::string> defaults;
  for (size_t i = 0; i < MenuItemCount(); ++i) {
    const MenuItemDef& m = MenuTable()[i];
    if (!m.visible) ++hidden;
    if (m.isDefault) defaults.push_back(m.name);
  }
  EXPECT_EQ(hidden, 42);
  for (const char* name : {"MenuItem_Grid_Black", "MenuItem_Copy_ColorHSV", "MenuItem_Copy_WinInfoRectBottom",
                           "MenuItem_Write", "MenuItem_File_Minimize", "MenuItem_WinInfo_FileVersion"})
    EXPECT_FALSE(MenuItemByName(name)->visible) << name;
  for (const char* name : {"MenuItem_Copy_WinInfoControlID", "MenuItem_Write_WinInfoRectLeft", "MenuItem_WinInfo_Enabled"})
    EXPECT_TRUE(MenuItemByName(name)->visible) << name;
  // The item itself is visible, but its command is hidden at start.
  EXPECT_TRUE(MenuItemCommand(*MenuItemByName("MenuItem_Copy_All"))->HiddenAtStart());

  const std::vector<std::string> expected = {
      "MenuItem_Zoom_6",         "MenuItem_Grid_Disp",        "MenuItem_Color_InfoOnOff",
      "MenuItem_Pos_InfoOnOff",  "MenuItem_WinInfo_InfoOnOff", "MenuItem_Copy_All",
      "MenuItem_Capture_Pause",  "MenuItem_Test_Rop_SRCCOPY", "MenuItem_Capture_Brush_Solid",
      "MenuItem_Customize_Setting"};
  EXPECT_EQ(defaults, expected);
}

TEST(MenuTable, Captions) {
  EXPECT_STREQ(MenuItemCaption(*MenuItemByName("MenuItem_Zoom_6")), " 6倍");
  EXPECT_STREQ(MenuItemCaption(*MenuItemByName("MenuItem_Pos")), "カーソル位置情報(&P)");
  EXPECT_STREQ(MenuItemCaption(*MenuItemByName("MenuItem_Zoom")), "拡大倍率(&Z)");
  EXPECT_STREQ(MenuItemCaption(*MenuItemByName("MenuItem_Opt_ZoomWheel")), "ホイール操作の向きを換える(&W)");
  EXPECT_STREQ(MenuItemCaption(*MenuItemByName("MenuItem_Test_Flip")), "画像の反転・回転(&R)");
  EXPECT_STREQ(MenuItemCaption(*MenuItemByName("MenuItem_Brush")), "背景ブラシ(&B)");
}

TEST(MenuTable, ToolBarMenuSectionCopiesAndDefaultToolBar) {
  ASSERT_EQ(ToolBarMenuItemCount(), 4u);
  for (size_t i = 0; i < ToolBarMenuItemCount(); ++i) {
    const MenuItemDef& m = ToolBarMenuTable()[i];
    EXPECT_EQ(m.id, 0);
    EXPECT_EQ(MenuItemByName(m.name), nullptr) << "not part of the main menu";
    if (m.kind != MenuKind::Separator) {
      EXPECT_NE(MenuItemCommand(m), nullptr) << m.name;
    }
  }
  EXPECT_STREQ(ToolBarMenuTable()[3].command, "Action_Custom_ToolBar");

  ASSERT_EQ(MenuSectionCopyCount(), 9u);
  for (size_t i = 0; i < MenuSectionCopyCount(); ++i) {
    const MenuItemDef* source = MenuItemByName(MenuSectionCopies()[i].source);
    ASSERT_NE(source, nullptr) << MenuSectionCopies()[i].source;
    EXPECT_EQ(source->kind, MenuKind::Submenu);
  }

  ASSERT_EQ(DefaultToolBarCount(), 5u);
  const uint16_t expected[] = {2010, 10004, 10005, 10006, 10008};
  for (size_t i = 0; i < DefaultToolBarCount(); ++i) EXPECT_EQ(CommandIdOf(DefaultToolBar()[i]), expected[i]);
}

}  // namespace
}  // namespace zorvik
