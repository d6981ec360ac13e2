#include "custom/custom_window.h"

#include <commctrl.h>

#include <algorithm>

#include "kit/control_table.h"
#include "kit/page.h"
#include "kit/subclass.h"
#include "platform/screen_size.h"
#include "platform/win_text.h"

namespace zorvik {

namespace {

constexpr UINT kTabId = 100;
// The row of tab buttons at 96 dpi, until the tab control tells its own.
constexpr int kDesignTabStrip = 26;

bool KeyHeld(int vk) { return GetKeyState(vk) < 0; }

}  // namespace

TApp_ZorvikCustom::TApp_ZorvikCustom(kit::ToolHost& app, std::vector<Tab> tabs)
    : ToolWindow(L"TApp_ZorvikCustom", "カスタマイズ", kDesignPageWidth, kDesignPageHeight + kDesignTabStrip, true),
      app_(app) {
  for (Tab& t : tabs) pages_.Add(std::move(t.name), std::move(t.caption), std::move(t.factory));
}

// The pages' windows go before this window; the pages themselves with the host.
TApp_ZorvikCustom::~TApp_ZorvikCustom() = default;

void TApp_ZorvikCustom::OnCreate() {
  HWND hwnd = Handle();
  // Restore, Minimize and Maximize are gone already; the separator that was
  // left between Size and Close goes as well (never Close itself).
  if (HMENU sys = GetSystemMenu(hwnd, FALSE)) {
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_FTYPE;
    if (GetMenuItemInfoW(sys, 2, TRUE, &mi) && (mi.fType & MFT_SEPARATOR)) DeleteMenu(sys, 2, MF_BYPOSITION);
  }
  tabs_ = CreateWindowExW(0, WC_TABCONTROLW, L"",
                          WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | TCS_BUTTONS | TCS_FLATBUTTONS, 0, 0,
                          Scale(kDesignPageWidth), Scale(kDesignPageHeight + kDesignTabStrip), hwnd,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kTabId)), GetModuleHandleW(nullptr), nullptr);
  if (!tabs_) return;
  SendMessageW(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
  for (size_t i = 0; i < pages_.Count(); ++i) {
    std::wstring caption = W(pages_.Caption(i));
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendMessageW(tabs_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  // Keys on the tab strip: a release goes to the page in front, Ctrl+Tab and
  // its like change the tab.
  kit::SubclassControl(tabs_, [this](HWND, UINT msg, WPARAM wp, LPARAM lp) -> std::optional<LRESULT> {
    if (msg == WM_KEYUP) {
      if (kit::Page* page = ActivePage(); page && page->HostKeyUp(wp, lp)) return 0;
    } else if (msg == WM_KEYDOWN && TabKey(msg, wp)) {
      return 0;
    }
    return std::nullopt;
  });
  SendMessageW(tabs_, TCM_SETCURSEL, 0, 0);

  // Client: the tab area's width; the tabs, the tab area and the hint bar high.
  RECT probe{0, 0, Scale(kDesignPageWidth), Scale(kDesignPageHeight) * 2};
  SendMessageW(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&probe));
  const int strip = probe.top + (Scale(kDesignPageHeight) * 2 - probe.bottom);  // tabs and the area's margins
  const int width = Scale(kDesignPageWidth) + (Scale(kDesignPageWidth) - (probe.right - probe.left));
  const int height = strip + Scale(kDesignPageHeight) + (Hints() ? Hints()->Height() : 0);
  RECT outer{}, inner{};
  GetWindowRect(hwnd, &outer);
  GetClientRect(hwnd, &inner);
  SetWindowPos(hwnd, nullptr, 0, 0, width + (outer.right - outer.left) - inner.right,
               height + (outer.bottom - outer.top) - inner.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT TApp_ZorvikCustom::PageArea() const {
  RECT r{};
  if (!tabs_) return r;
  GetClientRect(tabs_, &r);
  SendMessageW(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  MapWindowPoints(tabs_, Handle(), reinterpret_cast<POINT*>(&r), 2);
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

void TApp_ZorvikCustom::OnResize(int width, int height) {
  if (!tabs_) return;
  const int bottom = height - (Hints() ? Hints()->Height() : 0);
  SetWindowPos(tabs_, nullptr, 0, 0, width, bottom > 0 ? bottom : 0, SWP_NOZORDER | SWP_NOACTIVATE);
  if (kit::Page* page = ActivePage()) {
    const RECT r = PageArea();
    SetWindowPos(page->Handle(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

int TApp_ZorvikCustom::ActiveTab() const {
  return tabs_ ? static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0)) : -1;
}

void TApp_ZorvikCustom::SelectTab(int index) {
  if (!tabs_ || index < 0 || static_cast<size_t>(index) >= pages_.Count()) return;
  ShowTab(index);
}

void TApp_ZorvikCustom::ShowTab(int index) {
  SendMessageW(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  const std::string& name = pages_.Name(static_cast<size_t>(index));
  // The page in front before: hidden, also when this tab has no page yet.
  for (size_t i = 0; i < pages_.Count(); ++i)
    if (kit::Page* other = pages_.Find(pages_.Name(i)); other && other->Handle() && i != static_cast<size_t>(index))
      ShowWindow(other->Handle(), SW_HIDE);
  kit::Page* page = pages_.Show(name, Handle(), PageArea(), Dpi());
  if (page) ChainKeys(*page);
}

kit::Page* TApp_ZorvikCustom::ActivePage() const {
  const int tab = ActiveTab();
  if (tab < 0 || static_cast<size_t>(tab) >= pages_.Count()) return nullptr;
  kit::Page* page = pages_.Find(pages_.Name(static_cast<size_t>(tab)));
  return page && page->Created() ? page : nullptr;
}

void TApp_ZorvikCustom::ShowCustomisation(std::string_view tab) {
  const bool made = Exists();
  if (!Ensure(app_.MainWindow(), app_.Dpi())) return;
  if (!made) {
    // Centred on the work area of the monitor under the cursor.
    POINT cursor{0, 0};
    GetCursorPos(&cursor);
    const RECT work = WorkAreaOf(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST));
    const RECT b = Bounds();
    const int w = b.right - b.left, h = b.bottom - b.top;
    SetWindowPos(Handle(), nullptr, work.left + (work.right - work.left - w) / 2,
                 work.top + (work.bottom - work.top - h) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  const int index = pages_.IndexOf(tab);
  ShowTab(index >= 0 ? index : std::max(ActiveTab(), 0));
  if (!(IsWindowVisible(Handle()) && IsWindowEnabled(Handle()))) Show();
  SetForegroundWindow(Handle());
  if (kit::Page* page = ActivePage()) SetFocus(page->Handle());
  else SetFocus(tabs_);
}

void TApp_ZorvikCustom::ChainKeys(kit::Page& page) {
  for (kit::Page* p : chained_)
    if (p == &page) return;
  chained_.push_back(&page);
  auto previous = page.Controls().onKey;
  page.Controls().onKey = [this, previous](HWND control, UINT msg, WPARAM vk, LPARAM lp) {
    // Alt+F4 on any control closes this window, whatever the control makes of it.
    if (msg == WM_SYSKEYDOWN && vk == VK_F4 && (HIWORD(lp) & KF_ALTDOWN)) {
      PostMessageW(Handle(), WM_CLOSE, 0, 0);
      return true;
    }
    return TabKey(msg, vk) || (previous && previous(control, msg, vk, lp));
  };
}

bool TApp_ZorvikCustom::TabKey(UINT msg, WPARAM vk) {
  // Ctrl+Tab and Ctrl+PgDn: the next tab; with Shift, or Ctrl+PgUp: the one before.
  if (msg != WM_KEYDOWN || !KeyHeld(VK_CONTROL) || pages_.Count() == 0) return false;
  int step = 0;
  if (vk == VK_TAB) step = KeyHeld(VK_SHIFT) ? -1 : 1;
  else if (vk == VK_NEXT) step = 1;
  else if (vk == VK_PRIOR) step = -1;
  if (step == 0) return false;
  const int n = static_cast<int>(pages_.Count());
  ShowTab(((ActiveTab() + step) % n + n) % n);
  if (kit::Page* page = ActivePage()) SetFocus(page->Handle());
  else SetFocus(tabs_);
  return true;
}

void TApp_ZorvikCustom::OnIconClick() {
  if (kit::Page* page = ActivePage()) page->OpenPopupMenu(GetFocus());
}

std::wstring TApp_ZorvikCustom::HintAt(HWND window) const {
  kit::Page* page = ActivePage();
  return page ? page->HintAt(window) : std::wstring();
}

LRESULT TApp_ZorvikCustom::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NOTIFY: {
      const auto* n = reinterpret_cast<const NMHDR*>(lp);
      if (n && n->hwndFrom == tabs_ && n->code == TCN_SELCHANGE) {
        ShowTab(ActiveTab());
        return 0;
      }
      break;
    }
    case WM_MOUSEWHEEL:
      if (kit::Page* page = ActivePage(); page && page->HostWheel(GET_WHEEL_DELTA_WPARAM(wp), wp)) return 0;
      return 0;
    case WM_KEYUP:
      if (kit::Page* page = ActivePage(); page && page->HostKeyUp(wp, lp)) return 0;
      break;
    case WM_SETFOCUS:
      if (kit::Page* page = ActivePage()) SetFocus(page->Handle());
      else if (tabs_) SetFocus(tabs_);
      return 0;
    default:
      break;
  }
  return ToolWindow::HandleMessage(msg, wp, lp);
}

}  // namespace zorvik
