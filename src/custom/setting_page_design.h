// The settings page "一覧設定" as data: its controls (one panel per node of
// the category tree, all in the same place, one shown at a time) and the
// tree's nodes with the panel each brings to the front.
#pragma once
#include <string>
#include <vector>

#include "kit/control_desc.h"

namespace zorvik {

// The page's client size at 96 dpi.
inline constexpr int kSettingPageWidth = 500, kSettingPageHeight = 330;

const kit::ControlTableDesc& SettingPageDesign();

struct SettingNode {
  const char* caption;   // the tree's text, UTF-8
  int parent;            // index of the parent node, -1 for a top node
  const char* panel;     // the panel it shows
  const char* category;  // the check list's commands (empty: none)
};
// In tree order; parents before their children.
const std::vector<SettingNode>& SettingNodes();
// The node selected when the page is made.
inline constexpr const char* kSettingStartNode = "オプション";

}  // namespace zorvik
