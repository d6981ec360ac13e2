#include "commands/command_text.h"

namespace zorvik {

std::string CaptionWithoutAccelerator(std::string_view caption) {
  std::string out;
  out.reserve(caption.size());
  for (size_t i = 0; i < caption.size(); ++i) {
    const char c = caption[i];
    // "(&X)" with one ASCII character X: the whole marker.
    if (c == '(' && i + 3 < caption.size() && caption[i + 1] == '&' && caption[i + 2] != '&' &&
        static_cast<unsigned char>(caption[i + 2]) < 0x80 && caption[i + 3] == ')') {
      i += 3;
      continue;
    }
    if (c == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') {
        out += '&';
        ++i;
      }
      continue;
    }
    out += c;
  }
  return out;
}

std::string CommandDisplayText(const CommandDef& command) {
  return std::string(command.category) + "/" + CaptionWithoutAccelerator(command.caption);
}

}  // namespace zorvik
