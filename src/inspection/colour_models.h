// Colour models of the inspected pixel: HSV, HLS and the Windows HLS scale,
// the names of the named colours, and the forms of today's style sheets and
// accessibility checks (OKLCH, CIE Lab against D50, the WCAG contrast ratio).
// Pure arithmetic, no window system.
#pragma once
#include <cstdint>
#include <string>
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

// --- OKLCH, Lab and contrast, from the 8-bit sRGB value --------------------

// The sRGB transfer function undone: c / 255 <= 0.04045 -> c / 12.92 / 255,
// else ((c / 255 + 0.055) / 1.055)^2.4.
double SrgbToLinear(uint8_t c);

// OKLab in polar form: l 0..1, chroma, hue in degrees [0, 360).
struct OkLch {
  double l = 0, c = 0, h = 0;
};
OkLch RgbToOkLch(uint8_t r, uint8_t g, uint8_t b);

// CIE Lab against the D50 white (the CSS lab() form): l 0..100.
struct CieLab {
  double l = 0, a = 0, b = 0;
};
CieLab RgbToLab(uint8_t r, uint8_t g, uint8_t b);

// WCAG 2 relative luminance of the linear channels, 0..1.
double RelativeLuminance(uint8_t r, uint8_t g, uint8_t b);
// (lighter + 0.05) / (darker + 0.05) of two 0xRRGGBB values: 1 .. 21.
double ContrastRatio(uint32_t rgb1, uint32_t rgb2);

// A number with a fixed count of decimals, rounded half away from zero;
// never "-0.00".
std::string FixedText(double value, int decimals);

// The texts shown and copied: L x 100 with 2 decimals, C with 4 and H with 2
// (both "0" forms when C < 0.00005; H never shows 360.00); Lab each with 2.
struct ColourTexts {
  std::string first, second, third;
};
ColourTexts OkLchTexts(const OkLch& c);
ColourTexts LabTexts(const CieLab& c);
// A contrast ratio with 2 decimals rounded down, so that a shown ratio never
// passes a threshold (3, 4.5, 7) the real one misses.
std::string ContrastText(double ratio);

// The name table, ascending by value (139 rows).
struct NamedColour {
  uint32_t rgb;
  const char* name;
};
const NamedColour* NamedColourTable();
int NamedColourCount();

}  // namespace zorvik
