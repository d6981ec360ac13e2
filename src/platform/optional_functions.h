// System functions that not every Windows has, loaded by full path from the
// system directory at start, each with a defined result when missing; and
// the cursor, window rectangle and key helpers built on them.
#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>

namespace zorvik {

struct OptionalFunctions {
  using GetProcessImageFileNameW_t = DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD);
  using DwmEnableComposition_t = HRESULT(WINAPI*)(UINT);
  using DwmIsCompositionEnabled_t = HRESULT(WINAPI*)(BOOL*);
  using DwmGetWindowAttribute_t = HRESULT(WINAPI*)(HWND, DWORD, PVOID, DWORD);
  using GetPhysicalCursorPos_t = BOOL(WINAPI*)(LPPOINT);
  using LogicalToPhysicalPoint_t = BOOL(WINAPI*)(HWND, LPPOINT);
  using GetLayeredWindowAttributes_t = BOOL(WINAPI*)(HWND, COLORREF*, BYTE*, DWORD*);
  using SetLayeredWindowAttributes_t = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
  using GetDpiForWindow_t = UINT(WINAPI*)(HWND);
  using GetFileVersionInfoSizeW_t = DWORD(WINAPI*)(LPCWSTR, LPDWORD);
  using GetFileVersionInfoW_t = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
  using VerQueryValueW_t = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);

  HMODULE psapi = nullptr, dwmapi = nullptr, user32 = nullptr, version = nullptr;
  GetProcessImageFileNameW_t GetProcessImageFileNameW = nullptr;
  DwmEnableComposition_t DwmEnableComposition = nullptr;
  DwmIsCompositionEnabled_t DwmIsCompositionEnabled = nullptr;
  DwmGetWindowAttribute_t DwmGetWindowAttribute = nullptr;
  GetPhysicalCursorPos_t GetPhysicalCursorPos = nullptr;
  LogicalToPhysicalPoint_t LogicalToPhysicalPoint = nullptr;
  GetLayeredWindowAttributes_t GetLayeredWindowAttributes = nullptr;
  SetLayeredWindowAttributes_t SetLayeredWindowAttributes = nullptr;
  GetDpiForWindow_t GetDpiForWindow = nullptr;
  // version.dll is not a known DLL: imported statically, a copy beside the
  // program would be loaded instead of the system's.
  GetFileVersionInfoSizeW_t GetFileVersionInfoSizeW = nullptr;
  GetFileVersionInfoW_t GetFileVersionInfoW = nullptr;
  VerQueryValueW_t VerQueryValueW = nullptr;
};

// The process-wide table; filled by LoadOptionalFunctions, read-only after.
OptionalFunctions& Optional();

// System directory with a trailing backslash, or "" when it cannot be read.
std::wstring SystemDirectory();
void LoadOptionalFunctions();
void ReleaseOptionalFunctions();

HRESULT EnableComposition(bool flag);
bool CanSetComposition();
bool IsCompositionEnabled();
bool SetComposition(bool enable);
bool CanLayerWindows();
bool GetLayeredAttributes(HWND window, COLORREF* key, BYTE* alpha, DWORD* flags);
RECT ExtendedFrameRect(HWND window);
RECT WindowRectOf(HWND window);
bool LogicalToPhysical(HWND window, POINT& point);
bool PhysicalWindowRectOf(HWND window, RECT& rect);
// The DPI a window is shown at (its monitor's with per-monitor awareness);
// the screen's where the system cannot tell, 96 at the least.
int DpiOf(HWND window);

bool CursorPos(POINT& point);
bool PhysicalCursorPos(POINT& point);
void CaptureCursorPos(POINT& point);
void CursorPosInClient(HWND window, POINT& point);
int MonitorIndexAt(POINT point);
HMONITOR MonitorAt(POINT point);
bool IsKeyDown(int virtualKey);
bool AreKeysDown(std::initializer_list<int> keys);

}  // namespace zorvik
