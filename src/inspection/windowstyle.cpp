#include "inspection/windowstyle.h"

#include <algorithm>
#include <functional>
#include <iterator>

#include "inspection/disp_info.h"
#include "inspection/style_tables.h"
#include "kit/layout_math.h"
#include "kit/owner_list.h"
#include "kit/page.h"
#include "kit/splitter.h"
#include "kit/window.h"
#include "platform/win_text.h"

namespace zorvik {

namespace {

constexpr int kDesignPanelHeight = 26;
constexpr int kDesignSplitter = 4;
constexpr int kDesignHintMinimum = 16;
constexpr int kDesignListMinimum = 32;

// The class switches in the order of their bits; the last two are kept
// hidden (they have no table) but take part in the stored mask.
struct SwitchDef {
  const char* name;
  const char* caption;
  uint32_t bit;
  int left, width;
  bool hidden;
};
constexpr SwitchDef kSwitches[] = {
    {"chkButton", "&BUTTON", kSwitchButton, 6, 76, false},
    {"chkEdit", "&EDIT", kSwitchEdit, 86, 58, false},
    {"chkStatic", "&STATIC", kSwitchStatic, 148, 70, false},
    {"chkComboBox", "&COMBOBOX", kSwitchComboBox, 222, 90, false},
    {"chkListBox", "&LISTBOX", kSwitchListBox, 316, 80, false},
    {"chkDialog", "&DIALOG", kSwitchDialog, 400, 72, true},
    {"chkScrollBar", "SC&ROLLBAR", kSwitchScrollBar, 400, 92, true},
};
constexpr uint32_t kAllSwitches = 0x7F;

kit::ControlTableDesc ViewerTable() {
  using kit::ControlKind;
  kit::ControlTableDesc t;
  t.push_back({ControlKind::Panel, "pnlControl", "", {0, 0, TApp_ZorvikWindowStyle::kDesignWidth, kDesignPanelHeight},
               "", kit::kStretchRight});
  for (const SwitchDef& s : kSwitches)
    t.push_back({ControlKind::CheckBox, s.name, s.caption, {s.left, 4, s.width, 18}, "pnlControl",
                 s.hidden ? unsigned{kit::kHidden} : 0u});
  t.push_back({ControlKind::OwnerList, "ListBox_Style", "",
               {0, kDesignPanelHeight, TApp_ZorvikWindowStyle::kDesignWidth,
                TApp_ZorvikWindowStyle::kDesignHeight - kDesignPanelHeight},
               "", 0, "", "", 0, 100, TApp_ZorvikWindowStyle::kDesignItemHeight});
  t.push_back({ControlKind::Edit, "Memo_Hint", "",
               {0, TApp_ZorvikWindowStyle::kDesignHeight - TApp_ZorvikWindowStyle::kDesignHintHeight,
                TApp_ZorvikWindowStyle::kDesignWidth, TApp_ZorvikWindowStyle::kDesignHintHeight},
               "", kit::kMultiLine | kit::kReadOnly | kit::kHidden | kit::kNoTabStop});
  return t;
}

}  // namespace

// The client area: the switch bar, the list, and the hint with its splitter;
// the viewer's commands and its menu.
class TApp_ZorvikWindowStyle::StylePage : public kit::Page {
public:
  explicit StylePage(TApp_ZorvikWindowStyle& viewer)
      : kit::Page("WindowStyle", "ウィンドウスタイル", ViewerTable(), kDesignWidth, kDesignHeight), v_(viewer) {
    AddCommand("Action_WindowStyle_TextOpen", "開く(&O)", [this] { v_.RunCopy(); }, "テキストをクリップボードへコピー")
        .category = "コピー";
    AddCommand("Action_WindowStyle_TextCopy", "クリップボードへコピー(&C)", [this] { v_.RunCopy(); },
               "テキストをクリップボードへコピー")
        .category = "コピー";
    AddCommand("actFile_Close", "閉じる(&C)", [this] { v_.Close(); });
    AddCommand("actMenu_Popup", "メニュー表示", [this] { v_.OpenMenu(); });
    AddMenu("mnuWindowStyle", {{"mniWindowStyle_Copy", "Action_WindowStyle_TextCopy", "コピー(&C)"},
                               {"mniWindowStyle_Line"},
                               {"mniFile_Close", "actFile_Close", "閉じる(&C)\tAlt+F4"}});
    SetPageMenu("mnuWindowStyle");
  }

  kit::OwnerList* StyleList() const { return Controls().List("ListBox_Style"); }
  kit::Splitter splitter;

protected:
  void OnCreate() override {
    for (const SwitchDef& s : kSwitches) OnClick(s.name, [this] { v_.SwitchClicked(); });
    if (kit::OwnerList* list = StyleList()) {
      list->onDraw = [this](const DRAWITEMSTRUCT& d, const kit::ListItem& item) { return v_.DrawItem(d, item.text); };
      list->onSelect = [this](int index) { v_.LineSelected(index); };
    }
    splitter.Create(Handle(), kit::Splitter::Orientation::Horizontal, RECT{0, 0, 0, 0});
    ShowWindow(splitter.Handle(), SW_HIDE);
    splitter.SetPane(Control("Memo_Hint"), kit::Splitter::PaneSide::After, Scale(kDesignHintMinimum),
                     Scale(kDesignPanelHeight + kDesignListMinimum));
    splitter.onMoved = [this](int size) {
      v_.hintHeight_ = size;
      v_.Layout();
    };
  }
  void OnResize(int, int) override { v_.Layout(); }
  // The main window's shortcuts keep working here: plain key presses and
  // releases go to it first, and a key bound there is not the control's as
  // well. The menu keys, Tab and everything with Alt (Alt+F4 closes this
  // window, not the program) stay here.
  bool OnKey(HWND, UINT msg, WPARAM vk, LPARAM lp) override {
    if (msg != WM_KEYDOWN && msg != WM_KEYUP) return false;
    if (vk == VK_APPS || vk == VK_F10 || vk == VK_TAB || GetKeyState(VK_MENU) < 0) return false;
    HWND main = v_.app_.MainWindow();
    if (!main || !IsWindow(main)) return false;
    SendMessageW(main, msg, vk, lp);
    return v_.isBoundKey_ && v_.isBoundKey_(static_cast<uint16_t>(vk));
  }
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_CTLCOLORLISTBOX && StyleList() && reinterpret_cast<HWND>(lp) == StyleList()->Handle()) {
      HDC dc = reinterpret_cast<HDC>(wp);
      SetBkColor(dc, GetSysColor(v_.paused_ ? COLOR_INFOBK : COLOR_WINDOW));
      SetTextColor(dc, GetSysColor(v_.paused_ ? COLOR_INFOTEXT : COLOR_WINDOWTEXT));
      return reinterpret_cast<LRESULT>(v_.ListBrush());
    }
    return kit::Page::HandleMessage(msg, wp, lp);
  }

private:
  TApp_ZorvikWindowStyle& v_;
};

TApp_ZorvikWindowStyle::TApp_ZorvikWindowStyle(kit::ToolHost& app, const CaptureState& capture,
                                               BoundKeyQuery isBoundKey, StyleCopy copyStyleDetails)
    : kit::ToolWindow(L"TApp_ZorvikWindowStyle", "ウィンドウスタイル", kDesignWidth, kDesignHeight),
      app_(app),
      capture_(capture),
      isBoundKey_(std::move(isBoundKey)),
      copyStyleDetails_(std::move(copyStyleDetails)) {
  page_ = std::make_unique<StylePage>(*this);

  // Closing the viewer switches its command off.
  onClose = [this] {
    if (kit::Action* a = Command()) a->SetChecked(false);
  };
  tickListener_ = app_.AddTickListener([this] { OnTick(); });
}

TApp_ZorvikWindowStyle::~TApp_ZorvikWindowStyle() {
  app_.RemoveTickListener(tickListener_);
  SetPage(nullptr);  // the page goes before the window that hosts it
}

kit::Action* TApp_ZorvikWindowStyle::Command() const {
  if (!command_) command_ = app_.ActionNamed("Action_WinInfo_StyleVerbose");
  return command_;
}

void TApp_ZorvikWindowStyle::SetSavedPlacement(const Placement& saved) { saved_ = saved; }

TApp_ZorvikWindowStyle::Placement TApp_ZorvikWindowStyle::CurrentPlacement() const {
  Placement p;
  p.bounds = Bounds();
  p.hintHeight = hintHeight_;
  p.classMask = classMask_;
  return p;
}

void TApp_ZorvikWindowStyle::OnCreate() {
  SetPage(page_.get());
  hintHeight_ = Scale(kDesignHintHeight);
  const RECT& b = saved_.bounds;
  if (int64_t{b.right} - b.left != 0 && int64_t{b.bottom} - b.top != 0) {
    SetBounds(b);
    if (saved_.hintHeight > 0) hintHeight_ = saved_.hintHeight;
    classMask_ = saved_.classMask;
  }
  SetClassMask(classMask_);
  SyncWithApp();
  Layout();
}

void TApp_ZorvikWindowStyle::FollowCommand(bool on) {
  if (kit::Terminating()) return;
  if (!on) {
    Hide();
    return;
  }
  if (!Ensure(app_.MainWindow(), app_.Dpi())) return;
  listed_.reset();  // what is under the capture point now, not what was when it closed
  SyncWithApp();
  Show();
  app_.RefreshView();
}

void TApp_ZorvikWindowStyle::OnTick() {
  if (kit::Terminating() || ticking_) return;
  // Reading the window's texts may let another program's sent message in;
  // the list is not rebuilt inside its own rebuild.
  ticking_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{ticking_};
  const kit::Action* on = Command();
  if (!on || !on->Checked() || !on->Enabled()) return;
  if (!Ensure(app_.MainWindow(), app_.Dpi())) return;
  // Switched on by the settings of the last session: the viewer shows again,
  // leaving the focus where it is.
  if (!Visible()) ShowWindow(Handle(), SW_SHOWNOACTIVATE);
  SyncWithApp();
  const T_DispInfo& d = capture_.Current();
  ListStyles(d.Handle, d.ExStyle, d.Style, d.Text, d.ClassName);
}

void TApp_ZorvikWindowStyle::SyncWithApp() {
  if (!page_ || !page_->Handle()) return;
  kit::OwnerList* list = page_->StyleList();
  HFONT font = app_.InfoFont();
  if (list && font) {
    // The main window replaces its font when the user picks another one; a
    // new font may come back under the old handle, so its size is compared too.
    LOGFONTW now{}, shown{};
    GetObjectW(font, sizeof now, &now);
    HFONT current = reinterpret_cast<HFONT>(SendMessageW(list->Handle(), WM_GETFONT, 0, 0));
    if (current) GetObjectW(current, sizeof shown, &shown);
    if (font != listFont_ || font != current || now.lfHeight != shown.lfHeight ||
        wcscmp(now.lfFaceName, shown.lfFaceName) != 0) {
      listFont_ = font;
      SendMessageW(list->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
      list->FitToFont(Scale(kDesignItemHeight));
    }
  }
  const bool paused = capture_.Paused();
  if (paused != paused_) {
    paused_ = paused;
    Layout();
    if (list) InvalidateRect(list->Handle(), nullptr, TRUE);
  }
}

void TApp_ZorvikWindowStyle::Layout() {
  if (!page_ || !page_->Handle()) return;
  RECT c{};
  GetClientRect(page_->Handle(), &c);
  const int w = c.right, h = c.bottom;
  RECT panel{};
  GetWindowRect(page_->Control("pnlControl"), &panel);
  const int top = panel.bottom - panel.top;
  const int bar = paused_ ? Scale(kDesignSplitter) : 0;
  const int hint = paused_ ? kit::ClampPaneSize(hintHeight_, Scale(kDesignHintMinimum), h - top - bar,
                                                Scale(kDesignListMinimum))
                           : 0;
  const int listHeight = std::max(0, h - top - bar - hint);
  const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(List(), nullptr, 0, top, w, listHeight, flags);
  SetWindowPos(page_->splitter.Handle(), nullptr, 0, top + listHeight, w, bar,
               flags | (paused_ ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
  SetWindowPos(HintMemo(), nullptr, 0, top + listHeight + bar, w, hint,
               flags | (paused_ ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void TApp_ZorvikWindowStyle::ListStyles(uintptr_t handle, int32_t exStyle, int32_t style, std::u16string_view text,
                                        std::u16string_view className) {
  if (!Ensure(app_.MainWindow(), app_.Dpi()) || !page_) return;
  if (listed_ && listed_->first == style && listed_->second == exStyle) return;
  listed_ = std::make_pair(style, exStyle);
  ++rebuilds_;
  kit::OwnerList* list = page_->StyleList();
  if (!list) return;
  const std::vector<std::u16string> lines = StyleListing(handle, exStyle, style, text, className, classMask_);
  SendMessageW(list->Handle(), WM_SETREDRAW, FALSE, 0);
  list->Clear();
  for (const std::u16string& l : lines) list->Add(kit::ListItem{Wide(l)});
  SendMessageW(list->Handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list->Handle(), nullptr, TRUE);
  SetWindowTextW(HintMemo(), L"");
}

void TApp_ZorvikWindowStyle::SetClassMask(uint32_t mask) {
  classMask_ = mask & kAllSwitches;
  listed_.reset();
  if (!page_) return;
  for (const SwitchDef& s : kSwitches)
    if (HWND box = page_->Control(s.name))
      SendMessageW(box, BM_SETCHECK, (classMask_ & s.bit) ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TApp_ZorvikWindowStyle::SwitchClicked() {
  uint32_t mask = 0;
  for (const SwitchDef& s : kSwitches)
    if (HWND box = page_->Control(s.name))
      if (SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED) mask |= s.bit;
  classMask_ = mask;
  listed_.reset();
  if (Exists()) app_.RefreshView();
}

void TApp_ZorvikWindowStyle::LineSelected(int index) {
  const kit::OwnerList* list = page_ ? page_->StyleList() : nullptr;
  std::wstring hint;
  if (list && index >= 0 && index < list->Count()) hint = Wide(StyleHint(U16(list->Item(index).text)));
  SetWindowTextW(HintMemo(), hint.c_str());
}

HBRUSH TApp_ZorvikWindowStyle::ListBrush() const { return GetSysColorBrush(paused_ ? COLOR_INFOBK : COLOR_WINDOW); }

bool TApp_ZorvikWindowStyle::DrawItem(const DRAWITEMSTRUCT& d, const std::wstring& text) const {
  const RECT& r = d.rcItem;
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return true;
  // Each line is drawn off screen and copied in one piece: no flicker while
  // the list follows the capture.
  HDC mem = CreateCompatibleDC(d.hDC);
  HBITMAP bitmap = CreateCompatibleBitmap(d.hDC, w, h);
  if (!mem || !bitmap) {
    if (bitmap) DeleteObject(bitmap);
    if (mem) DeleteDC(mem);
    return false;
  }
  HGDIOBJ oldBitmap = SelectObject(mem, bitmap);
  HGDIOBJ oldFont = SelectObject(mem, reinterpret_cast<HFONT>(SendMessageW(d.hwndItem, WM_GETFONT, 0, 0)));
  const bool section = !text.empty() && text[0] == L'\t';
  const bool selected = (d.itemState & ODS_SELECTED) != 0;
  int back = paused_ ? COLOR_INFOBK : COLOR_WINDOW, fore = paused_ ? COLOR_INFOTEXT : COLOR_WINDOWTEXT;
  if (section) {
    back = COLOR_BTNFACE;
    fore = COLOR_BTNTEXT;
  } else if (selected) {
    back = COLOR_HIGHLIGHT;
    fore = COLOR_HIGHLIGHTTEXT;
  }
  RECT all{0, 0, w, h};
  FillRect(mem, &all, GetSysColorBrush(back));
  if (section) {
    RECT edge{0, 0, w, 1};
    FillRect(mem, &edge, GetSysColorBrush(COLOR_BTNSHADOW));
  }
  SetBkMode(mem, TRANSPARENT);
  SetTextColor(mem, GetSysColor(fore));
  RECT textRect{Scale(2), 0, w, h};
  DrawTextW(mem, text.c_str(), static_cast<int>(text.size()), &textRect,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_EXPANDTABS);
  if (d.itemState & ODS_FOCUS) DrawFocusRect(mem, &all);
  BitBlt(d.hDC, r.left, r.top, w, h, mem, 0, 0, SRCCOPY);
  SelectObject(mem, oldFont);
  SelectObject(mem, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(mem);
  return true;
}

std::u16string TApp_ZorvikWindowStyle::CopyText(const T_DispInfo& info) const {
  return StyleDetailsText(StyleListing(info.Handle, info.ExStyle, info.Style, info.Text, info.ClassName, classMask_));
}

void TApp_ZorvikWindowStyle::RunCopy() {
  if (copyStyleDetails_) copyStyleDetails_(*this);
}

void TApp_ZorvikWindowStyle::OpenMenu() {
  if (page_ && page_->Handle()) page_->OpenPopupMenu(GetFocus());
}

kit::ActionList& TApp_ZorvikWindowStyle::Actions() { return page_->PageActions(); }
kit::PopupMenu& TApp_ZorvikWindowStyle::Menu() { return *page_->Menu("mnuWindowStyle"); }

HWND TApp_ZorvikWindowStyle::List() const {
  const kit::OwnerList* list = page_ ? page_->StyleList() : nullptr;
  return list ? list->Handle() : nullptr;
}

HWND TApp_ZorvikWindowStyle::HintMemo() const { return page_ ? page_->Control("Memo_Hint") : nullptr; }

HWND TApp_ZorvikWindowStyle::Switch(uint32_t bit) const {
  for (const SwitchDef& s : kSwitches)
    if (s.bit == bit) return page_ ? page_->Control(s.name) : nullptr;
  return nullptr;
}

std::vector<std::wstring> TApp_ZorvikWindowStyle::Lines() const {
  std::vector<std::wstring> out;
  if (const kit::OwnerList* list = page_ ? page_->StyleList() : nullptr)
    for (int i = 0; i < list->Count(); ++i) out.push_back(list->Item(i).text);
  return out;
}

std::wstring TApp_ZorvikWindowStyle::HintText() const { return kit::WindowText(HintMemo()); }

}  // namespace zorvik
