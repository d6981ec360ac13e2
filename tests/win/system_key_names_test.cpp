// Names of keys outside the fixed key set come from the keyboard layout.
#include <gtest/gtest.h>

#include <windows.h>

#include "commands/keys.h"
#include "commands/system_key_names.h"

namespace zorvik {
namespace {

class SystemKeyNamesTest : public ::testing::Test {
protected:
  void SetUp() override { InstallSystemKeyNames(); }
  void TearDown() override { SetSystemKeyNameSource(nullptr); }
};

TEST_F(SystemKeyNamesTest, KeysOutsideTheSetHaveTheLayoutsName) {
  struct Case {
    uint16_t vk;
    const char* expected;  // nullptr: any non-empty name
  };
  // "Tab" is the same on every layout (and Wine's); the others differ in
  // wording, so only their presence counts.
  const Case cases[] = {
      {VK_TAB, "Tab"},         {VK_OEM_MINUS, nullptr}, {VK_NUMPAD5, nullptr}, {VK_DECIMAL, nullptr},
      {VK_NUMLOCK, nullptr},   {VK_DIVIDE, nullptr},    {VK_LWIN, nullptr},    {VK_APPS, nullptr},
      {VK_SCROLL, nullptr},    {VK_MULTIPLY, nullptr},
  };
  for (const Case& c : cases) {
    const std::string name = KeyToKeyName(c.vk);
    SCOPED_TRACE(c.vk);
    EXPECT_FALSE(name.empty());
    if (c.expected) EXPECT_EQ(name, c.expected);
    EXPECT_EQ(FixedKeyName(c.vk), nullptr);
  }
}

// Keypad twins: the extended bit makes the keys of the editing block differ
// from the keypad keys sharing their scan code.
TEST_F(SystemKeyNamesTest, ExtendedKeysDifferFromTheirKeypadTwins) {
  const struct {
    uint16_t extended, keypad;
  } pairs[] = {{VK_DIVIDE, VK_OEM_2}, {VK_HOME, VK_NUMPAD7}, {VK_INSERT, VK_NUMPAD0}, {VK_PRIOR, VK_NUMPAD9}};
  for (const auto& p : pairs) {
    SCOPED_TRACE(p.extended);
    const std::string a = SystemKeyName(p.extended), b = SystemKeyName(p.keypad);
    EXPECT_FALSE(a.empty());
    EXPECT_FALSE(b.empty());
    EXPECT_NE(a, b);
  }
}

// The 62 keys keep their own shown names whatever the layout calls them.
TEST_F(SystemKeyNamesTest, FixedKeysKeepTheirShownNames) {
  EXPECT_EQ(KeyToKeyName(VK_SPACE), "ｽﾍﾟｰｽ");
  EXPECT_EQ(KeyToKeyName(VK_UP), "↑");
  EXPECT_EQ(KeyToKeyName(VK_BACK), "BS(後退)");
  EXPECT_EQ(KeyToKeyName(0), "");
}

}  // namespace
}  // namespace zorvik
