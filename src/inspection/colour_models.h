// Colour models of the inspected pixel: HSV, HLS and the Windows HLS scale,
// and the names of the named colours. Pure arithmetic, no window system.
#pragma once
#include <cstdint>
#include <string_view>

namespace zorvik {

// One hue-based triple. h lies in 0 .. hMax - 1, s in 0 .. sMax and the third
// component (value or lightness) in 0 .. its scale.
struct ColourTriple {
  uint16_t h = 0, s = 0, third = 0;
  bool operator==(const ColourTriple& o) const { return h == o.h && s == o.s && third == o.third; }
};

// Scales used by the information area: HSV and HLS (360, 100, 100), the
// Windows colour dialog (240, 240, 240).
constexpr uint16_t kHueScale = 360, kPercentScale = 100, kWinScale = 240;

// Half away from zero: truncate(x + 0.5) for x >= 0, truncate(x - 0.5) below.
long double RoundHalfAway(long double x);

// (h, s, v). The value divides by 256 (255 gives 100 on the 100 scale, 254
// gives 99). Greys get hue 0 and saturation 0.
ColourTriple RgbToHsv(uint8_t r, uint8_t g, uint8_t b, uint16_t hMax, uint16_t sMax, uint16_t vMax);
// (h, s, l). Greys get hue 0 and saturation 0, l = round(R / 255 * lMax).
ColourTriple RgbToHls(uint8_t r, uint8_t g, uint8_t b, uint16_t hMax, uint16_t sMax, uint16_t lMax);

// Name of a 0xRRGGBB value (exact 24-bit match, higher bits must be zero),
// "" when the value has none. The returned text is static ASCII.
std::string_view ColorName(uint32_t rgb);

// The name table, ascending by value (139 rows).
struct NamedColour {
  uint32_t rgb;
  const char* name;
};
const NamedColour* NamedColourTable();
int NamedColourCount();

}  // namespace zorvik
