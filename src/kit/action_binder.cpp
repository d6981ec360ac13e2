#include "kit/action_binder.h"

#include "kit/control_table.h"
#include "kit/owner_list.h"
#include "platform/text.h"
#include "platform/win_text.h"

namespace zorvik::kit {

std::wstring ButtonCaption(std::string_view caption) {
  const std::wstring plain = W(CaptionWithoutAccelerator(caption));
  std::wstring out;
  out.reserve(plain.size());
  for (wchar_t c : plain) {
    out += c;
    if (c == L'&') out += L'&';
  }
  return out;
}

void ActionBinder::Bind(ControlTable& table, ActionList& actions,
                        const std::function<bool(const ControlDesc&)>& hasOwnHandler) {
  for (size_t i = 0; i < table.Count(); ++i) {
    const ControlDesc& d = table.DescAt(i);
    HWND h = table.At(i);
    if (!h || !IsBindable(d.kind) || ActionOf(h)) continue;
    if (hasOwnHandler && hasOwnHandler(d)) continue;
    Action* a = actions.Find(d.action.empty() ? BoundActionName(d.name) : d.action);
    if (!a) continue;
    bound_.push_back(Binding{h, a, d.kind});
    SetWindowTextW(h, ButtonCaption(d.caption.empty() ? a->caption : d.caption).c_str());
    if (d.hint.empty() && !a->hint.empty()) table.SetHint(h, W(a->hint));
  }
  SyncFromActions();
}

void ActionBinder::Unbind(HWND control) {
  for (auto it = bound_.begin(); it != bound_.end(); ++it) {
    if (it->control == control) {
      bound_.erase(it);
      return;
    }
  }
}

void ActionBinder::BindList(OwnerList& list, std::vector<Action*> actions, std::function<void(Action&)> after) {
  for (auto it = lists_.begin(); it != lists_.end(); ++it)
    if (it->list == &list) {
      lists_.erase(it);
      break;
    }
  list.Clear();
  for (Action* a : actions) list.Add(ListItem{W(CaptionWithoutAccelerator(a->caption)), a->imageIndex, a->Checked()});
  lists_.push_back(ListBinding{&list, actions});
  list.onCheck = [this, &list, actions, after](int row) {
    if (row < 0 || static_cast<size_t>(row) >= actions.size()) return;
    Action& a = *actions[static_cast<size_t>(row)];
    a.SetChecked(list.Checked(row));
    a.Execute();
    if (after) after(a);
    SyncFromActions();
  };
}

Action* ActionBinder::ActionOf(HWND control) const {
  for (const Binding& b : bound_)
    if (b.control == control) return b.action;
  return nullptr;
}

bool ActionBinder::Click(HWND control) {
  Action* a = ActionOf(control);
  if (!a) return false;
  a->Trigger();
  SyncFromActions();
  return true;
}

void ActionBinder::SyncFromActions() const {
  for (const Binding& b : bound_) {
    if (!IsWindow(b.control)) continue;
    if (b.kind != ControlKind::Button) {
      const WPARAM state = b.action->Checked() ? BST_CHECKED : BST_UNCHECKED;
      if (SendMessageW(b.control, BM_GETCHECK, 0, 0) != static_cast<LRESULT>(state))
        SendMessageW(b.control, BM_SETCHECK, state, 0);
    }
    if ((IsWindowEnabled(b.control) != FALSE) != b.action->Enabled()) EnableWindow(b.control, b.action->Enabled());
  }
  for (const ListBinding& l : lists_) {
    if (!l.list->Handle()) continue;
    for (size_t row = 0; row < l.actions.size() && static_cast<int>(row) < l.list->Count(); ++row)
      l.list->SetChecked(static_cast<int>(row), l.actions[row]->Checked());
  }
}

}  // namespace zorvik::kit
