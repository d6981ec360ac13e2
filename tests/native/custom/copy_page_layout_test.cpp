// The copy-format page's control table: sound, one complete panel per copy
// panel, and nothing overlapping or sticking out of its panel or the
// scrolling area (checked on the 96-dpi rectangles; the Wine tests look at
// the built windows at 96 and 144 dpi).
#include "custom/copy_page_layout.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/text.h"

namespace zorvik {
namespace {

using kit::ControlKind;
using kit::ControlTableDesc;
using kit::DesignRect;

std::map<std::string, const kit::ControlDesc*> ByName(const ControlTableDesc& t) {
  std::map<std::string, const kit::ControlDesc*> m;
  for (const kit::ControlDesc& d : t) m[d.name] = &d;
  return m;
}

bool Overlap(const DesignRect& a, const DesignRect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

TEST(CopyPageTable, IsSound) {
  const ControlTableDesc t = CopyPageTable();
  EXPECT_EQ(kit::CheckTable(t), std::vector<std::string>());
}

TEST(CopyPageTable, EveryPanelHasItsControlsBoundToItsReset) {
  const ControlTableDesc t = CopyPageTable();
  const auto names = ByName(t);
  auto has = [&](const std::string& name, ControlKind kind, const std::string& parent) {
    auto it = names.find(name);
    if (it == names.end()) return ::testing::AssertionFailure() << name << " missing";
    if (it->second->kind != kind || it->second->parent != parent)
      return ::testing::AssertionFailure() << name << " is not where it belongs";
    return ::testing::AssertionSuccess();
  };
  for (size_t i = 0; i < CopyPanelCount(); ++i) {
    const CopyPanelDef& p = CopyPanels()[i];
    const std::string panel = std::string("pnlCopy_") + p.name;
    EXPECT_TRUE(has(panel, ControlKind::Panel, "pnlCopy_Body"));
    EXPECT_TRUE(has(GroupLabelName(p.group), ControlKind::Label, "pnlCopy_Body"));
    const std::string reset = std::string("btnCopy_") + p.name + "Reset";
    ASSERT_TRUE(has(reset, ControlKind::Button, panel));
    EXPECT_EQ(names.at(reset)->action, ResetActionName(p));
    if (p.kind == CopyPanelKind::kOptions) {
      EXPECT_TRUE(has(kZoomInfoCheckName, ControlKind::CheckBox, panel));
      EXPECT_TRUE(has(kZoomGridCheckName, ControlKind::CheckBox, panel));
      continue;
    }
    EXPECT_TRUE(has(PreviewLabelName(p), ControlKind::Label, panel));
    for (int b = 0; b < p.PieceCount(); ++b) EXPECT_TRUE(has(PieceBoxName(p, b), ControlKind::Edit, panel));
    EXPECT_FALSE(names.count(PieceBoxName(p, p.PieceCount()))) << p.name;
    for (int s = 0; s < p.PieceCount() - 1; ++s) {
      ASSERT_TRUE(has(SampleLabelName(p, s), ControlKind::Label, panel));
      EXPECT_EQ(names.at(SampleLabelName(p, s))->caption, s < 4 && p.samples[s] ? ToUtf8(p.samples[s]) : "")
          << p.name << " sample " << s;
    }
    if (p.checkName) {
      ASSERT_TRUE(has(p.checkName, ControlKind::CheckBox, panel));
      EXPECT_EQ(names.at(p.checkName)->caption, p.checkCaption);
    }
  }
  // The four groups in order, with their captions.
  std::vector<std::string> groups;
  for (const kit::ControlDesc& d : t)
    if (IsGroupLabelName(d.name)) groups.push_back(d.caption);
  EXPECT_EQ(groups, (std::vector<std::string>{" ズーム画像", " カラー情報", " カーソル位置", " ウィンドウ情報"}));
}

// Rectangles are relative to their parent: a panel's children stay inside its
// client area (a pixel of edge each side) and apart; the panels and group
// labels stay apart, top to bottom, inside the content, which fits beside
// the scroll bar.
TEST(CopyPageTable, NothingOverlapsOrSticksOut) {
  const ControlTableDesc t = CopyPageTable();
  const auto names = ByName(t);
  std::map<std::string, std::vector<const kit::ControlDesc*>> children;
  for (const kit::ControlDesc& d : t) children[d.parent].push_back(&d);
  for (const auto& [parent, rows] : children) {
    if (parent.empty()) continue;
    const kit::ControlDesc& c = *names.at(parent);
    const int edge = (c.flags & kit::kBorder) ? 2 : 0;
    for (size_t i = 0; i < rows.size(); ++i) {
      const DesignRect& r = rows[i]->rect;
      EXPECT_TRUE((r.left >= 0 && r.top >= 0 && r.left + r.width <= c.rect.width - edge &&
                   r.top + r.height <= c.rect.height - edge) ||
                  parent == "ScrollBox_Copy")
          << rows[i]->name << " sticks out of " << parent;
      for (size_t j = i + 1; j < rows.size(); ++j)
        EXPECT_FALSE(Overlap(r, rows[j]->rect)) << rows[i]->name << " overlaps " << rows[j]->name;
    }
  }
  const kit::ControlDesc& box = *names.at("ScrollBox_Copy");
  const kit::ControlDesc& body = *names.at("pnlCopy_Body");
  constexpr int kScrollBarAndEdges = 17 + 2;
  EXPECT_LE(body.rect.width, box.rect.width - kScrollBarAndEdges);
  EXPECT_GT(body.rect.height, box.rect.height);
  // The top row, the area and the command row stay apart on the page.
  const DesignRect& cmd = names.at("Panel_Cmd")->rect;
  EXPECT_LE(box.rect.top + box.rect.height, cmd.top);
  EXPECT_LE(names.at("ComboBox_Copy_FmtSel")->rect.top + 20, box.rect.top);
}

}  // namespace
}  // namespace zorvik
