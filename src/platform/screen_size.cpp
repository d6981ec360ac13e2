#include "platform/screen_size.h"

namespace zorvik {

Rc ToRc(const RECT& r) { return Rc{r.left, r.top, r.right, r.bottom}; }
RECT ToRECT(const Rc& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

namespace {
struct Collect {
  std::vector<Rc> rects;
  std::vector<HMONITOR> handles;
};
BOOL CALLBACK OnMonitor(HMONITOR m, HDC, LPRECT r, LPARAM p) {
  auto* c = reinterpret_cast<Collect*>(p);
  c->rects.push_back(ToRc(*r));
  c->handles.push_back(m);
  return TRUE;
}
}  // namespace

TMyScreenSize::TMyScreenSize() { Refresh(); }

TMyScreenSize::~TMyScreenSize() {
  if (region_) DeleteObject(region_);
}

void TMyScreenSize::Refresh() {
  Collect c;
  EnumDisplayMonitors(nullptr, nullptr, OnMonitor, reinterpret_cast<LPARAM>(&c));
  if (region_) DeleteObject(region_);
  region_ = CreateRectRgn(0, 0, 0, 0);
  for (const Rc& r : c.rects) {
    HRGN part = CreateRectRgn(r.left, r.top, r.right, r.bottom);
    CombineRgn(region_, region_, part, RGN_OR);
    DeleteObject(part);
  }
  handles_ = std::move(c.handles);
  layout_.Assign(std::move(c.rects));
  OffsetRgn(region_, -layout_.Virtual().left, -layout_.Virtual().top);
}

int TMyScreenSize::MonitorOfPoint(POINT p, POINT* relative) const {
  Pt rel;
  const int n = layout_.MonitorOfPoint(Pt{p.x, p.y}, &rel);
  if (relative) *relative = POINT{rel.x, rel.y};
  return n;
}

int TMyScreenSize::IndexOfHandle(HMONITOR m) const {
  for (size_t i = 0; i < handles_.size(); ++i)
    if (handles_[i] == m) return static_cast<int>(i) + 1;
  return -1;
}

int TMyScreenSize::MonitorNumberOfWindow(HWND window) const {
  RECT r{};
  GetWindowRect(window, &r);
  return IndexOfHandle(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST));
}

void TMyScreenSize::EnsureOnScreen(HWND window) const {
  RECT r{};
  GetWindowRect(window, &r);
  OffsetRect(&r, -VirtualLeft(), -VirtualTop());
  if (!region_ || !RectInRegion(region_, &r))
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOSIZE);
}

TMyScreenSize& ScreenSize() {
  static TMyScreenSize instance;
  return instance;
}

RECT WorkAreaOf(HMONITOR monitor) {
  MONITORINFO mi{};
  mi.cbSize = sizeof mi;
  if (!GetMonitorInfoW(monitor, &mi)) return RECT{0, 0, 0, 0};
  return mi.rcWork;
}

RECT WorkAreaNearest(const RECT& rect) { return WorkAreaOf(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST)); }

void FitToWorkArea(HWND window, const RECT& rect) {
  const Rc fitted = FitRectToArea(ToRc(rect), ToRc(WorkAreaNearest(rect)));
  SetWindowPos(window, nullptr, fitted.left, fitted.top, fitted.Width(), fitted.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace zorvik
