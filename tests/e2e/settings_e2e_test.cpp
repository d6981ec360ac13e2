// End-to-end: settings written at exit in the file's byte layout, read back
// at the next start; damaged files fall back to defaults, and a file that
// could not be read is kept as zorvik.bin.bak.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "commands/command_table.h"
#include "magnifier_fixture.h"
#include "settings/my_settingfile.h"

using namespace e2e;

namespace {
int32_t I32(const std::vector<uint8_t>& b, size_t o) {
  return static_cast<int32_t>(b[o] | (b[o + 1] << 8) | (b[o + 2] << 16) | (static_cast<uint32_t>(b[o + 3]) << 24));
}
uint16_t U16(const std::vector<uint8_t>& b, size_t o) { return static_cast<uint16_t>(b[o] | (b[o + 1] << 8)); }

class SettingsTest : public MagnifierTest {
protected:
  void SetUp() override {
    dir_ = Zorvik::NewDir();
    MagnifierTest::SetUp();
  }
  void TearDown() override {
    MagnifierTest::TearDown();
    for (const wchar_t* f : {L"zorvik.exe", L"zorvik.bin", L"zorvik.bin.tmp", L"zorvik.bin.bak", L"zorvik.bin.bak.tmp"})
      DeleteFileW((dir_ + f).c_str());
    RemoveDirectoryW(dir_.c_str());
  }
  void Restart() {
    app_.reset();
    app_ = std::make_unique<Zorvik>(dir_);
    ASSERT_TRUE(app_->hwnd());
    SetForegroundWindow(app_->hwnd());
    Pump(300);
  }
  // Restarts and returns the milliseconds from starting the process to its
  // window showing (the driver's copying of the program included).
  double TimedRestart() {
    app_.reset();
    LARGE_INTEGER f, t0, t1;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t0);
    app_ = std::make_unique<Zorvik>(dir_);
    QueryPerformanceCounter(&t1);
    const double ms = 1000.0 * static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(f.QuadPart);
    return ms - 400;  // the driver waits 400 ms for the first ticks once the window is there
  }
  // Restarts with keys held. Keys typed while no window has the focus are
  // dropped (so under Wine): a window of ours takes the focus first.
  void RestartHolding(std::initializer_list<WORD> keys) {
    HWND focus = CreateWindowExW(0, L"STATIC", L"keys", WS_POPUP | WS_VISIBLE, 700, 620, 60, 30, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(focus);
    Pump(100);
    for (WORD k : keys) {
      KeyDown(k);
      EXPECT_TRUE(GetAsyncKeyState(k) & 0x8000);
    }
    Restart();
    for (WORD k : keys) KeyUp(k);
    DestroyWindow(focus);
    Pump(100);
  }
  void CloseWithAltF4() {
    SetForegroundWindow(app_->hwnd());
    Pump(100);
    Tap(VK_F4, {VK_MENU});
    Pump(800);
    EXPECT_FALSE(app_->Running());
  }
  void ExpectCentre(int zoom, bool grid, POINT p) {
    const auto g = Geometry(zoom, grid);
    const Shot s = View();
    const int in = grid ? 1 : 0;
    EXPECT_EQ(Hex(s.At(g.CursorCellX + in, g.CursorCellY + in)), Hex(pattern_->ScreenColour(p.x, p.y)));
  }
  std::wstring dir_;
};

// The fixture's first start already happened in its own folder; start again in ours.
TEST_F(SettingsTest, ChangesSurviveARestartAndTheFileHoldsTheLayout) {
  Restart();
  Tap(VK_PRIOR);                      // 8x
  ASSERT_TRUE(app_->Command("Action_Grid_Disp"));           // grid off
  ASSERT_TRUE(app_->Command("Action_Color_HSV"));           // HSV line on
  ASSERT_TRUE(app_->Command("Action_Test_FlipHorizontal"));  // mirror
  ASSERT_TRUE(app_->Command("Action_Test_FlipHorizontal"));  // (still mirrored: a radio choice)
  Tap('F');                           // fixed at the cursor
  CloseWithAltF4();
  const std::vector<uint8_t> b = ReadAll(dir_ + L"zorvik.bin");
  ASSERT_GE(b.size(), 343u);
  EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "ZRVK");
  EXPECT_EQ(b[4], 1);
  EXPECT_EQ(b[5], 2);
  const size_t g = 22;
  EXPECT_EQ(b[g + 16], 5);                  // zoom index: 8x
  EXPECT_EQ(U16(b, g + 17), 2);             // grid off, two sub-grid colours on
  EXPECT_EQ(U16(b, g + 33), 1 | 2 | 8);     // RGB, HTML, HSV
  EXPECT_EQ(U16(b, g + 35), 1);             // screen position
  EXPECT_EQ(U16(b, g + 55), 2);             // fixed point
  EXPECT_EQ(I32(b, g + 57), cursor_.x);
  EXPECT_EQ(I32(b, g + 61), cursor_.y);
  EXPECT_EQ(U16(b, 87 + 4 * 54 + 2), 1090);  // PgUp row: zoom up
  EXPECT_EQ(U16(b, 335), 8001);              // gesture up: stay on top
  EXPECT_EQ(GetFileAttributesW((dir_ + L"zorvik.bin.tmp").c_str()), INVALID_FILE_ATTRIBUTES);

  SetCursorPos(cursor_.x + 30, cursor_.y + 20);  // the fixed point must not follow
  Restart();
  Pump(300);
  // Mirrored at 8x without grid, held on the stored point.
  const auto geo = Geometry(8, false);
  const Shot s = View();
  EXPECT_EQ(Hex(s.At(geo.CursorCellX, geo.CursorCellY)), Hex(pattern_->ScreenColour(cursor_.x, cursor_.y)));
  EXPECT_EQ(Hex(s.At(geo.CursorCellX + 10, geo.CursorCellY + 3)), Hex(pattern_->ScreenColour(cursor_.x - 1, cursor_.y)));
}

TEST_F(SettingsTest, StoredKeysAndCopyFormatsAreUsed) {
  Restart();
  CloseWithAltF4();
  std::vector<uint8_t> b = ReadAll(dir_ + L"zorvik.bin");
  zorvik::SettingsReadResult r = zorvik::ReadSettings(b.data(), b.size());
  ASSERT_TRUE(r.accepted);
  r.data.keyBindings.push_back({0x42, 1091});  // "B": zoom down
  r.data.keyBindings.push_back({0x4E, 9999});  // "N": no such command, ignored
  r.data.copyFormats.push_back({6007, "#%.6x"});  // HTML copy (menu item 6007) with a hash
  r.data.options |= 0x010;                         // no self capture: the window becomes layered
  WriteAll(dir_ + L"zorvik.bin", zorvik::WriteSettings(r.data));
  Restart();
  EXPECT_TRUE(GetWindowLongW(app_->hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED);
  Tap('B');
  ExpectCentre(4, true, cursor_);
  ClearClipboard();
  Tap('H');
  wchar_t want[16];
  const COLORREF c = pattern_->ScreenColour(cursor_.x, cursor_.y);
  swprintf(want, 16, L"#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
  EXPECT_EQ(ClipboardUnicode(), want);
}

TEST_F(SettingsTest, DamagedOrTruncatedFilesStartWithDefaultsAndAreRewritten) {
  Restart();
  Tap(VK_PRIOR);
  CloseWithAltF4();
  const std::vector<uint8_t> good = ReadAll(dir_ + L"zorvik.bin");
  ASSERT_GE(good.size(), 343u);
  const std::vector<std::vector<uint8_t>> damaged = {
      {'X', 'R', 'V', 'K', 1, 2, 0, 0},                            // wrong magic
      std::vector<uint8_t>(good.begin(), good.begin() + 100),     // cut inside the prefix
      {},                                                          // empty
  };
  for (const auto& d : damaged) {
    WriteAll(dir_ + L"zorvik.bin", d);
    Restart();
    ExpectCentre(6, true, cursor_);  // the defaults
    CloseWithAltF4();
    const std::vector<uint8_t> again = ReadAll(dir_ + L"zorvik.bin");
    EXPECT_TRUE(zorvik::ReadSettings(again.data(), again.size()).accepted);
  }
  // A file cut after the prefix keeps what it holds.
  WriteAll(dir_ + L"zorvik.bin", std::vector<uint8_t>(good.begin(), good.begin() + 350));
  Restart();
  ExpectCentre(8, true, cursor_);
}

// A fixed point far off every monitor (a file from another screen layout,
// or a damaged one) is brought back to the nearest point of the screen.
TEST_F(SettingsTest, AFixedPointOffEveryMonitorIsClampedToTheScreen) {
  Restart();
  CloseWithAltF4();
  zorvik::SettingsReadResult r = zorvik::ReadSettings(ReadAll(app_->SettingsFile()).data(),
                                                      ReadAll(app_->SettingsFile()).size());
  ASSERT_TRUE(r.accepted);
  r.data.captureMode = zorvik::kCaptureFixed;
  r.data.fixedPointX = -2000000000;
  r.data.fixedPointY = 2000000000;
  r.data.bounds = {-2000000000, -2000000000, 2000000000, 2000000000};  // no int holds its width
  WriteAll(app_->SettingsFile(), zorvik::WriteSettings(r.data));
  Restart();
  EXPECT_TRUE(app_->Running());
  RECT w;
  GetWindowRect(app_->hwnd(), &w);
  EXPECT_GT(w.right - w.left, 50);
  EXPECT_LE(w.right - w.left, 32767);
  ClearClipboard();
  ASSERT_TRUE(app_->Command("Action_Copy_PosScreen"));
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int bottom = GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1;
  EXPECT_EQ(ClipboardUnicode(), std::to_wstring(left) + L"," + std::to_wstring(bottom));
}

TEST_F(SettingsTest, ShiftAndCtrlAtStartSkipTheFile) {
  Restart();
  Tap(VK_PRIOR);
  CloseWithAltF4();
  RestartHolding({VK_SHIFT, VK_CONTROL});
  Pump(300);
  ExpectCentre(6, true, cursor_);
}

}  // namespace

namespace {

TEST_F(SettingsTest, ShiftPlacesTheWindowAtTheOriginAndCtrlLeavesItWhereItWasStored) {
  Restart();
  CloseWithAltF4();
  std::vector<uint8_t> b = ReadAll(dir_ + L"zorvik.bin");
  zorvik::SettingsReadResult r = zorvik::ReadSettings(b.data(), b.size());
  ASSERT_TRUE(r.accepted);
  const int w = r.data.bounds.right - r.data.bounds.left, h = r.data.bounds.bottom - r.data.bounds.top;
  r.data.bounds = {5000, 4000, 5000 + w, 4000 + h};  // on no monitor
  WriteAll(dir_ + L"zorvik.bin", zorvik::WriteSettings(r.data));
  auto start = [&](WORD held) {
    if (held) RestartHolding({held});
    else Restart();
    RECT wr;
    GetWindowRect(app_->hwnd(), &wr);
    app_.reset();  // closes and writes the file again
    WriteAll(dir_ + L"zorvik.bin", zorvik::WriteSettings(r.data));
    return POINT{wr.left, wr.top};
  };
  const POINT normal = start(0);  // moved back onto the screen
  EXPECT_EQ(normal.x, 0);
  EXPECT_EQ(normal.y, 0);
  const POINT ctrl = start(VK_CONTROL);
  EXPECT_EQ(ctrl.x, 5000);
  EXPECT_EQ(ctrl.y, 4000);
  r.data.bounds = {300, 200, 300 + w, 200 + h};
  WriteAll(dir_ + L"zorvik.bin", zorvik::WriteSettings(r.data));
  const POINT shift = start(VK_SHIFT);
  EXPECT_EQ(shift.x, 0);
  EXPECT_EQ(shift.y, 0);
  const POINT stored = start(0);
  EXPECT_EQ(stored.x, 300);
  EXPECT_EQ(stored.y, 200);
}

}  // namespace

namespace {

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A file the program cannot take is not lost: it survives, byte for byte, as
// zorvik.bin.bak (replacing an older one), and the settings of the run are
// written as usual. Files it can take, an empty file and a start with Shift
// and Ctrl held (which reads nothing) leave no copy.
TEST_F(SettingsTest, AFileThatCannotBeReadIsKeptAsBak) {
  Restart();
  CloseWithAltF4();
  const std::vector<uint8_t> good = ReadAll(dir_ + L"zorvik.bin");
  ASSERT_GE(good.size(), 343u);
  std::vector<uint8_t> foreign = good;  // wrong magic, otherwise a whole file
  foreign[0] = 'X';
  std::vector<uint8_t> formatByte = good;
  formatByte[5] = 3;
  std::vector<uint8_t> noise(5000);
  for (size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<uint8_t>(i * 7 + 1);
  const struct {
    const char* name;
    std::vector<uint8_t> bytes;
  } rejected[] = {
      {"wrong magic", foreign},
      {"wrong format byte", formatByte},
      {"cut inside the prefix", std::vector<uint8_t>(good.begin(), good.begin() + 342)},
      {"foreign bytes", noise},
  };
  const std::wstring bin = dir_ + L"zorvik.bin", bak = dir_ + L"zorvik.bin.bak";
  WriteAll(bak, {'o', 'l', 'd'});  // an older copy is replaced
  for (const auto& c : rejected) {
    SCOPED_TRACE(c.name);
    WriteAll(bin, c.bytes);
    Restart();
    ExpectCentre(6, true, cursor_);  // the defaults
    CloseWithAltF4();
    EXPECT_EQ(ReadAll(bak), c.bytes);
    const std::vector<uint8_t> written = ReadAll(bin);
    EXPECT_TRUE(zorvik::ReadSettings(written.data(), written.size()).accepted);
  }

  DeleteFileW(bak.c_str());
  WriteAll(bin, good);
  Restart();
  CloseWithAltF4();
  EXPECT_FALSE(Exists(bak)) << "a good file";
  WriteAll(bin, {});
  Restart();
  CloseWithAltF4();
  EXPECT_FALSE(Exists(bak)) << "an empty file";
  WriteAll(bin, foreign);
  RestartHolding({VK_SHIFT, VK_CONTROL});
  CloseWithAltF4();
  EXPECT_FALSE(Exists(bak)) << "Shift and Ctrl held";
  const std::vector<uint8_t> written = ReadAll(bin);
  EXPECT_TRUE(zorvik::ReadSettings(written.data(), written.size()).accepted);
}

// Another program holding the file open for reading and writing (an editor,
// a backup tool) does not keep the settings from being read.
TEST_F(SettingsTest, AFileHeldOpenByAnotherProgramIsRead) {
  Restart();
  Tap(VK_PRIOR);  // 8x
  CloseWithAltF4();
  const std::wstring bin = dir_ + L"zorvik.bin";
  HANDLE other = CreateFileW(bin.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  Restart();
  ExpectCentre(8, true, cursor_);
  CloseHandle(other);
}

// Copy formats stand each on its own: a section cut inside its second record
// still brings the first one.
TEST_F(SettingsTest, ACopyFormatBeforeACutIsUsed) {
  Restart();
  CloseWithAltF4();
  std::vector<uint8_t> b = ReadAll(dir_ + L"zorvik.bin");
  zorvik::SettingsReadResult r = zorvik::ReadSettings(b.data(), b.size());
  ASSERT_TRUE(r.accepted);
  const std::string html = "#%.6x!";
  r.data.copyFormats = {{6007, html}, {6008, "second record, cut"}};  // HTML copy, then another slot
  b = zorvik::WriteSettings(r.data);
  const auto at = std::search(b.begin(), b.end(), html.begin(), html.end());
  ASSERT_NE(at, b.end());
  b.resize(static_cast<size_t>(at - b.begin()) + html.size() + 6);  // inside the second record's text
  WriteAll(dir_ + L"zorvik.bin", b);
  Restart();
  ClearClipboard();
  Tap('H');
  wchar_t want[16];
  const COLORREF c = pattern_->ScreenColour(cursor_.x, cursor_.y);
  swprintf(want, 16, L"#%02X%02X%02X!", GetRValue(c), GetGValue(c), GetBValue(c));
  EXPECT_EQ(ClipboardUnicode(), want);
}

BOOL CALLBACK FindToolBar(HWND h, LPARAM found) {
  wchar_t cls[64];
  if (GetClassNameW(h, cls, 64) && wcscmp(cls, TOOLBARCLASSNAMEW) == 0) {
    *reinterpret_cast<HWND*>(found) = h;
    return FALSE;
  }
  return TRUE;
}

// A toolbar section with 65,535 ids (every command over and over) starts
// about as fast as a normal file, with one button per command.
TEST_F(SettingsTest, AToolBarOf65535IdsStartsQuickly) {
  Restart();
  CloseWithAltF4();
  std::vector<uint8_t> b = ReadAll(dir_ + L"zorvik.bin");
  zorvik::SettingsReadResult r = zorvik::ReadSettings(b.data(), b.size());
  ASSERT_TRUE(r.accepted);
  const double normalMs = TimedRestart();
  ASSERT_TRUE(app_->hwnd());

  std::vector<uint16_t> ids;
  for (size_t i = 0; i < zorvik::CommandCount(); ++i)
    if (zorvik::CommandTable()[i].id != 0) ids.push_back(zorvik::CommandTable()[i].id);
  r.data.toolBar.clear();
  for (size_t i = 0; i < 65535; ++i) r.data.toolBar.push_back(ids[i % ids.size()]);
  app_.reset();
  WriteAll(dir_ + L"zorvik.bin", zorvik::WriteSettings(r.data));
  const double damagedMs = TimedRestart();
  ASSERT_TRUE(app_->hwnd()) << "no window within 10 s";
  std::printf("start-up: normal settings file %.0f ms, 65,535 toolbar ids %.0f ms\n", normalMs, damagedMs);
  EXPECT_LT(damagedMs, normalMs + 2000);
  HWND toolBar = nullptr;
  EnumChildWindows(app_->hwnd(), FindToolBar, reinterpret_cast<LPARAM>(&toolBar));
  ASSERT_TRUE(toolBar);
  DWORD_PTR buttons = 0;
  SendMessageTimeoutW(toolBar, TB_BUTTONCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &buttons);
  EXPECT_EQ(buttons, ids.size());

  app_.reset();  // written back with one id per button
  b = ReadAll(dir_ + L"zorvik.bin");
  const size_t menuCount = U16(b, 343), toolBarAt = 343 + 2 + 2 * menuCount;
  ASSERT_GT(b.size(), toolBarAt + 2);
  EXPECT_EQ(U16(b, toolBarAt), ids.size());
}

}  // namespace
