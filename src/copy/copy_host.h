// What the copy and write commands need of the main window beyond the tool
// host and the capture state: the window under the capture point, a copy of
// the view, holding the capture timer, the status row and the write cache.
#pragma once
#include <windows.h>

#include <string>

namespace zorvik {

struct T_DispInfo;

class CopyHost {
public:
  virtual ~CopyHost() = default;

  // The window under the capture point as the user sees it (from the frozen
  // window tree while paused), or null.
  virtual HWND WindowAtCapturePoint() const = 0;
  // A copy of the view (and the information area when asked), or null.
  virtual HBITMAP CopyOfView(bool withInfoArea) const = 0;
  // Holds the capture timer while a long operation (the clipboard) runs.
  virtual void SuspendTicks(bool suspend) = 0;
  // A transient message in the status row.
  virtual void ShowStatusMessage(const std::wstring& text) = 0;
  // The snapshot the write menu writes from.
  virtual T_DispInfo& WriteCache() = 0;
};

}  // namespace zorvik
