// The customisation window TApp_ZorvikCustom ("カスタマイズ"): one window
// whose tabs host the customisation pages (settings, menu, toolbar,
// shortcuts, copy formats, version). Each page is made the first time its
// tab is shown, at most once, fills the tab area and lives until the
// program ends; a hint bar under the tabs shows the hint of the control
// under the pointer. The pages come from a table the main window gives (so
// this window knows none of them); a tab without a page stays empty.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "kit/page_host.h"
#include "kit/tool_host.h"
#include "kit/tool_window.h"

namespace zorvik {

class TApp_ZorvikCustom : public kit::ToolWindow {
public:
  // One tab: its name ("TabSheet_Option"), caption and the page's factory
  // (none: the tab stays empty).
  struct Tab {
    std::string name, caption;
    kit::PageHost::Factory factory;
  };
  // The tab area's size at 96 dpi (the page control without its tabs).
  static constexpr int kDesignPageWidth = 500, kDesignPageHeight = 330;

  TApp_ZorvikCustom(kit::ToolHost& app, std::vector<Tab> tabs);
  ~TApp_ZorvikCustom() override;

  // Makes the window when needed (centred on the work area of the monitor
  // under the cursor), makes `tab` the active one and brings the window up:
  // focused when it is visible and enabled, shown otherwise.
  void ShowCustomisation(std::string_view tab);

  // The tabs: count, the active one, and making one active as a click does.
  size_t TabCount() const { return pages_.Count(); }
  int ActiveTab() const;
  void SelectTab(int index);
  HWND TabControl() const { return tabs_; }
  // The page of a tab when it was made, else null; the one in front.
  kit::Page* PageOf(std::string_view tab) const { return pages_.Find(tab); }
  kit::Page* ActivePage() const;
  // The tab area in client coordinates.
  RECT PageArea() const;

protected:
  void OnCreate() override;
  void OnResize(int width, int height) override;
  void OnIconClick() override;
  std::wstring HintAt(HWND window) const override;
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
  void ShowTab(int index);
  void ChainKeys(kit::Page& page);
  bool TabKey(UINT msg, WPARAM vk);

  kit::ToolHost& app_;
  kit::PageHost pages_;
  HWND tabs_ = nullptr;
  std::vector<kit::Page*> chained_;  // pages whose keys pass here first
};

}  // namespace zorvik
