#include "apitest/api_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace zorvik {
namespace {

TEST(ApiTable, SeventyTwoUniqueEntriesInKnownGroups) {
  ASSERT_EQ(ApiEntryCount(), 72u);
  std::set<std::string> names;
  const auto& groups = ApiGroups();
  for (size_t i = 0; i < ApiEntryCount(); ++i) {
    const ApiEntryInfo& e = ApiEntryAt(i);
    SCOPED_TRACE(e.name);
    EXPECT_TRUE(names.insert(e.name).second) << "duplicate";
    EXPECT_NE(std::find(groups.begin(), groups.end(), e.group), groups.end());
    EXPECT_STRNE(e.declaration, "");
    EXPECT_FALSE(ApiEntryDescription(e).empty());
    EXPECT_EQ(FindApiEntry(e.name), &e);
    if (std::string_view(e.name) == "VerQueryValue") continue;  // rows depend on the file
    const auto rows = ApiEntryRows(e);
    ASSERT_FALSE(rows.empty());
    for (const ApiRowText& r : rows) {
      EXPECT_FALSE(r.label.empty());
      EXPECT_FALSE(r.description.empty()) << r.label;
    }
  }
  EXPECT_STREQ(ApiEntryAt(0).name, "GetDeviceCaps");
  EXPECT_STREQ(ApiEntryAt(71).name, "WM_GETTEXTLENGTH");
  EXPECT_EQ(FindApiEntry("getwindowrect"), nullptr);  // exact case
}

TEST(ApiTable, SortedByGroupThenName) {
  const std::vector<size_t> order = SortedApiEntries();
  ASSERT_EQ(order.size(), 72u);
  auto name = [&](size_t i) { return std::string(ApiEntryAt(order[i]).name); };
  const char* first[] = {"ChildWindowFromPoint", "ChildWindowFromPointEx", "DwmGetWindowAttribute", "EnumChildWindows",
                         "EnumThreadWindows"};
  for (size_t i = 0; i < 5; ++i) EXPECT_EQ(name(i), first[i]);
  EXPECT_EQ(name(70), "WM_GETTEXT");
  EXPECT_EQ(name(71), "WM_GETTEXTLENGTH");
  size_t icon = 0;
  while (icon < order.size() && name(icon) != "ExtractIcon") ++icon;
  ASSERT_LT(icon + 2, order.size());
  EXPECT_EQ(std::string(ApiEntryAt(order[icon - 1]).group), "api");
  EXPECT_EQ(name(icon + 1), "GetDeviceCaps");
  EXPECT_EQ(name(icon + 2), "GetSystemMetrics");
  // Groups appear in the sorted group order, each once.
  std::vector<std::string> seen;
  for (size_t i : order)
    if (seen.empty() || seen.back() != ApiEntryAt(i).group) seen.push_back(ApiEntryAt(i).group);
  EXPECT_EQ(seen, ApiGroups());
}

TEST(ApiTable, QuotedReferenceTexts) {
  const ApiEntryInfo* rect = FindApiEntry("GetWindowRect");
  ASSERT_NE(rect, nullptr);
  EXPECT_EQ(ApiEntryDescription(*rect),
            "指定されたウィンドウの左上端と右下端の座標をスクリーン座標で取得します。\r\nhwnd   "
            "調べたいウィンドウのハンドルを指定します。\r\nlpRect "
            "値を受け取るRECT構造体の変数のポインタを指定します。\r\n戻り値 "
            "関数が成功すると0以外の値(True)が、失敗すると0(False)が返ります。\r\n\r\ntypedef struct tagRECT {\r\n  LONG "
            "left;    //左上隅のX座標\r\n  LONG top;     //左上隅のY座標\r\n  LONG right;   //右下隅のX座標\r\n  LONG "
            "bottom;  //右下隅のY座標\r\n} RECT;");
  const auto rows = ApiEntryRows(*rect);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1].label, "lpRect");
  EXPECT_EQ(rows[1].description,
            "値を受け取るRECT構造体の変数のポインタを指定します。\r\nこの構造体のleftメンバとtopメンバにスクリーン座標での"
            "ウィンドウの左上端の座標が入ります。rightメンバとbottomメンバにはウィンドウの右下端の座標が入ります。");

  const ApiEntryInfo* count = FindApiEntry("LB_GETCOUNT");
  ASSERT_NE(count, nullptr);
  EXPECT_STREQ(count->declaration, "LB_GETCOUNT");
  EXPECT_EQ(ApiEntryDescription(*count),
            "リストボックスのアイテム数を取得します。\r\nwParam 使用しません。\r\nlParam 使用しません。\r\n戻り値 "
            "リストボックスのアイテム数が返ります。");
  EXPECT_EQ(ApiEntryRows(*count)[0].description, "調べたいリストボックスのハンドルを指定します。");
  const ApiEntryInfo* text = FindApiEntry("CB_GETLBTEXT");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(ApiEntryDescription(*text),
            "コンボボックスのアイテムの文字列を取得します。\r\nwParam "
            "アイテムのインデックスを指定。このテストでは選択行を指定。\r\nlParam "
            "文字列を受け取るバッファのアドレスを指定。\r\n戻り値 取得したアイテムの文字数が返ります。");
  EXPECT_EQ(ApiEntryRows(*text).size(), 4u);
}

TEST(ApiTable, RowCountsOfGeneratedAndLookedUpRows) {
  EXPECT_EQ(ApiEntryRows(*FindApiEntry("GetSystemMetrics")).size(), 82u);
  EXPECT_EQ(ApiEntryRows(*FindApiEntry("GetDeviceCaps")).size(), 31u);
  EXPECT_EQ(ApiEntryRows(*FindApiEntry("GetScrollBarInfo")).size(), 1u + 3 * 11 + 1);
  EXPECT_EQ(ApiEntryRows(*FindApiEntry("GetScrollInfo")).size(), 1u + 3 * 6);
  EXPECT_EQ(ApiEntryRows(*FindApiEntry("GetScrollRange")).size(), 1u + 3 * 3);
  EXPECT_EQ(ApiEntryRows(*FindApiEntry("GetClassInfoEx")).size(), 17u);
  EXPECT_EQ(ApiEntryRows(*FindApiEntry("GetWindowText")).size(), 9u);
  EXPECT_EQ(ApiEntryRows(*FindApiEntry("GetWindowTextLength")).size(), 5u);
  const ApiEntryInfo& ver = *FindApiEntry("VerQueryValue");
  EXPECT_EQ(ApiRowDescription(ver, " CompanyName"), "会社名");
  EXPECT_EQ(ApiRowDescription(ver, " lpSubBlock:\\StringFileInfo\\041104b0\\"),
            ApiRowDescription(ver, " lpSubBlock:"));
  EXPECT_EQ(ApiRowDescription(ver, "no such row"), "");
}

}  // namespace
}  // namespace zorvik
