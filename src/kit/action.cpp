#include "kit/action.h"

namespace zorvik::kit {

void Action::SetChecked(bool on) {
  if (checked_ == on) return;
  checked_ = on;
  if (on && groupIndex > 0 && owner_) {
    for (size_t i = 0; i < owner_->Count(); ++i) {
      Action& other = owner_->At(i);
      if (&other != this && other.groupIndex == groupIndex && other.checked_) {
        other.checked_ = false;
        owner_->Changed(other);
      }
    }
  }
  if (owner_) owner_->Changed(*this);
}

void Action::SetEnabled(bool on) {
  if (enabled_ == on) return;
  enabled_ = on;
  if (owner_) owner_->Changed(*this);
}

void Action::SetVisible(bool on) {
  if (visible_ == on) return;
  visible_ = on;
  if (owner_) owner_->Changed(*this);
}

bool Action::Execute() {
  if (!enabled_ || !onExecute) return false;
  onExecute(*this);
  return true;
}

bool Action::Trigger() {
  if (!enabled_) return false;
  if (autoCheck) SetChecked(groupIndex > 0 ? true : !checked_);
  return Execute();
}

Action& ActionList::Add(std::string name) {
  items_.push_back(std::make_unique<Action>());
  Action& a = *items_.back();
  a.name = std::move(name);
  a.owner_ = this;
  byName_.emplace(a.name, &a);  // the first action of a name wins, as a linear search would
  return a;
}

Action* ActionList::Find(std::string_view name) const {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

Action* ActionList::FindById(uint16_t id) const {
  if (id == 0) return nullptr;
  for (auto& a : items_)
    if (a->id == id) return a.get();
  return nullptr;
}

int ActionList::IndexOf(const Action* a) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i].get() == a) return static_cast<int>(i);
  return -1;
}

std::vector<ActionCategory> CategoriesOf(const std::vector<Action*>& actions, int firstRow) {
  std::vector<ActionCategory> out;
  for (size_t i = 0; i < actions.size(); ++i) {
    const std::string& name = actions[i]->category;
    bool seen = false;
    for (const ActionCategory& c : out) seen = seen || c.name == name;
    if (!seen) out.push_back(ActionCategory{name, firstRow + static_cast<int>(i)});
  }
  return out;
}

}  // namespace zorvik::kit
