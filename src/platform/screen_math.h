// Rectangles and the monitor list arithmetic, without any window system.
#pragma once
#include <cstdint>
#include <vector>

namespace zorvik {

struct Pt {
  int x = 0, y = 0;
  bool operator==(const Pt& o) const { return x == o.x && y == o.y; }
  bool operator!=(const Pt& o) const { return !(*this == o); }
};

struct Rc {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  // Without overflow, for rectangles that come from outside (a stored file).
  int64_t Width64() const { return int64_t{right} - left; }
  int64_t Height64() const { return int64_t{bottom} - top; }
  // Right and bottom edges excluded.
  bool Contains(Pt p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  Rc Offset(int dx, int dy) const { return Rc{left + dx, top + dy, right + dx, bottom + dy}; }
  bool operator==(const Rc& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

// True when the two rectangles share an area of non-zero width and height.
bool Overlaps(const Rc& a, const Rc& b);

// low when low == high or value < low; high when value > high.
int Clamp(int value, int low, int high);
// Steps of one wrap around: high + 1 -> low, low - 1 -> high; low when low == high.
int Wrap(int value, int low, int high);

// A rectangle of inner's size centred in outer (div truncates toward zero).
Rc CentreRect(const Rc& outer, const Rc& inner);

// rect moved into the work area: clamped when it fits, else aligned to the
// work area's left/top edge. Size unchanged (as far as int can hold it).
Rc FitRectToArea(const Rc& rect, const Rc& area);
// A window rectangle read from outside, made one a window can have: its
// size limited to `bound`'s (the virtual screen), its corner moved so that
// it lies inside `bound`. A negative size becomes 0.
Rc LimitRectToBound(const Rc& rect, const Rc& bound);

// The monitor list: full monitor rectangles in enumeration order.
class MonitorLayout {
public:
  MonitorLayout() = default;
  explicit MonitorLayout(std::vector<Rc> monitors) { Assign(std::move(monitors)); }
  void Assign(std::vector<Rc> monitors);

  int Count() const { return static_cast<int>(monitors_.size()); }
  Rc MonitorRect(int index) const;  // 0-based; empty when out of range
  // 1-based number of the first monitor containing p and p relative to its
  // corner; (0, (0, 0)) when none does.
  int MonitorOfPoint(Pt p, Pt* relative = nullptr) const;
  Rc MonitorRectAt(Pt p) const;
  bool IntersectsAnyMonitor(const Rc& r) const;
  // The union of all monitors, grown from (0, 0, 0, 0).
  const Rc& Virtual() const { return virtual_; }
  // Whether a window at r needs moving back on screen (no part on any monitor).
  bool IsOffScreen(const Rc& r) const { return !IntersectsAnyMonitor(r); }

  // Where the monitor move command puts a window's top-left corner: the next
  // monitor's corner with shift (after the last the first; a window on an
  // unknown monitor, number <= 0, gets the last), else the primary origin.
  Pt MonitorMoveTarget(int currentNumber, bool shift) const;

  // Loupe window clamp: x within the virtual screen, y may let the
  // information area hang below its bottom.
  Pt ClampLoupePosition(Pt p, int width, int height, int infoHeight) const;

private:
  std::vector<Rc> monitors_;
  Rc virtual_;
};

}  // namespace zorvik
