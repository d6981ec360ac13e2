#include "commands/command_text.h"

#include <gtest/gtest.h>

namespace zorvik {
namespace {

// The one rule of every place that shows a caption without its marker
// (menu, toolbar, shortcut, settings and version pages, the help page).
TEST(CommandText, CaptionWithoutAccelerator) {
  struct Case {
    const char* caption;
    const char* plain;
  };
  const Case cases[] = {
      {"バージョン情報(&V)", "バージョン情報"}, {"&Open", "Open"},         {"A && B", "A & B"},
      {"追加(&A) ->", "追加 ->"},               {"(&&)", "(&)"},           {"実寸表示 (1:1)", "実寸表示 (1:1)"},
      {"末尾&", "末尾"},                        {"(&", "("},               {"", ""},
      {"グリッド表示(&D)", "グリッド表示"},     {"A&&B&", "A&B"},          {"一時停止(&P)", "一時停止"},
      {"グリッド色選択(&U)...", "グリッド色選択..."}, {"閉じる(&C)\tAlt+F4", "閉じる\tAlt+F4"},
  };
  for (const Case& c : cases) EXPECT_EQ(CaptionWithoutAccelerator(c.caption), c.plain) << c.caption;
  EXPECT_EQ(CommandDisplayText(*CommandByName("Action_Capture_Pause")), "キャプチャ/一時停止");
}

}  // namespace
}  // namespace zorvik
