// End-to-end: a piece typed on the copy-format page is in the settings file
// after exit (as its UTF-8 record, "%" doubled), comes back at the next
// start, and a copy command run with Shift held opens the page on that item
// instead of copying; without Shift the copy ends in the typed text.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "commands/command_table.h"
#include "driver.h"

using namespace e2e;

namespace {

// The copy-format record of a slot in the settings file: menu identifier,
// byte length, UTF-8 text.
bool HasRecord(const std::vector<uint8_t>& file, int menuId, const std::string& text) {
  std::vector<uint8_t> record = {static_cast<uint8_t>(menuId & 0xFF), static_cast<uint8_t>(menuId >> 8),
                                 static_cast<uint8_t>(text.size() & 0xFF), static_cast<uint8_t>(text.size() >> 8)};
  record.insert(record.end(), text.begin(), text.end());
  return std::search(file.begin(), file.end(), record.begin(), record.end()) != file.end();
}

TEST(CopyPageE2E, TypedPieceSurvivesARestartAndShiftCopyOpensThePageOnIt) {
  const std::wstring dir = Zorvik::NewDir();
  {
    Zorvik z(dir);
    ASSERT_TRUE(z.Running());
    z.Command("Action_Custom_Copy");
    HWND custom = WaitForCustomWindow(z.pid());
    ASSERT_NE(custom, nullptr);
    HWND box = CopyPageControl(custom, "edtCopy_ColorHSV4");
    ASSERT_NE(box, nullptr);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L" 50%"), SMTO_ABORTIFHUNG, 2000, &ignored);
    Pump(100);
    EXPECT_EQ(TextOf(CopyPageControl(custom, "lblCopy_ColorHSVDisp")), L"180 50 50 50%");
    EXPECT_EQ(z.Close(), 0);
  }
  const std::vector<uint8_t> file = ReadAll(dir + L"zorvik.bin");
  EXPECT_TRUE(HasRecord(file, zorvik::MenuIdOfCopySlot(7), "%d %d %d 50%%"));

  Zorvik z(dir);
  ASSERT_TRUE(z.Running());
  ClearClipboard();
  KeyDown(VK_SHIFT);
  Pump(50);
  z.Command("Action_Copy_ColorHSV");
  KeyUp(VK_SHIFT);
  HWND custom = WaitForCustomWindow(z.pid());
  ASSERT_NE(custom, nullptr);
  Pump(200);
  EXPECT_EQ(TextOf(CopyPageControl(custom, "ComboBox_Copy_FmtSel")), L"カラー情報/HSV");
  EXPECT_EQ(TextOf(CopyPageControl(custom, "edtCopy_ColorHSV4")), L" 50%");
  EXPECT_EQ(ClipboardUnicode(), L"");
  // The item's panel is at the top of the scrolling area.
  RECT area{}, panel{};
  HWND box = CopyPageControl(custom, "ScrollBox_Copy");
  GetClientRect(box, &area);
  MapWindowPoints(box, nullptr, reinterpret_cast<POINT*>(&area), 2);
  GetWindowRect(CopyPageControl(custom, "pnlCopy_ColorHSV"), &panel);
  EXPECT_EQ(panel.top, area.top);
  // Without Shift the command copies, ending in the typed text.
  z.Command("Action_Copy_ColorHSV");
  Pump(100);
  const std::wstring copied = ClipboardUnicode();
  ASSERT_GE(copied.size(), 4u);
  EXPECT_EQ(copied.substr(copied.size() - 4), L" 50%");
  EXPECT_EQ(z.Close(), 0);
}

}  // namespace
