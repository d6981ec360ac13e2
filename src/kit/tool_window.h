// The base of the tool windows beside the main window (API test, style
// viewer, customisation): a top-level window owned by the main window,
// created on first use and then only hidden and shown again; the close box
// and Alt+F4 hide it. Its bounds can be read and set for the settings file.
// It may host a page that fills its client area and a hint bar under it;
// the title-bar icon opens the page's popup menu.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "kit/hint_bar.h"
#include "kit/window.h"

namespace zorvik::kit {

class Page;

class ToolWindow : public Window {
public:
  // className: the window class ("TApp_ZorvikAPITest"); caption UTF-8; the
  // client area at 96 dpi; hintBar: a hint bar along the bottom.
  ToolWindow(std::wstring className, std::string caption, int designWidth, int designHeight, bool hintBar = false);
  ~ToolWindow() override;

  bool Exists() const { return Handle() != nullptr; }
  // Creates the window, hidden, on the first call (dpi 0: the screen's); the
  // system menu loses Restore, Minimize and Maximize; OnCreate builds the
  // contents. Later calls do nothing; after a failed creation they fail at
  // once.
  bool Ensure(HWND owner = nullptr, int dpi = 0);
  void Show();   // creates it when needed, shows and activates it
  void Hide();
  void Close();  // what the close box and Alt+F4 do: hide, then onClose
  bool Visible() const { return Handle() && IsWindowVisible(Handle()); }

  // The window rectangle on the screen; empty before creation.
  RECT Bounds() const;
  // Places the window, moved into the work area of the monitor nearest to
  // `bounds`. Ignored (false) when the width or height is 0 or the window
  // does not exist yet.
  bool SetBounds(const RECT& bounds);

  int Dpi() const { return dpi_; }
  HFONT Font() const { return font_; }
  int Scale(int designPixels) const;
  HintBar* Hints() { return hints_.get(); }

  // A page filling the client area above the hint bar (created in this
  // window when it is not yet); not owned.
  void SetPage(Page* page);
  Page* GetPage() const { return page_; }

  // After the window was hidden by Close (close box, Alt+F4).
  std::function<void()> onClose;

protected:
  virtual void OnCreate() {}
  // Default: the page fills the client area above the hint bar.
  virtual void OnResize(int width, int height);
  // Default: the page's popup menu.
  virtual void OnIconClick();
  // The hint shown for the window under the pointer; default: the page's.
  virtual std::wstring HintAt(HWND window) const;
  // The client area above the hint bar.
  RECT ContentRect() const;

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
  std::wstring className_;
  std::string caption_;
  int designWidth_, designHeight_;
  bool wantHints_;
  int dpi_ = 96;
  HFONT font_ = nullptr;
  bool creationFailed_ = false;
  std::unique_ptr<HintBar> hints_;
  Page* page_ = nullptr;
};

}  // namespace zorvik::kit
