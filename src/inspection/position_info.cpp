#include "inspection/position_info.h"

#include <cstdlib>
#include <limits>

namespace zorvik {
namespace {

int Saturate(int64_t v) {
  if (v > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (v < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(v);
}

int Span(int a, int b) { return Saturate(std::llabs(static_cast<int64_t>(a) - b) + 1); }

}  // namespace

MonitorPosition MonitorPositionOf(Pt point, const MonitorLayout& monitors) {
  MonitorPosition m;
  Pt rel;
  m.number = monitors.MonitorOfPoint(point, &rel);
  m.x = rel.x;
  m.y = rel.y;
  return m;
}

Pt ClientPosition(Pt inspected, Pt clientOrigin) {
  return Pt{Saturate(static_cast<int64_t>(inspected.x) - clientOrigin.x),
            Saturate(static_cast<int64_t>(inspected.y) - clientOrigin.y)};
}

Pt ClientOriginOf(Pt inspected, Pt clientPoint) { return ClientPosition(inspected, clientPoint); }

LengthSize LengthFrom(Pt inspected, Pt origin) {
  return LengthSize{Span(inspected.x, origin.x), Span(inspected.y, origin.y)};
}

Pt ClampLengthOrigin(Pt origin, int virtualWidth, int virtualHeight) {
  return Pt{Clamp(origin.x, 0, virtualWidth), Clamp(origin.y, 0, virtualHeight)};
}

PositionFigures PositionFiguresOf(const T_DispInfo& info, const MonitorLayout& monitors) {
  PositionFigures f;
  f.screen = Pt{info.InspectedX, info.InspectedY};
  f.monitor = MonitorPositionOf(f.screen, monitors);
  f.clientOrigin = Pt{info.ClientOriginX, info.ClientOriginY};
  f.client = ClientPosition(f.screen, f.clientOrigin);
  f.lengthOrigin = Pt{info.LengthOriginX, info.LengthOriginY};
  f.length = LengthFrom(f.screen, f.lengthOrigin);
  return f;
}

}  // namespace zorvik
