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
