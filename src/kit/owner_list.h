// An owner-drawn list box, with or without check boxes: each item is a text,
// an optional icon from an image list, a check mark drawn by us, or a
// separator drawn as a line. Item height follows the list's font. The list
// box's parent passes WM_DRAWITEM and WM_COMMAND on through Reflect (a
// kit::ControlTable does so for its rows).
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zorvik::kit {

struct ListItem {
  std::wstring text;
  int image = -1;          // index into the list's image list, -1: none
  bool checked = false;
  bool separator = false;  // drawn as a line; never checked
  std::intptr_t data = 0;
};

class OwnerList {
public:
  // Window styles of a list box that this class can take over.
  static constexpr DWORD kStyle = LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;

  OwnerList() = default;
  ~OwnerList();
  OwnerList(const OwnerList&) = delete;
  OwnerList& operator=(const OwnerList&) = delete;

  // Takes over a list box created with kStyle.
  void Attach(HWND listBox, bool checkBoxes);
  HWND Handle() const { return hwnd_; }
  bool HasCheckBoxes() const { return checkBoxes_; }

  // Icons (not owned); items become at least as high as the icons.
  void SetImages(HIMAGELIST images);
  // Item height = HeightForFont(the list's font, max(minimum, icon height), 1.3).
  void FitToFont(int minimum);
  int ItemHeight() const;

  void Clear();
  int Add(ListItem item);
  void Set(int index, ListItem item);
  int Count() const { return static_cast<int>(items_.size()); }
  const ListItem& Item(int index) const { return items_.at(static_cast<size_t>(index)); }

  int Selected() const;  // -1: none
  void Select(int index);
  bool Checked(int index) const;
  void SetChecked(int index, bool on);  // no callback
  // Where the check box of an item is drawn, in list client coordinates.
  RECT CheckBoxRect(int index) const;

  std::function<void(int index)> onCheck;   // the user toggled a check (click on the box, Space)
  std::function<void(int index)> onSelect;  // the selection moved (LBN_SELCHANGE)
  // Draws an item itself; false leaves it to the default drawing.
  std::function<bool(const DRAWITEMSTRUCT& item, const ListItem& data)> onDraw;
  // The selected item in button-face colours while the list has no focus
  // (highlight colours only while it has).
  bool faceSelectionWithoutFocus = false;

  // WM_DRAWITEM and WM_COMMAND that the list box's parent received. True when
  // handled (*result set).
  bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);

private:
  void Draw(const DRAWITEMSTRUCT& d) const;
  int BoxSize(int itemHeight) const;
  void Toggle(int index);
  void InvalidateItem(int index) const;
  static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);

  HWND hwnd_ = nullptr;
  bool checkBoxes_ = false;
  HIMAGELIST images_ = nullptr;
  std::vector<ListItem> items_;
};

}  // namespace zorvik::kit
