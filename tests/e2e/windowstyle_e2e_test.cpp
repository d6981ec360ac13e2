// The window style viewer of the real program: its copy of a known window's
// styles, made from its own menu, is exactly the expected text; closed, it
// switches its command off, and its block of the settings file holds where
// it was.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "driver.h"
#include "settings/my_settingfile.h"

namespace e2e {
namespace {

std::wstring HandleText(HWND h) {
  const uint32_t v = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(h));
  wchar_t buf[40];
  swprintf(buf, 40, L"0x%08X %d", v, static_cast<int>(v));
  return buf;
}

std::vector<uint8_t> FileBytes(const std::wstring& path) {
  std::vector<uint8_t> bytes;
  HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return bytes;
  bytes.resize(1 << 16);
  DWORD n = 0;
  ReadFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
  CloseHandle(f);
  bytes.resize(n);
  return bytes;
}

TEST(StyleViewerE2E, ItsCopyOfAKnownWindowIsExactlyTheExpectedText) {
  HWND known = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"STATIC", L"見本",
                               WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS, 700, 100, 300, 150, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(known, nullptr);
  SetCursorPos(850, 175);
  Zorvik app;
  ASSERT_TRUE(app.hwnd()) << "zorvik.exe did not open its window";
  Pump(300);
  ASSERT_TRUE(app.Command("Action_WinInfo_StyleVerbose"));
  HWND viewer = nullptr;
  for (int i = 0; i < 40 && !(viewer && IsWindowVisible(viewer)); ++i) {
    viewer = FindWindowW(L"TApp_ZorvikWindowStyle", nullptr);
    Pump(50);
  }
  ASSERT_NE(viewer, nullptr);
  ASSERT_TRUE(IsWindowVisible(viewer));

  ClearClipboard();
  SetForegroundWindow(viewer);
  Pump(200);
  Tap(VK_F10);
  for (int i = 0; i < 40 && !VisiblePopupMenu(); ++i) Pump(50);
  ASSERT_NE(VisiblePopupMenu(), nullptr);
  ASSERT_TRUE(MenuKey(VK_DOWN));  // "コピー(&C)"
  Tap(VK_RETURN);
  const std::wstring expected =
      L"ウィンドウスタイル詳細\r\n" + HandleText(known) +
      L" Static \"見本\"\r\n"
      L"\t0x94000000 2483027968 ウィンドウスタイル\r\n"
      L" 0x4000000 WS_CLIPSIBLINGS        兄弟ウィンドウと重なる部分を描画領域から除きます。\r\n"
      L"       0x0 WS_OVERLAPPED          オーバーラップウィンドウを作成します。タイトルバーと境界線を持ちます。\r\n"
      L"0x80000000 WS_POPUP               ポップアップウィンドウを作成します。WS_CHILD とは併用できません。\r\n"
      L"0x10000000 WS_VISIBLE             表示されているウィンドウです。\r\n"
      L"\t0x00000088 136 拡張ウィンドウスタイル\r\n"
      L"       0x0 WS_EX_LEFT             左揃えの一般的な属性を持ちます。既定の値です。\r\n"
      L"       0x0 WS_EX_LTRREADING       テキストを左から右への読み順で表示します。既定の値です。\r\n"
      L"       0x0 WS_EX_RIGHTSCROLLBAR   垂直スクロールバーをクライアント領域の右側に置きます。既定の値です。\r\n"
      L"      0x80 WS_EX_TOOLWINDOW       ツールウィンドウです。タイトルバーが低く、タスクバーや Alt+Tab の一覧に出ません。\r\n"
      L"       0x8 WS_EX_TOPMOST          最前面ウィンドウです。アクティブでなくても、最前面でないウィンドウより上に表示されます。";
  EXPECT_EQ(WaitForClipboardUnicode(), expected);

  RECT placed{};
  GetWindowRect(viewer, &placed);
  PostMessageW(viewer, WM_CLOSE, 0, 0);
  Pump(300);
  EXPECT_FALSE(IsWindowVisible(viewer));
  EXPECT_EQ(app.Close(), 0);
  DestroyWindow(known);

  const std::vector<uint8_t> bytes = FileBytes(app.SettingsFile());
  const zorvik::SettingsReadResult r = zorvik::ReadSettings(bytes.data(), bytes.size());
  ASSERT_TRUE(r.accepted);
  ASSERT_TRUE(r.Has(zorvik::kSectionStyleViewer));
  EXPECT_EQ(r.data.winInfoLines & zorvik::kWinInfoStyleVerbose, 0u);  // closing switched it off
  EXPECT_EQ(r.data.styleViewer.bounds.left, placed.left);
  EXPECT_EQ(r.data.styleViewer.bounds.top, placed.top);
  EXPECT_EQ(r.data.styleViewer.bounds.right, placed.right);
  EXPECT_EQ(r.data.styleViewer.bounds.bottom, placed.bottom);
  EXPECT_EQ(r.data.styleViewer.hintHeight, 64);
}

}  // namespace
}  // namespace e2e
