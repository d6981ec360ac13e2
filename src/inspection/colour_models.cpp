#include "inspection/colour_models.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>

namespace zorvik {
namespace {

// Ascending by value so the lookup can bisect. The aliases share one row
// ("Aqua/Cyan", "Fuchsia/Magenta"); greys are spelled "Gray" except
// "LightGrey".
constexpr NamedColour kNamedColours[] = {
    {0x000000, "Black"},
    {0x000080, "Navy"},
    {0x00008B, "DarkBlue"},
    {0x0000CD, "MediumBlue"},
    {0x0000FF, "Blue"},
    {0x006400, "DarkGreen"},
    {0x008000, "Green"},
    {0x008080, "Teal"},
    {0x008B8B, "DarkCyan"},
    {0x00BFFF, "DeepSkyBlue"},
    {0x00CED1, "DarkTurquoise"},
    {0x00FA9A, "MediumSpringGreen"},
    {0x00FF00, "Lime"},
    {0x00FF7F, "SpringGreen"},
    {0x00FFFF, "Aqua/Cyan"},
    {0x191970, "MidnightBlue"},
    {0x1E90FF, "DodgerBlue"},
    {0x20B2AA, "LightSeaGreen"},
    {0x228B22, "ForestGreen"},
    {0x2E8B57, "SeaGreen"},
    {0x2F4F4F, "DarkSlateGray"},
    {0x32CD32, "LimeGreen"},
    {0x3CB371, "MediumSeaGreen"},
    {0x40E0D0, "Turquoise"},
    {0x4169E1, "RoyalBlue"},
    {0x4682B4, "SteelBlue"},
    {0x483D8B, "DarkSlateBlue"},
    {0x48D1CC, "MediumTurquoise"},
    {0x4B0082, "Indigo"},
    {0x556B2F, "DarkOliveGreen"},
    {0x5F9EA0, "CadetBlue"},
    {0x6495ED, "CornflowerBlue"},
    {0x66CDAA, "MediumAquamarine"},
    {0x696969, "DimGray"},
    {0x6A5ACD, "SlateBlue"},
    {0x6B8E23, "OliveDrab"},
    {0x708090, "SlateGray"},
    {0x778899, "LightSlateGray"},
    {0x7B68EE, "MediumSlateBlue"},
    {0x7CFC00, "LawnGreen"},
    {0x7FFF00, "Chartreuse"},
    {0x7FFFD4, "Aquamarine"},
    {0x800000, "Maroon"},
    {0x800080, "Purple"},
    {0x808000, "Olive"},
    {0x808080, "Gray"},
    {0x87CEEB, "SkyBlue"},
    {0x87CEFA, "LightSkyBlue"},
    {0x8A2BE2, "BlueViolet"},
    {0x8B0000, "DarkRed"},
    {0x8B008B, "DarkMagenta"},
    {0x8B4513, "SaddleBrown"},
    {0x8FBC8F, "DarkSeaGreen"},
    {0x90EE90, "LightGreen"},
    {0x9370DB, "MediumPurple"},
    {0x9400D3, "DarkViolet"},
    {0x98FB98, "PaleGreen"},
    {0x9932CC, "DarkOrchid"},
    {0x9966CC, "Amethyst"},
    {0x9ACD32, "YellowGreen"},
    {0xA0522D, "Sienna"},
    {0xA52A2A, "Brown"},
    {0xA9A9A9, "DarkGray"},
    {0xADD8E6, "LightBlue"},
    {0xADFF2F, "GreenYellow"},
    {0xAFEEEE, "PaleTurquoise"},
    {0xB0C4DE, "LightSteelBlue"},
    {0xB0E0E6, "PowderBlue"},
    {0xB22222, "FireBrick"},
    {0xB8860B, "DarkGoldenrod"},
    {0xBA55D3, "MediumOrchid"},
    {0xBC8F8F, "RosyBrown"},
    {0xBDB76B, "DarkKhaki"},
    {0xC0C0C0, "Silver"},
    {0xC71585, "MediumVioletRed"},
    {0xCD5C5C, "IndianRed"},
    {0xCD853F, "Peru"},
    {0xD2691E, "Chocolate"},
    {0xD2B48C, "Tan"},
    {0xD3D3D3, "LightGrey"},
    {0xD8BFD8, "Thistle"},
    {0xDA70D6, "Orchid"},
    {0xDAA520, "Goldenrod"},
    {0xDB7093, "PaleVioletRed"},
    {0xDC143C, "Crimson"},
    {0xDCDCDC, "Gainsboro"},
    {0xDDA0DD, "Plum"},
    {0xDEB887, "BurlyWood"},
    {0xE0FFFF, "LightCyan"},
    {0xE6E6FA, "Lavender"},
    {0xE9967A, "DarkSalmon"},
    {0xEE82EE, "Violet"},
    {0xEEE8AA, "PaleGoldenrod"},
    {0xF08080, "LightCoral"},
    {0xF0E68C, "Khaki"},
    {0xF0F8FF, "AliceBlue"},
    {0xF0FFF0, "Honeydew"},
    {0xF0FFFF, "Azure"},
    {0xF4A460, "SandyBrown"},
    {0xF5DEB3, "Wheat"},
    {0xF5F5DC, "Beige"},
    {0xF5F5F5, "WhiteSmoke"},
    {0xF5FFFA, "MintCream"},
    {0xF8F8FF, "GhostWhite"},
    {0xFA8072, "Salmon"},
    {0xFAEBD7, "AntiqueWhite"},
    {0xFAF0E6, "Linen"},
    {0xFAFAD2, "LightGoldenrodYellow"},
    {0xFDF5E6, "OldLace"},
    {0xFF0000, "Red"},
    {0xFF00FF, "Fuchsia/Magenta"},
    {0xFF1493, "DeepPink"},
    {0xFF4500, "OrangeRed"},
    {0xFF6347, "Tomato"},
    {0xFF69B4, "HotPink"},
    {0xFF7F50, "Coral"},
    {0xFF8C00, "DarkOrange"},
    {0xFFA07A, "LightSalmon"},
    {0xFFA500, "Orange"},
    {0xFFB6C1, "LightPink"},
    {0xFFC0CB, "Pink"},
    {0xFFD700, "Gold"},
    {0xFFDAB9, "PeachPuff"},
    {0xFFDEAD, "NavajoWhite"},
    {0xFFE4B5, "Moccasin"},
    {0xFFE4C4, "Bisque"},
    {0xFFE4E1, "MistyRose"},
    {0xFFEBCD, "BlanchedAlmond"},
    {0xFFEFD5, "PapayaWhip"},
    {0xFFF0F5, "LavenderBlush"},
    {0xFFF5EE, "Seashell"},
    {0xFFF8DC, "Cornsilk"},
    {0xFFFACD, "LemonChiffon"},
    {0xFFFAF0, "FloralWhite"},
    {0xFFFAFA, "Snow"},
    {0xFFFF00, "Yellow"},
    {0xFFFFE0, "LightYellow"},
    {0xFFFFF0, "Ivory"},
    {0xFFFFFF, "White"},
};

uint16_t ToScale(long double x, uint16_t max) {
  const long double n = RoundHalfAway(x);
  if (n <= 0) return 0;
  if (n >= max) return max;
  return static_cast<uint16_t>(n);
}

// The hue shared by both models; only for non-grey colours (d > 0).
uint16_t Hue(int r, int g, int b, int max, int d, uint16_t hMax) {
  const long double sixth = static_cast<long double>(hMax) / 6;
  const long double half = static_cast<long double>(d) / 2;
  auto delta = [&](int c) { return ((max - c) * sixth + half) / d; };
  const long double dr = delta(r), dg = delta(g), db = delta(b);
  long double h;
  if (r == max)
    h = RoundHalfAway(db - dg);
  else if (g == max)
    h = RoundHalfAway(static_cast<long double>(hMax) / 3 + dr - db);
  else
    h = RoundHalfAway(2 * static_cast<long double>(hMax) / 3 + dg - dr);
  // Before wrapping h lies within -hMax/6 .. hMax, so one step is enough.
  if (h < 0) h += hMax;
  if (h >= hMax) h -= hMax;
  if (h < 0) h = 0;  // only reachable with hMax == 0
  return static_cast<uint16_t>(h);
}

}  // namespace

long double RoundHalfAway(long double x) {
  return x >= 0 ? static_cast<long double>(static_cast<long long>(x + 0.5L))
                : static_cast<long double>(static_cast<long long>(x - 0.5L));
}

ColourTriple RgbToHsv(uint8_t r, uint8_t g, uint8_t b, uint16_t hMax, uint16_t sMax, uint16_t vMax) {
  ColourTriple t;
  if (r == g && g == b) {
    t.third = ToScale(static_cast<long double>(r) / 256 * vMax, vMax);
    return t;
  }
  const int max = std::max({r, g, b}), min = std::min({r, g, b}), d = max - min;
  t.s = ToScale(static_cast<long double>(d) / max * sMax, sMax);
  t.third = ToScale(static_cast<long double>(max) / 256 * vMax, vMax);
  t.h = Hue(r, g, b, max, d, hMax);
  return t;
}

ColourTriple RgbToHls(uint8_t r, uint8_t g, uint8_t b, uint16_t hMax, uint16_t sMax, uint16_t lMax) {
  ColourTriple t;
  if (r == g && g == b) {
    t.third = ToScale(static_cast<long double>(r) / 255 * lMax, lMax);
    return t;
  }
  const int max = std::max({r, g, b}), min = std::min({r, g, b}), d = max - min;
  const int sum = max + min;  // 1 .. 509 for a non-grey colour
  t.third = ToScale(lMax * (sum * 0.5L / 255), lMax);
  const int base = t.third <= lMax / 2 ? sum : 510 - sum;
  t.s = ToScale((static_cast<long double>(d) * sMax + static_cast<long double>(base) / 2) / base, sMax);
  t.h = Hue(r, g, b, max, d, hMax);
  return t;
}

std::string_view ColorName(uint32_t rgb) {
  const NamedColour* end = std::end(kNamedColours);
  const NamedColour* it = std::lower_bound(std::begin(kNamedColours), end, rgb,
                                           [](const NamedColour& c, uint32_t v) { return c.rgb < v; });
  return it != end && it->rgb == rgb ? std::string_view(it->name) : std::string_view();
}

const NamedColour* NamedColourTable() { return kNamedColours; }
int NamedColourCount() { return static_cast<int>(std::size(kNamedColours)); }

// --- OKLCH, Lab and contrast ------------------------------------------------

double SrgbToLinear(uint8_t c) {
  const double v = c / 255.0;
  return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

OkLch RgbToOkLch(uint8_t r8, uint8_t g8, uint8_t b8) {
  const double r = SrgbToLinear(r8), g = SrgbToLinear(g8), b = SrgbToLinear(b8);
  // Linear sRGB to the cone responses, their cube roots, then L, a, b.
  const double l = std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b);
  const double m = std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b);
  const double s = std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
  const double L = 0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s;
  const double A = 1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s;
  const double B = 0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s;
  double h = std::atan2(B, A) * 180.0 / 3.14159265358979323846;
  if (h < 0) h += 360.0;
  if (h >= 360.0) h -= 360.0;
  return OkLch{L, std::hypot(A, B), h};
}

CieLab RgbToLab(uint8_t r8, uint8_t g8, uint8_t b8) {
  const double r = SrgbToLinear(r8), g = SrgbToLinear(g8), b = SrgbToLinear(b8);
  // Linear sRGB to XYZ (D65), exact fractions.
  const double x = 506752.0 / 1228815 * r + 87881.0 / 245763 * g + 12673.0 / 70218 * b;
  const double y = 87098.0 / 409605 * r + 175762.0 / 245763 * g + 12673.0 / 175545 * b;
  const double z = 7918.0 / 409605 * r + 87881.0 / 737289 * g + 1001167.0 / 1053270 * b;
  // Bradford adaptation to D50.
  const double x50 = 1.0479297925449969 * x + 0.022946870601609652 * y - 0.05019226628920524 * z;
  const double y50 = 0.02962780877005599 * x + 0.9904344267538799 * y - 0.017073799063418826 * z;
  const double z50 = -0.009243040646204504 * x + 0.015055191490298152 * y + 0.7518742814281371 * z;
  const double xw = 0.3457 / 0.3585, zw = (1 - 0.3457 - 0.3585) / 0.3585;
  const double epsilon = 216.0 / 24389, kappa = 24389.0 / 27;
  auto f = [&](double t) { return t > epsilon ? std::cbrt(t) : (kappa * t + 16) / 116; };
  const double f0 = f(x50 / xw), f1 = f(y50), f2 = f(z50 / zw);
  return CieLab{116 * f1 - 16, 500 * (f0 - f1), 200 * (f1 - f2)};
}

double RelativeLuminance(uint8_t r, uint8_t g, uint8_t b) {
  return 0.2126 * SrgbToLinear(r) + 0.7152 * SrgbToLinear(g) + 0.0722 * SrgbToLinear(b);
}

double ContrastRatio(uint32_t rgb1, uint32_t rgb2) {
  auto y = [](uint32_t rgb) {
    return RelativeLuminance(static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb));
  };
  const double a = y(rgb1), b = y(rgb2);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

namespace {
// "123.45" from a count of hundredths (or of 10^-decimals), no sign for 0.
std::string ScaledText(long long units, int decimals) {
  const bool negative = units < 0;
  const unsigned long long n = negative ? 0ULL - static_cast<unsigned long long>(units) : static_cast<unsigned long long>(units);
  unsigned long long scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  std::string fraction = std::to_string(n % scale);
  if (decimals > 0) fraction.insert(0, static_cast<size_t>(decimals) - fraction.size(), '0');
  std::string out = (negative && n != 0 ? "-" : "") + std::to_string(n / scale);
  if (decimals > 0) out += "." + fraction;
  return out;
}
long double Power10(int decimals) {
  long double p = 1;
  for (int i = 0; i < decimals; ++i) p *= 10;
  return p;
}
}  // namespace

std::string FixedText(double value, int decimals) {
  if (!std::isfinite(value)) value = 0;
  decimals = std::clamp(decimals, 0, 9);
  const long double units = RoundHalfAway(static_cast<long double>(value) * Power10(decimals));
  return ScaledText(static_cast<long long>(std::clamp<long double>(units, -9e17L, 9e17L)), decimals);
}

ColourTexts OkLchTexts(const OkLch& c) {
  if (c.c < 0.00005) return ColourTexts{FixedText(c.l * 100, 2), FixedText(0, 4), FixedText(0, 2)};
  std::string hue = FixedText(c.h, 2);
  if (hue == "360.00") hue = "0.00";  // the same hue, said the short way
  return ColourTexts{FixedText(c.l * 100, 2), FixedText(c.c, 4), hue};
}

ColourTexts LabTexts(const CieLab& c) { return ColourTexts{FixedText(c.l, 2), FixedText(c.a, 2), FixedText(c.b, 2)}; }

std::string ContrastText(double ratio) {
  if (!std::isfinite(ratio) || ratio < 1) ratio = 1;
  // Hundredths rounded down; the small allowance keeps 21.000000000000004
  // and 20.999999999999996 alike at 21.00 (8-bit colours give no ratio
  // that close to a threshold).
  const long double units = std::floor(static_cast<long double>(ratio) * 100 + 1e-9L);
  return ScaledText(static_cast<long long>(units), 2);
}

}  // namespace zorvik
