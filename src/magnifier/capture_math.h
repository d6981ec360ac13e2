// Arithmetic of the capture modes: moving the capture point by steps, drags
// and double clicks, the eased animation, and direction mapping by flip mode.
// Platform-free.
#pragma once
#include <string_view>
#include <vector>

#include "platform/screen_math.h"

namespace zorvik {

enum class Direction { Left, Right, Up, Down };

// The four move commands by direction, and back ("Action_Move_Left", ...).
const char* MoveCommandName(Direction d);
bool MoveDirectionOf(std::string_view commandName, Direction& d);

// The direction that moves the picture the way the key points under the flip mode.
Direction MapMoveByFlip(Direction d, int flipMode);
Pt Step(Pt p, Direction d, int step);

// Rounds half away from zero.
int RoundHalfAway(double v);

// Clamps a point to the virtual screen (right and bottom excluded).
Pt ClampToVirtual(Pt p, const Rc& virtualScreen);

// The monitor-tracked rule: a point on a monitor records that monitor; a
// point in a gap of the virtual screen is clamped into the last recorded
// monitor (when there is one). lastMonitor is 1-based, 0 = none.
Pt TrackMonitor(Pt p, const MonitorLayout& monitors, int& lastMonitor);

// The capture point while the view is dragged: the picture follows the pointer.
Pt PanCapturePoint(Pt pressCapture, Pt pressScreen, Pt now, int zoom, int flipMode, const Rc& virtualScreen);

// The screen point shown at a client point of the view.
Pt PointUnderClient(Pt capture, Pt client, int viewLeft, int viewTop, int toolBarHeight, int zoom, int centerCol,
                    int centerRow, const Rc& virtualScreen);

// The eased steps of an animated capture-point move (the last is the target).
std::vector<Pt> CaptureAnimationSteps(Pt from, Pt target);
// The cursor positions of an animated cursor move (the last is the target).
std::vector<Pt> CursorAnimationSteps(Pt from, Pt target);

// Capture-move button repeat: first delay and repeat interval in ms.
int RepeatDelayMs(int keyboardDelaySetting);
int RepeatIntervalMs(int keyboardSpeedSetting);

}  // namespace zorvik
