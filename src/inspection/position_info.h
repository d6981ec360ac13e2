// Cursor position figures of the information area: monitor-relative,
// client-relative and the length from the user's origin. The inputs are plain
// points and the monitor list, so nothing here needs the window system.
#pragma once
#include <cstdint>

#include "inspection/disp_info.h"
#include "platform/screen_math.h"

namespace zorvik {

// Monitor number (1-based in list order, 0 when no monitor holds the point)
// and the point relative to that monitor's top-left corner ((0, 0) for none).
struct MonitorPosition {
  int number = 0;
  int x = 0, y = 0;
};
// The first monitor whose rectangle holds the point (left and top edges
// inside, right and bottom edges outside).
MonitorPosition MonitorPositionOf(Pt point, const MonitorLayout& monitors);

// The inspected point relative to the client origin.
Pt ClientPosition(Pt inspected, Pt clientOrigin);

// Client origin from the inspected point and the same point converted into
// the window's client coordinates: inspected - clientPoint.
Pt ClientOriginOf(Pt inspected, Pt clientPoint);

// Inclusive pixel counts from the origin: |dx| + 1, |dy| + 1 (the origin
// itself measures 1 x 1). Saturates instead of overflowing.
struct LengthSize {
  int width = 1, height = 1;
};
LengthSize LengthFrom(Pt inspected, Pt origin);

// A restored length origin: x within 0 .. virtualWidth, y within
// 0 .. virtualHeight.
Pt ClampLengthOrigin(Pt origin, int virtualWidth, int virtualHeight);

// Every position figure of one snapshot, in the form the information lines
// and copy items take them.
struct PositionFigures {
  Pt screen;
  MonitorPosition monitor;
  Pt client;
  Pt clientOrigin;
  LengthSize length;
  Pt lengthOrigin;
};
PositionFigures PositionFiguresOf(const T_DispInfo& info, const MonitorLayout& monitors);

}  // namespace zorvik
