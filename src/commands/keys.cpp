#include "commands/keys.h"

#include <algorithm>
#include <iterator>

namespace zorvik {

namespace {

const KeyDef kKeys[kKeyCount] = {
    {0, 0x30, "0", "0"},          {1, 0x31, "1", "1"},          {2, 0x32, "2", "2"},
    {3, 0x33, "3", "3"},          {4, 0x34, "4", "4"},          {5, 0x35, "5", "5"},
    {6, 0x36, "6", "6"},          {7, 0x37, "7", "7"},          {8, 0x38, "8", "8"},
    {9, 0x39, "9", "9"},          {10, 0x20, "Space", "ｽﾍﾟｰｽ"}, {11, 0x41, "A", "A"},
    {12, 0x42, "B", "B"},         {13, 0x43, "C", "C"},         {14, 0x44, "D", "D"},
    {15, 0x45, "E", "E"},         {16, 0x46, "F", "F"},         {17, 0x47, "G", "G"},
    {18, 0x48, "H", "H"},         {19, 0x49, "I", "I"},         {20, 0x4A, "J", "J"},
    {21, 0x4B, "K", "K"},         {22, 0x4C, "L", "L"},         {23, 0x4D, "M", "M"},
    {24, 0x4E, "N", "N"},         {25, 0x4F, "O", "O"},         {26, 0x50, "P", "P"},
    {27, 0x51, "Q", "Q"},         {28, 0x52, "R", "R"},         {29, 0x53, "S", "S"},
    {30, 0x54, "T", "T"},         {31, 0x55, "U", "U"},         {32, 0x56, "V", "V"},
    {33, 0x57, "W", "W"},         {34, 0x58, "X", "X"},         {35, 0x59, "Y", "Y"},
    {36, 0x5A, "Z", "Z"},         {37, 0x70, "F1", "F1"},       {38, 0x71, "F2", "F2"},
    {39, 0x72, "F3", "F3"},       {40, 0x73, "F4", "F4"},       {41, 0x74, "F5", "F5"},
    {42, 0x75, "F6", "F6"},       {43, 0x76, "F7", "F7"},       {44, 0x77, "F8", "F8"},
    {45, 0x78, "F9", "F9"},       {46, 0x79, "F10", "F10"},     {47, 0x7A, "F11", "F11"},
    {48, 0x7B, "F12", "F12"},     {49, 0x0D, "Enter", "Enter"}, {50, 0x08, "BkSp", "BS(後退)"},
    {51, 0x2E, "Del", "Del"},     {52, 0x2D, "Ins", "Ins"},     {53, 0x1B, "Esc", "Esc"},
    {54, 0x21, "PgUp", "PgUp"},   {55, 0x22, "PgDn", "PgDn"},   {56, 0x24, "Home", "Home"},
    {57, 0x23, "End", "End"},     {58, 0x26, "Up", "↑"},        {59, 0x28, "Down", "↓"},
    {60, 0x25, "Left", "←"},      {61, 0x27, "Right", "→"},
};

const char* const kGestureNames[kGestureSlotCount] = {
    "ｼﾞｪｽﾁｬ ↑", "ｼﾞｪｽﾁｬ ↓", "ｼﾞｪｽﾁｬ ←", "ｼﾞｪｽﾁｬ →"};

const char* const kDefaultGestures[kGestureSlotCount] = {
    "Action_Opt_StayOnTop", "Action_Custom_Setting", "Action_Grid_Disp", "Action_Capture_Pause"};

}  // namespace

const KeyDef* KeyTable() { return kKeys; }

uint16_t KeyNameToKey(std::string_view shownName) {
  for (const KeyDef& k : kKeys)
    if (shownName == k.shown) return k.code;
  return 0;
}

namespace {
SystemKeyNameSource g_systemKeyNames = nullptr;
}  // namespace

void SetSystemKeyNameSource(SystemKeyNameSource source) { g_systemKeyNames = source; }

const char* FixedKeyName(uint16_t code) {
  const int row = KeyRowOf(code);
  return row < 0 ? nullptr : kKeys[row].shown;
}

std::string KeyToKeyName(uint16_t code) {
  if (const char* shown = FixedKeyName(code)) return shown;
  return g_systemKeyNames && code != 0 ? g_systemKeyNames(code) : std::string();
}

uint16_t KeyFromName(std::string_view name) {
  for (const KeyDef& k : kKeys)
    if (name == k.name) return k.code;
  return 0;
}

int KeyRowOf(uint16_t code) {
  for (const KeyDef& k : kKeys)
    if (k.code == code) return k.row;
  return -1;
}

const char* GestureName(int slot) {
  return slot >= 0 && slot < kGestureSlotCount ? kGestureNames[slot] : nullptr;
}

const char* DefaultGestureCommand(int slot) {
  return slot >= 0 && slot < kGestureSlotCount ? kDefaultGestures[slot] : nullptr;
}

BindingList BindingList::Defaults() {
  BindingList list;
  for (size_t i = 0; i < CommandCount(); ++i) {
    const CommandDef& c = CommandTable()[i];
    if (c.defaultKey) list.Add(KeyFromName(c.defaultKey), &c);
  }
  return list;
}

void BindingList::Add(uint16_t key, const CommandDef* command) {
  if (key != 0 && command != nullptr) items_.push_back({key, command});
}

const CommandDef* BindingList::Find(uint16_t key) const {
  for (const KeyBinding& b : items_)
    if (b.key == key) return b.command;
  return nullptr;
}

size_t BindingList::RemoveKey(uint16_t key) {
  const size_t before = items_.size();
  items_.erase(std::remove_if(items_.begin(), items_.end(),
                              [key](const KeyBinding& b) { return b.key == key; }),
               items_.end());
  return before - items_.size();
}

size_t BindingList::RemoveCommand(const CommandDef* command) {
  const size_t before = items_.size();
  items_.erase(std::remove_if(items_.begin(), items_.end(),
                              [command](const KeyBinding& b) { return b.command == command; }),
               items_.end());
  return before - items_.size();
}

std::vector<uint16_t> BindingList::KeysOf(const CommandDef* command) const {
  std::vector<uint16_t> keys;
  for (const KeyBinding& b : items_)
    if (b.command == command) keys.push_back(b.key);
  return keys;
}

}  // namespace zorvik
