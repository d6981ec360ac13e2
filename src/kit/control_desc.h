// One row of a page table: what control to build, its name, caption,
// 96-dpi rectangle and container; and the two rules that only need the
// table: where each control's window goes, and which command a control
// binds to by its name. Platform-free.
#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "kit/layout_math.h"

namespace zorvik::kit {

enum class ControlKind {
  Label,
  Button,
  CheckBox,
  RadioButton,
  GroupBox,
  Edit,
  SpinEdit,   // an edit with an up-down control inside its right edge
  TrackBar,
  ComboBox,   // drop-down list
  ListBox,
  CheckList,  // owner-drawn list with check boxes
  OwnerList,  // owner-drawn list: text, icon, separators
  Grid,       // grid with a fixed header row
  TreeView,
  Panel,      // plain container
};

// Flags of a table row (bits, combined with |).
enum ControlFlag : unsigned {
  kHidden = 1u << 0,
  kDisabled = 1u << 1,
  kNewGroup = 1u << 2,   // starts a radio group even right after another radio button
  kNoTabStop = 1u << 3,
  kOwnerDraw = 1u << 4,  // combo box: items drawn by the page
  kReadOnly = 1u << 5,   // edit
  kMultiLine = 1u << 6,  // edit: several lines and a vertical scroll bar
  kBorder = 1u << 7,     // panel: sunken edge
  kNoBorder = 1u << 8,   // edit, list, grid, tree: no client edge
  kRightAlign = 1u << 9, // edit and label text
  kDefault = 1u << 10,   // the default push button
  // Layout when the container is resized, from the distances at creation:
  kStretchRight = 1u << 11,   // right edge keeps its distance to the container's right
  kStretchBottom = 1u << 12,  // bottom edge keeps its distance to the container's bottom
  kMoveRight = 1u << 13,      // moves with the right edge, width kept
  kMoveBottom = 1u << 14,     // moves with the bottom edge, height kept
};

struct ControlDesc {
  ControlDesc() = default;
  // Rows are written as brace lists; the trailing fields are optional.
  ControlDesc(ControlKind kind, std::string name, std::string caption, DesignRect rect, std::string parent = {},
              unsigned flags = 0, std::string hint = {}, std::string action = {}, int minimum = 0,
              int maximum = 100, int minItemHeight = 0)
      : kind(kind),
        name(std::move(name)),
        caption(std::move(caption)),
        rect(rect),
        parent(std::move(parent)),
        flags(flags),
        hint(std::move(hint)),
        action(std::move(action)),
        minimum(minimum),
        maximum(maximum),
        minItemHeight(minItemHeight) {}

  ControlKind kind = ControlKind::Label;
  std::string name;     // "CheckBox_Capture_Pause"
  std::string caption;  // UTF-8; "&" marks an accelerator; empty on a bound control: the command's
  DesignRect rect;      // relative to the parent: a panel's client area or a group box's top-left
  std::string parent;   // name of a panel or group box earlier in the table; empty: the page
  unsigned flags = 0;
  std::string hint;     // UTF-8, for the hint bar; empty on a bound control: the command's
  std::string action;   // command to bind to; empty: the naming rule (buttons, check and radio boxes)
  int minimum = 0, maximum = 100;  // spin edit and track bar range
  int minItemHeight = 0;           // lists: item height at least this (96-dpi pixels, e.g. icons)
};

using ControlTableDesc = std::vector<ControlDesc>;

// The command a control binds to by the naming rule: "Action" followed by
// the control's name from its first "_" on ("CheckBox_Capture_Pause" ->
// "Action_Capture_Pause"); "" when the name has no "_" or nothing after it.
std::string BoundActionName(std::string_view controlName);

// Buttons, check boxes and radio buttons bind to commands.
bool IsBindable(ControlKind kind);
// Panels and group boxes hold other rows.
bool IsContainer(ControlKind kind);

// Where a row's window goes: a control inside a group box is a window of the
// group's own container (a group box passes no notifications on), placed by
// the group's offset. container: index of the panel holding the window, -1
// for the page; rect relative to that container's client area.
struct Placement {
  int container = -1;
  DesignRect rect;
};
std::vector<Placement> PlaceControls(const ControlTableDesc& table);

// Mistakes in a table, one text each: a missing or repeated name, a parent
// that is unknown, later in the table or not a container, a range whose
// minimum exceeds its maximum. Empty when the table is sound.
std::vector<std::string> CheckTable(const ControlTableDesc& table);

}  // namespace zorvik::kit
