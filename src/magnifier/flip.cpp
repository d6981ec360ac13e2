#include "magnifier/flip.h"

#include <algorithm>
#include <cstring>

namespace zorvik {

void FlipPoint(int size, int mode, int x, int y, int& outX, int& outY) {
  const int m = size - 1;
  switch (mode) {
    case kFlipHorizontal: outX = m - x; outY = y; break;
    case kFlipVertical: outX = x; outY = m - y; break;
    case kRotate180Legacy:
    case kRotate180: outX = m - x; outY = m - y; break;
    case kRotate90: outX = m - y; outY = x; break;   // top row becomes right column
    case kRotate270: outX = y; outY = m - x; break;  // top row becomes left column
    default: outX = x; outY = y; break;
  }
}

void FlipSquare(uint32_t* p, int size, int mode, std::vector<uint32_t>& scratch) {
  if (size <= 1 || !p) return;
  const size_t n = static_cast<size_t>(size);
  switch (mode) {
    case kFlipHorizontal:
      for (size_t y = 0; y < n; ++y) std::reverse(p + y * n, p + y * n + n);
      return;
    case kFlipVertical:
      for (size_t y = 0; y < n / 2; ++y)
        std::swap_ranges(p + y * n, p + y * n + n, p + (n - 1 - y) * n);
      return;
    case kRotate180Legacy:
    case kRotate180:
      std::reverse(p, p + n * n);
      return;
    case kRotate90:
    case kRotate270: {
      scratch.resize(n * n);
      std::memcpy(scratch.data(), p, n * n * sizeof(uint32_t));
      for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
          int dx, dy;
          FlipPoint(size, mode, x, y, dx, dy);
          p[static_cast<size_t>(dy) * n + dx] = scratch[static_cast<size_t>(y) * n + x];
        }
      return;
    }
    default:
      return;
  }
}

}  // namespace zorvik
