// The menu page of the customisation window: which items of the main popup
// menu are shown. A tree of the menu's sections (the root stands for the
// whole menu), a check list of the chosen section's items whose checks are
// the items' own visible flags, the hint of the clicked row's command, and
// Test (F5: the live menu at the page's corner), Reset (the design-time
// visibility, after a Yes) and Close. A check changes the live menu at once.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "kit/page.h"
#include "kit/win_menu.h"

namespace zorvik {

class EditableParts;
namespace kit {
class ToolHost;
class OwnerList;
}

class TForm_Custom_Menu : public kit::Page {
public:
  static constexpr int kDesignWidth = 500, kDesignHeight = 330;

  TForm_Custom_Menu(kit::ToolHost& app, EditableParts& parts);

  // Tree nodes: 0 is the root ("ルート"), then the sections in menu order.
  int NodeCount() const { return static_cast<int>(nodes_.size()); }
  kit::MenuNode* NodeItem(int node) const;
  int SelectedNode() const;
  void SelectNode(int node);
  // The menu item shown in a row of the check list, null when none.
  kit::MenuNode* RowItem(int row) const;
  kit::OwnerList* ItemList() const;
  std::wstring HintText() const;

  // The page's commands: the buttons, F5 and the page's menu run them.
  void Test();
  void Reset();  // asks first
  kit::PopupMenu& PageMenu() { return *Menu("mnuMenu"); }

  void Sync() override;

protected:
  void OnCreate() override;
  bool OnKey(HWND control, UINT msg, WPARAM vk, LPARAM lp) override;

private:
  void FillTree();
  void FillList();
  void RowChecked(int row);
  void RowClicked(int row);

  kit::ToolHost& app_;
  EditableParts& parts_;
  std::vector<kit::MenuNode*> nodes_;
  std::vector<HTREEITEM> treeItems_;
  std::vector<kit::MenuNode*> rows_;
};

}  // namespace zorvik
