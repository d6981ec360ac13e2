#include "commands/gestures.h"

#include <cmath>
#include <cstdlib>

namespace zorvik {

namespace {

// 64-bit components so that differences of extreme coordinates cannot overflow.
int AngleOf(long long dx, long long dy) {
  if (dx == 0 && dy == 0) return -1;
  if (dx == 0) return dy > 0 ? 90 : 270;
  if (dy == 0) return dx > 0 ? 0 : 180;
  constexpr double kDegreesPerRadian = 57.29577951308232;
  // std::round rounds halves away from zero.
  const int a = static_cast<int>(
      std::round(std::atan(static_cast<double>(dy) / static_cast<double>(dx)) * kDegreesPerRadian));
  if (dx < 0) return a + 180;
  if (dy > 0) return a;
  return a + 360;
}

}  // namespace

int GestureAngle(int dx, int dy) { return AngleOf(dx, dy); }

Gesture ClassifyGesture(GesturePoint start, GesturePoint end, int doubleClickCx, int doubleClickCy) {
  if (start.x <= 0 || start.y <= 0) return Gesture::NotStarted;
  long long dx = static_cast<long long>(end.x) - start.x;
  long long dy = static_cast<long long>(start.y) - end.y;  // upwards positive
  if (std::llabs(dx) <= 3LL * doubleClickCx) dx = 0;
  if (std::llabs(dy) <= 3LL * doubleClickCy) dy = 0;
  const int angle = AngleOf(dx, dy);
  if (angle < 0) return Gesture::None;
  if (angle <= 45 || angle >= 316) return Gesture::Right;
  if (angle <= 135) return Gesture::Up;
  if (angle <= 225) return Gesture::Left;
  return Gesture::Down;
}

int GestureSlotOf(Gesture gesture) {
  switch (gesture) {
    case Gesture::Up: return kGestureUp;
    case Gesture::Down: return kGestureDown;
    case Gesture::Left: return kGestureLeft;
    case Gesture::Right: return kGestureRight;
    default: return -1;
  }
}

GestureBindings GestureBindings::Defaults() {
  GestureBindings g;
  for (int i = 0; i < kGestureSlotCount; ++i) g.slots[i] = CommandByName(DefaultGestureCommand(i));
  return g;
}

const CommandDef* GestureBindings::CommandFor(Gesture gesture) const {
  const int slot = GestureSlotOf(gesture);
  return slot < 0 ? nullptr : slots[slot];
}

}  // namespace zorvik
