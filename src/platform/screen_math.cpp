#include "platform/screen_math.h"

#include <algorithm>
#include <limits>

namespace zorvik {

bool Overlaps(const Rc& a, const Rc& b) {
  const int l = std::max(a.left, b.left), r = std::min(a.right, b.right);
  const int t = std::max(a.top, b.top), btm = std::min(a.bottom, b.bottom);
  return r > l && btm > t;
}

int Clamp(int value, int low, int high) {
  if (low == high || value < low) return low;
  if (value > high) return high;
  return value;
}

int Wrap(int value, int low, int high) {
  if (low == high) return low;
  if (value > high) return low;
  if (value < low) return high;
  return value;
}

Rc CentreRect(const Rc& outer, const Rc& inner) {
  const int w = inner.Width(), h = inner.Height();
  const int left = outer.left + (outer.Width() - w) / 2;
  const int top = outer.top + (outer.Height() - h) / 2;
  return Rc{left, top, left + w, top + h};
}

namespace {
int64_t Clamp64(int64_t value, int64_t low, int64_t high) { return value < low ? low : value > high ? high : value; }
int ToInt(int64_t v) {
  return static_cast<int>(Clamp64(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
}  // namespace

Rc FitRectToArea(const Rc& rect, const Rc& area) {
  const int64_t w = rect.Width64(), h = rect.Height64();
  const int64_t left = w < area.Width64() ? Clamp64(rect.left, area.left, area.right - w) : area.left;
  const int64_t top = h < area.Height64() ? Clamp64(rect.top, area.top, area.bottom - h) : area.top;
  return Rc{ToInt(left), ToInt(top), ToInt(left + w), ToInt(top + h)};
}

Rc LimitRectToBound(const Rc& rect, const Rc& bound) {
  const int64_t w = Clamp64(rect.Width64(), 0, std::max<int64_t>(0, bound.Width64()));
  const int64_t h = Clamp64(rect.Height64(), 0, std::max<int64_t>(0, bound.Height64()));
  const int64_t left = Clamp64(rect.left, bound.left, std::max<int64_t>(bound.left, bound.right - w));
  const int64_t top = Clamp64(rect.top, bound.top, std::max<int64_t>(bound.top, bound.bottom - h));
  return Rc{ToInt(left), ToInt(top), ToInt(left + w), ToInt(top + h)};
}

void MonitorLayout::Assign(std::vector<Rc> monitors) {
  monitors_ = std::move(monitors);
  virtual_ = Rc{};
  for (const Rc& m : monitors_) {
    virtual_.left = std::min(virtual_.left, m.left);
    virtual_.top = std::min(virtual_.top, m.top);
    virtual_.right = std::max(virtual_.right, m.right);
    virtual_.bottom = std::max(virtual_.bottom, m.bottom);
  }
}

Rc MonitorLayout::MonitorRect(int index) const {
  if (index < 0 || index >= Count()) return Rc{};
  return monitors_[static_cast<size_t>(index)];
}

int MonitorLayout::MonitorOfPoint(Pt p, Pt* relative) const {
  for (int i = 0; i < Count(); ++i) {
    const Rc& m = monitors_[static_cast<size_t>(i)];
    if (m.Contains(p)) {
      if (relative) *relative = Pt{p.x - m.left, p.y - m.top};
      return i + 1;
    }
  }
  if (relative) *relative = Pt{};
  return 0;
}

Rc MonitorLayout::MonitorRectAt(Pt p) const {
  const int n = MonitorOfPoint(p);
  return n > 0 ? monitors_[static_cast<size_t>(n - 1)] : Rc{};
}

bool MonitorLayout::IntersectsAnyMonitor(const Rc& r) const {
  for (const Rc& m : monitors_)
    if (Overlaps(r, m)) return true;
  return false;
}

Pt MonitorLayout::MonitorMoveTarget(int currentNumber, bool shift) const {
  if (!shift || Count() == 0) return Pt{0, 0};
  const int target = Wrap(currentNumber + 1, 1, Count());
  const Rc& m = monitors_[static_cast<size_t>(target - 1)];
  return Pt{m.left, m.top};
}

Pt MonitorLayout::ClampLoupePosition(Pt p, int width, int height, int infoHeight) const {
  return Pt{Clamp(p.x, virtual_.left, virtual_.right - width),
            Clamp(p.y, virtual_.top, virtual_.bottom - height + infoHeight)};
}

}  // namespace zorvik
