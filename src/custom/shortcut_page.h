// The shortcut page of the customisation window: the 62 bindable keys and
// the four gestures on two tabs, every command with its keys and gestures
// beside them, and the commands, menus, keys and drag and drop that join a
// key or gesture to a command. The page keeps one command per key; a
// command may have any number of keys and gestures. Every change goes
// straight into the live binding list and gesture slots of the main window
// (which the settings writer stores at exit).
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "commands/command_table.h"
#include "kit/page.h"
#include "kit/win_menu.h"

namespace zorvik {

class EditableParts;
namespace kit {
class ToolHost;
class Grid;
class Splitter;
struct GridCellPaint;
}

class TForm_Custom_ShortCut : public kit::Page {
public:
  static constexpr int kDesignWidth = 500, kDesignHeight = 330;
  enum Tab : int { kKeyTab = 0, kGestureTab = 1 };

  TForm_Custom_ShortCut(kit::ToolHost& app, EditableParts& parts);
  ~TForm_Custom_ShortCut() override;

  kit::Grid* KeyGrid() const;      // StringGrid_ShortCutKey
  kit::Grid* GestureGrid() const;  // StringGrid_Gesture
  kit::Grid* CommandGrid() const;  // StringGrid_Command
  HWND TabControl() const { return tabs_; }

  // Rows of the command grid: one per command of the main action list, in
  // list order (data row = index + 1).
  int CommandCount() const { return static_cast<int>(commands_.size()); }
  kit::Action* CommandAt(int dataRow) const;
  const CommandDef* CommandDefAt(int dataRow) const;
  int RowOfCommand(const std::string& name) const;  // 0 when not listed
  // Data row of a key of the fixed key set (its row number + 1), 0 when none.
  static int RowOfKey(uint16_t key);
  // The command the key row shows (the first binding of the key), or null.
  const CommandDef* KeyRowCommand(int dataRow) const;
  // The text of a command's key column ("[F1] [Z]").
  std::wstring KeyColumnText(const CommandDef* command) const;

  // The tab in front, and bringing one to the front as a click would.
  int CurrentTab() const { return tab_; }
  void ShowTab(int tab);

  // Categories in order of first appearance, each with its first data row.
  const std::vector<kit::ActionCategory>& Categories() const { return categories_; }
  void ChooseCategory(int index);
  std::wstring HintText() const;

  // The edits, on data rows of the grids (key rows 1-62, gesture rows 1-4).
  void SetKey(int keyRow, const CommandDef* command);
  void ClearKey(int keyRow);
  void SetGesture(int gestureRow, const CommandDef* command);
  void ClearGesture(int gestureRow);
  void RefreshAll();
  // What the buttons and menus do.
  void SetSelected();            // Set / Add: the selected key or gesture of the tab in front gets the selected command
  void DeleteKey();              // the selected key row
  void DeleteGesture();          // the selected gesture row
  void DeleteCommandBindings();  // every key and gesture of the selected command
  void ResetKeys();              // each asks first
  void ResetGestures();
  void ResetAll();
  // A key or gesture chosen from the command grid's menu for the selected
  // command; asks before it takes a key or gesture from another command.
  void AddKeyToSelected(int keyRow);
  void AddGestureToSelected(int gestureRow);
  // A command chosen from a "%s コマンドをセット" submenu.
  void SetCommandOnSelected(int commandRow);
  // A drop: the selected row of `from` and the data row under the pointer of
  // `onto` (one of them the command grid) make a pair for Set.
  void Drop(kit::Grid* from, kit::Grid* onto, int ontoRow);

  void RefreshStates();

  kit::PopupMenu& KeyMenu() { return *Menu("mnuShortCutKey"); }
  kit::PopupMenu& GestureMenu() { return *Menu("mnuGesture"); }
  kit::PopupMenu& CommandMenu() { return *Menu("mnuCommand"); }
  kit::PopupMenu& CategoryMenu() { return *Menu("mnuCommand_Category"); }
  kit::PopupMenu& PageMenu() { return *Menu("mnuCustomShortCut"); }

  // Called after every change of the bindings or gestures (the version page
  // rebuilds its list from them).
  std::function<void()> onBindingsChanged;

  void Sync() override;
  bool HostKeyUp(WPARAM vk, LPARAM lp) override;
  // Whether a row is being dragged with the mouse (the "no" cursor may show).
  bool Dragging() const { return drag_.dragging; }

protected:
  void OnCreate() override;
  void OnResize(int width, int height) override;
  void OnMenuOpening(kit::PopupMenu& menu, HWND control) override;
  bool OnKey(HWND control, UINT msg, WPARAM vk, LPARAM lp) override;
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
  struct CommandRow {
    kit::Action* action;
    const CommandDef* def;
  };
  struct Drag {
    kit::Grid* from = nullptr;
    POINT start{};
    bool pressed = false, dragging = false;
  };

  void BuildActions();
  void BuildMenus();
  void SetUpGrid(kit::Grid* grid);
  void FillGrids();
  void Layout(int leftWidth);
  void FitColumns();
  void ShowKeyRow(int keyRow);
  void ShowGestureRow(int gestureRow);
  void ShowKeyColumn(const CommandDef* command);
  void Changed();
  void ShowHintOf(kit::Grid* grid, int row);
  bool DrawCell(kit::Grid* grid, HDC dc, kit::GridCellPaint& cell);
  bool GridMouse(kit::Grid* grid, UINT msg, POINT p);
  void EndDrag(POINT screen);
  void PopupPageMenu();
  bool Ask(const CommandDef* holder, const std::string& name) const;
  void CloseWindow();

  kit::ToolHost& app_;
  EditableParts& parts_;
  std::vector<CommandRow> commands_;
  std::vector<kit::ActionCategory> categories_;
  std::vector<int> keyRowCommand_;  // index in the action list of the command each key row shows, -1: none
  HWND tabs_ = nullptr;
  std::unique_ptr<kit::Splitter> splitter_;
  int leftWidth_ = 0;  // of the tab control, in pixels
  int tab_ = kKeyTab;
  HFONT fixedFont_ = nullptr, uiFont_ = nullptr;
  Drag drag_;
};

}  // namespace zorvik
