#include "kit/splitter.h"

#include <windowsx.h>

#include "kit/layout_math.h"

namespace zorvik::kit {

bool Splitter::Create(HWND parent, Orientation orientation, const RECT& r) {
  orientation_ = orientation;
  const wchar_t* cls = orientation == Orientation::Vertical ? L"ZorvikKitSplitterV" : L"ZorvikKitSplitterH";
  if (!Window::Create(cls, L"", WS_CHILD | WS_VISIBLE, 0, r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                      nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), 0))
    return false;
  return true;
}

void Splitter::SetPane(HWND pane, PaneSide side, int minimum, int restMinimum) {
  pane_ = pane;
  side_ = side;
  minimum_ = minimum;
  restMinimum_ = restMinimum;
}

RECT Splitter::RectInParent(HWND w) const {
  RECT r{};
  GetWindowRect(w, &r);
  MapWindowPoints(nullptr, GetParent(Handle()), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

int Splitter::PaneSize() const {
  if (!pane_) return 0;
  const RECT r = RectInParent(pane_);
  return orientation_ == Orientation::Vertical ? r.right - r.left : r.bottom - r.top;
}

void Splitter::MoveTo(int size) {
  if (!pane_) return;
  RECT client{};
  GetClientRect(GetParent(Handle()), &client);
  RECT pane = RectInParent(pane_), bar = RectInParent(Handle());
  const bool vertical = orientation_ == Orientation::Vertical;
  const int thickness = vertical ? bar.right - bar.left : bar.bottom - bar.top;
  const int room = (vertical ? client.right : client.bottom) - thickness;
  size = ClampPaneSize(size, minimum_, room, restMinimum_);
  LONG& paneNear = vertical ? pane.left : pane.top;
  LONG& paneFar = vertical ? pane.right : pane.bottom;
  LONG& barNear = vertical ? bar.left : bar.top;
  LONG& barFar = vertical ? bar.right : bar.bottom;
  if (side_ == PaneSide::Before) {  // the pane's left (top) edge stays
    paneFar = paneNear + size;
    barNear = paneFar;
  } else {  // the pane's right (bottom) edge stays
    paneNear = paneFar - size;
    barNear = paneNear - thickness;
  }
  barFar = barNear + thickness;
  SetWindowPos(pane_, nullptr, pane.left, pane.top, pane.right - pane.left, pane.bottom - pane.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(Handle(), nullptr, bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  if (onMoved) onMoved(size);
}

LRESULT Splitter::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, orientation_ == Orientation::Vertical ? IDC_SIZEWE : IDC_SIZENS));
      return TRUE;
    case WM_LBUTTONDOWN: {
      POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      MapWindowPoints(Handle(), GetParent(Handle()), &p, 1);
      dragging_ = pane_ != nullptr;
      dragStart_ = Along(p);
      sizeAtStart_ = PaneSize();
      if (dragging_) SetCapture(Handle());
      return 0;
    }
    case WM_MOUSEMOVE:
      if (dragging_) {
        POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        MapWindowPoints(Handle(), GetParent(Handle()), &p, 1);
        const int delta = Along(p) - dragStart_;
        MoveTo(side_ == PaneSide::Before ? sizeAtStart_ + delta : sizeAtStart_ - delta);
      }
      return 0;
    case WM_LBUTTONUP:
      if (dragging_) ReleaseCapture();
      return 0;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      return 0;
    default:
      break;
  }
  return Window::HandleMessage(msg, wp, lp);
}

}  // namespace zorvik::kit
