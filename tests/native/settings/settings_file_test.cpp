#include "settings/my_settingfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "commands/command_table.h"
#include "commands/menu_table.h"

namespace zorvik {
namespace {

using Bytes = std::vector<uint8_t>;

// Little-endian byte helpers for building files by hand.
void U8(Bytes& b, uint8_t v) { b.push_back(v); }
void U16le(Bytes& b, uint16_t v) {
  b.push_back(static_cast<uint8_t>(v & 0xFF));
  b.push_back(static_cast<uint8_t>(v >> 8));
}
void U32le(Bytes& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>((v >> (8 * i)) & 0xFF));
}
void I32le(Bytes& b, int32_t v) { U32le(b, static_cast<uint32_t>(v)); }
void Text(Bytes& b, const std::string& s) { b.insert(b.end(), s.begin(), s.end()); }
void Zeros(Bytes& b, size_t n) { b.insert(b.end(), n, 0); }

// Virtual-key code of each key-table row, written out from the key table.
uint16_t RowCode(int row) {
  if (row <= 9) return static_cast<uint16_t>(0x30 + row);             // "0".."9"
  if (row == 10) return 0x20;                                          // Space
  if (row <= 36) return static_cast<uint16_t>(0x41 + row - 11);        // "A".."Z"
  if (row <= 48) return static_cast<uint16_t>(0x70 + row - 37);        // F1..F12
  static const uint16_t kTail[] = {0x0D, 0x08, 0x2E, 0x2D, 0x1B, 0x21, 0x22,
                                   0x24, 0x23, 0x26, 0x28, 0x25, 0x27};  // Enter..Right
  return kTail[row - 49];
}

// "ＭＳ ゴシック": 19 bytes of UTF-8.
const char kFontName[] = "\xEF\xBC\xAD\xEF\xBC\xB3 \xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF";

// A settings file with a value changed in every field.
SettingsData GoldenData() {
  SettingsData s;
  s.bounds = {-1200, 34, -200, 500};
  s.zoomIndex = 7;
  s.gridFlags = kGridShown;
  s.gridColorItem = 5;     // MenuItem_Grid_Invert
  s.subGridColorItem = 3;  // chosen colour
  s.gridColor = 0x112233;
  s.subGridColor = 0x445566;
  s.subGridElseColor = 0x778899;
  s.colorLines = 0x21;
  s.posLines = 0x0A;
  s.lengthOriginX = 640;
  s.lengthOriginY = 480;
  s.winInfoLines = 0x4801;
  s.styleViewerClasses = 0x45;
  s.options = 0x0191;
  s.captureMode = kCaptureFixed;
  s.fixedPointX = -5;
  s.fixedPointY = 70000;
  s.keyBindings = {{0x20, 4010}, {0x0D, 1090}};  // Space, Enter
  s.gestures = {8001, 0, 2010, 13001};
  s.hiddenMenuItems = {6001, 14000};
  s.toolBar = {2010, 10004, 7011};
  s.copyFormats = {{6003, "%x %x %x"}, {6007, "#%.6x\xE8\x89\xB2"}};  // "色" is 3 bytes
  s.styleViewer = {{10, 20, 330, 440}, 55, 0x7F};
  s.apiTest = {{-100, -200, 300, 400}, 12, 66};
  s.apiList = "GetWindowTextW\r\nIsWindow\r\n";
  s.flipMode = 5;
  s.font = {kFontName, 11, 123};
  return s;
}

// The same file byte by byte. `ends` receives the offset just past each part:
// prefix, menu, toolbar, copy record 1, copy record 2 (= copy section),
// style viewer, API test, API list, extra, font.
Bytes GoldenBytes(std::vector<size_t>* ends = nullptr) {
  Bytes b;
  auto mark = [&] {
    if (ends) ends->push_back(b.size());
  };
  Text(b, "ZRVK");
  U8(b, 1);
  U8(b, 2);
  Zeros(b, 16);
  // GeneralBlock
  I32le(b, -1200);
  I32le(b, 34);
  I32le(b, -200);
  I32le(b, 500);
  U8(b, 7);
  U16le(b, 1);
  U8(b, 5);
  U8(b, 3);
  U32le(b, 0x112233);
  U32le(b, 0x445566);
  U32le(b, 0x778899);
  U16le(b, 0x21);
  U16le(b, 0x0A);
  I32le(b, 640);
  I32le(b, 480);
  U32le(b, 0x4801);
  U32le(b, 0x45);
  U16le(b, 0x0191);
  U16le(b, 2);
  I32le(b, -5);
  I32le(b, 70000);
  // KeyTable: the writer passes rows 0..49 (Space at 10, Enter at 49).
  for (int row = 0; row < 62; ++row) {
    U16le(b, row <= 49 ? RowCode(row) : 0);
    U16le(b, row == 10 ? 4010 : row == 49 ? 1090 : 0);
  }
  // GestureTable
  U16le(b, 8001);
  U16le(b, 0);
  U16le(b, 2010);
  U16le(b, 13001);
  mark();
  // Menu layout
  U16le(b, 2);
  U16le(b, 6001);
  U16le(b, 14000);
  mark();
  // Toolbar layout
  U16le(b, 3);
  U16le(b, 2010);
  U16le(b, 10004);
  U16le(b, 7011);
  mark();
  // Copy formats
  U16le(b, 2);
  U16le(b, 6003);
  U16le(b, 8);
  Text(b, "%x %x %x");
  mark();
  U16le(b, 6007);
  U16le(b, 8);
  Text(b, "#%.6x\xE8\x89\xB2");
  mark();
  // Style viewer block
  I32le(b, 10);
  I32le(b, 20);
  I32le(b, 330);
  I32le(b, 440);
  I32le(b, 55);
  U32le(b, 0x7F);
  Zeros(b, 8);
  mark();
  // API test block
  I32le(b, -100);
  I32le(b, -200);
  I32le(b, 300);
  I32le(b, 400);
  I32le(b, 12);
  I32le(b, 66);
  Zeros(b, 8);
  mark();
  // API list
  U32le(b, 26);
  Text(b, "GetWindowTextW\r\nIsWindow\r\n");
  mark();
  // ExtraBlock
  U32le(b, 0);
  U32le(b, 5);
  Zeros(b, 36);
  mark();
  // Font
  U32le(b, 19);
  I32le(b, 11);
  I32le(b, 123);
  Zeros(b, 12);
  Text(b, kFontName);
  mark();
  return b;
}

SettingsReadResult Read(const Bytes& b) { return ReadSettings(b.data(), b.size()); }

// The golden prefix followed by hand-built sections.
Bytes PrefixWith(const Bytes& tail) {
  Bytes b = GoldenBytes();
  b.resize(kSettingsPrefixSize);
  b.insert(b.end(), tail.begin(), tail.end());
  return b;
}

TEST(SettingsGolden, WriterReproducesTheFileByteForByte) {
  std::vector<size_t> ends;
  const Bytes golden = GoldenBytes(&ends);
  ASSERT_EQ(ends[0], kSettingsPrefixSize);
  EXPECT_EQ(WriteSettings(GoldenData()), golden);
}

TEST(SettingsGolden, ReaderTakesEveryValue) {
  const SettingsReadResult r = Read(GoldenBytes());
  ASSERT_TRUE(r.accepted);
  EXPECT_EQ(r.sections, static_cast<uint32_t>(kAllSettingsSections));
  const SettingsData expected = GoldenData();
  EXPECT_EQ(r.data.keyBindings, expected.keyBindings);
  EXPECT_EQ(r.data.copyFormats, expected.copyFormats);
  EXPECT_EQ(r.data.font.name, kFontName);
  EXPECT_TRUE(r.data == expected);
}

TEST(SettingsRoundTrip, Defaults) {
  const SettingsData defaults;
  const Bytes bytes = WriteSettings(defaults);
  const SettingsReadResult r = Read(bytes);
  ASSERT_TRUE(r.accepted);
  EXPECT_EQ(r.sections, static_cast<uint32_t>(kAllSettingsSections));
  EXPECT_TRUE(r.data == defaults);
}

TEST(SettingsRoundTrip, ExtremeValues) {
  SettingsData s;
  s.bounds = {INT_MIN, INT_MAX, -1, 0};
  s.zoomIndex = 9;
  s.gridFlags = kGridUseSubElseColor;
  s.gridColorItem = 7;
  s.subGridColorItem = 0;
  s.gridColor = 0xFFFFFF;
  s.subGridColor = 0;
  s.subGridElseColor = 0x010203;
  s.colorLines = kColorLinesAll;
  s.posLines = kPosLinesAll;
  s.lengthOriginX = INT_MAX;
  s.lengthOriginY = 0;
  s.winInfoLines = kWinInfoAll;
  s.styleViewerClasses = 0xFFFFFFFF;
  s.options = kOptionsAll;
  s.captureMode = 3;
  s.fixedPointX = INT_MIN;
  s.fixedPointY = INT_MAX;
  s.keyBindings.clear();
  for (int row = 0; row < 62; ++row) s.keyBindings.push_back({RowCode(row), 1090});
  s.gestures = {0, 0, 0, 0};
  s.hiddenMenuItems.clear();
  s.toolBar.clear();
  for (int slot = 0; slot < kCopySlotCount; ++slot)
    if (MenuIdOfCopySlot(slot) >= 0)
      s.copyFormats.push_back({static_cast<uint16_t>(MenuIdOfCopySlot(slot)), std::string(slot + 1, '%')});
  s.styleViewer = {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, -1, 0xFFFFFFFF};
  s.apiTest = {{1, 2, 3, 4}, -1, INT_MIN};
  s.apiList = std::string(70000, 'x');
  s.flipMode = 0xFFFFFFFF;
  s.font = {"\xF0\x9F\x98\x80", INT_MIN, INT_MAX};
  ASSERT_EQ(s.copyFormats.size(), 35u);

  const Bytes bytes = WriteSettings(s);
  const SettingsReadResult r = Read(bytes);
  ASSERT_EQ(r.sections, static_cast<uint32_t>(kAllSettingsSections));
  EXPECT_TRUE(r.data == s);
  EXPECT_EQ(WriteSettings(r.data), bytes);
}

// Cutting the golden file at every length: no fault, the sections that end
// before the cut are taken, the rest keep their defaults.
TEST(SettingsDamage, TruncatedAtEveryLength) {
  std::vector<size_t> ends;
  const Bytes golden = GoldenBytes(&ends);
  ASSERT_EQ(ends.size(), 10u);
  const size_t prefixEnd = ends[0], menuEnd = ends[1], toolEnd = ends[2], copy1End = ends[3],
               copyEnd = ends[4], styleEnd = ends[5], apiEnd = ends[6], listEnd = ends[7],
               extraEnd = ends[8], fontEnd = ends[9];
  ASSERT_EQ(fontEnd, golden.size());
  const SettingsData full = GoldenData();
  const SettingsData defaults;

  for (size_t len = 0; len <= golden.size(); ++len) {
    SCOPED_TRACE(len);
    // A copy of just the first len bytes, so that the sanitizer sees any
    // read past the end.
    const Bytes cut(golden.begin(), golden.begin() + static_cast<std::ptrdiff_t>(len));
    const SettingsReadResult r = ReadSettings(cut.empty() ? nullptr : cut.data(), cut.size());
    if (len < prefixEnd) {
      ASSERT_FALSE(r.accepted);
      ASSERT_EQ(r.sections, 0u);
      ASSERT_TRUE(r.data == defaults);
      continue;
    }
    ASSERT_TRUE(r.accepted);
    SettingsData expected = defaults;
    uint32_t sections = kSectionPrefix;
    expected.bounds = full.bounds;
    expected.zoomIndex = full.zoomIndex;
    expected.gridFlags = full.gridFlags;
    expected.gridColorItem = full.gridColorItem;
    expected.subGridColorItem = full.subGridColorItem;
    expected.gridColor = full.gridColor;
    expected.subGridColor = full.subGridColor;
    expected.subGridElseColor = full.subGridElseColor;
    expected.colorLines = full.colorLines;
    expected.posLines = full.posLines;
    expected.lengthOriginX = full.lengthOriginX;
    expected.lengthOriginY = full.lengthOriginY;
    expected.winInfoLines = full.winInfoLines;
    expected.styleViewerClasses = full.styleViewerClasses;
    expected.options = full.options;
    expected.captureMode = full.captureMode;
    expected.fixedPointX = full.fixedPointX;
    expected.fixedPointY = full.fixedPointY;
    expected.keyBindings = full.keyBindings;
    expected.gestures = full.gestures;
    if (len >= menuEnd) {
      sections |= kSectionMenuLayout;
      expected.hiddenMenuItems = full.hiddenMenuItems;
    }
    if (len >= toolEnd) {
      sections |= kSectionToolBarLayout;
      expected.toolBar = full.toolBar;
    }
    // Complete copy-format records are kept even when the section is cut.
    if (len >= copy1End) expected.copyFormats = {full.copyFormats[0]};
    if (len >= copyEnd) {
      sections |= kSectionCopyFormats;
      expected.copyFormats = full.copyFormats;
    }
    if (len >= styleEnd) {
      sections |= kSectionStyleViewer;
      expected.styleViewer = full.styleViewer;
    }
    if (len >= apiEnd) {
      sections |= kSectionApiTest;
      expected.apiTest = full.apiTest;
    }
    if (len >= listEnd) {
      sections |= kSectionApiList;
      expected.apiList = full.apiList;
    }
    if (len >= extraEnd) {
      sections |= kSectionExtra;
      expected.flipMode = full.flipMode;
    }
    if (len >= fontEnd) {
      sections |= kSectionFont;
      expected.font = full.font;
    }
    ASSERT_EQ(r.sections, sections);
    ASSERT_TRUE(r.data == expected);
  }
}

TEST(SettingsDamage, ForeignOrShortFilesAreRejected) {
  const Bytes golden = GoldenBytes();
  struct Case {
    const char* name;
    size_t size;
    size_t patchAt;
    uint8_t patch;
  };
  const Case cases[] = {
      {"342 bytes", 342, 0, 'Z'},
      {"wrong magic", golden.size(), 3, 'J'},
      {"lower-case magic", golden.size(), 0, 'z'},
      {"format byte 1", golden.size(), 4, 2},
      {"format byte 2", golden.size(), 5, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes b(golden.begin(), golden.begin() + static_cast<std::ptrdiff_t>(c.size));
    b[c.patchAt] = c.patch;
    const SettingsReadResult r = Read(b);
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(r.sections, 0u);
    EXPECT_TRUE(r.data == SettingsData{});
  }
  EXPECT_FALSE(ReadSettings(nullptr, 0).accepted);
  EXPECT_FALSE(Read(Bytes(4096, 0)).accepted);
}

TEST(SettingsDamage, PrefixAloneAndReservedBytesAreAccepted) {
  Bytes b = GoldenBytes();
  b.resize(kSettingsPrefixSize);
  for (size_t i = 6; i < 22; ++i) b[i] = 0xA5;
  const SettingsReadResult r = Read(b);
  ASSERT_TRUE(r.accepted);
  EXPECT_EQ(r.sections, static_cast<uint32_t>(kSectionPrefix));
  EXPECT_EQ(r.data.zoomIndex, 7);
  const SettingsData defaults;
  EXPECT_EQ(r.data.hiddenMenuItems, defaults.hiddenMenuItems);
  EXPECT_EQ(r.data.toolBar, defaults.toolBar);
  EXPECT_TRUE(r.data.copyFormats.empty());
  EXPECT_EQ(r.data.font.name, "");
}

// Stored GeneralBlock values outside what this program writes.
TEST(SettingsDamage, GeneralBlockValuesAreCleaned) {
  struct Case {
    const char* name;
    size_t offset;  // from the start of the file
    int width;      // bytes
    uint32_t stored;
    uint32_t (*get)(const SettingsData&);
    uint32_t expected;
  };
  constexpr size_t G = 22;  // GeneralBlock
  auto zoom = [](const SettingsData& s) -> uint32_t { return s.zoomIndex; };
  auto grid = [](const SettingsData& s) -> uint32_t { return s.gridColorItem; };
  auto sub = [](const SettingsData& s) -> uint32_t { return s.subGridColorItem; };
  const Case cases[] = {
      {"zoom 200 -> 20x", G + 16, 1, 200, zoom, 9},
      {"zoom 10", G + 16, 1, 10, zoom, 9},
      {"zoom 9", G + 16, 1, 9, zoom, 9},
      {"zoom 0", G + 16, 1, 0, zoom, 0},
      {"grid item 0 (Grid_Disp)", G + 19, 1, 0, grid, kDefaultGridColorItem},
      {"grid item 1 (separator)", G + 19, 1, 1, grid, kDefaultGridColorItem},
      {"grid item 8 (separator)", G + 19, 1, 8, grid, kDefaultGridColorItem},
      {"grid item 255", G + 19, 1, 255, grid, kDefaultGridColorItem},
      {"grid item 2 (grey)", G + 19, 1, 2, grid, 2},
      {"grid item 7 (chosen)", G + 19, 1, 7, grid, 7},
      {"sub-grid 0 (none)", G + 20, 1, 0, sub, 0},
      {"sub-grid 3 (chosen)", G + 20, 1, 3, sub, 3},
      {"sub-grid 4 (separator)", G + 20, 1, 4, sub, kDefaultSubGridColorItem},
      {"sub-grid 255", G + 20, 1, 255, sub, kDefaultSubGridColorItem},
      {"grid flags", G + 17, 2, 0xFFFF, [](const SettingsData& s) -> uint32_t { return s.gridFlags; }, 3},
      {"system colour reference", G + 21, 4, 0xFF00000F,
       [](const SettingsData& s) -> uint32_t { return s.gridColor; }, 0x0F},
      {"sub colour high byte", G + 25, 4, 0x80FFFFFF,
       [](const SettingsData& s) -> uint32_t { return s.subGridColor; }, 0xFFFFFF},
      {"else colour high byte", G + 29, 4, 0x01000001,
       [](const SettingsData& s) -> uint32_t { return s.subGridElseColor; }, 1},
      {"colour lines", G + 33, 2, 0xFFFF, [](const SettingsData& s) -> uint32_t { return s.colorLines; }, 0x3F},
      {"position lines", G + 35, 2, 0xFFFF, [](const SettingsData& s) -> uint32_t { return s.posLines; }, 0xF},
      {"negative origin x", G + 37, 4, 0xFFFFFFFF,
       [](const SettingsData& s) -> uint32_t { return static_cast<uint32_t>(s.lengthOriginX); }, 0},
      {"origin y INT_MIN", G + 41, 4, 0x80000000,
       [](const SettingsData& s) -> uint32_t { return static_cast<uint32_t>(s.lengthOriginY); }, 0},
      {"negative window lines", G + 45, 4, 0xFFFFFFFF,
       [](const SettingsData& s) -> uint32_t { return s.winInfoLines; }, 0x5FFF},
      {"style classes kept as stored", G + 49, 4, 0xFFFFFFFF,
       [](const SettingsData& s) -> uint32_t { return s.styleViewerClasses; }, 0xFFFFFFFF},
      {"options", G + 53, 2, 0xFFFF, [](const SettingsData& s) -> uint32_t { return s.options; }, 0x3F7},
      {"capture mode 3", G + 55, 2, 3, [](const SettingsData& s) -> uint32_t { return s.captureMode; }, 3},
      {"capture mode 0xFFFF", G + 55, 2, 0xFFFF,
       [](const SettingsData& s) -> uint32_t { return s.captureMode; }, 3},
      {"capture mode 4", G + 55, 2, 4, [](const SettingsData& s) -> uint32_t { return s.captureMode; }, 0},
      {"negative fixed point kept", G + 57, 4, 0xFFFFFFF6,
       [](const SettingsData& s) -> uint32_t { return static_cast<uint32_t>(s.fixedPointX); }, 0xFFFFFFF6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes b = GoldenBytes();
    for (int i = 0; i < c.width; ++i) b[c.offset + i] = static_cast<uint8_t>(c.stored >> (8 * i));
    const SettingsReadResult r = Read(b);
    ASSERT_TRUE(r.accepted);
    EXPECT_EQ(c.get(r.data), c.expected);
    EXPECT_EQ(r.sections, static_cast<uint32_t>(kAllSettingsSections));
  }
}

TEST(SettingsDamage, KeyAndGestureRowsWithUnknownCommands) {
  Bytes b = GoldenBytes();
  constexpr size_t K = 87;  // KeyTable
  auto row = [&](int r, uint16_t key, uint16_t command) {
    const size_t at = K + 4 * static_cast<size_t>(r);
    b[at] = static_cast<uint8_t>(key & 0xFF);
    b[at + 1] = static_cast<uint8_t>(key >> 8);
    b[at + 2] = static_cast<uint8_t>(command & 0xFF);
    b[at + 3] = static_cast<uint8_t>(command >> 8);
  };
  row(0, RowCode(0), 9999);  // unknown command
  row(1, RowCode(1), 2010);  // kept
  row(11, RowCode(12), 2010);  // "B" in the row of "A"
  row(12, 0, 2010);            // no key code
  row(61, RowCode(61), 7011);  // kept, last row
  constexpr size_t T = 335;  // GestureTable
  b[T] = 0x0F;  // 9999
  b[T + 1] = 0x27;
  const SettingsReadResult r = Read(b);
  ASSERT_TRUE(r.accepted);
  const std::vector<StoredKeyBinding> expected = {{RowCode(1), 2010}, {0x20, 4010}, {0x0D, 1090}, {0x27, 7011}};
  EXPECT_EQ(r.data.keyBindings, expected);
  EXPECT_EQ(r.data.gestures, (std::array<uint16_t, 4>{0, 0, 2010, 13001}));
}

// Variable sections built by hand after a valid prefix.
TEST(SettingsDamage, SectionContents) {
  struct Case {
    const char* name;
    Bytes tail;
    uint32_t sections;
    void (*check)(const SettingsData&);
  };
  const SettingsData defaults;
  std::vector<Case> cases;
  {
    Bytes t;  // huge menu count: the section and all after it are lost
    U16le(t, 65535);
    U16le(t, 6001);
    U16le(t, 6002);
    cases.push_back({"menu count beyond the file", t, kSectionPrefix, [](const SettingsData& s) {
                       EXPECT_EQ(s.hiddenMenuItems, DefaultHiddenMenuItems());
                       EXPECT_EQ(s.toolBar, DefaultStoredToolBar());
                     }});
  }
  {
    Bytes t;  // 0 and unknown ids are dropped; an empty toolbar is kept
    U16le(t, 4);
    for (uint16_t id : {0, 6001, 9999, 1}) U16le(t, id);
    U16le(t, 0);
    cases.push_back({"unknown menu ids, empty toolbar", t,
                     kSectionPrefix | kSectionMenuLayout | kSectionToolBarLayout, [](const SettingsData& s) {
                       EXPECT_EQ(s.hiddenMenuItems, (std::vector<uint16_t>{6001, 1}));
                       EXPECT_TRUE(s.toolBar.empty());
                     }});
  }
  {
    Bytes t;
    U16le(t, 0);
    U16le(t, 5);
    for (uint16_t id : {0, 9999, 2010, 0, 10004}) U16le(t, id);
    U16le(t, 1);  // copy formats: one record whose head is cut
    U8(t, 0x03);
    cases.push_back({"unknown toolbar ids", t, kSectionPrefix | kSectionMenuLayout | kSectionToolBarLayout,
                     [](const SettingsData& s) {
                       EXPECT_TRUE(s.hiddenMenuItems.empty());
                       EXPECT_EQ(s.toolBar, (std::vector<uint16_t>{2010, 10004}));
                       EXPECT_TRUE(s.copyFormats.empty());
                     }});
  }
  {
    Bytes t;
    U16le(t, 0);
    U16le(t, 0);
    U16le(t, 6);
    auto record = [&](uint16_t id, const std::string& text) {
      U16le(t, id);
      U16le(t, static_cast<uint16_t>(text.size()));
      Text(t, text);
    };
    record(65535, "abc");   // slot without a menu id
    record(6002, "xyz");    // separator, no slot
    record(6004, "%x");
    record(6004, "%d!");    // later record wins
    record(6003, "a\xFF" "b");  // invalid UTF-8
    record(6004, "");       // empty: skipped
    cases.push_back({"copy records", t,
                     kSectionPrefix | kSectionMenuLayout | kSectionToolBarLayout | kSectionCopyFormats,
                     [](const SettingsData& s) {
                       const std::vector<StoredCopyFormat> expected = {{6003, "a\xEF\xBF\xBD" "b"}, {6004, "%d!"}};
                       EXPECT_EQ(s.copyFormats, expected);
                     }});
  }
  {
    Bytes t;
    U16le(t, 0);
    U16le(t, 0);
    U16le(t, 3);
    U16le(t, 6001);
    U16le(t, 2);
    Text(t, "01");
    U16le(t, 6003);
    U16le(t, 100);  // text cut
    Text(t, "%d %d");
    cases.push_back({"copy record cut", t, kSectionPrefix | kSectionMenuLayout | kSectionToolBarLayout,
                     [](const SettingsData& s) {
                       EXPECT_EQ(s.copyFormats, (std::vector<StoredCopyFormat>{{6001, "01"}}));
                       EXPECT_TRUE(s.styleViewer == StoredStyleViewer{});
                     }});
  }
  const uint32_t throughApiTest = kSectionPrefix | kSectionMenuLayout | kSectionToolBarLayout |
                                  kSectionCopyFormats | kSectionStyleViewer | kSectionApiTest;
  Bytes blocks;  // empty lists, then the two window blocks
  U16le(blocks, 0);
  U16le(blocks, 0);
  U16le(blocks, 0);
  for (int i = 0; i < 8; ++i) I32le(blocks, i + 1);
  for (int i = 0; i < 8; ++i) I32le(blocks, -(i + 1));
  {
    Bytes t = blocks;
    t.resize(t.size() - 40);  // style viewer block cut
    cases.push_back({"style viewer block cut", t,
                     kSectionPrefix | kSectionMenuLayout | kSectionToolBarLayout | kSectionCopyFormats,
                     [](const SettingsData& s) { EXPECT_TRUE(s.styleViewer == StoredStyleViewer{}); }});
  }
  {
    Bytes t = blocks;
    U32le(t, 0xFFFFFFFF);  // API list length beyond the file
    Text(t, "IsWindow\r\n");
    cases.push_back({"API list length huge", t, throughApiTest, [](const SettingsData& s) {
                       EXPECT_EQ(s.styleViewer.bounds.left, 1);
                       EXPECT_EQ(s.styleViewer.classMask, 6u);
                       EXPECT_EQ(s.apiTest.selectedIndex, -5);
                       EXPECT_EQ(s.apiList, "");
                     }});
  }
  {
    Bytes t = blocks;
    U32le(t, 15);
    Text(t, std::string("IsWindow\r\n\0junk", 15));
    U32le(t, 0);
    U32le(t, 0x103);
    Zeros(t, 36);
    U32le(t, 0x80000000);  // font name length beyond the file
    I32le(t, 9);
    I32le(t, 50);
    Zeros(t, 12);
    Text(t, "Arial");
    cases.push_back({"API list NUL, font length huge", t,
                     throughApiTest | kSectionApiList | kSectionExtra, [](const SettingsData& s) {
                       EXPECT_EQ(s.apiList, "IsWindow\r\n");
                       EXPECT_EQ(s.flipMode, 0x103u);
                       EXPECT_TRUE(s.font == StoredFontInfo{});
                     }});
  }
  {
    Bytes t = blocks;
    U32le(t, 0);    // empty API list
    Zeros(t, 44);  // ExtraBlock
    U32le(t, 3);
    I32le(t, -12);
    I32le(t, -40);  // negative divider
    Zeros(t, 12);
    Text(t, "A\xC0\xAF");  // overlong "/"
    Text(t, "trailing bytes are ignored");
    cases.push_back({"font", t, kAllSettingsSections, [](const SettingsData& s) {
                       EXPECT_EQ(s.font.name, "A\xEF\xBF\xBD\xEF\xBF\xBD");
                       EXPECT_EQ(s.font.size, -12);
                       EXPECT_EQ(s.font.separatorX, 0);
                     }});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SettingsReadResult r = Read(PrefixWith(c.tail));
    ASSERT_TRUE(r.accepted);
    EXPECT_EQ(r.sections, c.sections);
    c.check(r.data);
  }
}

// A toolbar holds a command once and a menu item is hidden once: repeats in
// a damaged file are dropped (the first place counts), so 65,535 ids give at
// most one entry per known id, and reading goes on after the lists.
TEST(SettingsDamage, RepeatedMenuAndToolBarIdsAreKeptOnce) {
  std::vector<uint16_t> commandIds;
  for (size_t i = 0; i < CommandCount(); ++i)
    if (CommandTable()[i].id != 0) commandIds.push_back(CommandTable()[i].id);
  std::vector<uint16_t> allCommandsBackwards(commandIds.rbegin(), commandIds.rend());
  std::vector<uint16_t> cycling;  // every command over and over, backwards
  for (size_t i = 0; i < 65535; ++i) cycling.push_back(allCommandsBackwards[i % allCommandsBackwards.size()]);

  struct Case {
    const char* name;
    std::vector<uint16_t> menu, toolBar;
    std::vector<uint16_t> expectedMenu, expectedToolBar;
  };
  const Case cases[] = {
      {"repeats among unknown ids and separators (0)",
       {6001, 6001, 9999, 14000, 0, 6001},
       {2010, 0, 2010, 9999, 10004, 0, 2010, 10004},
       {6001, 14000},
       {2010, 10004}},
      {"65,535 times one command", {}, std::vector<uint16_t>(65535, 10004), {}, {10004}},
      {"65,535 ids cycling through every command", {}, cycling, {}, allCommandsBackwards},
      {"65,535 hidden menu items, all the same", std::vector<uint16_t>(65535, 6001), {2010}, {6001}, {2010}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes t;
    U16le(t, static_cast<uint16_t>(c.menu.size()));
    for (uint16_t id : c.menu) U16le(t, id);
    U16le(t, static_cast<uint16_t>(c.toolBar.size()));
    for (uint16_t id : c.toolBar) U16le(t, id);
    U16le(t, 1);  // one copy format after the lists
    U16le(t, 6004);
    U16le(t, 2);
    Text(t, "%x");
    const SettingsReadResult r = Read(PrefixWith(t));
    EXPECT_EQ(r.sections, static_cast<uint32_t>(kSectionPrefix | kSectionMenuLayout | kSectionToolBarLayout |
                                                kSectionCopyFormats));
    EXPECT_EQ(r.data.hiddenMenuItems, c.expectedMenu);
    EXPECT_EQ(r.data.toolBar, c.expectedToolBar);
    EXPECT_LE(r.data.toolBar.size(), commandIds.size());
    EXPECT_EQ(r.data.copyFormats, (std::vector<StoredCopyFormat>{{6004, "%x"}}));
  }
}

TEST(SettingsWriter, KeyTableRows) {
  struct Case {
    const char* name;
    std::vector<StoredKeyBinding> bindings;
    int lastVisitedRow;                     // rows up to here carry their key code
    std::map<int, uint16_t> commands;       // row -> command
    std::vector<StoredKeyBinding> readBack;
  };
  const Case cases[] = {
      {"none", {}, -1, {}, {}},
      {"A", {{0x41, 2010}}, 11, {{11, 2010}}, {{0x41, 2010}}},
      {"later binding of a key wins", {{0x41, 2010}, {0x41, 7011}}, 11, {{11, 7011}}, {{0x41, 7011}}},
      {"command 0 overwrites", {{0x41, 2010}, {0x41, 0}}, 11, {}, {}},
      {"key outside the set visits every row", {{0x5B, 2010}}, 61, {}, {}},
      {"any order, read back in row order", {{0x27, 1090}, {0x20, 4010}}, 61, {{61, 1090}, {10, 4010}},
       {{0x20, 4010}, {0x27, 1090}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SettingsData s;
    s.keyBindings = c.bindings;
    const Bytes bytes = WriteSettings(s);
    for (int r = 0; r < 62; ++r) {
      const size_t at = 87 + 4 * static_cast<size_t>(r);
      const uint16_t key = static_cast<uint16_t>(bytes[at] | (bytes[at + 1] << 8));
      const uint16_t command = static_cast<uint16_t>(bytes[at + 2] | (bytes[at + 3] << 8));
      EXPECT_EQ(key, r <= c.lastVisitedRow ? RowCode(r) : 0) << "row " << r;
      const auto it = c.commands.find(r);
      EXPECT_EQ(command, it == c.commands.end() ? 0 : it->second) << "row " << r;
    }
    EXPECT_EQ(Read(bytes).data.keyBindings, c.readBack);
  }
}

TEST(SettingsWriter, OversizedFieldsStayReadable) {
  SettingsData s;
  s.hiddenMenuItems.assign(70000, 6001);
  s.toolBar.assign(65536, 2010);
  s.copyFormats = {{6001, std::string(65536, 'x')}, {6003, std::string(65535, 'y')}};
  const Bytes bytes = WriteSettings(s);
  // The lists are cut to what a word count holds...
  const size_t menu = kSettingsPrefixSize, toolBar = menu + 2 + 2 * 65535;
  ASSERT_GT(bytes.size(), toolBar + 2);
  EXPECT_EQ(bytes[menu] | (bytes[menu + 1] << 8), 65535);
  EXPECT_EQ(bytes[toolBar] | (bytes[toolBar + 1] << 8), 65535);
  // ...and read back once each.
  const SettingsReadResult r = Read(bytes);
  ASSERT_EQ(r.sections, static_cast<uint32_t>(kAllSettingsSections));
  EXPECT_EQ(r.data.hiddenMenuItems, (std::vector<uint16_t>{6001}));
  EXPECT_EQ(r.data.toolBar, (std::vector<uint16_t>{2010}));
  ASSERT_EQ(r.data.copyFormats.size(), 1u);
  EXPECT_EQ(r.data.copyFormats[0].menuId, 6003);
  EXPECT_EQ(r.data.copyFormats[0].text.size(), 65535u);
}

TEST(SettingsDefaults, FollowTheDesignState) {
  const SettingsData s;
  EXPECT_EQ(s.zoomIndex, 4);
  EXPECT_EQ(s.gridFlags, 3);
  EXPECT_EQ(s.gridColor, 0x999999u);
  EXPECT_EQ(s.subGridColor, 0xFF0000u);
  EXPECT_EQ(s.subGridElseColor, 0x008000u);
  EXPECT_EQ(s.colorLines, 3);
  EXPECT_EQ(s.posLines, 1);
  EXPECT_EQ(s.winInfoLines, 7u);
  EXPECT_EQ(s.options, 0x206);
  EXPECT_EQ(s.captureMode, 0);
  EXPECT_EQ(s.gestures, (std::array<uint16_t, 4>{8001, 9001, 2010, 7011}));
  EXPECT_EQ(s.toolBar, (std::vector<uint16_t>{2010, 10004, 10005, 10006, 10008}));
  EXPECT_TRUE(s.copyFormats.empty());

  // The stored zoom and grid indices point at the design-time items.
  auto childIndex = [](const char* parent, const char* child) {
    const int p = MenuIndexOf(MenuItemByName(parent));
    int index = -1;
    for (size_t i = static_cast<size_t>(p) + 1; i < MenuItemCount() && MenuTable()[i].depth > 0; ++i) {
      ++index;
      if (std::string(MenuTable()[i].name) == child) return index;
    }
    return -1;
  };
  EXPECT_EQ(childIndex("MenuItem_Zoom", "MenuItem_Zoom_6"), s.zoomIndex);
  EXPECT_EQ(childIndex("MenuItem_Grid", "MenuItem_Grid_Gray"), s.gridColorItem);
  EXPECT_EQ(childIndex("MenuItem_Grid", "MenuItem_Grid_SubBlue") -
                (childIndex("MenuItem_Grid", "MenuItem_Grid_LineSubGrid") + 1),
            s.subGridColorItem);

  // Twenty default bindings, one per key, in row order.
  ASSERT_EQ(s.keyBindings.size(), 20u);
  EXPECT_EQ(s.keyBindings.front(), (StoredKeyBinding{0x31, CommandIdOf("Action_Capture_Disp_x1")}));
  EXPECT_EQ(s.keyBindings.back(), (StoredKeyBinding{0x27, CommandIdOf("Action_Move_Right")}));

  // Hidden at design time: e.g. the text-rewrite section, not the zoom menu.
  const auto hidden = [&](uint16_t id) {
    return std::find(s.hiddenMenuItems.begin(), s.hiddenMenuItems.end(), id) != s.hiddenMenuItems.end();
  };
  EXPECT_TRUE(hidden(MenuItemIdOf("MenuItem_Write")));
  EXPECT_TRUE(hidden(MenuItemIdOf("MenuItem_Grid_Black")));
  EXPECT_TRUE(hidden(MenuItemIdOf("MenuItem_File_Minimize")));
  EXPECT_FALSE(hidden(MenuItemIdOf("MenuItem_Zoom")));
  EXPECT_FALSE(hidden(0));
}

TEST(SettingsHelpers, ChangedCopyFormats) {
  std::vector<std::string> defaults, current;
  for (int slot = 0; slot < kCopySlotCount; ++slot) defaults.push_back("%d" + std::to_string(slot));
  current = defaults;
  current[0] = "10";
  current[23] = ",%d;%d";  // no menu id
  current[36] = "%1:s";
  current[37] = "%S";      // case counts
  const std::vector<StoredCopyFormat> expected = {
      {6001, "10"}, {kNoCopyMenuId, ",%d;%d"}, {6028, "%1:s"}, {6029, "%S"}};
  EXPECT_EQ(ChangedCopyFormats(current, defaults), expected);
  EXPECT_TRUE(ChangedCopyFormats(defaults, defaults).empty());
  // Slots missing from either list are not stored.
  EXPECT_EQ(ChangedCopyFormats(current, std::vector<std::string>(defaults.begin(), defaults.begin() + 1)),
            (std::vector<StoredCopyFormat>{{6001, "10"}}));
}

// The API list as the API test window and the settings file share it.
TEST(SettingsHelpers, ApiList) {
  struct Case {
    std::string text;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"", {}},
      {"IsWindow\r\n", {"IsWindow"}},
      {"IsWindow\r\nGetParent\r\n", {"IsWindow", "GetParent"}},
      {"A\r\nB", {"A", "B"}},                  // the last line needs no end
      {"A\nB\rC", {"A", "B", "C"}},            // lone LF and lone CR end lines too
      {"A\n\rB\r\rC\n\nD", {"A", "B", "C", "D"}},  // and so do LF CR and doubled ends
      {"\r\n\r\nA\r\n\r\n", {"A"}},      // empty lines are dropped
      {"\r\n\r\nA", {"A"}},
      {" A \r\n", {" A "}},                    // nothing else is trimmed
      {"\x82\xa0\x82\xa2\r\nWM_GETTEXT\r\n", {"\x82\xa0\x82\xa2", "WM_GETTEXT"}},  // ANSI bytes as they are
      {std::string("A\0B\r\n", 5), {std::string("A\0B", 3)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(SplitApiList(c.text), c.names);
    EXPECT_EQ(SplitApiList(JoinApiList(c.names)), c.names);
  }
  EXPECT_EQ(JoinApiList({"GetWindowRect", "WM_GETTEXT"}), "GetWindowRect\r\nWM_GETTEXT\r\n");
  EXPECT_EQ(JoinApiList({}), "");
}

TEST(SettingsHelpers, FileNames) {
  struct Case {
    std::u16string exe;
    std::u16string settings;
  };
  const Case cases[] = {
      {u"C:\\Tools\\zorvik.exe", u"C:\\Tools\\zorvik.bin"},
      {u"C:\\Tools\\zorvik.v2.exe", u"C:\\Tools\\zorvik.v2.bin"},
      {u"C:\\dir.v2\\zorvik", u"C:\\dir.v2\\zorvik.bin"},
      {u"D:/x.y/zorvik", u"D:/x.y/zorvik.bin"},
      {u"C:zorvik", u"C:zorvik.bin"},
      {u"C:\\Tools\\ズーム.exe", u"C:\\Tools\\ズーム.bin"},
      {u"", u".bin"},
  };
  for (const Case& c : cases) EXPECT_EQ(SettingsFileNameFor(std::u16string_view(c.exe)), c.settings);
  EXPECT_EQ(SettingsFileNameFor(std::wstring_view(L"C:\\a\\b.exe")), L"C:\\a\\b.bin");
  EXPECT_EQ(SettingsTempFileNameFor(std::wstring_view(L"C:\\a\\b.bin")), L"C:\\a\\b.bin.tmp");
}

TEST(SettingsHelpers, StoredWindowSizeAndOrigin) {
  struct Case {
    StoredRect bounds;
    bool usable;
  };
  const Case cases[] = {
      {{0, 0, 51, 51}, true},          {{0, 0, 50, 400}, false},   {{10, 10, 50, 400}, false},
      {{100, 0, 0, 400}, false},       {{-300, -200, -100, 0}, true},
      {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, true}, {{INT_MAX, 0, INT_MIN, 400}, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(StoredWindowSizeUsable(c.bounds), c.usable) << c.bounds.left << "," << c.bounds.right;

  SettingsData s;
  s.lengthOriginX = 5000;
  s.lengthOriginY = 700;
  ClampLengthOrigin(s, 3840, 1080);
  EXPECT_EQ(s.lengthOriginX, 3840);
  EXPECT_EQ(s.lengthOriginY, 700);
  s.lengthOriginX = -1;
  ClampLengthOrigin(s, -5, 1080);
  EXPECT_EQ(s.lengthOriginX, 0);
}

}  // namespace
}  // namespace zorvik
