#include "inspection/style_tables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "platform/text.h"

namespace zorvik {
namespace {

std::string U8(std::u16string_view s) { return ToUtf8(s); }

// The names (columns 12-34, trimmed) of the table lines of a listing.
std::vector<std::string> NamesOf(const std::vector<std::u16string>& lines) {
  std::vector<std::string> names;
  for (const auto& l : lines) {
    if (IsStyleSectionLine(l)) continue;
    std::string n = U8(l.substr(11, 23));
    while (!n.empty() && n.back() == ' ') n.pop_back();
    names.push_back(n);
  }
  return names;
}

struct MatchCase {
  const char* what;
  StyleFamily family;
  uint32_t tested;
  std::vector<std::string> names;
};

class StyleMatching : public testing::TestWithParam<MatchCase> {};

TEST_P(StyleMatching, ListsEveryLineWhoseBitsAreAllPresentInTableOrder) {
  const MatchCase& c = GetParam();
  EXPECT_EQ(NamesOf(MatchingStyleLines(c.family, c.tested)), c.names) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StyleMatching,
    testing::Values(
        // Shared bits list both names; WS_OVERLAPPED because bit 0 is clear.
        MatchCase{"overlapped window 0x14CF0000", StyleFamily::kWindow, 0x14CF0000,
                  {"WS_BORDER", "WS_CAPTION", "WS_CLIPSIBLINGS", "WS_DLGFRAME", "WS_GROUP", "WS_MAXIMIZEBOX",
                   "WS_MINIMIZEBOX", "WS_OVERLAPPED", "WS_OVERLAPPEDWINDOW", "WS_SYSMENU", "WS_TABSTOP",
                   "WS_THICKFRAME", "WS_VISIBLE"}},
        MatchCase{"popup with bit 0 set", StyleFamily::kWindow, 0x80880001,
                  {"WS_BORDER", "WS_POPUP", "WS_POPUPWINDOW", "WS_SYSMENU"}},
        MatchCase{"no extended style", StyleFamily::kExtended, 0,
                  {"WS_EX_LEFT", "WS_EX_LTRREADING", "WS_EX_RIGHTSCROLLBAR"}},
        MatchCase{"bit 0 set drops the zero-valued lines", StyleFamily::kExtended, 0x1, {"WS_EX_DLGMODALFRAME"}},
        MatchCase{"mirrored layout has two lines of one name", StyleFamily::kExtended, 0x400000,
                  {"WS_EX_LAYOUTRTL", "WS_EX_LEFT", "WS_EX_LTRREADING", "WS_EX_LAYOUTRTL", "WS_EX_RIGHTSCROLLBAR"}},
        MatchCase{"palette window needs all three bits", StyleFamily::kExtended, 0x188 | 0x1,
                  {"WS_EX_DLGMODALFRAME", "WS_EX_PALETTEWINDOW", "WS_EX_TOOLWINDOW", "WS_EX_TOPMOST",
                   "WS_EX_WINDOWEDGE"}},
        MatchCase{"push button, low bits 0", StyleFamily::kButton, 0x50010000, {"BS_PUSHBUTTON", "BS_TEXT"}},
        MatchCase{"check box, low bits 3", StyleFamily::kButton, 0x50010003,
                  {"BS_AUTOCHECKBOX", "BS_CHECKBOX", "BS_DEFPUSHBUTTON"}},
        MatchCase{"standard list box", StyleFamily::kListBox, 0x50A00003,
                  {"LBS_NOTIFY", "LBS_SORT", "LBS_STANDARD"}},
        MatchCase{"list box without a border is not standard", StyleFamily::kListBox, 0x50200003,
                  {"LBS_NOTIFY", "LBS_SORT"}}));

TEST(StyleTables, HoldTheirLinesInTheColumnLayout) {
  const struct {
    StyleFamily family;
    size_t lines;
  } kFamilies[] = {{StyleFamily::kWindow, 22}, {StyleFamily::kExtended, 26}, {StyleFamily::kButton, 27},
                   {StyleFamily::kEdit, 14},   {StyleFamily::kStatic, 28},   {StyleFamily::kComboBox, 13},
                   {StyleFamily::kListBox, 16}};
  for (const auto& f : kFamilies) {
    size_t n = 0;
    const StyleEntry* e = StyleEntries(f.family, &n);
    const auto& lines = StyleTableLines(f.family);
    ASSERT_EQ(n, f.lines);
    ASSERT_EQ(lines.size(), f.lines);
    for (size_t i = 0; i < n; ++i) {
      const std::u16string& l = lines[i];
      SCOPED_TRACE(U8(l));
      const std::string name = e[i].name;
      ASSERT_LE(name.size(), 22u);  // the 23rd column is always a space
      const std::string value = "0x" + [&] {
        char buf[16];
        snprintf(buf, sizeof buf, "%X", e[i].value);
        return std::string(buf);
      }();
      EXPECT_EQ(U8(l.substr(0, 10)), std::string(10 - value.size(), ' ') + value);
      EXPECT_EQ(l[10], u' ');
      EXPECT_EQ(U8(l.substr(11, 23)), name + std::string(23 - name.size(), ' '));
      ASSERT_GT(l.size(), 34u);
      EXPECT_NE(l[34], u' ') << "the explanation starts in column 35";
      EXPECT_NE(l.find(u'。', 34), std::u16string::npos) << "a Japanese sentence";
      EXPECT_EQ(StyleLineValue(l), e[i].value);
      EXPECT_NE(l.back(), u' ');
    }
  }
}

TEST(StyleTables, ShowTheDesignLineOfWsBorderExactly) {
  EXPECT_EQ(U8(StyleTableLines(StyleFamily::kWindow)[0]),
            "  0x800000 WS_BORDER              境界線を持つウィンドウを作成します。");
  EXPECT_EQ(U8(StyleTableLines(StyleFamily::kListBox)[13]).substr(0, 34), "  0xA00003 LBS_STANDARD           ");
  EXPECT_EQ(U8(StyleTableLines(StyleFamily::kWindow)[13]).substr(0, 34), "       0x0 WS_OVERLAPPED          ");
}

TEST(StyleTables, KeepTheWin32ValuesOfNamesThatShareBits) {
  const struct {
    StyleFamily family;
    const char* name;
    uint32_t value;
  } kValues[] = {{StyleFamily::kWindow, "WS_GROUP", 0x20000},   {StyleFamily::kWindow, "WS_MINIMIZEBOX", 0x20000},
                 {StyleFamily::kWindow, "WS_TABSTOP", 0x10000}, {StyleFamily::kWindow, "WS_POPUPWINDOW", 0x80880000},
                 {StyleFamily::kButton, "BS_RIGHTBUTTON", 0x20}, {StyleFamily::kButton, "BS_LEFTTEXT", 0x20},
                 {StyleFamily::kStatic, "SS_WORDELLIPSIS", 0xC000}, {StyleFamily::kEdit, "ES_NUMBER", 0x2000},
                 {StyleFamily::kComboBox, "CBS_DROPDOWNLIST", 0x3}};
  for (const auto& v : kValues) {
    size_t n = 0;
    const StyleEntry* e = StyleEntries(v.family, &n);
    int found = 0;
    for (size_t i = 0; i < n; ++i)
      if (std::string(e[i].name) == v.name) {
        EXPECT_EQ(e[i].value, v.value) << v.name;
        ++found;
      }
    EXPECT_EQ(found, 1) << v.name;
  }
  // The one name listed twice, with two different explanations.
  size_t n = 0;
  const StyleEntry* e = StyleEntries(StyleFamily::kExtended, &n);
  std::set<std::u16string> rtl;
  for (size_t i = 0; i < n; ++i)
    if (std::string(e[i].name) == "WS_EX_LAYOUTRTL") rtl.insert(e[i].explanation);
  EXPECT_EQ(rtl.size(), 2u);
}

TEST(StyleLineValue, ReadsTheFirstTenColumnsAndGivesZeroWhenUnreadable) {
  const struct {
    const char16_t* line;
    uint32_t value;
  } kCases[] = {{u"  0x800000 WS_BORDER", 0x800000}, {u"0x80880000 WS_POPUPWINDOW", 0x80880000},
                {u"       0x0 WS_LEFT", 0},          {u"   0xa00003 x", 0xA0000},  // only ten columns count
                {u"    800000 WS_BORDER", 0},        {u"      0xZZ WS_X", 0},
                {u"", 0},                            {u"  0x1", 1}};
  for (const auto& c : kCases) EXPECT_EQ(StyleLineValue(c.line), c.value) << U8(c.line);
}

TEST(StyleListing, WindowAndSectionLinesInTheirExactLayout) {
  const std::vector<std::u16string> lines =
      StyleListing(0x000A01B2, 0x00000004, 0x50010000, u"OK \"quoted\"", u"Button", kSwitchButton | kSwitchDialog);
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(U8(lines[0]), "0x000A01B2 655794 Button \"OK \"quoted\"\"");
  EXPECT_EQ(U8(lines[1]), "\t0x50010000 1342242816 ウィンドウスタイル");
  EXPECT_EQ(NamesOf({lines.begin() + 2, lines.begin() + 7}),
            (std::vector<std::string>{"WS_CHILD", "WS_MAXIMIZEBOX", "WS_OVERLAPPED", "WS_TABSTOP", "WS_VISIBLE"}));
  EXPECT_EQ(U8(lines[7]), "\t0x00000004 4 拡張ウィンドウスタイル");
  EXPECT_EQ(NamesOf({lines.begin() + 8, lines.begin() + 12}),
            (std::vector<std::string>{"WS_EX_LEFT", "WS_EX_LTRREADING", "WS_EX_NOPARENTNOTIFY",
                                      "WS_EX_RIGHTSCROLLBAR"}));
  EXPECT_EQ(U8(lines[12]), "\t           ボタンコントロール");
  EXPECT_EQ(NamesOf({lines.begin() + 13, lines.end()}), (std::vector<std::string>{"BS_PUSHBUTTON", "BS_TEXT"}));
}

TEST(StyleListing, ClassTablesFollowInSwitchOrderAndTheHiddenSwitchesAddNothing) {
  auto sections = [](uint32_t mask) {
    std::vector<std::string> titles;
    for (const auto& l : StyleListing(1, 0, 0, u"", u"X", mask))
      if (IsStyleSectionLine(l)) titles.push_back(U8(l.substr(l.rfind(u' ') + 1)));
    return titles;
  };
  EXPECT_EQ(sections(0x7F), (std::vector<std::string>{"ウィンドウスタイル", "拡張ウィンドウスタイル",
                                                       "ボタンコントロール", "エディットコントロール",
                                                       "スタティックコントロール", "コンボボックスコントロール",
                                                       "リストボックスコントロール"}));
  EXPECT_EQ(sections(kSwitchListBox | kSwitchEdit),
            (std::vector<std::string>{"ウィンドウスタイル", "拡張ウィンドウスタイル", "エディットコントロール",
                                      "リストボックスコントロール"}));
  EXPECT_EQ(StyleListing(1, 0, 0, u"", u"X", kSwitchDialog | kSwitchScrollBar),
            StyleListing(1, 0, 0, u"", u"X", 0));
}

TEST(StyleListing, HandlesKeepTheirLowThirtyTwoBitsAsSignedDecimal) {
  EXPECT_EQ(U8(StyleWindowLine(0xFFFFFFFFu, u"#32770", u"")), "0xFFFFFFFF -1 #32770 \"\"");
  EXPECT_EQ(U8(StyleWindowLine(static_cast<uintptr_t>(0x1234567800010002ull & UINTPTR_MAX), u"A", u"t")),
            "0x00010002 65538 A \"t\"");
  EXPECT_EQ(U8(StyleSectionLine(0xFFFFFFFFu, u"S")), "\t0xFFFFFFFF 4294967295 S");
  EXPECT_EQ(U8(StyleSectionLine(0, u"S")), "\t0x00000000 0 S");
}

TEST(StyleHint, NameAndExplanationWithABreakAfterTheFirstSentence) {
  const std::vector<std::u16string>& window = StyleTableLines(StyleFamily::kWindow);
  const struct {
    std::u16string line;
    const char* hint;
  } kCases[] = {
      {window[1], "WS_CAPTION タイトルバーを持つウィンドウを作成します。\r\nWS_BORDER と WS_DLGFRAME の組み合わせです。"},
      {window[0], "WS_BORDER 境界線を持つウィンドウを作成します。\r\n"},
      {StyleLine(0x4, "X_NOSTOP", u"句点のない説明"), "X_NOSTOP 句点のない説明"},
      {StyleSectionLine(0x14CF0000, u"ウィンドウスタイル"), ""},
      {StyleClassSectionLine(u"ボタンコントロール"), ""},
      {u"", ""},
  };
  for (const auto& c : kCases) EXPECT_EQ(U8(StyleHint(c.line)), c.hint) << U8(c.line);
}

TEST(StyleDetailsText, HeadingThenTheListingJoinedWithCrLfAndTrimmed) {
  EXPECT_EQ(U8(StyleDetailsText({u"0x00000001 1 A \"\"", u"\tline", u"last  \r\n"})),
            "ウィンドウスタイル詳細\r\n0x00000001 1 A \"\"\r\n\tline\r\nlast");
  EXPECT_EQ(U8(StyleDetailsText({})), "ウィンドウスタイル詳細");
}

}  // namespace
}  // namespace zorvik
