// A bar between two panes that the user drags to share the room between
// them. It resizes one pane (keeping that pane's far edge where it is),
// moves itself along and tells its owner, who lays out the rest.
#pragma once
#include <windows.h>

#include <functional>

#include "kit/window.h"

namespace zorvik::kit {

class Splitter : public Window {
public:
  enum class Orientation {
    Vertical,    // a vertical bar between a left and a right pane, dragged sideways
    Horizontal,  // a horizontal bar between an upper and a lower pane, dragged up and down
  };
  enum class PaneSide { Before, After };  // the resized pane is left of / above the bar, or right / below

  bool Create(HWND parent, Orientation orientation, const RECT& rect);
  Orientation GetOrientation() const { return orientation_; }

  // The pane to resize; its size stays within [minimum, room - restMinimum],
  // where room is the parent's client extent less the bar.
  void SetPane(HWND pane, PaneSide side, int minimum, int restMinimum);
  int PaneSize() const;  // width or height of the pane now

  // Moves the pane and the bar as a drag to `size` would.
  void MoveTo(int size);

  // After each move of a drag, with the pane's new size.
  std::function<void(int paneSize)> onMoved;

protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
  int Along(POINT p) const { return orientation_ == Orientation::Vertical ? p.x : p.y; }
  RECT RectInParent(HWND w) const;

  Orientation orientation_ = Orientation::Vertical;
  HWND pane_ = nullptr;
  PaneSide side_ = PaneSide::Before;
  int minimum_ = 0, restMinimum_ = 0;
  bool dragging_ = false;
  int dragStart_ = 0, sizeAtStart_ = 0;
};

}  // namespace zorvik::kit
