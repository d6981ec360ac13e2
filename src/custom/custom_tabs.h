// The tabs of the customisation window in order, each with the factory of its
// page: the settings page, the menu, toolbar and shortcut pages, the copy
// formats and the version page.
#pragma once
#include <functional>
#include <string_view>
#include <vector>

#include "custom/custom_window.h"
#include "kit/app_services.h"
#include "kit/page.h"
#include "settings/design_state.h"

namespace zorvik {

// `design` is the design-time state the settings page's Reset restores;
// `pageOf` finds the page of a tab once it was made (null before), so that the
// version page can follow the bindings the shortcut page changes. Both must
// outlive the tabs.
std::vector<TApp_ZorvikCustom::Tab> CustomisationTabs(AppServices& app, const SettingsDesignState& design,
                                                      std::function<kit::Page*(std::string_view tab)> pageOf);

}  // namespace zorvik
