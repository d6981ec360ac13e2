// Grid, cross, ruler and centre marker as lists of axis-aligned segments,
// and a small rasteriser that draws them straight into 32-bit pixels.
// Platform-free, so the drawing is checked pixel by pixel natively.
#pragma once
#include <cstdint>
#include <vector>

#include "magnifier/pixels.h"
#include "magnifier/view_geometry.h"

namespace zorvik {

enum class PenMode : uint8_t { Copy, Not, Mask };

// A line from (x0, y0) up to but not including (x1, y1); always horizontal
// or vertical. colour is a COLORREF (0x00BBGGRR).
struct Segment {
  int x0, y0, x1, y1;
  uint32_t colour;
  PenMode mode;
};

struct GridStyle {
  uint32_t gridColour = 0x999999;
  PenMode gridMode = PenMode::Copy;
  bool subGridNone = false;
  uint32_t subColour = 0xFF0000;
  uint32_t subColour2 = 0x008000;
};

// Cell lines and sub-grid (zoom >= 3) or the cross through the centre cell
// (zoom 1 and 2). infoTop: top of the information area in the back buffer.
void PlanGrid(const ViewGeometry& g, const GridStyle& s, int clientWidth, int infoTop,
              std::vector<Segment>& out);

// Ruler ticks along the top and left edges (no white background, no
// pointers: see RulerPointers).
void PlanRulerTicks(const ViewGeometry& g, std::vector<Segment>& out);

// The two red pointer triangles, three corners each: top ruler, left ruler.
struct Triangle { int x[3], y[3]; };
void RulerPointers(const ViewGeometry& g, Triangle& top, Triangle& left);

// The inverted outline just outside the centre cell's inner pixels.
void PlanMarker(const ViewGeometry& g, std::vector<Segment>& out);

// Draws the segments in order, clipped to the buffer.
void DrawSegments(const PixelView& v, const std::vector<Segment>& segs);

}  // namespace zorvik
