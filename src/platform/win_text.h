// Wide-string helpers for the Win32 side.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace zorvik {

std::wstring W(std::string_view utf8);
std::string U8(std::wstring_view wide);
// Text in the system ANSI code page (clipboard's second format).
std::string Ansi(std::wstring_view wide);

}  // namespace zorvik
