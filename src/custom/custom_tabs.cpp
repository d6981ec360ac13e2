#include "custom/custom_tabs.h"

#include <memory>
#include <utility>

#include "custom/copy_page.h"
#include "custom/menu_page.h"
#include "custom/setting_page.h"
#include "custom/shortcut_page.h"
#include "custom/toolbar_page.h"
#include "custom/version_page.h"

namespace zorvik {

std::vector<TApp_ZorvikCustom::Tab> CustomisationTabs(AppServices& app, const SettingsDesignState& design,
                                                      std::function<kit::Page*(std::string_view tab)> pageOf) {
  return {
      {"TabSheet_Option", "一覧設定", [&app, &design] { return std::make_unique<TForm_Setting>(app, design); }},
      {"tabMenu", "メニュー", [&app] { return std::make_unique<TForm_Custom_Menu>(app); }},
      {"tabToolBar", "ツールバー", [&app] { return std::make_unique<TForm_Custom_ToolBar>(app); }},
      {"tabShortCut", "ショートカット",
       [&app, pageOf = std::move(pageOf)] {
         auto page = std::make_unique<TForm_Custom_ShortCut>(app);
         // The version page lists the bindings: it follows every change.
         page->onBindingsChanged = [pageOf] {
           if (auto* help = dynamic_cast<TForm_VersionInfo*>(pageOf("tabHelp"))) help->Rebuild();
         };
         return page;
       }},
      {"tabCopy", "コピー形式", [&app] { return std::make_unique<TForm_Custom_Copy>(app); }},
      {"tabHelp", "バージョン情報", [&app] { return std::make_unique<TForm_VersionInfo>(app); }},
  };
}

}  // namespace zorvik
