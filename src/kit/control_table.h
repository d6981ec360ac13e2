// Builds the controls of a page table into a window: every rectangle scaled
// from 96 dpi to the window's DPI, one font for all, item, button and label
// heights fitted to that font, panels that pass their children's
// notifications on, and lookup of a control by its name. Pages (kit::Page)
// and tool windows use it; it knows nothing of commands (kit::ActionBinder
// binds them).
#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "kit/control_desc.h"

namespace zorvik::kit {

class Grid;
class OwnerList;

// DPI of the screen a window is on (the screen's LOGPIXELSY; 96 when it
// cannot be read).
int WindowDpi(HWND window);
// The pages' font, 12 pixels at 96 dpi scaled to `dpi`; the caller deletes it.
HFONT CreatePageFont(int dpi);

class ControlTable {
public:
  ControlTable();
  ~ControlTable();
  ControlTable(const ControlTable&) = delete;
  ControlTable& operator=(const ControlTable&) = delete;

  // Creates the control of every row inside `host` at `dpi`, all drawing
  // with `font` (not owned; it must outlive the controls). Returns false when
  // the table has mistakes (CheckTable); the sound rows are built all the same.
  bool Build(HWND host, const ControlTableDesc& table, int dpi, HFONT font);

  HWND Host() const { return host_; }
  int Dpi() const { return dpi_; }
  HFONT Font() const { return font_; }
  int Scale(int designPixels) const;  // 96-dpi pixels -> this table's DPI

  size_t Count() const { return entries_.size(); }
  HWND At(size_t i) const;
  const ControlDesc& DescAt(size_t i) const;

  HWND Find(std::string_view name) const;  // nullptr when no row has that name
  const ControlDesc* Desc(std::string_view name) const;
  const ControlDesc* DescOf(HWND control) const;  // also for the up-down of a spin edit
  OwnerList* List(std::string_view name) const;   // owner-drawn list and check list rows
  Grid* GridOf(std::string_view name) const;

  // Spin edits: the up-down control, and the value it holds.
  HWND UpDownOf(std::string_view name) const;
  int SpinValue(std::string_view name) const;
  void SetSpinValue(std::string_view name, int value);
  void SetSpinRange(std::string_view name, int minimum, int maximum);

  // Hints shown by the hint bar: the row's own, or one given later.
  std::wstring HintOf(HWND control) const;
  void SetHint(HWND control, std::wstring hint);

  // Item height of a list, check list, drop-down list or grid row:
  // HeightForFont(font, the row's scaled minimum, 1.3).
  int ItemHeight(std::string_view name) const;

  // Messages that a container (the host or a panel) receives on behalf of the
  // table's controls: item measuring and drawing of owner-drawn lists and
  // combo boxes, the lists' notifications. True when handled (*result set).
  bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);

  // Places and sizes every control anew at `dpi`, drawing with `font`, as
  // Build would have made it there (the anchors start again from there).
  void Rescale(int dpi, HFONT font);

  // Lays out the anchored controls of `container` (the host or a panel) after
  // it changed size; the panels call it themselves.
  void Relayout(HWND container);

  // Keys reaching any control of the table go here first; true consumes them.
  // Tab and Shift+Tab then move the focus between the controls.
  std::function<bool(HWND control, UINT msg, WPARAM wp, LPARAM lp)> onKey;
  // Draws an item of an owner-drawn combo box; false leaves it to the
  // default (the item's text, 2 pixels from the left, highlighted when selected).
  std::function<bool(const DRAWITEMSTRUCT& item)> onDrawComboItem;

private:
  struct Entry;
  Entry* EntryOf(std::string_view name) const;
  Entry* EntryOf(HWND control) const;
  void Create(Entry& e, UINT id, const PixelRect& rect, bool groupStart);
  void Fit(Entry& e);
  void RecordAnchors(Entry& e);
  static LRESULT CALLBACK KeyProc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);

  HWND host_ = nullptr;
  int dpi_ = 96;
  HFONT font_ = nullptr;
  std::vector<std::unique_ptr<Entry>> entries_;
  std::map<std::string, Entry*, std::less<>> byName_;
  std::map<HWND, Entry*> byHwnd_;
};

}  // namespace zorvik::kit
