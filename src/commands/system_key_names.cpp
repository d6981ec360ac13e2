#include "commands/system_key_names.h"

#include <windows.h>

#include "commands/keys.h"
#include "platform/win_text.h"

namespace zorvik {

namespace {

// Keys whose scan code needs the extended bit (bit 24 of the key message's
// lParam) for GetKeyNameTextW to tell them from their keypad twins.
bool IsExtendedKey(uint16_t vk) {
  switch (vk) {
    case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME:
    case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN:
    case VK_INSERT: case VK_DELETE: case VK_DIVIDE: case VK_NUMLOCK:
    case VK_RCONTROL: case VK_RMENU: case VK_LWIN: case VK_RWIN: case VK_APPS:
    case VK_SNAPSHOT: case VK_CANCEL:
      return true;
    default:
      return false;
  }
}

// Keypad keys with Num Lock on: some keyboard drivers map only the
// Num Lock-off keys to scan codes, so these come from the keypad's own
// scan codes (the same on every PC keyboard).
UINT KeypadScanCode(uint16_t vk) {
  static const UINT kDigits[10] = {0x52, 0x4F, 0x50, 0x51, 0x4B, 0x4C, 0x4D, 0x47, 0x48, 0x49};
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return kDigits[vk - VK_NUMPAD0];
  return vk == VK_DECIMAL ? 0x53 : 0;
}

}  // namespace

std::string SystemKeyName(uint16_t virtualKey) {
  UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  if (scan == 0) scan = KeypadScanCode(virtualKey);
  if (scan == 0) return {};
  LONG lParam = static_cast<LONG>((scan & 0xFF) << 16);
  if (IsExtendedKey(virtualKey)) lParam |= 1L << 24;
  wchar_t name[64] = {};
  const int length = GetKeyNameTextW(lParam, name, static_cast<int>(sizeof name / sizeof name[0]));
  if (length <= 0) return {};
  return U8(std::wstring_view(name, static_cast<size_t>(length)));
}

void InstallSystemKeyNames() { SetSystemKeyNameSource(&SystemKeyName); }

}  // namespace zorvik
