// A stand-in for the main window in its roles (tool host, capture state,
// editable parts, live settings, copy host), for testing a subsystem
// without the real window: plain state that a test sets and reads, the real
// command list, menus and toolbar model, and a log of every live call with
// its arguments. Paused and fixed are their commands' checks, as in the
// main window; what a setter is given reads back from the matching getter.
#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "commands/action_setup.h"
#include "commands/gestures.h"
#include "commands/keys.h"
#include "commands/main_menus.h"
#include "commands/toolbar.h"
#include "copy/copy_host.h"
#include "format/format_engine.h"
#include "inspection/capture_state.h"
#include "inspection/disp_info.h"
#include "kit/tool_host.h"
#include "platform/win_text.h"
#include "settings/editable_parts.h"
#include "settings/live_settings.h"

namespace fakes {

class FakeMainWindow : public zorvik::kit::ToolHost,
                       public zorvik::CaptureState,
                       public zorvik::EditableParts,
                       public zorvik::LiveSettings,
                       public zorvik::CopyHost {
public:
  FakeMainWindow() {
    zorvik::PopulateActions(actions);
    menus.Build();
    // A real window for the handle: the clipboard's owner, a window rectangle.
    window = CreateWindowExW(0, L"STATIC", L"fake main window", WS_POPUP, 0, 0, 200, 150, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  }
  ~FakeMainWindow() override {
    if (font) DeleteObject(font);
    if (window) DestroyWindow(window);
  }
  FakeMainWindow(const FakeMainWindow&) = delete;
  FakeMainWindow& operator=(const FakeMainWindow&) = delete;

  // --- kit::ToolHost ---------------------------------------------------------
  HWND MainWindow() const override { return window; }
  int Dpi() const override { return dpi; }
  HFONT InfoFont() const override { return font; }
  zorvik::kit::ActionList& Actions() override { return actions; }
  const zorvik::kit::ActionList& Actions() const override { return actions; }
  void RefreshView() override { ++refreshes; }
  void Relayout() override { ++relayouts; }
  int AddTickListener(std::function<void()> listener) override {
    tickListeners[nextListener] = std::move(listener);
    return nextListener++;
  }
  void RemoveTickListener(int id) override { tickListeners.erase(id); }

  // --- CaptureState ----------------------------------------------------------
  const zorvik::T_DispInfo& Current() const override { return info; }
  POINT CapturePoint() const override { return POINT{info.InspectedX, info.InspectedY}; }
  bool Paused() const override { return Checked("Action_Capture_Pause"); }
  bool Fixed() const override { return Checked("Action_Capture_Fixed"); }
  int ZoomFactor() const override { return zoomFactor; }
  bool HoldsWriteCache() const override { return writeCache.Handle != 0; }

  // --- EditableParts ---------------------------------------------------------
  zorvik::MainMenus& Menus() override { return menus; }
  zorvik::MainToolBar& ToolBar() override { return toolbar; }
  zorvik::BindingList& Bindings() override { return bindings; }
  const zorvik::BindingList& DefaultBindings() const override { return defaultBindings; }
  zorvik::GestureBindings& Gestures() override { return gestures; }
  const zorvik::GestureBindings& DefaultGestures() const override { return defaultGestures; }
  zorvik::CopyFormats& Formats() override { return formats; }

  // --- LiveSettings ----------------------------------------------------------
  void ApplyStayOnTop() override { Log("ApplyStayOnTop"); }
  void ApplyTitleBar() override { Log("ApplyTitleBar"); }
  void ApplyToolBar() override { Log("ApplyToolBar"); }
  void ApplyGrid() override { Log("ApplyGrid"); }
  void ApplyCaptureMode() override { Log("ApplyCaptureMode"); }
  void SetFlipMode(int mode) override {
    Log("SetFlipMode " + std::to_string(mode));
    info.FlipMode = static_cast<uint8_t>(mode & 0xFF);
  }
  void SetInfoFont(const std::wstring& face, int points) override {
    Log("SetInfoFont " + zorvik::U8(face) + " " + std::to_string(points));
    if (font) DeleteObject(font);
    font = CreateFontW(-MulDiv(points, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face.c_str());
  }
  int DividerX() const override { return divider; }
  void SetDividerX(int x) override {
    Log("SetDividerX " + std::to_string(x));
    divider = x;
  }
  RECT WindowBounds() const override { return bounds; }
  void PlaceWindow(int x, int y, int width, int height, bool ensureOnScreen) override {
    Log("PlaceWindow " + std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(width) + "x" +
        std::to_string(height) + (ensureOnScreen ? " on screen" : ""));
    bounds = RECT{x, y, x + width, y + height};
  }
  int ZoomIndex() const override { return zoomIndex; }
  void SetZoomIndex(int index) override {
    Log("SetZoomIndex " + std::to_string(index));
    zoomIndex = index;
  }
  void SetCapturePoint(POINT p) override {
    Log("SetCapturePoint " + std::to_string(p.x) + "," + std::to_string(p.y));
    info.InspectedX = p.x;
    info.InspectedY = p.y;
  }
  void SetLengthOrigin(POINT p) override {
    Log("SetLengthOrigin " + std::to_string(p.x) + "," + std::to_string(p.y));
    info.LengthOriginX = p.x;
    info.LengthOriginY = p.y;
  }

  // --- CopyHost --------------------------------------------------------------
  HWND WindowAtCapturePoint() const override { return windowAtPoint; }
  HBITMAP CopyOfView(bool withInfoArea) const override {
    viewCopies.push_back(withInfoArea);
    return CreateBitmap(viewSize.cx, viewSize.cy, 1, 32, nullptr);
  }
  void SuspendTicks(bool suspend) override { ticksHeld.push_back(suspend); }
  void ShowStatusMessage(const std::wstring& text) override { statusMessages.push_back(text); }
  zorvik::T_DispInfo& WriteCache() override { return writeCache; }

  bool Checked(const char* name) const {
    const zorvik::kit::Action* a = actions.Find(name);
    return a && a->Checked();
  }

  // The state, set and read by the tests.
  zorvik::kit::ActionList actions;
  zorvik::MainMenus menus{actions};
  zorvik::MainToolBar toolbar{actions, [](const zorvik::kit::Action& a) { return static_cast<UINT>(a.id); }};
  zorvik::BindingList bindings = zorvik::BindingList::Defaults(), defaultBindings = zorvik::BindingList::Defaults();
  zorvik::GestureBindings gestures = zorvik::GestureBindings::Defaults(),
                          defaultGestures = zorvik::GestureBindings::Defaults();
  zorvik::CopyFormats formats;
  HWND window = nullptr;
  int dpi = 96;
  HFONT font = nullptr;
  zorvik::T_DispInfo info, writeCache;
  int zoomFactor = 6, zoomIndex = 0, divider = 0;
  RECT bounds{};
  HWND windowAtPoint = nullptr;
  SIZE viewSize{16, 12};

  // What was asked of it.
  std::vector<std::string> calls;  // the live-settings calls, "SetZoomIndex 3"
  int refreshes = 0, relayouts = 0;
  std::map<int, std::function<void()>> tickListeners;
  int nextListener = 1;
  mutable std::vector<bool> viewCopies;  // withInfoArea of each CopyOfView
  std::vector<bool> ticksHeld;           // SuspendTicks arguments in order
  std::vector<std::wstring> statusMessages;

private:
  void Log(std::string call) { calls.push_back(std::move(call)); }
};

}  // namespace fakes
