// The help page (help/zorvik-help.html): what each area of the window shows,
// every command with its default keys and gestures, the bindable keys and the
// copy-format specifiers. Written at build time by tools/make_help.cpp from
// the same tables the program runs on, so it cannot drift from them.
// Platform-free.
#pragma once
#include <string>
#include <string_view>

namespace zorvik {

// The whole page, UTF-8. `version` is printed in the title block.
std::string HelpPageHtml(std::string_view version);

// Our own explanations, kept beside the tables they explain; "" when a slot
// has none. Line slots are the information lines' slots (InfoLineItems),
// copy slots the copy items' slots (0-55).
const char* InfoLineDescription(int lineSlot);
const char* CopyArgumentDescription(int copySlot);

// "&", "<", ">" and '"' as HTML character references.
std::string HtmlEscape(std::string_view text);

}  // namespace zorvik
