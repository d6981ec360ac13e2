// The base of every page: a child window built from a control table, with
// what all pages share — scaling to the window's DPI (and again when it
// changes), one font, font-relative heights (ControlTable), binding
// buttons, check and radio boxes to commands (ActionBinder), the hint of
// each control, the page's own commands and its popup menus made from
// tables, the keys every page answers (Alt + a button's marked letter, the
// context-menu keys F10 and Apps) and closing the window that hosts it. A
// page file then holds only its table and what is its own.
#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "kit/action.h"
#include "kit/action_binder.h"
#include "kit/control_desc.h"
#include "kit/control_table.h"
#include "kit/win_menu.h"
#include "kit/window.h"

namespace zorvik::kit {

class Page : public Window {
public:
  // design: the controls; designWidth x designHeight: the client size at 96
  // dpi; actions: the commands the controls bind to (none: the page's own).
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
  std::wstring ControlText(std::string_view name) const { return WindowText(Control(name)); }
  ControlTable& Controls() { return table_; }
  const ControlTable& Controls() const { return table_; }
  ActionBinder& Bindings() { return binder_; }
  int Dpi() const { return table_.Dpi(); }
  HFONT Font() const { return font_; }
  int Scale(int designPixels) const { return table_.Scale(designPixels); }

  // The page's own handlers, by control name. A control with a click handler
  // is not bound to a command (registering one later unbinds it); a label
  // with one runs it when clicked.
  void OnClick(std::string name, std::function<void()> handler);
  // Edit text changed, list, combo box or tree selection changed, track bar moved.
  void OnChange(std::string name, std::function<void()> handler);
  // An edit or a list took the keyboard focus.
  void OnFocus(std::string name, std::function<void()> handler);

  // The hint for a window of the page: the first of it and its parents (up to
  // the page) that has one.
  std::wstring HintAt(HWND window) const;

  // The page's own commands: what its menus and keys run, and what its
  // buttons bind to unless the page binds to another list.
  ActionList& PageActions() { return commands_; }
  const ActionList& PageActions() const { return commands_; }
  Action& AddCommand(std::string name, std::string caption, std::function<void()> run, std::string hint = {});

  // The page's popup menus, made from tables whose rows name page commands.
  PopupMenu& AddMenu(std::string name, const std::vector<MenuRow>& rows);
  PopupMenu* Menu(std::string_view name) const;

  // Opens the page's popup menu at the top-left corner of its client area;
  // false when the page has none.
  bool OpenPopupMenu(HWND focus = nullptr);

  // Wheel turns that reach the page or the window hosting it rather than one
  // of its controls, and keys released on the host; true when the page used them.
  virtual bool HostWheel(int /*delta*/, WPARAM /*keys*/) { return false; }
  virtual bool HostKeyUp(WPARAM /*vk*/, LPARAM /*lp*/) { return false; }

  // The window's DPI changed: by default the font is made anew and every
  // control of the table placed and sized as a page built at `dpi` has it,
  // the page at its design size (the host places it afterwards).
  virtual void OnDpiChanged(int dpi);

protected:
  virtual void OnCreate() {}
  virtual void OnResize(int /*width*/, int /*height*/) {}
  // Shows the page's popup menu at `screen`; `focus` had the keyboard focus.
  // Default: the page menu (SetPageMenu); false when there is none.
  virtual bool OnPopupMenu(POINT screen, HWND focus);
  // Just before a menu of the page shows; `control`: the control whose own
  // menu it is, null for the page menu.
  virtual void OnMenuOpening(PopupMenu& /*menu*/, HWND /*control*/) {}
  // Keys reaching any control of the page, before Alt + a marked letter,
  // the context-menu keys and Tab; true consumes them.
  virtual bool OnKey(HWND /*control*/, UINT /*msg*/, WPARAM /*vk*/, LPARAM /*lp*/) { return false; }

  // The page menu: F10, the Apps key and the host's title-bar icon open it at
  // the page's corner; with `rightClick` also a right click on the page at
  // the pointer (or the keyboard's context-menu message at the corner).
  void SetPageMenu(std::string_view menu, bool rightClick = false);
  // A control's own menu: the Apps key and Shift+F10 while the control has
  // the focus open it at the control's corner, a right click on it at the
  // pointer.
  void SetControlMenu(std::string_view control, std::string_view menu);
  // Shows a control's own menu; false when it has none.
  bool OpenControlMenu(HWND control, POINT screen);
  // Shows a menu of the page; the chosen item runs its command.
  void ShowMenu(PopupMenu& menu, POINT screen, HWND control = nullptr);

  // What a key reaching a control (or the page) does: OnKey, then Alt + a
  // button's marked letter, then the context-menu keys. For controls that
  // are not in the table.
  bool PageKey(HWND control, UINT msg, WPARAM vk, LPARAM lp);

  // Closes the window hosting the page (never the page itself, nor keepOpen).
  void CloseHost(HWND keepOpen = nullptr);

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
  bool MenuKey(HWND from, UINT msg, WPARAM vk, LPARAM lp);
  bool ContextMenu(HWND from, LPARAM lp);
  void Changed(HWND control, const std::map<std::string, std::function<void()>, std::less<>>& handlers);

  std::string name_, caption_;
  ControlTableDesc design_;
  int designWidth_, designHeight_;
  ActionList commands_;
  ActionList* actions_;
  HFONT font_ = nullptr;
  bool building_ = false;
  ControlTable table_;
  ActionBinder binder_;
  std::map<std::string, std::function<void()>, std::less<>> clicks_, changes_, focuses_;
  std::vector<std::unique_ptr<PopupMenu>> menus_;
  PopupMenu* pageMenu_ = nullptr;
  bool rightClickMenu_ = false;
  std::map<std::string, PopupMenu*, std::less<>> controlMenus_;
};

}  // namespace zorvik::kit
