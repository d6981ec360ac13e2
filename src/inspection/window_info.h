// Facts about the window under a screen point, read without ever waiting
// long on another program: every message goes through SendMessageTimeoutW
// with SMTO_ABORTIFHUNG and 500 ms.
#pragma once
#include <windows.h>

#include <string>

#include "inspection/disp_info.h"

namespace zorvik {

constexpr UINT kMessageTimeoutMs = 500;

// Sends a message to another program's window; false when it failed, timed
// out or the window is hung.
bool SendGuarded(HWND w, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

// The window under p, also disabled ones and inside windows with regions;
// see the options for layered windows and our own window.
HWND TopWindowFromPoint(POINT p, bool skipLayered, bool skipOwnWindow, HWND ownWindow);

// The most characters of a window text the live refresh and the window
// snapshot read: enough for any caption or control, cheap on every tick.
constexpr size_t kLiveTextLimit = 32 * 1024;

// The window's text, at most `limit` characters. WM_GETTEXT texts are cut;
// a list or combo box item longer than the limit gives the empty text (its
// message takes no buffer size, so it cannot be cut). When `silent` is
// given it tells whether the window let a message time out or is hung: its
// thread should not be asked again soon.
std::wstring WindowTextOf(HWND w, size_t limit = kLiveTextLimit, bool* silent = nullptr);
std::wstring ClassNameOf(HWND w);
// The executable of the window's process, "-" when it cannot be read.
std::wstring ExeFileNameOf(HWND w);
// The FileVersion string of the file's version resource; empty when there
// is none or the version functions could not be loaded.
std::wstring FileVersionOf(const std::wstring& path);

// Gathers the live facts of the window under the snapshot's inspected point
// into the snapshot (handle, client origin, texts, sizes, styles, process).
void GatherWindowFacts(T_DispInfo& info, bool skipLayered, bool skipOwnWindow, HWND ownWindow);

// What cannot change while a process lives (its executable and that file's
// version) is remembered per process; this empties that memory.
void ForgetProcessFacts();

}  // namespace zorvik
