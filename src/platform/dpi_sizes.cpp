#include "platform/dpi_sizes.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace zorvik {

namespace {
constexpr std::int64_t kFactorScale = 10000;  // four decimal places
}

int HeightForFont(int fontHeight, int minimum, double factor) {
  // Work on the decimal value of the factor in integers: a binary double such
  // as 1.3 is a hair below 1.3 and would lose a pixel on exact products.
  const std::int64_t scaledFactor = std::llround(factor * kFactorScale);
  const std::int64_t h = std::llabs(static_cast<std::int64_t>(fontHeight));
  const std::int64_t v = scaledFactor * h / kFactorScale;  // truncates toward zero
  return v > minimum ? static_cast<int>(v) : minimum;
}

int LabelHeightForFont(int fontHeight) {
  return static_cast<int>(std::llabs(static_cast<long long>(fontHeight))) + 4;
}

}  // namespace zorvik
