// The main window's state that the settings file and the settings page set
// directly, each taking effect at once.
#pragma once
#include <windows.h>

#include <string>

namespace zorvik {

class LiveSettings {
public:
  virtual ~LiveSettings() = default;

  // After the commands' checks changed without running them: the window
  // options, the grid's checks or colours, the loupe or fixed command.
  virtual void ApplyStayOnTop() = 0;
  virtual void ApplyTitleBar() = 0;
  virtual void ApplyToolBar() = 0;  // shown or hidden, icon size
  virtual void ApplyGrid() = 0;
  virtual void ApplyCaptureMode() = 0;

  virtual void SetFlipMode(int mode) = 0;
  // The information font by face and size in points.
  virtual void SetInfoFont(const std::wstring& face, int points) = 0;
  // The divider between the labels and values of the information lines.
  virtual int DividerX() const = 0;
  virtual void SetDividerX(int x) = 0;
  // The window's rectangle without the information area (what is stored),
  // and placing the window so; the layout adds the information area back.
  virtual RECT WindowBounds() const = 0;
  virtual void PlaceWindow(int x, int y, int width, int height, bool ensureOnScreen) = 0;

  // The step of the checked zoom command; checking the command of step
  // `index` and taking its factor.
  virtual int ZoomIndex() const = 0;
  virtual void SetZoomIndex(int index) = 0;
  // Moves the capture point of a fixed or paused capture (screen pixels).
  virtual void SetCapturePoint(POINT p) = 0;
  virtual void SetLengthOrigin(POINT p) = 0;
};

}  // namespace zorvik
