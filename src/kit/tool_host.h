// What a tool window, a customisation page or a command module needs of the
// main window: its handle, DPI and information font, its command list, the
// refresh and layout requests, and a call after every full refresh. The main
// window implements it; its clients never see the window class itself.
#pragma once
#include <windows.h>

#include <functional>
#include <string_view>

#include "kit/action.h"

namespace zorvik::kit {

class ToolHost {
public:
  virtual ~ToolHost() = default;

  virtual HWND MainWindow() const = 0;
  // The DPI the main window is shown at (96: design size).
  virtual int Dpi() const = 0;
  virtual HFONT InfoFont() const = 0;

  virtual ActionList& Actions() = 0;
  virtual const ActionList& Actions() const = 0;
  // An action by its name, or null.
  Action* ActionNamed(std::string_view name) const { return Actions().Find(name); }

  // Capture at once, then once more soon after.
  virtual void RefreshView() = 0;
  // The layout pass (window size from the information lines, view geometry).
  virtual void Relayout() = 0;

  // Called after every full refresh while registered (the tool windows and
  // the settings page follow the capture this way).
  virtual int AddTickListener(std::function<void()> listener) = 0;
  virtual void RemoveTickListener(int id) = 0;
};

}  // namespace zorvik::kit
