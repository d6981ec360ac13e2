// The API test window "APIテスト": pick an entry of the API catalogue and
// watch its results for the window under the capture point change live.
// Top to bottom: the entry list, the declaration line, the choice of target
// window, the result grid ("引数", "値", "説明") and the entry's description.
//
// The main window owns one from the start (so that it can take its block of
// the settings file); the window itself is made on first use and from then
// on only hidden and shown again. While it is visible, each full refresh of
// the main window runs the chosen entry once more (unless one of its two
// drop-down lists is open); the parameter and description columns are
// refilled only when the entry changes, otherwise only the values.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "apitest/api_entry_choice.h"
#include "apitest/my_apivalue.h"
#include "inspection/capture_state.h"
#include "kit/tool_host.h"
#include "kit/tool_window.h"
#include "settings/settings_data.h"

namespace zorvik {

namespace kit {
class Grid;
class OwnerList;
class Page;
class Splitter;
}  // namespace kit

// It is also the settings page's choice of its entries (ApiEntryChoice).
class TApp_ZorvikAPITest : public kit::ToolWindow, public ApiEntryChoice {
public:
  // Items of the target choice, in their order.
  enum Target { kCaptureWindow = 0, kParentWindow = 1, kTopLevelWindow = 2, kDesktopWindow = 3 };

  TApp_ZorvikAPITest(kit::ToolHost& app, const CaptureState& capture);
  ~TApp_ZorvikAPITest() override;

  // --- the settings file (AppSettings participant) -----------------------
  // What was read: kept until the window is made, and written back as read
  // as long as it never is.
  void ApplySettings(const SettingsData& read, uint32_t sectionsRead);
  // Bounds, selected index, hint height and hidden list of the live window;
  // nothing while the window was never made.
  void CollectSettings(SettingsData& out) const;

  // --- showing -----------------------------------------------------------
  // What Action_Test_APITest does with its check: shows the window (making
  // it first, when Shift and Ctrl are both held without the saved layout) or
  // hides it. `activate` false leaves the focus where it is (at start-up).
  void ActionExecute(bool checked, bool activate = true);
  // Makes the window, hidden, at `dpi`; skipLayout: leave the saved bounds,
  // hint height, hidden list and selection aside. Later calls do nothing.
  bool Make(HWND owner, int dpi, bool skipLayout);

  // --- running -----------------------------------------------------------
  // Runs the selected entry on `window` (or the window the target choice
  // derives from it) and shows the results. A call made while a run is under
  // way (from a message delivered during one of its sends) does nothing.
  void RunOnTarget(HWND window, POINT point);
  bool Running() const { return running_; }
  // One tick of the main window: runs on the window under the capture point
  // while this window is visible and no drop-down list is open.
  void Follow();

  // --- the entry list ----------------------------------------------------
  // All entries, sorted by group and name (what the settings page lists);
  // empty before the window is made.
  std::vector<const T_Execute*> SortedEntries() const;
  // The names of SortedEntries, making the window (hidden) first.
  std::vector<std::string> CatalogueNames() override;
  // The names the entry list offers, in list order.
  std::vector<std::string> OfferedNames() const override;
  // Offers every entry except `hidden` (exact names), keeping the selected
  // entry selected when it is still offered; the hidden list becomes the
  // catalogue names that are not offered.
  void SetHiddenNames(const std::vector<std::string>& hidden) override;
  const std::string& HiddenListText() const { return hiddenList_; }

  // Selects an entry of the list as the user does (-1: none) and runs it
  // with no window, so that its reference text shows at once.
  void ChooseEntry(int index);
  int SelectedIndex() const;
  std::string SelectedName() const;
  void SetTarget(Target target);
  int TargetIndex() const;

  // --- what it shows (also for tests) ------------------------------------
  std::wstring DeclarationText() const;
  std::wstring HintText() const;
  int HintHeight() const { return hintHeight_; }
  // Sets the hint area's height as the splitter does.
  void SetHintHeight(int height);
  kit::Grid* ResultGrid() const;
  HWND Control(const char* name) const;
  T_MyAPIValue* Catalogue() const { return api_.get(); }
  // The grid's rows as text: cells separated by tabs, rows ended by CR LF
  // (what the grid answers to WM_GETTEXT).
  std::wstring ResultText() const;

protected:
  void OnCreate() override;
  void OnResize(int width, int height) override;

private:
  void BuildControls();
  void RestoreLayout();
  void FillEntryList(const std::vector<std::string>& hidden);
  void Layout();
  void ShowResults();
  void ShowEmpty();
  void ShowDescription();
  void SetDeclaration(const std::wstring& text);
  void FitResultColumn();
  void FollowInfoFont();

  kit::ToolHost& app_;
  const CaptureState& capture_;
  std::unique_ptr<T_MyAPIValue> api_;
  std::unique_ptr<kit::Page> page_;
  std::unique_ptr<kit::Splitter> splitter_;
  HWND border_ = nullptr;  // the line under the top controls
  int tickListener_ = 0;
  int hintHeight_ = 0;
  HFONT hintFont_ = nullptr;  // the main window's information font, not owned
  bool laidOut_ = false;
  bool running_ = false;  // RunOnTarget is under way

  // The block as read, until the window is made; the hidden list stays here
  // while the window lives.
  StoredApiTest saved_;
  std::string hiddenList_;
};

}  // namespace zorvik
