#include "apitest/sub_api.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>

#include "kit/control_table.h"
#include "kit/grid.h"
#include "inspection/disp_info.h"
#include "kit/owner_list.h"
#include "kit/page.h"
#include "kit/splitter.h"
#include "kit/subclass.h"
#include "platform/optional_functions.h"
#include "platform/win_text.h"
#include "settings/my_settingfile.h"

namespace zorvik {

namespace {

// Sizes at 96 dpi; the window scales them to its own.
constexpr int kDesignWidth = 440, kDesignHeight = 400;
constexpr int kEdge = 8;             // left offset of the top controls, and the gaps between them
constexpr int kTargetWidth = 200;    // the target choice
constexpr int kDesignHintHeight = 96;
constexpr int kSplitterHeight = 3;
constexpr int kDesignColWidths[3] = {100, 240, 240};
constexpr int kVisibleItems = 10;    // of the two drop-down lists
constexpr int kTextPad = 2;

const char kApiList[] = "ComboBox_APIList";
const char kDeclaration[] = "ListBox_Declaration";
const char kTargetList[] = "ComboBox_TargetWindow";
const char kResult[] = "StringGrid_Result";
const char kHint[] = "Memo_Hint";

const char* const kTargetNames[] = {"キャプチャウィンドウ", "親ウィンドウ", "トップレベルウィンドウ",
                                    "デスクトップウィンドウ"};
const char* const kHeaders[] = {"引数", "値", "説明"};

// The controls; Layout places them for the window's size.
const kit::ControlTableDesc& Design() {
  using K = kit::ControlKind;
  static const kit::ControlTableDesc table = {
      {K::ComboBox, kApiList, "", {kEdge, kEdge, kDesignWidth - 2 * kEdge, 21}, "", kit::kOwnerDraw},
      {K::OwnerList, kDeclaration, "", {kEdge, 37, kDesignWidth - 2 * kEdge, 19}},
      {K::ComboBox, kTargetList, "", {kEdge, 64, kTargetWidth, 21}, "", kit::kOwnerDraw},
      {K::Grid, kResult, "", {0, 94, kDesignWidth, 200}, "", kit::kNoBorder},
      {K::Edit, kHint, "", {0, kDesignHeight - kDesignHintHeight, kDesignWidth, kDesignHintHeight}, "",
       kit::kReadOnly | kit::kMultiLine},
  };
  return table;
}

int HeightOf(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return r.bottom - r.top;
}

int FrameHeightOf(HWND w) {
  RECT outer{}, inner{};
  GetWindowRect(w, &outer);
  GetClientRect(w, &inner);
  return std::max<LONG>(0, (outer.bottom - outer.top) - inner.bottom);
}

}  // namespace

TApp_ZorvikAPITest::TApp_ZorvikAPITest(kit::ToolHost& app, const CaptureState& capture)
    : ToolWindow(L"TApp_ZorvikAPITest", "APIテスト", kDesignWidth, kDesignHeight), app_(app), capture_(capture) {
  // Closing only hides the window; the command's check follows.
  onClose = [this] {
    if (kit::Action* a = app_.ActionNamed("Action_Test_APITest")) a->SetChecked(false);
  };
}

TApp_ZorvikAPITest::~TApp_ZorvikAPITest() {
  if (tickListener_) app_.RemoveTickListener(tickListener_);
  // The controls go before the objects that serve them.
  if (Handle()) DestroyWindow(Handle());
  splitter_.reset();
  page_.reset();
  api_.reset();  // releases a library an entry loaded
}

// ---------------------------------------------------------------------------
// The settings file

void TApp_ZorvikAPITest::ApplySettings(const SettingsData& read, uint32_t sectionsRead) {
  saved_ = (sectionsRead & kSectionApiTest) ? read.apiTest : StoredApiTest{};
  hiddenList_ = (sectionsRead & kSectionApiList) ? read.apiList : std::string();
}

void TApp_ZorvikAPITest::CollectSettings(SettingsData& out) const {
  if (!Exists()) return;  // never opened: the block stays as read
  const RECT b = Bounds();
  out.apiTest.bounds = StoredRect{b.left, b.top, b.right, b.bottom};
  out.apiTest.selectedIndex = SelectedIndex();
  out.apiTest.hintHeight = hintHeight_;
  out.apiList = hiddenList_;
}

// ---------------------------------------------------------------------------
// Making and showing

void TApp_ZorvikAPITest::ActionExecute(bool checked, bool activate) {
  if (!Exists()) {
    if (!checked) return;
    if (!Make(app_.MainWindow(), app_.Dpi(), AreKeysDown({VK_SHIFT, VK_CONTROL}))) return;
  }
  if (!checked) {
    Hide();
    return;
  }
  FollowInfoFont();
  if (activate) {
    Show();
  } else {
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
  }
  Follow();
}

bool TApp_ZorvikAPITest::Make(HWND owner, int dpi, bool skipLayout) {
  if (Exists()) return true;
  if (!Ensure(owner, dpi)) return false;  // OnCreate builds the controls
  hintHeight_ = Scale(kDesignHintHeight);
  if (!skipLayout) RestoreLayout();
  laidOut_ = true;
  Layout();
  // Column 1 takes half of what the columns occupy beside column 0.
  if (kit::Grid* g = ResultGrid()) {
    int occupied = 0;
    for (int c = 0; c < g->ColCount(); ++c) occupied += g->ColWidth(c) + g->GridLineWidth();
    g->SetColWidth(1, (std::min(occupied, g->ClientWidth()) - g->ColWidth(0)) / 2);
    FitResultColumn();
  }
  FollowInfoFont();
  tickListener_ = app_.AddTickListener([this] { Follow(); });
  return true;
}

void TApp_ZorvikAPITest::OnCreate() {
  api_ = std::make_unique<T_MyAPIValue>();
  page_ = std::make_unique<kit::Page>("APITest", "APIテスト", Design(), kDesignWidth, kDesignHeight);
  page_->OnChange(kApiList, [this] {
    RunOnTarget(nullptr, POINT{0, 0});
    FitResultColumn();
  });
  page_->OnChange(kTargetList, [this] { Follow(); });
  SetPage(page_.get());
  BuildControls();
  FillEntryList({});
}

void TApp_ZorvikAPITest::BuildControls() {
  HWND pageWindow = page_->Handle();
  HWND targets = Control(kTargetList);
  for (const char* name : kTargetNames)
    SendMessageW(targets, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(name).c_str()));
  SendMessageW(targets, CB_SETCURSEL, kCaptureWindow, 0);

  if (kit::OwnerList* decl = page_->Controls().List(kDeclaration)) {
    // Highlighted whenever it has the focus; there is nothing to select.
    decl->onDraw = [](const DRAWITEMSTRUCT& d, const kit::ListItem& item) {
      const bool active = GetFocus() == d.hwndItem;
      SetBkColor(d.hDC, GetSysColor(active ? COLOR_HIGHLIGHT : COLOR_WINDOW));
      SetTextColor(d.hDC, GetSysColor(active ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
      ExtTextOutW(d.hDC, 0, 0, ETO_OPAQUE, &d.rcItem, nullptr, 0, nullptr);
      RECT r = d.rcItem;
      r.left += kTextPad;
      SetBkMode(d.hDC, TRANSPARENT);
      DrawTextW(d.hDC, item.text.c_str(), static_cast<int>(item.text.size()), &r,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
      return true;
    };
    kit::SubclassControl(decl->Handle(), [this](HWND h, UINT msg, WPARAM wp, LPARAM lp) -> std::optional<LRESULT> {
      switch (msg) {
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
          const LRESULT r = kit::ControlDefault(h, msg, wp, lp);
          InvalidateRect(h, nullptr, FALSE);  // the highlight follows the focus
          return r;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
          const LRESULT r = kit::ControlDefault(h, msg, wp, lp);
          ShowDescription();
          return r;
        }
        default:
          return std::nullopt;
      }
    });
  }

  if (kit::Grid* g = ResultGrid()) {
    g->SetColCount(3);
    for (int c = 0; c < 3; ++c) {
      g->SetColWidth(c, Scale(kDesignColWidths[c]));
      g->SetCell(c, 0, std::string_view(kHeaders[c]));
    }
    g->SetRowCount(2);
    // The selected row shows in highlight colours only while the grid has the focus.
    g->onDrawCell = [](HDC dc, kit::GridCellPaint& cell) {
      if (!cell.header && cell.selected && !cell.focused) {
        cell.textColour = GetSysColor(COLOR_WINDOWTEXT);
        cell.backColour = GetSysColor(COLOR_WINDOW);
      }
      if (cell.header || !cell.text || cell.text->find_first_of(L"\r\n") == std::wstring::npos) return false;
      // A description of two lines reads as one: each line break drawn as a space.
      std::wstring line;
      for (size_t i = 0; i < cell.text->size(); ++i) {
        const wchar_t c = (*cell.text)[i];
        if (c == L'\r' && i + 1 < cell.text->size() && (*cell.text)[i + 1] == L'\n') continue;
        line += c == L'\r' || c == L'\n' ? L' ' : c;
      }
      SetBkColor(dc, cell.backColour);
      ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &cell.rect, nullptr, 0, nullptr);
      SetTextColor(dc, cell.textColour);
      SetBkMode(dc, TRANSPARENT);
      HGDIOBJ old = SelectObject(dc, cell.font ? cell.font : GetStockObject(DEFAULT_GUI_FONT));
      RECT r{cell.rect.left + kTextPad, cell.rect.top, cell.rect.right - kTextPad, cell.rect.bottom};
      DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &r,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | cell.align);
      SelectObject(dc, old);
      return true;
    };
    // The grid answers WM_GETTEXT with its rows, so that other programs
    // (screen readers, test drivers) can read what it shows.
    kit::SubclassControl(g->Handle(), [this](HWND, UINT msg, WPARAM wp, LPARAM lp) -> std::optional<LRESULT> {
      switch (msg) {
        case WM_GETTEXTLENGTH:
          return static_cast<LRESULT>(ResultText().size());
        case WM_GETTEXT: {
          auto* out = reinterpret_cast<wchar_t*>(lp);
          if (!out || wp == 0) return 0;
          const std::wstring text = ResultText();
          const size_t n = std::min<size_t>(text.size(), static_cast<size_t>(wp) - 1);
          std::copy_n(text.data(), n, out);
          out[n] = L'\0';
          return static_cast<LRESULT>(n);
        }
        default:
          return std::nullopt;
      }
    });
  }

  border_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_BLACKRECT, 0, 0, 0, 1, pageWindow, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  splitter_ = std::make_unique<kit::Splitter>();
  splitter_->Create(pageWindow, kit::Splitter::Orientation::Horizontal, RECT{0, 0, 0, Scale(kSplitterHeight)});
  splitter_->onMoved = [this](int size) {
    hintHeight_ = size;
    Layout();
  };
}

void TApp_ZorvikAPITest::RestoreLayout() {
  const StoredRect& b = saved_.bounds;
  const int64_t width = static_cast<int64_t>(b.right) - b.left, height = static_cast<int64_t>(b.bottom) - b.top;
  if (width != 0 && height != 0) {
    if (SetBounds(RECT{b.left, b.top, b.right, b.bottom})) hintHeight_ = std::max(0, saved_.hintHeight);
  }
  FillEntryList(SplitApiList(hiddenList_));
  SendMessageW(Control(kApiList), CB_SETCURSEL, static_cast<WPARAM>(saved_.selectedIndex), 0);
}

void TApp_ZorvikAPITest::FillEntryList(const std::vector<std::string>& hidden) {
  HWND list = Control(kApiList);
  if (!list || !api_) return;
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  for (T_Execute* e : api_->SortedEntries()) {
    if (std::find(hidden.begin(), hidden.end(), e->Name) != hidden.end()) continue;
    const LRESULT i = SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(e->Name).c_str()));
    if (i >= 0) SendMessageW(list, CB_SETITEMDATA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(e));
  }
}

void TApp_ZorvikAPITest::OnResize(int width, int height) {
  ToolWindow::OnResize(width, height);  // the page fills the client area
  if (laidOut_) Layout();
}

void TApp_ZorvikAPITest::Layout() {
  if (!page_ || !page_->Handle()) return;
  RECT client{};
  GetClientRect(page_->Handle(), &client);
  const int w = client.right, h = client.bottom;
  const int edge = Scale(kEdge);
  constexpr UINT kFlags = SWP_NOZORDER | SWP_NOACTIVATE;
  HWND api = Control(kApiList), decl = Control(kDeclaration), target = Control(kTargetList);
  HWND grid = Control(kResult), hint = Control(kHint);
  if (!api || !decl || !target || !grid || !hint) return;

  // The top controls: entry list across, the declaration line under it with
  // room for one item, the target choice under that.
  const int wide = std::max(0, w - 2 * edge);
  const int apiField = HeightOf(api);
  SetWindowPos(api, nullptr, edge, edge, wide, apiField + kVisibleItems * page_->Controls().ItemHeight(kApiList) + 2,
               kFlags);
  const int declTop = edge + apiField + edge;
  const int declHeight = page_->Controls().ItemHeight(kDeclaration) + 2 + FrameHeightOf(decl);
  SetWindowPos(decl, nullptr, edge, declTop, wide, declHeight, kFlags);
  const int targetTop = declTop + declHeight + edge;
  const int targetField = HeightOf(target);
  SetWindowPos(target, nullptr, edge, targetTop,
               std::min(Scale(kTargetWidth), wide),
               targetField + kVisibleItems * page_->Controls().ItemHeight(kTargetList) + 2, kFlags);
  const int panelBottom = targetTop + targetField + edge;
  SetWindowPos(border_, nullptr, 0, panelBottom, w, 1, kFlags);

  // The hint along the bottom, the splitter over it, the grid in between.
  const int bar = Scale(kSplitterHeight);
  const int gridTop = panelBottom + 1;
  const int room = std::max(0, h - gridTop - bar);
  const int hintShown = std::clamp(hintHeight_, 0, room);
  const int barTop = h - hintShown - bar;
  SetWindowPos(grid, nullptr, 0, gridTop, w, std::max(0, barTop - gridTop), kFlags);
  SetWindowPos(splitter_->Handle(), nullptr, 0, barTop, w, bar, kFlags);
  SetWindowPos(hint, nullptr, 0, h - hintShown, w, hintShown, kFlags);
  splitter_->SetPane(hint, kit::Splitter::PaneSide::After, 0, gridTop);
  FitResultColumn();
}

// ---------------------------------------------------------------------------
// Running

void TApp_ZorvikAPITest::Follow() {
  if (!api_ || !Visible()) return;
  // A list being browsed is not disturbed.
  if (SendMessageW(Control(kApiList), CB_GETDROPPEDSTATE, 0, 0) ||
      SendMessageW(Control(kTargetList), CB_GETDROPPEDSTATE, 0, 0))
    return;
  FollowInfoFont();
  RunOnTarget(reinterpret_cast<HWND>(capture_.Current().Handle), capture_.CapturePoint());
}

void TApp_ZorvikAPITest::RunOnTarget(HWND window, POINT point) {
  // A guarded send inside an entry may deliver a message sent to us that
  // leads back here while the run is still walking its lists: that nested
  // run is dropped.
  if (!api_ || running_) return;
  running_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{running_};
  HWND target = window;
  switch (TargetIndex()) {
    case kParentWindow:
      target = GetAncestor(window, GA_PARENT);
      break;
    case kTopLevelWindow:
      target = GetAncestor(window, GA_ROOT);
      break;
    case kDesktopWindow:
      target = GetDesktopWindow();
      break;
    default:
      break;
  }
  if (api_->RunAPI(SelectedName(), target, point) == -1) {
    ShowEmpty();
    return;
  }
  ShowResults();
}

void TApp_ZorvikAPITest::ShowResults() {
  kit::Grid* g = ResultGrid();
  if (!g) return;
  const int rows = static_cast<int>(api_->RowCount()) + 1;
  if (!api_->SameDeclaration(DeclarationText())) {
    // Another entry: all three columns anew.
    for (int r = 1; r < g->RowCount(); ++r)
      for (int c = 0; c < g->ColCount(); ++c) g->SetCell(c, r, std::wstring_view());
    g->SetRowCount(rows);
    SetDeclaration(api_->Declaration());
    int widest = 0;
    HDC dc = GetDC(g->Handle());
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(g->Handle(), WM_GETFONT, 0, 0)));
    for (size_t i = 0; i < api_->ParamCount(); ++i) {
      const std::wstring& label = api_->ParamName(i);
      g->SetCell(0, static_cast<int>(i) + 1, std::wstring_view(label));
      g->SetCell(2, static_cast<int>(i) + 1, std::wstring_view(api_->ParamDescription(i)));
      SIZE size{};
      GetTextExtentPoint32W(dc, label.c_str(), static_cast<int>(label.size()), &size);
      widest = std::max<int>(widest, size.cx);
    }
    SelectObject(dc, old);
    ReleaseDC(g->Handle(), dc);
    g->SetColWidth(0, widest + 4);
    g->SelectRow(1);
    ShowDescription();
    FitResultColumn();
  } else if (g->RowCount() != rows) {
    g->SetRowCount(rows);
  }
  // The values; rows without one are empty.
  for (int r = 1; r < rows; ++r) g->SetCell(1, r, std::wstring_view(api_->Result(static_cast<size_t>(r - 1))));
}

void TApp_ZorvikAPITest::ShowEmpty() {
  SetDeclaration(L"");
  if (kit::Grid* g = ResultGrid()) {
    for (int r = 1; r < g->RowCount(); ++r)
      for (int c = 0; c < g->ColCount(); ++c) g->SetCell(c, r, std::wstring_view());
    g->SetRowCount(2);
  }
  SetWindowTextW(Control(kHint), L"");
}

void TApp_ZorvikAPITest::ShowDescription() {
  if (api_) SetWindowTextW(Control(kHint), api_->Description().c_str());
}

void TApp_ZorvikAPITest::SetDeclaration(const std::wstring& text) {
  kit::OwnerList* decl = page_ ? page_->Controls().List(kDeclaration) : nullptr;
  if (!decl) return;
  kit::ListItem item;
  item.text = text;
  if (decl->Count() == 0)
    decl->Add(std::move(item));
  else
    decl->Set(0, std::move(item));
}

void TApp_ZorvikAPITest::FitResultColumn() {
  kit::Grid* g = ResultGrid();
  if (!g || g->ColCount() < 3) return;
  g->SetColWidth(2, g->ClientWidth() - g->ColWidth(0) - g->ColWidth(1) - 3 * g->GridLineWidth());
}

void TApp_ZorvikAPITest::FollowInfoFont() {
  HFONT f = app_.InfoFont();
  HWND hint = Control(kHint);
  if (!f || !hint || f == hintFont_) return;
  hintFont_ = f;
  SendMessageW(hint, WM_SETFONT, reinterpret_cast<WPARAM>(f), TRUE);
}

// ---------------------------------------------------------------------------
// The entry list

std::vector<const T_Execute*> TApp_ZorvikAPITest::SortedEntries() const {
  std::vector<const T_Execute*> out;
  if (api_)
    for (const T_Execute* e : api_->SortedEntries()) out.push_back(e);
  return out;
}

std::vector<std::string> TApp_ZorvikAPITest::CatalogueNames() {
  if (!Exists()) Make(app_.MainWindow(), app_.Dpi(), false);
  std::vector<std::string> names;
  for (const T_Execute* e : SortedEntries()) names.push_back(e->Name);
  return names;
}

std::vector<std::string> TApp_ZorvikAPITest::OfferedNames() const {
  std::vector<std::string> names;
  HWND list = Control(kApiList);
  const LRESULT n = list ? SendMessageW(list, CB_GETCOUNT, 0, 0) : 0;
  for (LRESULT i = 0; i < n; ++i) {
    const auto* e = reinterpret_cast<const T_Execute*>(SendMessageW(list, CB_GETITEMDATA, static_cast<WPARAM>(i), 0));
    if (e && e != reinterpret_cast<const T_Execute*>(CB_ERR)) names.push_back(e->Name);
  }
  return names;
}

void TApp_ZorvikAPITest::SetHiddenNames(const std::vector<std::string>& hidden) {
  if (!api_) return;
  const std::string selected = SelectedName();
  FillEntryList(hidden);
  const std::vector<std::string> offered = OfferedNames();
  const auto at = std::find(offered.begin(), offered.end(), selected);
  SendMessageW(Control(kApiList), CB_SETCURSEL,
               at == offered.end() || selected.empty() ? static_cast<WPARAM>(-1)
                                                       : static_cast<WPARAM>(at - offered.begin()),
               0);
  std::vector<std::string> notOffered;
  for (const T_Execute* e : api_->SortedEntries())
    if (std::find(offered.begin(), offered.end(), e->Name) == offered.end()) notOffered.push_back(e->Name);
  hiddenList_ = JoinApiList(notOffered);
}

void TApp_ZorvikAPITest::ChooseEntry(int index) {
  HWND list = Control(kApiList);
  if (!list) return;
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  RunOnTarget(nullptr, POINT{0, 0});
  FitResultColumn();
}

int TApp_ZorvikAPITest::SelectedIndex() const {
  HWND list = Control(kApiList);
  return list ? static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0)) : -1;
}

std::string TApp_ZorvikAPITest::SelectedName() const {
  const int i = SelectedIndex();
  if (i < 0) return {};
  const LRESULT data = SendMessageW(Control(kApiList), CB_GETITEMDATA, static_cast<WPARAM>(i), 0);
  const auto* e = reinterpret_cast<const T_Execute*>(data);
  return data == CB_ERR || !e ? std::string() : e->Name;
}

void TApp_ZorvikAPITest::SetTarget(Target target) {
  SendMessageW(Control(kTargetList), CB_SETCURSEL, static_cast<WPARAM>(target), 0);
}

int TApp_ZorvikAPITest::TargetIndex() const {
  HWND list = Control(kTargetList);
  return list ? static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0)) : kCaptureWindow;
}

// ---------------------------------------------------------------------------
// What it shows

std::wstring TApp_ZorvikAPITest::DeclarationText() const {
  const kit::OwnerList* decl = page_ ? page_->Controls().List(kDeclaration) : nullptr;
  return decl && decl->Count() > 0 ? decl->Item(0).text : std::wstring();
}

std::wstring TApp_ZorvikAPITest::HintText() const { return kit::WindowText(Control(kHint)); }

void TApp_ZorvikAPITest::SetHintHeight(int height) {
  hintHeight_ = std::max(0, height);
  Layout();
}

kit::Grid* TApp_ZorvikAPITest::ResultGrid() const { return page_ ? page_->Controls().GridOf(kResult) : nullptr; }

HWND TApp_ZorvikAPITest::Control(const char* name) const { return page_ ? page_->Control(name) : nullptr; }

std::wstring TApp_ZorvikAPITest::ResultText() const {
  std::wstring text;
  const kit::Grid* g = ResultGrid();
  if (!g) return text;
  for (int r = 0; r < g->RowCount(); ++r) {
    for (int c = 0; c < g->ColCount(); ++c) {
      if (c) text += L'\t';
      text += g->Cell(c, r);
    }
    text += L"\r\n";
  }
  return text;
}

}  // namespace zorvik
