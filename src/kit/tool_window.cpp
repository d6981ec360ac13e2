#include "kit/tool_window.h"

#include "kit/control_table.h"
#include "kit/layout_math.h"
#include "kit/page.h"
#include "platform/screen_size.h"
#include "platform/private_messages.h"
#include "platform/win_text.h"

namespace zorvik::kit {

namespace {
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;
}  // namespace

ToolWindow::ToolWindow(std::wstring className, std::string caption, int designWidth, int designHeight,
                       bool hintBar)
    : className_(std::move(className)),
      caption_(std::move(caption)),
      designWidth_(designWidth),
      designHeight_(designHeight),
      wantHints_(hintBar) {}

ToolWindow::~ToolWindow() {
  if (Handle()) DestroyWindow(Handle());
  hints_.reset();
  if (font_) DeleteObject(font_);
}

int ToolWindow::Scale(int designPixels) const { return ScaleToDpi(designPixels, dpi_); }

bool ToolWindow::Ensure(HWND owner, int dpi) {
  if (Handle()) return true;
  // Asked on every tick by a window that follows the capture: a creation
  // that failed once is not tried (and its font not made) again.
  if (creationFailed_) return false;
  dpi_ = dpi > 0 ? dpi : WindowDpi(owner);
  font_ = CreatePageFont(dpi_);
  RECT r{0, 0, Scale(designWidth_), Scale(designHeight_)};
  AdjustWindowRectEx(&r, kStyle, FALSE, kExStyle);
  HICON icon = owner ? reinterpret_cast<HICON>(GetClassLongPtrW(owner, GCLP_HICON)) : nullptr;
  if (!Window::Create(className_.c_str(), W(caption_).c_str(), kStyle, kExStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                      r.right - r.left, r.bottom - r.top, owner, icon, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1))) {
    if (font_) DeleteObject(font_);
    font_ = nullptr;
    creationFailed_ = true;
    return false;
  }
  if (HMENU system = GetSystemMenu(Handle(), FALSE)) {
    DeleteMenu(system, SC_RESTORE, MF_BYCOMMAND);
    DeleteMenu(system, SC_MINIMIZE, MF_BYCOMMAND);
    DeleteMenu(system, SC_MAXIMIZE, MF_BYCOMMAND);
  }
  if (wantHints_) {
    hints_ = std::make_unique<HintBar>();
    if (hints_->Create(Handle(), font_))
      hints_->Track(Handle(), [this](HWND under) { return HintAt(under); });
    else
      hints_.reset();
  }
  OnCreate();
  RECT client{};
  GetClientRect(Handle(), &client);
  OnResize(client.right, client.bottom);
  return true;
}

void ToolWindow::Show() {
  if (!Ensure()) return;
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
}

void ToolWindow::Hide() {
  if (Handle()) ShowWindow(Handle(), SW_HIDE);
}

void ToolWindow::Close() {
  Hide();
  if (onClose) onClose();
}

RECT ToolWindow::Bounds() const {
  RECT r{};
  if (Handle()) GetWindowRect(Handle(), &r);
  return r;
}

bool ToolWindow::SetBounds(const RECT& bounds) {
  if (!Handle() || bounds.right <= bounds.left || bounds.bottom <= bounds.top) return false;
  // Stored bounds may be anything: first a rectangle of the virtual screen.
  const Rc limited = LimitRectToBound(Rc{bounds.left, bounds.top, bounds.right, bounds.bottom},
                                      ScreenSize().Layout().Virtual());
  FitToWorkArea(Handle(), RECT{limited.left, limited.top, limited.right, limited.bottom});
  return true;
}

void ToolWindow::SetPage(Page* page) {
  page_ = page;
  if (!page_ || !Handle()) return;
  if (!page_->Created()) page_->Create(Handle(), dpi_);
  const RECT r = ContentRect();
  SetWindowPos(page_->Handle(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

RECT ToolWindow::ContentRect() const {
  RECT r{};
  GetClientRect(Handle(), &r);
  if (hints_) r.bottom -= hints_->Height();
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

void ToolWindow::OnResize(int, int) {
  if (!page_ || !page_->Handle()) return;
  const RECT r = ContentRect();
  SetWindowPos(page_->Handle(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void ToolWindow::OnIconClick() {
  if (page_ && page_->Handle()) page_->OpenPopupMenu(GetFocus());
}

std::wstring ToolWindow::HintAt(HWND window) const { return page_ ? page_->HintAt(window) : std::wstring(); }

LRESULT ToolWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CLOSE:
      Close();
      return 0;
    case WM_SYSCOMMAND:
      if (static_cast<UINT>(wp) == syscmd::kIconClick) {  // the page's menu instead of the system menu
        OnIconClick();
        return 0;
      }
      break;
    case WM_SIZE:
      if (wp == SIZE_MINIMIZED) break;
      if (hints_) hints_->Layout();
      OnResize(LOWORD(lp), HIWORD(lp));
      return 0;
    case WM_SETFOCUS:
      if (page_ && page_->Handle()) SetFocus(page_->Handle());
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    default:
      break;
  }
  return Window::HandleMessage(msg, wp, lp);
}

}  // namespace zorvik::kit
