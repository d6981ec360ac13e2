// Popup menus as trees of items bound to actions. The Win32 menu is built
// afresh each time a menu opens, so captions, check marks, enabled and
// visible states always follow the actions.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "kit/action.h"

namespace zorvik::kit {

struct MenuNode {
  std::string name;      // "MenuItem_Zoom_6"
  std::string caption;   // own caption (UTF-8); empty: the action's caption
  Action* action = nullptr;
  uint16_t id = 0;       // menu item identifier, 0 = none
  bool separator = false;
  bool visible = true;
  bool isDefault = false;
  bool radio = false;
  bool decodeDollar = false;  // caption may hold "$XXXX" escapes (the write menu)
  int group = 0;
  MenuNode* parent = nullptr;
  std::vector<std::unique_ptr<MenuNode>> children;

  MenuNode& Add(std::unique_ptr<MenuNode> child);
  std::string Caption() const;  // own caption, else the action's
  // Shown when its own flag is set and its action (if any) is visible.
  bool Shown() const { return visible && (!action || action->Visible()); }
};

class PopupMenu {
public:
  explicit PopupMenu(std::string name) : name_(std::move(name)) { root_.name = name_; }
  const std::string& Name() const { return name_; }
  MenuNode& Root() { return root_; }
  const MenuNode& Root() const { return root_; }
  // Depth-first search by name.
  MenuNode* Find(const std::string& name);
  // Captions lose their "&" markers (the toolbar's own menu).
  bool stripAccelerators = false;

  // Shows the menu at a screen point and runs the chosen item's action.
  // commandOf gives the Win32 command id of an action (never 0).
  void Popup(HWND owner, int x, int y, const std::function<UINT(const Action&)>& commandOf,
             const RECT* exclude = nullptr);
  // The Win32 menu as it would show now (the caller destroys it).
  HMENU Build(const std::function<UINT(const Action&)>& commandOf) const;

private:
  std::string name_;
  MenuNode root_;
};

// One row of a menu table: an item that runs a command (by name), a
// caption-only item, a submenu (a caption and rows of its own) or, with
// nothing but a name, a separator. A command item shows its command's
// caption unless the row has one.
struct MenuRow {
  MenuRow(std::string name, std::string command = {}, std::string caption = {}, std::vector<MenuRow> items = {})
      : name(std::move(name)), command(std::move(command)), caption(std::move(caption)), items(std::move(items)) {}
  std::string name;
  std::string command;
  std::string caption;
  std::vector<MenuRow> items;
};

// Appends an item to `parent` for every row, the commands looked up in
// `commands` (an unknown name gives an item without a command).
void AddMenuRows(MenuNode& parent, const std::vector<MenuRow>& rows, const ActionList& commands);

// Appends to target a copy of every child of source, recursively, each named
// after its source item with "_Tool" and a number that makes it unique.
void CloneMenuSection(MenuNode& target, const MenuNode& source,
                      const std::function<std::string(const std::string&)>& uniqueName);

}  // namespace zorvik::kit
