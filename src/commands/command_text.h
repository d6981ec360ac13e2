// How a command presents itself in lists: its caption without the accelerator
// marker and its "category/caption" text. Platform-free.
#pragma once
#include <string>
#include <string_view>

#include "commands/command_table.h"

namespace zorvik {

// Drops the accelerator marker: a trailing Japanese-style "(&V)" goes whole
// ("バージョン情報(&V)" -> "バージョン情報"), any other "&" goes alone
// ("&Open" -> "Open") and "&&" becomes a literal "&".
std::string CaptionWithoutAccelerator(std::string_view caption);
// "category/caption", the caption without its accelerator marker.
std::string CommandDisplayText(const CommandDef& command);

}  // namespace zorvik
