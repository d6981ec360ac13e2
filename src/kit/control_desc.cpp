#include "kit/control_desc.h"

#include <map>

namespace zorvik::kit {

std::string BoundActionName(std::string_view controlName) {
  const size_t underscore = controlName.find('_');
  if (underscore == std::string_view::npos || underscore + 1 >= controlName.size()) return {};
  std::string name = "Action";
  name.append(controlName.substr(underscore));
  return name;
}

bool IsBindable(ControlKind kind) {
  return kind == ControlKind::Button || kind == ControlKind::CheckBox || kind == ControlKind::RadioButton;
}

bool IsContainer(ControlKind kind) { return kind == ControlKind::Panel || kind == ControlKind::GroupBox; }

namespace {

// Index of each row's parent, -1 for the page or an unusable parent.
std::vector<int> ParentIndexes(const ControlTableDesc& table) {
  std::map<std::string_view, int> seen;
  std::vector<int> parents(table.size(), -1);
  for (size_t i = 0; i < table.size(); ++i) {
    if (!table[i].parent.empty()) {
      auto it = seen.find(table[i].parent);
      if (it != seen.end() && IsContainer(table[it->second].kind)) parents[i] = it->second;
    }
    seen.emplace(table[i].name, static_cast<int>(i));
  }
  return parents;
}

}  // namespace

std::vector<Placement> PlaceControls(const ControlTableDesc& table) {
  const std::vector<int> parents = ParentIndexes(table);
  std::vector<Placement> out(table.size());
  for (size_t i = 0; i < table.size(); ++i) {
    Placement p{-1, table[i].rect};
    const int parent = parents[i];
    if (parent >= 0) {
      if (table[parent].kind == ControlKind::Panel) {
        p.container = parent;
      } else {  // group box: a window of the group's container, offset by the group
        p.container = out[parent].container;
        p.rect.left += out[parent].rect.left;
        p.rect.top += out[parent].rect.top;
      }
    }
    out[i] = p;
  }
  return out;
}

std::vector<std::string> CheckTable(const ControlTableDesc& table) {
  std::vector<std::string> problems;
  std::map<std::string_view, size_t> seen;
  for (size_t i = 0; i < table.size(); ++i) {
    const ControlDesc& d = table[i];
    const std::string where = d.name.empty() ? "row " + std::to_string(i) : d.name;
    if (d.name.empty()) problems.push_back(where + ": no name");
    else if (!seen.emplace(d.name, i).second) problems.push_back(where + ": name used twice");
    if (!d.parent.empty()) {
      auto it = seen.find(d.parent);
      if (it == seen.end() || it->second == i) problems.push_back(where + ": parent " + d.parent + " is not above it");
      else if (!IsContainer(table[it->second].kind))
        problems.push_back(where + ": parent " + d.parent + " is neither a panel nor a group box");
    }
    if ((d.kind == ControlKind::SpinEdit || d.kind == ControlKind::TrackBar) && d.minimum > d.maximum)
      problems.push_back(where + ": minimum above maximum");
  }
  return problems;
}

}  // namespace zorvik::kit
