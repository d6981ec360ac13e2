#include "commands/keys.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace zorvik {
namespace {

TEST(KeyTable, RowsMapBothWaysAndAreUnique) {
  std::set<uint16_t> codes;
  std::set<std::string> names, shown;
  for (int i = 0; i < kKeyCount; ++i) {
    const KeyDef& k = KeyTable()[i];
    SCOPED_TRACE(k.name);
    EXPECT_EQ(k.row, i);
    EXPECT_TRUE(codes.insert(k.code).second);
    EXPECT_TRUE(names.insert(k.name).second);
    EXPECT_TRUE(shown.insert(k.shown).second);
    EXPECT_EQ(KeyNameToKey(k.shown), k.code);
    EXPECT_EQ(KeyToKeyName(k.code), k.shown);
    EXPECT_STREQ(FixedKeyName(k.code), k.shown);
    EXPECT_EQ(KeyFromName(k.name), k.code);
    EXPECT_EQ(KeyRowOf(k.code), k.row);
  }
  EXPECT_EQ(codes.size(), 62u);
}

TEST(KeyTable, NamesAndCodes) {
  struct Case {
    const char* shown;
    uint16_t code;
    int row;
  };
  const Case cases[] = {
      {"0", 0x30, 0},       {"ｽﾍﾟｰｽ", 0x20, 10}, {"A", 0x41, 11},    {"Z", 0x5A, 36},
      {"F1", 0x70, 37},     {"F12", 0x7B, 48},    {"Enter", 0x0D, 49}, {"BS(後退)", 0x08, 50},
      {"Esc", 0x1B, 53},    {"PgDn", 0x22, 55},   {"End", 0x23, 57},   {"↑", 0x26, 58},
      {"→", 0x27, 61},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(KeyNameToKey(k.shown), k.code) << k.shown;
    EXPECT_EQ(KeyRowOf(k.code), k.row) << k.shown;
  }
}

TEST(KeyTable, Misses) {
  // Only the shown names count, exactly and case-sensitively.
  for (const char* name : {"", "Space", "BkSp", "Up", "a", "f1", "F13", "PGUP", " A", "A "})
    EXPECT_EQ(KeyNameToKey(name), 0) << name;
  EXPECT_EQ(KeyFromName("ｽﾍﾟｰｽ"), 0);
  EXPECT_EQ(KeyFromName("space"), 0);
  for (uint16_t code : {0x00, 0x10, 0x5B, 0x7C, 0x5D, 0x61, 0xFFFF}) {
    EXPECT_EQ(KeyToKeyName(code), "") << code;  // no system key-name source here
    EXPECT_EQ(FixedKeyName(code), nullptr) << code;
    EXPECT_EQ(KeyRowOf(code), -1) << code;
  }
}

// A key outside the fixed set takes the system's name; the 62 keys keep their
// own shown names even when the system would call them differently.
TEST(KeyTable, KeysOutsideTheSetAskTheSystemSource) {
  static std::vector<uint16_t> asked;
  asked.clear();
  SetSystemKeyNameSource([](uint16_t code) -> std::string {
    asked.push_back(code);
    return code == 0x5B ? "Left Windows" : "";
  });
  struct Case {
    uint16_t code;
    const char* name;
    bool asksSystem;
  };
  const Case cases[] = {
      {0x5B, "Left Windows", true}, {0x90, "", true},    {0x20, "ｽﾍﾟｰｽ", false},
      {0x26, "↑", false},           {0x08, "BS(後退)", false}, {0x00, "", false},
  };
  for (const Case& c : cases) {
    asked.clear();
    EXPECT_EQ(KeyToKeyName(c.code), c.name) << c.code;
    EXPECT_EQ(asked.size(), c.asksSystem ? 1u : 0u) << c.code;
  }
  SetSystemKeyNameSource(nullptr);
  EXPECT_EQ(KeyToKeyName(0x5B), "");
}

TEST(KeyBindings, DefaultList) {
  const BindingList list = BindingList::Defaults();
  for (const KeyBinding& b : list.Items()) {
    EXPECT_GE(KeyRowOf(b.key), 0) << b.command->name;
    EXPECT_NE(b.command->id, 0) << b.command->name;
  }
  ASSERT_EQ(list.Count(), 20u);
  EXPECT_EQ(list.Items().front().key, 0x21);
  EXPECT_STREQ(list.Items().front().command->name, "Action_Zoom_Up");
  EXPECT_EQ(list.Items().back().key, 0x70);
  EXPECT_STREQ(list.Items().back().command->name, "Action_Help");
  EXPECT_STREQ(list.Find(0x20)->name, "Action_Pos_LengthPosSet");
  EXPECT_STREQ(list.Find(0x25)->name, "Action_Move_Left");
  EXPECT_EQ(list.Find(0x0D), nullptr);
}

TEST(KeyBindings, FirstBindingOfAKeyWins) {
  const CommandDef* help = CommandByName("Action_Help");
  const CommandDef* fixed = CommandByName("Action_Capture_Fixed");
  const CommandDef* picture = CommandByName("Action_Copy_Picture");
  BindingList list;
  list.Add(0x46, fixed);
  list.Add(0x46, help);
  list.Add(0x70, help);
  list.Add(0x5A, picture);
  list.Add(0x5A, nullptr);  // ignored
  list.Add(0, help);        // ignored
  EXPECT_EQ(list.Count(), 4u);
  EXPECT_EQ(list.Find(0x46), fixed);
  EXPECT_EQ(list.KeysOf(help), (std::vector<uint16_t>{0x46, 0x70}));

  EXPECT_EQ(list.RemoveKey(0x46), 2u);
  EXPECT_FALSE(list.HasKey(0x46));
  EXPECT_EQ(list.KeysOf(help), (std::vector<uint16_t>{0x70}));
  EXPECT_EQ(list.RemoveCommand(help), 1u);
  EXPECT_EQ(list.RemoveKey(0x46), 0u);
  ASSERT_EQ(list.Count(), 1u);
  EXPECT_EQ(list.Find(0x5A), picture);
}

TEST(KeyBindings, GestureNamesAndDefaults) {
  EXPECT_STREQ(GestureName(kGestureUp), "ｼﾞｪｽﾁｬ ↑");
  EXPECT_STREQ(GestureName(kGestureRight), "ｼﾞｪｽﾁｬ →");
  EXPECT_EQ(GestureName(4), nullptr);
  EXPECT_EQ(GestureName(-1), nullptr);
  const char* expected[] = {"Action_Opt_StayOnTop", "Action_Custom_Setting", "Action_Grid_Disp",
                            "Action_Capture_Pause"};
  for (int i = 0; i < kGestureSlotCount; ++i) EXPECT_STREQ(DefaultGestureCommand(i), expected[i]);
  EXPECT_EQ(DefaultGestureCommand(4), nullptr);
}

}  // namespace
}  // namespace zorvik
