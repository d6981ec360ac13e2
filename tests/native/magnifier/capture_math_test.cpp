#include "magnifier/capture_math.h"

#include <gtest/gtest.h>

#include <climits>

namespace zorvik {
namespace {

using D = Direction;

TEST(CaptureMath, MapMoveByFlipTable) {
  struct Case { int mode; D l, r, u, d; } cases[] = {
      {0, D::Left, D::Right, D::Up, D::Down},   {1, D::Right, D::Left, D::Up, D::Down},
      {2, D::Left, D::Right, D::Down, D::Up},   {3, D::Right, D::Left, D::Down, D::Up},
      {5, D::Right, D::Left, D::Down, D::Up},   {4, D::Down, D::Up, D::Left, D::Right},
      {6, D::Up, D::Down, D::Right, D::Left},   {9, D::Left, D::Right, D::Up, D::Down},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MapMoveByFlip(D::Left, c.mode), c.l) << c.mode;
    EXPECT_EQ(MapMoveByFlip(D::Right, c.mode), c.r) << c.mode;
    EXPECT_EQ(MapMoveByFlip(D::Up, c.mode), c.u) << c.mode;
    EXPECT_EQ(MapMoveByFlip(D::Down, c.mode), c.d) << c.mode;
  }
}

TEST(CaptureMath, StepsStopAtTheVirtualEdge) {
  const Rc v{0, 0, 800, 600};
  EXPECT_EQ(ClampToVirtual(Step(Pt{795, 10}, D::Right, 10), v), (Pt{799, 10}));
  EXPECT_EQ(ClampToVirtual(Step(Pt{3, 10}, D::Left, 10), v), (Pt{0, 10}));
}

TEST(CaptureMath, GapsOfTheVirtualScreenKeepTheLastMonitor) {
  // 800x600 primary, 640x480 to its right: the corner under the second is a gap.
  const MonitorLayout m({Rc{0, 0, 800, 600}, Rc{800, 0, 1440, 480}});
  int last = 0;
  EXPECT_EQ(TrackMonitor(Pt{900, 100}, m, last), (Pt{900, 100}));
  EXPECT_EQ(last, 2);
  EXPECT_EQ(TrackMonitor(Pt{1000, 550}, m, last), (Pt{1000, 479}));
  EXPECT_EQ(last, 2);
  int none = 0;
  EXPECT_EQ(TrackMonitor(Pt{1000, 550}, m, none), (Pt{1000, 550}));  // nothing recorded yet
}

TEST(CaptureMath, PanningMakesThePictureFollowThePointer) {
  const Rc v{0, 0, 1000, 1000};
  // Dragging 12 pixels right at zoom 6 moves the capture point 2 pixels left.
  EXPECT_EQ(PanCapturePoint(Pt{500, 500}, Pt{100, 100}, Pt{112, 100}, 6, 0, v), (Pt{498, 500}));
  EXPECT_EQ(PanCapturePoint(Pt{500, 500}, Pt{100, 100}, Pt{112, 100}, 6, 1, v), (Pt{502, 500}));  // mirrored
  EXPECT_EQ(PanCapturePoint(Pt{500, 500}, Pt{100, 100}, Pt{103, 100}, 6, 0, v), (Pt{500, 500}));  // 499.5 rounds away
  EXPECT_EQ(PanCapturePoint(Pt{5, 5}, Pt{100, 100}, Pt{400, 400}, 2, 0, v), (Pt{0, 0}));
  // Quarter turn clockwise: dragging down moves the picture down, i.e. the point's x grows back.
  EXPECT_EQ(PanCapturePoint(Pt{500, 500}, Pt{100, 100}, Pt{100, 112}, 6, 4, v), (Pt{498, 500}));
}

TEST(CaptureMath, DoubleClickTargetsTheCellUnderThePointer) {
  const Rc v{0, 0, 1000, 1000};
  // Zoom 6, centre column 21: the cell 12 columns right of the centre.
  const int x = 7 + (21 + 12) * 6 + 3;
  EXPECT_EQ(PointUnderClient(Pt{500, 500}, Pt{x, 25 + 7 + 7 * 6 + 2}, 7, 7, 25, 6, 21, 7, v), (Pt{512, 500}));
}

TEST(CaptureMath, AnimationsEaseAndEndOnTheTarget) {
  const auto near = CaptureAnimationSteps(Pt{0, 0}, Pt{3, -5});
  ASSERT_EQ(near.size(), 1u);  // within 5 pixels: at once
  const auto far = CaptureAnimationSteps(Pt{0, 0}, Pt{12, 0});
  ASSERT_EQ(far.size(), 5u);
  EXPECT_EQ(far[0], (Pt{2, 0}));   // 12/5*1 = 2.4
  EXPECT_EQ(far[1], (Pt{6, 0}));   // +round(10/5*2) = 4
  EXPECT_EQ(far.back(), (Pt{12, 0}));
  const auto cursor = CursorAnimationSteps(Pt{0, 0}, Pt{100, -50});
  ASSERT_EQ(cursor.size(), 10u);
  EXPECT_EQ(cursor[0], (Pt{10, -5}));
  EXPECT_EQ(cursor[8], (Pt{90, -45}));
  EXPECT_EQ(CursorAnimationSteps(Pt{0, 0}, Pt{10, 10}).size(), 1u);
}

TEST(CaptureMath, AnimationsBetweenExtremePointsStayInRange) {
  // A fixed point from a damaged settings file may lie at the ends of the int range.
  const Pt lo{INT_MIN, INT_MIN}, hi{INT_MAX, INT_MAX};
  for (const auto& steps : {CaptureAnimationSteps(lo, hi), CursorAnimationSteps(hi, lo)}) {
    ASSERT_GT(steps.size(), 1u);
    Pt prev = steps.front();
    for (const Pt& p : steps) {  // monotone from one end to the other
      EXPECT_EQ(p.x, p.y);
      EXPECT_TRUE(steps.front().x < steps.back().x ? p.x >= prev.x : p.x <= prev.x);
      prev = p;
    }
  }
  EXPECT_EQ(CaptureAnimationSteps(lo, hi).back(), hi);
  EXPECT_EQ(CursorAnimationSteps(hi, lo).back(), lo);
}

TEST(CaptureMath, RepeatTimings) {
  EXPECT_EQ(RepeatDelayMs(0), 250);
  EXPECT_EQ(RepeatDelayMs(3), 1000);
  EXPECT_EQ(RepeatIntervalMs(0), 400);
  EXPECT_EQ(RepeatIntervalMs(31), 28);
}

}  // namespace
}  // namespace zorvik

namespace zorvik {
namespace {

TEST(CaptureMath, MoveCommandNamesRoundTrip) {
  for (Direction d : {Direction::Left, Direction::Right, Direction::Up, Direction::Down}) {
    Direction back = d == Direction::Left ? Direction::Right : Direction::Left;
    ASSERT_TRUE(MoveDirectionOf(MoveCommandName(d), back));
    EXPECT_EQ(back, d);
  }
  EXPECT_STREQ(MoveCommandName(Direction::Up), "Action_Move_Up");
  Direction d = Direction::Up;
  EXPECT_FALSE(MoveDirectionOf("Action_Move_Monitor", d));
  EXPECT_EQ(d, Direction::Up);
}

}  // namespace
}  // namespace zorvik
