#include "custom/menu_page.h"

#include <string>

#include "commands/main_menus.h"
#include "platform/dollar_escapes.h"
#include "kit/tool_host.h"
#include "settings/editable_parts.h"
#include "kit/owner_list.h"
#include "platform/message_dialog.h"
#include "platform/text.h"
#include "platform/win_text.h"

namespace zorvik {

namespace {

const char kQuestion[] = "メニュー表示の設定をリセットします\rよろしいですか";

// Columns: kind, name, caption, 96-dpi rectangle, parent, flags, hint, command.
kit::ControlTableDesc MenuPageTable() {
  using kit::ControlKind;
  constexpr unsigned kCorner = kit::kMoveRight | kit::kMoveBottom;
  constexpr unsigned kFooter = kit::kStretchRight | kit::kMoveBottom;
  return {
      {ControlKind::Label, "Label_MenuText", "　表示するメニュー項目にチェック", {8, 8, 300, 16}},
      {ControlKind::TreeView, "TreeView_Menu", "", {8, 28, 160, 210}, "", kit::kStretchBottom},
      {ControlKind::CheckList, "CheckListBox_Menu", "", {176, 28, 316, 210}, "",
       kit::kStretchRight | kit::kStretchBottom},
      {ControlKind::GroupBox, "GroupBox_Hint", "コマンドヒント", {8, 244, 484, 44}, "", kFooter},
      {ControlKind::Label, "Label_Hint", "", {8, 20, 468, 16}, "GroupBox_Hint", kFooter},
      {ControlKind::Button, "Button_Test", "テスト", {252, 298, 76, 24}, "", kCorner, "", "actMenu_Test"},
      {ControlKind::Button, "Button_Reset", "リセット", {334, 298, 76, 24}, "", kCorner, "", "actMenu_Reset"},
      {ControlKind::Button, "Button_Close", "閉じる", {416, 298, 76, 24}, "", kCorner, "", "actFile_Close"},
  };
}

// What a row or node says: the command's caption, else the item's own, without
// the accelerator marker (write items may spell characters as "$XXXX").
std::wstring ItemText(const kit::MenuNode& n) {
  std::string caption = n.action && !n.action->caption.empty() ? n.action->caption : n.caption;
  std::wstring text = W(CaptionWithoutAccelerator(caption));
  if (n.decodeDollar) text = Wide(DecodeDollarEscapes(U16(text)));
  return text;
}

bool Internal(const kit::MenuNode& n) { return n.name.rfind("__", 0) == 0; }

}  // namespace

TForm_Custom_Menu::TForm_Custom_Menu(kit::ToolHost& app, EditableParts& parts)
    : kit::Page("TForm_Custom_Menu", "メニューカスタマイズ", MenuPageTable(), kDesignWidth, kDesignHeight),
      app_(app),
      parts_(parts) {
  AddCommand("actMenu_Test", "テスト", [this] { Test(); });
  AddCommand("actMenu_Reset", "リセット", [this] { Reset(); });
  AddCommand("actFile_Close", "閉じる", [this] { CloseHost(app_.MainWindow()); });

  // The nodes: the root for the whole menu, then every top-level item that
  // has items of its own (the sections).
  kit::MenuNode& root = parts_.Menus().Main().Root();
  nodes_.push_back(&root);
  for (const auto& c : root.children)
    if (!c->children.empty() && !Internal(*c)) nodes_.push_back(c.get());

  // "Move to category": one item per tree node.
  kit::MenuRow category{"mniMenu_Category", "", "カテゴリ移動(&M)"};
  for (size_t i = 0; i < nodes_.size(); ++i) {
    const std::string command = "actMenu_Category_" + std::to_string(i);
    AddCommand(command, i == 0 ? "ルート" : U8(ItemText(*nodes_[i])), [this, i] { SelectNode(static_cast<int>(i)); });
    category.items.push_back({"mniMenu_Category_" + std::to_string(i), command});
  }
  AddMenu("mnuMenu", {category,
                      {"mniMenu_Line1"},
                      {"mniMenu_Test", "actMenu_Test"},
                      {"mniMenu_Reset", "actMenu_Reset"},
                      {"mniMenu_Line2"},
                      {"mniFile_Close", "actFile_Close"}});
  SetPageMenu("mnuMenu", true);
}

void TForm_Custom_Menu::OnCreate() {
  kit::OwnerList* list = ItemList();
  list->onCheck = [this](int row) { RowChecked(row); };
  list->onSelect = [this](int row) { RowClicked(row); };
  OnChange("TreeView_Menu", [this] {
    FillList();
    SetWindowTextW(Control("Label_Hint"), L"");
  });
  FillTree();
  FillList();
}

void TForm_Custom_Menu::FillTree() {
  HWND tree = Control("TreeView_Menu");
  treeItems_.clear();
  TreeView_DeleteAllItems(tree);
  HTREEITEM root = nullptr;
  for (size_t i = 0; i < nodes_.size(); ++i) {
    std::wstring text = i == 0 ? std::wstring(L"ルート") : ItemText(*nodes_[i]);
    TVINSERTSTRUCTW ins{};
    ins.hParent = i == 0 ? TVI_ROOT : root;
    ins.hInsertAfter = TVI_LAST;
    ins.item.mask = TVIF_TEXT | TVIF_PARAM;
    ins.item.pszText = text.data();
    ins.item.lParam = static_cast<LPARAM>(i);
    HTREEITEM item = TreeView_InsertItem(tree, &ins);
    if (i == 0) root = item;
    treeItems_.push_back(item);
  }
  if (root) {
    TreeView_Expand(tree, root, TVE_EXPAND);
    TreeView_SelectItem(tree, root);
  }
}

kit::MenuNode* TForm_Custom_Menu::NodeItem(int node) const {
  return node >= 0 && node < NodeCount() ? nodes_[static_cast<size_t>(node)] : nullptr;
}

int TForm_Custom_Menu::SelectedNode() const {
  HWND tree = Control("TreeView_Menu");
  HTREEITEM sel = tree ? TreeView_GetSelection(tree) : nullptr;
  for (size_t i = 0; i < treeItems_.size(); ++i)
    if (treeItems_[i] == sel) return static_cast<int>(i);
  return -1;
}

void TForm_Custom_Menu::SelectNode(int node) {
  if (node < 0 || node >= static_cast<int>(treeItems_.size())) return;
  TreeView_SelectItem(Control("TreeView_Menu"), treeItems_[static_cast<size_t>(node)]);
}

kit::OwnerList* TForm_Custom_Menu::ItemList() const { return Controls().List("CheckListBox_Menu"); }

kit::MenuNode* TForm_Custom_Menu::RowItem(int row) const {
  return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<size_t>(row)] : nullptr;
}

std::wstring TForm_Custom_Menu::HintText() const { return ControlText("Label_Hint"); }

// The rows: the direct items of the selected node (the root when none is
// selected), checked while their own visible flag is set.
void TForm_Custom_Menu::FillList() {
  kit::OwnerList* list = ItemList();
  if (!list) return;
  const int node = SelectedNode();
  kit::MenuNode* parent = NodeItem(node >= 0 ? node : 0);
  const int top = static_cast<int>(SendMessageW(list->Handle(), LB_GETTOPINDEX, 0, 0));
  const int selected = list->Selected();
  const bool sameNode = !rows_.empty() && rows_.front()->parent == parent;
  SendMessageW(list->Handle(), WM_SETREDRAW, FALSE, 0);
  list->Clear();
  rows_.clear();
  for (const auto& c : parent->children) {
    if (Internal(*c)) continue;
    rows_.push_back(c.get());
    list->Add(kit::ListItem{c->separator ? std::wstring() : ItemText(*c), -1, c->visible, c->separator});
  }
  if (sameNode) {  // a refill of the same rows keeps the view
    SendMessageW(list->Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    if (selected >= 0 && selected < list->Count()) list->Select(selected);
  }
  SendMessageW(list->Handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list->Handle(), nullptr, TRUE);
}

void TForm_Custom_Menu::RowChecked(int row) {
  kit::MenuNode* item = RowItem(row);
  if (!item) return;
  item->visible = ItemList()->Checked(row);
  InvalidateRect(ItemList()->Handle(), nullptr, FALSE);
}

void TForm_Custom_Menu::RowClicked(int row) {
  kit::MenuNode* item = RowItem(row);
  std::wstring hint = item && item->action ? W(item->action->hint) : std::wstring();
  SetWindowTextW(Control("Label_Hint"), hint.c_str());
}

void TForm_Custom_Menu::Sync() {
  if (Created()) FillList();
  kit::Page::Sync();
}

void TForm_Custom_Menu::Test() {
  if (!Handle()) return;
  POINT origin{0, 0};
  ClientToScreen(Handle(), &origin);
  HWND owner = app_.MainWindow();
  if (!owner || !IsWindow(owner)) owner = GetAncestor(Handle(), GA_ROOT);
  const kit::ActionList& actions = app_.Actions();
  parts_.Menus().Main().Popup(owner, origin.x, origin.y, [&actions](const kit::Action& a) {
    return static_cast<UINT>(actions.IndexOf(&a) + 1);
  });
}

void TForm_Custom_Menu::Reset() {
  if (AskYesNo(W(kQuestion), L"Zorvik") != kResultYes) return;
  HCURSOR before = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  EnableWindow(Handle(), FALSE);
  parts_.Menus().ResetToDefaults();
  if (SelectedNode() < 0) SelectNode(0);
  FillList();
  EnableWindow(Handle(), TRUE);
  SetCursor(before);
}

bool TForm_Custom_Menu::OnKey(HWND, UINT msg, WPARAM vk, LPARAM) {
  if (vk == VK_F5 && (msg == WM_KEYDOWN || msg == WM_KEYUP)) {
    if (msg == WM_KEYDOWN) PageActions().Find("actMenu_Test")->Execute();
    return true;
  }
  return false;
}

}  // namespace zorvik
