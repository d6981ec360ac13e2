// The information area under the view: the status row (colour swatch, zoom
// caption and state icons, or a transient message) and the information
// lines with their column divider; and the commands that switch lines on
// and off. It paints into the main window's back buffer and reaches the
// window only through the tool host and the capture state.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "inspection/capture_state.h"
#include "kit/tool_host.h"

namespace zorvik {

class InfoArea {
public:
  InfoArea(kit::ToolHost& app, const CaptureState& capture) : app_(app), capture_(capture) {}
  ~InfoArea();
  InfoArea(const InfoArea&) = delete;
  InfoArea& operator=(const InfoArea&) = delete;

  // Binds the line commands (each re-runs the layout) and the three
  // "all on / all off" commands.
  void BindLineCommands();
  // The state icons, at `size` pixels (drawn at 14, enlarged for higher DPI).
  void CreateIcons(int size);

  // Line height, icon position and divider from the font selected into dc.
  void Measure(HDC dc, int zoomFactor, int clientWidth);
  // The divider's first place: ten and a half widths of "A".
  void PlaceDividerForFont(HDC dc);
  int LineHeight() const { return lineHeight_; }
  int DividerX() const { return dividerX_; }
  // Kept 8 pixels away from both sides.
  void SetDividerX(int x, int clientWidth);
  // With the font, for another DPI (Measure keeps it inside the window).
  void ScaleDivider(int newDpi, int oldDpi) { dividerX_ = MulDiv(dividerX_, newDpi, oldDpi); }

  // Whether the information line item (index into the line table) shows.
  bool LineShown(int itemIndex) const;
  // Status row plus every shown line.
  int Height() const;

  void Paint(HDC dc, const RECT& area, const std::wstring& statusMessage) const;

private:
  // The commands the painting reads, looked up on first use.
  void Resolve() const;

  kit::ToolHost& app_;
  const CaptureState& capture_;
  HIMAGELIST icons_ = nullptr;
  int lineHeight_ = 15, iconsX_ = 0, dividerX_ = 0;
  // Per line item: the action whose check shows it, and whether its enabled
  // state counts too (resolved once; the tables never change).
  mutable std::vector<std::pair<const kit::Action*, bool>> shownBy_;
  // The status row's switches and the ruled-lines option.
  mutable const kit::Action* stayOnTop_ = nullptr;
  mutable const kit::Action* smooth_ = nullptr;
  mutable const kit::Action* loupe_ = nullptr;
  mutable const kit::Action* ruleLines_ = nullptr;
};

}  // namespace zorvik
