// The general block of the settings file: its rows, and the bytes the
// reader and writer make of them, pinned to files written by an earlier
// build of the writer so that any change of layout or of the read checks
// fails here.
#include "settings/my_settingfile.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

namespace zorvik {
namespace {

std::string Hex(const std::vector<uint8_t>& bytes, size_t from = 0, size_t count = SIZE_MAX) {
  std::string out;
  char digits[3];
  for (size_t i = from; i < bytes.size() && i - from < count; ++i) {
    std::snprintf(digits, sizeof digits, "%02x", bytes[i]);
    out += digits;
  }
  return out;
}

constexpr size_t kGeneralAt = 22;  // after the magic, format and reserved bytes

// General block values: the defaults, both ends of every field, values just
// past what the reader keeps, and a different byte in every field so that
// two fields trading places cannot go unnoticed.
SettingsData GeneralCase(int n) {
  SettingsData s;
  switch (n) {
    case 0:
      break;
    case 1:  // lowest
      s.bounds = {INT_MIN, INT_MIN, INT_MIN, INT_MIN};
      s.zoomIndex = 0;
      s.gridFlags = 0;
      s.gridColorItem = 0;
      s.subGridColorItem = 0;
      s.gridColor = s.subGridColor = s.subGridElseColor = 0;
      s.colorLines = s.posLines = 0;
      s.lengthOriginX = s.lengthOriginY = INT_MIN;
      s.winInfoLines = s.styleViewerClasses = 0;
      s.options = s.captureMode = 0;
      s.fixedPointX = s.fixedPointY = INT_MIN;
      break;
    case 2:  // highest
      s.bounds = {INT_MAX, INT_MAX, INT_MAX, INT_MAX};
      s.zoomIndex = 0xFF;
      s.gridFlags = 0xFFFF;
      s.gridColorItem = 0xFF;
      s.subGridColorItem = 0xFF;
      s.gridColor = s.subGridColor = s.subGridElseColor = 0xFFFFFFFF;
      s.colorLines = s.posLines = 0xFFFF;
      s.lengthOriginX = s.lengthOriginY = INT_MAX;
      s.winInfoLines = s.styleViewerClasses = 0xFFFFFFFF;
      s.options = s.captureMode = 0xFFFF;
      s.fixedPointX = s.fixedPointY = INT_MAX;
      break;
    case 3:  // the last value kept, or the first one past it
      s.bounds = {-1, 0, 1, -2};
      s.zoomIndex = 9;
      s.gridFlags = 0x4;
      s.gridColorItem = 8;
      s.subGridColorItem = 3;
      s.gridColor = 0x00FFFFFF;
      s.subGridColor = 0x01000000;
      s.subGridElseColor = 0x80000001;
      s.colorLines = 0x40;
      s.posLines = 0x10;
      s.lengthOriginX = -1;
      s.lengthOriginY = 0;
      s.winInfoLines = 0x2000;
      s.styleViewerClasses = 0x80;
      s.options = 0x008;
      s.captureMode = 4;
      s.fixedPointX = -1;
      s.fixedPointY = 0;
      break;
    case 4:  // one more past the end, one short of the start
      s.zoomIndex = 10;
      s.gridColorItem = 1;
      s.subGridColorItem = 4;
      s.captureMode = 3;
      break;
    case 5:  // a different byte everywhere
      s.bounds = {0x04030201, 0x08070605, 0x0C0B0A09, 0x100F0E0D};
      s.zoomIndex = 0x11;
      s.gridFlags = 0x1312;
      s.gridColorItem = 0x14;
      s.subGridColorItem = 0x15;
      s.gridColor = 0x19181716;
      s.subGridColor = 0x1D1C1B1A;
      s.subGridElseColor = 0x21201F1E;
      s.colorLines = 0x2322;
      s.posLines = 0x2524;
      s.lengthOriginX = 0x29282726;
      s.lengthOriginY = 0x2D2C2B2A;
      s.winInfoLines = 0x31302F2E;
      s.styleViewerClasses = 0x35343332;
      s.options = 0x3736;
      s.captureMode = 0x3938;
      s.fixedPointX = 0x3D3C3B3A;
      s.fixedPointY = 0x41403F3E;
      break;
  }
  return s;
}
constexpr int kGeneralCaseCount = 6;

// GeneralCase(n) as the writer wrote it, and the same file written again
// after reading it, which shows what the reader keeps of each value.
struct Written {
  const char* general;  // the 65 bytes of the block, hex
  const char* reread;
};
const Written kWritten[kGeneralCaseCount] = {
    {"000000000000000000000000000000000403000201999999000000ff00008000000300010000000000000000000700000000000000060200000000000000000000",
     "000000000000000000000000000000000403000201999999000000ff00008000000300010000000000000000000700000000000000060200000000000000000000"},
    {"0000008000000080000000800000008000000000000000000000000000000000000000000000000080000000800000000000000000000000000000008000000080",
     "0000008000000080000000800000008000000002000000000000000000000000000000000000000000000000000000000000000000000000000000008000000080"},
    {"ffffff7fffffff7fffffff7fffffff7fffffffffffffffffffffffffffffffffffffffffffffffff7fffffff7fffffffffffffffffffffffffffffff7fffffff7f",
     "ffffff7fffffff7fffffff7fffffff7f0903000201ffffff00ffffff00ffffff003f000f00ffffff7fffffff7fff5f0000fffffffff7030300ffffff7fffffff7f"},
    {"ffffffff0000000001000000feffffff0904000803ffffff00000000010100008040001000ffffffff00000000002000008000000008000400ffffffff00000000",
     "ffffffff0000000001000000feffffff0900000203ffffff000000000001000000000000000000000000000000000000008000000000000000ffffffff00000000"},
    {"000000000000000000000000000000000a03000104999999000000ff00008000000300010000000000000000000700000000000000060203000000000000000000",
     "000000000000000000000000000000000903000201999999000000ff00008000000300010000000000000000000700000000000000060203000000000000000000"},
    {"0102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f202122232425262728292a2b2c2d2e2f303132333435363738393a3b3c3d3e3f4041",
     "0102030405060708090a0b0c0d0e0f100902000201161718001a1b1c001e1f200022000400262728292a2b2c2d2e0f000032333435360300003a3b3c3d3e3f4041"},
};

// Whole files: the defaults and case 5.
const char kDefaultFile[] =
      "5a52564b0102000000000000000000000000000000000000000000000000000000000000000004030002019999990000"
      "00ff00008000000300010000000000000000000700000000000000060200000000000000000000300000003100651b32"
      "000000330000003400000035000000360000003700000038000000390000002000aa0f41000000420000004300771744"
      "0000004500000046005a1b47000000480076174900de074a0000004b0000004c0000004d0000004e0000004f00000050"
      "0000005100fd2a520000005300471f540000005500d607560000005700000058000000590000005a0071177000c93271"
      "00ca1772000000730000007400000075000000760000007700000078000000790011277a0000007b0000000d00000008"
      "0000002e0000002d0000001b00631b210042042200430424000000230000002600f92a2800fa2a2500fb2a2700fc2a41"
      "1f2923da07631b2a00d407d507dc07bc0bbd0bbe0b8f139013921394137917d417d517d6177a17d817d917da177b17dc"
      "17de17df1739183a183b183c183d183e183f18401843184418451846184718481849184a184b184c18b036e12e0500da"
      "071427152716271827000000000000000000000000000000000000000000000000000000000000000000000000000000"
      "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
      "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
      "000000";
const char kCase5File[] =
      "5a52564b0102000000000000000000000000000000000102030405060708090a0b0c0d0e0f101112131415161718191a"
      "1b1c1d1e1f202122232425262728292a2b2c2d2e2f303132333435363738393a3b3c3d3e3f4041300000003100651b32"
      "000000330000003400000035000000360000003700000038000000390000002000aa0f41000000420000004300771744"
      "0000004500000046005a1b47000000480076174900de074a0000004b0000004c0000004d0000004e0000004f00000050"
      "0000005100fd2a520000005300471f540000005500d607560000005700000058000000590000005a0071177000c93271"
      "00ca1772000000730000007400000075000000760000007700000078000000790011277a0000007b0000000d00000008"
      "0000002e0000002d0000001b00631b210042042200430424000000230000002600f92a2800fa2a2500fb2a2700fc2a41"
      "1f2923da07631b2a00d407d507dc07bc0bbd0bbe0b8f139013921394137917d417d517d6177a17d817d917da177b17dc"
      "17de17df1739183a183b183c183d183e183f18401843184418451846184718481849184a184b184c18b036e12e0500da"
      "071427152716271827000000000000000000000000000000000000000000000000000000000000000000000000000000"
      "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
      "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
      "000000";

std::vector<uint8_t> Written(int n) { return WriteSettings(GeneralCase(n)); }

TEST(GeneralBlock, WrittenAndReadAsBefore) {
  for (int n = 0; n < kGeneralCaseCount; ++n) {
    SCOPED_TRACE(n);
    const std::vector<uint8_t> bytes = Written(n);
    EXPECT_EQ(Hex(bytes, kGeneralAt, kGeneralBlockSize), kWritten[n].general);
    const SettingsReadResult r = ReadSettings(bytes.data(), bytes.size());
    ASSERT_TRUE(r.accepted);
    EXPECT_EQ(Hex(WriteSettings(r.data), kGeneralAt, kGeneralBlockSize), kWritten[n].reread);
  }
  EXPECT_EQ(Hex(Written(0)), kDefaultFile);
  EXPECT_EQ(Hex(Written(5)), kCase5File);
}

// Each row reads and writes its own member and no other: bytes put into one
// row turn up in that member alone (at least one of a few patterns gets past
// the row's checks).
TEST(GeneralBlock, RowsReachTheirOwnMembers) {
  const std::vector<uint8_t> base = Written(0);
  const SettingsData defaults = ReadSettings(base.data(), base.size()).data;
  for (size_t i = 0; i < kGeneralRowCount; ++i) {
    const GeneralField& f = GeneralBlock()[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(&GeneralFieldOf(f.row), &f);
    bool seen = false;
    for (const int first : {0x00, 0x01, 0x07}) {
      std::vector<uint8_t> bytes = base;
      for (size_t b = 0; b < f.Width(); ++b)
        bytes[kGeneralAt + f.offset + b] = static_cast<uint8_t>(first ? first + b : 0);
      SettingsData changed = ReadSettings(bytes.data(), bytes.size()).data;
      seen = seen || !(changed == defaults);
      if (f.kind == FieldKind::kRect) changed.*f.rect = defaults.*f.rect;
      else f.Set(changed, f.Get(defaults));
      EXPECT_TRUE(changed == defaults) << first;
    }
    EXPECT_TRUE(seen);
  }
}

}  // namespace
}  // namespace zorvik
