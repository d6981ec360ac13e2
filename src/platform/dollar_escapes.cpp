#include "platform/dollar_escapes.h"

namespace zorvik {

namespace {
int HexValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}
}  // namespace

std::u16string DecodeDollarEscapes(const std::u16string& text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'$' && i + 5 <= text.size()) {
      int v = 0;
      bool ok = true;
      for (size_t k = 1; k <= 4; ++k) {
        const int h = HexValue(text[i + k]);
        if (h < 0) {
          ok = false;
          break;
        }
        v = v * 16 + h;
      }
      if (ok) {
        out += static_cast<char16_t>(v);
        i += 4;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

}  // namespace zorvik
