#include "kit/page_mnemonics.h"

#include <cwctype>
#include <string>

#include "kit/control_table.h"
#include "kit/page.h"
#include "kit/window.h"

namespace zorvik::kit {

namespace {

// The character after the single "&" of a caption, upper case; 0 when none.
wchar_t MarkedCharacter(const std::wstring& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {
      ++i;  // a literal "&"
      continue;
    }
    return static_cast<wchar_t>(std::towupper(caption[i + 1]));
  }
  return 0;
}

}  // namespace

bool ClickMnemonic(Page& page, UINT msg, WPARAM key) {
  if (msg != WM_SYSKEYDOWN && msg != WM_SYSCHAR) return false;
  if (GetKeyState(VK_MENU) >= 0 && msg == WM_SYSKEYDOWN) return false;
  const wchar_t wanted = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(key)));
  if (!std::iswalnum(wanted) || wanted > 0x7F) return false;
  const kit::ControlTable& table = page.Controls();
  for (size_t i = 0; i < table.Count(); ++i) {
    if (table.DescAt(i).kind != kit::ControlKind::Button) continue;
    HWND button = table.At(i);
    if (!button || !IsWindowVisible(button) || MarkedCharacter(WindowText(button)) != wanted) continue;
    if (msg == WM_SYSCHAR) return true;
    if (!IsWindowEnabled(button)) return true;  // taken, like a greyed button in a dialog
    if (!page.Bindings().Click(button)) SendMessageW(button, BM_CLICK, 0, 0);
    return true;
  }
  return false;
}

}  // namespace zorvik::kit
