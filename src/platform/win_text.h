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
// UTF-16 in the two string types (wchar_t is 16 bits on Windows).
inline std::wstring Wide(std::u16string_view s) { return std::wstring(s.begin(), s.end()); }
inline std::u16string U16(std::wstring_view s) { return std::u16string(s.begin(), s.end()); }

}  // namespace zorvik
