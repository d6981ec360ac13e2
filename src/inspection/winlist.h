// The window tree as it was when the capture was paused, so that the window
// facts of the frozen picture can be answered later.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "inspection/disp_info.h"

namespace zorvik {

class TMyScreenSize;

struct T_WinItem {
  HWND handle = nullptr;
  bool topLevel = false;
  bool valid = false;
  T_WinItem* parent = nullptr;
  std::vector<std::unique_ptr<T_WinItem>> children;  // front-most first
  RECT rect{};         // window rectangle (physical for child windows)
  RECT clientRect{};   // client rectangle in screen coordinates
  POINT clientOrigin{};
  HRGN region = nullptr;
  int regionType = ERROR;
  // Copies of the window facts.
  std::u16string className, text, executable, fileVersion;
  int32_t posLeft = 0, posTop = 0, width = 0, height = 0, clientWidth = 0, clientHeight = 0;
  int32_t controlId = 0, style = 0, exStyle = 0;
  bool enabled = false;
  uint32_t processId = 0;

  ~T_WinItem();
  bool Matches(POINT p) const;
};

class T_WinList {
public:
  // Builds the snapshot; pending messages are processed between windows.
  T_WinList(const TMyScreenSize& screens, HWND ownWindow);
  const T_WinItem& Root() const { return *root_; }
  bool CompositionWasOn() const { return composition_; }
  // The deepest item at p; the back-most top-level item when none matches;
  // null when there is no top-level item at all.
  const T_WinItem* Lookup(POINT p, bool skipLayered) const;
  // Copies the item's facts (and its parent's) into a snapshot.
  static void CopyFacts(const T_WinItem* item, T_DispInfo& info);
  size_t Count() const;

private:
  std::unique_ptr<T_WinItem> root_;
  bool composition_ = false;
};

}  // namespace zorvik
