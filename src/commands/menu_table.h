// The design of the main popup menu PopupMenu_Main (every item, in menu order,
// with its identifier, command, own caption and default state), the toolbar's
// own context menu and the default toolbar. Platform-free data and lookups.
//
// Menu item identifiers are a numbering of their own, separate from command
// identifiers; they are part of the settings file format.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "commands/command_table.h"

namespace zorvik {

enum class MenuKind : uint8_t { Command, Submenu, Separator };

struct MenuItemDef {
  uint16_t id;             // 0 = no identifier
  const char* name;        // "MenuItem_Zoom_6"
  uint8_t depth;           // 0 = item of PopupMenu_Main itself
  MenuKind kind;
  const char* command;     // action name, nullptr when the item runs none
  const char* ownCaption;  // nullptr = the command's caption; "-" for separators
  bool visible;            // own visible flag at design time
  bool isDefault;          // the submenu's default item (drawn bold)
  bool radio;              // radio item (its command is in an exclusive group)
  uint8_t group;           // group index (that of its command), 0 = none
};

// PopupMenu_Main flattened depth first in menu order: an item's children
// follow it directly with depth + 1.
const MenuItemDef* MenuTable();
size_t MenuItemCount();

// Exact matches; 0 and unknown identifiers/names give nullptr.
const MenuItemDef* MenuItemById(uint16_t id);
const MenuItemDef* MenuItemByName(std::string_view name);
// The identifier of an item, 0 for none or for an item without one.
uint16_t MenuItemIdOf(std::string_view name);
uint16_t MenuItemIdOf(const MenuItemDef* item);

// Position in MenuTable(), -1 when not in it.
int MenuIndexOf(const MenuItemDef* item);
// Index of the parent item in MenuTable(), -1 for top-level items.
int MenuParentIndex(int index);
// The command an item runs, nullptr for none.
const CommandDef* MenuItemCommand(const MenuItemDef& item);
// Caption shown for an item: its own caption, else its command's, else "".
const char* MenuItemCaption(const MenuItemDef& item);

// PopupMenu_ToolBar (no identifiers), top level only.
const MenuItemDef* ToolBarMenuTable();
size_t ToolBarMenuItemCount();

// The toolbar drop-down popups and the main-menu section each is copied from.
struct MenuSectionCopy {
  const char* popup;   // "PopupMenu_Zoom"
  const char* source;  // "MenuItem_Zoom"
};
const MenuSectionCopy* MenuSectionCopies();
size_t MenuSectionCopyCount();

// Commands of the default toolbar, left to right.
const char* const* DefaultToolBar();
size_t DefaultToolBarCount();

}  // namespace zorvik
