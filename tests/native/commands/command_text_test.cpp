#include "commands/command_text.h"

#include <gtest/gtest.h>

namespace zorvik {
namespace {

TEST(CommandText, CaptionWithoutAccelerator) {
  struct Case {
    const char* caption;
    const char* plain;
  };
  const Case cases[] = {
      {"バージョン情報(&V)", "バージョン情報"}, {"&Open", "Open"},         {"A && B", "A & B"},
      {"追加(&A) ->", "追加 ->"},               {"(&&)", "(&)"},           {"実寸表示 (1:1)", "実寸表示 (1:1)"},
      {"末尾&", "末尾"},                        {"(&", "("},               {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(CaptionWithoutAccelerator(c.caption), c.plain) << c.caption;
  EXPECT_EQ(CommandDisplayText(*CommandByName("Action_Capture_Pause")), "キャプチャ/一時停止");
}

}  // namespace
}  // namespace zorvik
