#include "inspection/text_buffer.h"

#include <gtest/gtest.h>

#include <climits>

namespace zorvik {
namespace {

constexpr size_t kLimit = 32768;

TEST(TextBuffer, WindowTextIsCutToTheLimitBecauseTheBufferSizeIsSent) {
  const struct {
    long long reported;
    size_t size;
  } cases[] = {
      {-1, 0},                      // error
      {0, 0},                       // empty: nothing to ask
      {1, 2},
      {kLimit, kLimit + 1},
      {kLimit + 1, kLimit + 1},     // longer: cut
      {1LL << 40, kLimit + 1},      // a length no window has: still cut
      {LLONG_MAX, kLimit + 1},
      {LLONG_MIN, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(WindowTextBufferSize(c.reported, kLimit), c.size) << c.reported;
}

TEST(TextBuffer, AnItemTextBufferHoldsTheReportedLengthOrNothingIsSent) {
  const struct {
    long long reported;
    size_t size;
  } cases[] = {
      {-1, 0},                                  // LB_ERR / CB_ERR
      {-2, 0},                                  // LB_ERRSPACE
      {0, 0},                                   // empty item
      {1, 2 + kItemTextSlack},
      {kLimit, kLimit + 1 + kItemTextSlack},    // exactly the limit still fits
      {kLimit + 1, 0},                          // longer than the limit: cannot be cut, so empty
      {1LL << 40, 0},
      {LLONG_MAX, 0},
      {LLONG_MIN, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ItemTextBufferSize(c.reported, kLimit), c.size) << c.reported;
}

}  // namespace
}  // namespace zorvik
