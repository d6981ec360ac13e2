#include "commands/command_text.h"

namespace zorvik {

std::string CommandDisplayText(const CommandDef& command) {
  return std::string(command.category) + "/" + CaptionWithoutAccelerator(command.caption);
}

}  // namespace zorvik
