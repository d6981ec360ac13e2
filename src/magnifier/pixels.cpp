#include "magnifier/pixels.h"

#include <algorithm>
#include <cstring>

namespace zorvik {

void Enlarge(const PixelView& src, int sx, int sy, int cols, int rows, int z, const PixelView& dst,
             int dx, int dy) {
  if (z < 1 || cols <= 0 || rows <= 0) return;
  // Destination columns that land inside dst.
  const int x0 = std::max(dx, 0), x1 = std::min(dx + cols * z, dst.width);
  if (x1 <= x0) return;
  for (int r = 0; r < rows; ++r) {
    const int yTop = dy + r * z;
    const int ya = std::max(yTop, 0), yb = std::min(yTop + z, dst.height);
    if (ya >= yb) continue;
    const uint32_t* s = src.pixels + static_cast<size_t>(sy + r) * src.stride + sx;
    uint32_t* first = dst.pixels + static_cast<size_t>(ya) * dst.stride;
    for (int x = x0; x < x1; ++x) first[x] = s[(x - dx) / z];
    for (int y = ya + 1; y < yb; ++y)
      std::memcpy(dst.pixels + static_cast<size_t>(y) * dst.stride + x0, first + x0,
                  static_cast<size_t>(x1 - x0) * sizeof(uint32_t));
  }
}

void FillRect32(const PixelView& v, int x0, int y0, int x1, int y1, uint32_t colorRef) {
  x0 = std::max(x0, 0);
  y0 = std::max(y0, 0);
  x1 = std::min(x1, v.width);
  y1 = std::min(y1, v.height);
  const uint32_t p = ColorRefToPixel(colorRef);
  for (int y = y0; y < y1; ++y) std::fill(v.pixels + static_cast<size_t>(y) * v.stride + x0,
                                          v.pixels + static_cast<size_t>(y) * v.stride + x1, p);
}

}  // namespace zorvik
