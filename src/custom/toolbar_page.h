// The toolbar page of the customisation window: every command with an icon
// on the left (checked while some toolbar button runs it), the toolbar's
// buttons in order on the right, and between them Add, Delete, Move up and
// Move down; drag and drop between the lists, the category box and menu that
// scroll the command list, the hint of the clicked row, Close and Reset (the
// five design-time buttons, after a Yes). Every change shows on the live
// toolbar at once.
//
// There is no separator entry: a separator button has no command identifier
// and would be lost silently at the next start.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

#include "kit/page.h"
#include "kit/win_menu.h"

namespace zorvik {

class EditableParts;
namespace kit {
class ToolHost;
class OwnerList;
}

class TForm_Custom_ToolBar : public kit::Page {
public:
  static constexpr int kDesignWidth = 500, kDesignHeight = 330;

  TForm_Custom_ToolBar(kit::ToolHost& app, EditableParts& parts);
  ~TForm_Custom_ToolBar() override;

  kit::OwnerList* CommandList() const;     // CheckListBox_Command
  kit::OwnerList* NowSettingList() const;  // CheckListBox_NowSetting
  // The command of a row of the command list, null when none.
  kit::Action* CommandAt(int row) const;
  int RowOfCommand(const kit::Action* action) const;  // -1 when not listed
  // Categories in order of first appearance, each with its first row.
  const std::vector<kit::ActionCategory>& Categories() const { return categories_; }
  void ChooseCategory(int index);
  std::wstring HintText() const;
  // The design width of the four buttons between the lists.
  int ButtonColumnWidth() const { return columnWidth_; }

  // The list whose focus the enabled states follow; they are refreshed from
  // it and its selection.
  void FocusList(HWND list);
  void RefreshStates();

  // The page's commands (buttons, menus, keys, drag and drop).
  void Add();
  bool Insert(int position, int commandRow);  // a button for the row's command at `position`
  void Delete();
  void MoveUp();
  void MoveDown();
  void Reset();  // asks first
  // A drop at a client point of the target list: a command row on the
  // current list inserts it at the row under the point (below the last row:
  // appended); a current row on the command list deletes it.
  void DropOnNowSetting(int commandRow, POINT clientPoint);
  void DropOnCommands(int nowRow);

  kit::PopupMenu& CommandListMenu() { return *Menu("mnuCommandList"); }
  kit::PopupMenu& NowSettingMenu() { return *Menu("mnuNowSetting"); }
  kit::PopupMenu& CategoryMenu() { return *Menu("mnuCommandCategory"); }

  void Sync() override;
  // The wheel over the customisation window scrolls the list under the
  // pointer; a key released there refreshes the enabled states.
  bool HostWheel(int delta, WPARAM keys) override;
  bool HostKeyUp(WPARAM vk, LPARAM lp) override;

protected:
  void OnCreate() override;
  bool OnPopupMenu(POINT screen, HWND focus) override;
  void OnMenuOpening(kit::PopupMenu& menu, HWND control) override;
  bool OnKey(HWND control, UINT msg, WPARAM vk, LPARAM lp) override;

private:
  struct Drag {
    HWND from = nullptr;
    int row = -1;
    POINT start{};
    bool pressed = false, dragging = false;
  };
  std::optional<LRESULT> ListMessage(HWND list, UINT msg, WPARAM wp, LPARAM lp);
  void EndDrag(POINT screen, bool drop);

  void FillCommands();
  void FillNowSetting(int select);
  void SyncCommandChecks();
  void CommandChecked(int row);
  void NowSettingChecked(int row);
  void ShowHint(HWND list, int row);
  std::wstring RowText(const kit::Action* action) const;

  kit::ToolHost& app_;
  EditableParts& parts_;
  std::vector<kit::Action*> commands_;
  std::vector<kit::ActionCategory> categories_;
  int columnWidth_ = 0;
  HWND activeList_ = nullptr;
  HIMAGELIST icons_ = nullptr;
  Drag drag_;
};

}  // namespace zorvik
