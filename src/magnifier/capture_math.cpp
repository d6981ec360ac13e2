#include "magnifier/capture_math.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zorvik {

namespace {
struct MoveName {
  Direction direction;
  const char* name;
};
constexpr MoveName kMoveNames[] = {{Direction::Left, "Action_Move_Left"},
                                   {Direction::Right, "Action_Move_Right"},
                                   {Direction::Up, "Action_Move_Up"},
                                   {Direction::Down, "Action_Move_Down"}};
}  // namespace

const char* MoveCommandName(Direction d) {
  for (const MoveName& m : kMoveNames)
    if (m.direction == d) return m.name;
  return kMoveNames[0].name;
}

bool MoveDirectionOf(std::string_view commandName, Direction& d) {
  for (const MoveName& m : kMoveNames)
    if (commandName == m.name) {
      d = m.direction;
      return true;
    }
  return false;
}

Direction MapMoveByFlip(Direction d, int flipMode) {
  auto pick = [d](Direction l, Direction r, Direction u, Direction dn) {
    switch (d) {
      case Direction::Left: return l;
      case Direction::Right: return r;
      case Direction::Up: return u;
      default: return dn;
    }
  };
  using D = Direction;
  switch (flipMode) {
    case 1: return pick(D::Right, D::Left, D::Up, D::Down);
    case 2: return pick(D::Left, D::Right, D::Down, D::Up);
    case 3:
    case 5: return pick(D::Right, D::Left, D::Down, D::Up);
    case 4: return pick(D::Down, D::Up, D::Left, D::Right);
    case 6: return pick(D::Up, D::Down, D::Right, D::Left);
    default: return d;
  }
}

Pt Step(Pt p, Direction d, int step) {
  switch (d) {
    case Direction::Left: p.x -= step; break;
    case Direction::Right: p.x += step; break;
    case Direction::Up: p.y -= step; break;
    case Direction::Down: p.y += step; break;
  }
  return p;
}

int RoundHalfAway(double v) { return static_cast<int>(v < 0 ? -std::floor(-v + 0.5) : std::floor(v + 0.5)); }

Pt ClampToVirtual(Pt p, const Rc& v) {
  return Pt{Clamp(p.x, v.left, v.right - 1), Clamp(p.y, v.top, v.bottom - 1)};
}

Pt TrackMonitor(Pt p, const MonitorLayout& monitors, int& lastMonitor) {
  const int n = monitors.MonitorOfPoint(p);
  if (n > 0 || lastMonitor <= 0) {
    lastMonitor = n;
    return p;
  }
  const Rc m = monitors.MonitorRect(lastMonitor - 1);
  if (m.Width() <= 0 || m.Height() <= 0) return p;
  return Pt{Clamp(p.x, m.left, m.right - 1), Clamp(p.y, m.top, m.bottom - 1)};
}

Pt PanCapturePoint(Pt pressCapture, Pt pressScreen, Pt now, int zoom, int flipMode, const Rc& v) {
  const int z = zoom < 1 ? 1 : zoom;
  // Mirror the pointer about the press point where the picture is mirrored.
  if (flipMode == 1 || flipMode == 3 || flipMode == 5) now.x = 2 * pressScreen.x - now.x;
  if (flipMode == 2 || flipMode == 3 || flipMode == 5) now.y = 2 * pressScreen.y - now.y;
  // Quarter turns: the pointer's movement turned back, so the picture follows it.
  if (flipMode == 4 || flipMode == 6) {
    const int dx = now.x - pressScreen.x, dy = now.y - pressScreen.y;
    const int sign = flipMode == 4 ? 1 : -1;
    now.x = pressScreen.x + sign * dy;
    now.y = pressScreen.y - sign * dx;
  }
  const int x = RoundHalfAway((static_cast<double>(pressCapture.x) * z + pressScreen.x - now.x) / z);
  const int y = RoundHalfAway((static_cast<double>(pressCapture.y) * z + pressScreen.y - now.y) / z);
  return Pt{Clamp(x, v.left, v.right - 1), Clamp(y, v.top, v.bottom - 1)};
}

Pt PointUnderClient(Pt capture, Pt client, int viewLeft, int viewTop, int toolBarHeight, int zoom, int centerCol,
                    int centerRow, const Rc& v) {
  const int z = zoom < 1 ? 1 : zoom;
  const int x = capture.x + (client.x - viewLeft) / z - centerCol;
  const int y = capture.y + (client.y - toolBarHeight - viewTop) / z - centerRow;
  return Pt{Clamp(x, v.left, v.right - 1), Clamp(y, v.top, v.bottom - 1)};
}

namespace {
// Distances between two points anywhere in the int range do not fit an int.
long long Distance(int a, int b) { return std::llabs(static_cast<long long>(b) - a); }
// from + round((to - from) / den * i), without overflow and never past to.
int Towards(int from, int to, double den, int i) {
  const double d = (static_cast<double>(to) - from) / den * i;
  const double r = d < 0 ? -std::floor(-d + 0.5) : std::floor(d + 0.5);
  const long long v = static_cast<long long>(from) + static_cast<long long>(r);
  return static_cast<int>(std::clamp<long long>(v, std::min(from, to), std::max(from, to)));
}
}  // namespace

std::vector<Pt> CaptureAnimationSteps(Pt from, Pt target) {
  std::vector<Pt> out;
  if (Distance(from.x, target.x) > 5 || Distance(from.y, target.y) > 5) {
    Pt p = from;
    for (int i = 1; i <= 4; ++i) {
      p.x = Towards(p.x, target.x, 5.0, i);
      p.y = Towards(p.y, target.y, 5.0, i);
      out.push_back(p);
    }
  }
  out.push_back(target);
  return out;
}

std::vector<Pt> CursorAnimationSteps(Pt from, Pt target) {
  std::vector<Pt> out;
  if (Distance(from.x, target.x) > 10 || Distance(from.y, target.y) > 10) {
    for (int i = 1; i <= 9; ++i)
      out.push_back(Pt{Towards(from.x, target.x, 10.0, i), Towards(from.y, target.y, 10.0, i)});
  }
  out.push_back(target);
  return out;
}

int RepeatDelayMs(int delay) { return (Clamp(delay, 0, 3) + 1) * 250; }
int RepeatIntervalMs(int speed) { return 400 - 12 * Clamp(speed, 0, 31); }

}  // namespace zorvik
