// Every private window message and every raw system-command value the
// program uses, named once. Private messages can also arrive from other
// programs (anyone may post WM_APP + n to any window), so each receiver
// checks its parameters as unsigned values against what it owns.
#pragma once
#include <windows.h>

namespace zorvik::msg {

// Toolbar (subclassed) -> main window.
constexpr UINT kToolBarRightPress = WM_APP + 1;   // lParam: the press point in toolbar coordinates
constexpr UINT kToolBarLeftPress = WM_APP + 2;    // wParam: button index; returns 1 when taken
constexpr UINT kToolBarLeftRelease = WM_APP + 3;

// Capture-move buttons -> main window: press of button 0..3 (left, up,
// down, right), and the release of any of them.
constexpr UINT kCaptureMovePress = WM_APP + 10;
constexpr UINT kCaptureMoveButtonCount = 4;
constexpr UINT kCaptureMoveRelease = WM_APP + 14;

// Message dialog -> itself: place the dialog once it is on screen.
constexpr UINT kDialogSnap = WM_APP + 20;

// Anyone -> main window: returns the number of GDI objects the process holds
// (CountGdiObjects). Read-only; for watching for leaks from outside.
constexpr UINT kCountGdiObjects = WM_APP + 30;

}  // namespace zorvik::msg

namespace zorvik::syscmd {

// A click on the window icon of the title bar (SC_MOUSEMENU on the icon).
constexpr UINT kIconClick = 0xF093;
// Moves the window with the mouse, started from a button press on the toolbar.
constexpr UINT kDragMoveFromToolBar = 0xF009;
// Moves the window with the mouse, started from a press on the view.
constexpr UINT kDragMoveFromView = 0xF018;
// Our two items on the system menu.
constexpr UINT kCustomSetting = 200;
constexpr UINT kMoveMonitor = 201;

}  // namespace zorvik::syscmd
