// Geometry of pages and tool windows: they are designed at 96 dpi and scaled
// to the window's DPI when they are built. Platform-free.
#pragma once

namespace zorvik::kit {

inline constexpr int kDesignDpi = 96;
// The pages' font: 12 pixels high at 96 dpi.
inline constexpr int kDesignFontHeight = 12;

// A rectangle as written in a page table: 96-dpi pixels.
struct DesignRect {
  int left = 0, top = 0, width = 0, height = 0;
};

// A rectangle in device pixels.
struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const PixelRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

// value * dpi / 96, rounded half away from zero; dpi <= 0 counts as 96.
int ScaleToDpi(int value, int dpi);

// Scales the edges, not the sizes, so controls that touch at 96 dpi touch at
// every DPI (a width may then differ by one pixel between equal controls).
PixelRect ScaleRect(const DesignRect& rect, int dpi);

// Height for CreateFont: negative (character height), -12 at 96 dpi, -18 at 144.
int ScaledFontHeight(int dpi);

// Size of a pane resized by a splitter: `wanted` held within
// [minimum, available - restMinimum]; the minimum wins when both cannot hold.
int ClampPaneSize(int wanted, int minimum, int available, int restMinimum);

}  // namespace zorvik::kit
