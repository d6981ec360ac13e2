#include "commands/icons.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "commands/command_table.h"

namespace zorvik {
namespace {

constexpr uint32_t kGarbage = 0x12345678;  // alpha 0x12: neither 0 nor 255

using Pixels = std::vector<uint32_t>;

// Checks what every painted icon must satisfy: each pixel written with
// alpha 0 or 255, some of each, and no opaque magenta (the mask colour of
// the enlarged icon list, which would punch a hole into the icon).
void ExpectWellFormed(const Pixels& px) {
  int opaque = 0, clear = 0, bad = 0, magenta = 0;
  for (uint32_t p : px) {
    uint32_t a = p >> 24;
    if (a == 0xFF)
      ++opaque;
    else if (a == 0)
      ++clear;
    else
      ++bad;
    if (a == 0xFF && (p & 0xFFFFFF) == 0xFF00FF) ++magenta;
  }
  EXPECT_EQ(bad, 0) << "pixels not written or half transparent";
  EXPECT_GT(opaque, 0);
  EXPECT_GT(clear, 0);
  EXPECT_EQ(magenta, 0);
}

std::string NameOfIcon(int index) {
  for (size_t i = 0; i < CommandCount(); ++i)
    if (CommandTable()[i].icon == index) return CommandTable()[i].name;
  return "?";
}

TEST(CommandIcons, EveryIconIsPaintedCleanly) {
  ASSERT_GT(CommandIconCount(), 0);
  for (int i = 0; i < CommandIconCount(); ++i) {
    SCOPED_TRACE(NameOfIcon(i));
    Pixels px(kIconSize * kIconSize, kGarbage);
    ASSERT_TRUE(DrawCommandIcon(i, px.data()));
    ExpectWellFormed(px);
  }
}

TEST(CommandIcons, EveryCommandLooksDifferent) {
  std::map<Pixels, std::string> seen;
  for (int i = 0; i < CommandIconCount(); ++i) {
    Pixels px(kIconSize * kIconSize);
    ASSERT_TRUE(DrawCommandIcon(i, px.data()));
    auto [it, fresh] = seen.emplace(px, NameOfIcon(i));
    EXPECT_TRUE(fresh) << NameOfIcon(i) << " looks like " << it->second;
  }
}

TEST(CommandIcons, PaintingDoesNotDependOnTheBufferOrOnEarlierCalls) {
  // Draw everything once in order, then again in reverse order into dirty
  // buffers: the results must match pixel for pixel.
  std::vector<Pixels> first;
  for (int i = 0; i < CommandIconCount(); ++i) {
    Pixels px(kIconSize * kIconSize, 0);
    DrawCommandIcon(i, px.data());
    first.push_back(px);
  }
  for (int i = CommandIconCount() - 1; i >= 0; --i) {
    Pixels px(kIconSize * kIconSize, 0xFFFFFFFF);
    DrawCommandIcon(i, px.data());
    EXPECT_EQ(px, first[i]) << NameOfIcon(i);
  }
}

// The icons are kept by index: every index below the count stands on the row
// of exactly one command.
TEST(CommandIcons, EveryIndexBelongsToOneCommand) {
  std::vector<int> owners(static_cast<size_t>(CommandIconCount()));
  for (size_t i = 0; i < CommandCount(); ++i) {
    const int icon = CommandTable()[i].icon;
    if (icon < 0) continue;
    ASSERT_LT(icon, CommandIconCount()) << CommandTable()[i].name;
    ++owners[static_cast<size_t>(icon)];
  }
  for (size_t i = 0; i < owners.size(); ++i) EXPECT_EQ(owners[i], 1) << i;
  EXPECT_EQ(SeparatorCommand().icon, -1);
}

TEST(CommandIcons, UnknownIndicesAreRefusedAndLeaveThePixelsAlone) {
  for (int index : {-1, -1000, CommandIconCount(), CommandIconCount() + 1, 1 << 20}) {
    SCOPED_TRACE(index);
    Pixels px(kIconSize * kIconSize, kGarbage);
    EXPECT_FALSE(DrawCommandIcon(index, px.data()));
    EXPECT_EQ(px, Pixels(kIconSize * kIconSize, kGarbage));
  }
  EXPECT_FALSE(DrawCommandIcon(0, nullptr));
}

TEST(InfoIcons, TheSixStateIconsArePaintedAndDistinct) {
  std::map<Pixels, int> seen;
  for (int i = 0; i < kInfoIconCount; ++i) {
    SCOPED_TRACE(i);
    Pixels px(kInfoIconSize * kInfoIconSize, kGarbage);
    ASSERT_TRUE(DrawInfoIcon(i, px.data()));
    ExpectWellFormed(px);
    EXPECT_TRUE(seen.emplace(px, i).second);
  }
  EXPECT_EQ(kInfoIconCount, 6);
}

TEST(InfoIcons, UnknownIndicesAreRefused) {
  for (int index : {-1, kInfoIconCount, 100}) {
    Pixels px(kInfoIconSize * kInfoIconSize, kGarbage);
    EXPECT_FALSE(DrawInfoIcon(index, px.data())) << index;
    EXPECT_EQ(px, Pixels(kInfoIconSize * kInfoIconSize, kGarbage));
  }
  EXPECT_FALSE(DrawInfoIcon(0, nullptr));
}

}  // namespace
}  // namespace zorvik
