// UTF-8 <-> UTF-16 conversion without the window system. Malformed input
// never fails: bad sequences become U+FFFD.
#pragma once
#include <string>
#include <string_view>

namespace zorvik {

std::u16string FromUtf8(std::string_view utf8);
std::string ToUtf8(std::u16string_view utf16);
inline bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

}  // namespace zorvik
