// 32-bit pixel buffers (DIB sections on Windows) and the exact nearest-pixel
// enlargement of the captured square. Platform-free.
#pragma once
#include <cstdint>

namespace zorvik {

// A 32-bit top-down pixel buffer: each pixel 0x00RRGGBB (DIB byte order).
struct PixelView {
  uint32_t* pixels;
  int width, height;
  int stride;  // in pixels
};

inline uint32_t ColorRefToPixel(uint32_t c) {
  return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
inline uint32_t PixelToColorRef(uint32_t p) {
  return ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu);
}

// Copies cols x rows pixels from src at (sx, sy) into dst at (dx, dy), each
// pixel becoming a solid z x z block; clipped to dst (src must hold the
// whole source rectangle).
void Enlarge(const PixelView& src, int sx, int sy, int cols, int rows, int z, const PixelView& dst,
             int dx, int dy);

// Fills the rectangle [x0, x1) x [y0, y1), clipped, with a COLORREF.
void FillRect32(const PixelView& v, int x0, int y0, int x1, int y1, uint32_t colorRef);

}  // namespace zorvik
