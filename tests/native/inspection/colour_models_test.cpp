#include "inspection/colour_models.h"

#include <gtest/gtest.h>

#include <string>

namespace zorvik {
namespace {

struct Conversion {
  uint8_t r, g, b;
  ColourTriple hsv, hls, hlsWin;
};

// Every fully given example: HSV and HLS on 360/100/100, HLS Windows on 240.
TEST(ColourModels, WorkedExamples) {
  const Conversion cases[] = {
      {255, 0, 0, {0, 100, 100}, {0, 100, 50}, {0, 240, 120}},
      {0, 128, 255, {210, 100, 100}, {210, 100, 50}, {140, 240, 120}},
      {51, 102, 153, {210, 67, 60}, {210, 51, 40}, {140, 121, 96}},
      {200, 100, 50, {20, 75, 78}, {20, 61, 49}, {13, 145, 118}},
      {255, 255, 255, {0, 0, 100}, {0, 0, 100}, {0, 0, 240}},
      {0, 0, 0, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
  };
  for (const Conversion& c : cases) {
    SCOPED_TRACE(testing::Message() << int(c.r) << "," << int(c.g) << "," << int(c.b));
    EXPECT_EQ(RgbToHsv(c.r, c.g, c.b, 360, 100, 100), c.hsv);
    EXPECT_EQ(RgbToHls(c.r, c.g, c.b, 360, 100, 100), c.hls);
    EXPECT_EQ(RgbToHls(c.r, c.g, c.b, 240, 240, 240), c.hlsWin);
  }
}

TEST(ColourModels, HueWrapsAndTiesFavourRedThenGreen) {
  // Raw hue -2 wraps to the top of the scale.
  EXPECT_EQ(RgbToHsv(255, 0, 10, 360, 100, 100).h, 358);
  EXPECT_EQ(RgbToHls(255, 0, 10, 360, 100, 100).h, 358);
  EXPECT_EQ(RgbToHls(255, 0, 10, 240, 240, 240).h, 238);
  // R and G share the maximum: the red branch decides.
  EXPECT_EQ(RgbToHsv(255, 255, 0, 360, 100, 100).h, 60);
  // G and B share it: the green branch decides.
  EXPECT_EQ(RgbToHsv(0, 255, 255, 360, 100, 100).h, 180);
}

TEST(ColourModels, GreysUseDifferentDivisorsPerModel) {
  // Value divides by 256, lightness by 255.
  EXPECT_EQ(RgbToHsv(254, 254, 254, 360, 100, 100), (ColourTriple{0, 0, 99}));
  EXPECT_EQ(RgbToHls(254, 254, 254, 360, 100, 100), (ColourTriple{0, 0, 100}));
  EXPECT_EQ(RgbToHls(254, 254, 254, 240, 240, 240), (ColourTriple{0, 0, 239}));
  EXPECT_EQ(RgbToHsv(1, 1, 1, 360, 100, 100), (ColourTriple{0, 0, 0}));
  EXPECT_EQ(RgbToHls(1, 1, 1, 360, 100, 100), (ColourTriple{0, 0, 0}));
  EXPECT_EQ(RgbToHls(1, 1, 1, 240, 240, 240), (ColourTriple{0, 0, 1}));
}

TEST(ColourModels, ResultsStayInsideTheirScales) {
  for (int r = 0; r < 256; r += 5)
    for (int g = 0; g < 256; g += 3)
      for (int b = 0; b < 256; b += 7) {
        const uint8_t R = uint8_t(r), G = uint8_t(g), B = uint8_t(b);
        for (const ColourTriple& t : {RgbToHsv(R, G, B, 360, 100, 100), RgbToHls(R, G, B, 360, 100, 100)}) {
          ASSERT_LT(t.h, 360) << r << "," << g << "," << b;
          ASSERT_LE(t.s, 100);
          ASSERT_LE(t.third, 100);
        }
        const ColourTriple w = RgbToHls(R, G, B, 240, 240, 240);
        ASSERT_LT(w.h, 240) << r << "," << g << "," << b;
        ASSERT_LE(w.s, 240);
        ASSERT_LE(w.third, 240);
      }
  // Degenerate scales do not divide by zero.
  EXPECT_EQ(RgbToHsv(10, 20, 30, 0, 0, 0), (ColourTriple{0, 0, 0}));
  EXPECT_EQ(RgbToHls(10, 20, 30, 0, 0, 0), (ColourTriple{0, 0, 0}));
}

TEST(ColourModels, RoundingIsHalfAwayFromZero) {
  EXPECT_EQ(RoundHalfAway(2.5L), 3);
  EXPECT_EQ(RoundHalfAway(-2.5L), -3);
  EXPECT_EQ(RoundHalfAway(2.4999L), 2);
  EXPECT_EQ(RoundHalfAway(-0.4L), 0);
}

TEST(ColourNames, HitsAndMisses) {
  const struct {
    uint32_t rgb;
    const char* name;
  } cases[] = {
      {0xFF0000, "Red"},         {0x9966CC, "Amethyst"},  {0x00FFFF, "Aqua/Cyan"},
      {0xFF00FF, "Fuchsia/Magenta"}, {0xD3D3D3, "LightGrey"}, {0x808080, "Gray"},
      {0x2F4F4F, "DarkSlateGray"}, {0x000000, "Black"},   {0xFFFFFF, "White"},
      {0x123456, ""},            {0xA9A9AA, ""},           {0x01FF0000, ""},  // bits above 24 never match
  };
  for (const auto& c : cases) EXPECT_EQ(std::string(ColorName(c.rgb)), c.name) << std::hex << c.rgb;
}

TEST(ColourNames, TableIsAscendingWithOneNamePerValue) {
  ASSERT_EQ(NamedColourCount(), 139);
  const NamedColour* t = NamedColourTable();
  for (int i = 1; i < NamedColourCount(); ++i) EXPECT_LT(t[i - 1].rgb, t[i].rgb) << t[i].name;
  for (int i = 0; i < NamedColourCount(); ++i) {
    EXPECT_EQ(ColorName(t[i].rgb), t[i].name);
    // Greys are spelled Gray, except LightGrey.
    const std::string name = t[i].name;
    if (name != "LightGrey") {
      EXPECT_EQ(name.find("Grey"), std::string::npos) << name;
    }
  }
}

}  // namespace
}  // namespace zorvik

namespace zorvik {
namespace {

// The published reference values, and a table computed independently (a
// double-precision script straight from the published constants, outside
// this program) for colours of every kind: primaries, greys, a near-black,
// dark and light mixed colours.
TEST(ModernColour, OkLchLabAndContrastMatchReferenceValues) {
  const struct {
    uint32_t rgb;
    const char *okL, *okC, *okH, *labL, *labA, *labB, *onWhite, *onBlack;
  } cases[] = {
      {0xFF0000, "62.80", "0.2577", "29.23", "54.29", "80.80", "69.89", "3.99", "5.25"},
      {0x00FF00, "86.64", "0.2948", "142.50", "87.82", "-79.27", "80.99", "1.37", "15.30"},
      {0x0000FF, "45.20", "0.3132", "264.05", "29.57", "68.29", "-112.03", "8.59", "2.44"},
      {0xFFFFFF, "100.00", "0.0000", "0.00", "100.00", "0.00", "0.00", "1.00", "21.00"},
      {0x000000, "0.00", "0.0000", "0.00", "0.00", "0.00", "0.00", "21.00", "1.00"},
      {0x808080, "59.99", "0.0000", "0.00", "53.59", "0.00", "0.00", "3.94", "5.31"},
      {0x123456, "31.92", "0.0725", "251.17", "20.68", "-2.28", "-24.59", "12.71", "1.65"},
      {0xFFC800, "85.75", "0.1752", "88.49", "83.79", "10.20", "84.17", "1.55", "13.51"},
      {0x010203, "8.23", "0.0080", "240.75", "0.50", "-0.17", "-0.48", "20.76", "1.01"},
      {0xFA8072, "73.50", "0.1515", "28.06", "67.85", "46.63", "30.16", "2.50", "8.39"},
      {0x4B0082, "33.90", "0.1793", "301.68", "19.72", "47.03", "-54.28", "12.95", "1.62"},
      {0x008080, "54.31", "0.0927", "194.77", "47.99", "-30.39", "-8.98", "4.77", "4.39"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rgb);
    const uint8_t r = static_cast<uint8_t>(c.rgb >> 16), g = static_cast<uint8_t>(c.rgb >> 8),
                  b = static_cast<uint8_t>(c.rgb);
    const ColourTexts ok = OkLchTexts(RgbToOkLch(r, g, b));
    EXPECT_EQ(ok.first, c.okL);
    EXPECT_EQ(ok.second, c.okC);
    EXPECT_EQ(ok.third, c.okH);
    const ColourTexts lab = LabTexts(RgbToLab(r, g, b));
    EXPECT_EQ(lab.first, c.labL);
    EXPECT_EQ(lab.second, c.labA);
    EXPECT_EQ(lab.third, c.labB);
    EXPECT_EQ(ContrastText(ContrastRatio(c.rgb, 0xFFFFFF)), c.onWhite);
    EXPECT_EQ(ContrastText(ContrastRatio(c.rgb, 0x000000)), c.onBlack);
  }
}

// Rounded down: #767676 passes AA text on white (4.54), #777777 (4.47)
// does not, and no shown ratio passes a threshold the real one misses.
TEST(ModernColour, ContrastIsRoundedDownAndSymmetric) {
  EXPECT_EQ(ContrastText(ContrastRatio(0x767676, 0xFFFFFF)), "4.54");
  EXPECT_EQ(ContrastText(ContrastRatio(0x777777, 0xFFFFFF)), "4.47");
  EXPECT_EQ(ContrastText(ContrastRatio(0xFFFFFF, 0x000000)), "21.00");
  EXPECT_EQ(ContrastRatio(0x123456, 0xABCDEF), ContrastRatio(0xABCDEF, 0x123456));
  EXPECT_EQ(ContrastText(4.499999), "4.49");
  EXPECT_EQ(ContrastText(2.999), "2.99");
  EXPECT_EQ(ContrastText(7.0), "7.00");
  for (uint32_t grey = 0; grey < 256; ++grey) {
    const double real = ContrastRatio(grey * 0x010101, 0xFFFFFF);
    const double shown = std::stod(ContrastText(real));
    EXPECT_LE(shown, real + 1e-9) << grey;
    for (double threshold : {3.0, 4.5, 7.0})
      if (real < threshold) {
        EXPECT_LT(shown, threshold) << grey;
      }
  }
}

TEST(ModernColour, FixedTextRoundsHalfAwayAndNeverShowsMinusZero) {
  const struct {
    double value;
    int decimals;
    const char* text;
  } cases[] = {{0.125, 2, "0.13"},    {-0.125, 2, "-0.13"}, {-0.001, 2, "0.00"}, {-0.0, 2, "0.00"},
               {2.5, 0, "3"},         {-2.5, 0, "-3"},      {0.00004, 4, "0.0000"},
               {359.999, 2, "360.00"}, {12.3456789, 4, "12.3457"}};
  for (const auto& c : cases) EXPECT_EQ(FixedText(c.value, c.decimals), c.text) << c.value;
  // A hue that rounds up to a full turn is shown as 0.
  EXPECT_EQ(OkLchTexts(OkLch{0.5, 0.1, 359.999}).third, "0.00");
  EXPECT_EQ(OkLchTexts(OkLch{0.5, 0.00004, 120}).third, "0.00");
}

}  // namespace
}  // namespace zorvik
