#include "kit/page.h"

#include <commctrl.h>

#include "kit/page_mnemonics.h"

namespace zorvik::kit {

Page::Page(std::string name, std::string caption, ControlTableDesc design, int designWidth, int designHeight,
           ActionList* actions)
    : name_(std::move(name)),
      caption_(std::move(caption)),
      design_(std::move(design)),
      designWidth_(designWidth),
      designHeight_(designHeight),
      actions_(actions ? actions : &commands_) {}

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
  table_.onKey = [this](HWND control, UINT msg, WPARAM vk, LPARAM lp) { return PageKey(control, msg, vk, lp); };
  table_.Build(Handle(), design_, dpi, font_);
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

void Page::OnFocus(std::string name, std::function<void()> handler) { focuses_[std::move(name)] = std::move(handler); }

Action& Page::AddCommand(std::string name, std::string caption, std::function<void()> run, std::string hint) {
  Action& a = commands_.Add(std::move(name));
  a.caption = std::move(caption);
  a.hint = std::move(hint);
  if (run) a.onExecute = [run = std::move(run)](Action&) { run(); };
  return a;
}

PopupMenu& Page::AddMenu(std::string name, const std::vector<MenuRow>& rows) {
  menus_.push_back(std::make_unique<PopupMenu>(std::move(name)));
  AddMenuRows(menus_.back()->Root(), rows, commands_);
  return *menus_.back();
}

PopupMenu* Page::Menu(std::string_view name) const {
  for (const auto& m : menus_)
    if (m->Name() == name) return m.get();
  return nullptr;
}

void Page::SetPageMenu(std::string_view menu, bool rightClick) {
  pageMenu_ = Menu(menu);
  rightClickMenu_ = rightClick;
}

void Page::SetControlMenu(std::string_view control, std::string_view menu) {
  if (PopupMenu* m = Menu(menu)) controlMenus_[std::string(control)] = m;
}

void Page::ShowMenu(PopupMenu& menu, POINT screen, HWND control) {
  OnMenuOpening(menu, control);
  menu.Popup(GetAncestor(Handle(), GA_ROOT), screen.x, screen.y,
             [this](const Action& a) { return static_cast<UINT>(commands_.IndexOf(&a) + 1); });
}

bool Page::OpenControlMenu(HWND control, POINT screen) {
  const ControlDesc* d = control ? table_.DescOf(control) : nullptr;
  auto it = d ? controlMenus_.find(d->name) : controlMenus_.end();
  if (it == controlMenus_.end()) return false;
  ShowMenu(*it->second, screen, control);
  return true;
}

bool Page::OnPopupMenu(POINT screen, HWND) {
  if (!pageMenu_) return false;
  ShowMenu(*pageMenu_, screen);
  return true;
}

// Closes the window that hosts the page, never the page itself.
void Page::CloseHost(HWND keepOpen) {
  if (!Handle()) return;
  HWND top = GetAncestor(Handle(), GA_ROOT);
  if (top && top != Handle() && top != keepOpen) PostMessageW(top, WM_CLOSE, 0, 0);
}

void Page::OnDpiChanged(int dpi) {
  if (!Handle() || dpi <= 0) return;
  HFONT old = font_;
  font_ = CreatePageFont(dpi);
  const PixelRect size = ScaleRect(DesignRect{0, 0, designWidth_, designHeight_}, dpi);
  SetWindowPos(Handle(), nullptr, 0, 0, size.Width(), size.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  table_.Rescale(dpi, font_);
  // Windows the page made itself with its font take the new one too.
  struct Swap {
    HFONT from, to;
  } swap{old, font_};
  EnumChildWindows(
      Handle(),
      [](HWND child, LPARAM lp) -> BOOL {
        const auto* s = reinterpret_cast<const Swap*>(lp);
        if (reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)) == s->from)
          SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(s->to), TRUE);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&swap));
  if (old) DeleteObject(old);
  RECT client{};
  GetClientRect(Handle(), &client);
  OnResize(client.right, client.bottom);
}

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

bool Page::PageKey(HWND control, UINT msg, WPARAM vk, LPARAM lp) {
  return OnKey(control, msg, vk, lp) || ClickMnemonic(*this, msg, vk) || MenuKey(control, msg, vk, lp);
}

bool Page::MenuKey(HWND from, UINT msg, WPARAM vk, LPARAM lp) {
  const bool released = msg == WM_KEYUP || msg == WM_SYSKEYUP;
  const bool pressed = msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN;
  if (!released && !pressed) return false;
  bool own = vk == VK_APPS;  // the control's own menu rather than the page's
  if (vk == VK_F10) {
    const bool alt = (HIWORD(lp) & KF_ALTDOWN) != 0 || GetKeyState(VK_MENU) < 0;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (alt || ctrl) return false;
    own = GetKeyState(VK_SHIFT) < 0;
  } else if (vk != VK_APPS) {
    return false;
  }
  // Taken on the press as well, so that F10 does not enter the menu mode.
  if (!released) return true;
  POINT corner{0, 0};
  ClientToScreen(from, &corner);
  if (!own || !OpenControlMenu(from, corner)) OpenPopupMenu(from);
  return true;
}

// WM_CONTEXTMENU: a control's own menu, else the page menu where a right
// click opens it.
bool Page::ContextMenu(HWND from, LPARAM lp) {
  const bool keyboard = lp == -1;
  POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  if (keyboard && from) {
    at = POINT{0, 0};
    ClientToScreen(from, &at);
  }
  if (OpenControlMenu(from, at)) return true;
  if (!pageMenu_ || !rightClickMenu_) return false;
  if (keyboard) OpenPopupMenu(GetFocus());
  else OnPopupMenu(at, GetFocus());
  return true;
}

void Page::Changed(HWND control, const std::map<std::string, std::function<void()>, std::less<>>& handlers) {
  if (building_) return;
  const ControlDesc* d = table_.DescOf(control);
  if (!d) return;
  auto it = handlers.find(d->name);
  if (it != handlers.end() && it->second) it->second();
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
      if (code == BN_CLICKED && (IsBindable(d->kind) || d->kind == ControlKind::Label)) {
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
        Changed(control, changes_);
      const bool list = d->kind == ControlKind::ListBox || d->kind == ControlKind::CheckList ||
                        d->kind == ControlKind::OwnerList;
      const bool edit = d->kind == ControlKind::Edit || d->kind == ControlKind::SpinEdit;
      if ((code == LBN_SETFOCUS && list) || (code == EN_SETFOCUS && edit)) Changed(control, focuses_);
      return 0;
    }
    case WM_NOTIFY: {
      const auto* n = reinterpret_cast<const NMHDR*>(lp);
      if (n->code == TVN_SELCHANGEDW) Changed(n->hwndFrom, changes_);
      break;
    }
    case WM_CONTEXTMENU:
      if (ContextMenu(reinterpret_cast<HWND>(wp), lp)) return 0;
      break;
    case WM_MOUSEWHEEL:
      if (HostWheel(GET_WHEEL_DELTA_WPARAM(wp), wp)) return 0;
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (lp) {
        const ControlDesc* d = table_.DescOf(reinterpret_cast<HWND>(lp));
        if (d && d->kind == ControlKind::TrackBar) {
          Changed(reinterpret_cast<HWND>(lp), changes_);
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
      if (PageKey(Handle(), msg, wp, lp)) return 0;
      break;
    default:
      break;
  }
  return Window::HandleMessage(msg, wp, lp);
}

}  // namespace zorvik::kit
