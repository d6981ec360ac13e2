#include "commands/gestures.h"

#include <gtest/gtest.h>

namespace zorvik {
namespace {

TEST(Gesture, Angle) {
  struct Case {
    int dx, dy, angle;
  };
  const Case cases[] = {
      {0, 0, -1},        {1, 0, 0},         {0, 1, 90},        {-1, 0, 180},
      {0, -1, 270},      {1, 1, 45},        {-1, 1, 135},      {-1, -1, 225},
      {1, -1, 315},      {1000, -20, 359},  {5000, -20, 360},  {5000, 20, 0},
      {1000, 1014, 45},  {1000, 1021, 46},  {-1000, 986, 135}, {-1000, 979, 136},
      {-1000, -1014, 225}, {-1000, -1021, 226}, {1000, -986, 315}, {1000, -979, 316},
  };
  for (const Case& k : cases) EXPECT_EQ(GestureAngle(k.dx, k.dy), k.angle) << k.dx << "," << k.dy;
}

TEST(Gesture, Classify) {
  struct Case {
    GesturePoint start, end;
    int cx, cy;
    Gesture expected;
  };
  const Gesture R = Gesture::Right, U = Gesture::Up, L = Gesture::Left, D = Gesture::Down,
                N = Gesture::None, X = Gesture::NotStarted;
  const Case cases[] = {
      // Plain directions (client y grows downwards).
      {{100, 100}, {300, 100}, 4, 4, R},
      {{100, 100}, {100, 0}, 4, 4, U},
      {{100, 100}, {0, 100}, 4, 4, L},
      {{100, 100}, {100, 300}, 4, 4, D},
      // A click and short drags within three double-click widths open the menu.
      {{100, 100}, {100, 100}, 4, 4, N},
      {{100, 100}, {112, 88}, 4, 4, N},
      {{100, 100}, {88, 112}, 4, 4, N},
      // Just beyond the tolerance.
      {{100, 100}, {113, 100}, 4, 4, R},
      {{100, 100}, {100, 87}, 4, 4, U},
      // A component within its tolerance does not count: a steep drag is up.
      {{100, 100}, {110, 0}, 4, 4, U},
      // Without tolerance any movement counts.
      {{100, 100}, {101, 100}, 0, 0, R},
      // Far right and slightly down: rounds to 360, which is right.
      {{10, 10}, {5010, 30}, 4, 4, R},
      // 45 is right, 46 up; 135 up, 136 left; 225 left, 226 down; 315 down, 316 right.
      {{10, 2000}, {1010, 986}, 0, 0, R},
      {{10, 2000}, {1010, 979}, 0, 0, U},
      {{2000, 2000}, {1000, 1014}, 0, 0, U},
      {{2000, 2000}, {1000, 1021}, 0, 0, L},
      {{2000, 10}, {1000, 1024}, 0, 0, L},
      {{2000, 10}, {1000, 1031}, 0, 0, D},
      {{10, 10}, {1010, 996}, 0, 0, D},
      {{10, 10}, {1010, 989}, 0, 0, R},
      // The press must lie inside the client area.
      {{0, 100}, {300, 100}, 4, 4, X},
      {{100, 0}, {300, 100}, 4, 4, X},
      {{-5, 100}, {100, 100}, 4, 4, X},
      {{0, 0}, {0, 0}, 4, 4, X},
      {{1, 1}, {1, 1}, 4, 4, N},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(ClassifyGesture(k.start, k.end, k.cx, k.cy), k.expected)
        << "(" << k.start.x << "," << k.start.y << ") -> (" << k.end.x << "," << k.end.y << ")";
  }
}

TEST(Gesture, ExtremeCoordinatesDoNotOverflow) {
  const int big = 2147483647;
  EXPECT_EQ(ClassifyGesture({1, 1}, {big, 1}, 4, 4), Gesture::Right);
  EXPECT_EQ(ClassifyGesture({big, 1}, {-big - 1, 1}, 4, 4), Gesture::Left);
}

TEST(Gesture, SlotsAndBindings) {
  EXPECT_EQ(GestureSlotOf(Gesture::Up), kGestureUp);
  EXPECT_EQ(GestureSlotOf(Gesture::Down), kGestureDown);
  EXPECT_EQ(GestureSlotOf(Gesture::Left), kGestureLeft);
  EXPECT_EQ(GestureSlotOf(Gesture::Right), kGestureRight);
  EXPECT_EQ(GestureSlotOf(Gesture::None), -1);
  EXPECT_EQ(GestureSlotOf(Gesture::NotStarted), -1);

  GestureBindings g = GestureBindings::Defaults();
  EXPECT_STREQ(g.CommandFor(Gesture::Up)->name, "Action_Opt_StayOnTop");
  EXPECT_STREQ(g.CommandFor(Gesture::Down)->name, "Action_Custom_Setting");
  EXPECT_STREQ(g.CommandFor(Gesture::Left)->name, "Action_Grid_Disp");
  EXPECT_STREQ(g.CommandFor(Gesture::Right)->name, "Action_Capture_Pause");
  EXPECT_EQ(g.CommandFor(Gesture::None), nullptr);
  g.slots[kGestureLeft] = nullptr;  // an empty slot
  EXPECT_EQ(g.CommandFor(Gesture::Left), nullptr);
}

}  // namespace
}  // namespace zorvik
