// Helpers shared by the Win32 unit tests.
#pragma once
#include <windows.h>

#include <atomic>
#include <thread>

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

// A plain top-level window for placement tests.
inline HWND MakeWindow(int x, int y, int w, int h) {
  return CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"probe", WS_POPUP | WS_VISIBLE, x, y, w, h, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

}  // namespace wintest
