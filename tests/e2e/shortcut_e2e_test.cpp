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

struct Found {
  DWORD pid;
  HWND window = nullptr;
};

// The visible customisation window of the process.
HWND CustomWindow(DWORD pid) {
  Found f{pid};
  EnumWindows(
      [](HWND h, LPARAM lp) -> BOOL {
        auto* f = reinterpret_cast<Found*>(lp);
        DWORD owner = 0;
        GetWindowThreadProcessId(h, &owner);
        wchar_t title[64] = L"";
        GetWindowTextW(h, title, 64);
        if (owner == f->pid && IsWindowVisible(h) && std::wstring(title) == L"カスタマイズ") {
          f->window = h;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&f));
  return f.window;
}

// Visible children of a class (and caption, when given), left to right.
std::vector<HWND> Children(HWND parent, const wchar_t* cls, const wchar_t* caption = nullptr) {
  struct Search {
    const wchar_t* cls;
    const wchar_t* caption;
    std::vector<HWND> found;
  } s{cls, caption, {}};
  EnumChildWindows(
      parent,
      [](HWND h, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        wchar_t name[64] = L"", text[64] = L"";
        GetClassNameW(h, name, 64);
        GetWindowTextW(h, text, 64);
        if (IsWindowVisible(h) && lstrcmpiW(name, s->cls) == 0 && (!s->caption || std::wstring(text) == s->caption))
          s->found.push_back(h);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&s));
  std::sort(s.found.begin(), s.found.end(), [](HWND a, HWND b) {
    RECT ra{}, rb{};
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    return ra.left < rb.left;
  });
  return s.found;
}

void ClickAt(POINT p) {
  SetCursorPos(p.x, p.y);
  Pump(80);
  INPUT in[2]{};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, in, sizeof(INPUT));
  Pump(150);
}

POINT Middle(HWND w) {
  RECT r{};
  GetClientRect(w, &r);
  POINT p{r.right / 2, r.bottom / 2};
  ClientToScreen(w, &p);
  return p;
}

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
  for (const wchar_t* f : {L"zorvik.exe", L"zorvik.bin", L"zorvik.bin.tmp"}) DeleteFileW((dir + f).c_str());
  RemoveDirectoryW(dir.c_str());
}

}  // namespace
