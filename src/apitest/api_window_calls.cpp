// Entries that ask the system about one window: relations, rectangles,
// states, class and window data, scroll bars and title bar.
#include <cwchar>

#include "apitest/api_handlers.h"
#include "platform/optional_functions.h"
#include "platform/win_text.h"

namespace zorvik {

namespace {

void AddWindows(T_MyAPIValue& api, HWND (*query)(HWND, UINT), std::initializer_list<UINT> args) {
  for (UINT a : args) api.AddWindowResult(query(api.TargetWindow(), a));
}
HWND Ancestor(HWND w, UINT f) { return GetAncestor(w, f); }
HWND Related(HWND w, UINT c) { return GetWindow(w, c); }

void RunGetAncestor(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (api.Begin(e)) AddWindows(api, Ancestor, {GA_PARENT, GA_ROOT, GA_ROOTOWNER});
}

void RunGetNextWindow(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (api.Begin(e)) AddWindows(api, Related, {GW_HWNDNEXT, GW_HWNDPREV});
}

void RunGetWindow(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (api.Begin(e))
    AddWindows(api, Related, {GW_CHILD, GW_ENABLEDPOPUP, GW_HWNDFIRST, GW_HWNDLAST, GW_HWNDNEXT, GW_HWNDPREV, GW_OWNER});
}

void RunGetParent(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (api.Begin(e)) api.AddWindowResult(GetParent(api.TargetWindow()));
}

void RunGetTopWindow(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (api.Begin(e)) api.AddWindowResult(GetTopWindow(api.TargetWindow()));
}

BOOL CALLBACK Collect(HWND w, LPARAM lp) {
  reinterpret_cast<std::vector<HWND>*>(lp)->push_back(w);
  return TRUE;
}

void RunEnumChildWindows(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  api.EnumList.clear();
  HWND parent = api.TargetWindow() == GetDesktopWindow() ? nullptr : api.TargetWindow();
  AddBool(api, EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&api.EnumList)) != FALSE);
  for (HWND w : api.EnumList) api.AddWindowResult(w);
}

void RunEnumThreadWindows(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  api.EnumList.clear();
  const DWORD thread = GetWindowThreadProcessId(api.TargetWindow(), nullptr);
  AddHex(api, thread);
  AddBool(api, EnumThreadWindows(thread, Collect, reinterpret_cast<LPARAM>(&api.EnumList)) != FALSE);
  for (HWND w : api.EnumList) api.AddWindowResult(w);
}

void RunGetWindowThreadProcessId(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  DWORD pid = 0;
  const DWORD thread = GetWindowThreadProcessId(api.TargetWindow(), &pid);
  AddHex(api, pid);
  AddHex(api, thread);
}

void RunGetWindowPlacement(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  WINDOWPLACEMENT wp{};
  wp.length = sizeof wp;
  const bool ok = GetWindowPlacement(api.TargetWindow(), &wp) != FALSE;
  AddInt(api, wp.length);
  AddPoint(api, wp.ptMinPosition);
  AddPoint(api, wp.ptMaxPosition);
  AddRect(api, wp.rcNormalPosition);
  AddBool(api, ok);
}

template <BOOL(WINAPI* Query)(HWND, LPRECT)>
void RunRect(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  RECT r{0, 0, 0, 0};
  const bool ok = Query(api.TargetWindow(), &r) != FALSE;
  AddRect(api, r);
  AddBool(api, ok);
}

template <BOOL(WINAPI* Query)(HWND)>
void RunState(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (api.Begin(e)) AddBool(api, Query(api.TargetWindow()) != FALSE);
}

void RunDwmGetWindowAttribute(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  const auto dwm = Optional().DwmGetWindowAttribute;
  auto get = [&](DWORD attribute, void* value, DWORD size) -> HRESULT {
    return dwm ? dwm(api.TargetWindow(), attribute, value, size) : E_NOTIMPL;
  };
  auto prefix = [](HRESULT hr) { return HResultName(hr) + " "; };
  BOOL on = FALSE;
  HRESULT hr = get(1, &on, 4);  // DWMWA_NCRENDERING_ENABLED
  api.AddText(prefix(hr) + BoolForm(on != FALSE));
  for (DWORD attribute : {5u, 9u}) {  // DWMWA_CAPTION_BUTTON_BOUNDS, DWMWA_EXTENDED_FRAME_BOUNDS
    RECT r{0, 0, 0, 0};
    hr = get(attribute, &r, sizeof r);
    api.AddText(prefix(hr) + RectForm(r.left, r.top, r.right, r.bottom));
  }
  BOOL cloak = FALSE;
  hr = get(13, &cloak, 4);  // DWMWA_CLOAK
  api.AddText(prefix(hr) + BoolForm(cloak != FALSE));
  DWORD cloaked = 0;
  hr = get(14, &cloaked, 4);  // DWMWA_CLOAKED
  api.AddText(prefix(hr) + HexForm(cloaked));
}

void RunGetLayeredWindowAttributes(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  HWND w = api.TargetWindow();
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  const auto get = Optional().GetLayeredWindowAttributes;
  if (get && get(w, &key, &alpha, &flags)) {
    api.AddText((flags & LWA_COLORKEY) ? ColourForm(key) : "指定無し");
    api.AddText((flags & LWA_ALPHA) ? IntForm(alpha) : "指定無し");
    const char* name = flags == 1 ? "LWA_COLORKEY" : flags == 2 ? "LWA_ALPHA" : "エラー";
    api.AddText(std::string(name) + " " + HexForm(flags));
    AddBool(api, true);
    return;
  }
  const LONG ex = GetWindowLongW(w, GWL_EXSTYLE);
  const bool clickThrough = (ex & WS_EX_LAYERED) && (ex & WS_EX_TRANSPARENT);
  for (int i = 0; i < 3; ++i) api.AddResult(clickThrough ? L"エラー" : L"レイヤードウィンドウではありません");
  AddBool(api, false);
}

// A class's menu name may be an integer resource id instead of a string: it
// is then shown as a number, never read as text.
void AddNameOrId(T_MyAPIValue& api, LPCWSTR name, bool ok) {
  if (!ok || !name || IS_INTRESOURCE(name)) {
    AddHex(api, Bits(name));
    return;
  }
  api.AddResult(std::wstring(name, wcsnlen(name, 256)));
}

void RunGetClassInfoEx(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  HWND w = api.TargetWindow();
  HINSTANCE hinst = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(w, GWLP_HINSTANCE));
  wchar_t cls[256] = L"";
  const int n = GetClassNameW(w, cls, 256);
  cls[n > 0 ? n : 0] = 0;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  const bool ok = GetClassInfoExW(hinst, cls, &wc) != FALSE;
  AddHex(api, Bits(hinst));
  api.AddResult(cls);
  AddInt(api, wc.cbSize);
  AddHex(api, wc.style);
  AddHex(api, Bits(reinterpret_cast<const void*>(wc.lpfnWndProc)));
  AddHex(api, static_cast<uint32_t>(wc.cbClsExtra));
  AddHex(api, static_cast<uint32_t>(wc.cbWndExtra));
  AddHex(api, Bits(wc.hInstance));
  AddHex(api, Bits(wc.hIcon));
  AddHex(api, Bits(wc.hCursor));
  AddHex(api, Bits(wc.hbrBackground));
  AddNameOrId(api, wc.lpszMenuName, ok);
  AddNameOrId(api, wc.lpszClassName, ok);
  AddHex(api, Bits(wc.hIconSm));
  AddBool(api, ok);
  api.AddHexDump(&wc, sizeof wc, false);
}

void RunGetClassLong(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  HWND w = api.TargetWindow();
  // Numbers are read as 32 bits; handles and addresses in full.
  const struct {
    int index;
    bool pointer;
  } rows[] = {{GCW_ATOM, false},          {GCL_CBCLSEXTRA, false}, {GCL_CBWNDEXTRA, false},
              {GCLP_HBRBACKGROUND, true}, {GCLP_HCURSOR, true},    {GCLP_HICON, true},
              {GCLP_HICONSM, true},       {GCLP_HMODULE, true},    {GCLP_MENUNAME, true},
              {GCL_STYLE, false},         {GCLP_WNDPROC, true}};
  for (const auto& r : rows)
    AddHex(api, r.pointer ? Bits(static_cast<LONG_PTR>(GetClassLongPtrW(w, r.index)))
                          : static_cast<uint32_t>(GetClassLongW(w, r.index)));
}

void RunGetWindowInfo(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  WINDOWINFO wi{};
  wi.cbSize = sizeof wi;
  const bool ok = GetWindowInfo(api.TargetWindow(), &wi) != FALSE;
  AddInt(api, wi.cbSize);
  AddRect(api, wi.rcWindow);
  AddRect(api, wi.rcClient);
  AddHex(api, wi.dwStyle);
  AddHex(api, wi.dwExStyle);
  AddHex(api, wi.dwWindowStatus);
  AddInt(api, wi.cxWindowBorders);
  AddInt(api, wi.cyWindowBorders);
  AddHex(api, wi.atomWindowType, 4);
  AddInt(api, wi.wCreatorVersion);
  AddBool(api, ok);
}

void RunGetWindowLong(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  HWND w = api.TargetWindow();
  AddHex(api, static_cast<uint32_t>(GetWindowLongW(w, GWL_EXSTYLE)));
  AddHex(api, static_cast<uint32_t>(GetWindowLongW(w, GWL_STYLE)));
  AddHex(api, Bits(GetWindowLongPtrW(w, GWLP_WNDPROC)));
  AddHex(api, Bits(GetWindowLongPtrW(w, GWLP_HINSTANCE)));
  api.AddWindowResult(reinterpret_cast<HWND>(GetWindowLongPtrW(w, GWLP_HWNDPARENT)));
  AddHex(api, static_cast<uint32_t>(GetWindowLongW(w, GWL_ID)));
  AddHex(api, Bits(GetWindowLongPtrW(w, GWLP_USERDATA)));
}

void RunGetClassName(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  char name[256] = "";
  const int n = GetClassNameA(api.TargetWindow(), name, 256);
  std::wstring wide;
  if (n > 0) {
    wchar_t buf[256];
    const int m = MultiByteToWideChar(CP_ACP, 0, name, n, buf, 256);
    wide.assign(buf, m > 0 ? m : 0);
  }
  api.AddResult(wide);
  AddInt(api, n);
}

void RunRealGetWindowClass(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  wchar_t name[256] = L"";
  const UINT n = RealGetWindowClassW(api.TargetWindow(), name, 256);
  api.AddResult(std::wstring(name, n < 256 ? n : 255));
  AddInt(api, n);
}

void RunGetScrollBarInfo(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  HWND w = api.TargetWindow();
  static const char* const parts[] = {"スクロールバー", "↑または→ボタン", "ページアップエリア", "つまみ",
                                      "ページダウンエリア", "↓または←ボタン"};
  for (LONG object : {static_cast<LONG>(OBJID_CLIENT), static_cast<LONG>(OBJID_HSCROLL), static_cast<LONG>(OBJID_VSCROLL)}) {
    SCROLLBARINFO sbi{};
    sbi.cbSize = sizeof sbi;
    // The control's own bar is asked with a message the system sends
    // without a time-out: only a window that answers is asked.
    const bool ok = (object != static_cast<LONG>(OBJID_CLIENT) || api.Answers(w)) && GetScrollBarInfo(w, object, &sbi);
    AddBool(api, ok);
    AddRect(api, sbi.rcScrollBar);
    AddInt(api, sbi.dxyLineButton);
    AddInt(api, sbi.xyThumbTop);
    AddInt(api, sbi.xyThumbBottom);
    for (int i = 0; i < 6; ++i) api.AddText(ScrollPartState(sbi.rgstate[i], parts[i]));
  }
}

void RunGetScrollInfo(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  HWND w = api.TargetWindow();
  for (int bar : {SB_CTL, SB_HORZ, SB_VERT}) {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    const bool ok = (bar != SB_CTL || api.Answers(w)) && GetScrollInfo(w, bar, &si);
    AddBool(api, ok);
    AddInt(api, si.nMin);
    AddInt(api, si.nMax);
    AddInt(api, si.nPage);
    AddInt(api, si.nPos);
    AddInt(api, si.nTrackPos);
  }
}

void RunGetScrollPos(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  HWND w = api.TargetWindow();
  for (int bar : {SB_CTL, SB_HORZ, SB_VERT}) AddInt(api, bar != SB_CTL || api.Answers(w) ? GetScrollPos(w, bar) : 0);
}

void RunGetScrollRange(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  HWND w = api.TargetWindow();
  for (int bar : {SB_CTL, SB_HORZ, SB_VERT}) {
    int lo = 0, hi = 0;
    const bool ok = (bar != SB_CTL || api.Answers(w)) && GetScrollRange(w, bar, &lo, &hi);
    AddBool(api, ok);
    AddInt(api, lo);
    AddInt(api, hi);
  }
}

void RunGetTitleBarInfo(T_MyAPIValue& api, const ApiEntryInfo& e) {
  if (!api.Begin(e)) return;
  static const char* const parts[] = {"タイトルバー", "予備", "最小化ボタン", "最大化ボタン", "ヘルプボタン", "閉じるボタン"};
  TITLEBARINFO ti{};
  ti.cbSize = sizeof ti;
  const bool ok = GetTitleBarInfo(api.TargetWindow(), &ti) != FALSE;
  AddInt(api, ti.cbSize);
  AddRect(api, ti.rcTitleBar);
  for (int i = 0; i < 6; ++i) api.AddText(TitlePartState(ti.rgstate[i], parts[i]));
  AddBool(api, ok);
}

const ApiHandlerName kHandlers[] = {
    {"GetAncestor", RunGetAncestor},
    {"GetNextWindow", RunGetNextWindow},
    {"GetParent", RunGetParent},
    {"GetTopWindow", RunGetTopWindow},
    {"GetWindow", RunGetWindow},
    {"EnumChildWindows", RunEnumChildWindows},
    {"EnumThreadWindows", RunEnumThreadWindows},
    {"GetWindowThreadProcessId", RunGetWindowThreadProcessId},
    {"GetWindowPlacement", RunGetWindowPlacement},
    {"GetWindowRect", RunRect<GetWindowRect>},
    {"GetClientRect", RunRect<GetClientRect>},
    {"IsWindowEnabled", RunState<IsWindowEnabled>},
    {"IsWindowUnicode", RunState<IsWindowUnicode>},
    {"IsZoomed", RunState<IsZoomed>},
    {"DwmGetWindowAttribute", RunDwmGetWindowAttribute},
    {"GetLayeredWindowAttributes", RunGetLayeredWindowAttributes},
    {"GetClassInfoEx", RunGetClassInfoEx},
    {"GetClassLong", RunGetClassLong},
    {"GetWindowInfo", RunGetWindowInfo},
    {"GetWindowLong", RunGetWindowLong},
    {"GetClassName", RunGetClassName},
    {"RealGetWindowClass", RunRealGetWindowClass},
    {"GetScrollBarInfo", RunGetScrollBarInfo},
    {"GetScrollInfo", RunGetScrollInfo},
    {"GetScrollPos", RunGetScrollPos},
    {"GetScrollRange", RunGetScrollRange},
    {"GetTitleBarInfo", RunGetTitleBarInfo},
};

}  // namespace

ApiHandler FindWindowCallHandler(std::string_view name) { return FindHandler(kHandlers, name); }

}  // namespace zorvik
