#include "settings/design_state.h"

#include "kit/tool_host.h"
#include "settings/live_settings.h"

namespace zorvik {

namespace {

constexpr const char* kCatZoom = "拡大倍率";
constexpr const char* kCatGrid = "グリッド";

// The commands whose checks Reset restores: by name, or every toggle of a
// category (the information lines).
const char* const kCheckedCommands[] = {
    "Action_Grid_Disp",        "Action_Grid_UseSubElseColor",  "Action_Opt_StayOnTop",
    "Action_Opt_TitleBar",     "Action_Opt_ToolBar",           "Action_Capture_Pause",
    "Action_Capture_Lupe",     "Action_Capture_Fixed",         "Action_Capture_NoSelfCapture",
    "Action_Capture_SmoothCapture",
};
const char* const kLineCategories[] = {"カーソル位置情報", "カラー情報", "ウィンドウ情報"};
// The three grid colours live in the tags of their choosing commands.
const char* const kColourCommands[] = {"Action_Grid_SelColor", "Action_Grid_SelSubColor",
                                       "Action_Grid_SelSubElseColor"};

// The grid colour and sub-grid colour choices: a handler that checks its
// own command, so only the one to be checked is run.
bool IsGridChoice(const kit::Action& a) { return a.category == kCatGrid && a.groupIndex > 0; }

}  // namespace

std::vector<kit::Action*> ZoomActions(const kit::ActionList& actions) {
  std::vector<kit::Action*> out;
  for (size_t i = 0; i < actions.Count(); ++i) {
    kit::Action& a = actions.At(i);
    if (a.category == kCatZoom && a.groupIndex == 1) out.push_back(&a);
  }
  return out;
}

std::vector<kit::Action*> ToggleActions(const kit::ActionList& actions, const std::string& category) {
  std::vector<kit::Action*> out;
  for (size_t i = 0; i < actions.Count(); ++i) {
    kit::Action& a = actions.At(i);
    if (a.category == category && a.autoCheck) out.push_back(&a);
  }
  return out;
}

void SettingsDesignState::Record(const kit::ActionList& actions, int zoomIndex) {
  recorded_ = true;
  zoomIndex_ = zoomIndex;
  checks_.clear();
  colours_.clear();
  auto keep = [this](const kit::Action& a) { checks_.push_back(Check{a.name, a.Checked()}); };
  for (size_t i = 0; i < actions.Count(); ++i)
    if (IsGridChoice(actions.At(i))) keep(actions.At(i));
  for (const char* name : kCheckedCommands)
    if (const kit::Action* a = actions.Find(name)) keep(*a);
  for (const char* category : kLineCategories)
    for (const kit::Action* a : ToggleActions(actions, category)) keep(*a);
  for (const char* name : kColourCommands)
    if (const kit::Action* a = actions.Find(name)) colours_.push_back(Colour{a->name, a->tag});
}

void SettingsDesignState::Restore(kit::ToolHost& app, LiveSettings& live) const {
  if (!recorded_) return;
  kit::ActionList& actions = app.Actions();
  const std::vector<kit::Action*> zooms = ZoomActions(actions);
  if (zoomIndex_ >= 0 && static_cast<size_t>(zoomIndex_) < zooms.size() && live.ZoomIndex() != zoomIndex_)
    zooms[static_cast<size_t>(zoomIndex_)]->Execute();
  for (const Colour& c : colours_)
    if (kit::Action* a = actions.Find(c.name)) a->tag = c.tag;
  // What is to be on first, then what is to be off: checking a member of an
  // exclusive group has already unchecked the others of its group.
  for (const bool on : {true, false}) {
    for (const Check& c : checks_) {
      if (c.checked != on) continue;
      kit::Action* a = actions.Find(c.name);
      if (!a || a->Checked() == c.checked) continue;
      if (IsGridChoice(*a)) {
        if (on) a->Execute();
        else a->SetChecked(false);
      } else if (a->autoCheck) {
        a->SetChecked(c.checked);
        a->Execute();
      } else {
        a->Execute();  // pause, fixed point, grid display: the handler turns the check over
      }
    }
  }
  live.SetLengthOrigin(POINT{0, 0});
  live.ApplyGrid();
  app.Relayout();
  app.RefreshView();
}

}  // namespace zorvik
