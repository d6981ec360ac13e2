#include "custom/copy_page.h"

#include <algorithm>
#include <string>

#include "commands/menu_table.h"
#include "custom/copy_page_layout.h"
#include "format/format_engine.h"
#include "kit/tool_host.h"
#include "settings/editable_parts.h"
#include "kit/control_table.h"
#include "platform/message_dialog.h"
#include "platform/text.h"
#include "platform/win_text.h"

namespace zorvik {

namespace {

const char kResetQuestion[] = "コピー形式の設定をすべてリセットします\rよろしいですか";
constexpr int kWheelStep = 10, kWheelStepShift = 100;  // 96-dpi pixels per notch
constexpr UINT kFocusIntoView = WM_APP + 0x31;  // posted to the page itself

// One line for a label: the error texts break lines with "\r".
std::wstring OneLine(std::u16string_view text) {
  std::wstring out;
  for (char16_t c : text) out += c == u'\r' || c == u'\n' ? L' ' : static_cast<wchar_t>(c);
  return out;
}

// At most `limit` UTF-16 units, never half a surrogate pair.
std::wstring Clipped(std::wstring text, size_t limit) {
  if (text.size() <= limit) return text;
  size_t n = limit;
  if (n > 0 && text[n - 1] >= 0xD800 && text[n - 1] <= 0xDBFF) --n;
  text.resize(n);
  return text;
}

bool IsChecked(HWND h) { return h && SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED; }

}  // namespace

TForm_Custom_Copy::TForm_Custom_Copy(kit::ToolHost& app, EditableParts& parts)
    : kit::Page("TForm_Custom_Copy", "コピーカスタマイズ - Zorvik", CopyPageTable(), kDesignWidth, kDesignHeight),
      app_(app),
      parts_(parts) {
  ask = [](const std::wstring& message, const std::wstring& title) { return AskYesNo(message, title); };
  notify = [](const std::wstring& message) { ShowNotice(message); };

  for (size_t i = 0; i < CopyPanelCount(); ++i) {
    const CopyPanelDef& panel = CopyPanels()[i];
    AddCommand(ResetActionName(panel), "リセット", [this, &panel] { LoadPanel(panel, true); }, ResetHintOf(panel));
  }
  AddCommand("actCopy_ResetAll", "リセット", [this] { ResetAll(); }, "すべてのコピー形式の設定をデフォルトの設定に戻す");
  AddCommand("actFile_Close", "閉じる", [this] { CloseHost(app_.MainWindow()); });

  // The chooser's entries: the copy submenu's command items in menu order,
  // without the copy of all values.
  bool inCopy = false;
  for (size_t i = 0; i < MenuItemCount(); ++i) {
    const MenuItemDef& m = MenuTable()[i];
    if (m.depth == 0) {
      inCopy = std::string_view(m.name) == "MenuItem_Copy";
      continue;
    }
    if (!inCopy || m.depth != 1 || !m.command || std::string_view(m.name) == "MenuItem_Copy_All") continue;
    const kit::Action* command = app_.ActionNamed(m.command);
    entries_.push_back({command ? command->caption : std::string(m.command), CopyPanelOfSlot(SlotOfCommand(m.command))});
  }
}

void TForm_Custom_Copy::OnCreate() {
  // The scrolling area: a frame with a vertical scroll bar over the tall
  // content panel, which moves up as the area scrolls.
  if (HWND box = ScrollBox()) {
    SetWindowLongW(box, GWL_STYLE, GetWindowLongW(box, GWL_STYLE) | WS_VSCROLL);
    SetWindowPos(box, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
  Controls().onDrawComboItem = [](const DRAWITEMSTRUCT& d) {
    // Only the open list shows the selection; the closed box is plain.
    const bool selected = (d.itemState & ODS_SELECTED) && !(d.itemState & ODS_COMBOBOXEDIT);
    HDC dc = d.hDC;
    FillRect(dc, &d.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    SetBkMode(dc, TRANSPARENT);
    if (d.itemID != static_cast<UINT>(-1)) {
      const int n = static_cast<int>(SendMessageW(d.hwndItem, CB_GETLBTEXTLEN, d.itemID, 0));
      std::wstring text(n > 0 ? static_cast<size_t>(n) + 1 : 1, L'\0');
      if (n > 0) SendMessageW(d.hwndItem, CB_GETLBTEXT, d.itemID, reinterpret_cast<LPARAM>(text.data()));
      text.resize(n > 0 ? static_cast<size_t>(n) : 0);
      RECT r = d.rcItem;
      r.left += 2;
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    if ((d.itemState & ODS_FOCUS) && (d.itemState & ODS_COMBOBOXEDIT)) DrawFocusRect(dc, &d.rcItem);
    return true;
  };

  for (size_t i = 0; i < CopyPanelCount(); ++i) {
    const CopyPanelDef& panel = CopyPanels()[i];
    if (panel.kind == CopyPanelKind::kOptions) {
      OnClick(kZoomGridCheckName, [this, &panel] { Edited(panel); });
      OnClick(kZoomInfoCheckName, [this, &panel] { Edited(panel); });
    } else {
      for (int p = 0; p < panel.PieceCount(); ++p) {
        const std::string box = PieceBoxName(panel, p);
        SendMessageW(Control(box), EM_LIMITTEXT, kMaxPieceLength, 0);
        OnChange(box, [this, &panel] { Edited(panel); });
        OnFocus(box, [this, box] { ScrollIntoView(Control(box)); });
      }
      if (panel.checkName) OnClick(panel.checkName, [this, &panel] { Edited(panel); });
      // The preview keeps to one line; what does not fit ends in "...".
      if (HWND preview = Control(PreviewLabelName(panel)))
        SetWindowLongW(preview, GWL_STYLE,
                       (GetWindowLongW(preview, GWL_STYLE) & ~SS_TYPEMASK) | SS_LEFTNOWORDWRAP | SS_ENDELLIPSIS);
    }
  }
  for (size_t i = 0; i < CopyPanelCount(); ++i) LoadPanel(CopyPanels()[i], false);

  HWND chooser = Control("ComboBox_Copy_FmtSel");
  for (const Entry& e : entries_) SendMessageW(chooser, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(e.caption).c_str()));
  SendMessageW(chooser, CB_SETCURSEL, 0, 0);
  OnChange("ComboBox_Copy_FmtSel", [this] { SelectEntry(SelectedEntry(), false); });
  // A click on the title or a group label moves the focus to the scrolling area.
  for (size_t i = 0; i < Controls().Count(); ++i)
    if (const std::string& name = Controls().DescAt(i).name; name == "Label_Copy_Title" || IsGroupLabelName(name))
      OnClick(name, [this] { SetFocus(ScrollBox()); });
  ScrollTo(0);
}

void TForm_Custom_Copy::OnResize(int, int) { ScrollTo(scroll_); }

// --- panels -----------------------------------------------------------------

void TForm_Custom_Copy::LoadPanel(const CopyPanelDef& panel, bool fromDefault) {
  if (!Created()) return;
  CopyFormats& formats = parts_.Formats();
  if (fromDefault) {
    Show(panel, ResetCopyPanel(panel, formats));
    return;
  }
  CopyPanelLoad load = LoadCopyPanel(panel, formats);
  if (!load.fits) {
    if (notify) notify(Wide(load.notice));
    Show(panel, ResetCopyPanel(panel, formats));
    return;
  }
  Show(panel, load.state);
}

void TForm_Custom_Copy::Show(const CopyPanelDef& panel, const CopyPanelState& state) {
  ++loading_;
  if (panel.kind == CopyPanelKind::kOptions) {
    SendMessageW(Control(kZoomGridCheckName), BM_SETCHECK, state.checked ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageW(Control(kZoomInfoCheckName), BM_SETCHECK, state.infoArea ? BST_CHECKED : BST_UNCHECKED, 0);
  } else {
    for (int p = 0; p < panel.PieceCount(); ++p) {
      const std::u16string& piece = static_cast<size_t>(p) < state.pieces.size() ? state.pieces[p] : std::u16string();
      SetWindowTextW(Control(PieceBoxName(panel, p)), Wide(piece).c_str());
    }
    if (panel.checkName)
      SendMessageW(Control(panel.checkName), BM_SETCHECK, state.checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  --loading_;
  Edited(panel);  // the panel's own form of the format goes back into the slot
}

CopyPanelState TForm_Custom_Copy::Read(const CopyPanelDef& panel) {
  CopyPanelState state;
  if (panel.kind == CopyPanelKind::kOptions) {
    state.checked = IsChecked(Control(kZoomGridCheckName));
    state.infoArea = IsChecked(Control(kZoomInfoCheckName));
    return state;
  }
  for (int p = 0; p < panel.PieceCount(); ++p) {
    HWND box = Control(PieceBoxName(panel, p));
    std::wstring text = kit::WindowText(box);
    if (text.size() > static_cast<size_t>(kMaxPieceLength)) {
      // Typing stops at the limit; text set from outside is cut to it too.
      text = Clipped(std::move(text), kMaxPieceLength);
      ++loading_;
      SetWindowTextW(box, text.c_str());
      --loading_;
    }
    state.pieces.push_back(U16(text));
  }
  state.checked = panel.checkName && IsChecked(Control(panel.checkName));
  return state;
}

// The edit step: the format built from the boxes goes into the slot at once.
void TForm_Custom_Copy::Edited(const CopyPanelDef& panel) {
  if (loading_ || !Created()) return;
  const CopyPanelState state = Read(panel);
  StoreCopyPanel(panel, state, parts_.Formats());
  if (panel.kind != CopyPanelKind::kOptions) ShowChoice(panel, state.checked);
  UpdatePreview(panel);
}

// The specifiers between the boxes follow the choice; the length panel's
// origin boxes take part only while the origin is included.
void TForm_Custom_Copy::ShowChoice(const CopyPanelDef& panel, bool checked) {
  const int specifiers = panel.kind == CopyPanelKind::kLength ? 4 : panel.specifiers;
  const wchar_t* shown = reinterpret_cast<const wchar_t*>(
      checked || !panel.uncheckedSpecifier || panel.kind == CopyPanelKind::kLength ? panel.checkedSpecifier
                                                                                   : panel.uncheckedSpecifier);
  for (int s = 0; s < specifiers; ++s) SetWindowTextW(Control(SpecifierLabelName(panel, s)), shown);
  if (panel.kind != CopyPanelKind::kLength) return;
  for (const std::string& name : {PieceBoxName(panel, 2), PieceBoxName(panel, 3), SpecifierLabelName(panel, 2),
                                  SpecifierLabelName(panel, 3), SampleLabelName(panel, 2), SampleLabelName(panel, 3)}) {
    if (HWND h = Control(name); h && (IsWindowEnabled(h) != FALSE) != checked) {
      EnableWindow(h, checked);
      InvalidateRect(h, nullptr, TRUE);
    }
  }
}

std::wstring TForm_Custom_Copy::PreviewText(const CopyPanelDef& panel) const {
  return ControlText(PreviewLabelName(panel));
}

void TForm_Custom_Copy::UpdatePreview(const CopyPanelDef& panel) {
  if (panel.kind == CopyPanelKind::kOptions) return;
  HWND label = Control(PreviewLabelName(panel));
  if (!label) return;
  std::u16string preview;
  bool failed = false;
  try {
    preview = ExpandFormat(parts_.Formats().CopyFormat(panel.slot), CopyPanelSampleArgs(panel), FormatMode::kStrict);
  } catch (const EFormatError& e) {
    preview = e.Message();
    failed = true;
  }
  if (failed) failedPreviews_.insert(label);
  else failedPreviews_.erase(label);
  const std::wstring text = OneLine(preview);
  SetWindowTextW(label, text.c_str());
  InvalidateRect(label, nullptr, TRUE);
  Controls().SetHint(label, text);  // the whole text, also when the label is too short
}

void TForm_Custom_Copy::ResetAll() {
  if (!ask || ask(W(kResetQuestion), L"Zorvik") != kResultYes) return;
  for (size_t i = 0; i < CopyPanelCount(); ++i) LoadPanel(CopyPanels()[i], true);  // the zoom panel first
}

// --- chooser and scrolling --------------------------------------------------

std::wstring TForm_Custom_Copy::EntryText(int entry) const {
  return entry >= 0 && entry < EntryCount() ? W(entries_[static_cast<size_t>(entry)].caption) : std::wstring();
}

int TForm_Custom_Copy::SelectedEntry() const {
  HWND chooser = Control("ComboBox_Copy_FmtSel");
  return chooser ? static_cast<int>(SendMessageW(chooser, CB_GETCURSEL, 0, 0)) : -1;
}

void TForm_Custom_Copy::SelectEntry(int entry, bool fromKey) {
  if (!Created() || entry < 0 || entry >= EntryCount()) return;
  HWND chooser = Control("ComboBox_Copy_FmtSel");
  if (SelectedEntry() != entry) SendMessageW(chooser, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
  const CopyPanelDef* panel = entries_[static_cast<size_t>(entry)].panel;
  if (!panel) return;
  ScrollTo(PanelTop(*panel));
  if (!fromKey || !IsWindowVisible(Handle())) return;
  HWND first = panel->kind == CopyPanelKind::kOptions ? Control(kZoomInfoCheckName) : Control(PieceBoxName(*panel, 0));
  if (first) SetFocus(first);
}

bool TForm_Custom_Copy::SelectCaption(const std::string& caption, bool fromKey) {
  for (int i = 0; i < EntryCount(); ++i)
    if (entries_[static_cast<size_t>(i)].caption == caption) {
      SelectEntry(i, fromKey);
      return true;
    }
  return false;
}

void TForm_Custom_Copy::StepEntry(int step) {
  const int now = SelectedEntry();
  SelectEntry(std::clamp(now + step, 0, EntryCount() - 1), true);
}

HWND TForm_Custom_Copy::PanelWindow(const CopyPanelDef& panel) const {
  return Control(std::string("pnlCopy_") + panel.name);
}

int TForm_Custom_Copy::PanelTop(const CopyPanelDef& panel) const {
  HWND h = PanelWindow(panel), body = Control("pnlCopy_Body");
  if (!h || !body) return 0;
  RECT r{};
  GetWindowRect(h, &r);
  MapWindowPoints(nullptr, body, reinterpret_cast<POINT*>(&r), 2);
  return r.top;
}

int TForm_Custom_Copy::ScrollMax() const {
  HWND box = ScrollBox(), body = Control("pnlCopy_Body");
  if (!box || !body) return 0;
  RECT client{}, content{};
  GetClientRect(box, &client);
  GetWindowRect(body, &content);
  return std::max<int>(0, (content.bottom - content.top) - client.bottom);
}

void TForm_Custom_Copy::ScrollTo(int pos) {
  HWND body = Control("pnlCopy_Body");
  if (!body) return;
  scroll_ = std::clamp(pos, 0, ScrollMax());
  SetWindowPos(body, nullptr, 0, -scroll_, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  UpdateScrollBar();
}

void TForm_Custom_Copy::UpdateScrollBar() {
  HWND box = ScrollBox(), body = Control("pnlCopy_Body");
  if (!box || !body) return;
  RECT client{}, content{};
  GetClientRect(box, &client);
  GetWindowRect(body, &content);
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  si.nMin = 0;
  si.nMax = (content.bottom - content.top) - 1;
  si.nPage = static_cast<UINT>(client.bottom);
  si.nPos = scroll_;
  SetScrollInfo(box, SB_VERT, &si, TRUE);
}

void TForm_Custom_Copy::ScrollIntoView(HWND control) {
  HWND box = ScrollBox(), body = Control("pnlCopy_Body");
  if (!control || !box || !body || !IsChild(body, control)) return;
  RECT r{}, client{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, body, reinterpret_cast<POINT*>(&r), 2);
  GetClientRect(box, &client);
  const int margin = Scale(4);
  if (r.top - margin < scroll_) ScrollTo(r.top - margin);
  else if (r.bottom + margin > scroll_ + client.bottom) ScrollTo(r.bottom + margin - client.bottom);
}

bool TForm_Custom_Copy::FocusInScrollBox() const {
  HWND box = ScrollBox(), focus = GetFocus();
  return box && focus && (focus == box || IsChild(box, focus));
}

bool TForm_Custom_Copy::Wheel(int delta, WPARAM keys) {
  if (!FocusInScrollBox()) return false;
  const bool shift = (GET_KEYSTATE_WPARAM(keys) & MK_SHIFT) != 0 || GetKeyState(VK_SHIFT) < 0;
  const int notches = delta / WHEEL_DELTA;
  ScrollTo(scroll_ - notches * Scale(shift ? kWheelStepShift : kWheelStep));
  return true;
}

bool TForm_Custom_Copy::HostWheel(int delta, WPARAM keys) { return Wheel(delta, keys); }

// Page Up and Page Down without Ctrl and Alt (Ctrl+Page Down is the next tab).
bool TForm_Custom_Copy::PageKey(WPARAM vk) {
  return (vk == VK_PRIOR || vk == VK_NEXT) && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0;
}

bool TForm_Custom_Copy::HostKeyUp(WPARAM vk, LPARAM) {
  if (!PageKey(vk)) return false;
  StepEntry(vk == VK_PRIOR ? -1 : 1);
  return true;
}

bool TForm_Custom_Copy::OnKey(HWND control, UINT msg, WPARAM vk, LPARAM) {
  if (msg != WM_KEYDOWN && msg != WM_KEYUP) return false;
  HWND chooser = Control("ComboBox_Copy_FmtSel");
  const bool dropped = chooser && SendMessageW(chooser, CB_GETDROPPEDSTATE, 0, 0) != 0;
  if (PageKey(vk) && !(control == chooser && dropped)) {
    // Page Up and Page Down move through the chooser from anywhere.
    if (msg == WM_KEYUP) StepEntry(vk == VK_PRIOR ? -1 : 1);
    return true;
  }
  if (msg == WM_KEYUP && control == chooser && !dropped) {
    // A key that chose an entry there jumps to its panel; the keys that only
    // pass through (Tab into the box, the modifiers) stay.
    if (vk != VK_TAB && vk != VK_SHIFT && vk != VK_CONTROL && vk != VK_MENU && vk != VK_APPS && vk != VK_F10)
      SelectEntry(SelectedEntry(), true);
    return false;
  }
  // Tab moves the focus after this; the control it lands on is brought into view then.
  if (msg == WM_KEYDOWN && vk == VK_TAB) PostMessageW(Handle(), kFocusIntoView, 0, 0);
  if (msg == WM_KEYDOWN && control == ScrollBox()) {
    // The focused area scrolls with the cursor keys.
    const int line = Scale(kWheelStep), page = Scale(kWheelStepShift);
    switch (vk) {
      case VK_UP: ScrollTo(scroll_ - line); return true;
      case VK_DOWN: ScrollTo(scroll_ + line); return true;
      case VK_HOME: ScrollTo(0); return true;
      case VK_END: ScrollTo(ScrollMax()); return true;
      default: (void)page; break;
    }
  }
  return false;
}

LRESULT TForm_Custom_Copy::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_VSCROLL:
      if (lp == 0) {  // the scrolling area's own bar, passed on by its frame
        HWND box = ScrollBox();
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_ALL;
        GetScrollInfo(box, SB_VERT, &si);
        const int line = Scale(kWheelStep);
        int pos = scroll_;
        switch (LOWORD(wp)) {
          case SB_LINEUP: pos -= line; break;
          case SB_LINEDOWN: pos += line; break;
          case SB_PAGEUP: pos -= static_cast<int>(si.nPage); break;
          case SB_PAGEDOWN: pos += static_cast<int>(si.nPage); break;
          case SB_THUMBTRACK:
          case SB_THUMBPOSITION: pos = si.nTrackPos; break;
          case SB_TOP: pos = 0; break;
          case SB_BOTTOM: pos = ScrollMax(); break;
          default: break;
        }
        ScrollTo(pos);
        return 0;
      }
      break;
    case kFocusIntoView:
      ScrollIntoView(GetFocus());
      return 0;
    case WM_CTLCOLORSTATIC: {
      HWND from = reinterpret_cast<HWND>(lp);
      const kit::ControlDesc* d = Controls().DescOf(from);
      if (!d) break;
      HDC dc = reinterpret_cast<HDC>(wp);
      if (IsGroupLabelName(d->name)) {
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        SetBkColor(dc, GetSysColor(COLOR_BTNSHADOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNSHADOW));
      }
      if (StartsWith(d->name, "lblCopy_") && d->name.size() > 4 && d->name.compare(d->name.size() - 4, 4, "Disp") == 0) {
        // The preview in blue, an error in red; lighter shades on a dark scheme.
        const COLORREF text = GetSysColor(COLOR_BTNTEXT);
        const bool darkText = GetRValue(text) + GetGValue(text) + GetBValue(text) < 384;
        const bool failed = failedPreviews_.count(from) != 0;
        SetTextColor(dc, failed ? (darkText ? RGB(192, 0, 0) : RGB(255, 128, 128))
                                : (darkText ? RGB(0, 0, 160) : RGB(160, 192, 255)));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      }
      if (IsSampleLabelName(d->name)) {
        // The sample values read like fields; the length panel's origin
        // samples go grey with their boxes.
        const bool on = IsWindowEnabled(from) != FALSE;
        SetTextColor(dc, GetSysColor(on ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
        SetBkColor(dc, GetSysColor(on ? COLOR_WINDOW : COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(on ? COLOR_WINDOW : COLOR_BTNFACE));
      }
      break;
    }
    default:
      break;
  }
  return kit::Page::HandleMessage(msg, wp, lp);
}

}  // namespace zorvik
