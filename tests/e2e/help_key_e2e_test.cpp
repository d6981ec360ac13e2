// End-to-end: F1 in the real program, alone and with Shift, Ctrl or both,
// brings up the customisation window on its version tab, whose page shows the
// program's own version and the list of the bindings in force.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "magnifier_fixture.h"

using namespace e2e;

namespace {

constexpr int kHelpTab = 5;
// Control identifiers of the version page: their rows' places in its table.
constexpr int kVersionLabel = 1000, kList = 1002;

struct Found {
  DWORD pid;
  const wchar_t* cls;
  HWND hwnd = nullptr;
};

// The first visible descendant of a class.
HWND VisibleChild(HWND parent, const wchar_t* cls) {
  Found f{0, cls};
  EnumChildWindows(
      parent,
      [](HWND h, LPARAM lp) -> BOOL {
        auto* f = reinterpret_cast<Found*>(lp);
        wchar_t name[64] = L"";
        GetClassNameW(h, name, 64);
        if (_wcsicmp(name, f->cls) != 0 || !IsWindowVisible(h)) return TRUE;
        f->hwnd = h;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&f));
  return f.hwnd;
}

class HelpKeyTest : public FocusedMagnifierTest {};

}  // namespace

TEST_F(HelpKeyTest, F1WithOrWithoutShiftAndCtrlShowsTheVersionTab) {
  const std::vector<std::vector<WORD>> modifiers = {{}, {VK_SHIFT}, {VK_CONTROL}, {VK_SHIFT, VK_CONTROL}};
  for (const auto& mods : modifiers) {
    std::string keys = "F1";
    for (WORD m : mods) keys = (m == VK_SHIFT ? "Shift+" : "Ctrl+") + keys;
    SCOPED_TRACE(keys);
    SetForegroundWindow(app_->hwnd());
    Pump(150);
    switch (mods.size()) {
      case 0: Tap(VK_F1); break;
      case 1: Tap(VK_F1, {mods[0]}); break;
      default: Tap(VK_F1, {mods[0], mods[1]}); break;
    }
    HWND custom = nullptr;
    for (int i = 0; i < 60 && !custom; ++i) {
      custom = TopWindow(app_->pid(), L"TApp_ZorvikCustom");
      if (!custom) Pump(50);
    }
    ASSERT_NE(custom, nullptr) << "no customisation window";
    Pump(200);
    HWND tabs = VisibleChild(custom, WC_TABCONTROLW);
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(Ask(tabs, TCM_GETCURSEL), kHelpTab);
    HWND page = VisibleChild(custom, L"ZorvikKitPage");
    HWND list = page ? GetDlgItem(page, kList) : nullptr;
    wchar_t listClass[64] = L"";
    if (list) GetClassNameW(list, listClass, 64);
    ASSERT_EQ(_wcsicmp(listClass, L"ListBox"), 0) << "the version page is not in front";
    EXPECT_EQ(TextOf(GetDlgItem(page, kVersionLabel)), L"Zorvik:Ver 0.1.0.0");
    EXPECT_GT(Ask(list, LB_GETCOUNT), 30);
    if (mods.empty()) {
      SetWindowPos(custom, HWND_TOPMOST, 20, 20, 0, 0, SWP_NOSIZE);
      Pump(300);
      RECT r{};
      GetWindowRect(custom, &r);
      SaveBmp(ReadScreen(r), ExeDir() + L"shot-version-page.bmp");
    }
    // Closed (hidden) before the next key.
    Ask(custom, WM_CLOSE);
    Pump(200);
    EXPECT_FALSE(IsWindowVisible(custom));
  }
}
