// Loupe mode and no-self-capture under desktop composition. Wine can leave
// no window out of a screen copy, so the system is played by fakes in the
// optional-function table: composition on or off, and the display affinity
// taken (Windows 10 version 2004 on), refused (Windows 8 to 10 version 1909)
// or missing (Windows 7). What is checked is the decision: the notice and the
// checks of the two modes, and when the main window is left out of copies.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "magnifier/main_window.h"
#include "platform/general.h"
#include "platform/optional_functions.h"
#include "platform/text.h"
#include "platform/win_text.h"
#include "win_support.h"

namespace zorvik {
namespace {

struct FakeSystem {
  BOOL composition = TRUE;
  bool takesExclusion = true;
  std::map<HWND, DWORD> affinity;
  std::vector<std::pair<HWND, DWORD>> calls;  // every SetWindowDisplayAffinity
};
FakeSystem* g_fake = nullptr;

HRESULT WINAPI FakeIsCompositionEnabled(BOOL* on) {
  *on = g_fake->composition;
  return S_OK;
}
HRESULT WINAPI FakeDwmFlush() { return S_OK; }
BOOL WINAPI FakeSetAffinity(HWND h, DWORD a) {
  g_fake->calls.emplace_back(h, a);
  if (a == kExcludeFromCapture && !g_fake->takesExclusion) return FALSE;
  g_fake->affinity[h] = a;
  return TRUE;
}
BOOL WINAPI FakeGetAffinity(HWND h, DWORD* a) {
  const auto it = g_fake->affinity.find(h);
  *a = it == g_fake->affinity.end() ? 0 : it->second;
  return TRUE;
}

struct SystemCase {
  const char* name;
  BOOL composition;
  bool hasAffinity, takesExclusion;
  bool canExclude, refused;  // expected: exclusion available; both modes refused with the notice
};

class CaptureExclusion : public ::testing::TestWithParam<SystemCase> {
protected:
  void SetUp() override {
    LoadOptionalFunctions();
    saved_ = Optional();
    fake_.composition = GetParam().composition;
    fake_.takesExclusion = GetParam().takesExclusion;
    g_fake = &fake_;
    OptionalFunctions& f = Optional();
    if (!f.dwmapi) f.dwmapi = GetModuleHandleW(nullptr);  // only tested for presence
    f.DwmIsCompositionEnabled = FakeIsCompositionEnabled;
    f.DwmFlush = FakeDwmFlush;
    f.SetWindowDisplayAffinity = GetParam().hasAffinity ? FakeSetAffinity : nullptr;
    f.GetWindowDisplayAffinity = GetParam().hasAffinity ? FakeGetAffinity : nullptr;
    ASSERT_TRUE(CanLayerWindows());
    SetCursorPos(500, 400);
    app_.settingsFile.clear();
    ASSERT_TRUE(app_.CreateMainWindow());
    wintest::Pump(200);
  }
  void TearDown() override {
    DestroyWindow(app_.Handle());
    wintest::Pump(100);
    Optional() = saved_;
    g_fake = nullptr;
  }
  DWORD MainAffinity() const { return fake_.affinity.count(app_.Handle()) ? fake_.affinity.at(app_.Handle()) : 0; }
  // Runs a mode's command; returns the notice it showed ("" when none).
  std::wstring Run(const char* command) {
    wintest::DialogProbe probe(ProductNameOf(), wintest::DialogProbe::Action::Press, L"OK");
    app_.ActionByName(command)->Trigger();
    wintest::Pump(150);
    probe.Join();
    return probe.Seen() ? probe.Text() : L"";
  }

  OptionalFunctions saved_;
  FakeSystem fake_;
  TApp_Zorvik app_;
};

TEST_P(CaptureExclusion, BothModesAreKeptOrRefusedAsTheSystemAllows) {
  const SystemCase& c = GetParam();
  EXPECT_EQ(app_.CanExcludeFromCapture(), c.canExclude);
  EXPECT_EQ(MainAffinity(), 0u) << "the trial at start leaves the window in copies";
  for (const char* mode : {"Action_Capture_Lupe", "Action_Capture_NoSelfCapture"}) {
    SCOPED_TRACE(mode);
    kit::Action* a = app_.ActionByName(mode);
    const std::wstring notice = Run(mode);
    if (c.refused) {
      const std::wstring caption = W(CaptionWithoutAccelerator(a->caption));
      EXPECT_EQ(notice, L"Aero テーマが有効の場合以下の機能は使用できません\r\n\r\n\u3000・" + caption +
                            L"\r\n\r\n機能を解除します");
      EXPECT_FALSE(a->Checked());
    } else {
      EXPECT_EQ(notice, L"");
      EXPECT_TRUE(a->Checked());
    }
    EXPECT_EQ(app_.ExcludedFromCapture(), c.canExclude);
    EXPECT_EQ(MainAffinity(), c.canExclude ? kExcludeFromCapture : 0u);
    // Off again: loupe mode shares its group with the fixed capture, whose
    // command taken twice leaves both off; no-self-capture toggles.
    if (a->Checked()) {
      if (a->groupIndex > 0) {
        EXPECT_EQ(Run("Action_Capture_Fixed"), L"");
        EXPECT_EQ(Run("Action_Capture_Fixed"), L"");
      } else {
        EXPECT_EQ(Run(mode), L"");
      }
    }
    EXPECT_FALSE(a->Checked());
    EXPECT_FALSE(app_.ExcludedFromCapture());
    EXPECT_EQ(MainAffinity(), 0u);
  }
  // Only the main window is ever left out.
  for (const auto& call : fake_.calls) EXPECT_EQ(call.first, app_.Handle());
}

// With no-self-capture on, the pause takes its picture without the window
// with the window left out, the one that may show it with the window in,
// and goes on leaving it out while the mode is on; where the window cannot
// be left out, the pause touches no affinity.
TEST_P(CaptureExclusion, ThePausePictureWithoutTheWindowIsTakenWithTheWindowLeftOut) {
  const SystemCase& c = GetParam();
  // Where the mode is refused, the pause goes as it always went.
  ASSERT_EQ(Run("Action_Capture_NoSelfCapture").empty(), !c.refused);
  fake_.calls.clear();
  ASSERT_EQ(Run("Action_Capture_Pause"), L"");
  ASSERT_TRUE(app_.ActionByName("Action_Capture_Pause")->Checked());
  const std::vector<std::pair<HWND, DWORD>> expected =
      c.canExclude ? std::vector<std::pair<HWND, DWORD>>{{app_.Handle(), 0}, {app_.Handle(), kExcludeFromCapture}}
                   : std::vector<std::pair<HWND, DWORD>>{};
  EXPECT_EQ(fake_.calls, expected);
  EXPECT_EQ(app_.ExcludedFromCapture(), c.canExclude);
  Run("Action_Capture_Pause");
  Run("Action_Capture_NoSelfCapture");
  EXPECT_EQ(MainAffinity(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Systems, CaptureExclusion,
    ::testing::Values(SystemCase{"CompositionWithExclusion", TRUE, true, true, true, false},
                      SystemCase{"CompositionExclusionRefused", TRUE, true, false, false, true},
                      SystemCase{"CompositionNoAffinityCall", TRUE, false, false, false, true},
                      SystemCase{"NoComposition", FALSE, false, false, false, false},
                      SystemCase{"NoCompositionWithExclusion", FALSE, true, true, true, false}),
    [](const ::testing::TestParamInfo<SystemCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zorvik
