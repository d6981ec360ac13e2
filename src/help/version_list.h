// The lines of the version page's owner-drawn list: the legend of the status
// row's icons, the current keys and gestures, and every command's bindings.
// Built from the command table and the live binding lists; the page only
// draws them. Platform-free.
//
// Texts are UTF-8. The list is drawn in a fixed-pitch font, so widths and
// paddings count display columns: a full-width character takes two columns,
// ASCII and half-width katakana one (DisplayColumns).
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "commands/command_table.h"
#include "commands/keys.h"

namespace zorvik {

enum class VersionLineKind : uint8_t {
  kHeading,    // text starts with a tab; drawn on the button face without it
  kSeparator,  // the text "-"; drawn as a horizontal line
  kIcon,       // a status-row icon, then the text
  kText,
};

struct VersionLine {
  VersionLineKind kind = VersionLineKind::kText;
  std::string text;  // the list's text: headings keep their leading tab
  int icon = -1;     // status-row icon index of an icon line, else -1

  // The text as drawn: a heading without its tab.
  std::string_view Shown() const {
    return kind == VersionLineKind::kHeading ? std::string_view(text).substr(1) : std::string_view(text);
  }
};

// The current gesture commands, up, down, left, right; nullptr for an empty slot.
using GestureCommands = std::array<const CommandDef*, kGestureSlotCount>;

// Display columns of a UTF-8 text (malformed bytes count one column each).
int DisplayColumns(std::string_view utf8);

// Commands whose caption and hint explain the status-row icons, in icon order.
const char* const* StatusIconCommands();
constexpr int kStatusIconCount = 6;

// W: the widest key display name or gesture name in columns (at least 1).
// A bracketed name is right-aligned in W + 2 columns.
int KeyNameColumns();

// All lines of the list, top to bottom.
std::vector<VersionLine> BuildVersionList(const BindingList& bindings, const GestureCommands& gestures);

}  // namespace zorvik
