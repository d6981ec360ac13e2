// End-to-end: a key bound on the shortcut page with the mouse and the Set
// button is in the settings file after exit, and still there after the
// next start has read it and the next exit has written it again.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "commands/command_table.h"
#include "driver.h"

using namespace e2e;

namespace {

uint16_t U16(const std::vector<uint8_t>& b, size_t o) { return static_cast<uint16_t>(b[o] | (b[o + 1] << 8)); }

constexpr size_t kKeyTable = 87;  // 62 rows of (key code, command identifier)

TEST(ShortCutE2E, AKeySetOnThePageSurvivesARestart) {
  const std::wstring dir = Zorvik::NewDir();
  const uint16_t first = zorvik::CommandTable()[0].id;  // the command grid's first row
  ASSERT_NE(first, 0);
  {
    Zorvik app(dir);
    ASSERT_TRUE(app.hwnd());
    ASSERT_TRUE(app.Command(zorvik::CommandIdOf("Action_Custom_ShortCut")));
    Pump(500);
    HWND custom = CustomWindow(app.pid());
    ASSERT_TRUE(custom) << "the customisation window did not open";
    SetForegroundWindow(custom);
    Pump(200);
    const std::vector<HWND> grids = Children(custom, L"ZorvikKitGrid");
    ASSERT_EQ(grids.size(), 2u);  // keys on the left, commands on the right
    ClickAt(Middle(grids[0]));
    Tap(VK_HOME);  // the key "0"
    ClickAt(Middle(grids[1]));
    Tap(VK_HOME);  // the first command
    Pump(100);
    const std::vector<HWND> set = Children(custom, L"Button", L"セット");
    ASSERT_EQ(set.size(), 1u);
    ClickAt(Middle(set[0]));
    Pump(200);
    EXPECT_EQ(app.Close(), 0);
  }
  std::vector<uint8_t> b = ReadAll(dir + L"zorvik.bin");
  ASSERT_GE(b.size(), kKeyTable + 248);
  EXPECT_EQ(U16(b, kKeyTable), 0x30);
  EXPECT_EQ(U16(b, kKeyTable + 2), first);
  EXPECT_EQ(U16(b, kKeyTable + 4 * 16 + 2), zorvik::CommandIdOf("Action_Capture_Fixed"));  // F as it was

  {
    Zorvik app(dir);  // reads the file, writes it again at exit
    ASSERT_TRUE(app.hwnd());
    Pump(300);
    EXPECT_EQ(app.Close(), 0);
  }
  b = ReadAll(dir + L"zorvik.bin");
  ASSERT_GE(b.size(), kKeyTable + 248);
  EXPECT_EQ(U16(b, kKeyTable), 0x30);
  EXPECT_EQ(U16(b, kKeyTable + 2), first);
  Zorvik::RemoveDir(dir);
}

}  // namespace
