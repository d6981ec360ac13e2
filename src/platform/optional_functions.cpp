#include "platform/optional_functions.h"

#include <objbase.h>

#include <vector>

namespace zorvik {

namespace {
OptionalFunctions g_optional;
bool g_comStarted = false;

template <typename T>
void Lookup(HMODULE lib, const char* name, T& out) {
  out = lib ? reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(lib, name))) : nullptr;
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
  const std::wstring dir = SystemDirectory();
  if (dir.empty()) return nullptr;  // never load a library by bare name
  return LoadLibraryW((dir + name).c_str());
}

struct MonitorCollect {
  std::vector<HMONITOR> handles;
  std::vector<RECT> rects;
};
BOOL CALLBACK CollectMonitor(HMONITOR m, HDC, LPRECT r, LPARAM p) {
  auto* c = reinterpret_cast<MonitorCollect*>(p);
  c->handles.push_back(m);
  c->rects.push_back(*r);
  return TRUE;
}
}  // namespace

OptionalFunctions& Optional() { return g_optional; }

std::wstring SystemDirectory() {
  const UINT n = GetSystemDirectoryW(nullptr, 0);
  if (n == 0) return L"";
  std::wstring buf(n, L'\0');
  const UINT got = GetSystemDirectoryW(buf.data(), n);
  if (got == 0 || got >= n) return L"";
  buf.resize(got);
  return buf + L"\\";
}

void LoadOptionalFunctions() {
  OptionalFunctions& f = g_optional;
  f.psapi = LoadSystemLibrary(L"Psapi.dll");
  Lookup(f.psapi, "GetProcessImageFileNameW", f.GetProcessImageFileNameW);
  f.dwmapi = LoadSystemLibrary(L"Dwmapi.dll");
  Lookup(f.dwmapi, "DwmEnableComposition", f.DwmEnableComposition);
  Lookup(f.dwmapi, "DwmIsCompositionEnabled", f.DwmIsCompositionEnabled);
  Lookup(f.dwmapi, "DwmGetWindowAttribute", f.DwmGetWindowAttribute);
  Lookup(f.dwmapi, "DwmFlush", f.DwmFlush);
  f.user32 = LoadSystemLibrary(L"User32.dll");
  Lookup(f.user32, "GetPhysicalCursorPos", f.GetPhysicalCursorPos);
  Lookup(f.user32, "LogicalToPhysicalPoint", f.LogicalToPhysicalPoint);
  Lookup(f.user32, "GetLayeredWindowAttributes", f.GetLayeredWindowAttributes);
  Lookup(f.user32, "SetLayeredWindowAttributes", f.SetLayeredWindowAttributes);
  Lookup(f.user32, "GetDpiForWindow", f.GetDpiForWindow);
  Lookup(f.user32, "SetWindowDisplayAffinity", f.SetWindowDisplayAffinity);
  Lookup(f.user32, "GetWindowDisplayAffinity", f.GetWindowDisplayAffinity);
  f.version = LoadSystemLibrary(L"Version.dll");
  Lookup(f.version, "GetFileVersionInfoSizeW", f.GetFileVersionInfoSizeW);
  Lookup(f.version, "GetFileVersionInfoW", f.GetFileVersionInfoW);
  Lookup(f.version, "VerQueryValueW", f.VerQueryValueW);
  f.ole32 = LoadSystemLibrary(L"Ole32.dll");
  Lookup(f.ole32, "CoInitializeEx", f.CoInitializeEx);
  Lookup(f.ole32, "CoUninitialize", f.CoUninitialize);
}

void ReleaseOptionalFunctions() {
  OptionalFunctions& f = g_optional;
  StopCom();
  for (HMODULE* lib : {&f.psapi, &f.user32, &f.dwmapi, &f.version, &f.ole32}) {
    if (*lib) FreeLibrary(*lib);
    *lib = nullptr;
  }
  f = OptionalFunctions{};
}

DllSearch RestrictDllSearch() {
  // Looked up by name: Windows 7 has it only with its update; kernel32 is
  // always loaded, so no search happens here.
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  using SetDefault_t = BOOL(WINAPI*)(DWORD);
  using SetDirectory_t = BOOL(WINAPI*)(LPCWSTR);
  SetDefault_t setDefault = nullptr;
  SetDirectory_t setDirectory = nullptr;
  Lookup(kernel, "SetDefaultDllDirectories", setDefault);
  Lookup(kernel, "SetDllDirectoryW", setDirectory);
  if (setDefault && setDefault(0x00000800)) return DllSearch::SystemOnly;  // LOAD_LIBRARY_SEARCH_SYSTEM32
  if (setDirectory && setDirectory(L"")) return DllSearch::NoCurrentDir;
  return DllSearch::Unrestricted;
}

bool StartCom() {
  if (g_comStarted) return true;
  if (!g_optional.CoInitializeEx) return false;
  // S_FALSE (already started on this thread) must be balanced too.
  const HRESULT hr = g_optional.CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  g_comStarted = SUCCEEDED(hr);
  return g_comStarted;
}

void StopCom() {
  if (g_comStarted && g_optional.CoUninitialize) g_optional.CoUninitialize();
  g_comStarted = false;
}

HRESULT EnableComposition(bool flag) {
  if (!g_optional.DwmEnableComposition) return E_NOTIMPL;
  return g_optional.DwmEnableComposition(flag ? 1 : 0);
}

bool CanSetComposition() { return g_optional.DwmEnableComposition != nullptr; }

bool IsCompositionEnabled() {
  if (!g_optional.dwmapi || !g_optional.DwmIsCompositionEnabled) return false;
  BOOL on = FALSE;
  if (g_optional.DwmIsCompositionEnabled(&on) != S_OK) return false;
  return on != FALSE;
}

bool SetComposition(bool enable) {
  if (IsCompositionEnabled() == enable) return true;
  const bool now = EnableComposition(enable) == S_OK ? IsCompositionEnabled() : false;
  return now == enable;
}

bool CanLayerWindows() { return g_optional.SetLayeredWindowAttributes != nullptr; }

bool ProbeCaptureExclusion(HWND window) {
  if (!window || !g_optional.SetWindowDisplayAffinity || !g_optional.GetWindowDisplayAffinity) return false;
  // Systems before Windows 10 version 2004 refuse 0x11; some take it and
  // keep another value, so only what reads back counts.
  if (!g_optional.SetWindowDisplayAffinity(window, kExcludeFromCapture)) return false;
  DWORD now = 0;
  const bool kept = g_optional.GetWindowDisplayAffinity(window, &now) && now == kExcludeFromCapture;
  g_optional.SetWindowDisplayAffinity(window, 0);  // WDA_NONE
  return kept;
}

bool SetCaptureExclusion(HWND window, bool exclude) {
  if (!window || !g_optional.SetWindowDisplayAffinity) return false;
  return g_optional.SetWindowDisplayAffinity(window, exclude ? kExcludeFromCapture : 0) != FALSE;
}

void FlushComposition() {
  if (g_optional.DwmFlush && IsCompositionEnabled()) g_optional.DwmFlush();
}

bool GetLayeredAttributes(HWND window, COLORREF* key, BYTE* alpha, DWORD* flags) {
  if (!g_optional.GetLayeredWindowAttributes) return false;
  return g_optional.GetLayeredWindowAttributes(window, key, alpha, flags) != FALSE;
}

RECT ExtendedFrameRect(HWND window) {
  RECT r{0, 0, 0, 0};
  HRESULT hr = E_NOTIMPL;
  if (g_optional.DwmGetWindowAttribute) hr = g_optional.DwmGetWindowAttribute(window, 9, &r, sizeof r);
  if (hr != S_OK) GetWindowRect(window, &r);
  return r;
}

RECT WindowRectOf(HWND window) {
  if (IsCompositionEnabled()) return ExtendedFrameRect(window);
  RECT r{0, 0, 0, 0};
  GetWindowRect(window, &r);
  return r;
}

bool LogicalToPhysical(HWND window, POINT& point) {
  if (!g_optional.LogicalToPhysicalPoint) return false;
  return g_optional.LogicalToPhysicalPoint(window, &point) != FALSE;
}

bool PhysicalWindowRectOf(HWND window, RECT& rect) {
  rect = WindowRectOf(window);
  POINT tl{rect.left, rect.top}, br{rect.right, rect.bottom};
  bool ok = LogicalToPhysical(window, tl);
  if (ok) {
    ok = LogicalToPhysical(window, br);
    rect.left = tl.x;
    rect.top = tl.y;
    if (ok) {
      rect.right = br.x;
      rect.bottom = br.y;
    }
  }
  return ok;
}

bool CursorPos(POINT& point) { return GetCursorPos(&point) != FALSE; }

bool PhysicalCursorPos(POINT& point) {
  if (g_optional.GetPhysicalCursorPos) return g_optional.GetPhysicalCursorPos(&point) != FALSE;
  return GetCursorPos(&point) != FALSE;
}

void CaptureCursorPos(POINT& point) {
  point = POINT{0, 0};
  if (!PhysicalCursorPos(point)) point = POINT{0, 0};
}

void CursorPosInClient(HWND window, POINT& point) {
  GetCursorPos(&point);
  ScreenToClient(window, &point);
}

int MonitorIndexAt(POINT point) {
  MonitorCollect c;
  EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&c));
  for (size_t i = 0; i < c.rects.size(); ++i)
    if (PtInRect(&c.rects[i], point)) return static_cast<int>(i);
  return -1;
}

HMONITOR MonitorAt(POINT point) {
  MonitorCollect c;
  EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&c));
  if (c.handles.empty()) return MonitorFromPoint(point, MONITOR_DEFAULTTOPRIMARY);
  int i = -1;
  for (size_t k = 0; k < c.rects.size(); ++k)
    if (PtInRect(&c.rects[k], point)) { i = static_cast<int>(k); break; }
  if (i < 0) i = 0;
  return c.handles[static_cast<size_t>(i)];
}

bool IsKeyDown(int vk) {
  if (GetSystemMetrics(SM_SWAPBUTTON) != 0) {
    if (vk == VK_LBUTTON) vk = VK_RBUTTON;
    else if (vk == VK_RBUTTON) vk = VK_LBUTTON;
  }
  return static_cast<unsigned short>(GetAsyncKeyState(vk)) >= 256;
}

int DpiOf(HWND window) {
  if (window && Optional().GetDpiForWindow)
    if (const UINT dpi = Optional().GetDpiForWindow(window); dpi >= 96 && dpi <= 960) return static_cast<int>(dpi);
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi >= 96 && dpi <= 960 ? dpi : 96;
}

bool AreKeysDown(std::initializer_list<int> keys) {
  for (int k : keys)
    if (!IsKeyDown(k)) return false;
  return true;
}

}  // namespace zorvik
