#include "custom/toolbar_page.h"

#include <algorithm>
#include <cstdlib>

#include "commands/command_table.h"
#include "commands/icons.h"
#include "commands/toolbar.h"
#include "kit/tool_host.h"
#include "settings/editable_parts.h"
#include "kit/control_table.h"
#include "kit/owner_list.h"
#include "kit/subclass.h"
#include "platform/message_dialog.h"
#include "platform/text.h"
#include "platform/win_text.h"

namespace zorvik {

namespace {

const char kQuestion[] = "ツールバーの設定をリセットします\rよろしいですか";

// The page's own commands. Columns: name, caption.
struct PageCommand {
  const char* name;
  const char* caption;
};
constexpr PageCommand kPageCommands[] = {
    {"Action_ToolBar_Add", "追加(&A) ->"},
    {"Action_ToolBar_Insert", "挿入(&I) ->"},
    {"Action_ToolBar_Delete", "<- 削除(&R)"},
    {"Action_ToolBar_MoveUp", "上へ移動(&U)"},
    {"Action_ToolBar_MoveDown", "下へ移動(&D)"},
    {"Action_ToolBar_ResetAll", "リセット"},
    {"Action_File_Close", "閉じる"},
};
// The buttons between the lists, in their order from the top, and their tops.
struct ColumnButton {
  const char* name;
  const char* command;
  int top;
};
constexpr ColumnButton kColumn[] = {
    {"Button_ToolBar_Add", "Action_ToolBar_Add", 80},
    {"Button_ToolBar_Delete", "Action_ToolBar_Delete", 110},
    {"Button_ToolBar_MoveUp", "Action_ToolBar_MoveUp", 160},
    {"Button_ToolBar_MoveDown", "Action_ToolBar_MoveDown", 190},
};

const char* CaptionOf(const char* command) {
  for (const PageCommand& c : kPageCommands)
    if (std::string_view(c.name) == command) return c.caption;
  return "";
}

// The widest caption of the button column in the 96-dpi page font, plus 16.
int MeasureColumnWidth() {
  HFONT font = kit::CreatePageFont(kit::kDesignDpi);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  int widest = 0;
  for (const ColumnButton& b : kColumn) {
    // As the button draws it: the marked letter stays, underlined.
    std::wstring text;
    const std::wstring caption = W(CaptionOf(b.command));
    for (size_t i = 0; i < caption.size(); ++i) {
      if (caption[i] != L'&') {
        text += caption[i];
      } else if (i + 1 < caption.size() && caption[i + 1] == L'&') {
        text += L'&';
        ++i;
      }
    }
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    widest = std::max<int>(widest, size.cx);
  }
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  return widest + 16;
}

constexpr int kMargin = 8, kListTop = 52, kListBottom = 258;

// Columns: kind, name, caption, 96-dpi rectangle, parent, flags, hint,
// command, range, minimum item height. The two lists share what the button
// column leaves of the width.
kit::ControlTableDesc ToolBarPageTable(int column) {
  using kit::ControlKind;
  const int listWidth = (TForm_Custom_ToolBar::kDesignWidth - 4 * kMargin - column) / 2;
  const int columnLeft = kMargin + listWidth + kMargin;
  const int nowLeft = columnLeft + column + kMargin;
  const int nowWidth = TForm_Custom_ToolBar::kDesignWidth - kMargin - nowLeft;
  const int footer = TForm_Custom_ToolBar::kDesignWidth - 2 * kMargin;
  const int buttonTop = TForm_Custom_ToolBar::kDesignHeight - 28;
  constexpr unsigned kCorner = kit::kMoveRight | kit::kMoveBottom;
  constexpr unsigned kFooter = kit::kStretchRight | kit::kMoveBottom;
  kit::ControlTableDesc t = {
      {ControlKind::Label, "Label_Command", "コマンドリスト", {kMargin, 8, listWidth, 16}},
      {ControlKind::ComboBox, "ComboBox_CommandCategory", "", {kMargin, 26, listWidth, 20}, "", kit::kOwnerDraw},
      {ControlKind::CheckList, "CheckListBox_Command", "", {kMargin, kListTop, listWidth, kListBottom - kListTop}, "",
       kit::kStretchBottom, "チェックのオンでツールバーへ追加、オフでツールバーから削除", "", 0, 100, kIconSize},
  };
  for (const ColumnButton& b : kColumn)
    t.push_back({ControlKind::Button, b.name, CaptionOf(b.command), {columnLeft, b.top, column, 24}, "", 0, "",
                 b.command});
  const std::vector<kit::ControlDesc> rest = {
      {ControlKind::Label, "Label_NowSetting", "現在設定されているコマンド", {nowLeft, 8, nowWidth, 16}, "",
       kit::kStretchRight},
      {ControlKind::CheckList, "CheckListBox_NowSetting", "", {nowLeft, 26, nowWidth, kListBottom - 26}, "",
       kit::kStretchRight | kit::kStretchBottom, "チェックのオフでツールバーから削除", "", 0, 100, kIconSize},
      {ControlKind::GroupBox, "GroupBox_Hint", "コマンドヒント", {kMargin, kListBottom + 4, footer, 36}, "", kFooter},
      {ControlKind::Label, "Label_Hint", "", {8, 16, footer - 16, 16}, "GroupBox_Hint", kFooter},
      {ControlKind::Button, "Button_Close", "閉じる",
       {TForm_Custom_ToolBar::kDesignWidth - kMargin - 164, buttonTop, 80, 24}, "", kCorner, "", "Action_File_Close"},
      {ControlKind::Button, "Button_Reset", "リセット",
       {TForm_Custom_ToolBar::kDesignWidth - kMargin - 80, buttonTop, 80, 24}, "", kCorner, "", "Action_ToolBar_ResetAll"},
  };
  t.insert(t.end(), rest.begin(), rest.end());
  return t;
}

// The row under a client point of a list; the row count when the point lies
// below the last row.
int RowAt(HWND list, POINT p) {
  const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
  for (int i = std::max(0, top); i < count; ++i) {
    RECT r{};
    if (SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r)) == LB_ERR) break;
    if (p.y < r.top) return i;  // above the first visible row
    if (p.y < r.bottom) return i;
  }
  return count;
}

}  // namespace

TForm_Custom_ToolBar::TForm_Custom_ToolBar(kit::ToolHost& app, EditableParts& parts)
    : kit::Page("TForm_Custom_ToolBar", "ツールバーカスタマイズ", ToolBarPageTable(MeasureColumnWidth()), kDesignWidth,
                kDesignHeight),
      app_(app),
      parts_(parts) {
  columnWidth_ = MeasureColumnWidth();
  AddCommand("Action_ToolBar_Add", CaptionOf("Action_ToolBar_Add"), [this] { Add(); });
  AddCommand("Action_ToolBar_Insert", CaptionOf("Action_ToolBar_Insert"), [this] {
    const int at = NowSettingList() ? NowSettingList()->Selected() : -1;
    Insert(at >= 0 ? at : parts_.ToolBar().Count(), CommandList() ? CommandList()->Selected() : -1);
  });
  AddCommand("Action_ToolBar_Delete", CaptionOf("Action_ToolBar_Delete"), [this] { Delete(); });
  AddCommand("Action_ToolBar_MoveUp", CaptionOf("Action_ToolBar_MoveUp"), [this] { MoveUp(); });
  AddCommand("Action_ToolBar_MoveDown", CaptionOf("Action_ToolBar_MoveDown"), [this] { MoveDown(); });
  AddCommand("Action_ToolBar_ResetAll", CaptionOf("Action_ToolBar_ResetAll"), [this] { Reset(); });
  AddCommand("Action_File_Close", CaptionOf("Action_File_Close"), [this] { CloseHost(app_.MainWindow()); });
  for (const char* name : {"Action_ToolBar_Add", "Action_ToolBar_Insert", "Action_ToolBar_Delete",
                           "Action_ToolBar_MoveUp", "Action_ToolBar_MoveDown"})
    PageActions().Find(name)->SetEnabled(false);

  // Every command with an icon, in list order; the categories as they first appear.
  const kit::ActionList& all = app_.Actions();
  for (size_t i = 0; i < all.Count(); ++i) {
    kit::Action& a = all.At(i);
    if (a.imageIndex < 0 || a.name == "actSpc") continue;
    commands_.push_back(&a);
  }
  categories_ = kit::CategoriesOf(commands_);

  AddMenu("mnuCommandList", {{"mniToolBar_Add", "Action_ToolBar_Add"}});
  AddMenu("mnuNowSetting",
          {{"mniToolBar_Delete", "Action_ToolBar_Delete"}, {"mniToolBar_Line"}, {"mniToolBar_Reset", "Action_ToolBar_ResetAll"}});
  std::vector<kit::MenuRow> categories;
  for (size_t i = 0; i < categories_.size(); ++i) {
    const std::string command = "actCategory_" + std::to_string(i);
    AddCommand(command, categories_[i].name, [this, i] { ChooseCategory(static_cast<int>(i)); });
    categories.push_back({"mniPShortCut_Category_" + std::to_string(categories_[i].firstRow), command});
  }
  AddMenu("mnuCommandCategory", categories).stripAccelerators = true;
  SetControlMenu("CheckListBox_Command", "mnuCommandList");
  SetControlMenu("CheckListBox_NowSetting", "mnuNowSetting");
  SetControlMenu("Label_Command", "mnuCommandCategory");
}

TForm_Custom_ToolBar::~TForm_Custom_ToolBar() {
  // The lists draw with the icons: the window goes first.
  if (Handle()) DestroyWindow(Handle());
  if (icons_) ImageList_Destroy(icons_);
}

kit::OwnerList* TForm_Custom_ToolBar::CommandList() const { return Controls().List("CheckListBox_Command"); }
kit::OwnerList* TForm_Custom_ToolBar::NowSettingList() const { return Controls().List("CheckListBox_NowSetting"); }

kit::Action* TForm_Custom_ToolBar::CommandAt(int row) const {
  return row >= 0 && row < static_cast<int>(commands_.size()) ? commands_[static_cast<size_t>(row)] : nullptr;
}

int TForm_Custom_ToolBar::RowOfCommand(const kit::Action* action) const {
  auto it = std::find(commands_.begin(), commands_.end(), action);
  return it == commands_.end() ? -1 : static_cast<int>(it - commands_.begin());
}

std::wstring TForm_Custom_ToolBar::RowText(const kit::Action* a) const {
  return W(a->category) + L"/" + W(CaptionWithoutAccelerator(a->caption));
}

void TForm_Custom_ToolBar::OnCreate() {
  // Bound buttons keep their marked captions: Alt + the letter runs them.
  for (const ColumnButton& b : kColumn) SetWindowTextW(Control(b.name), W(CaptionOf(b.command)).c_str());

  HIMAGELIST drawn = ImageList_Create(kIconSize, kIconSize, ILC_COLOR32 | ILC_MASK, 0, CommandIconCount());
  FillCommandIcons(drawn);
  icons_ = ScaledImageList(drawn, Scale(kIconSize));
  ImageList_Destroy(drawn);

  for (kit::OwnerList* list : {CommandList(), NowSettingList()}) {
    list->faceSelectionWithoutFocus = true;
    list->SetImages(icons_);
    list->FitToFont(Scale(kIconSize));
    kit::SubclassControl(list->Handle(),
                         [this](HWND h, UINT msg, WPARAM wp, LPARAM lp) { return ListMessage(h, msg, wp, lp); });
  }
  // The enabled states follow the list that has the focus.
  OnFocus("CheckListBox_Command", [this] { FocusList(CommandList()->Handle()); });
  OnFocus("CheckListBox_NowSetting", [this] { FocusList(NowSettingList()->Handle()); });
  CommandList()->onCheck = [this](int row) { CommandChecked(row); };
  NowSettingList()->onCheck = [this](int row) { NowSettingChecked(row); };
  CommandList()->onSelect = [this](int row) {
    RefreshStates();
    ShowHint(CommandList()->Handle(), row);
  };
  NowSettingList()->onSelect = [this](int row) {
    RefreshStates();
    ShowHint(NowSettingList()->Handle(), row);
  };

  HWND combo = Control("ComboBox_CommandCategory");
  for (const kit::ActionCategory& c : categories_)
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(c.name).c_str()));
  SendMessageW(combo, CB_SETCURSEL, 0, 0);
  OnChange("ComboBox_CommandCategory",
           [this, combo] { ChooseCategory(static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0))); });

  FillCommands();
  FillNowSetting(-1);
  activeList_ = CommandList()->Handle();
  RefreshStates();
}

void TForm_Custom_ToolBar::FillCommands() {
  kit::OwnerList* list = CommandList();
  list->Clear();
  for (kit::Action* a : commands_) list->Add(kit::ListItem{RowText(a), a->imageIndex, false});
  SyncCommandChecks();
}

// The current list is the toolbar, button for button; `select` is the row
// to select afterwards (-1: none).
void TForm_Custom_ToolBar::FillNowSetting(int select) {
  kit::OwnerList* list = NowSettingList();
  const MainToolBar& bar = parts_.ToolBar();
  const int top = static_cast<int>(SendMessageW(list->Handle(), LB_GETTOPINDEX, 0, 0));
  SendMessageW(list->Handle(), WM_SETREDRAW, FALSE, 0);
  list->Clear();
  for (int i = 0; i < bar.Count(); ++i) {
    const MainToolBar::Button& b = bar.At(i);
    kit::ListItem item;
    item.checked = true;
    if (b.separator || !b.action) {
      item.text = b.separator ? L"-" : W(b.name);
    } else {
      item.text = RowText(b.action);
      item.image = b.action->imageIndex;
    }
    list->Add(item);
  }
  SendMessageW(list->Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(std::max(0, top)), 0);
  if (select >= list->Count()) select = list->Count() - 1;
  list->Select(select);
  SendMessageW(list->Handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list->Handle(), nullptr, TRUE);
}

// A command row is checked while some button runs its command.
void TForm_Custom_ToolBar::SyncCommandChecks() {
  kit::OwnerList* list = CommandList();
  const MainToolBar& bar = parts_.ToolBar();
  for (int row = 0; row < list->Count(); ++row) {
    bool on = false;
    for (int i = 0; i < bar.Count() && !on; ++i) on = bar.At(i).action == commands_[static_cast<size_t>(row)];
    list->SetChecked(row, on);
  }
}

void TForm_Custom_ToolBar::FocusList(HWND list) {
  activeList_ = list;
  RefreshStates();
}

void TForm_Custom_ToolBar::RefreshStates() {
  bool add = false, remove = false, up = false, down = false;
  kit::OwnerList* commands = CommandList();
  kit::OwnerList* now = NowSettingList();
  if (commands && activeList_ == commands->Handle()) {
    const int row = commands->Selected();
    add = row >= 0 && !commands->Checked(row);
  } else if (now && activeList_ == now->Handle()) {
    const int row = now->Selected();
    remove = row >= 0;
    up = row > 0;
    down = row >= 0 && row < now->Count() - 1;
  }
  const kit::ActionList& actions = PageActions();
  actions.Find("Action_ToolBar_Add")->SetEnabled(add);
  actions.Find("Action_ToolBar_Insert")->SetEnabled(add);
  actions.Find("Action_ToolBar_Delete")->SetEnabled(remove);
  actions.Find("Action_ToolBar_MoveUp")->SetEnabled(up);
  actions.Find("Action_ToolBar_MoveDown")->SetEnabled(down);
  if (Created()) Bindings().SyncFromActions();
}

void TForm_Custom_ToolBar::Add() {
  const int row = CommandList()->Selected();
  if (row < 0 || CommandList()->Checked(row)) return;
  Insert(parts_.ToolBar().Count(), row);
}

bool TForm_Custom_ToolBar::Insert(int position, int commandRow) {
  kit::Action* a = CommandAt(commandRow);
  MainToolBar& bar = parts_.ToolBar();
  position = std::clamp(position, 0, bar.Count());
  if (!a || !bar.InsertToolButton(position, a)) return false;
  FillNowSetting(position);
  SyncCommandChecks();
  RefreshStates();
  return true;
}

void TForm_Custom_ToolBar::Delete() {
  const int row = NowSettingList()->Selected();
  if (!parts_.ToolBar().RemoveToolButton(row)) return;
  FillNowSetting(row);  // the row that moved up, or the new last one
  SyncCommandChecks();
  RefreshStates();
}

void TForm_Custom_ToolBar::MoveUp() {
  MainToolBar& bar = parts_.ToolBar();
  const int row = NowSettingList()->Selected();
  if (row <= 0 || row >= bar.Count()) return;
  kit::Action* a = bar.At(row).action;
  bar.RemoveToolButton(row);
  bar.InsertToolButton(row - 1, a);
  FillNowSetting(row - 1);
  RefreshStates();
}

void TForm_Custom_ToolBar::MoveDown() {
  MainToolBar& bar = parts_.ToolBar();
  const int row = NowSettingList()->Selected();
  if (row < 0 || row >= bar.Count() - 1) return;
  kit::Action* a = bar.At(row).action;
  bar.RemoveToolButton(row);
  bar.InsertToolButton(row + 1, a);
  FillNowSetting(row + 1);
  RefreshStates();
}

void TForm_Custom_ToolBar::Reset() {
  if (AskYesNo(W(kQuestion), L"Zorvik") != kResultYes) return;
  MainToolBar& bar = parts_.ToolBar();
  bar.RemoveAllToolButtons();
  for (kit::Action* a : bar.DefaultToolBar()) bar.AppendToolButton(a);
  FillNowSetting(-1);
  SyncCommandChecks();
  RefreshStates();
}

void TForm_Custom_ToolBar::CommandChecked(int row) {
  kit::Action* a = CommandAt(row);
  if (!a) return;
  if (CommandList()->Checked(row)) {
    if (!Insert(parts_.ToolBar().Count(), row)) CommandList()->SetChecked(row, false);
    return;
  }
  MainToolBar& bar = parts_.ToolBar();
  for (int i = 0; i < bar.Count(); ++i) {
    if (bar.At(i).action != a) continue;
    const int selected = NowSettingList()->Selected();
    bar.RemoveToolButton(i);
    FillNowSetting(selected > i ? selected - 1 : selected);
    break;
  }
  SyncCommandChecks();
  RefreshStates();
}

void TForm_Custom_ToolBar::NowSettingChecked(int row) {
  if (NowSettingList()->Checked(row)) return;
  NowSettingList()->Select(row);
  Delete();
}

void TForm_Custom_ToolBar::DropOnNowSetting(int commandRow, POINT clientPoint) {
  if (!PageActions().Find("Action_ToolBar_Insert")->Enabled()) return;
  Insert(RowAt(NowSettingList()->Handle(), clientPoint), commandRow);
}

void TForm_Custom_ToolBar::DropOnCommands(int nowRow) {
  if (nowRow < 0 || nowRow >= NowSettingList()->Count()) return;
  NowSettingList()->Select(nowRow);
  Delete();
}

void TForm_Custom_ToolBar::ChooseCategory(int index) {
  if (index < 0 || index >= static_cast<int>(categories_.size())) return;
  HWND combo = Control("ComboBox_CommandCategory");
  if (SendMessageW(combo, CB_GETCURSEL, 0, 0) != index) SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(CommandList()->Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(categories_[index].firstRow), 0);
}

std::wstring TForm_Custom_ToolBar::HintText() const { return ControlText("Label_Hint"); }

// The hint of a row's command, or the row's text when it has none.
void TForm_Custom_ToolBar::ShowHint(HWND list, int row) {
  std::wstring hint;
  const kit::Action* a = nullptr;
  if (list == CommandList()->Handle()) {
    a = CommandAt(row);
  } else if (row >= 0 && row < parts_.ToolBar().Count() && !parts_.ToolBar().At(row).separator) {
    a = parts_.ToolBar().At(row).action;
  }
  if (a) hint = a->hint.empty() ? RowText(a) : W(a->hint);
  else if (list == NowSettingList()->Handle() && row >= 0 && row < NowSettingList()->Count())
    hint = NowSettingList()->Item(row).text;
  SetWindowTextW(Control("Label_Hint"), hint.c_str());
}

void TForm_Custom_ToolBar::Sync() {
  if (Created()) {
    FillNowSetting(NowSettingList()->Selected());
    SyncCommandChecks();
    RefreshStates();
  }
  kit::Page::Sync();
}

bool TForm_Custom_ToolBar::HostWheel(int delta, WPARAM keys) {
  if (!Created()) return false;
  POINT at{};
  GetCursorPos(&at);
  HWND under = WindowFromPoint(at);
  if (under != CommandList()->Handle() && under != NowSettingList()->Handle()) return false;
  SendMessageW(under, WM_MOUSEWHEEL, MAKEWPARAM(LOWORD(keys), static_cast<WORD>(static_cast<short>(delta))),
               MAKELPARAM(at.x, at.y));
  return true;
}

bool TForm_Custom_ToolBar::HostKeyUp(WPARAM, LPARAM) {
  if (Created()) RefreshStates();
  return false;
}

// The page menu is the menu of the list in front: the current list's when it
// has the focus, else the command list's, at the list's corner.
bool TForm_Custom_ToolBar::OnPopupMenu(POINT, HWND focus) {
  HWND list = focus == NowSettingList()->Handle() ? NowSettingList()->Handle() : CommandList()->Handle();
  POINT origin{0, 0};
  ClientToScreen(list, &origin);
  return OpenControlMenu(list, origin);
}

// A list's menu acts on that list.
void TForm_Custom_ToolBar::OnMenuOpening(kit::PopupMenu&, HWND control) {
  if (control == CommandList()->Handle() || control == NowSettingList()->Handle()) FocusList(control);
}

bool TForm_Custom_ToolBar::OnKey(HWND control, UINT msg, WPARAM vk, LPARAM) {
  const bool isList = control == CommandList()->Handle() || control == NowSettingList()->Handle();
  // On the lists F10 opens the list's menu only with Shift, and at once.
  if (isList && vk == VK_F10) {
    if ((msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) && GetKeyState(VK_SHIFT) < 0) {
      POINT origin{0, 0};
      ClientToScreen(control, &origin);
      OpenControlMenu(control, origin);
    }
    return msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN || msg == WM_KEYUP || msg == WM_SYSKEYUP;
  }
  if (isList && msg == WM_KEYUP) {
    switch (vk) {
      case VK_UP: case VK_DOWN: case VK_LEFT: case VK_RIGHT: case VK_HOME: case VK_END:
        RefreshStates();
        break;
      default:
        break;
    }
  }
  if (vk == VK_ESCAPE && drag_.dragging && msg == WM_KEYDOWN) {
    EndDrag(POINT{}, false);
    return true;
  }
  return false;
}

// Drag and drop between the lists, and the right and middle buttons.
std::optional<LRESULT> TForm_Custom_ToolBar::ListMessage(HWND list, UINT msg, WPARAM wp, LPARAM lp) {
  const POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  switch (msg) {
    case WM_LBUTTONDOWN: {
      const LRESULT r = kit::ControlDefault(list, msg, wp, lp);  // selects the row (and toggles a clicked box)
      // The list tells of the new selection only when the button goes up;
      // a drag must see it now.
      FocusList(list);
      drag_ = Drag{};
      const int row = RowAt(list, p);
      if (row < static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0))) {
        drag_.from = list;
        drag_.row = row;
        drag_.start = p;
        drag_.pressed = true;
      }
      return r;
    }
    case WM_MOUSEMOVE:
      if (drag_.pressed && drag_.from == list && !drag_.dragging) {  // pressed: until the button goes up
        const int slop = GetSystemMetrics(SM_CXDOUBLECLK);
        if (std::abs(p.x - drag_.start.x) >= slop || std::abs(p.y - drag_.start.y) >= slop) {
          drag_.dragging = true;
          SetCapture(list);
        }
      }
      if (drag_.dragging && drag_.from == list) {
        POINT screen = p;
        ClientToScreen(list, &screen);
        HWND under = WindowFromPoint(screen);
        const bool accepts =
            (list == CommandList()->Handle() && under == NowSettingList()->Handle() &&
             PageActions().Find("Action_ToolBar_Insert")->Enabled()) ||
            (list == NowSettingList()->Handle() && under == CommandList()->Handle());
        SetCursor(LoadCursorW(nullptr, accepts ? IDC_ARROW : IDC_NO));
        return 0;
      }
      break;
    case WM_LBUTTONUP:
      if (drag_.dragging && drag_.from == list) {
        POINT screen = p;
        ClientToScreen(list, &screen);
        EndDrag(screen, true);
        return 0;
      }
      if (drag_.pressed && drag_.from == list) ShowHint(list, static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)));
      drag_ = Drag{};
      break;
    case WM_CAPTURECHANGED:
      if (drag_.dragging && drag_.from == list && reinterpret_cast<HWND>(lp) != list) drag_ = Drag{};
      break;
    case WM_RBUTTONDOWN: {
      SetFocus(list);
      const int row = RowAt(list, p);
      if (row < static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)))
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
      FocusList(list);
      ShowHint(list, static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)));
      return 0;
    }
    case WM_RBUTTONUP: {
      POINT screen = p;
      ClientToScreen(list, &screen);
      OpenControlMenu(list, screen);
      return 0;
    }
    case WM_MBUTTONUP:
      ShowHint(list, static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)));
      break;
    default:
      break;
  }
  return std::nullopt;
}

void TForm_Custom_ToolBar::EndDrag(POINT screen, bool drop) {
  const Drag d = drag_;
  drag_ = Drag{};
  if (GetCapture() == d.from) ReleaseCapture();
  if (!drop || !d.from) return;
  HWND under = WindowFromPoint(screen);
  if (d.from == CommandList()->Handle() && under == NowSettingList()->Handle()) {
    POINT client = screen;
    ScreenToClient(under, &client);
    DropOnNowSetting(d.row, client);
  } else if (d.from == NowSettingList()->Handle() && under == CommandList()->Handle()) {
    DropOnCommands(d.row);
  }
}

}  // namespace zorvik
