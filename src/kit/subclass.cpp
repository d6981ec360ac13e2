#include "kit/subclass.h"

#include <commctrl.h>

namespace zorvik::kit {

namespace {

// Every handler goes through this procedure, told apart by its id.
LRESULT CALLBACK Dispatch(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR ref) {
  auto* handler = reinterpret_cast<ControlHandler*>(ref);
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(h, Dispatch, id);
    delete handler;
    return DefSubclassProc(h, msg, wp, lp);
  }
  if (const std::optional<LRESULT> result = (*handler)(h, msg, wp, lp)) return *result;
  return DefSubclassProc(h, msg, wp, lp);
}

}  // namespace

bool SubclassControl(HWND control, ControlHandler handler) {
  static UINT_PTR next = 0x5A00;
  if (!control || !handler) return false;
  auto* kept = new ControlHandler(std::move(handler));
  if (SetWindowSubclass(control, Dispatch, ++next, reinterpret_cast<DWORD_PTR>(kept))) return true;
  delete kept;
  return false;
}

LRESULT ControlDefault(HWND control, UINT msg, WPARAM wp, LPARAM lp) { return DefSubclassProc(control, msg, wp, lp); }

}  // namespace zorvik::kit
