#include "platform/text.h"

#include <gtest/gtest.h>

namespace zorvik {
namespace {

TEST(Text, RoundTripsJapaneseAndAstral) {
  const std::string s = "ｽｸﾘｰﾝ 拡大 6倍 \xF0\x9F\x98\x80";
  const std::u16string u = FromUtf8(s);
  EXPECT_EQ(u.size(), 14u);
  EXPECT_EQ(ToUtf8(u), s);
}

TEST(Text, MalformedInputBecomesReplacementCharacters) {
  EXPECT_EQ(FromUtf8("a\xFF" "b"), u"a\uFFFDb");
  EXPECT_EQ(FromUtf8("\xE6\x8B"), u"\uFFFD\uFFFD");        // truncated sequence
  EXPECT_EQ(FromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");        // overlong
  EXPECT_EQ(ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");  // lone surrogate
}

}  // namespace
}  // namespace zorvik
