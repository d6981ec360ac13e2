#include "platform/win_text.h"

#include "platform/text.h"

namespace zorvik {

std::wstring W(std::string_view utf8) {
  std::u16string u = FromUtf8(utf8);
  return std::wstring(u.begin(), u.end());
}

std::string U8(std::wstring_view wide) {
  return ToUtf8(std::u16string(wide.begin(), wide.end()));
}

std::string Ansi(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                    nullptr, nullptr);
  if (n <= 0) return {};
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

}  // namespace zorvik
