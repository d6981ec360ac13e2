// The copy and write commands against a stand-in main window: what reaches
// the clipboard, the status row and the window under the capture point.
#include <gtest/gtest.h>

#include <string>

#include "copy/clipboard.h"
#include "copy/copy_commands.h"
#include "fake_main_window.h"
#include "inspection/windowstyle.h"

namespace zorvik {
namespace {

class CopyCommandsTest : public ::testing::Test {
protected:
  void SetUp() override {
    copy_.Bind();
    main_.info.SetColour(0x0000FF);  // red
    main_.info.Handle = reinterpret_cast<uintptr_t>(main_.window);
    main_.info.ClassName = u"Static";
    main_.info.Text = u"見本";
    main_.info.Style = static_cast<int32_t>(WS_POPUP | WS_VISIBLE);
    main_.info.ExStyle = WS_EX_TOOLWINDOW;
    PutClipboardText(main_.window, L"前の中身");
  }
  bool Run(const char* command) { return main_.actions.Find(command)->Execute(); }
  std::wstring Clipboard() const { return ClipboardText(main_.window); }

  fakes::FakeMainWindow main_;
  CopyCommands copy_{main_, main_, main_, main_.formats};
};

TEST_F(CopyCommandsTest, ACopyPutsItsTextOnTheClipboardAndSaysSoWithTheTicksHeldMeanwhile) {
  const struct {
    const char* command;
    const wchar_t* text;
  } kCases[] = {
      {"Action_Copy_ColorRGB", L"255 0 0"},
      {"Action_Copy_ColorHTML", L"FF0000"},
      {"Action_Copy_WinInfoText", L"見本"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.command);
    main_.ticksHeld.clear();
    main_.statusMessages.clear();
    ASSERT_TRUE(Run(c.command));
    EXPECT_EQ(Clipboard(), c.text);
    const std::wstring caption = W(main_.actions.Find(c.command)->caption);
    EXPECT_EQ(main_.statusMessages, std::vector<std::wstring>{caption + L"をコピー " + c.text});
    EXPECT_EQ(main_.ticksHeld, (std::vector<bool>{true, false}));
  }
  // The picture: the view as the copy formats' option asks, as a bitmap.
  main_.ticksHeld.clear();
  main_.statusMessages.clear();
  ASSERT_TRUE(Run("Action_Copy_Picture"));
  EXPECT_EQ(main_.viewCopies, std::vector<bool>{main_.formats.InfoAreaOption()});
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
  EXPECT_EQ(main_.statusMessages, std::vector<std::wstring>{L"ズーム画像をコピー "});
  EXPECT_EQ(main_.ticksHeld, (std::vector<bool>{true, false}));
}

TEST_F(CopyCommandsTest, TheStyleDetailsAreTheListingOfTheViewerThatAsksAndOfNobodyElse) {
  TApp_ZorvikWindowStyle viewer(main_, main_, nullptr, nullptr);
  const std::wstring listing = Wide(viewer.CopyText(main_.info));
  ASSERT_EQ(listing.rfind(L"ウィンドウスタイル詳細\r\n", 0), 0u);
  // The command run on its own has no listing to copy.
  ASSERT_TRUE(Run("Action_Copy_WinInfoStyleVerbose"));
  EXPECT_EQ(Clipboard(), L"前の中身");
  copy_.CopyStyleDetails(viewer);
  EXPECT_EQ(Clipboard(), listing);
  EXPECT_EQ(main_.statusMessages.back(), L"ウィンドウ情報/ウィンドウスタイルの詳細をコピー " + listing);
  // Afterwards the command copies nothing again, and while it is disabled
  // the viewer's copy does nothing either.
  PutClipboardText(main_.window, L"前の中身");
  ASSERT_TRUE(Run("Action_Copy_WinInfoStyleVerbose"));
  EXPECT_EQ(Clipboard(), L"前の中身");
  main_.actions.Find("Action_Copy_WinInfoStyleVerbose")->SetEnabled(false);
  const size_t messages = main_.statusMessages.size();
  copy_.CopyStyleDetails(viewer);
  EXPECT_EQ(Clipboard(), L"前の中身");
  EXPECT_EQ(main_.statusMessages.size(), messages);
}

TEST_F(CopyCommandsTest, TheWriteMenuWritesTheCachedValuesIntoTheWindowUnderTheCapturePoint) {
  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, GetModuleHandleW(nullptr),
                              nullptr);
  ASSERT_NE(edit, nullptr);
  main_.windowAtPoint = edit;
  auto text = [edit] {
    wchar_t buffer[64] = L"";
    GetWindowTextW(edit, buffer, 64);
    return std::wstring(buffer);
  };
  // Without a cache the value commands are off.
  EXPECT_FALSE(Run("Action_Write_ColorRGB"));
  ASSERT_TRUE(Run("Action_Write_InfoCash"));
  EXPECT_TRUE(main_.HoldsWriteCache());
  EXPECT_EQ(main_.refreshes, 1);
  main_.info.SetColour(0x00FF00);  // the capture moves on; the cache stays
  ASSERT_TRUE(Run("Action_Write_ColorRGB"));
  EXPECT_EQ(text(), L"255 0 0");
  ASSERT_TRUE(Run("Action_Write_TextClear"));
  EXPECT_EQ(text(), L"");
  ASSERT_TRUE(Run("Action_Write_ClearCash"));
  EXPECT_FALSE(main_.HoldsWriteCache());
  EXPECT_FALSE(Run("Action_Write_ColorRGB"));
  DestroyWindow(edit);
}

}  // namespace
}  // namespace zorvik
