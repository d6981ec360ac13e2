// Mirror and quarter-turn modes of the captured square, done in place on
// 32-bit pixels (exact on every platform, unlike parallelogram blits).
#pragma once
#include <cstdint>
#include <vector>

namespace zorvik {

enum FlipMode : uint8_t {
  kFlipNone = 0,
  kFlipHorizontal = 1,
  kFlipVertical = 2,
  kRotate180Legacy = 3,  // stored by old settings; acts as a half turn
  kRotate90 = 4,         // clockwise
  kRotate180 = 5,
  kRotate270 = 6,        // anticlockwise
};

// pixels: size x size, row-major, top row first. Unknown modes leave the
// square unchanged. scratch is reused between calls to avoid allocations.
void FlipSquare(uint32_t* pixels, int size, int mode, std::vector<uint32_t>& scratch);

// Where the source pixel (x, y) of the square lands after the mode.
void FlipPoint(int size, int mode, int x, int y, int& outX, int& outY);

}  // namespace zorvik
