// The settings against a stand-in main window: what a file applies to the
// live settings and the commands, in the table's order, and that collecting
// the same state writes the same bytes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/command_table.h"
#include "fake_main_window.h"
#include "platform/text.h"
#include "settings/app_settings.h"
#include "settings/my_settingfile.h"

namespace zorvik {
namespace {

std::vector<uint8_t> ReadAll(const std::wstring& file) {
  std::vector<uint8_t> bytes(1 << 16);
  DWORD n = 0;
  HANDLE f = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f != INVALID_HANDLE_VALUE) {
    ReadFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
    CloseHandle(f);
  }
  bytes.resize(n);
  return bytes;
}

void WriteAll(const std::wstring& file, const std::vector<uint8_t>& bytes) {
  HANDLE f = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  DWORD n = 0;
  WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
  CloseHandle(f);
}

class AppSettingsTest : public ::testing::Test {
protected:
  void SetUp() override {
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    file_ = std::wstring(dir) + L"zorvik-app-settings-test.bin";
    DeleteFileW(file_.c_str());
  }
  void TearDown() override { DeleteFileW(file_.c_str()); }

  // Every field away from its default, each in a way the live state can hold.
  static SettingsData Stored() {
    SettingsData s;
    s.bounds = StoredRect{100, 120, 400, 380};
    s.zoomIndex = 3;
    s.gridFlags = kGridUseSubElseColor;  // the grid hidden
    s.gridColorItem = 5;                 // MenuItem_Grid_Invert
    s.subGridColorItem = 2;              // MenuItem_Grid_SubRed
    s.gridColor = 0x123456;
    s.subGridColor = 0x00FF00;
    s.subGridElseColor = 0x0000FF;
    s.colorLines = kColorLineHsv | kColorLineHlsWin;
    s.posLines = kPosLineClient | kPosLineLength;
    s.lengthOriginX = 30;
    s.lengthOriginY = 40;
    s.winInfoLines = kWinInfoPid | kWinInfoStyle;
    s.options = kOptStayOnTop | kOptToolBar | kOptZoomWheel;
    s.captureMode = kCaptureFixed;
    s.fixedPointX = 200;
    s.fixedPointY = 210;
    s.keyBindings.pop_back();
    s.gestures = {s.gestures[3], s.gestures[2], s.gestures[1], s.gestures[0]};
    s.toolBar.resize(s.toolBar.size() / 2);
    s.copyFormats.push_back(StoredCopyFormat{static_cast<uint16_t>(MenuIdOfCopySlot(1)), "<%d>"});
    s.apiList = "GetWindowRect\r\n";  // the API test window's, kept as read
    s.flipMode = 5;
    s.font = StoredFontInfo{"ＭＳ ゴシック", 14, 90};
    return s;
  }

  std::wstring file_;
  fakes::FakeMainWindow main_;
  AppSettings settings_{main_, main_, main_, main_};
};

TEST_F(AppSettingsTest, AFileIsAppliedInTableOrderAndCollectedBackToTheSameBytes) {
  const std::vector<uint8_t> bytes = WriteSettings(Stored());
  WriteAll(file_, bytes);
  ASSERT_TRUE(settings_.Load(file_, false, false));

  const std::vector<std::string> expected = {
      "SetZoomIndex 3",
      "ApplyGrid",
      "SetLengthOrigin 30,40",
      "ApplyStayOnTop",
      "ApplyTitleBar",
      "ApplyToolBar",
      "SetCapturePoint 200,210",  // the fixed command was checked first
      "ApplyCaptureMode",
      "PlaceWindow 100,120 300x260 on screen",
      "SetFlipMode 5",
      "SetInfoFont ＭＳ ゴシック 14",
      "SetDividerX 90",
  };
  EXPECT_EQ(main_.calls, expected);
  // The commands' checks and tags, the parts.
  for (const char* on : {"Action_Opt_StayOnTop", "Action_Opt_ZoomWheel", "Action_Capture_Fixed", "Action_Grid_Invert",
                         "Action_Grid_SubRed", "Action_Test_Rotate180", "Action_Color_HSV", "Action_Pos_Length",
                         "Action_WinInfo_PID"})
    EXPECT_TRUE(main_.Checked(on)) << on;
  for (const char* off : {"Action_Opt_TitleBar", "Action_Grid_Disp", "Action_Grid_Gray", "Action_Color_RGB",
                          "Action_Pos_Screen", "Action_WinInfo_Handle", "Action_Capture_Lupe"})
    EXPECT_FALSE(main_.Checked(off)) << off;
  EXPECT_EQ(main_.actions.Find("Action_Grid_SelColor")->tag, 0x123456);
  EXPECT_EQ(main_.formats.CopyFormat(1), u"<%d>");
  EXPECT_EQ(main_.toolbar.Count(), static_cast<int>(Stored().toolBar.size()));
  EXPECT_EQ(main_.bindings.Items().size(), Stored().keyBindings.size());
  EXPECT_EQ(CommandIdOf(main_.gestures.slots[0]), Stored().gestures[0]);

  main_.calls.clear();
  DeleteFileW(file_.c_str());
  settings_.Save();
  EXPECT_TRUE(main_.calls.empty());  // collecting changes nothing
  const std::vector<uint8_t> written = ReadAll(file_);
  EXPECT_TRUE(ReadSettings(written.data(), written.size()).data == Stored());
  EXPECT_TRUE(written == bytes);  // byte for byte
}

// Shift held at start puts the window at the origin, Ctrl lets it stay off
// the screen; both held take nothing from the file.
TEST_F(AppSettingsTest, TheKeysHeldAtStartChangeWhereTheWindowGoes) {
  WriteAll(file_, WriteSettings(Stored()));
  const struct {
    bool shift, ctrl, applied;
    const char* placed;
  } kCases[] = {
      {false, false, true, "PlaceWindow 100,120 300x260 on screen"},
      {true, false, true, "PlaceWindow 0,0 300x260 on screen"},
      {false, true, true, "PlaceWindow 100,120 300x260"},
      {true, true, false, nullptr},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::to_string(c.shift) + std::to_string(c.ctrl));
    fakes::FakeMainWindow main;
    AppSettings settings(main, main, main, main);
    EXPECT_EQ(settings.Load(file_, c.shift, c.ctrl), c.applied);
    std::vector<std::string> placed;
    for (const std::string& call : main.calls)
      if (call.rfind("PlaceWindow", 0) == 0) placed.push_back(call);
    EXPECT_EQ(placed, c.placed ? std::vector<std::string>{c.placed} : std::vector<std::string>{});
    if (!c.applied) EXPECT_TRUE(main.calls.empty());
  }
}

}  // namespace
}  // namespace zorvik
