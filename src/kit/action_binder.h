// The one place of the binding rule: a button, check box or radio button of
// a page that has no handler of its own is bound to the command named
// "Action" + its name from the first "_" on (CheckBox_Capture_Pause ->
// Action_Capture_Pause), or to the command its table row names, when that
// command exists. It takes the command's caption (when it has none of its
// own) and hint, without accelerator markers; a click runs the command; and
// every bound control shows its command's check and enabled state after a
// click and whenever asked.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "kit/action.h"
#include "kit/control_desc.h"

namespace zorvik::kit {

class ControlTable;
class OwnerList;

class ActionBinder {
public:
  // Binds the table's controls; `hasOwnHandler` tells which rows the page
  // handles itself (those stay unbound).
  void Bind(ControlTable& table, ActionList& actions,
            const std::function<bool(const ControlDesc&)>& hasOwnHandler = nullptr);
  void Unbind(HWND control);
  void Clear() {
    bound_.clear();
    lists_.clear();
  }

  // Fills a check list with one row per command (text: the caption without
  // accelerator marker, icon: the command's image, check: its check mark).
  // Checking a row sets the command's check to the row's and runs its
  // handler, then `after` (the page's follow-up, e.g. a re-layout).
  void BindList(OwnerList& list, std::vector<Action*> actions, std::function<void(Action&)> after = nullptr);

  Action* ActionOf(HWND control) const;
  size_t Count() const { return bound_.size(); }

  // A click on a control (BN_CLICKED): runs its command, then every bound
  // control follows. False when the control is not bound.
  bool Click(HWND control);
  // Check marks and enabled states of every bound control, and the checks of
  // every bound list, from their commands.
  void SyncFromActions() const;

private:
  struct Binding {
    HWND control;
    Action* action;
    ControlKind kind;
  };
  std::vector<Binding> bound_;
  struct ListBinding {
    OwnerList* list;
    std::vector<Action*> actions;  // by row
  };
  std::vector<ListBinding> lists_;
};

// "&Open && close" -> "Open & close" as a button must be given it, so that
// the literal "&" is not taken for a marker again: "Open && close".
std::wstring ButtonCaption(std::string_view caption);

}  // namespace zorvik::kit
