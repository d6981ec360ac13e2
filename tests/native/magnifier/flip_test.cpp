#include "magnifier/flip.h"

#include <gtest/gtest.h>

#include <vector>

namespace zorvik {
namespace {

std::vector<uint32_t> Numbered(int n) {
  std::vector<uint32_t> v(static_cast<size_t>(n * n));
  for (int i = 0; i < n * n; ++i) v[static_cast<size_t>(i)] = static_cast<uint32_t>(i);
  return v;
}

// The flip table, written as where each corner of a 3x3 square ends up:
// (source index of top-left, top-right, bottom-left) after the transform.
TEST(Flip, CornersFollowTheFlipTable) {
  struct Case { int mode; uint32_t tl, tr, bl; } cases[] = {
      {kFlipNone, 0, 2, 6},
      {kFlipHorizontal, 2, 0, 8},
      {kFlipVertical, 6, 8, 0},
      {kRotate90, 6, 0, 8},   // clockwise: the left column becomes the top row
      {kRotate180, 8, 6, 2},
      {kRotate180Legacy, 8, 6, 2},
      {kRotate270, 2, 8, 0},
      {7, 0, 2, 6},           // unknown modes leave the square alone
      {255, 0, 2, 6},
  };
  std::vector<uint32_t> scratch;
  for (const auto& c : cases) {
    auto v = Numbered(3);
    FlipSquare(v.data(), 3, c.mode, scratch);
    EXPECT_EQ(v[0], c.tl) << "mode " << c.mode;
    EXPECT_EQ(v[2], c.tr) << "mode " << c.mode;
    EXPECT_EQ(v[6], c.bl) << "mode " << c.mode;
    EXPECT_EQ(v[4], 4u) << "the centre pixel never moves";
  }
}

TEST(Flip, PointMappingAgreesWithSquare) {
  std::vector<uint32_t> scratch;
  for (int mode : {1, 2, 3, 4, 5, 6}) {
    const int n = 7;
    auto v = Numbered(n);
    FlipSquare(v.data(), n, mode, scratch);
    for (int y = 0; y < n; ++y)
      for (int x = 0; x < n; ++x) {
        int dx, dy;
        FlipPoint(n, mode, x, y, dx, dy);
        ASSERT_EQ(v[static_cast<size_t>(dy * n + dx)], static_cast<uint32_t>(y * n + x)) << mode;
      }
  }
}

TEST(Flip, PixelLeftOfCentreShowsRightAfterHorizontalFlip) {
  int dx, dy;
  FlipPoint(45, kFlipHorizontal, 21, 22, dx, dy);
  EXPECT_EQ(dx, 23);
  EXPECT_EQ(dy, 22);
}

TEST(Flip, FourQuarterTurnsRestoreTheSquare) {
  std::vector<uint32_t> scratch;
  auto v = Numbered(5);
  for (int i = 0; i < 4; ++i) FlipSquare(v.data(), 5, kRotate90, scratch);
  EXPECT_EQ(v, Numbered(5));
  FlipSquare(v.data(), 5, kRotate90, scratch);
  FlipSquare(v.data(), 5, kRotate270, scratch);
  EXPECT_EQ(v, Numbered(5));
}

}  // namespace
}  // namespace zorvik
