// The popup menus of the main window: PopupMenu_Main built from the menu
// table, the toolbar's section copies and its own menu; the visibility
// snapshot, apply and collect used by the settings and the menu page.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "kit/action.h"
#include "kit/win_menu.h"

namespace zorvik {

class MainMenus {
public:
  explicit MainMenus(kit::ActionList& actions) : actions_(actions) {}
  // Builds the trees; the actions must exist by then.
  void Build();

  kit::PopupMenu& Main() { return *menus_.at("PopupMenu_Main"); }
  // "PopupMenu_Main", "PopupMenu_Zoom", ... "PopupMenu_ToolBar"; nullptr when unknown.
  kit::PopupMenu* ByName(const std::string& name);

  // Design-time visibility of every item, depth first (items named "__..." skipped).
  void SnapshotMenuDefaults();
  void ResetToDefaults();
  // Shows every item, then hides the items with the listed identifiers.
  void ApplyHiddenMenuItems(const std::vector<uint16_t>& ids);
  // Identifiers of the hidden items, depth first (0 for items without one).
  std::vector<uint16_t> CollectHiddenMenuItems() const;
  // Fills the toolbar's section menus with copies of the main menu's sections.
  void CloneSections();

  kit::MenuNode* ItemById(uint16_t id);

private:
  std::string UniqueName(const std::string& base);
  kit::ActionList& actions_;
  std::map<std::string, std::unique_ptr<kit::PopupMenu>> menus_;
  std::vector<std::pair<kit::MenuNode*, bool>> defaults_;
  std::map<std::string, int> usedNames_;
};

}  // namespace zorvik
