/* A DLL with a name no system has, placed beside the Win32 tests: once the
   DLL search is restricted to the system directory, loading it by its bare
   name must fail. */
#include <windows.h>

__declspec(dllexport) int ZorvikPlanted(void) { return 42; }

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)instance;
  (void)reason;
  (void)reserved;
  return TRUE;
}
