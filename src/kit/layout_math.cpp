#include "kit/layout_math.h"

#include <cstdint>

namespace zorvik::kit {

int ScaleToDpi(int value, int dpi) {
  if (dpi <= 0) dpi = kDesignDpi;
  const std::int64_t p = static_cast<std::int64_t>(value) * dpi;
  const std::int64_t half = kDesignDpi / 2;
  return static_cast<int>(p >= 0 ? (p + half) / kDesignDpi : -((-p + half) / kDesignDpi));
}

PixelRect ScaleRect(const DesignRect& r, int dpi) {
  return PixelRect{ScaleToDpi(r.left, dpi), ScaleToDpi(r.top, dpi), ScaleToDpi(r.left + r.width, dpi),
                   ScaleToDpi(r.top + r.height, dpi)};
}

int ScaledFontHeight(int dpi) { return -ScaleToDpi(kDesignFontHeight, dpi); }

int ClampPaneSize(int wanted, int minimum, int available, int restMinimum) {
  int upper = available - restMinimum;
  if (upper < minimum) upper = minimum;
  if (wanted > upper) wanted = upper;
  if (wanted < minimum) wanted = minimum;
  return wanted;
}

}  // namespace zorvik::kit
