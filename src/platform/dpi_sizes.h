// Control sizes that follow the pixel height of the control's own font, so
// lists, grids, buttons and labels keep their proportions at any DPI.
#pragma once

namespace zorvik {

// Item height of drop-down lists, list boxes and check-list boxes, and the
// default row height of grids.
inline constexpr double ItemHeightFactor = 1.3;
// Height of push buttons and status bars.
inline constexpr double ControlHeightFactor = 1.8;

// max(trunc(factor * |fontHeight|), minimum). The product is the decimal one
// (1.8 * 10 = 18, 1.3 * 13 = 16.9 -> 16), exact for factors with up to four
// decimal places; fontHeight may be negative (character height).
int HeightForFont(int fontHeight, int minimum, double factor);

// Height of a one-line label: |fontHeight| + 4.
int LabelHeightForFont(int fontHeight);

}  // namespace zorvik
