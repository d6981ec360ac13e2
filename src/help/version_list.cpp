#include "help/version_list.h"

#include <algorithm>
#include <cstdio>

#include "commands/command_text.h"

namespace zorvik {

namespace {

const char* const kStatusIconCommands[kStatusIconCount] = {
    "Action_Write_InfoCash", "Action_Opt_StayOnTop",  "Action_Capture_SmoothCapture",
    "Action_Capture_Pause",  "Action_Capture_Lupe",   "Action_Capture_Fixed",
};

constexpr char32_t kMalformed = 0xFFFFFFFF;

// One code point of UTF-8 at `i`, advancing `i`; a malformed byte is taken
// alone and gives kMalformed.
char32_t NextCodePoint(std::string_view s, size_t& i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b = byte(i);
  size_t length = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
  if (length == 0 || i + length > s.size()) {
    ++i;
    return kMalformed;
  }
  char32_t cp = length == 1 ? b : b & (0x7F >> length);
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) {
      ++i;
      return kMalformed;
    }
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  i += length;
  return cp;
}

std::string Spaces(int n) { return std::string(static_cast<size_t>(std::max(0, n)), ' '); }

std::string Bracketed(std::string_view name) { return "[" + std::string(name) + "]"; }

// "[name]" right-aligned in W + 2 columns.
std::string RightAligned(std::string_view name) {
  const std::string b = Bracketed(name);
  return Spaces(KeyNameColumns() + 2 - DisplayColumns(b)) + b;
}

// The text a command shows in the list: "category/caption"; the separator
// pseudo-command shows its caption "-".
std::string ListText(const CommandDef& command) {
  if (&command == &SeparatorCommand()) return CaptionWithoutAccelerator(command.caption);
  return CommandDisplayText(command);
}

// A key's display name; a key no table or layout names shows its code.
std::string KeyShownName(uint16_t key) {
  std::string name = KeyToKeyName(key);
  if (name.empty()) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", key);
    name = hex;
  }
  return name;
}

}  // namespace

int DisplayColumns(std::string_view utf8) {
  int columns = 0;
  for (size_t i = 0; i < utf8.size();) {
    const char32_t cp = NextCodePoint(utf8, i);
    // ASCII, half-width katakana, and a stray byte
    const bool narrow = cp < 0x80 || (cp >= 0xFF61 && cp <= 0xFF9F) || cp == kMalformed;
    columns += narrow ? 1 : 2;
  }
  return columns;
}

const char* const* StatusIconCommands() { return kStatusIconCommands; }

int KeyNameColumns() {
  int w = 1;
  for (int row = 0; row < kKeyCount; ++row) w = std::max(w, DisplayColumns(KeyTable()[row].shown));
  for (int slot = 0; slot < kGestureSlotCount; ++slot) w = std::max(w, DisplayColumns(GestureName(slot)));
  return w;
}

std::vector<VersionLine> BuildVersionList(const BindingList& bindings, const GestureCommands& gestures) {
  using Kind = VersionLineKind;
  std::vector<VersionLine> lines;
  auto add = [&](Kind kind, std::string text, int icon = -1) { lines.push_back({kind, std::move(text), icon}); };

  add(Kind::kHeading, "\t情報表示ステータス欄のアイコン説明");
  for (int i = 0; i < kStatusIconCount; ++i) {
    const CommandDef* c = CommandByName(kStatusIconCommands[i]);
    // "caption/hint"; a command without a hint shows its caption alone
    // rather than a caption with a dangling "/".
    std::string text = c ? CaptionWithoutAccelerator(c->caption) : std::string();
    if (c && c->hint[0] != '\0') text += std::string("/") + c->hint;
    add(Kind::kIcon, std::move(text), i);
  }
  add(Kind::kSeparator, "-");

  add(Kind::kHeading, "\t現在のショートカットキー一覧");
  for (int row = 0; row < kKeyCount; ++row) {
    const KeyDef& key = KeyTable()[row];
    if (const CommandDef* c = bindings.Find(key.code)) add(Kind::kText, RightAligned(key.shown) + " " + ListText(*c));
  }
  add(Kind::kHeading, "\t現在のマウスジェスチャ設定");
  for (int slot = 0; slot < kGestureSlotCount; ++slot)
    if (const CommandDef* c = gestures[static_cast<size_t>(slot)])
      add(Kind::kText, RightAligned(GestureName(slot)) + " " + ListText(*c));
  add(Kind::kSeparator, "-");

  add(Kind::kHeading, "\t現在のコマンド設定一覧");
  struct Listed {
    std::string text, keys;
  };
  std::vector<Listed> listed;
  int width = 0;
  for (size_t i = 0; i < CommandCount(); ++i) {
    const CommandDef& c = CommandTable()[i];
    std::string keys;
    for (const KeyBinding& b : bindings.Items())
      if (b.command == &c) keys += " " + Bracketed(KeyShownName(b.key));
    for (int slot = 0; slot < kGestureSlotCount; ++slot)
      if (gestures[static_cast<size_t>(slot)] == &c) keys += " " + Bracketed(GestureName(slot));
    if (keys.empty()) continue;
    listed.push_back({ListText(c), std::move(keys)});
    width = std::max(width, DisplayColumns(listed.back().text));
  }
  // "%-*s %s": the text left-aligned in the common width, a space, then the
  // bindings, each of which brings its own leading space.
  for (const Listed& l : listed)
    add(Kind::kText, l.text + Spaces(width - DisplayColumns(l.text)) + " " + l.keys);
  return lines;
}

}  // namespace zorvik
