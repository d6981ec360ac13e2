// Fills an action list from the command table: names, identifiers, captions,
// hints, icons, tags, groups and start states. Handlers are attached later
// by the subsystems that own the commands.
#pragma once
#include "kit/action.h"

namespace zorvik {

void PopulateActions(kit::ActionList& list);

}  // namespace zorvik
