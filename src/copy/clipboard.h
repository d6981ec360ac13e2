// The clipboard: text in two forms (Unicode and the ANSI code page), the
// magnified picture as a bitmap, and reading text back for the write menu.
#pragma once
#include <windows.h>

#include <string>

namespace zorvik {

// Does nothing for an empty text or when the clipboard cannot be opened.
bool PutClipboardText(HWND owner, const std::wstring& text);
// Copies the bitmap (the caller keeps its own) onto the clipboard.
bool PutClipboardBitmap(HWND owner, HBITMAP bitmap);
// How long the text is waited for once the clipboard's owner has answered:
// it may have to render it first.
constexpr unsigned kRenderWaitMs = 2000;
// Unicode text when there is some, else ANSI text converted; empty when none,
// and when the owner that would have to render it does not answer.
std::wstring ClipboardText(HWND owner);

}  // namespace zorvik
