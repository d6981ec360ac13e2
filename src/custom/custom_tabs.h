// The tabs of the customisation window in order, each with the factory of its
// page: the settings page, the menu, toolbar and shortcut pages, the copy
// formats and the version page.
#pragma once
#include <vector>

#include "apitest/api_entry_choice.h"
#include "custom/custom_window.h"
#include "inspection/capture_state.h"
#include "kit/tool_host.h"
#include "settings/design_state.h"
#include "settings/editable_parts.h"
#include "settings/live_settings.h"

namespace zorvik {

class TForm_Custom_Copy;
class TForm_VersionInfo;

// What the pages are made with: the main window's roles, the API test
// window's choice of entries, and the design-time state the settings page's
// Reset restores.
struct CustomisationParts {
  kit::ToolHost& app;
  const CaptureState& capture;
  EditableParts& parts;
  LiveSettings& live;
  ApiEntryChoice& apiEntries;
  const SettingsDesignState& design;
};

// The pages others reach, each set when it is made (null before): the
// version page follows the bindings the shortcut page changes, and a copy
// command opens the copy page on its own format.
struct CustomisationPages {
  TForm_VersionInfo* version = nullptr;
  TForm_Custom_Copy* copy = nullptr;
};

// Everything `with` refers to and `made` must outlive the tabs.
std::vector<TApp_ZorvikCustom::Tab> CustomisationTabs(const CustomisationParts& with, CustomisationPages& made);

}  // namespace zorvik
