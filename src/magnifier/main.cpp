// Program entry: optional system functions and the monitor list first, then
// the main window and its message loop.
#include <windows.h>
#include <commctrl.h>

#include "commands/system_key_names.h"
#include "kit/window.h"
#include "magnifier/main_window.h"
#include "platform/screen_size.h"
#include "platform/optional_functions.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // Before anything can load a DLL by name.
  zorvik::RestrictDllSearch();
  // The keys held at start change the start; read them before any window
  // exists (creating the first window may resynchronise the keyboard state).
  const bool shift = zorvik::IsKeyDown(VK_SHIFT), ctrl = zorvik::IsKeyDown(VK_CONTROL);
  // Per-monitor awareness comes from the manifest; where the call exists and
  // is refused (already aware), nothing is lost.
  if (HMODULE user = GetModuleHandleW(L"user32.dll")) {
    using SetCtx = BOOL(WINAPI*)(HANDLE);
    if (auto set = reinterpret_cast<SetCtx>(reinterpret_cast<void*>(
            GetProcAddress(user, "SetProcessDpiAwarenessContext"))))
      set(reinterpret_cast<HANDLE>(-4));  // per monitor, version 2
  }
  zorvik::LoadOptionalFunctions();
  zorvik::StartCom();  // the shell needs it to open the help page
  zorvik::InstallSystemKeyNames();
  zorvik::ScreenSize();
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  int rc = 1;
  {
    zorvik::TApp_Zorvik app;
    app.startShift = shift ? 1 : 0;
    app.startCtrl = ctrl ? 1 : 0;
    if (app.CreateMainWindow()) rc = zorvik::kit::RunMessageLoop();
  }
  zorvik::ReleaseOptionalFunctions();
  return rc;
}
