// The monitor list of the process: rectangles and handles in enumeration
// order, the virtual screen and the screen region.
#pragma once
#include <windows.h>

#include <vector>

#include "platform/screen_math.h"

namespace zorvik {

Rc ToRc(const RECT& r);
RECT ToRECT(const Rc& r);

class TMyScreenSize {
public:
  TMyScreenSize();
  ~TMyScreenSize();
  TMyScreenSize(const TMyScreenSize&) = delete;
  TMyScreenSize& operator=(const TMyScreenSize&) = delete;

  void Refresh();
  int Count() const { return layout_.Count(); }
  RECT MonitorRect(int index) const { return ToRECT(layout_.MonitorRect(index)); }
  int MonitorOfPoint(POINT p, POINT* relative = nullptr) const;
  RECT MonitorRectAt(POINT p) const { return ToRECT(layout_.MonitorRectAt(Pt{p.x, p.y})); }
  int IndexOfHandle(HMONITOR m) const;
  int MonitorNumberOfWindow(HWND window) const;
  bool IntersectsAnyMonitor(const RECT& r) const { return layout_.IntersectsAnyMonitor(ToRc(r)); }
  int VirtualLeft() const { return layout_.Virtual().left; }
  int VirtualTop() const { return layout_.Virtual().top; }
  int VirtualWidth() const { return layout_.Virtual().Width(); }
  int VirtualHeight() const { return layout_.Virtual().Height(); }
  HRGN ScreenRegion() const { return region_; }
  const MonitorLayout& Layout() const { return layout_; }
  void EnsureOnScreen(HWND window) const;

private:
  MonitorLayout layout_;
  std::vector<HMONITOR> handles_;
  HRGN region_ = nullptr;
};

// The one monitor list, built before the main window exists.
TMyScreenSize& ScreenSize();

RECT WorkAreaOf(HMONITOR monitor);
RECT WorkAreaNearest(const RECT& rect);
void FitToWorkArea(HWND window, const RECT& rect);

}  // namespace zorvik
