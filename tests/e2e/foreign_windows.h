// Windows of other kinds for the end-to-end tests to point the program at:
// known windows of the test process (a static, an edit, a list box, a
// dialog, a progress bar and a status bar) and a real program of the system
// (Wine's notepad or regedit), started by the test and ended with it.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "driver.h"

namespace e2e {

inline LRESULT CALLBACK KnownHostProc(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProcW(h, m, w, l); }

inline INT_PTR CALLBACK KnownDialogProc(HWND, UINT m, WPARAM, LPARAM) { return m == WM_INITDIALOG ? TRUE : FALSE; }

// A modeless dialog from a template made in memory: a caption, a check box
// and a button.
inline HWND MakeDialog(int x, int y) {
  std::vector<WORD> t;
  auto dword = [&t](DWORD v) {
    t.push_back(LOWORD(v));
    t.push_back(HIWORD(v));
  };
  auto text = [&t](const wchar_t* s) {
    for (; *s; ++s) t.push_back(static_cast<WORD>(*s));
    t.push_back(0);
  };
  auto align = [&t] {
    if (t.size() % 2) t.push_back(0);
  };
  dword(WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_SETFONT);
  dword(WS_EX_TOOLWINDOW);
  t.push_back(2);  // controls
  t.push_back(0);
  t.push_back(0);
  t.push_back(120);
  t.push_back(60);
  t.push_back(0);  // no menu
  t.push_back(0);  // the dialog class
  text(L"見本ダイアログ");
  t.push_back(9);
  text(L"Tahoma");
  struct Item {
    DWORD style;
    short x, y, w, h;
    WORD id, atom;
    const wchar_t* caption;
  } items[] = {{WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | WS_TABSTOP, 8, 8, 100, 12, 101, 0x0080, L"チェック"},
               {WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 8, 30, 60, 16, 102, 0x0080, L"ボタン"}};
  for (const Item& i : items) {
    align();
    dword(i.style);
    dword(0);
    t.push_back(static_cast<WORD>(i.x));
    t.push_back(static_cast<WORD>(i.y));
    t.push_back(static_cast<WORD>(i.w));
    t.push_back(static_cast<WORD>(i.h));
    t.push_back(i.id);
    t.push_back(0xFFFF);
    t.push_back(i.atom);
    text(i.caption);
    t.push_back(0);  // no creation data
  }
  HWND d = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<DLGTEMPLATE*>(t.data()), nullptr,
                                      KnownDialogProc, 0);
  if (d) SetWindowPos(d, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return d;
}

class KnownWindows {
public:
  KnownWindows() {
    // The status and progress bar classes come with the common controls,
    // loaded here by name so that the driver needs no more libraries.
    if (HMODULE cc = LoadLibraryW(L"comctl32.dll")) {
      using Init = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
      if (auto init = reinterpret_cast<Init>(reinterpret_cast<void*>(GetProcAddress(cc, "InitCommonControlsEx")))) {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
        init(&icc);
      }
    }
    const HINSTANCE inst = GetModuleHandleW(nullptr);
    const DWORD ex = WS_EX_TOOLWINDOW;
    Add(CreateWindowExW(ex, L"STATIC", L"見本の静的テキスト", WS_POPUP | WS_VISIBLE | WS_BORDER, 880, 20, 180, 60,
                        nullptr, nullptr, inst, nullptr));
    Add(CreateWindowExW(ex | WS_EX_CLIENTEDGE, L"EDIT", L"見本のエディット\r\n二行目",
                        WS_POPUP | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, 1080, 20, 180, 60, nullptr, nullptr,
                        inst, nullptr));
    HWND list = CreateWindowExW(ex | WS_EX_CLIENTEDGE, L"LISTBOX", L"", WS_POPUP | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY,
                                880, 100, 180, 130, nullptr, nullptr, inst, nullptr);
    for (int i = 0; i < 30; ++i)
      SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>((L"行 " + std::to_wstring(i)).c_str()));
    Add(list);
    dialog_ = MakeDialog(1080, 100);
    Add(dialog_);
    WNDCLASSW wc{};
    wc.lpfnWndProc = KnownHostProc;
    wc.hInstance = inst;
    wc.lpszClassName = L"ZorvikSoakHost";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    RegisterClassW(&wc);
    host_ = CreateWindowExW(ex, L"ZorvikSoakHost", L"見本の窓", WS_POPUP | WS_VISIBLE | WS_BORDER, 880, 250, 390, 110,
                            nullptr, nullptr, inst, nullptr);
    HWND progress = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, 10, 10, 360, 24, host_, nullptr,
                                    inst, nullptr);
    SendMessageW(progress, PBM_SETPOS, 40, 0);
    HWND status = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, host_,
                                  nullptr, inst, nullptr);
    int parts[] = {120, 260, -1};
    SendMessageW(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
    SendMessageW(status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"状態 1"));
    SendMessageW(status, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(L"状態 2"));
    progress_ = progress;
    status_ = status;
    targets_.push_back(progress);
    targets_.push_back(status);
    Pump(200);
  }
  ~KnownWindows() {
    for (HWND w : tops_) DestroyWindow(w);
    if (host_) DestroyWindow(host_);
    Pump(50);
  }
  bool AllMade() const {
    if (!host_ || tops_.size() != 4) return false;
    for (HWND w : targets_)
      if (!w) return false;
    return true;
  }
  const std::vector<HWND>& Targets() const { return targets_; }
  HWND Dialog() const { return dialog_; }
  HWND Progress() const { return progress_; }
  HWND Status() const { return status_; }

private:
  void Add(HWND w) {
    tops_.push_back(w);
    targets_.push_back(w);
  }
  std::vector<HWND> tops_, targets_;
  HWND host_ = nullptr, dialog_ = nullptr, progress_ = nullptr, status_ = nullptr;
};


// A program of the system (notepad, else regedit), started by the test and
// ended when it goes.
class RealProgram {
public:
  explicit RealProgram(std::initializer_list<const wchar_t*> programs = {L"notepad.exe", L"regedit.exe"}) {
    for (const wchar_t* exe : programs) {
      std::wstring line = exe;
      STARTUPINFOW si{};
      si.cb = sizeof si;
      if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_)) continue;
      WaitForInputIdle(pi_.hProcess, 5000);
      for (int i = 0; i < 100 && !window_; ++i) {
        window_ = AnyTopWindow(pi_.dwProcessId);
        if (!window_) Pump(50);
      }
      if (window_) {
        name_ = exe;
        SetWindowPos(window_, nullptr, 620, 420, 640, 360, SWP_NOZORDER | SWP_NOACTIVATE);
        Pump(300);
        return;
      }
      End();
    }
  }
  ~RealProgram() { End(); }
  HWND Window() const { return window_; }
  const std::wstring& Name() const { return name_; }
  // Closes it as a user would; a question it asks (the soak may have written
  // into it) is not answered: it is then ended. True when it closed by itself.
  bool Close() {
    if (!pi_.hProcess) return false;
    PostMessageW(window_, WM_CLOSE, 0, 0);
    const bool closed = WaitForSingleObject(pi_.hProcess, 3000) == WAIT_OBJECT_0;
    End();
    return closed;
  }

private:
  static HWND AnyTopWindow(DWORD pid) {
    struct Search {
      DWORD pid;
      HWND found = nullptr;
    } s{pid};
    EnumWindows(
        [](HWND h, LPARAM lp) -> BOOL {
          auto* s = reinterpret_cast<Search*>(lp);
          DWORD owner = 0;
          GetWindowThreadProcessId(h, &owner);
          if (owner != s->pid || !IsWindowVisible(h) || GetWindow(h, GW_OWNER)) return TRUE;
          s->found = h;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&s));
    return s.found;
  }
  void End() {
    if (pi_.hProcess) {
      if (WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(pi_.hProcess, 0);
        WaitForSingleObject(pi_.hProcess, 3000);
      }
      CloseHandle(pi_.hProcess);
      CloseHandle(pi_.hThread);
    }
    pi_ = PROCESS_INFORMATION{};
  }
  PROCESS_INFORMATION pi_{};
  HWND window_ = nullptr;
  std::wstring name_;
};

}  // namespace e2e
