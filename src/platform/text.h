// UTF-8 <-> UTF-16 conversion without the window system (malformed input
// never fails: bad sequences become U+FFFD), and captions without their
// accelerator markers.
#pragma once
#include <string>
#include <string_view>

namespace zorvik {

std::u16string FromUtf8(std::string_view utf8);
std::string ToUtf8(std::u16string_view utf16);
inline bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

// A caption as shown without its accelerator marker, the one rule of every
// list, page and menu that shows captions plainly: a Japanese-style "(&X)"
// goes whole ("一時停止(&P)" -> "一時停止", "色選択(&U)..." -> "色選択..."),
// any other "&" goes alone ("&Open" -> "Open") and "&&" becomes a literal "&".
std::string CaptionWithoutAccelerator(std::string_view caption);

}  // namespace zorvik
