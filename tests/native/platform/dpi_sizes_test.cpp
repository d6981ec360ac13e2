#include "platform/dpi_sizes.h"

#include <gtest/gtest.h>


namespace zorvik {
namespace {

TEST(HeightForFont, TruncatesTheDecimalProductAndHonoursTheMinimum) {
  struct Case {
    int font, minimum;
    double factor;
    int expected;
  } cases[] = {
      {12, 0, ItemHeightFactor, 15},     // 15.6: 96-dpi list item
      {12, 0, ControlHeightFactor, 21},  // 21.6: 96-dpi button
      {18, 0, ItemHeightFactor, 23},     // 144 dpi
      {18, 0, ControlHeightFactor, 32},
      {10, 0, ControlHeightFactor, 18},  // exact product stays, not 17
      {13, 0, ItemHeightFactor, 16},     // 16.9 -> 16
      {10, 0, ItemHeightFactor, 13},     // exact product stays, not 12
      {9, 16, ItemHeightFactor, 16},     // 16-pixel icons in a 9-pixel font
      {20, 16, ItemHeightFactor, 26},    // the computed value wins when larger
      {0, 0, ItemHeightFactor, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HeightForFont(c.font, c.minimum, c.factor), c.expected)
        << "font " << c.font << " minimum " << c.minimum << " factor " << c.factor;
    EXPECT_EQ(HeightForFont(-c.font, c.minimum, c.factor), c.expected) << "font " << -c.font;
  }
}

TEST(HeightForFont, MatchesTheDecimalProductForEveryUsualFontHeight) {
  // factor * h in tenths is an integer; its truncation is the expected value.
  for (int h = 1; h <= 200; ++h) {
    EXPECT_EQ(HeightForFont(h, 0, ItemHeightFactor), 13 * h / 10) << h;
    EXPECT_EQ(HeightForFont(h, 0, ControlHeightFactor), 18 * h / 10) << h;
  }
}

TEST(HeightForFont, LabelIsFontHeightPlusFour) {
  EXPECT_EQ(LabelHeightForFont(12), 16);
  EXPECT_EQ(LabelHeightForFont(-18), 22);
}

}  // namespace
}  // namespace zorvik
