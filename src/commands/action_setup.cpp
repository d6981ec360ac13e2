#include "commands/action_setup.h"

#include "commands/command_table.h"

namespace zorvik {

void PopulateActions(kit::ActionList& list) {
  const CommandDef* table = CommandTable();
  for (size_t i = 0; i < CommandCount(); ++i) {
    const CommandDef& d = table[i];
    kit::Action& a = list.Add(d.name);
    a.id = d.id;
    a.category = d.category;
    a.caption = d.caption;
    a.hint = d.hint ? d.hint : "";
    a.imageIndex = d.icon;
    a.tag = d.tag;
    a.groupIndex = d.group;
    a.autoCheck = d.Toggles();
    a.SetChecked(d.CheckedAtStart());
    a.SetEnabled(!d.DisabledAtStart());
    a.SetVisible(!d.HiddenAtStart());
  }
}

}  // namespace zorvik
