// The main window's capture as its readers see it: the snapshot of the last
// tick, where it was taken and how (paused, fixed), the zoom factor shown,
// and whether the write menu holds a cache. "Paused" and "fixed" are the
// checks of their commands.
#pragma once
#include <windows.h>

namespace zorvik {

struct T_DispInfo;

class CaptureState {
public:
  virtual ~CaptureState() = default;

  // The snapshot of the last tick.
  virtual const T_DispInfo& Current() const = 0;
  virtual POINT CapturePoint() const = 0;
  virtual bool Paused() const = 0;
  virtual bool Fixed() const = 0;
  // The factor in use (1 while the 1:1 view is held).
  virtual int ZoomFactor() const = 0;
  // The write menu's cache holds a window.
  virtual bool HoldsWriteCache() const = 0;
};

}  // namespace zorvik
