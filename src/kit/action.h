// Actions: the one command model behind menus, toolbar buttons, keys and
// gestures. Platform-free; the Win32 side only observes and triggers them.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zorvik::kit {

class ActionList;

class Action {
public:
  std::string name;      // "Action_Zoom_6"
  uint16_t id = 0;       // command identifier, 0 = none
  std::string category;  // UTF-8
  std::string caption;   // UTF-8, "&" marks the accelerator
  std::string hint;      // UTF-8
  int imageIndex = -1;   // index into the command icon list
  int64_t tag = 0;       // zoom factor, colour, raster code, ...
  int groupIndex = 0;    // exclusive check group, 0 = none
  bool autoCheck = false;  // running it from the UI toggles the check mark
  std::function<void(Action&)> onExecute;

  bool Checked() const { return checked_; }
  bool Enabled() const { return enabled_; }
  bool Visible() const { return visible_; }
  // Checking a member of an exclusive group unchecks the others.
  void SetChecked(bool on);
  void SetEnabled(bool on);
  void SetVisible(bool on);

  // Runs the handler only; returns false when there is none or the action
  // is disabled.
  bool Execute();
  // What a menu item, toolbar button, key or gesture does: toggle the
  // check mark of an auto-check action, then run the handler.
  bool Trigger();

  ActionList* Owner() const { return owner_; }

private:
  friend class ActionList;
  bool checked_ = false, enabled_ = true, visible_ = true;
  ActionList* owner_ = nullptr;
};

class ActionList {
public:
  Action& Add(std::string name);
  Action* Find(std::string_view name) const;
  Action* FindById(uint16_t id) const;  // 0 never matches
  size_t Count() const { return items_.size(); }
  Action& At(size_t i) const { return *items_[i]; }
  int IndexOf(const Action* a) const;

  // Called after a check, enabled or visible change of any action.
  std::function<void(Action&)> onChange;

private:
  friend class Action;
  void Changed(Action& a) { if (onChange) onChange(a); }
  std::vector<std::unique_ptr<Action>> items_;
  // Name index: the tick and the painters look actions up by name often.
  std::map<std::string, Action*, std::less<>> byName_;
};

// A category of actions and the row of its first action in a list of them.
struct ActionCategory {
  std::string name;
  int firstRow;
};
// The categories of `actions` in the order they first appear; the list's
// first action stands in row `firstRow`.
std::vector<ActionCategory> CategoriesOf(const std::vector<Action*>& actions, int firstRow = 0);

}  // namespace zorvik::kit
