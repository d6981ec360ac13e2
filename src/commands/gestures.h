// Right-button mouse gestures: classification of a drag into one of four
// directions, and the four gesture slots. Platform-free.
#pragma once
#include "commands/command_table.h"
#include "commands/keys.h"

namespace zorvik {

struct GesturePoint {
  int x;
  int y;
};

enum class Gesture {
  None,        // a click or a drag within the tolerance: open the popup menu
  NotStarted,  // the press was not inside the client area (x <= 0 or y <= 0): do nothing
  Up,
  Down,
  Left,
  Right,
};

// Direction of a movement in whole degrees, counter-clockwise from the right
// (dy positive upwards), 0..360; -1 when both components are 0. Non-axis
// angles are atan(dy/dx) rounded half away from zero, so a drag far to the
// right and slightly down gives 360.
int GestureAngle(int dx, int dy);

// Classifies a right-button drag from start to end (client coordinates, y
// growing downwards). doubleClickCx/Cy are the system's double-click
// rectangle size; a component up to three times that counts as no movement.
Gesture ClassifyGesture(GesturePoint start, GesturePoint end, int doubleClickCx, int doubleClickCy);

// The slot of a direction, -1 for None and NotStarted.
int GestureSlotOf(Gesture gesture);

// The commands of the four gesture slots (up, down, left, right); a slot may
// be empty.
struct GestureBindings {
  const CommandDef* slots[kGestureSlotCount] = {nullptr, nullptr, nullptr, nullptr};

  static GestureBindings Defaults();
  // The command bound to the direction, nullptr when none or no direction.
  const CommandDef* CommandFor(Gesture gesture) const;
};

}  // namespace zorvik
