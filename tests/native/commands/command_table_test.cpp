#include "commands/command_table.h"

#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "commands/keys.h"

namespace zorvik {
namespace {

TEST(CommandTable, CountsAndIcons) {
  int withId = 0, withoutId = 0, icons = 0;
  for (size_t i = 0; i < CommandCount(); ++i) {
    const CommandDef& c = CommandTable()[i];
    SCOPED_TRACE(c.name);
    if (c.id != 0) {
      ++withId;
      EXPECT_GE(c.icon, 0);
    } else {
      ++withoutId;
      EXPECT_EQ(c.icon >= 0, std::string(c.name) == "Action_WinInfo_Enabled");
    }
    // Icons are numbered 0.. in list order without gaps.
    if (c.icon >= 0) {
      EXPECT_EQ(c.icon, icons++);
    }
    EXPECT_NE(c.caption, nullptr);
    EXPECT_NE(c.hint, nullptr);
    EXPECT_NE(c.category, nullptr);
  }
  EXPECT_EQ(withId, 210);
  EXPECT_EQ(withoutId + 1, 30);  // + the separator pseudo-command
  EXPECT_EQ(icons, 211);
  EXPECT_EQ(CommandIconCount(), 211);

  const CommandDef& spc = SeparatorCommand();
  EXPECT_STREQ(spc.name, "actSpc");
  EXPECT_STREQ(spc.category, "区切り");
  EXPECT_STREQ(spc.caption, "-");
  EXPECT_EQ(spc.id, 0);
  EXPECT_EQ(spc.icon, -1);
  EXPECT_EQ(CommandByName("actSpc"), &spc);
  EXPECT_EQ(CommandIndexOf(&spc), -1);
}

TEST(CommandTable, EveryRowMapsBothWaysAndIsUnique) {
  std::set<uint16_t> ids;
  std::set<std::string> names;
  for (size_t i = 0; i < CommandCount(); ++i) {
    const CommandDef* c = &CommandTable()[i];
    SCOPED_TRACE(c->name);
    EXPECT_TRUE(names.insert(c->name).second) << "duplicate name";
    EXPECT_EQ(CommandByName(c->name), c);
    EXPECT_EQ(CommandIdOf(c->name), c->id);
    EXPECT_EQ(CommandIndexOf(c), static_cast<int>(i));
    if (c->id != 0) {
      EXPECT_TRUE(ids.insert(c->id).second) << "duplicate id";
      EXPECT_EQ(CommandById(c->id), c);
    }
  }
  EXPECT_EQ(names.count(SeparatorCommand().name), 0u);
}

TEST(CommandTable, LookupMisses) {
  for (uint16_t id : {0, 1005, 2007, 1000, 6037, 14001, 65535}) {
    EXPECT_EQ(CommandById(id), nullptr) << id;
  }
  EXPECT_EQ(CommandByName(""), nullptr);
  EXPECT_EQ(CommandByName("action_zoom_6"), nullptr);  // case-sensitive
  EXPECT_EQ(CommandByName("Action_Zoom_"), nullptr);   // no prefix match
  EXPECT_EQ(CommandIdOf("Action_Nothing"), 0);
  EXPECT_EQ(CommandIdOf(static_cast<const CommandDef*>(nullptr)), 0);
  EXPECT_EQ(CommandIdOf("Action_WinInfo_Enabled"), 0);
  EXPECT_EQ(CommandIdOf("Action_Test_Rop_SRCCOPY"), 0);
  EXPECT_EQ(CommandIdOf("actSpc"), 0);
  EXPECT_EQ(CommandIndexOf(nullptr), -1);
}

TEST(CommandTable, SelectedRows) {
  struct Case {
    const char* name;
    uint16_t id;
    const char* category;
    const char* caption;
    uint8_t flags;
    uint8_t group;
    int64_t tag;
  };
  const Case cases[] = {
      {"Action_Zoom_1", 1001, "拡大倍率", " 1倍", 0, 1, 1},
      {"Action_Zoom_8", 1008, "拡大倍率", " 8倍", kChecked, 1, 8},
      {"Action_Zoom_20", 1020, "拡大倍率", "20倍", 0, 1, 20},
      {"Action_Grid_Gray", 2001, "グリッド", "灰色(&G)", kChecked, 2, 0x999999},
      {"Action_Grid_Transparent", 2005, "グリッド", "半透明(&H)", 0, 2, 0xCCCCCC},
      {"Action_Grid_SubRed", 2013, "グリッド", "サブグリッド - 赤(&R)", 0, 3, 0x0000FF},
      {"Action_Grid_SelSubElseColor", 2022, "グリッド", "サブグリッド二色目選択(&E)...", 0, 0, 0x008000},
      {"Action_Grid_UseSubElseColor", 2021, "グリッド", "サブグリッドに二色使う", kToggle | kChecked, 0, 0},
      {"Action_Capture_Lupe", 7001, "キャプチャ", "ルーペモード(&L)", kToggle, 4, 0},
      {"Action_Capture_Update", 7012, "キャプチャ", "更新(&U)", kDisabled, 0, 0},
      {"Action_Test_Rotate90", 7023, "テスト", "時計まわりに90度回転(&R)", 0, 5, 4},
      {"Action_Test_Rotate270", 7024, "テスト", "反時計まわりに90度回転(&L)", 0, 5, 6},
      {"Action_Test_Rotate180", 7025, "テスト", "180度回転(&I)", 0, 5, 5},
      {"Action_Capture_NoSelfCapture", 8006, "キャプチャ", "自身をキャプチャしない(&N)", kToggle, 0, 0},
      {"Action_Copy_All", 6090, "コピー", "すべてのテキスト情報をコピー", kHidden, 0, 0},
      {"Action_Write_WinInfoControlID", 14330, "テキスト書き換え", "ウィンドウ情報/コントロールlID", kDisabled, 0, 0},
      {"Action_Write_TextClear", 14402, "テキスト書き換え", "テキストをクリア(&D)", 0, 0, 0},
      {"Action_Test_Rop_SRCCOPY", 0, "テスト", "SRCCOPY dest = source", kChecked, 6, 0x00CC0020},
      {"Action_Test_Rop_BLACKNESS", 0, "テスト", "BLACKNESS dest = BLACK", 0, 6, 0x00000042},
      {"Action_Test_Rop_PATPAINT", 0, "テスト", "PATPAINT dest = (patter OR dest) OR dest", 0, 6, 0x00FB0A09},
      {"Action_Test_Brush_Solid", 0, "テスト", "ソリッド(&S)", kChecked, 7, 0},
      {"Action_Test_Brush_SelColor", 0, "テスト", "ブラシの色を選択(&F)...", 0, 0, 0xFFFFFF},
      {"Action_Move_OptMoveBitmap", 0, "移動", "カーソルキーと画像の移動方向を同じにする", kToggle | kChecked, 0, 0},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    const CommandDef* c = CommandByName(k.name);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->id, k.id);
    EXPECT_STREQ(c->category, k.category);
    EXPECT_STREQ(c->caption, k.caption);
    EXPECT_EQ(c->flags, k.flags);
    EXPECT_EQ(c->group, k.group);
    EXPECT_EQ(c->tag, k.tag);
  }
}

TEST(CommandTable, ExclusiveGroupsHaveTheRightSizeAndAtMostOneCheckedMember) {
  std::map<int, int> members, checked;
  for (size_t i = 0; i < CommandCount(); ++i) {
    const CommandDef& c = CommandTable()[i];
    if (c.group == 0) continue;
    ++members[c.group];
    if (c.CheckedAtStart()) ++checked[c.group];
  }
  const std::map<int, int> expected = {{1, 10}, {2, 6}, {3, 4}, {4, 2}, {5, 6}, {6, 15}, {7, 9}};
  EXPECT_EQ(members, expected);
  for (const auto& [group, n] : checked) EXPECT_LE(n, 1) << "group " << group;
}

TEST(CommandTable, WriteValueCommandsStartDisabled) {
  int disabled = 0;
  for (size_t i = 0; i < CommandCount(); ++i) {
    const CommandDef& c = CommandTable()[i];
    if (std::string(c.category) == "テキスト書き換え" && c.DisabledAtStart()) ++disabled;
  }
  EXPECT_EQ(disabled, 52 + 1);  // the value commands and the clipboard text command
  EXPECT_FALSE(CommandByName("Action_Write_InfoCash")->DisabledAtStart());
  EXPECT_FALSE(CommandByName("Action_Write_ClearCash")->DisabledAtStart());
}

TEST(CommandTable, HintsStatedForCommands) {
  EXPECT_STREQ(CommandByName("Action_Grid_Disp")->hint, "グリッドとルーラを表示");
  EXPECT_STREQ(CommandByName("Action_Capture_Pause")->hint, "キャプチャの一時停止");
  EXPECT_STREQ(CommandByName("Action_Help")->hint, "バージョン情報表示");
  EXPECT_STREQ(CommandByName("Action_Zoom_6")->hint, "");
}

// The default binding list is the command table's default-key column, in
// command-table order.
TEST(CommandTable, DefaultKeysMatchTheDefaultBindingList) {
  struct Binding {
    const char* key;
    const char* command;
  };
  const Binding kListed[] = {
      {"PgUp", "Action_Zoom_Up"},           {"PgDn", "Action_Zoom_Down"},
      {"U", "Action_Grid_SelColor"},        {"I", "Action_Grid_SelSubColor"},
      {"Space", "Action_Pos_LengthPosSet"}, {"Z", "Action_Copy_Picture"},
      {"H", "Action_Copy_ColorHTML"},       {"C", "Action_Copy_ColorCOLORREF"},
      {"F2", "Action_Copy_All"},            {"F", "Action_Capture_Fixed"},
      {"Esc", "Action_Capture_Pause"},      {"1", "Action_Capture_Disp_x1"},
      {"S", "Action_Capture_SmoothCapture"}, {"F10", "Action_Menu_Main"},
      {"Up", "Action_Move_Up"},             {"Down", "Action_Move_Down"},
      {"Left", "Action_Move_Left"},         {"Right", "Action_Move_Right"},
      {"Q", "Action_Move_Monitor"},         {"F1", "Action_Help"},
  };
  const BindingList list = BindingList::Defaults();
  ASSERT_EQ(list.Count(), std::size(kListed));
  for (size_t i = 0; i < list.Count(); ++i) {
    EXPECT_EQ(list.Items()[i].key, KeyFromName(kListed[i].key)) << i;
    EXPECT_STREQ(list.Items()[i].command->name, kListed[i].command) << i;
  }

  EXPECT_STREQ(CommandByName("Action_Custom_Setting")->fixedShortcut, "Alt+F10");
  EXPECT_STREQ(CommandByName("Action_File_Exit")->fixedShortcut, "Alt+F4");
  EXPECT_EQ(CommandByName("Action_Custom_Setting")->defaultKey, nullptr);
}

TEST(CommandTable, CopySlotLinks) {
  int linked = 0;
  for (int slot = 0; slot < kCopySlotCount; ++slot) {
    const int id = MenuIdOfCopySlot(slot);
    if (id < 0) continue;
    ++linked;
    EXPECT_EQ(CopySlotOfMenuId(static_cast<uint16_t>(id)), slot) << slot;
  }
  EXPECT_EQ(linked, 35);
  EXPECT_EQ(MenuIdOfCopySlot(0), 6001);
  EXPECT_EQ(MenuIdOfCopySlot(8), 6100);
  EXPECT_EQ(MenuIdOfCopySlot(37), 6029);
  EXPECT_EQ(CopySlotOfMenuId(6016), 22);
  for (int slot : {-1, 23, 33, 34, 38, 55, 56}) EXPECT_EQ(MenuIdOfCopySlot(slot), -1) << slot;
  for (uint16_t id : {0, 6002, 6012, 6030, 6099, 1001}) EXPECT_EQ(CopySlotOfMenuId(id), -1) << id;
}

TEST(CommandTable, ToolButtonMenusFollowTheCategory) {
  struct Case {
    const char* command;
    const char* context;
    const char* dropDown;
  };
  const Case cases[] = {
      {"Action_Zoom_Up", "PopupMenu_Zoom", nullptr},
      {"Action_Grid_Disp", "PopupMenu_Grid", nullptr},
      {"Action_WinInfo_Enabled", "PopupMenu_WinInfo", nullptr},
      {"Action_Copy_All", "PopupMenu_Copy", nullptr},
      {"Action_Capture_SmoothCapture", "PopupMenu_Capture", nullptr},
      {"Action_Opt_StayOnTop", "PopupMenu_Setting", nullptr},
      {"Action_Custom_Menu", "PopupMenu_Setting", nullptr},
      {"Action_Menu_Main", "PopupMenu_Main", "PopupMenu_Main"},
      {"Action_Menu_Setting", "PopupMenu_Setting", "PopupMenu_Setting"},
      {"Action_Menu_Test", "PopupMenu_Test", "PopupMenu_Test"},
      {"Action_Menu_Write", nullptr, nullptr},
      {"Action_Test_FlipNone", nullptr, nullptr},
      {"Action_Move_Up", nullptr, nullptr},
      {"Action_Help", nullptr, nullptr},
      {"actSpc", nullptr, nullptr},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.command);
    const ToolButtonMenus m = ToolButtonMenusOf(*CommandByName(k.command));
    EXPECT_EQ(m.contextMenu ? std::string(m.contextMenu) : "", k.context ? k.context : "");
    EXPECT_EQ(m.dropDownMenu ? std::string(m.dropDownMenu) : "", k.dropDown ? k.dropDown : "");
  }
}

TEST(CommandTable, CheckToolButtons) {
  const std::pair<const char*, bool> cases[] = {
      {"Action_Zoom_6", true},          {"Action_Color_RGB", true},
      {"Action_Capture_Pause", true},   {"Action_Capture_Fixed", true},
      {"Action_Capture_Update", false}, {"Action_Copy_Picture", false},
      {"Action_Grid_Disp", false},      {"Action_Grid_SelSubElseColor", false},
  };
  for (const auto& [name, check] : cases) EXPECT_EQ(IsCheckToolButton(*CommandByName(name)), check) << name;
}

}  // namespace
}  // namespace zorvik
