// End-to-end: settings written at exit in the file's byte layout, read back
// at the next start; damaged files fall back to defaults.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "magnifier_fixture.h"
#include "settings/my_settingfile.h"

using namespace e2e;

namespace {

std::vector<uint8_t> ReadAll(const std::wstring& path) {
  std::vector<uint8_t> out;
  FILE* f = _wfopen(path.c_str(), L"rb");
  if (!f) return out;
  uint8_t buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, f)) > 0) out.insert(out.end(), buf, buf + n);
  fclose(f);
  return out;
}
void WriteAll(const std::wstring& path, const std::vector<uint8_t>& bytes) {
  FILE* f = _wfopen(path.c_str(), L"wb");
  if (!f) return;
  fwrite(bytes.data(), 1, bytes.size(), f);
  fclose(f);
}
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
    for (const wchar_t* f : {L"zorvik.exe", L"zorvik.bin", L"zorvik.bin.tmp"}) DeleteFileW((dir_ + f).c_str());
    RemoveDirectoryW(dir_.c_str());
  }
  void Restart() {
    app_.reset();
    app_ = std::make_unique<Zorvik>(dir_);
    ASSERT_TRUE(app_->hwnd());
    SetForegroundWindow(app_->hwnd());
    Pump(300);
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
  ASSERT_TRUE(app_->Command(2010));   // grid off
  ASSERT_TRUE(app_->Command(3004));   // HSV line on
  ASSERT_TRUE(app_->Command(7021));   // mirror
  ASSERT_TRUE(app_->Command(7021));   // (still mirrored: a radio choice)
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
