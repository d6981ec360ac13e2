#include "kit/owner_list.h"

#include <algorithm>

#include "platform/dpi_sizes.h"
#include "platform/win_dpi.h"

namespace zorvik::kit {

namespace {
constexpr UINT_PTR kSubclassId = 0x5A4C;
constexpr int kPad = 2;  // left padding of every item, gap after the box and icon
}  // namespace

OwnerList::~OwnerList() {
  if (hwnd_ && IsWindow(hwnd_)) RemoveWindowSubclass(hwnd_, Proc, kSubclassId);
}

void OwnerList::Attach(HWND listBox, bool checkBoxes) {
  hwnd_ = listBox;
  checkBoxes_ = checkBoxes;
  SetWindowSubclass(hwnd_, Proc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void OwnerList::SetImages(HIMAGELIST images) {
  images_ = images;
  FitToFont(0);
}

void OwnerList::FitToFont(int minimum) {
  int iconHeight = 0, iconWidth = 0;
  if (images_) ImageList_GetIconSize(images_, &iconWidth, &iconHeight);
  FitCheckListBox(hwnd_, std::max(minimum, iconHeight));
  InvalidateRect(hwnd_, nullptr, TRUE);
}

int OwnerList::ItemHeight() const { return static_cast<int>(SendMessageW(hwnd_, LB_GETITEMHEIGHT, 0, 0)); }

void OwnerList::Clear() {
  items_.clear();
  SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
}

int OwnerList::Add(ListItem item) {
  if (item.separator) item.checked = false;
  const LRESULT i = SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.text.c_str()));
  if (i < 0) return -1;
  items_.push_back(std::move(item));
  return static_cast<int>(i);
}

void OwnerList::Set(int index, ListItem item) {
  if (index < 0 || index >= Count()) return;
  if (item.separator) item.checked = false;
  const bool textChanged = items_[static_cast<size_t>(index)].text != item.text;
  items_[static_cast<size_t>(index)] = std::move(item);
  if (textChanged) {  // the list box keeps the text for searching and LB_GETTEXT
    const int selected = Selected();
    SendMessageW(hwnd_, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    SendMessageW(hwnd_, LB_INSERTSTRING, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(items_[static_cast<size_t>(index)].text.c_str()));
    if (selected == index) SendMessageW(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
  InvalidateItem(index);
}

int OwnerList::Selected() const { return static_cast<int>(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0)); }

void OwnerList::Select(int index) { SendMessageW(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(index), 0); }

bool OwnerList::Checked(int index) const {
  return index >= 0 && index < Count() && items_[static_cast<size_t>(index)].checked;
}

void OwnerList::SetChecked(int index, bool on) {
  if (index < 0 || index >= Count()) return;
  ListItem& item = items_[static_cast<size_t>(index)];
  if (item.separator || item.checked == on) return;
  item.checked = on;
  InvalidateItem(index);
}

int OwnerList::BoxSize(int itemHeight) const {
  // 13 pixels in the 12-pixel design font, never taller than the item.
  const int font = ControlFontHeight(hwnd_);
  return std::max(5, std::min(itemHeight - 2, (13 * font + 6) / 12));
}

RECT OwnerList::CheckBoxRect(int index) const {
  RECT item{};
  if (!checkBoxes_ || SendMessageW(hwnd_, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) ==
                          LB_ERR)
    return RECT{};
  const int size = BoxSize(item.bottom - item.top);
  const int top = item.top + (item.bottom - item.top - size) / 2;
  return RECT{item.left + kPad, top, item.left + kPad + size, top + size};
}

void OwnerList::InvalidateItem(int index) const {
  RECT r{};
  if (SendMessageW(hwnd_, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)) != LB_ERR)
    InvalidateRect(hwnd_, &r, FALSE);
}

void OwnerList::Toggle(int index) {
  if (index < 0 || index >= Count() || items_[static_cast<size_t>(index)].separator) return;
  SetChecked(index, !Checked(index));
  if (onCheck) onCheck(index);
}

void OwnerList::Draw(const DRAWITEMSTRUCT& d) const {
  if (d.itemID == static_cast<UINT>(-1) || d.itemID >= items_.size()) {
    FillRect(d.hDC, &d.rcItem, GetSysColorBrush(COLOR_WINDOW));
    if (d.itemState & ODS_FOCUS) DrawFocusRect(d.hDC, &d.rcItem);
    return;
  }
  const ListItem& item = items_[d.itemID];
  if (onDraw && onDraw(d, item)) return;
  HDC dc = d.hDC;
  const RECT& r = d.rcItem;
  if (item.separator) {
    FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
    RECT line{r.left + kPad, (r.top + r.bottom) / 2, r.right - kPad, (r.top + r.bottom) / 2 + 1};
    FillRect(dc, &line, GetSysColorBrush(COLOR_BTNSHADOW));
    return;
  }
  const bool selected = (d.itemState & ODS_SELECTED) != 0;
  const bool disabled = !IsWindowEnabled(hwnd_);
  const bool face = selected && faceSelectionWithoutFocus && GetFocus() != hwnd_;
  FillRect(dc, &r, GetSysColorBrush(face ? COLOR_BTNFACE : selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  int x = r.left + kPad;
  if (checkBoxes_) {
    const int size = BoxSize(r.bottom - r.top);
    const int top = r.top + (r.bottom - r.top - size) / 2;
    RECT box{x, top, x + size, top + size};
    FillRect(dc, &box, GetSysColorBrush(COLOR_WINDOW));
    HBRUSH frame = GetSysColorBrush(disabled ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT);
    FrameRect(dc, &box, frame);
    if (item.checked) {
      // A tick from the left third down to the bottom third and up to the top right.
      const int pen = std::max(1, size / 7);
      HPEN p = CreatePen(PS_SOLID, pen, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
      HGDIOBJ old = SelectObject(dc, p);
      const int inset = std::max(2, size / 5);
      POINT tick[3] = {{box.left + inset, top + size / 2},
                       {box.left + size * 2 / 5, box.bottom - inset - 1},
                       {box.right - inset - 1, box.top + inset}};
      Polyline(dc, tick, 3);
      SelectObject(dc, old);
      DeleteObject(p);
    }
    x = box.right + kPad * 2;
  }
  if (images_) {
    int w = 0, h = 0;
    ImageList_GetIconSize(images_, &w, &h);
    if (item.image >= 0)
      ImageList_Draw(images_, item.image, dc, x, r.top + (r.bottom - r.top - h) / 2, ILD_TRANSPARENT);
    x += w + kPad * 2;
  }
  RECT text{x, r.top, r.right - kPad, r.bottom};
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(disabled  ? COLOR_GRAYTEXT
                               : face    ? COLOR_BTNTEXT
                               : selected ? COLOR_HIGHLIGHTTEXT
                                          : COLOR_WINDOWTEXT));
  DrawTextW(dc, item.text.c_str(), static_cast<int>(item.text.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  if (d.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
}

bool OwnerList::Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
  if (msg == WM_DRAWITEM) {
    const auto* d = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
    if (d->hwndItem != hwnd_) return false;
    Draw(*d);
    *result = TRUE;
    return true;
  }
  if (msg == WM_COMMAND && reinterpret_cast<HWND>(lp) == hwnd_) {
    if (HIWORD(wp) == LBN_SELCHANGE && onSelect) onSelect(Selected());
    return false;  // the page may want the notification as well
  }
  return false;
}

LRESULT CALLBACK OwnerList::Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR ref) {
  auto* self = reinterpret_cast<OwnerList*>(ref);
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const LRESULT r = DefSubclassProc(h, msg, wp, lp);  // selects the item first
      if (!self->checkBoxes_) return r;
      const POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
      const LRESULT hit = SendMessageW(h, LB_ITEMFROMPOINT, 0, lp);
      if (HIWORD(hit)) return r;  // below the last item
      const int index = LOWORD(hit);
      RECT box = self->CheckBoxRect(index);
      InflateRect(&box, kPad, kPad);
      if (PtInRect(&box, p)) self->Toggle(index);  // a quick second click arrives as a double click
      return r;
    }
    case WM_KEYDOWN:
      if (wp == VK_SPACE && self->checkBoxes_) {
        self->Toggle(self->Selected());
        return 0;
      }
      break;
    case WM_CHAR:
      if (wp == L' ' && self->checkBoxes_) return 0;  // no incremental search for the space
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (self->faceSelectionWithoutFocus) self->InvalidateItem(self->Selected());  // its colours change
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(h, Proc, id);
      self->hwnd_ = nullptr;
      break;
    default:
      break;
  }
  return DefSubclassProc(h, msg, wp, lp);
}

}  // namespace zorvik::kit
