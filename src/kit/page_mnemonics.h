// Alt + the marked character of a button's caption ("追加(&A) ->") runs that
// button on the customisation pages, as the dialog manager would; the pages
// live in plain windows, which have no dialog manager of their own.
#pragma once
#include <windows.h>

namespace zorvik::kit {

class Page;

// A key that reached a control of `page`: Alt + a letter or digit that marks
// an enabled, visible button of the page clicks it (a bound button runs its
// command without taking the focus). True when the key was taken, including
// the WM_SYSCHAR that follows, so that no beep sounds.
bool ClickMnemonic(Page& page, UINT msg, WPARAM key);

}  // namespace zorvik::kit
