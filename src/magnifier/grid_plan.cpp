#include "magnifier/grid_plan.h"

#include <algorithm>

namespace zorvik {

namespace {
constexpr uint32_t kSilver = 0xC0C0C0, kBlue = 0xFF0000, kGrey = 0x808080;

void Add(std::vector<Segment>& out, int x0, int y0, int x1, int y1, uint32_t c, PenMode m) {
  out.push_back(Segment{x0, y0, x1, y1, c, m});
}

// Length class of a ruler tick: how many pixels it stops short of the edge.
// Returns -1 for no tick.
int TickShortfall(int i, int centre, int z) {
  if (i == 0) return 0;
  if (i % 5 == centre % 5) return i % 10 == centre % 10 ? 2 : 4;
  return z > 1 ? 5 : -1;
}
uint32_t TickColour(int i, int centre) {
  if (i == 0) return kSilver;
  return i % 5 == centre % 5 ? kBlue : kGrey;
}
}  // namespace

void PlanRulerTicks(const ViewGeometry& g, std::vector<Segment>& out) {
  const int z = g.ZoomFactor;
  for (int i = 0; i <= g.GridCols; ++i) {
    const int k = TickShortfall(i, g.CenterCol, z);
    if (k < 0) continue;
    const int x = i * z + g.ViewLeft;
    Add(out, x, 0, x, g.ViewTop - k, TickColour(i, g.CenterCol), PenMode::Copy);
  }
  for (int i = 0; i <= g.GridRows; ++i) {
    const int k = TickShortfall(i, g.CenterRow, z);
    if (k < 0) continue;
    const int y = i * z + g.ViewTop;
    Add(out, 0, y, g.ViewLeft - k, y, TickColour(i, g.CenterRow), PenMode::Copy);
  }
}

void RulerPointers(const ViewGeometry& g, Triangle& top, Triangle& left) {
  const int z = g.ZoomFactor;
  const int m = z == 1 ? 0 : z / 2 - 1;
  const int cx = g.CursorCellX + m, cy = g.CursorCellY + m;
  top = Triangle{{cx, cx - 2, cx + 2}, {g.ViewTop - 1, g.ViewTop - 3, g.ViewTop - 3}};
  left = Triangle{{g.ViewLeft - 1, g.ViewLeft - 3, g.ViewLeft - 3}, {cy, cy - 2, cy + 2}};
}

void PlanGrid(const ViewGeometry& g, const GridStyle& s, int clientWidth, int infoTop,
              std::vector<Segment>& out) {
  const int z = g.ZoomFactor;
  const int vl = g.ViewLeft, vt = g.ViewTop;
  if (z >= 3) {
    for (int i = 0; i <= g.GridCols; ++i)
      Add(out, i * z + vl, vt, i * z + vl, infoTop, s.gridColour, s.gridMode);
    for (int i = 0; i <= g.GridRows; ++i)
      Add(out, vl, i * z + vt, clientWidth, i * z + vt, s.gridColour, s.gridMode);
    if (s.subGridNone) return;
    {
      const int offset = (g.CenterCol % 5) * z;
      const int p = ((g.GridCols + 9) / 10) % 2;
      for (int k = 0; k <= g.GridCols / 5; ++k) {
        const int x = vl + offset + 5 * k * z;
        Add(out, x, vt, x, infoTop, k % 2 == p ? s.subColour2 : s.subColour, PenMode::Copy);
      }
    }
    {
      const int offset = (g.CenterRow % 5) * z;
      const int p = ((g.GridRows + 9) / 10) % 2;
      for (int k = 0; k <= g.GridRows / 5; ++k) {
        const int y = vt + offset + 5 * k * z;
        Add(out, vl, y, clientWidth, y, k % 2 == p ? s.subColour2 : s.subColour, PenMode::Copy);
      }
    }
    return;
  }
  // Zoom 1 and 2: a cross through the centre cell instead of cell lines.
  Add(out, vl, vt, vl, infoTop, s.gridColour, s.gridMode);
  Add(out, vl, vt, clientWidth, vt, s.gridColour, s.gridMode);
  uint32_t c = s.gridColour;
  PenMode m = s.gridMode;
  if (!s.subGridNone) {
    c = s.subColour;
    m = PenMode::Copy;
  }
  const int mm = g.MarkerMargin;
  const int x = g.CursorCellX, y = g.CursorCellY;
  Add(out, x, vt, x, y - mm - 1, c, m);
  Add(out, x, y + z + mm + 1, x, infoTop, c, m);
  Add(out, vl, y, x - mm - 1, y, c, m);
  Add(out, x + z + mm + 1, y, clientWidth, y, c, m);
}

void PlanMarker(const ViewGeometry& g, std::vector<Segment>& out) {
  const int x0 = g.CursorCellX - g.MarkerMargin, y0 = g.CursorCellY - g.MarkerMargin;
  const int s = g.MarkerMargin + g.ZoomFactor;
  // A closed outline: each side stops short of the next corner, so every
  // pixel is inverted exactly once.
  Add(out, x0, y0, x0 + s, y0, 0, PenMode::Not);
  Add(out, x0 + s, y0, x0 + s, y0 + s, 0, PenMode::Not);
  Add(out, x0 + s, y0 + s, x0, y0 + s, 0, PenMode::Not);
  Add(out, x0, y0 + s, x0, y0, 0, PenMode::Not);
}

namespace {
inline void Plot(uint32_t& px, uint32_t pen, PenMode m) {
  switch (m) {
    case PenMode::Copy: px = pen; break;
    case PenMode::Not: px = (~px) & 0x00FFFFFFu; break;
    case PenMode::Mask: px = (px & pen) & 0x00FFFFFFu; break;
  }
}
}  // namespace

void DrawSegments(const PixelView& v, const std::vector<Segment>& segs) {
  for (const Segment& s : segs) {
    const uint32_t pen = ColorRefToPixel(s.colour);
    if (s.y0 == s.y1) {
      const int y = s.y0;
      if (y < 0 || y >= v.height || s.x0 == s.x1) continue;
      // Pixels from x0 towards x1, x1 excluded.
      int a = s.x0, b = s.x1;
      if (a < b) b -= 1; else { std::swap(a, b); a += 1; }
      a = std::max(a, 0);
      b = std::min(b, v.width - 1);
      uint32_t* row = v.pixels + static_cast<size_t>(y) * v.stride;
      for (int x = a; x <= b; ++x) Plot(row[x], pen, s.mode);
    } else if (s.x0 == s.x1) {
      const int x = s.x0;
      if (x < 0 || x >= v.width) continue;
      int a = s.y0, b = s.y1;
      if (a < b) b -= 1; else { std::swap(a, b); a += 1; }
      a = std::max(a, 0);
      b = std::min(b, v.height - 1);
      for (int y = a; y <= b; ++y) Plot(v.pixels[static_cast<size_t>(y) * v.stride + x], pen, s.mode);
    }
  }
}

}  // namespace zorvik
