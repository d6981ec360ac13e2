// A handler in front of a control's own window procedure, for the few
// messages a page or tool window treats its own way (a list that drags, a
// label that acts as a link). It lives as long as the control.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>

namespace zorvik::kit {

// The handler sees every message of the control first: a value is the
// message's result, nothing passes it on to the control.
using ControlHandler = std::function<std::optional<LRESULT>(HWND control, UINT msg, WPARAM wp, LPARAM lp)>;

// Puts `handler` in front of the control; several handlers may be put on one
// control, the last one first. False when the control could not take it.
bool SubclassControl(HWND control, ControlHandler handler);

// From inside a handler: what the control itself does with the message
// (to act after it, or instead of it).
LRESULT ControlDefault(HWND control, UINT msg, WPARAM wp, LPARAM lp);

}  // namespace zorvik::kit
