#include "kit/control_table.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/optional_functions.h"
#include "kit/grid.h"
#include "kit/owner_list.h"
#include "platform/dpi_sizes.h"
#include "platform/win_dpi.h"
#include "platform/win_text.h"

namespace zorvik::kit {

namespace {

constexpr UINT kFirstId = 1000;
constexpr UINT_PTR kKeySubclassId = 0x5A4B;  // "ZK"
constexpr int kComboVisibleItems = 10;
const wchar_t kPanelClass[] = L"ZorvikKitPanel";

// A panel passes its children's notifications to its parent, so that the
// page sees every control of its table in one place.
LRESULT CALLBACK PanelProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if (HWND parent = GetParent(h)) return SendMessageW(parent, msg, wp, lp);
      break;
    case WM_SIZE:
      if (auto* table = reinterpret_cast<ControlTable*>(GetWindowLongPtrW(h, GWLP_USERDATA))) table->Relayout(h);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(h, msg, wp, lp);
}

void RegisterPanelClass() {
  static bool done = false;
  if (done) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = PanelProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kPanelClass;
  done = RegisterClassExW(&wc) != 0;
}

bool IsListKind(ControlKind k) {
  return k == ControlKind::ListBox || k == ControlKind::CheckList || k == ControlKind::OwnerList ||
         k == ControlKind::ComboBox || k == ControlKind::Grid;
}

}  // namespace

int WindowDpi(HWND window) { return DpiOf(window); }

HFONT CreatePageFont(int dpi) {
  return CreateFontW(ScaledFontHeight(dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS,
                     L"ＭＳ Ｐゴシック");
}

struct ControlTable::Entry {
  ControlDesc desc;
  HWND hwnd = nullptr;
  HWND upDown = nullptr;
  HWND container = nullptr;
  std::wstring hint;
  std::unique_ptr<OwnerList> list;
  std::unique_ptr<Grid> grid;
  // Anchors: the rectangle after creation and its distances to the
  // container's right and bottom edges.
  RECT placed{};
  int rightGap = 0, bottomGap = 0;
  int dropHeight = 0;  // drop-down list: field and list
  DesignRect design;   // at 96 dpi in its container, as PlaceControls put it
};

ControlTable::ControlTable() = default;
ControlTable::~ControlTable() = default;

int ControlTable::Scale(int designPixels) const { return ScaleToDpi(designPixels, dpi_); }

HWND ControlTable::At(size_t i) const { return entries_[i]->hwnd; }

const ControlDesc& ControlTable::DescAt(size_t i) const { return entries_[i]->desc; }

bool ControlTable::Build(HWND host, const ControlTableDesc& table, int dpi, HFONT font) {
  host_ = host;
  dpi_ = dpi > 0 ? dpi : kDesignDpi;
  font_ = font;
  RegisterPanelClass();
  const std::vector<Placement> places = PlaceControls(table);
  const size_t first = entries_.size();
  for (size_t i = 0; i < table.size(); ++i) {
    entries_.push_back(std::make_unique<Entry>());
    Entry& e = *entries_.back();
    e.desc = table[i];
    e.hint = W(table[i].hint);
    const int c = places[i].container;
    e.container = c >= 0 && entries_[first + c]->hwnd ? entries_[first + c]->hwnd : host;
    // Radio buttons in a row of the table form one group (auto radio buttons
    // uncheck the others of their group), each group starting anew.
    const bool groupStart = i == 0 || table[i - 1].kind != ControlKind::RadioButton ||
                            table[i - 1].parent != table[i].parent || (table[i].flags & kNewGroup);
    e.design = places[i].rect;
    Create(e, kFirstId + static_cast<UINT>(first + i), ScaleRect(e.design, dpi_), groupStart);
    if (!e.hwnd) continue;
    if (!e.desc.name.empty()) byName_.emplace(e.desc.name, &e);
    byHwnd_[e.hwnd] = &e;
    if (e.upDown) byHwnd_[e.upDown] = &e;
  }
  for (size_t i = first; i < entries_.size(); ++i)
    if (entries_[i]->hwnd) RecordAnchors(*entries_[i]);
  return CheckTable(table).empty();
}

void ControlTable::Create(Entry& e, UINT id, const PixelRect& r, bool groupStart) {
  const ControlDesc& d = e.desc;
  const unsigned f = d.flags;
  DWORD style = WS_CHILD | ((f & kHidden) ? 0 : WS_VISIBLE) | ((f & kDisabled) ? WS_DISABLED : 0);
  const DWORD tab = (f & kNoTabStop) ? 0 : WS_TABSTOP;
  const DWORD edge = (f & kNoBorder) ? 0 : WS_EX_CLIENTEDGE;
  DWORD ex = 0;
  const wchar_t* cls = L"STATIC";
  int height = r.Height();
  switch (d.kind) {
    case ControlKind::Label:
      style |= SS_NOTIFY | ((f & kRightAlign) ? SS_RIGHT : SS_LEFT) | WS_GROUP;
      break;
    case ControlKind::Button:
      cls = L"BUTTON";
      style |= ((f & kDefault) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | tab | WS_GROUP;
      break;
    case ControlKind::CheckBox:
      cls = L"BUTTON";
      style |= BS_AUTOCHECKBOX | tab | WS_GROUP;
      break;
    case ControlKind::RadioButton:
      cls = L"BUTTON";
      style |= BS_AUTORADIOBUTTON | (groupStart ? WS_GROUP | tab : 0);
      break;
    case ControlKind::GroupBox:
      cls = L"BUTTON";
      style |= BS_GROUPBOX | WS_GROUP;
      break;
    case ControlKind::Edit:
    case ControlKind::SpinEdit:
      cls = L"EDIT";
      ex = edge;
      style |= tab | WS_GROUP | ES_AUTOHSCROLL | ((f & kReadOnly) ? ES_READONLY : 0) |
               ((f & kRightAlign) || d.kind == ControlKind::SpinEdit ? ES_RIGHT : ES_LEFT);
      if (f & kMultiLine) style = (style & ~ES_AUTOHSCROLL) | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL;
      break;
    case ControlKind::TrackBar:
      cls = TRACKBAR_CLASSW;
      style |= TBS_HORZ | TBS_AUTOTICKS | tab | WS_GROUP;
      break;
    case ControlKind::ComboBox:
      cls = WC_COMBOBOXW;
      style |= CBS_DROPDOWNLIST | WS_VSCROLL | tab | WS_GROUP |
               ((f & kOwnerDraw) ? CBS_OWNERDRAWFIXED | CBS_HASSTRINGS : 0);
      // The height of a drop-down list is that of the field and its list.
      height += kComboVisibleItems * HeightForFont(ScaledFontHeight(dpi_), Scale(d.minItemHeight), ItemHeightFactor);
      break;
    case ControlKind::ListBox:
      cls = L"LISTBOX";
      ex = edge;
      style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | tab | WS_GROUP;
      break;
    case ControlKind::CheckList:
    case ControlKind::OwnerList:
      cls = L"LISTBOX";
      ex = edge;
      style |= OwnerList::kStyle | WS_VSCROLL | tab | WS_GROUP;
      break;
    case ControlKind::TreeView:
      cls = WC_TREEVIEWW;
      ex = edge;
      style |= TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS | TVS_DISABLEDRAGDROP | tab |
               WS_GROUP;
      break;
    case ControlKind::Panel:
      cls = kPanelClass;
      ex = WS_EX_CONTROLPARENT | ((f & kBorder) ? WS_EX_STATICEDGE : 0);
      style |= WS_GROUP;
      break;
    case ControlKind::Grid: {
      e.grid = std::make_unique<Grid>();
      if (!e.grid->Create(e.container, id, RECT{r.left, r.top, r.right, r.bottom}, !(f & kHidden), !(f & kNoBorder)))
        return;
      e.hwnd = e.grid->Handle();
      if (f & kNoTabStop) SetWindowLongW(e.hwnd, GWL_STYLE, GetWindowLongW(e.hwnd, GWL_STYLE) & ~WS_TABSTOP);
      if (f & kDisabled) EnableWindow(e.hwnd, FALSE);
      Fit(e);
      SetWindowSubclass(e.hwnd, KeyProc, kKeySubclassId, reinterpret_cast<DWORD_PTR>(this));
      return;
    }
  }
  const std::wstring caption = d.kind == ControlKind::SpinEdit ? std::wstring() : W(d.caption);
  e.dropHeight = height;
  e.hwnd = CreateWindowExW(ex, cls, caption.c_str(), style, r.left, r.top, r.Width(), height, e.container,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (!e.hwnd) return;
  SetWindowSubclass(e.hwnd, KeyProc, kKeySubclassId, reinterpret_cast<DWORD_PTR>(this));
  switch (d.kind) {
    case ControlKind::SpinEdit: {
      e.upDown = CreateWindowExW(0, UPDOWN_CLASSW, L"",
                                 WS_CHILD | ((f & kHidden) ? 0 : WS_VISIBLE) | UDS_SETBUDDYINT | UDS_ALIGNRIGHT |
                                     UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                                 0, 0, 0, 0, e.container, nullptr, GetModuleHandleW(nullptr), nullptr);
      if (e.upDown) {
        SendMessageW(e.upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(e.hwnd), 0);
        SendMessageW(e.upDown, UDM_SETRANGE32, static_cast<WPARAM>(d.minimum), static_cast<LPARAM>(d.maximum));
        SendMessageW(e.upDown, UDM_SETPOS32, 0, std::clamp(0, d.minimum, d.maximum));
        if (f & kDisabled) EnableWindow(e.upDown, FALSE);
      }
      break;
    }
    case ControlKind::TrackBar:
      SendMessageW(e.hwnd, TBM_SETRANGEMIN, FALSE, d.minimum);
      SendMessageW(e.hwnd, TBM_SETRANGEMAX, TRUE, d.maximum);
      SendMessageW(e.hwnd, TBM_SETTICFREQ, 1, 0);
      break;
    case ControlKind::CheckList:
    case ControlKind::OwnerList:
      e.list = std::make_unique<OwnerList>();
      e.list->Attach(e.hwnd, d.kind == ControlKind::CheckList);
      break;
    case ControlKind::Panel:
      SetWindowLongPtrW(e.hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
      break;
    default:
      break;
  }
  Fit(e);
}

// The table's font, and every height that follows from it.
void ControlTable::Fit(Entry& e) {
  const ControlDesc& d = e.desc;
  SendMessageW(e.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  switch (d.kind) {
    case ControlKind::Label:
      FitLabel(e.hwnd);
      break;
    case ControlKind::Button:
      FitButton(e.hwnd);
      break;
    case ControlKind::ComboBox:
      FitDropDownList(e.hwnd, Scale(d.minItemHeight));
      if (d.flags & kOwnerDraw)
        SendMessageW(e.hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
                     HeightForFont(ScaledFontHeight(dpi_), Scale(d.minItemHeight), ItemHeightFactor));
      break;
    case ControlKind::ListBox:
      FitListBox(e.hwnd, Scale(d.minItemHeight));
      break;
    case ControlKind::CheckList:
    case ControlKind::OwnerList:
      if (e.list) e.list->FitToFont(Scale(d.minItemHeight));
      break;
    case ControlKind::Grid:
      e.grid->SetDefaultColWidth(Scale(64));
      e.grid->SetMinimumRowHeight(Scale(d.minItemHeight));
      break;
    default:
      break;
  }
}

void ControlTable::Rescale(int dpi, HFONT font) {
  dpi_ = dpi > 0 ? dpi : kDesignDpi;
  font_ = font;
  // In table order, so that a panel has its new size before its controls
  // take theirs; the anchors are taken afresh once all are placed.
  for (auto& p : entries_) {
    Entry& e = *p;
    if (!e.hwnd) continue;
    const PixelRect r = ScaleRect(e.design, dpi_);
    int height = r.Height();
    if (e.desc.kind == ControlKind::ComboBox)
      height += kComboVisibleItems *
                HeightForFont(ScaledFontHeight(dpi_), Scale(e.desc.minItemHeight), ItemHeightFactor);
    e.dropHeight = height;
    SetWindowPos(e.hwnd, nullptr, r.left, r.top, r.Width(), height, SWP_NOZORDER | SWP_NOACTIVATE);
    Fit(e);
    if (e.upDown) SendMessageW(e.upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(e.hwnd), 0);
  }
  for (auto& p : entries_)
    if (p->hwnd) RecordAnchors(*p);
}

void ControlTable::RecordAnchors(Entry& e) {
  GetWindowRect(e.hwnd, &e.placed);  // of a drop-down list: its field
  MapWindowPoints(nullptr, e.container, reinterpret_cast<POINT*>(&e.placed), 2);
  RECT client{};
  GetClientRect(e.container, &client);
  e.rightGap = client.right - e.placed.right;
  e.bottomGap = client.bottom - e.placed.bottom;
}

void ControlTable::Relayout(HWND container) {
  RECT client{};
  if (!GetClientRect(container, &client)) return;
  constexpr unsigned kAnchors = kStretchRight | kStretchBottom | kMoveRight | kMoveBottom;
  for (auto& p : entries_) {
    Entry& e = *p;
    if (!e.hwnd || e.container != container || !(e.desc.flags & kAnchors)) continue;
    const unsigned f = e.desc.flags;
    RECT r = e.placed;
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (f & kMoveRight) r.left = client.right - e.rightGap - w;
    r.right = (f & kStretchRight) ? std::max<LONG>(r.left, client.right - e.rightGap) : r.left + w;
    if (f & kMoveBottom) r.top = client.bottom - e.bottomGap - h;
    r.bottom = (f & kStretchBottom) ? std::max<LONG>(r.top, client.bottom - e.bottomGap) : r.top + h;
    // A drop-down list's window height is that of its field and its list.
    const int height = e.desc.kind == ControlKind::ComboBox ? e.dropHeight : r.bottom - r.top;
    SetWindowPos(e.hwnd, nullptr, r.left, r.top, r.right - r.left, height, SWP_NOZORDER | SWP_NOACTIVATE);
    if (e.upDown) SendMessageW(e.upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(e.hwnd), 0);  // realign
  }
}

ControlTable::Entry* ControlTable::EntryOf(std::string_view name) const {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

ControlTable::Entry* ControlTable::EntryOf(HWND control) const {
  auto it = byHwnd_.find(control);
  return it == byHwnd_.end() ? nullptr : it->second;
}

HWND ControlTable::Find(std::string_view name) const {
  const Entry* e = EntryOf(name);
  return e ? e->hwnd : nullptr;
}

const ControlDesc* ControlTable::Desc(std::string_view name) const {
  const Entry* e = EntryOf(name);
  return e ? &e->desc : nullptr;
}

const ControlDesc* ControlTable::DescOf(HWND control) const {
  const Entry* e = EntryOf(control);
  return e ? &e->desc : nullptr;
}

OwnerList* ControlTable::List(std::string_view name) const {
  const Entry* e = EntryOf(name);
  return e ? e->list.get() : nullptr;
}

Grid* ControlTable::GridOf(std::string_view name) const {
  const Entry* e = EntryOf(name);
  return e ? e->grid.get() : nullptr;
}

HWND ControlTable::UpDownOf(std::string_view name) const {
  const Entry* e = EntryOf(name);
  return e ? e->upDown : nullptr;
}

int ControlTable::SpinValue(std::string_view name) const {
  const Entry* e = EntryOf(name);
  if (!e || !e->upDown) return 0;
  return static_cast<int>(SendMessageW(e->upDown, UDM_GETPOS32, 0, 0));
}

void ControlTable::SetSpinValue(std::string_view name, int value) {
  if (const Entry* e = EntryOf(name); e && e->upDown) SendMessageW(e->upDown, UDM_SETPOS32, 0, value);
}

void ControlTable::SetSpinRange(std::string_view name, int minimum, int maximum) {
  if (const Entry* e = EntryOf(name); e && e->upDown)
    SendMessageW(e->upDown, UDM_SETRANGE32, static_cast<WPARAM>(minimum), static_cast<LPARAM>(maximum));
}

std::wstring ControlTable::HintOf(HWND control) const {
  const Entry* e = EntryOf(control);
  return e ? e->hint : std::wstring();
}

void ControlTable::SetHint(HWND control, std::wstring hint) {
  if (Entry* e = EntryOf(control)) e->hint = std::move(hint);
}

int ControlTable::ItemHeight(std::string_view name) const {
  const Entry* e = EntryOf(name);
  if (!e || !IsListKind(e->desc.kind)) return 0;
  return HeightForFont(ControlFontHeight(e->hwnd), Scale(e->desc.minItemHeight), ItemHeightFactor);
}

bool ControlTable::Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
  switch (msg) {
    case WM_MEASUREITEM: {
      // Sent while the list is being created: find the row by its identifier.
      auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      if (m->CtlID < kFirstId || m->CtlID - kFirstId >= entries_.size()) return false;
      const Entry& e = *entries_[m->CtlID - kFirstId];
      if (!IsListKind(e.desc.kind)) return false;
      m->itemHeight = static_cast<UINT>(
          HeightForFont(ScaledFontHeight(dpi_), Scale(e.desc.minItemHeight), ItemHeightFactor));
      *result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      const auto* d = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      Entry* e = EntryOf(d->hwndItem);
      if (!e) return false;
      if (e->list) return e->list->Reflect(msg, wp, lp, result);
      if (d->CtlType != ODT_COMBOBOX) return false;
      *result = TRUE;
      if (onDrawComboItem && onDrawComboItem(*d)) return true;
      const bool selected = (d->itemState & ODS_SELECTED) != 0;
      SetBkColor(d->hDC, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
      SetTextColor(d->hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
      ExtTextOutW(d->hDC, 0, 0, ETO_OPAQUE, &d->rcItem, nullptr, 0, nullptr);
      if (d->itemID != static_cast<UINT>(-1)) {
        const LRESULT n = SendMessageW(d->hwndItem, CB_GETLBTEXTLEN, d->itemID, 0);
        std::wstring text(n > 0 ? static_cast<size_t>(n) : 0, L'\0');
        if (n > 0) SendMessageW(d->hwndItem, CB_GETLBTEXT, d->itemID, reinterpret_cast<LPARAM>(text.data()));
        RECT r = d->rcItem;
        r.left += 2;
        DrawTextW(d->hDC, text.c_str(), static_cast<int>(text.size()), &r,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
      }
      if (d->itemState & ODS_FOCUS) DrawFocusRect(d->hDC, &d->rcItem);
      return true;
    }
    case WM_COMMAND: {
      Entry* e = EntryOf(reinterpret_cast<HWND>(lp));
      return e && e->list && e->list->Reflect(msg, wp, lp, result);
    }
    default:
      return false;
  }
}

LRESULT CALLBACK ControlTable::KeyProc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR ref) {
  auto* self = reinterpret_cast<ControlTable*>(ref);
  switch (msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_CHAR:
      if (self->onKey && self->onKey(h, msg, wp, lp)) return 0;
      if (wp == VK_TAB && (msg == WM_KEYDOWN || msg == WM_CHAR)) {
        const LRESULT code = DefSubclassProc(h, WM_GETDLGCODE, wp, 0);
        if (!(code & (DLGC_WANTTAB | DLGC_WANTALLKEYS))) {
          if (msg == WM_KEYDOWN) {
            const bool back = GetKeyState(VK_SHIFT) < 0;
            if (HWND next = GetNextDlgTabItem(self->host_, h, back)) SetFocus(next);
          }
          return 0;
        }
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(h, KeyProc, id);
      break;
    default:
      break;
  }
  return DefSubclassProc(h, msg, wp, lp);
}

}  // namespace zorvik::kit
