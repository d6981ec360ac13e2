// The main toolbar: an ordered list of command buttons on a Win32 toolbar
// control, with their icons, pressed looks and menus; and the command icon
// image lists.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "kit/action.h"

namespace zorvik {

// Draws every command icon (18x18) into the list, transparent parts masked.
void FillCommandIcons(HIMAGELIST list);
// The six state icons of the information area (14x14).
void FillInfoIcons(HIMAGELIST list);
// A new list with every image of `from` at size x size pixels, enlarged by
// whole pixels (the icons are pixel art); a copy of `from` when its images
// have that size already.
HIMAGELIST ScaledImageList(HIMAGELIST from, int size);

class MainToolBar {
public:
  struct Button {
    kit::Action* action = nullptr;
    std::string name;             // "ToolButton_Grid_Disp_0"
    bool check = false;           // stays pressed while the command is checked
    bool separator = false;
    std::string contextMenu;      // popup of the button's category, "" none
    std::string dropDownMenu;
    std::string nameBase;         // "ToolButton_Grid_Disp"
    int nameNumber = 0;           // 0
  };

  MainToolBar(kit::ActionList& actions, std::function<UINT(const kit::Action&)> commandOf);
  void Attach(HWND toolbar) { hwnd_ = toolbar; }
  HWND Handle() const { return hwnd_; }

  bool InsertToolButton(int position, kit::Action* action);
  bool AppendToolButton(kit::Action* action) { return InsertToolButton(Count(), action); }
  bool RemoveToolButton(int position);
  void RemoveAllToolButtons();
  int Count() const { return static_cast<int>(buttons_.size()); }
  const Button& At(int i) const { return buttons_[static_cast<size_t>(i)]; }

  void RecordDefaultToolBar();
  const std::vector<kit::Action*>& DefaultToolBar() const { return defaults_; }
  void ApplyToolBarLayout(const std::vector<uint16_t>& ids);
  std::vector<uint16_t> CollectToolBarLayout() const;

  // Pressed, enabled and hidden looks from the actions (all buttons; a new
  // button takes its look when it is inserted).
  void SyncStates();
  // Index of the button under a client point of the toolbar, -1 when none.
  int ButtonAt(POINT clientPoint) const;
  RECT ButtonRect(int index) const;  // screen coordinates

private:
  // Button names are base + "_" + the smallest number not in use for that
  // base. Per base: every number below `next` is in use except the released
  // ones, so the smallest free one is the lowest released, else `next`.
  struct NameNumbers {
    int next = 0;
    std::set<int> released;
  };
  int TakeNameNumber(const std::string& base);
  void ReleaseNameNumber(const std::string& base, int number);
  void SyncState(int index);
  kit::ActionList& actions_;
  std::function<UINT(const kit::Action&)> commandOf_;
  HWND hwnd_ = nullptr;
  std::vector<Button> buttons_;
  std::vector<kit::Action*> defaults_;
  std::map<std::string, NameNumbers> nameNumbers_;
};

}  // namespace zorvik
