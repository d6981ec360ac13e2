// The fixed set of bindable keys, the default gestures, the default key
// bindings drawn from the command table, and
// a small model of a key binding list. Platform-free.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "commands/command_table.h"

namespace zorvik {

// One row of the fixed key set: the only keys the settings file can store.
struct KeyDef {
  int row;            // 0-61, the order of the settings file's key table
  uint16_t code;      // Windows virtual-key code
  const char* name;   // the key's own name ("Space", "BkSp", "Up")
  const char* shown;  // the name shown to the user (UTF-8: "ｽﾍﾟｰｽ", "↑")
};

constexpr int kKeyCount = 62;
const KeyDef* KeyTable();  // kKeyCount rows in row order

// Shown name (exact, case-sensitive) -> key code; 0 when it is not one of
// the 62 shown names.
uint16_t KeyNameToKey(std::string_view shownName);
// Key code -> shown name (UTF-8). A key outside the fixed set gets the name
// the installed system key-name source gives it; "" when there is none.
std::string KeyToKeyName(uint16_t code);
// Shown name of a key of the fixed set; nullptr for any other key.
const char* FixedKeyName(uint16_t code);
// Where names of keys outside the fixed set come from. This table knows no
// window system; the Win32 layer installs its source once at start
// (InstallSystemKeyNames). nullptr removes it.
using SystemKeyNameSource = std::string (*)(uint16_t code);
void SetSystemKeyNameSource(SystemKeyNameSource source);
// The key's own name (exact, case-sensitive) -> key code, 0 when unknown.
uint16_t KeyFromName(std::string_view name);
// Row of a key code, -1 when the key is not in the fixed set.
int KeyRowOf(uint16_t code);

// Gesture slots, in the order used everywhere (settings file included).
enum GestureSlot : int { kGestureUp = 0, kGestureDown = 1, kGestureLeft = 2, kGestureRight = 3 };
constexpr int kGestureSlotCount = 4;
// "ｼﾞｪｽﾁｬ ↑" ... per slot.
const char* GestureName(int slot);
// The command of a default gesture slot; nullptr for an invalid slot.
const char* DefaultGestureCommand(int slot);

// A key binding list: ordered (key, command) pairs. A key may occur more than
// once; dispatch uses the first. A command may have several keys.
struct KeyBinding {
  uint16_t key;
  const CommandDef* command;
};

class BindingList {
public:
  // The default binding list: the default key of each command that has one
  // (CommandDef::defaultKey), in command-table order.
  static BindingList Defaults();

  const std::vector<KeyBinding>& Items() const { return items_; }
  size_t Count() const { return items_.size(); }
  void Clear() { items_.clear(); }
  // Appends a binding; a null command or key 0 is ignored.
  void Add(uint16_t key, const CommandDef* command);
  // The command of the first binding of the key, nullptr when none.
  const CommandDef* Find(uint16_t key) const;
  bool HasKey(uint16_t key) const { return Find(key) != nullptr; }
  // Removes every binding of the key; returns how many were removed.
  size_t RemoveKey(uint16_t key);
  // Removes every binding of the command; returns how many were removed.
  size_t RemoveCommand(const CommandDef* command);
  // Keys bound to the command, in binding-list order.
  std::vector<uint16_t> KeysOf(const CommandDef* command) const;

private:
  std::vector<KeyBinding> items_;
};

}  // namespace zorvik
