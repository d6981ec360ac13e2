#include "apitest/api_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "apitest/api_lists.h"

namespace zorvik {
namespace {

std::vector<uint8_t> Counting(size_t n) {
  std::vector<uint8_t> b(n);
  for (size_t i = 0; i < n; ++i) b[i] = static_cast<uint8_t>(0x41 + i);  // 'A', 'B', ...
  return b;
}

TEST(ApiHexDump, LineCountsAndColumns) {
  EXPECT_TRUE(HexDump(nullptr, 0, false).empty());
  const std::vector<uint8_t> b = Counting(17);
  EXPECT_TRUE(HexDump(b.data(), 0, true).empty());

  const auto one = HexDump(b.data(), 16, false);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].hex, "41 42 43 44 45 46 47 48-49 4A 4B 4C 4D 4E 4F 50   ");
  EXPECT_EQ(one[0].sjis, "ABCDEFGHIJKLMNOP");
  EXPECT_TRUE(one[0].wide.empty());

  const auto two = HexDump(b.data(), 17, false);
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(two[1].hex, "51" + std::string(48, ' '));
  EXPECT_EQ(two[1].sjis, "Q" + std::string(15, ' '));
}

TEST(ApiHexDump, ShiftJisColumn) {
  struct Case {
    std::vector<uint8_t> bytes;
    std::string line0, line1;
  } cases[] = {
      // Control bytes, DEL, 0x80, 0xA0, 0xF0-0xFF without a lead byte are dots;
      // half-width katakana (0xB1) stays.
      {{0x00, 0x1F, 0x20, 0x7E, 0x7F, 0x80, 0xA0, 0xB1, 0xF0, 0xFC, 0xFD, 0xFF},
       std::string("..") + " ~..." + "\xB1" + "....    ", ""},
      // A pair in the middle is kept whole, also when its trail byte is 0x80 or above.
      {{0x82, 0xA0, 0x41, 0x88, 0x9F}, "\x82\xA0" "A" "\x88\x9F" + std::string(11, ' '), ""},
      // A lead byte followed by no trail byte is a dot; the next byte is judged alone.
      {{0x82, 0x0A, 0x41}, "..A" + std::string(13, ' '), ""},
      // A lead byte in the 16th position: its trail byte starts the next line.
      {{0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x82, 0x41, 0xA0},
       "AAAAAAAAAAAAAAA.", "A." + std::string(14, ' ')},
  };
  for (const Case& c : cases) {
    const auto lines = HexDump(c.bytes.data(), c.bytes.size(), false);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].sjis, c.line0);
    if (!c.line1.empty()) {
      ASSERT_EQ(lines.size(), 2u);
      EXPECT_EQ(lines[1].sjis, c.line1);
    }
  }
}

TEST(ApiHexDump, WideColumnStopsAtTheFirstZeroCharacter) {
  const uint8_t bytes[] = {'V', 0, 0x09, 0, 0x42, 0x30, 0, 0, 'X', 0};
  const auto lines = HexDump(bytes, sizeof bytes, true);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].wide, u"  V.\u3042");
  const uint8_t odd[] = {'A', 0, 'B'};  // a lone last byte is no character
  EXPECT_EQ(HexDump(odd, 3, true)[0].wide, u"  A");
}

TEST(ApiText, HResultNames) {
  const std::pair<uint32_t, const char*> cases[] = {
      {0, "S_OK"},           {1, "S_OK"},                 {0x00040000, "S_OK"},         {0x8000000A, "E_PENDING"},
      {0x80004001, "E_NOTIMPL"}, {0x80004002, "E_NOINTERFACE"}, {0x80004003, "E_POINTER"}, {0x80004004, "E_ABORT"},
      {0x80004005, "E_FAIL"}, {0x8000FFFF, "E_UNEXPECTED"}, {0x80070005, "E_ACCESSDENIED"}, {0x80070006, "E_HANDLE"},
      {0x8007000E, "E_OUTOFMEMORY"}, {0x80070057, "E_INVALIDARG"}, {0x80004006, "その他のエラー"},
  };
  for (const auto& c : cases) EXPECT_EQ(HResultName(static_cast<int32_t>(c.first)), c.second) << std::hex << c.first;
}

TEST(ApiText, ValueForms) {
  const std::pair<std::string, std::string> cases[] = {
      {HexForm(42), "0x0000002A 42"},
      {HexForm(0xFFFFFFFFu), "0xFFFFFFFF 4294967295"},
      {HexForm(0xC01A, 4), "0xC01A 49178"},
      {HexForm(0x7FF612340000ull), "0x00007FF612340000 140694844080128"},
      {HexWordsForm(0x00050001), "0x00050001 5 1"},
      {IntForm(-7), "-7"},
      {BoolForm(true), "True"},
      {BoolForm(false), "False"},
      {PointForm(-3, 4), "(-3, 4)"},
      {RectForm(1, 2, 3, 4), "(1, 2, 3, 4)"},
      {ColourForm(0x000000FF), "#FF0000 Red"},
      {ColourForm(0x00123456), "#563412 "},
      {ErrorForm(-1, true), "CB_ERR(-1)"},
      {ErrorForm(-1, false), "LB_ERR(-1)"},
      {ErrorForm(3, true), "3"},
      {ScrollPartState(0x8008, "つまみ"), "0x00008008 (つまみ) 非表示 押下状態"},
      {TitlePartState(0x100001, "閉じるボタン"), "0x00100001 (閉じるボタン) フォーカス可能 無効"},
      {ComboButtonState(0), "0x00000000 0                      ボタンは存在し押されていない。"},
      {ComboButtonState(0x10), "0x00000010 "},
      {PriorityName(0x20), "(0x00000020) NORMAL_PRIORITY_CLASS 通常"},
      {PriorityName(0), "0 関数失敗"},
      {PriorityName(0x12), "(0x00000012) 不明"},
      {BinaryTypeText(6), "SCS_64BIT_BINARY 6 Win64ベースのアプリケーション。"},
      {BinaryTypeText(9), "9 不明"},
      {FileFlagsText(0x3), "0x00000003 VS_FF_DEBUG VS_FF_PRERELEASE "},
      {FileOsText(0x40004), "0x00040004 NT用 32bit Windows用 "},
      {FileOsText(0x30003), "0x00030003 32bit OS/2用 32bit プレゼンテーションマネージャ用 "},
      {FileOsText(0), "0x00000000 不明"},
      {TechnologyName(1), "ラスタディスプレイ"},
      {TechnologyName(7), "未定義"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.first, c.second);
}

TEST(ApiText, FileAttributeRowsInTheCatalogueOrder) {
  const auto rows = FileAttributeRows(0x20 | 0x1 | 0x2000);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], "FILE_ATTRIBUTE_ARCHIVE               0x20 アーカイブ属性。");
  EXPECT_EQ(rows[1].substr(0, 41), "FILE_ATTRIBUTE_NOT_CONTENT_INDEXED 0x2000");
  EXPECT_EQ(rows[2].substr(0, 41), "FILE_ATTRIBUTE_READONLY               0x1");
  EXPECT_TRUE(FileAttributeRows(0).empty());
}

TEST(ApiLists, MetricAndCapabilityTexts) {
  size_t n = 0;
  const ApiIndex* metrics = SystemMetricList(n);
  ASSERT_EQ(n, 82u);
  EXPECT_STREQ(metrics[0].name, "SM_ARRANGE");
  EXPECT_STREQ(metrics[81].name, "SM_YVIRTUALSCREEN");
  EXPECT_EQ(MetricValueText(metrics[0], 8), "(8) 画面の外へ移動し、非表示にします。");
  EXPECT_EQ(MetricValueText(metrics[0], 5), "(5) スクリーンの右下隅から開始し、右から左へ水平方向に配置します。");
  EXPECT_EQ(MetricValueText(metrics[0], 9), "(9) 不明");
  EXPECT_EQ(MetricValueText(metrics[1], 1), "(1) Safe モードでの起動。");
  int yesNo = 0;
  for (size_t i = 0; i < n; ++i)
    if (MetricValueText(metrics[i], 0) == "(0) FALSE") ++yesNo;
  EXPECT_EQ(yesNo, 16);
  EXPECT_EQ(MetricValueText(metrics[45], 1280), "1280");  // SM_CXSCREEN

  size_t groups = 0;
  const ApiCapGroup* g = DeviceCapGroups(groups);
  ASSERT_EQ(groups, 7u);
  EXPECT_EQ(CapFlagRow(g[2], g[2].flags[1]), "CC_CIRCLES    円を描画できます。");
  size_t indices = 0;
  DeviceCapIndices(indices);
  EXPECT_EQ(indices, 30u);
}

TEST(ApiRows, RowModel) {
  ApiRows<std::u16string> rows;
  rows.AddParam(u"hwnd", u"desc");
  rows.AddParamName(u"lpRect");
  rows.AddResult(u"0x1");
  EXPECT_EQ(rows.RowCount(), 2u);
  EXPECT_EQ(rows.Result(1), u"");
  EXPECT_EQ(rows.ParamDescription(1), u"");
  rows.AddBlankResults(3);
  rows.AddResult(u"flag");
  EXPECT_EQ(rows.RowCount(), 5u);
  EXPECT_EQ(rows.ParamName(4), u"");
  rows.PadParams(5);
  rows.PadParams(1);  // never shortens
  EXPECT_EQ(rows.ParamCount(), 5u);
  EXPECT_EQ(rows.ParamDescriptions().size(), 5u);
  rows.ClearResults();
  EXPECT_EQ(rows.RowCount(), 5u);
  rows.Reset();
  EXPECT_EQ(rows.RowCount(), 0u);
}

}  // namespace
}  // namespace zorvik
