#include "custom/setting_page.h"

#include <commctrl.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cwchar>

#include "commands/command_text.h"
#include "inspection/disp_info.h"
#include "kit/control_table.h"
#include "kit/owner_list.h"
#include "kit/subclass.h"
#include "platform/message_dialog.h"
#include "platform/screen_size.h"
#include "platform/win_text.h"
#include "custom/setting_page_design.h"

namespace zorvik {

namespace {

const char kTree[] = "TreeView_Category";
const char kTrackBar[] = "TrackBar_Zoom";
const char kInfoList[] = "CheckListBox_Info";
const char kOptList[] = "CheckListBox_Opt";
const char kApiList[] = "CheckListBox_APITest";
const char kInfoPanel[] = "Panel_Setting_Info";
const char kApiPanel[] = "Panel_Setting_APITest";
const char kLengthPanel[] = "Panel_Length";
const char kPosCategory[] = "カーソル位置情報";
const char kLengthX[] = "SpinEdit_Pos_LengthOriginX";
const char kLengthY[] = "SpinEdit_Pos_LengthOriginY";
const char kFixedX[] = "SpinEdit_Capture_FixedX";
const char kFixedY[] = "SpinEdit_Capture_FixedY";
// The length origin may lie anywhere the cursor can be, and a little beyond.
constexpr int kLengthRange = 100000;

const wchar_t kResetQuestion[] = L"一覧設定の設定値をリセットします\rよろしいですか";
const wchar_t kTitle[] = L"Zorvik";

// The whole text of an edit as a number; false for anything else (typed
// letters, an empty field, a number out of int range).
bool ReadNumber(HWND edit, int& value) {
  wchar_t text[32] = L"";
  const int n = GetWindowTextW(edit, text, 32);
  if (n <= 0 || n >= 31) return false;
  wchar_t* end = nullptr;
  errno = 0;
  const long v = std::wcstol(text, &end, 10);
  if (end == text || errno != 0) return false;
  while (*end == L' ') ++end;
  if (*end != L'\0' || v < INT32_MIN || v > INT32_MAX) return false;
  value = static_cast<int>(v);
  return true;
}

// Captions as the page shows them: without a Japanese-style "(&P)" marker.
std::wstring PlainCaption(const std::string& caption) {
  std::wstring out;
  for (wchar_t c : W(CaptionWithoutAccelerator(caption))) {
    out += c;
    if (c == L'&') out += L'&';  // a literal "&" on a button
  }
  return out;
}

void PlainRows(kit::OwnerList& list, const std::vector<kit::Action*>& commands) {
  for (size_t i = 0; i < commands.size() && static_cast<int>(i) < list.Count(); ++i) {
    kit::ListItem item = list.Item(static_cast<int>(i));
    item.text = W(CaptionWithoutAccelerator(commands[i]->caption));
    list.Set(static_cast<int>(i), item);
  }
}

POINT LengthOrigin(const CaptureState& capture) {
  return POINT{capture.Current().LengthOriginX, capture.Current().LengthOriginY};
}

}  // namespace

TForm_Setting::TForm_Setting(kit::ToolHost& app, const CaptureState& capture, LiveSettings& live,
                             ApiEntryChoice& apiEntries, const SettingsDesignState& design)
    : Page("TForm_Setting", "一覧設定", SettingPageDesign(), kSettingPageWidth, kSettingPageHeight, &app.Actions()),
      app_(app),
      capture_(capture),
      live_(live),
      apiEntries_(apiEntries),
      design_(design) {}

TForm_Setting::~TForm_Setting() {
  if (tickListener_) app_.RemoveTickListener(tickListener_);
}

void TForm_Setting::OnCreate() {
  BuildTree();
  for (size_t i = 0; i < Controls().Count(); ++i)
    if (const kit::Action* a = Bindings().ActionOf(Controls().At(i)); a && Controls().DescAt(i).caption.empty())
      SetWindowTextW(Controls().At(i), PlainCaption(a->caption).c_str());
  const size_t zooms = ZoomActions(app_.Actions()).size();
  if (HWND bar = Control(kTrackBar)) {
    SendMessageW(bar, TBM_SETRANGEMIN, FALSE, 0);
    SendMessageW(bar, TBM_SETRANGEMAX, TRUE, zooms > 0 ? static_cast<LPARAM>(zooms - 1) : 0);
    SendMessageW(bar, TBM_SETTICFREQ, 1, 0);
    // The wheel over the bar zooms the main window; the bar follows.
    kit::SubclassControl(bar, [this](HWND, UINT msg, WPARAM wp, LPARAM lp) -> std::optional<LRESULT> {
      if (msg != WM_MOUSEWHEEL) return std::nullopt;
      WheelToMainWindow(wp, lp);
      return 0;
    });
  }
  for (const char* name : {kLengthX, kLengthY}) Controls().SetSpinRange(name, -kLengthRange, kLengthRange);
  FixSpinRanges();
  OnChange(kTree, [this] {
    HWND tree = Control(kTree);
    TVITEMW item{};
    item.mask = TVIF_PARAM;
    item.hItem = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (item.hItem && SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
      ShowNode(static_cast<int>(item.lParam));
  });
  OnChange(kTrackBar, [this] { ZoomMoved(); });
  for (const char* name : {kLengthX, kLengthY, kFixedX, kFixedY})
    OnChange(name, [this, name] { SpinChanged(name); });
  OnClick("Button_Close", [this] { CloseHost(); });
  OnClick("Button_Reset", [this] { Reset(); });
  if (kit::OwnerList* opt = Controls().List(kOptList)) {
    const std::vector<kit::Action*> commands = ToggleActions(app_.Actions(), "オプション");
    Bindings().BindList(*opt, commands, [this](kit::Action&) { AfterListCheck(); });
    PlainRows(*opt, commands);
  }
  if (kit::OwnerList* api = Controls().List(kApiList)) api->onCheck = [this](int) { ApiListChecked(); };
  SelectNode(kSettingStartNode);
  tickListener_ = app_.AddTickListener([this] {
    if (IsWindowVisible(Handle())) Sync();
  });
}

void TForm_Setting::BuildTree() {
  HWND tree = Control(kTree);
  const std::vector<SettingNode>& nodes = SettingNodes();
  std::vector<HTREEITEM> items(nodes.size(), nullptr);
  for (size_t i = 0; i < nodes.size(); ++i) {
    const std::wstring text = W(nodes[i].caption);
    TVINSERTSTRUCTW ins{};
    ins.hParent = nodes[i].parent >= 0 ? items[static_cast<size_t>(nodes[i].parent)] : TVI_ROOT;
    ins.hInsertAfter = TVI_LAST;
    ins.item.mask = TVIF_TEXT | TVIF_PARAM;
    ins.item.pszText = const_cast<wchar_t*>(text.c_str());
    ins.item.lParam = static_cast<LPARAM>(i);
    items[i] = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
  }
  for (HTREEITEM item : items)
    if (item) SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
}

bool TForm_Setting::SelectNode(std::string_view caption) {
  const std::vector<SettingNode>& nodes = SettingNodes();
  HWND tree = Control(kTree);
  // Walk the tree in display order; the item's parameter is its node.
  for (auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0)); item;
       item = reinterpret_cast<HTREEITEM>(
           SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, reinterpret_cast<LPARAM>(item)))) {
    TVITEMW it{};
    it.mask = TVIF_PARAM;
    it.hItem = item;
    if (!SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&it))) continue;
    const auto node = static_cast<size_t>(it.lParam);
    if (node >= nodes.size() || caption != nodes[node].caption) continue;
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    if (node_ != static_cast<int>(node)) ShowNode(static_cast<int>(node));  // while building, no notification
    return true;
  }
  return false;
}

std::string TForm_Setting::SelectedNode() const {
  const std::vector<SettingNode>& nodes = SettingNodes();
  return node_ >= 0 && static_cast<size_t>(node_) < nodes.size() ? nodes[static_cast<size_t>(node_)].caption : "";
}

std::string TForm_Setting::VisiblePanel() const {
  for (const SettingNode& n : SettingNodes())
    if (HWND panel = Control(n.panel); panel && (GetWindowLongW(panel, GWL_STYLE) & WS_VISIBLE)) return n.panel;
  return {};
}

void TForm_Setting::ShowNode(int node) {
  const std::vector<SettingNode>& nodes = SettingNodes();
  if (node < 0 || static_cast<size_t>(node) >= nodes.size()) return;
  node_ = node;
  const SettingNode& n = nodes[static_cast<size_t>(node)];
  const std::string panel = n.panel;
  if (panel == kInfoPanel) {
    if (kit::OwnerList* list = Controls().List(kInfoList)) {
      const std::vector<kit::Action*> commands = ToggleActions(app_.Actions(), n.category);
      Bindings().BindList(*list, commands, [this](kit::Action&) { AfterListCheck(); });
      PlainRows(*list, commands);
    }
    ShowWindow(Control(kLengthPanel), std::string(n.category) == kPosCategory ? SW_SHOWNA : SW_HIDE);
  } else if (panel == kApiPanel) {
    FillApiList();
  }
  for (const SettingNode& other : nodes)
    if (other.panel != panel) ShowWindow(Control(other.panel), SW_HIDE);
  ShowWindow(Control(panel), SW_SHOWNA);
  Sync();
}

void TForm_Setting::FillApiList() {
  kit::OwnerList* list = Controls().List(kApiList);
  if (!list) return;
  ApiEntryChoice& entries = apiEntries_;
  apiNames_ = entries.CatalogueNames();
  const std::vector<std::string> offered = entries.OfferedNames();
  list->Clear();
  for (const std::string& name : apiNames_) {
    const bool shown = std::find(offered.begin(), offered.end(), name) != offered.end();
    list->Add(kit::ListItem{W(name), -1, shown});
  }
}

void TForm_Setting::ApiListChecked() {
  kit::OwnerList* list = Controls().List(kApiList);
  if (!list) return;
  std::vector<std::string> hidden;
  for (int i = 0; i < list->Count() && static_cast<size_t>(i) < apiNames_.size(); ++i)
    if (!list->Checked(i)) hidden.push_back(apiNames_[static_cast<size_t>(i)]);
  apiEntries_.SetHiddenNames(hidden);
}

void TForm_Setting::AfterListCheck() {
  app_.Relayout();
  app_.RefreshView();
}

void TForm_Setting::ZoomMoved() {
  const std::vector<kit::Action*> zooms = ZoomActions(app_.Actions());
  const auto pos = static_cast<int>(SendMessageW(Control(kTrackBar), TBM_GETPOS, 0, 0));
  if (pos < 0 || static_cast<size_t>(pos) >= zooms.size()) return;
  const std::wstring caption = W(CaptionWithoutAccelerator(zooms[static_cast<size_t>(pos)]->caption));
  wchar_t shown[64] = L"";
  GetWindowTextW(Control("Label_Zoom"), shown, 64);
  if (caption != shown) SetWindowTextW(Control("Label_Zoom"), caption.c_str());
  if (!syncing_ && pos != live_.ZoomIndex()) zooms[static_cast<size_t>(pos)]->Execute();
}

void TForm_Setting::SpinChanged(const char* name) {
  if (syncing_ || !IsWindowVisible(Handle())) return;
  int v = 0;
  if (!ReadNumber(Control(name), v)) return;
  const std::string n = name;
  if (n == kLengthX || n == kLengthY) {
    v = std::clamp(v, -kLengthRange, kLengthRange);
    POINT origin = LengthOrigin(capture_);
    (n == kLengthX ? origin.x : origin.y) = v;
    live_.SetLengthOrigin(origin);
    return;
  }
  if (!capture_.Fixed() && !capture_.Paused()) return;
  const TMyScreenSize& s = ScreenSize();
  POINT p = capture_.CapturePoint();
  if (n == kFixedX)
    p.x = std::clamp(v, s.VirtualLeft(), s.VirtualLeft() + std::max(1, s.VirtualWidth()) - 1);
  else
    p.y = std::clamp(v, s.VirtualTop(), s.VirtualTop() + std::max(1, s.VirtualHeight()) - 1);
  if (p.x != capture_.CapturePoint().x || p.y != capture_.CapturePoint().y) live_.SetCapturePoint(p);
}

void TForm_Setting::FixSpinRanges() {
  const TMyScreenSize& s = ScreenSize();
  const RECT range{s.VirtualLeft(), s.VirtualTop(), s.VirtualLeft() + std::max(1, s.VirtualWidth()) - 1,
                   s.VirtualTop() + std::max(1, s.VirtualHeight()) - 1};
  if (EqualRect(&range, &fixedRange_)) return;
  fixedRange_ = range;
  Controls().SetSpinRange(kFixedX, range.left, range.right);
  Controls().SetSpinRange(kFixedY, range.top, range.bottom);
}

void TForm_Setting::SyncSpinEdits() {
  const bool fixedOn = capture_.Fixed() || capture_.Paused();
  for (const char* name : {kFixedX, kFixedY}) {
    HWND edit = Control(name);
    if ((IsWindowEnabled(edit) != FALSE) != fixedOn) {
      EnableWindow(edit, fixedOn);
      EnableWindow(Controls().UpDownOf(name), fixedOn);
    }
  }
  const POINT origin = LengthOrigin(capture_);
  const POINT capture = capture_.CapturePoint();
  const struct {
    const char* name;
    int value;
  } values[] = {{kLengthX, origin.x}, {kLengthY, origin.y}, {kFixedX, capture.x}, {kFixedY, capture.y}};
  HWND focus = GetFocus();
  for (const auto& v : values) {
    HWND edit = Control(v.name);
    int shown = 0;
    // What the user is typing stays as it is.
    if (edit == focus || (ReadNumber(edit, shown) && shown == v.value)) continue;
    Controls().SetSpinValue(v.name, v.value);
  }
}

void TForm_Setting::Sync() {
  if (!Created()) return;
  syncing_ = true;
  Page::Sync();
  const int zoom = live_.ZoomIndex();
  HWND bar = Control(kTrackBar);
  if (SendMessageW(bar, TBM_GETPOS, 0, 0) != zoom) SendMessageW(bar, TBM_SETPOS, TRUE, zoom);
  ZoomMoved();  // the label
  FixSpinRanges();
  SyncSpinEdits();
  syncing_ = false;
}

void TForm_Setting::Reset() {
  const int answer = ask ? ask(kResetQuestion, kTitle) : AskYesNo(kResetQuestion, kTitle, kButtonYes);
  if (answer != kResultYes) return;
  design_.Restore(app_, live_);
  Sync();
}

void TForm_Setting::WheelToMainWindow(WPARAM wp, LPARAM lp) {
  // The main window's wheel handling changes the zoom; the bar follows.
  SendMessageW(app_.MainWindow(), WM_MOUSEWHEEL, wp, lp);
  Sync();
}

bool TForm_Setting::HostWheel(int delta, WPARAM keys) {
  if (GetFocus() != Control(kTrackBar)) return false;
  POINT p{0, 0};
  GetCursorPos(&p);
  WheelToMainWindow(MAKEWPARAM(LOWORD(keys), static_cast<WORD>(static_cast<short>(delta))),
                    MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)));
  return true;
}

}  // namespace zorvik
