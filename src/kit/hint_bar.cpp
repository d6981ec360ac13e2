#include "kit/hint_bar.h"

#include <commctrl.h>

#include "platform/win_dpi.h"

namespace zorvik::kit {

namespace {
constexpr UINT_PTR kSubclassId = 0x5A48;
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kPollMs = 100;
}  // namespace

HintBar::~HintBar() {
  if (hwnd_ && IsWindow(hwnd_)) {
    KillTimer(hwnd_, kTimerId);
    RemoveWindowSubclass(hwnd_, Proc, kSubclassId);
  }
}

bool HintBar::Create(HWND parent, HFONT font) {
  hwnd_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, parent,
                          nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return false;
  SetWindowSubclass(hwnd_, Proc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  SendMessageW(hwnd_, SB_SIMPLE, TRUE, 0);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  FitStatusBar(hwnd_);
  return true;
}

int HintBar::Height() const {
  RECT r{};
  // Its own visibility, not its parent's: the height counts while the window is still hidden.
  if (!hwnd_ || !(GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE)) return 0;
  GetWindowRect(hwnd_, &r);
  return r.bottom - r.top;
}

void HintBar::Layout() {
  if (hwnd_) SendMessageW(hwnd_, WM_SIZE, 0, 0);
}

void HintBar::SetText(std::wstring_view text) {
  if (text == text_) return;
  text_.assign(text);
  SendMessageW(hwnd_, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(text_.c_str()));
}

std::wstring HintBar::Text() const { return text_; }

void HintBar::Track(HWND root, std::function<std::wstring(HWND)> hintOf) {
  root_ = root;
  hintOf_ = std::move(hintOf);
  if (hwnd_) SetTimer(hwnd_, kTimerId, kPollMs, nullptr);
}

void HintBar::Poll() {
  if (!root_ || !hintOf_ || !IsWindowVisible(root_)) return;
  POINT p;
  if (!GetCursorPos(&p)) return;
  HWND under = WindowFromPoint(p);
  if (!under || (under != root_ && !IsChild(root_, under))) return;
  SetText(hintOf_(under));
}

LRESULT CALLBACK HintBar::Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR ref) {
  auto* self = reinterpret_cast<HintBar*>(ref);
  switch (msg) {
    case WM_TIMER:
      if (wp == kTimerId) {
        self->Poll();
        return 0;
      }
      break;
    case WM_NCDESTROY:
      KillTimer(h, kTimerId);
      RemoveWindowSubclass(h, Proc, id);
      self->hwnd_ = nullptr;
      break;
    default:
      break;
  }
  return DefSubclassProc(h, msg, wp, lp);
}

}  // namespace zorvik::kit
