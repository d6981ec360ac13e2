// Helpers shared by the Win32 unit tests.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace wintest {

inline void Pump(int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  do {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&m);
      DispatchMessageW(&m);
    }
    Sleep(5);
  } while (static_cast<int>(end - GetTickCount()) > 0);
}

// Closes the first message box titled `title` that appears, from another
// thread, so a test never blocks on it; remembers whether one appeared.
class DialogCloser {
public:
  explicit DialogCloser(const wchar_t* title) : title_(title), thread_([this] { Run(); }) {}
  ~DialogCloser() {
    stop_ = true;
    thread_.join();
  }
  bool Seen() const { return seen_; }

private:
  void Run() {
    while (!stop_) {
      if (HWND h = FindWindowW(L"#32770", title_)) {
        seen_ = true;
        PostMessageW(h, WM_COMMAND, IDOK, 0);
      }
      Sleep(20);
    }
  }
  const wchar_t* title_;
  std::atomic<bool> stop_{false}, seen_{false};
  std::thread thread_;
};

// Answers the first dialog titled `title` of this process that becomes
// visible, from another thread: waits `settleMs` for its show-time work,
// records what it shows, then does `action`. If the dialog is still open
// 3 s later it is closed, so a test never hangs on it.
class DialogProbe {
public:
  enum class Action { Press, Escape, Enter, CloseBox };
  struct Button {
    std::wstring caption;
    RECT rect;  // screen
    int id;
  };
  DialogProbe(std::wstring title, Action action, std::wstring caption = L"", int settleMs = 200)
      : title_(std::move(title)), caption_(std::move(caption)), action_(action), settleMs_(settleMs),
        thread_([this] { Run(); }) {}
  ~DialogProbe() { Join(); }
  // Ends the helper thread; call it after the modal call returned and
  // before reading what was recorded.
  void Join() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }
  bool Seen() const { return seen_; }
  bool Answered() const { return answered_; }  // the action found its target
  bool ForcedClose() const { return forced_; }
  HWND Dialog() const { return dialog_; }
  RECT Rect() const { return rect_; }
  POINT Cursor() const { return cursor_; }  // cursor position once shown
  const std::wstring& Text() const { return text_; }
  const std::vector<Button>& Buttons() const { return buttons_; }
  int DefaultId() const { return defaultId_; }  // the button drawn as default, 0: none
  bool Visible() const { return visible_; }
  HWND Owner() const { return owner_; }
  const Button* Find(const std::wstring& caption) const {
    for (const Button& b : buttons_)
      if (b.caption == caption) return &b;
    return nullptr;
  }

private:
  static BOOL CALLBACK Child(HWND h, LPARAM lp) {
    auto* self = reinterpret_cast<DialogProbe*>(lp);
    wchar_t cls[32] = L"", text[512] = L"";
    GetClassNameW(h, cls, 32);
    GetWindowTextW(h, text, 512);
    if (lstrcmpiW(cls, L"Button") == 0) {
      Button b{text, {}, GetDlgCtrlID(h)};
      GetWindowRect(h, &b.rect);
      self->buttons_.push_back(b);
      if ((GetWindowLongW(h, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) self->defaultId_ = b.id;
    } else if (lstrcmpiW(cls, L"Static") == 0) {
      self->text_ = text;
    }
    return TRUE;
  }
  HWND Wait() {
    const DWORD end = GetTickCount() + 10000;
    while (!stop_ && static_cast<int>(end - GetTickCount()) > 0) {
      HWND h = FindWindowW(L"#32770", title_.c_str());
      DWORD pid = 0;
      if (h) GetWindowThreadProcessId(h, &pid);
      if (h && pid == GetCurrentProcessId() && IsWindowVisible(h)) return h;
      Sleep(10);
    }
    return nullptr;
  }
  void Run() {
    HWND h = Wait();
    if (!h) return;
    Sleep(static_cast<DWORD>(settleMs_));
    dialog_ = h;
    seen_ = true;
    visible_ = IsWindowVisible(h) != FALSE;
    owner_ = GetWindow(h, GW_OWNER);
    GetWindowRect(h, &rect_);
    GetCursorPos(&cursor_);
    EnumChildWindows(h, Child, reinterpret_cast<LPARAM>(this));
    HWND anyButton = buttons_.empty() ? h : GetDlgItem(h, buttons_.front().id);
    switch (action_) {
      case Action::Press:
        if (const Button* b = Find(caption_)) {
          PostMessageW(h, WM_COMMAND, MAKEWPARAM(b->id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(GetDlgItem(h, b->id)));
          answered_ = true;
        }
        break;
      case Action::Escape:
      case Action::Enter: {
        const WPARAM vk = action_ == Action::Escape ? VK_ESCAPE : VK_RETURN;
        HWND target = defaultId_ ? GetDlgItem(h, defaultId_) : anyButton;
        PostMessageW(target, WM_KEYDOWN, vk, 1);
        PostMessageW(target, WM_KEYUP, vk, 0xC0000001);
        answered_ = true;
        break;
      }
      case Action::CloseBox:
        PostMessageW(h, WM_SYSCOMMAND, SC_CLOSE, 0);
        answered_ = true;
        break;
    }
    const DWORD end = GetTickCount() + 3000;
    while (!stop_ && IsWindow(h) && static_cast<int>(end - GetTickCount()) > 0) Sleep(10);
    if (IsWindow(h)) {  // the action did not close it: end it all the same
      forced_ = true;
      PostMessageW(h, WM_CLOSE, 0, 0);
    }
  }
  std::wstring title_, caption_;
  Action action_;
  int settleMs_;
  std::atomic<bool> stop_{false}, seen_{false};
  bool answered_ = false, forced_ = false, visible_ = false;
  HWND dialog_ = nullptr, owner_ = nullptr;
  RECT rect_{};
  POINT cursor_{};
  std::wstring text_;
  std::vector<Button> buttons_;
  int defaultId_ = 0;
  std::thread thread_;
};

// A plain top-level window for placement tests.
inline HWND MakeWindow(int x, int y, int w, int h) {
  return CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"probe", WS_POPUP | WS_VISIBLE, x, y, w, h, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

// The height a status bar takes of itself for a font (no minimum asked):
// a fitted bar is never lower than this.
inline int NaturalStatusBarHeight(HWND parent, HFONT font) {
  HWND bar = CreateWindowExW(0, L"msctls_statusbar32", L"", WS_CHILD, 0, 0, 100, 10, parent, nullptr, nullptr, nullptr);
  SendMessageW(bar, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(bar, SB_SETMINHEIGHT, 0, 0);
  SendMessageW(bar, WM_SIZE, 0, 0);
  RECT r{};
  GetWindowRect(bar, &r);
  DestroyWindow(bar);
  return r.bottom - r.top;
}

}  // namespace wintest
