#include "custom/shortcut_page.h"

#include <windowsx.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "commands/command_text.h"
#include "commands/gestures.h"
#include "commands/keys.h"
#include "custom/shortcut_page_design.h"
#include "kit/tool_host.h"
#include "settings/editable_parts.h"
#include "kit/control_table.h"
#include "kit/grid.h"
#include "kit/splitter.h"
#include "kit/subclass.h"
#include "platform/message_dialog.h"
#include "platform/win_text.h"

namespace zorvik {

namespace {

std::string Trimmed(std::string s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// A caption for a menu item: without its accelerator marker, a literal "&"
// doubled so that the menu shows it.
std::string MenuCaption(const char* caption) {
  std::string out;
  for (char c : CaptionWithoutAccelerator(caption)) {
    out += c;
    if (c == '&') out += '&';
  }
  return out;
}

HFONT MakeFont(const wchar_t* face, int height) {
  return CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

SIZE TextSize(HFONT font, const std::wstring& text) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return size;
}

// The width of a name column: the longest name (or header) in characters
// times the width of "A", and never narrower than the widest name really
// is, so that a name with full-width characters ("BS(後退)", "ｼﾞｪｽﾁｬ ↑")
// is not cut off.
int NameColumnWidth(HFONT font, const std::vector<std::wstring>& names) {
  size_t chars = 0;
  int widest = 0;
  for (const std::wstring& n : names) {
    chars = std::max(chars, n.size());
    widest = std::max<int>(widest, TextSize(font, n).cx);
  }
  const int byChars = static_cast<int>(chars) * TextSize(font, L"A").cx;
  return std::max(byChars, widest) + 6;  // 2 on the left, the rest on the right
}

}  // namespace

TForm_Custom_ShortCut::TForm_Custom_ShortCut(kit::ToolHost& app, EditableParts& parts)
    : kit::Page("TForm_Custom_ShortCut", "ショートカットカスタマイズ", ShortCutPageTable(), kDesignWidth,
                kDesignHeight),
      app_(app),
      parts_(parts),
      keyRowCommand_(kKeyCount, -1) {
  const kit::ActionList& all = app_.Actions();
  std::vector<kit::Action*> listed;
  for (size_t i = 0; i < all.Count(); ++i) {
    kit::Action& a = all.At(i);
    commands_.push_back(CommandRow{&a, CommandByName(a.name)});
    listed.push_back(&a);
  }
  categories_ = kit::CategoriesOf(listed, 1);  // data rows start under the header
  BuildActions();
  BuildMenus();
}

TForm_Custom_ShortCut::~TForm_Custom_ShortCut() {
  // The grids draw with the fonts: the window goes first.
  if (Handle()) DestroyWindow(Handle());
  if (fixedFont_) DeleteObject(fixedFont_);
  if (uiFont_) DeleteObject(uiFont_);
}

void TForm_Custom_ShortCut::BuildActions() {
  // The page's own commands (names, captions and hints in the design table).
  const struct {
    const char* name;
    void (TForm_Custom_ShortCut::*run)();
  } runs[] = {
      {"actShortCutKey_Set", &TForm_Custom_ShortCut::SetSelected},
      {"actShortCutKey_Delete", &TForm_Custom_ShortCut::DeleteKey},
      {"actShortCutKey_ResetAll", &TForm_Custom_ShortCut::ResetKeys},
      {"actGesture_Set", &TForm_Custom_ShortCut::SetSelected},
      {"actGesture_Delete", &TForm_Custom_ShortCut::DeleteGesture},
      {"actGesture_ResetAll", &TForm_Custom_ShortCut::ResetGestures},
      {"actCommand_KeyAdd", &TForm_Custom_ShortCut::SetSelected},
      {"actCommand_KeyDelete", &TForm_Custom_ShortCut::DeleteCommandBindings},
      {"actCommand_KeyResetAll", &TForm_Custom_ShortCut::ResetAll},
      {"actMenu_Popup", &TForm_Custom_ShortCut::PopupPageMenu},
      {"actFile_Close", &TForm_Custom_ShortCut::CloseWindow},
  };
  const ShortCutPageCommand* table = ShortCutPageCommands();
  for (size_t i = 0; i < ShortCutPageCommandCount(); ++i) {
    void (TForm_Custom_ShortCut::*run)() = nullptr;
    for (const auto& r : runs)
      if (std::string_view(r.name) == table[i].name) run = r.run;
    AddCommand(table[i].name, table[i].caption, [this, run] { if (run) (this->*run)(); }, table[i].hint);
  }
}

void TForm_Custom_ShortCut::BuildMenus() {
  // mnuShortCutKey and mnuGesture: a "%s コマンドをセット" submenu per category.
  for (const bool keys : {true, false}) {
    const std::string prefix = keys ? "mniShortCutKey" : "mniGesture";
    std::vector<kit::MenuRow> rows;
    for (size_t c = 0; c < categories_.size(); ++c) {
      kit::MenuRow sub{prefix + "_Category" + std::to_string(c), "", categories_[c].name + " コマンドをセット"};
      for (size_t i = 0; i < commands_.size(); ++i) {
        if (commands_[i].action->category != categories_[c].name) continue;
        const std::string name = "actSetCommand_" + std::to_string(i + 1);
        if (!PageActions().Find(name)) {
          const int row = static_cast<int>(i) + 1;
          AddCommand(name, MenuCaption(commands_[i].action->caption.c_str()), [this, row] { SetCommandOnSelected(row); },
                     commands_[i].action->hint);
        }
        sub.items.push_back({prefix + "_Command" + std::to_string(i + 1), name});
      }
      rows.push_back(std::move(sub));
    }
    rows.insert(rows.end(), {{prefix + "_Line1"},
                             {prefix + "_Set", keys ? "actShortCutKey_Set" : "actGesture_Set"},
                             {prefix + "_Delete", keys ? "actShortCutKey_Delete" : "actGesture_Delete"},
                             {prefix + "_Line2"},
                             {prefix + "_ResetAll", keys ? "actShortCutKey_ResetAll" : "actGesture_ResetAll"}});
    AddMenu(keys ? "mnuShortCutKey" : "mnuGesture", rows);
  }

  // mnuCommand: the four key submenus, the gestures, then the commands.
  std::vector<kit::MenuRow> rows;
  const KeyDef* keyTable = KeyTable();
  for (size_t g = 0; g < kKeyMenuGroupCount; ++g) {
    const KeyMenuGroup& group = KeyMenuGroups()[g];
    kit::MenuRow sub{group.name, "", group.caption};
    for (int row = group.first; row <= group.last; ++row) {
      const std::string name = "actAddKey_" + std::to_string(row);
      AddCommand(name, std::string("[") + keyTable[row].shown + "]", [this, row] { AddKeyToSelected(row + 1); });
      sub.items.push_back({"mniCommand_Key" + std::to_string(row), name});
    }
    rows.push_back(std::move(sub));
  }
  kit::MenuRow gestures{"mniCommand_Gesture", "", "ジェスチャを追加"};
  for (int slot = 0; slot < kGestureSlotCount; ++slot) {
    const std::string name = "actAddGesture_" + std::to_string(slot);
    AddCommand(name, std::string("[") + GestureName(slot) + "]", [this, slot] { AddGestureToSelected(slot + 1); });
    gestures.items.push_back({"mniCommand_Gesture" + std::to_string(slot), name});
  }
  rows.push_back(std::move(gestures));
  rows.insert(rows.end(), {{"mniCommand_Line1"},
                           {"mniCommand_KeyAdd", "actCommand_KeyAdd"},
                           {"mniCommand_KeyDelete", "actCommand_KeyDelete"},
                           {"mniCommand_Line2"},
                           {"mniCommand_KeyResetAll", "actCommand_KeyResetAll"}});
  AddMenu("mnuCommand", rows);

  std::vector<kit::MenuRow> categories;
  for (size_t c = 0; c < categories_.size(); ++c) {
    const std::string name = "actCategory_" + std::to_string(c);
    AddCommand(name, MenuCaption(categories_[c].name.c_str()), [this, c] { ChooseCategory(static_cast<int>(c)); });
    categories.push_back({"mniCommand_Category" + std::to_string(c), name});
  }
  AddMenu("mnuCommand_Category", categories);

  AddMenu("mnuCustomShortCut", {{"mniCustomShortCut_ResetAll", "actCommand_KeyResetAll"},
                                {"mniCustomShortCut_Line"},
                                {"mniCustomShortCut_Close", "actFile_Close"}});
  SetPageMenu("mnuCustomShortCut");
  SetControlMenu("StringGrid_ShortCutKey", "mnuShortCutKey");
  SetControlMenu("StringGrid_Gesture", "mnuGesture");
  SetControlMenu("StringGrid_Command", "mnuCommand");
}

kit::Grid* TForm_Custom_ShortCut::KeyGrid() const { return Controls().GridOf("StringGrid_ShortCutKey"); }
kit::Grid* TForm_Custom_ShortCut::GestureGrid() const { return Controls().GridOf("StringGrid_Gesture"); }
kit::Grid* TForm_Custom_ShortCut::CommandGrid() const { return Controls().GridOf("StringGrid_Command"); }

kit::Action* TForm_Custom_ShortCut::CommandAt(int dataRow) const {
  return dataRow >= 1 && dataRow <= CommandCount() ? commands_[static_cast<size_t>(dataRow - 1)].action : nullptr;
}

const CommandDef* TForm_Custom_ShortCut::CommandDefAt(int dataRow) const {
  return dataRow >= 1 && dataRow <= CommandCount() ? commands_[static_cast<size_t>(dataRow - 1)].def : nullptr;
}

int TForm_Custom_ShortCut::RowOfCommand(const std::string& name) const {
  for (size_t i = 0; i < commands_.size(); ++i)
    if (commands_[i].action->name == name) return static_cast<int>(i) + 1;
  return 0;
}

int TForm_Custom_ShortCut::RowOfKey(uint16_t key) { return KeyRowOf(key) + 1; }

const CommandDef* TForm_Custom_ShortCut::KeyRowCommand(int dataRow) const {
  if (dataRow < 1 || dataRow > kKeyCount) return nullptr;
  return CommandDefAt(keyRowCommand_[static_cast<size_t>(dataRow - 1)] + 1);
}

std::wstring TForm_Custom_ShortCut::KeyColumnText(const CommandDef* command) const {
  std::string text;
  if (!command) return {};
  for (const KeyBinding& b : parts_.Bindings().Items())
    if (b.command == command) text = text + " [" + KeyToKeyName(b.key) + "]";
  const GestureBindings& g = parts_.Gestures();
  for (int slot = 0; slot < kGestureSlotCount; ++slot)
    if (g.slots[slot] == command) text = text + " [" + GestureName(slot) + "]";
  return W(Trimmed(text));
}

// --- building --------------------------------------------------------------

void TForm_Custom_ShortCut::OnCreate() {
  fixedFont_ = MakeFont(L"ＭＳ ゴシック", Scale(12));
  uiFont_ = MakeFont(L"MS UI Gothic", Scale(12));

  // The tab control lies under the two tab panels (they are drawn over its
  // page area) and comes after them in the tab order.
  tabs_ = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0, 0, 10, 10,
                          Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
  for (const wchar_t* caption : {L"キーリスト", L"マウスジェスチャ"}) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(caption);
    SendMessageW(tabs_, TCM_INSERTITEMW, static_cast<WPARAM>(TabCtrl_GetItemCount(tabs_)), reinterpret_cast<LPARAM>(&item));
  }
  SetWindowPos(tabs_, Control("Panel_Gesture"), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  // The tab control is no table control: Tab moves on from it, and the
  // page's keys are its keys.
  kit::SubclassControl(tabs_, [this](HWND h, UINT msg, WPARAM wp, LPARAM lp) -> std::optional<LRESULT> {
    switch (msg) {
      case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
      case WM_KEYDOWN:
      case WM_KEYUP:
      case WM_SYSKEYDOWN:
      case WM_SYSKEYUP:
      case WM_CHAR:
        if (wp == VK_TAB) {
          if (msg == WM_KEYDOWN)
            if (HWND next = GetNextDlgTabItem(Handle(), h, GetKeyState(VK_SHIFT) < 0)) SetFocus(next);
          return 0;
        }
        if (msg != WM_CHAR && PageKey(h, msg, wp, lp)) return 0;
        break;
      default:
        break;
    }
    return std::nullopt;
  });

  splitter_ = std::make_unique<kit::Splitter>();
  splitter_->Create(Handle(), kit::Splitter::Orientation::Vertical, RECT{0, 0, 1, 1});
  splitter_->SetPane(tabs_, kit::Splitter::PaneSide::Before, Scale(kShortCutMinLeft), Scale(kShortCutMinRight));
  splitter_->onMoved = [this](int size) { Layout(size); };
  leftWidth_ = Scale(kShortCutLeftWidth);

  for (kit::Grid* grid : {KeyGrid(), GestureGrid(), CommandGrid()}) SetUpGrid(grid);
  KeyGrid()->SetColCount(2);
  GestureGrid()->SetColCount(2);
  CommandGrid()->SetColCount(3);
  FillGrids();

  HWND combo = Control("ComboBox_CommandCategory");
  for (const kit::ActionCategory& c : categories_)
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(c.name).c_str()));
  OnChange("ComboBox_CommandCategory",
           [this, combo] { ChooseCategory(static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0))); });

  Layout(leftWidth_);
  KeyGrid()->SelectRow(1);
  GestureGrid()->SelectRow(1);
  ChooseCategory(0);
  RefreshAll();
  RefreshStates();
}

void TForm_Custom_ShortCut::SetUpGrid(kit::Grid* grid) {
  grid->resizableColumns = false;
  grid->onDrawCell = [this, grid](HDC dc, kit::GridCellPaint& cell) { return DrawCell(grid, dc, cell); };
  grid->onMouse = [this, grid](UINT msg, POINT p) { return GridMouse(grid, msg, p); };
  grid->onSelect = [this, grid](int row) {
    ShowHintOf(grid, row);
    RefreshStates();
  };
}

void TForm_Custom_ShortCut::FillGrids() {
  kit::Grid* keys = KeyGrid();
  keys->SetRowCount(kKeyCount + 1);
  keys->SetCell(0, 0, std::wstring_view(L"キー"));
  keys->SetCell(1, 0, std::wstring_view(L"コマンド"));
  const KeyDef* table = KeyTable();
  for (int row = 0; row < kKeyCount; ++row) keys->SetCell(0, row + 1, std::string_view(table[row].shown));

  kit::Grid* gestures = GestureGrid();
  gestures->SetRowCount(kGestureSlotCount + 1);
  gestures->SetCell(0, 0, std::wstring_view(L"ジェスチャ"));
  gestures->SetCell(1, 0, std::wstring_view(L"コマンド"));
  for (int slot = 0; slot < kGestureSlotCount; ++slot)
    gestures->SetCell(0, slot + 1, std::string_view(GestureName(slot)));

  kit::Grid* commands = CommandGrid();
  commands->SetRowCount(CommandCount() + 1);
  commands->SetCell(0, 0, std::wstring_view(L"カテゴリ"));
  commands->SetCell(1, 0, std::wstring_view(L"コマンド"));
  commands->SetCell(2, 0, std::wstring_view(L"キー"));
  for (int row = 1; row <= CommandCount(); ++row) {
    const kit::Action& a = *CommandAt(row);
    commands->SetCell(0, row, std::string_view(a.category));
    commands->SetCell(1, row, std::string_view(Trimmed(CaptionWithoutAccelerator(a.caption))));
  }
}

// The tab control and its panels on the left, `leftWidth` pixels wide, the
// splitter, the command panel on the right; all above the hint group.
void TForm_Custom_ShortCut::Layout(int leftWidth) {
  if (!tabs_) return;
  RECT client{};
  GetClientRect(Handle(), &client);
  const int m = Scale(kShortCutMargin), bar = Scale(kShortCutSplitter);
  const int height = std::max(Scale(60), static_cast<int>(client.bottom) - m - Scale(kShortCutBottom));
  const int room = std::max(0, static_cast<int>(client.right) - 2 * m - bar);
  leftWidth = std::clamp(leftWidth, std::min(room, Scale(kShortCutMinLeft)),
                         std::max(std::min(room, Scale(kShortCutMinLeft)), room - Scale(kShortCutMinRight)));
  leftWidth_ = leftWidth;
  HDWP dwp = BeginDeferWindowPos(5);
  dwp = DeferWindowPos(dwp, tabs_, nullptr, m, m, leftWidth, height, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT area{m, m, m + leftWidth, m + height};
  TabCtrl_AdjustRect(tabs_, FALSE, &area);
  for (const char* panel : {"Panel_ShortCutKey", "Panel_Gesture"})
    dwp = DeferWindowPos(dwp, Control(panel), nullptr, area.left, area.top, area.right - area.left,
                         area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
  dwp = DeferWindowPos(dwp, splitter_->Handle(), nullptr, m + leftWidth, m, bar, height, SWP_NOZORDER | SWP_NOACTIVATE);
  const int right = m + leftWidth + bar;
  // Its buttons in line with those under the tab's grid.
  dwp = DeferWindowPos(dwp, Control("Panel_Command"), nullptr, right, m, std::max(0, static_cast<int>(client.right) - m - right),
                       std::max(0, static_cast<int>(area.bottom) - m), SWP_NOZORDER | SWP_NOACTIVATE);
  EndDeferWindowPos(dwp);
  FitColumns();
}

void TForm_Custom_ShortCut::FitColumns() {
  kit::Grid* keys = KeyGrid();
  kit::Grid* gestures = GestureGrid();
  kit::Grid* commands = CommandGrid();
  if (!keys || !fixedFont_) return;
  std::vector<std::wstring> names{keys->Cell(0, 0)};
  for (int row = 1; row < keys->RowCount(); ++row) names.push_back(keys->Cell(0, row));
  const int line = keys->GridLineWidth();
  auto fit = [line](kit::Grid* grid, int first) {
    int used = 0;
    for (int col = 0; col < grid->ColCount() - 1; ++col) used += grid->ColWidth(col) + line;
    grid->SetColWidth(grid->ColCount() - 1, std::max(first, grid->ClientWidth() - used - line));
  };
  keys->SetColWidth(0, NameColumnWidth(fixedFont_, names));
  fit(keys, Scale(40));
  names.assign(1, gestures->Cell(0, 0));
  for (int row = 1; row < gestures->RowCount(); ++row) names.push_back(gestures->Cell(0, row));
  gestures->SetColWidth(0, NameColumnWidth(fixedFont_, names));
  fit(gestures, Scale(40));
  int widest = 0;
  for (const kit::ActionCategory& c : categories_) widest = std::max<int>(widest, TextSize(uiFont_, W(c.name)).cx);
  commands->SetColWidth(0, widest + Scale(4));
  // When room is short the caption column gives way before the key column.
  const int room = commands->ClientWidth() - commands->ColWidth(0) - 3 * line;
  commands->SetColWidth(1, std::clamp(room - Scale(48), 0, Scale(kShortCutCommandColumn)));
  fit(commands, 0);
}

void TForm_Custom_ShortCut::OnResize(int, int) { Layout(leftWidth_); }

bool TForm_Custom_ShortCut::DrawCell(kit::Grid* grid, HDC, kit::GridCellPaint& cell) {
  const bool fixedColumn = grid == CommandGrid() ? cell.col == 2 : cell.col == 0;
  cell.font = fixedColumn ? fixedFont_ : uiFont_;
  if (!cell.header && grid == KeyGrid() && cell.col == 0) cell.align = DT_RIGHT;
  return false;
}

// --- showing ---------------------------------------------------------------

void TForm_Custom_ShortCut::ShowTab(int tab) {
  if (tab != kKeyTab && tab != kGestureTab) return;
  tab_ = tab;
  if (tabs_ && TabCtrl_GetCurSel(tabs_) != tab) TabCtrl_SetCurSel(tabs_, tab);
  HWND show = Control(tab == kKeyTab ? "Panel_ShortCutKey" : "Panel_Gesture");
  HWND hide = Control(tab == kKeyTab ? "Panel_Gesture" : "Panel_ShortCutKey");
  const bool hadFocus = hide && IsChild(hide, GetFocus());
  if (hide) ShowWindow(hide, SW_HIDE);
  if (show) ShowWindow(show, SW_SHOW);
  kit::Grid* grid = tab == kKeyTab ? KeyGrid() : GestureGrid();
  if (hadFocus && grid) SetFocus(grid->Handle());
  if (grid) ShowHintOf(grid, grid->Row());
  RefreshStates();
}

void TForm_Custom_ShortCut::ShowKeyRow(int keyRow) {
  const uint16_t key = KeyTable()[keyRow - 1].code;
  const CommandDef* def = parts_.Bindings().Find(key);
  int index = -1;
  for (size_t i = 0; def && i < commands_.size() && index < 0; ++i)
    if (commands_[i].def == def) index = static_cast<int>(i);
  keyRowCommand_[static_cast<size_t>(keyRow - 1)] = index;
  if (KeyGrid()) KeyGrid()->SetCell(1, keyRow, std::string_view(def ? CommandDisplayText(*def) : std::string()));
}

void TForm_Custom_ShortCut::ShowGestureRow(int gestureRow) {
  const CommandDef* def = parts_.Gestures().slots[gestureRow - 1];
  if (GestureGrid()) GestureGrid()->SetCell(1, gestureRow, std::string_view(def ? CommandDisplayText(*def) : std::string()));
}

void TForm_Custom_ShortCut::ShowKeyColumn(const CommandDef* command) {
  if (!command || !CommandGrid()) return;
  for (int row = 1; row <= CommandCount(); ++row)
    if (CommandDefAt(row) == command) CommandGrid()->SetCell(2, row, std::wstring_view(KeyColumnText(command)));
}

void TForm_Custom_ShortCut::RefreshAll() {
  if (!Created()) return;
  for (int row = 1; row <= kKeyCount; ++row) ShowKeyRow(row);
  for (int row = 1; row <= kGestureSlotCount; ++row) ShowGestureRow(row);
  for (int row = 1; row <= CommandCount(); ++row)
    CommandGrid()->SetCell(2, row, std::wstring_view(KeyColumnText(CommandDefAt(row))));
  RefreshStates();
}

void TForm_Custom_ShortCut::Changed() {
  RefreshStates();
  if (onBindingsChanged) onBindingsChanged();
}

void TForm_Custom_ShortCut::Sync() {
  RefreshAll();
  kit::Page::Sync();
}

void TForm_Custom_ShortCut::RefreshStates() {
  bool key = false, gesture = false, command = false;
  if (Created()) {
    key = KeyRowCommand(KeyGrid()->Row()) != nullptr;
    const int g = GestureGrid()->Row();
    gesture = g >= 1 && g <= kGestureSlotCount && parts_.Gestures().slots[g - 1] != nullptr;
    const int c = CommandGrid()->Row();
    command = c >= 1 && !CommandGrid()->Cell(2, c).empty();
  }
  const kit::ActionList& actions = PageActions();
  actions.Find("actShortCutKey_Delete")->SetEnabled(key);
  actions.Find("actGesture_Delete")->SetEnabled(gesture);
  actions.Find("actCommand_KeyDelete")->SetEnabled(command);
  if (Created()) Bindings().SyncFromActions();
}

// The hint of a row's command, or its display text when it has none.
void TForm_Custom_ShortCut::ShowHintOf(kit::Grid* grid, int row) {
  const CommandDef* def = nullptr;
  if (grid == KeyGrid()) def = KeyRowCommand(row);
  else if (grid == GestureGrid()) def = row >= 1 && row <= kGestureSlotCount ? parts_.Gestures().slots[row - 1] : nullptr;
  else def = CommandDefAt(row);
  std::wstring hint;
  if (def) hint = def->hint && *def->hint ? W(def->hint) : W(CommandDisplayText(*def));
  SetWindowTextW(Control("Label_Hint"), hint.c_str());
}

std::wstring TForm_Custom_ShortCut::HintText() const { return ControlText("Label_Hint"); }

void TForm_Custom_ShortCut::ChooseCategory(int index) {
  if (index < 0 || index >= static_cast<int>(categories_.size()) || !Created()) return;
  HWND combo = Control("ComboBox_CommandCategory");
  if (SendMessageW(combo, CB_GETCURSEL, 0, 0) != index) SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  kit::Grid* grid = CommandGrid();
  grid->SetTopRow(categories_[static_cast<size_t>(index)].firstRow);
  grid->SelectRow(categories_[static_cast<size_t>(index)].firstRow);
}

// --- edits -----------------------------------------------------------------

void TForm_Custom_ShortCut::SetKey(int keyRow, const CommandDef* command) {
  if (keyRow < 1 || keyRow > kKeyCount || !command || !Created()) return;
  if (KeyRowCommand(keyRow) == command) return;
  const uint16_t key = KeyTable()[keyRow - 1].code;
  BindingList& bindings = parts_.Bindings();
  // Every command that had the key loses it.
  std::vector<const CommandDef*> former;
  for (const KeyBinding& b : bindings.Items())
    if (b.key == key && std::find(former.begin(), former.end(), b.command) == former.end()) former.push_back(b.command);
  bindings.RemoveKey(key);
  for (const CommandDef* f : former) ShowKeyColumn(f);
  if (!bindings.HasKey(key)) bindings.Add(key, command);
  ShowKeyRow(keyRow);
  ShowKeyColumn(command);
  if (KeyGrid()->Row() == keyRow) ShowHintOf(KeyGrid(), keyRow);
  Changed();
}

void TForm_Custom_ShortCut::ClearKey(int keyRow) {
  if (keyRow < 1 || keyRow > kKeyCount || !Created()) return;
  const uint16_t key = KeyTable()[keyRow - 1].code;
  BindingList& bindings = parts_.Bindings();
  std::vector<const CommandDef*> former;
  for (const KeyBinding& b : bindings.Items())
    if (b.key == key) former.push_back(b.command);
  if (former.empty()) return;
  bindings.RemoveKey(key);
  ShowKeyRow(keyRow);
  for (const CommandDef* f : former) ShowKeyColumn(f);
  Changed();
}

void TForm_Custom_ShortCut::SetGesture(int gestureRow, const CommandDef* command) {
  if (gestureRow < 1 || gestureRow > kGestureSlotCount || !command || !Created()) return;
  const CommandDef*& slot = parts_.Gestures().slots[gestureRow - 1];
  const CommandDef* former = slot;
  slot = nullptr;
  ShowKeyColumn(former);
  slot = command;
  ShowGestureRow(gestureRow);
  ShowKeyColumn(command);
  if (GestureGrid()->Row() == gestureRow) ShowHintOf(GestureGrid(), gestureRow);
  Changed();
}

void TForm_Custom_ShortCut::ClearGesture(int gestureRow) {
  if (gestureRow < 1 || gestureRow > kGestureSlotCount || !Created()) return;
  const CommandDef*& slot = parts_.Gestures().slots[gestureRow - 1];
  const CommandDef* former = slot;
  slot = nullptr;
  ShowGestureRow(gestureRow);
  ShowKeyColumn(former);
  Changed();
}

void TForm_Custom_ShortCut::SetSelected() {
  if (!Created()) return;
  const CommandDef* command = CommandDefAt(CommandGrid()->Row());
  if (tab_ == kKeyTab) SetKey(KeyGrid()->Row(), command);
  else SetGesture(GestureGrid()->Row(), command);
}

void TForm_Custom_ShortCut::DeleteKey() {
  if (Created()) ClearKey(KeyGrid()->Row());
}

void TForm_Custom_ShortCut::DeleteGesture() {
  if (Created()) ClearGesture(GestureGrid()->Row());
}

void TForm_Custom_ShortCut::DeleteCommandBindings() {
  if (!Created()) return;
  const CommandDef* command = CommandDefAt(CommandGrid()->Row());
  if (!command) return;
  bool changed = false;
  for (int row = 1; row <= kKeyCount; ++row) {
    if (KeyRowCommand(row) != command) continue;
    ClearKey(row);
    changed = true;
  }
  // A key bound twice shows only its first command; the command's own
  // binding behind it goes too, or its key column would never empty.
  if (parts_.Bindings().RemoveCommand(command) > 0) changed = true;
  GestureBindings& g = parts_.Gestures();
  for (int slot = 0; slot < kGestureSlotCount; ++slot) {
    if (g.slots[slot] != command) continue;
    g.slots[slot] = nullptr;
    ShowGestureRow(slot + 1);
    changed = true;
  }
  if (!changed) return;
  ShowKeyColumn(command);
  Changed();
}

void TForm_Custom_ShortCut::ResetKeys() {
  if (AskYesNo(W(kResetKeysQuestion), L"Zorvik") != kResultYes) return;
  parts_.Bindings() = parts_.DefaultBindings();
  RefreshAll();
  Changed();
}

void TForm_Custom_ShortCut::ResetGestures() {
  if (AskYesNo(W(kResetGesturesQuestion), L"Zorvik") != kResultYes) return;
  parts_.Gestures() = parts_.DefaultGestures();
  RefreshAll();
  Changed();
}

void TForm_Custom_ShortCut::ResetAll() {
  if (AskYesNo(W(kResetAllQuestion), L"Zorvik") != kResultYes) return;
  parts_.Bindings() = parts_.DefaultBindings();
  parts_.Gestures() = parts_.DefaultGestures();
  RefreshAll();
  Changed();
}

// "[%:0s] には %:1s がセットされています\r置き換えますか" with the key or
// gesture name and the display text of the command it holds.
bool TForm_Custom_ShortCut::Ask(const CommandDef* holder, const std::string& name) const {
  std::string question = kReplaceQuestion;
  const std::string slot0 = "%:0s", slot1 = "%:1s";
  const size_t at0 = question.find(slot0);
  if (at0 != std::string::npos) question.replace(at0, slot0.size(), name);
  const size_t at1 = question.find(slot1);
  if (at1 != std::string::npos) question.replace(at1, slot1.size(), CommandDisplayText(*holder));
  return AskYesNo(W(question), L"Zorvik") == kResultYes;
}

void TForm_Custom_ShortCut::AddKeyToSelected(int keyRow) {
  if (!Created() || keyRow < 1 || keyRow > kKeyCount) return;
  const CommandDef* command = CommandDefAt(CommandGrid()->Row());
  if (!command) return;
  const CommandDef* holder = KeyRowCommand(keyRow);
  if (holder == command) return;
  if (holder && !Ask(holder, KeyTable()[keyRow - 1].shown)) return;
  SetKey(keyRow, command);
}

void TForm_Custom_ShortCut::AddGestureToSelected(int gestureRow) {
  if (!Created() || gestureRow < 1 || gestureRow > kGestureSlotCount) return;
  const CommandDef* command = CommandDefAt(CommandGrid()->Row());
  if (!command) return;
  const CommandDef* holder = parts_.Gestures().slots[gestureRow - 1];
  if (holder == command) return;
  if (holder && !Ask(holder, GestureName(gestureRow - 1))) return;
  SetGesture(gestureRow, command);
}

void TForm_Custom_ShortCut::SetCommandOnSelected(int commandRow) {
  if (!Created()) return;
  const CommandDef* command = CommandDefAt(commandRow);
  if (tab_ == kKeyTab) SetKey(KeyGrid()->Row(), command);
  else SetGesture(GestureGrid()->Row(), command);
}

void TForm_Custom_ShortCut::Drop(kit::Grid* from, kit::Grid* onto, int ontoRow) {
  if (!from || !onto || from == onto || ontoRow < 1 || ontoRow >= onto->RowCount()) return;
  kit::Grid* commands = CommandGrid();
  if (from != commands && onto != commands) return;
  onto->SelectRow(ontoRow);
  kit::Grid* other = from == commands ? onto : from;
  const CommandDef* command = CommandDefAt(commands->Row());
  if (other == KeyGrid()) SetKey(KeyGrid()->Row(), command);
  else if (other == GestureGrid()) SetGesture(GestureGrid()->Row(), command);
}

void TForm_Custom_ShortCut::CloseWindow() { CloseHost(app_.MainWindow()); }

// --- mouse, menus and keys -------------------------------------------------

bool TForm_Custom_ShortCut::GridMouse(kit::Grid* grid, UINT msg, POINT p) {
  int col = -1, row = -1;
  const bool inCell = grid->CellAt(p, &col, &row);
  switch (msg) {
    case WM_LBUTTONDOWN:
      drag_ = Drag{};
      if (grid == CommandGrid() && inCell && row == 0 && col == 0 && p.x < grid->ColWidth(0) - 3) {
        SetFocus(grid->Handle());
        POINT screen = p;
        ClientToScreen(grid->Handle(), &screen);
        ShowMenu(*Menu("mnuCommand_Category"), screen);
        return true;
      }
      if (inCell && row >= 1) drag_ = Drag{grid, p, true, false};
      return false;  // the grid selects the row and takes the focus
    case WM_MOUSEMOVE:
      if (drag_.pressed && drag_.from == grid && !drag_.dragging && (GetKeyState(VK_LBUTTON) < 0)) {
        const int slop = GetSystemMetrics(SM_CXDOUBLECLK);
        if (std::abs(p.x - drag_.start.x) >= slop || std::abs(p.y - drag_.start.y) >= slop) {
          drag_.dragging = true;
          SetCapture(grid->Handle());
        }
      }
      if (drag_.dragging && drag_.from == grid) {
        POINT screen = p;
        ClientToScreen(grid->Handle(), &screen);
        HWND under = WindowFromPoint(screen);
        const bool toCommands = grid != CommandGrid() && under == CommandGrid()->Handle();
        const bool fromCommands = grid == CommandGrid() && (under == KeyGrid()->Handle() || under == GestureGrid()->Handle());
        SetCursor(LoadCursorW(nullptr, toCommands || fromCommands ? IDC_ARROW : IDC_NO));
        return true;
      }
      return false;
    case WM_LBUTTONUP:
      if (drag_.dragging && drag_.from == grid) {
        POINT screen = p;
        ClientToScreen(grid->Handle(), &screen);
        EndDrag(screen);
        return true;
      }
      drag_ = Drag{};
      return false;
    case WM_RBUTTONDOWN:
      SetFocus(grid->Handle());
      if (inCell && row >= 1) grid->SelectRow(row);
      return true;
    case WM_RBUTTONUP: {
      POINT screen = p;
      ClientToScreen(grid->Handle(), &screen);
      if (grid == CommandGrid() && inCell && row == 0) ShowMenu(*Menu("mnuCommand_Category"), screen);
      else if (inCell && row >= 1) OpenControlMenu(grid->Handle(), screen);
      return true;
    }
    case WM_CAPTURECHANGED:
      // Another window took the mouse (a menu, a dialog, Alt+Tab): the drag
      // is over, and its "no" cursor with it.
      if (drag_.from == grid) {
        drag_ = Drag{};
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
      }
      return false;
    case WM_MBUTTONUP:
      if (grid != CommandGrid()) {
        ShowHintOf(grid, grid->Row());
        RefreshStates();
      }
      return false;
    default:
      return false;
  }
}

void TForm_Custom_ShortCut::EndDrag(POINT screen) {
  const Drag d = drag_;
  drag_ = Drag{};
  if (d.from && GetCapture() == d.from->Handle()) ReleaseCapture();
  if (!d.from) return;
  HWND under = WindowFromPoint(screen);
  for (kit::Grid* onto : {KeyGrid(), GestureGrid(), CommandGrid()}) {
    if (under != onto->Handle()) continue;
    POINT client = screen;
    ScreenToClient(under, &client);
    int col = -1, row = -1;
    if (onto->CellAt(client, &col, &row) && row >= 1) Drop(d.from, onto, row);
  }
}

void TForm_Custom_ShortCut::PopupPageMenu() { OpenPopupMenu(); }

// Every menu shows the enabled states of the rows selected now.
void TForm_Custom_ShortCut::OnMenuOpening(kit::PopupMenu&, HWND) { RefreshStates(); }

bool TForm_Custom_ShortCut::OnKey(HWND, UINT msg, WPARAM vk, LPARAM) {
  if (vk == VK_ESCAPE && drag_.dragging && (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN)) {
    if (drag_.from && GetCapture() == drag_.from->Handle()) ReleaseCapture();
    drag_ = Drag{};
    return true;
  }
  return false;
}

bool TForm_Custom_ShortCut::HostKeyUp(WPARAM vk, LPARAM) {
  if (vk != VK_APPS && vk != VK_F10) return false;
  if (vk == VK_F10 && (GetKeyState(VK_MENU) < 0 || GetKeyState(VK_CONTROL) < 0)) return false;
  PopupPageMenu();
  return true;
}

LRESULT TForm_Custom_ShortCut::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NOTIFY: {
      const auto* n = reinterpret_cast<const NMHDR*>(lp);
      if (n && n->hwndFrom == tabs_ && n->code == static_cast<UINT>(TCN_SELCHANGE)) {
        ShowTab(TabCtrl_GetCurSel(tabs_));
        return 0;
      }
      break;
    }
    default:
      break;
  }
  return kit::Page::HandleMessage(msg, wp, lp);
}

}  // namespace zorvik
