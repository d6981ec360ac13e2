// How a command presents itself in lists: its caption without the accelerator
// marker and its "category/caption" text. Platform-free.
#pragma once
#include <string>
#include <string_view>

#include "commands/command_table.h"
#include "platform/text.h"  // CaptionWithoutAccelerator

namespace zorvik {

// "category/caption", the caption without its accelerator marker.
std::string CommandDisplayText(const CommandDef& command);

}  // namespace zorvik
