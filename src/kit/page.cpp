#include "kit/page.h"

#include <commctrl.h>

namespace zorvik::kit {

Page::Page(std::string name, std::string caption, ControlTableDesc design, int designWidth, int designHeight,
           ActionList* actions)
    : name_(std::move(name)),
      caption_(std::move(caption)),
      design_(std::move(design)),
      designWidth_(designWidth),
      designHeight_(designHeight),
      actions_(actions) {}

Page::~Page() {
  // The controls go before the font they draw with.
  if (Handle()) DestroyWindow(Handle());
  if (font_) DeleteObject(font_);
}

bool Page::Create(HWND parent, int dpi) {
  if (Handle()) return true;
  if (dpi <= 0) dpi = WindowDpi(parent);
  font_ = CreatePageFont(dpi);
  const PixelRect size = ScaleRect(DesignRect{0, 0, designWidth_, designHeight_}, dpi);
  if (!Window::Create(L"ZorvikKitPage", L"", WS_CHILD, WS_EX_CONTROLPARENT, 0, 0, size.Width(), size.Height(),
                      parent, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
    return false;
  building_ = true;
  table_.onKey = [this](HWND control, UINT msg, WPARAM vk, LPARAM lp) {
    return OnKey(control, msg, vk, lp) || MenuKey(control, msg, vk, lp);
  };
  table_.Build(Handle(), design_, dpi, font_);
  if (actions_)
    binder_.Bind(table_, *actions_, [this](const ControlDesc& d) { return clicks_.count(d.name) != 0; });
  OnCreate();
  building_ = false;
  Sync();
  return true;
}

void Page::Sync() { binder_.SyncFromActions(); }

void Page::OnClick(std::string name, std::function<void()> handler) {
  if (HWND h = table_.Find(name)) binder_.Unbind(h);
  clicks_[std::move(name)] = std::move(handler);
}

void Page::OnChange(std::string name, std::function<void()> handler) { changes_[std::move(name)] = std::move(handler); }

std::wstring Page::HintAt(HWND window) const {
  for (HWND h = window; h && h != Handle(); h = GetParent(h)) {
    std::wstring hint = table_.HintOf(h);
    if (!hint.empty()) return hint;
  }
  return {};
}

bool Page::OpenPopupMenu(HWND focus) {
  POINT origin{0, 0};
  ClientToScreen(Handle(), &origin);
  return OnPopupMenu(origin, focus);
}

bool Page::MenuKey(HWND from, UINT msg, WPARAM vk, LPARAM lp) {
  const bool released = msg == WM_KEYUP || msg == WM_SYSKEYUP;
  const bool pressed = msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN;
  if (!released && !pressed) return false;
  if (vk == VK_APPS) {
    if (released) OpenPopupMenu(from);
    return true;
  }
  if (vk == VK_F10) {
    const bool alt = (HIWORD(lp) & KF_ALTDOWN) != 0 || GetKeyState(VK_MENU) < 0;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (alt || ctrl) return false;
    // Taken on the press as well, so that F10 does not enter the menu mode.
    if (released) OpenPopupMenu(from);
    return true;
  }
  return false;
}

void Page::Changed(HWND control) {
  if (building_) return;
  const ControlDesc* d = table_.DescOf(control);
  if (!d) return;
  auto it = changes_.find(d->name);
  if (it != changes_.end() && it->second) it->second();
}

LRESULT Page::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  switch (msg) {
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      if (table_.Reflect(msg, wp, lp, &result)) return result;
      break;
    case WM_COMMAND: {
      if (!lp) break;
      if (table_.Reflect(msg, wp, lp, &result)) return result;
      const HWND control = reinterpret_cast<HWND>(lp);
      const ControlDesc* d = table_.DescOf(control);
      if (!d) break;
      const UINT code = HIWORD(wp);
      if (code == BN_CLICKED && IsBindable(d->kind)) {
        if (building_) return 0;
        auto it = clicks_.find(d->name);
        if (it != clicks_.end()) {
          if (it->second) it->second();
        } else {
          binder_.Click(control);
        }
        return 0;
      }
      if ((code == EN_CHANGE && (d->kind == ControlKind::Edit || d->kind == ControlKind::SpinEdit)) ||
          (code == CBN_SELCHANGE && d->kind == ControlKind::ComboBox) ||
          (code == LBN_SELCHANGE && (d->kind == ControlKind::ListBox || d->kind == ControlKind::CheckList ||
                                     d->kind == ControlKind::OwnerList)))
        Changed(control);
      return 0;
    }
    case WM_NOTIFY: {
      const auto* n = reinterpret_cast<const NMHDR*>(lp);
      if (n->code == TVN_SELCHANGEDW) Changed(n->hwndFrom);
      break;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (lp) {
        const ControlDesc* d = table_.DescOf(reinterpret_cast<HWND>(lp));
        if (d && d->kind == ControlKind::TrackBar) {
          Changed(reinterpret_cast<HWND>(lp));
          return 0;
        }
      }
      break;
    case WM_SIZE:
      table_.Relayout(Handle());
      OnResize(LOWORD(lp), HIWORD(lp));
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_SETFOCUS:
      if (HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE); first && first != Handle()) SetFocus(first);
      return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
      if (OnKey(Handle(), msg, wp, lp) || MenuKey(Handle(), msg, wp, lp)) return 0;
      break;
    default:
      break;
  }
  return Window::HandleMessage(msg, wp, lp);
}

}  // namespace zorvik::kit
