// A status bar that shows the hint of the control under the pointer. The
// hints come from whoever hosts the controls (a page's table); the bar asks
// for the hint of the window under the pointer ten times a second while the
// pointer is over its root window.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace zorvik::kit {

class HintBar {
public:
  HintBar() = default;
  ~HintBar();
  HintBar(const HintBar&) = delete;
  HintBar& operator=(const HintBar&) = delete;

  // A status bar along the bottom of `parent`, `font` (not owned), its height
  // HeightForFont(font, 0, 1.8).
  bool Create(HWND parent, HFONT font);
  HWND Handle() const { return hwnd_; }
  int Height() const;
  // Puts the bar back along the bottom after the parent changed size.
  void Layout();

  void SetText(std::wstring_view text);
  std::wstring Text() const;

  // Follows the pointer over `root`: the text becomes hintOf(window under the
  // pointer); outside root it stays as it was.
  void Track(HWND root, std::function<std::wstring(HWND)> hintOf);
  // One step of the tracking, as the timer does it.
  void Poll();

private:
  static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);

  HWND hwnd_ = nullptr;
  HWND root_ = nullptr;
  std::function<std::wstring(HWND)> hintOf_;
  std::wstring text_;
};

}  // namespace zorvik::kit
