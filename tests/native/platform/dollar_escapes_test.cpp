#include "platform/dollar_escapes.h"

#include <gtest/gtest.h>

namespace zorvik {
namespace {

TEST(DollarEscapes, DecodesGroupsAndLeavesTheRest) {
  struct Case { std::u16string in, out; } cases[] = {
      {u"$65E5本", u"日本"},
      {u"a$65e5b", u"a日b"},
      {u"$", u"$"},
      {u"$65E", u"$65E"},        // too short at the end
      {u"$65G5", u"$65G5"},      // not hexadecimal
      {u"$$0041", u"$A"},
      {u"価格 $12", u"価格 $12"},
      {u"", u""},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeDollarEscapes(c.in), c.out);
}

}  // namespace
}  // namespace zorvik
