// The one way into the main window for everything that is not the main
// window: tool windows, customisation pages, the copy commands, the
// information area and the settings. The main window implements it; the
// others are written against it and never see the window class itself.
//
// Each query has one meaning. "Loupe active" is the loupe command checked
// and enabled; "paused" and "fixed" are the checks of their commands.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "kit/action.h"

namespace zorvik {

struct T_DispInfo;
class MainMenus;
class MainToolBar;
class BindingList;
struct GestureBindings;
class CopyFormats;

// The API test window's choice of entries, as the settings page edits it.
class ApiEntryChoice {
public:
  virtual ~ApiEntryChoice() = default;
  // Every entry name, in the order the settings page lists them; makes the
  // API test window, hidden, when it does not exist yet.
  virtual std::vector<std::string> CatalogueNames() = 0;
  // The names the window offers now, in its order.
  virtual std::vector<std::string> OfferedNames() const = 0;
  // Offers every entry but these; the selection stays when still offered.
  virtual void SetHiddenNames(const std::vector<std::string>& hidden) = 0;
};

class AppServices {
public:
  virtual ~AppServices() = default;

  // --- state -------------------------------------------------------------
  virtual HWND MainWindow() const = 0;
  virtual bool Paused() const = 0;
  virtual bool Fixed() const = 0;
  virtual bool LoupeActive() const = 0;
  virtual bool Smooth() const = 0;
  virtual int ZoomIndex() const = 0;
  virtual int ZoomFactor() const = 0;  // the factor in use (1 while the 1:1 view is held)
  virtual POINT CapturePoint() const = 0;
  virtual HFONT InfoFont() const = 0;
  // The DPI the main window is shown at (96: design size).
  virtual int Dpi() const = 0;
  // The snapshot of the last tick, and the write cache.
  virtual const T_DispInfo& Current() const = 0;
  virtual T_DispInfo& WriteCache() = 0;

  // --- parts -------------------------------------------------------------
  virtual kit::ActionList& Actions() = 0;
  virtual const kit::ActionList& Actions() const = 0;
  // An action by its name, or null.
  kit::Action* ActionNamed(std::string_view name) const { return Actions().Find(name); }
  virtual MainMenus& Menus() = 0;
  virtual MainToolBar& ToolBar() = 0;
  virtual BindingList& Bindings() = 0;
  virtual const BindingList& DefaultBindings() const = 0;
  virtual GestureBindings& Gestures() = 0;
  virtual const GestureBindings& DefaultGestures() const = 0;
  virtual CopyFormats& Formats() = 0;
  virtual const CopyFormats& Formats() const = 0;

  // --- live apply --------------------------------------------------------
  // Capture at once, then once more soon after.
  virtual void RefreshView() = 0;
  // The layout pass (window size from the information lines, view geometry).
  virtual void Relayout() = 0;
  virtual void ApplyStayOnTop() = 0;
  virtual void ApplyTitleBar() = 0;
  virtual void ApplyToolBar() = 0;  // shown or hidden, icon size
  virtual void ApplyFont() = 0;     // after the information font changed
  virtual void ShowStatusMessage(const std::wstring& text) = 0;
  // Moves the capture point of a fixed or paused capture (screen pixels).
  virtual void SetCapturePoint(POINT p) = 0;
  virtual void SetLengthOrigin(POINT p) = 0;
  // Checks the zoom command of step `index` and takes its factor.
  virtual void SetZoomIndex(int index) = 0;
  // After the grid commands' checks or colours changed.
  virtual void ApplyGrid() = 0;
  // After the loupe or fixed command's check changed without running it.
  virtual void ApplyCaptureMode() = 0;
  virtual void SetFlipMode(int mode) = 0;
  // The information font by face and size in points.
  virtual void SetInfoFont(const std::wstring& face, int points) = 0;
  // The divider between the labels and values of the information lines.
  virtual int DividerX() const = 0;
  virtual void SetDividerX(int x) = 0;
  // The window's rectangle without the information area (what is stored),
  // and placing the window so; the layout adds the information area back.
  virtual RECT WindowBounds() const = 0;
  virtual void PlaceWindow(int x, int y, int width, int height, bool ensureOnScreen) = 0;

  // --- helpers for the copy and write commands ---------------------------
  // The window under the capture point as the user sees it (from the frozen
  // window tree while paused), or null.
  virtual HWND WindowAtCapturePoint() const = 0;
  // A copy of the view (and the information area when asked), or null.
  virtual HBITMAP CopyOfView(bool withInfoArea) const = 0;
  // Holds the capture timer while a long operation (the clipboard) runs.
  virtual void SuspendTicks(bool suspend) = 0;

  // --- tool windows ------------------------------------------------------
  // Called after every full refresh while registered (the API test window
  // and the settings page follow the capture this way).
  virtual int AddTickListener(std::function<void()> listener) = 0;
  virtual void RemoveTickListener(int id) = 0;
  // The entries the API test window offers.
  virtual ApiEntryChoice& ApiEntries() = 0;
};

}  // namespace zorvik
