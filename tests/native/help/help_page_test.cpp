#include "help/help_page.h"

#include <gtest/gtest.h>

#include <string>

#include "commands/command_table.h"
#include "commands/command_text.h"
#include "commands/keys.h"
#include "format/format_engine.h"
#include "inspection/info_text.h"

namespace zorvik {
namespace {

size_t Count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
  return n;
}

class HelpPage : public ::testing::Test {
protected:
  static const std::string& Page() {
    static const std::string page = HelpPageHtml("1.2.3");
    return page;
  }
  // The table row of a command, "" when it has none.
  static std::string RowOf(const char* name) {
    const std::string open = std::string("<tr id=\"cmd-") + name + "\">";
    const size_t at = Page().find(open);
    if (at == std::string::npos) return {};
    return Page().substr(at, Page().find("</tr>", at) - at);
  }
};

TEST_F(HelpPage, ListsEveryCommandThatHasACaption) {
  size_t listed = 0;
  for (size_t i = 0; i < CommandCount(); ++i) {
    const CommandDef& c = CommandTable()[i];
    if (c.caption[0] == '\0') continue;
    SCOPED_TRACE(c.name);
    const std::string row = RowOf(c.name);
    ASSERT_FALSE(row.empty());
    EXPECT_NE(row.find("<td>" + HtmlEscape(CaptionWithoutAccelerator(c.caption)) + "</td>"), std::string::npos);
    const size_t at = Page().find(row);
    const size_t heading = Page().rfind("<h3>", at);
    ASSERT_NE(heading, std::string::npos);
    EXPECT_EQ(Page().substr(heading, Page().find("</h3>", heading) - heading), "<h3>" + HtmlEscape(c.category))
        << "under its category";
    ++listed;
  }
  EXPECT_GT(listed, 200u);
  EXPECT_EQ(Count(Page(), "<tr id=\"cmd-"), listed);
}

TEST_F(HelpPage, DefaultKeysAndGestures) {
  struct Case {
    const char* command;
    std::vector<std::string> shown;  // all of these in its row
    size_t keys;                     // number of <kbd> in its row
  };
  const Case cases[] = {
      {"Action_Zoom_Up", {"<kbd>PgUp</kbd>"}, 1},
      {"Action_Help", {"<kbd>F1</kbd>", ">13001<"}, 1},
      {"Action_Capture_Pause", {"<kbd>Esc</kbd>", "ｼﾞｪｽﾁｬ →"}, 1},
      {"Action_Pos_LengthPosSet", {"<kbd>ｽﾍﾟｰｽ</kbd>"}, 1},
      {"Action_Move_Up", {"<kbd>↑</kbd>"}, 1},
      {"Action_File_Exit", {"<kbd>Alt+F4</kbd>"}, 1},
      {"Action_Custom_Setting", {"<kbd>Alt+F10</kbd>", "ｼﾞｪｽﾁｬ ↓"}, 1},
      {"Action_Grid_Gray", {}, 0},
      {"Action_Test_Rop_SRCINVERT", {"—"}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    const std::string row = RowOf(c.command);
    ASSERT_FALSE(row.empty());
    for (const std::string& s : c.shown) EXPECT_NE(row.find(s), std::string::npos) << s << " in " << row;
    EXPECT_EQ(Count(row, "<kbd>"), c.keys) << row;
  }
}

TEST_F(HelpPage, KeysLinesAndCopyFormatsComeFromTheTables) {
  for (int row = 0; row < kKeyCount; ++row)
    EXPECT_NE(Page().find("<kbd>" + HtmlEscape(KeyTable()[row].shown) + "</kbd>"), std::string::npos) << row;
  for (int i = 0; i < InfoLineItemCount(); ++i)
    EXPECT_STRNE(InfoLineDescription(InfoLineItems()[i].lineSlot), "") << InfoLineItems()[i].lineSlot;
  for (int slot = 0; slot < kCopySlotCount; ++slot) {
    if (CopyCommandOfSlot(slot).empty()) continue;
    SCOPED_TRACE(slot);
    EXPECT_STRNE(CopyArgumentDescription(slot), "");
  }
  EXPECT_NE(Page().find("<code>%.6x</code>"), std::string::npos);  // the HTML item's default
  EXPECT_NE(Page().find("<code>%0:s %1:s</code>"), std::string::npos);  // the executable's choices
  EXPECT_NE(Page().find("1.2.3"), std::string::npos);
}

// Every "&" and "<" of the texts is escaped, and the tables are balanced.
TEST_F(HelpPage, MarkupIsBalancedAndEscaped) {
  const std::string& page = Page();
  for (const char* tag : {"table", "tr", "td", "kbd", "code", "h2", "h3"})
    EXPECT_EQ(Count(page, std::string("<") + tag + ">") + Count(page, std::string("<") + tag + " "),
              Count(page, std::string("</") + tag + ">"))
        << tag;
  for (size_t at = page.find('&'); at != std::string::npos; at = page.find('&', at + 1)) {
    const std::string entity = page.substr(at, 6);
    EXPECT_TRUE(entity.rfind("&amp;", 0) == 0 || entity.rfind("&lt;", 0) == 0 || entity.rfind("&gt;", 0) == 0 ||
                entity.rfind("&quot;", 0) == 0)
        << page.substr(at > 30 ? at - 30 : 0, 60);
  }
  EXPECT_EQ(HtmlEscape("a<b>&\"c\""), "a&lt;b&gt;&amp;&quot;c&quot;");
}

}  // namespace
}  // namespace zorvik
