// The command vocabulary of the main window: every action of the main action
// list with its stored identifier, category, caption, hint, icon, start state,
// exclusive group, tag and default key. Platform-free data and lookups.
//
// Command identifiers are part of the settings file format. They are looked
// up through these tables only; no arithmetic is ever done on them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zorvik {

enum CommandFlags : uint8_t {
  kToggle = 1,    // running it from a menu, button, key or gesture toggles the check mark
  kChecked = 2,   // checked at start
  kDisabled = 4,  // disabled at start
  kHidden = 8,    // hidden at start
};

struct CommandDef {
  uint16_t id;           // 0 = no identifier (cannot be stored in the settings)
  const char* name;      // "Action_Zoom_6"
  const char* category;  // UTF-8, e.g. "拡大倍率"
  const char* caption;   // UTF-8, "&" marks the accelerator character
  const char* hint;      // UTF-8, "" when there is none
  int16_t icon;          // index into the 18x18 command icon list, -1 = none
  uint8_t flags;         // CommandFlags
  uint8_t group;         // exclusive check group, 0 = none
  int64_t tag;           // zoom factor, grid/brush colour, raster-op code, flip mode; else 0
  // Bare key bound by default, as the key table's Name column ("PgUp", "Space",
  // "Up"); resolve with KeyFromName (keys.h). nullptr when none. The default
  // binding list (BindingList::Defaults) is made from this column.
  const char* defaultKey;
  // Modifier accelerator owned by the command itself ("Alt+F4"); it is not
  // part of the customisable bindings. nullptr when none.
  const char* fixedShortcut;

  bool Toggles() const { return (flags & kToggle) != 0; }
  bool CheckedAtStart() const { return (flags & kChecked) != 0; }
  bool DisabledAtStart() const { return (flags & kDisabled) != 0; }
  bool HiddenAtStart() const { return (flags & kHidden) != 0; }
};

// All commands of the main action list in list order: the 210 with an
// identifier and the 29 without one (the separator pseudo-command lives in a
// list of its own, see SeparatorCommand).
const CommandDef* CommandTable();
size_t CommandCount();

// The separator pseudo-command "actSpc" (category "区切り", caption "-", no
// identifier, no icon) of the second action list.
const CommandDef& SeparatorCommand();

// Exact match on the identifier; 0 and unknown identifiers give nullptr.
const CommandDef* CommandById(uint16_t id);
// Exact, case-sensitive match on the name; also finds "actSpc".
const CommandDef* CommandByName(std::string_view name);
// The identifier of a command, 0 for none or for a command without one.
uint16_t CommandIdOf(std::string_view name);
uint16_t CommandIdOf(const CommandDef* command);
// Position in CommandTable(), -1 when not in the main list.
int CommandIndexOf(const CommandDef* command);

// Number of entries in the 18x18 command icon list (one per icon index).
int CommandIconCount();

// Copy format slots 0-55 and the menu item identifiers of the copy items.
constexpr int kCopySlotCount = 56;
// Slot linked to a menu item identifier, -1 when the identifier has no slot.
int CopySlotOfMenuId(uint16_t menuId);
// Menu item identifier of a slot, -1 when the slot has none (written to the
// settings file as 65535).
int MenuIdOfCopySlot(int slot);

// Popup menus a toolbar button of the command carries (component names such
// as "PopupMenu_Grid"); nullptr when none.
struct ToolButtonMenus {
  const char* contextMenu;
  const char* dropDownMenu;
};
ToolButtonMenus ToolButtonMenusOf(const CommandDef& command);
// Whether a toolbar button of the command stays pressed while it is checked.
bool IsCheckToolButton(const CommandDef& command);

// Category texts used by the code (the rest only appear in the table).
extern const char kCategoryCopy[];       // "コピー"
extern const char kCategoryMenu[];       // "メニュー"
extern const char kCategorySeparator[];  // "区切り"

}  // namespace zorvik
