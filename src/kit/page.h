// The base of every page: a child window built from a control table, with
// the prologue all pages share — scaling to the window's DPI, one font,
// font-relative heights (ControlTable), binding buttons, check and radio
// boxes to commands (ActionBinder), the hint of each control, and the
// context-menu keys: F10 without Alt and Ctrl, or releasing the Apps key,
// opens the page's popup menu at the top-left corner of its client area (so
// does the title-bar icon of the tool window that hosts it). A page file then
// holds only its table and what is its own.
#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "kit/action.h"
#include "kit/action_binder.h"
#include "kit/control_desc.h"
#include "kit/control_table.h"
#include "kit/window.h"

namespace zorvik::kit {

class Page : public Window {
public:
  // design: the controls; designWidth x designHeight: the client size at 96
  // dpi; actions: the commands the controls bind to (none: no binding).
  Page(std::string name, std::string caption, ControlTableDesc design, int designWidth, int designHeight,
       ActionList* actions = nullptr);
  ~Page() override;

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }

  // Builds the page, hidden, inside `parent` at `dpi` (0: the DPI of the
  // parent's screen) on the first call; later calls do nothing. Order: the
  // controls, their bindings, OnCreate, Sync.
  bool Create(HWND parent, int dpi = 0);
  bool Created() const { return Handle() != nullptr; }
  // Brings the page up to date with the live state; by default every bound
  // control shows its command's check and enabled state.
  virtual void Sync();

  HWND Control(std::string_view name) const { return table_.Find(name); }
  ControlTable& Controls() { return table_; }
  const ControlTable& Controls() const { return table_; }
  ActionBinder& Bindings() { return binder_; }
  int Dpi() const { return table_.Dpi(); }
  HFONT Font() const { return font_; }
  int Scale(int designPixels) const { return table_.Scale(designPixels); }

  // The page's own handlers, by control name. A control with a click handler
  // is not bound to a command (registering one later unbinds it).
  void OnClick(std::string name, std::function<void()> handler);
  // Edit text changed, list, combo box or tree selection changed, track bar moved.
  void OnChange(std::string name, std::function<void()> handler);

  // The hint for a window of the page: the first of it and its parents (up to
  // the page) that has one.
  std::wstring HintAt(HWND window) const;

  // Opens the page's popup menu at the top-left corner of its client area;
  // false when the page has none.
  bool OpenPopupMenu(HWND focus = nullptr);

  // Wheel turns and released keys that reach the window hosting the page
  // rather than one of its controls; true when the page used them.
  virtual bool HostWheel(int /*delta*/, WPARAM /*keys*/) { return false; }
  virtual bool HostKeyUp(WPARAM /*vk*/, LPARAM /*lp*/) { return false; }

protected:
  virtual void OnCreate() {}
  virtual void OnResize(int /*width*/, int /*height*/) {}
  // Shows the page's popup menu at `screen`; `focus` had the keyboard focus.
  // False: the page has no menu.
  virtual bool OnPopupMenu(POINT /*screen*/, HWND /*focus*/) { return false; }
  // Keys reaching any control of the page, before the context-menu keys and
  // Tab; true consumes them.
  virtual bool OnKey(HWND /*control*/, UINT /*msg*/, WPARAM /*vk*/, LPARAM /*lp*/) { return false; }

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
  bool MenuKey(HWND from, UINT msg, WPARAM vk, LPARAM lp);
  void Changed(HWND control);

  std::string name_, caption_;
  ControlTableDesc design_;
  int designWidth_, designHeight_;
  ActionList* actions_;
  HFONT font_ = nullptr;
  bool building_ = false;
  ControlTable table_;
  ActionBinder binder_;
  std::map<std::string, std::function<void()>, std::less<>> clicks_, changes_;
};

}  // namespace zorvik::kit
