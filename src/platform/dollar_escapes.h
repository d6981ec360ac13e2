// Captions of the write menu may hold characters outside the ANSI code page
// written as "$" and four hexadecimal digits.
#pragma once
#include <string>

namespace zorvik {

// Each "$XXXX" (four hex digits, either case) becomes that UTF-16 unit; a
// "$" not followed by four hex digits stays as it is.
std::u16string DecodeDollarEscapes(const std::u16string& text);

}  // namespace zorvik
