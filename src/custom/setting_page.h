// The settings page TForm_Setting ("一覧設定") of the customisation window:
// a second view of the main window's commands. A category tree on the left
// brings one panel to the front; its check boxes, radio buttons and buttons
// are bound to the commands of the same name, its check lists list the
// toggle commands of one category, and every change acts on the main window
// at once. Reset asks first, then brings back the design state the main
// window recorded at start.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "apitest/api_entry_choice.h"
#include "inspection/capture_state.h"
#include "kit/page.h"
#include "kit/tool_host.h"
#include "settings/design_state.h"
#include "settings/live_settings.h"

namespace zorvik {

class TForm_Setting : public kit::Page {
public:
  // `apiEntries` is the API test window's choice of entries (its panel).
  TForm_Setting(kit::ToolHost& app, const CaptureState& capture, LiveSettings& live, ApiEntryChoice& apiEntries,
                const SettingsDesignState& design);
  ~TForm_Setting() override;

  // Follows the live state: bound controls, check lists, zoom, spin edits.
  void Sync() override;
  // The wheel over the page while the zoom track bar has the focus zooms
  // the main window.
  bool HostWheel(int delta, WPARAM keys) override;

  // Selects a node of the category tree by its caption, as a click does.
  bool SelectNode(std::string_view caption);
  std::string SelectedNode() const;
  // The panel in front (its control name), "" when none.
  std::string VisiblePanel() const;

  // Reset: asks, and on Yes restores the design state.
  void Reset();
  // The question Reset asks (message, title) -> modal result; the message
  // dialog by default.
  std::function<int(const std::wstring&, const std::wstring&)> ask;

protected:
  void OnCreate() override;

private:
  void BuildTree();
  void ShowNode(int node);
  void FillApiList();
  void ApiListChecked();
  void ZoomMoved();
  void SpinChanged(const char* name);
  void SyncSpinEdits();
  void FixSpinRanges();
  void AfterListCheck();
  void WheelToMainWindow(WPARAM wp, LPARAM lp);

  kit::ToolHost& app_;
  const CaptureState& capture_;
  LiveSettings& live_;
  ApiEntryChoice& apiEntries_;
  const SettingsDesignState& design_;
  int tickListener_ = 0;
  int node_ = -1;
  bool syncing_ = false;
  std::vector<std::string> apiNames_;
  RECT fixedRange_{};  // the fixed point's range as last set
};

}  // namespace zorvik
