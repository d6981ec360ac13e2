#include "help/version_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zorvik {
namespace {

const CommandDef* Cmd(const char* name) {
  const CommandDef* c = CommandByName(name);
  EXPECT_NE(c, nullptr) << name;
  return c;
}

GestureCommands DefaultGestures() {
  GestureCommands g{};
  for (int i = 0; i < kGestureSlotCount; ++i) g[static_cast<size_t>(i)] = Cmd(DefaultGestureCommand(i));
  return g;
}

std::vector<std::string> Texts(const std::vector<VersionLine>& lines, size_t from = 0) {
  std::vector<std::string> out;
  for (size_t i = from; i < lines.size(); ++i) out.push_back(lines[i].text);
  return out;
}

TEST(VersionList, DisplayColumns) {
  struct Case {
    const char* text;
    int columns;
  };
  const Case cases[] = {
      {"", 0},         {"A", 1},          {"[F10]", 5},    {"ｽﾍﾟｰｽ", 5},    {"BS(後退)", 8},
      {"ｼﾞｪｽﾁｬ ↑", 9}, {"一時停止", 8},   {"←", 2},        {"\xFF", 1},      {"\xE3\x81", 2},
  };
  for (const Case& c : cases) EXPECT_EQ(DisplayColumns(c.text), c.columns) << c.text;
  EXPECT_EQ(KeyNameColumns(), 9);  // the gesture names are the widest
}

TEST(VersionList, IconLegendOfTheDefaults) {
  const auto lines = BuildVersionList(BindingList::Defaults(), DefaultGestures());
  ASSERT_GT(lines.size(), 8u);
  EXPECT_EQ(lines[0].kind, VersionLineKind::kHeading);
  EXPECT_EQ(lines[0].Shown(), "情報表示ステータス欄のアイコン説明");
  for (int i = 0; i < kStatusIconCount; ++i) {
    const VersionLine& l = lines[static_cast<size_t>(1 + i)];
    EXPECT_EQ(l.kind, VersionLineKind::kIcon);
    EXPECT_EQ(l.icon, i);
    EXPECT_EQ(l.text.find('&'), std::string::npos) << l.text;
    EXPECT_NE(l.text.back(), '/') << l.text;
  }
  EXPECT_EQ(lines[4].text, "一時停止/キャプチャの一時停止");
  EXPECT_EQ(lines[2].text, "常に前面に表示");  // no hint: the caption alone
  EXPECT_EQ(lines[7].kind, VersionLineKind::kSeparator);
  EXPECT_EQ(lines[7].text, "-");
  EXPECT_EQ(lines[8].text, "\t現在のショートカットキー一覧");

  // Keys in key-table order, every name right-aligned in 11 columns.
  EXPECT_EQ(lines[9].text, "        [1] キャプチャ/実寸表示 (1:1)");
  size_t keys = 0, i = 9;
  for (; lines[i].kind == VersionLineKind::kText; ++i, ++keys)
    EXPECT_EQ(DisplayColumns(lines[i].text.substr(0, lines[i].text.find(']') + 1)), 11) << lines[i].text;
  EXPECT_EQ(keys, BindingList::Defaults().Count());
  EXPECT_EQ(lines[i].text, "\t現在のマウスジェスチャ設定");
  EXPECT_EQ(lines[i + 1].text.substr(0, std::string("[ｼﾞｪｽﾁｬ ↑] ").size()), "[ｼﾞｪｽﾁｬ ↑] ");
  EXPECT_EQ(lines[i + 5].kind, VersionLineKind::kSeparator);
}

// A key bound to two commands: listed once under keys (its first binding),
// and under both commands, whose bindings start in one column.
TEST(VersionList, KeyBoundTwiceAndTheCommandColumn) {
  BindingList bindings;
  bindings.Add(0x46, Cmd("Action_Capture_Fixed"));
  bindings.Add(0x46, Cmd("Action_Help"));
  bindings.Add(0x70, Cmd("Action_Help"));
  GestureCommands gestures{};
  gestures[kGestureUp] = Cmd("Action_Help");
  const auto lines = BuildVersionList(bindings, gestures);
  const std::vector<std::string> expected = {
      "\t現在のショートカットキー一覧",
      "        [F] キャプチャ/定点キャプチャ",
      "       [F1] ヘルプ/バージョン情報",
      "\t現在のマウスジェスチャ設定",
      "[ｼﾞｪｽﾁｬ ↑] ヘルプ/バージョン情報",
      "-",
      "\t現在のコマンド設定一覧",
      "キャプチャ/定点キャプチャ  [F]",
      "ヘルプ/バージョン情報      [F] [F1] [ｼﾞｪｽﾁｬ ↑]",
  };
  EXPECT_EQ(Texts(lines, 8), expected);
}

TEST(VersionList, NothingBoundLeavesTheHeadings) {
  const auto lines = BuildVersionList(BindingList(), GestureCommands{});
  const std::vector<std::string> expected = {"\t現在のショートカットキー一覧", "\t現在のマウスジェスチャ設定", "-",
                                             "\t現在のコマンド設定一覧"};
  EXPECT_EQ(Texts(lines, 8), expected);
  EXPECT_EQ(lines.back().kind, VersionLineKind::kHeading);
  EXPECT_EQ(lines.back().Shown(), "現在のコマンド設定一覧");
}

// Keys outside the fixed set appear only under their command, with the
// system's name when there is one.
TEST(VersionList, KeyOutsideTheFixedSet) {
  BindingList bindings;
  bindings.Add(0x5B, Cmd("Action_Help"));
  EXPECT_EQ(BuildVersionList(bindings, GestureCommands{}).back().text, "ヘルプ/バージョン情報  [0x5B]");
  SetSystemKeyNameSource([](uint16_t) -> std::string { return "Left Windows"; });
  EXPECT_EQ(BuildVersionList(bindings, GestureCommands{}).back().text, "ヘルプ/バージョン情報  [Left Windows]");
  SetSystemKeyNameSource(nullptr);
}

}  // namespace
}  // namespace zorvik
