#include "kit/window.h"

#include <set>
#include <stdexcept>

namespace zorvik::kit {

namespace {
std::function<void(const std::exception&)> g_exceptionHandler;
bool g_terminating = false;
std::set<std::wstring> g_registered;
}  // namespace

void SetExceptionHandler(std::function<void(const std::exception&)> handler) {
  g_exceptionHandler = std::move(handler);
}

void ReportException(const std::exception& e) {
  if (g_exceptionHandler) g_exceptionHandler(e);
}

std::wstring WindowText(HWND window) {
  if (!window) return {};
  const int n = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(n > 0 ? n : 0) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

void RegisterPlainClass(const wchar_t* className, WNDPROC proc) {
  if (g_registered.count(className)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = className;
  if (RegisterClassExW(&wc)) g_registered.insert(className);
}

bool Terminating() { return g_terminating; }
void SetTerminating() { g_terminating = true; }

bool ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      g_terminating = true;
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return !g_terminating;
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  g_terminating = true;
  return static_cast<int>(msg.wParam);
}

Window::~Window() {
  if (hwnd_ && IsWindow(hwnd_)) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

bool Window::Create(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle, int x,
                    int y, int width, int height, HWND parent, HICON icon, HBRUSH background,
                    UINT classStyle) {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  if (!g_registered.count(className)) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = classStyle;
    wc.lpfnWndProc = &Window::Proc;
    wc.hInstance = inst;
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    if (!RegisterClassExW(&wc)) return false;
    g_registered.insert(className);
  }
  hwnd_ = CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, nullptr, inst, this);
  return hwnd_ != nullptr;
}

void Window::StartTimer(UINT_PTR id, UINT intervalMs, std::function<void()> onTick) {
  TimerEntry& t = timers_[id];
  t.onTick = std::move(onTick);
  t.running = SetTimer(hwnd_, id, intervalMs, nullptr) != 0;
}

void Window::StopTimer(UINT_PTR id) {
  auto it = timers_.find(id);
  if (it == timers_.end() || !it->second.running) return;
  KillTimer(hwnd_, id);
  it->second.running = false;
}

bool Window::TimerRunning(UINT_PTR id) const {
  auto it = timers_.find(id);
  return it != timers_.end() && it->second.running;
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_TIMER) {
    auto it = timers_.find(static_cast<UINT_PTR>(wp));
    if (it != timers_.end() && it->second.running && it->second.onTick) {
      auto callback = it->second.onTick;  // the callback may restart or stop its timer
      callback();
      return 0;
    }
  }
  return Default(msg, wp, lp);
}

LRESULT CALLBACK Window::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Window* self = nullptr;
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    self = static_cast<Window*>(cs->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  // Our timers post their WM_TIMER. One *sent* from another thread is no
  // timer of ours: a program we inspect could answer our guarded send with
  // it and re-run the tick inside the tick.
  if (msg == WM_TIMER && InSendMessageEx(nullptr) != ISMEX_NOSEND) return 0;
  try {
    LRESULT r = self->HandleMessage(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      self->hwnd_ = nullptr;
    }
    return r;
  } catch (const std::exception& e) {
    ReportException(e);
  } catch (...) {
    ReportException(std::runtime_error("unknown error"));
  }
  return 0;
}

}  // namespace zorvik::kit
