// A thin layer over Win32 windows: class registration, message dispatch to a
// C++ object, named timers with callbacks, message pumping and the one
// application-wide exception handler.
#pragma once
#include <windows.h>

#include <exception>
#include <functional>
#include <map>
#include <string>

namespace zorvik::kit {

class Window {
public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const { return hwnd_; }

  // Registers className once (with icon and background) and creates the window.
  bool Create(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle, int x, int y,
              int width, int height, HWND parent = nullptr, HICON icon = nullptr,
              HBRUSH background = nullptr, UINT classStyle = CS_DBLCLKS);

  // Timers: a repeating callback per id; starting a running timer restarts it.
  void StartTimer(UINT_PTR id, UINT intervalMs, std::function<void()> onTick);
  void StopTimer(UINT_PTR id);
  bool TimerRunning(UINT_PTR id) const;

protected:
  virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd_, msg, wp, lp); }

private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  HWND hwnd_ = nullptr;
  struct TimerEntry {
    std::function<void()> onTick;
    bool running = false;
  };
  std::map<UINT_PTR, TimerEntry> timers_;
};

// The whole text of a window (a control's caption or contents); empty for none.
std::wstring WindowText(HWND window);

// Registers a plain window class once (arrow cursor, no background).
void RegisterPlainClass(const wchar_t* className, WNDPROC proc);

// The application-wide handler for exceptions escaping a message handler.
void SetExceptionHandler(std::function<void(const std::exception&)> handler);
void ReportException(const std::exception& e);

// Dispatches every pending message of this thread. Returns false when a quit
// request was seen (it is posted again for the main loop).
bool ProcessMessages();
// True once the main loop has been asked to end.
bool Terminating();
void SetTerminating();

// Runs the message loop until WM_QUIT; returns its exit code.
int RunMessageLoop();

}  // namespace zorvik::kit
