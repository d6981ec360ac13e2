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

std::vector<TApp_ZorvikCustom::Tab> CustomisationTabs(const CustomisationParts& with, CustomisationPages& made) {
  return {
      {"TabSheet_Option", "一覧設定",
       [with] { return std::make_unique<TForm_Setting>(with.app, with.capture, with.live, with.apiEntries, with.design); }},
      {"tabMenu", "メニュー", [with] { return std::make_unique<TForm_Custom_Menu>(with.app, with.parts); }},
      {"tabToolBar", "ツールバー", [with] { return std::make_unique<TForm_Custom_ToolBar>(with.app, with.parts); }},
      {"tabShortCut", "ショートカット",
       [with, &made] {
         auto page = std::make_unique<TForm_Custom_ShortCut>(with.app, with.parts);
         // The version page lists the bindings: it follows every change.
         page->onBindingsChanged = [&made] {
           if (made.version) made.version->Rebuild();
         };
         return page;
       }},
      {"tabCopy", "コピー形式",
       [with, &made] {
         auto page = std::make_unique<TForm_Custom_Copy>(with.app, with.parts);
         made.copy = page.get();
         return page;
       }},
      {"tabHelp", "バージョン情報",
       [with, &made] {
         auto page = std::make_unique<TForm_VersionInfo>(with.app, with.parts);
         made.version = page.get();
         return page;
       }},
  };
}

}  // namespace zorvik
