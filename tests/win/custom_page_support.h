// Helpers of the customisation page tests: the real main window with one
// page in a tool window of its own at a chosen DPI, a watcher that reads a
// popup menu while it is open and closes it, real keys, and the layout check
// that no control is clipped by the page or overlaps another.
#pragma once
#include <windows.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "kit/control_table.h"
#include "kit/page.h"
#include "kit/tool_window.h"
#include "magnifier/main_window.h"
#include "platform/optional_functions.h"
#include "win_support.h"

namespace pagetest {

// The main window (no settings file) and `Page` hosted in a tool window
// owned by it, shown at (x, y) on top of everything.
template <class Page>
struct PageHost {
  explicit PageHost(int dpi = 96, int x = 320, int y = 60) {
    zorvik::LoadOptionalFunctions();
    SetCursorPos(5, 5);
    app.settingsFile.clear();
    created = app.CreateMainWindow();
    if (!created) return;
    wintest::Pump(150);
    window = std::make_unique<zorvik::kit::ToolWindow>(L"ZorvikPageTestHost", "カスタマイズ", Page::kDesignWidth,
                                                       Page::kDesignHeight);
    window->Ensure(app.Handle(), dpi);
    page = std::make_unique<Page>(app, app);
    window->SetPage(page.get());
    RECT w{};
    GetWindowRect(window->Handle(), &w);
    SetWindowPos(window->Handle(), HWND_TOPMOST, x, y, w.right - w.left, w.bottom - w.top, 0);
    window->Show();
    wintest::Pump(100);
  }
  ~PageHost() {
    if (window) window->SetPage(nullptr);
    page.reset();
    window.reset();
  }
  HWND operator[](const char* name) const { return page->Control(name); }

  zorvik::TApp_Zorvik app;
  bool created = false;
  std::unique_ptr<zorvik::kit::ToolWindow> window;
  std::unique_ptr<Page> page;
};

// Waits on another thread for a popup menu of this process, records where it
// is and what it offers, then closes it with Esc.
class MenuProbe {
public:
  MenuProbe() : thread_([this] { Run(); }) {}
  ~MenuProbe() { Join(); }
  void Join() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }
  bool Seen() const { return seen_; }
  RECT Rect() const { return rect_; }
  const std::vector<std::wstring>& Items() const { return items_; }  // "-" for a separator

private:
  // A shown popup menu window of this process (hidden ones may linger).
  static BOOL CALLBACK FindMenu(HWND h, LPARAM found) {
    wchar_t cls[16] = L"";
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    if (pid == GetCurrentProcessId() && IsWindowVisible(h) && GetClassNameW(h, cls, 16) && wcscmp(cls, L"#32768") == 0) {
      *reinterpret_cast<HWND*>(found) = h;
      return FALSE;
    }
    return TRUE;
  }
  static HWND ShownMenu() {
    HWND found = nullptr;
    EnumWindows(FindMenu, reinterpret_cast<LPARAM>(&found));
    return found;
  }
  void Run() {
    const DWORD end = GetTickCount() + 8000;
    HWND menu = nullptr;
    while (!stop_ && !menu && static_cast<int>(end - GetTickCount()) > 0) {
      menu = ShownMenu();
      if (!menu) Sleep(10);
    }
    if (!menu) return;
    Sleep(100);
    GetWindowRect(menu, &rect_);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(menu, 0x01E1 /*MN_GETHMENU*/, 0, 0, SMTO_ABORTIFHUNG, 1000, &result);
    if (HMENU m = reinterpret_cast<HMENU>(result)) {
      for (int i = 0; i < GetMenuItemCount(m); ++i) {
        wchar_t text[256] = L"";
        MENUITEMINFOW mi{};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_FTYPE | MIIM_STRING;
        mi.dwTypeData = text;
        mi.cch = 255;
        GetMenuItemInfoW(m, static_cast<UINT>(i), TRUE, &mi);
        items_.push_back((mi.fType & MFT_SEPARATOR) ? std::wstring(L"-") : std::wstring(text));
      }
    }
    seen_ = true;
    // Esc to the menu; should that not end it, Esc as typed, then cancel the mode.
    for (int tries = 0; tries < 30 && ShownMenu(); ++tries) {
      if (tries < 10) {
        PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
      } else if (tries < 20) {
        INPUT in[2]{};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wVk = in[1].ki.wVk = VK_ESCAPE;
        in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, in, sizeof(INPUT));
      } else if (HWND owner = GetWindow(menu, GW_OWNER)) {
        PostMessageW(owner, WM_CANCELMODE, 0, 0);
      }
      Sleep(100);
    }
  }
  std::atomic<bool> stop_{false}, seen_{false};
  RECT rect_{};
  std::vector<std::wstring> items_;
  std::thread thread_;
};

// A key pressed and released with real input (GetKeyState sees it).
inline void Press(std::initializer_list<WORD> keys) {
  std::vector<INPUT> in;
  for (WORD k : keys) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = k;
    i.ki.wScan = static_cast<WORD>(MapVirtualKeyW(k, MAPVK_VK_TO_VSC));
    in.push_back(i);
  }
  for (auto it = keys.end(); it != keys.begin();) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = *--it;
    i.ki.wScan = static_cast<WORD>(MapVirtualKeyW(*it, MAPVK_VK_TO_VSC));
    i.ki.dwFlags = KEYEVENTF_KEYUP;
    in.push_back(i);
  }
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

// The left button pressed at `from`, moved in steps to `to` and released.
inline void DragWithMouse(POINT from, POINT to) {
  auto button = [](DWORD flag) {
    INPUT i{};
    i.type = INPUT_MOUSE;
    i.mi.dwFlags = flag;
    SendInput(1, &i, sizeof i);
  };
  SetCursorPos(from.x, from.y);
  wintest::Pump(80);
  button(MOUSEEVENTF_LEFTDOWN);
  wintest::Pump(80);
  for (int step = 1; step <= 6; ++step) {
    SetCursorPos(from.x + (to.x - from.x) * step / 6, from.y + (to.y - from.y) * step / 6);
    wintest::Pump(40);
  }
  button(MOUSEEVENTF_LEFTUP);
  wintest::Pump(150);
}

inline RECT ScreenRect(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return r;
}

inline POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// Every visible control of the table lies inside the page's client area, and
// no two visible controls of the same container overlap (a group box may
// hold the controls drawn inside it). Returns one text per fault.
inline std::vector<std::string> LayoutFaults(const zorvik::kit::Page& page) {
  std::vector<std::string> faults;
  const zorvik::kit::ControlTable& t = page.Controls();
  RECT client{};
  GetClientRect(page.Handle(), &client);
  MapWindowPoints(page.Handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
  auto rectOf = [&](size_t i) { return ScreenRect(t.At(i)); };  // of a drop-down list: its field
  for (size_t i = 0; i < t.Count(); ++i) {
    if (!t.At(i) || !IsWindowVisible(t.At(i))) continue;
    const RECT r = rectOf(i);
    if (r.left < client.left || r.top < client.top || r.right > client.right || r.bottom > client.bottom)
      faults.push_back(t.DescAt(i).name + " is clipped by the page");
    for (size_t j = i + 1; j < t.Count(); ++j) {
      if (!t.At(j) || !IsWindowVisible(t.At(j))) continue;
      const bool iGroup = t.DescAt(i).kind == zorvik::kit::ControlKind::GroupBox;
      const bool jGroup = t.DescAt(j).kind == zorvik::kit::ControlKind::GroupBox;
      if ((iGroup && t.DescAt(j).parent == t.DescAt(i).name) || (jGroup && t.DescAt(i).parent == t.DescAt(j).name))
        continue;
      RECT both{};
      const RECT s = rectOf(j);
      if (IntersectRect(&both, &r, &s)) faults.push_back(t.DescAt(i).name + " overlaps " + t.DescAt(j).name);
    }
  }
  return faults;
}

// The group box's controls lie inside its frame.
inline std::vector<std::string> GroupFaults(const zorvik::kit::Page& page) {
  std::vector<std::string> faults;
  const zorvik::kit::ControlTable& t = page.Controls();
  for (size_t i = 0; i < t.Count(); ++i) {
    const std::string& parent = t.DescAt(i).parent;
    if (parent.empty()) continue;
    RECT g = ScreenRect(page.Control(parent)), r = ScreenRect(t.At(i));
    if (r.left < g.left || r.top < g.top || r.right > g.right || r.bottom > g.bottom)
      faults.push_back(t.DescAt(i).name + " sticks out of " + parent);
  }
  return faults;
}

}  // namespace pagetest
