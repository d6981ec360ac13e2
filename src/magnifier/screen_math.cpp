#include "magnifier/screen_math.h"

#include <algorithm>

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

Rc FitRectToArea(const Rc& rect, const Rc& area) {
  const int w = rect.Width(), h = rect.Height();
  const int left = w < area.Width() ? Clamp(rect.left, area.left, area.left + area.Width() - w) : area.left;
  const int top = h < area.Height() ? Clamp(rect.top, area.top, area.top + area.Height() - h) : area.top;
  return Rc{left, top, left + w, top + h};
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
