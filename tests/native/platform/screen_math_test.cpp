#include "platform/screen_math.h"

#include <gtest/gtest.h>

#include <limits>

namespace zorvik {
namespace {

// Primary 800x600 at the origin, a second monitor 640x480 left of it.
MonitorLayout LeftLayout() { return MonitorLayout({Rc{0, 0, 800, 600}, Rc{-640, 0, 0, 480}}); }

TEST(MonitorLayout, VirtualBoundsStartAtTheNegativeLeft) {
  const MonitorLayout m = LeftLayout();
  EXPECT_EQ(m.Virtual(), (Rc{-640, 0, 800, 600}));
  EXPECT_EQ(MonitorLayout({Rc{100, 100, 200, 200}}).Virtual(), (Rc{0, 0, 200, 200}));  // origin always inside
}

TEST(MonitorLayout, PointLookupExcludesRightAndBottomEdges) {
  const MonitorLayout m = LeftLayout();
  Pt rel;
  EXPECT_EQ(m.MonitorOfPoint(Pt{-1, 10}, &rel), 2);
  EXPECT_EQ(rel, (Pt{639, 10}));
  EXPECT_EQ(m.MonitorOfPoint(Pt{0, 10}), 1);  // the right edge of monitor 2 belongs to monitor 1
  EXPECT_EQ(m.MonitorOfPoint(Pt{800, 10}, &rel), 0);
  EXPECT_EQ(rel, (Pt{0, 0}));
  EXPECT_EQ(m.MonitorOfPoint(Pt{-5, 480}), 0);  // below monitor 2
  EXPECT_EQ(m.MonitorRectAt(Pt{900, 900}), Rc{});
  EXPECT_EQ(m.MonitorRect(5), Rc{});
}

TEST(MonitorLayout, OffScreenWindows) {
  const MonitorLayout m = LeftLayout();
  EXPECT_FALSE(m.IsOffScreen(Rc{-500, 100, -200, 300}));  // on the left monitor
  EXPECT_TRUE(m.IsOffScreen(Rc{-640, 500, -100, 590}));   // under the shorter monitor
  EXPECT_TRUE(m.IsOffScreen(Rc{800, 0, 900, 100}));       // touching the edge only
  EXPECT_FALSE(m.IsOffScreen(Rc{799, 599, 900, 700}));    // one pixel inside
}

TEST(MonitorLayout, MonitorMoveTargets) {
  const MonitorLayout m = LeftLayout();
  EXPECT_EQ(m.MonitorMoveTarget(1, false), (Pt{0, 0}));
  EXPECT_EQ(m.MonitorMoveTarget(1, true), (Pt{-640, 0}));
  EXPECT_EQ(m.MonitorMoveTarget(2, true), (Pt{0, 0}));    // after the last, the first
  EXPECT_EQ(m.MonitorMoveTarget(-1, true), (Pt{-640, 0}));  // unknown monitor: the last
  const MonitorLayout one({Rc{0, 0, 800, 600}});
  EXPECT_EQ(one.MonitorMoveTarget(1, true), (Pt{0, 0}));
}

TEST(Rects, ClampWrapCentreFit) {
  EXPECT_EQ(Clamp(5, 3, 3), 3);
  EXPECT_EQ(Clamp(-1, 0, 10), 0);
  EXPECT_EQ(Clamp(11, 0, 10), 10);
  EXPECT_EQ(Wrap(4, 1, 3), 1);
  EXPECT_EQ(Wrap(0, 1, 3), 3);
  EXPECT_EQ(Wrap(2, 1, 3), 2);
  EXPECT_EQ(Wrap(9, 2, 2), 2);
  EXPECT_EQ(CentreRect(Rc{0, 0, 101, 50}, Rc{0, 0, 10, 10}), (Rc{45, 20, 55, 30}));
  const Rc area{0, 0, 800, 560};
  EXPECT_EQ(FitRectToArea(Rc{750, 500, 850, 600}, area), (Rc{700, 460, 800, 560}));
  EXPECT_EQ(FitRectToArea(Rc{-50, 10, 950, 110}, area), (Rc{0, 10, 1000, 110}));  // wider: left edge
  EXPECT_EQ(FitRectToArea(Rc{10, 10, 60, 60}, area), (Rc{10, 10, 60, 60}));
}

// Window rectangles from a stored file may be anything; the sizes are taken
// in 64 bits and the result is a rectangle of the virtual screen.
TEST(ScreenMath, StoredRectanglesOfAnySizeStayInside) {
  constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
  const Rc screen{-640, 0, 1440, 600};
  const struct {
    Rc stored, limited;
  } cases[] = {
      {Rc{kMin + 1, kMin + 1, kMax, kMax}, Rc{-640, 0, 1440, 600}},  // wider than the screen: the screen
      {Rc{kMin, 0, kMin + 100, 50}, Rc{-640, 0, -540, 50}},          // far left: moved in, size kept
      {Rc{kMax - 10, kMax - 10, kMax, kMax}, Rc{1430, 590, 1440, 600}},
      {Rc{100, 100, 50, 50}, Rc{100, 100, 100, 100}},  // negative size: none
      {Rc{10, 20, 310, 220}, Rc{10, 20, 310, 220}},    // a real window: unchanged
  };
  for (const auto& c : cases) {
    const Rc r = LimitRectToBound(c.stored, screen);
    EXPECT_EQ(r, c.limited) << c.stored.left << "," << c.stored.top << "," << c.stored.right << "," << c.stored.bottom;
    EXPECT_EQ(FitRectToArea(r, Rc{0, 0, 800, 560}).Width64(), r.Width64());
  }
  // FitRectToArea alone: no overflow in the size.
  const Rc fitted = FitRectToArea(Rc{kMin + 1, 0, kMax, 10}, Rc{0, 0, 800, 560});
  EXPECT_EQ(fitted.left, 0);
  EXPECT_EQ(fitted.right, kMax);
}

TEST(MonitorLayout, LoupeMayHangBelowTheScreen) {
  const MonitorLayout m({Rc{0, 0, 800, 600}});
  EXPECT_EQ(m.ClampLoupePosition(Pt{790, 590}, 200, 300, 100), (Pt{600, 400}));
  EXPECT_EQ(m.ClampLoupePosition(Pt{-10, -10}, 200, 300, 100), (Pt{0, 0}));
}

}  // namespace
}  // namespace zorvik
