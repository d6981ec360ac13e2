// The program's own pixel-art icons, painted in code: one 18x18 icon per
// command icon index (toolbar, menus, customisation lists) and the six 14x14
// state icons of the information area's status row. Platform-free; the
// Windows side turns the pixels into image-list bitmaps.
#pragma once
#include <cstdint>

namespace zorvik {

constexpr int kIconSize = 18;

// Paints the icon with the given index (the `icon` of a CommandDef, 0 ..
// CommandIconCount()-1) into kIconSize*kIconSize pixels, row-major, top row
// first, each 0xAARRGGBB with alpha either 0 (transparent) or 255. Returns
// false (pixels untouched) for an unknown index.
bool DrawCommandIcon(int index, uint32_t* pixels);

constexpr int kInfoIconSize = 14;
constexpr int kInfoIconCount = 6;

// The state icons of the information area's status row, kInfoIconSize
// square, same pixel format: 0 write cache holds a window, 1 stay on top,
// 2 smooth capture, 3 paused, 4 loupe mode, 5 fixed point. Returns false
// (pixels untouched) for an unknown index.
bool DrawInfoIcon(int index, uint32_t* pixels);

}  // namespace zorvik
