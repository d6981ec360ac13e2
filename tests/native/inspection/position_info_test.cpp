#include "inspection/position_info.h"

#include <gtest/gtest.h>

#include <climits>

namespace zorvik {
namespace {

TEST(PositionInfo, LengthCountsPixelsInclusively) {
  const struct {
    Pt cursor, origin;
    int w, h;
  } cases[] = {
      {{40, 30}, {40, 30}, 1, 1},     // at the origin
      {{50, 25}, {40, 30}, 11, 6},    // 10 right, 5 above
      {{30, 35}, {40, 30}, 11, 6},    // 10 left, 5 below
      {{-5, -5}, {0, 0}, 6, 6},       // left of and above the primary monitor
      {{INT_MAX, 0}, {INT_MIN, 0}, INT_MAX, 1},  // saturates instead of overflowing
  };
  for (const auto& c : cases) {
    const LengthSize s = LengthFrom(c.cursor, c.origin);
    EXPECT_EQ(s.width, c.w) << c.cursor.x << "," << c.cursor.y;
    EXPECT_EQ(s.height, c.h) << c.cursor.x << "," << c.cursor.y;
  }
}

TEST(PositionInfo, MonitorOwnsItsLeftAndTopEdgesOnly) {
  // Primary 1920x1080, a second monitor to its left, a third touching the
  // primary's right edge but lower, leaving a gap above it.
  const MonitorLayout monitors({Rc{0, 0, 1920, 1080}, Rc{-1280, 0, 0, 1024}, Rc{1920, 500, 3200, 1524}});
  const struct {
    Pt p;
    int number, x, y;
  } cases[] = {
      {{0, 0}, 1, 0, 0},
      {{1919, 1079}, 1, 1919, 1079},
      {{-1, 5}, 2, 1279, 5},         // right edge of monitor 2 is outside it
      {{-1280, 1023}, 2, 0, 1023},
      {{1920, 500}, 3, 0, 0},  // right edge of the primary: the next monitor
      {{1920, 10}, 0, 0, 0},         // in the gap
      {{0, 1080}, 0, 0, 0},          // below the primary
  };
  for (const auto& c : cases) {
    const MonitorPosition m = MonitorPositionOf(c.p, monitors);
    EXPECT_EQ(m.number, c.number) << c.p.x << "," << c.p.y;
    EXPECT_EQ(m.x, c.x) << c.p.x << "," << c.p.y;
    EXPECT_EQ(m.y, c.y) << c.p.x << "," << c.p.y;
  }
}

TEST(PositionInfo, FiguresOfASnapshot) {
  T_DispInfo d;
  d.InspectedX = 150;
  d.InspectedY = 260;
  d.ClientOriginX = 100;
  d.ClientOriginY = 200;
  d.LengthOriginX = 160;
  d.LengthOriginY = 250;
  const MonitorLayout monitors({Rc{-100, -100, 100, 100}, Rc{100, 100, 300, 300}});
  const PositionFigures f = PositionFiguresOf(d, monitors);
  EXPECT_EQ(f.screen, (Pt{150, 260}));
  EXPECT_EQ(f.client, (Pt{50, 60}));
  EXPECT_EQ(f.clientOrigin, (Pt{100, 200}));
  EXPECT_EQ(f.monitor.number, 2);
  EXPECT_EQ(f.monitor.x, 50);
  EXPECT_EQ(f.monitor.y, 160);
  EXPECT_EQ(f.length.width, 11);
  EXPECT_EQ(f.length.height, 11);
  EXPECT_EQ(f.lengthOrigin, (Pt{160, 250}));
  // Client origin from the point converted into client coordinates.
  EXPECT_EQ(ClientOriginOf(Pt{150, 260}, Pt{50, 60}), (Pt{100, 200}));
}

TEST(PositionInfo, RestoredLengthOriginIsClampedToTheVirtualScreenSize) {
  EXPECT_EQ(ClampLengthOrigin(Pt{-5, 2000}, 1920, 1080), (Pt{0, 1080}));
  EXPECT_EQ(ClampLengthOrigin(Pt{1920, 0}, 1920, 1080), (Pt{1920, 0}));
  EXPECT_EQ(ClampLengthOrigin(Pt{3000, 7}, 1920, 1080), (Pt{1920, 7}));
}

}  // namespace
}  // namespace zorvik
