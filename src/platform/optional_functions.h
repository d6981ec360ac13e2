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
  using SetWindowDisplayAffinity_t = BOOL(WINAPI*)(HWND, DWORD);
  using GetWindowDisplayAffinity_t = BOOL(WINAPI*)(HWND, DWORD*);
  using DwmFlush_t = HRESULT(WINAPI*)();
  using GetFileVersionInfoSizeW_t = DWORD(WINAPI*)(LPCWSTR, LPDWORD);
  using GetFileVersionInfoW_t = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
  using VerQueryValueW_t = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);
  using CoInitializeEx_t = HRESULT(WINAPI*)(LPVOID, DWORD);
  using CoUninitialize_t = void(WINAPI*)();

  HMODULE psapi = nullptr, dwmapi = nullptr, user32 = nullptr, version = nullptr, ole32 = nullptr;
  GetProcessImageFileNameW_t GetProcessImageFileNameW = nullptr;
  DwmEnableComposition_t DwmEnableComposition = nullptr;
  DwmIsCompositionEnabled_t DwmIsCompositionEnabled = nullptr;
  DwmGetWindowAttribute_t DwmGetWindowAttribute = nullptr;
  GetPhysicalCursorPos_t GetPhysicalCursorPos = nullptr;
  LogicalToPhysicalPoint_t LogicalToPhysicalPoint = nullptr;
  GetLayeredWindowAttributes_t GetLayeredWindowAttributes = nullptr;
  SetLayeredWindowAttributes_t SetLayeredWindowAttributes = nullptr;
  GetDpiForWindow_t GetDpiForWindow = nullptr;
  // Leaving a window out of screen copies (Windows 10 version 2004 on).
  SetWindowDisplayAffinity_t SetWindowDisplayAffinity = nullptr;
  GetWindowDisplayAffinity_t GetWindowDisplayAffinity = nullptr;
  DwmFlush_t DwmFlush = nullptr;
  // version.dll is not a known DLL: imported statically, a copy beside the
  // program would be loaded instead of the system's.
  GetFileVersionInfoSizeW_t GetFileVersionInfoSizeW = nullptr;
  GetFileVersionInfoW_t GetFileVersionInfoW = nullptr;
  VerQueryValueW_t VerQueryValueW = nullptr;
  // COM, for the shell (opening the help page) and the multi-language
  // component; started once on the user-interface thread.
  CoInitializeEx_t CoInitializeEx = nullptr;
  CoUninitialize_t CoUninitialize = nullptr;
};

// The process-wide table; filled by LoadOptionalFunctions, read-only after.
OptionalFunctions& Optional();

// System directory with a trailing backslash, or "" when it cannot be read.
std::wstring SystemDirectory();
void LoadOptionalFunctions();
void ReleaseOptionalFunctions();

// How the DLL search was restricted at start.
enum class DllSearch {
  SystemOnly,     // SetDefaultDllDirectories: only the system directory
  NoCurrentDir,   // SetDllDirectory(""): the program's folder still, not the current one
  Unrestricted,   // neither call exists or both failed
};
// The first thing the program does: later loads by bare name (a system DLL
// loading uxtheme.dll on our behalf, say) look in the system directory only,
// so that a DLL planted beside zorvik.exe, in a downloads folder for
// example, is never loaded.
DllSearch RestrictDllSearch();

// Starts COM (apartment-threaded) on the calling thread once; StopCom ends
// what StartCom started. Safe without ole32.
bool StartCom();
void StopCom();

HRESULT EnableComposition(bool flag);
bool CanSetComposition();
bool IsCompositionEnabled();
bool SetComposition(bool enable);
bool CanLayerWindows();

// The display affinity that leaves a window out of every screen copy, with
// desktop composition on as well (Windows 10 version 2004 and later).
inline constexpr DWORD kExcludeFromCapture = 0x11;
// True when windows can be left out of screen copies: setting the exclusion
// on `window` succeeds and reads back; the window is left without it.
bool ProbeCaptureExclusion(HWND window);
// Sets or clears the exclusion; false when the system did not take it.
bool SetCaptureExclusion(HWND window, bool exclude);
// Waits until the composed screen shows the latest changes (no-op without
// composition), so that a copy taken next sees them.
void FlushComposition();
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
