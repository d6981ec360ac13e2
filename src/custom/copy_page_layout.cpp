#include "custom/copy_page_layout.h"

#include <algorithm>

#include "platform/text.h"

namespace zorvik {

namespace {

using kit::ControlKind;

// The content's width and the rows of a panel (96-dpi pixels, relative to
// the panel's client area).
constexpr int kContentWidth = 460;
constexpr int kPanelWidth = kContentWidth;
constexpr int kInner = kPanelWidth - 2;  // the panel's edge takes a pixel each side
constexpr int kLeft = 4, kRight = kInner - 4;
constexpr int kTitleY = 4, kBoxY = 26, kBoxH = 20, kSampleY = 50, kPreviewY = 70, kLabelH = 16;
constexpr int kPanelH = 92, kOptionsPanelH = 50, kGap = 4, kGroupH = 18;
constexpr int kSpecW = 34;                     // the specifier between two boxes
constexpr int kResetW = 76, kResetX = kRight - kResetW;
constexpr int kCheckX = 300, kCheckW = kRight - kCheckX;

const struct {
  const char* group;
  const char* caption;
} kGroups[] = {{"Zoom", " ズーム画像"}, {"Color", " カラー情報"}, {"Pos", " カーソル位置"}, {"WinInfo", " ウィンドウ情報"}};

std::string Utf8(const char16_t* s) { return s ? ToUtf8(s) : std::string(); }

void AddPanel(kit::ControlTableDesc& t, const CopyPanelDef& p, int y) {
  const std::string panel = std::string("pnlCopy_") + p.name;
  const bool options = p.kind == CopyPanelKind::kOptions;
  t.push_back({ControlKind::Panel, panel, "", {0, y, kPanelWidth, options ? kOptionsPanelH : kPanelH}, "pnlCopy_Body",
               kit::kBorder});
  t.push_back({ControlKind::Label, TitleLabelName(p), p.title, {kLeft, kTitleY, kResetX - kLeft - 8, kLabelH}, panel});
  if (options) {
    t.push_back({ControlKind::CheckBox, kZoomInfoCheckName, kZoomInfoCheckCaption, {kLeft + 8, kBoxY, 120, 18}, panel});
    t.push_back({ControlKind::CheckBox, kZoomGridCheckName, kZoomGridCheckCaption, {kLeft + 136, kBoxY, 220, 18},
                 panel});
    t.push_back({ControlKind::Button, std::string("btnCopy_") + p.name + "Reset", "リセット",
                 {kResetX, 3, kResetW, 22}, panel, 0, "", ResetActionName(p)});
    return;
  }
  // The boxes share the row evenly with the specifiers between them.
  const int pieces = p.PieceCount(), specs = pieces - 1;
  const int boxW = (kRight - kLeft - specs * kSpecW) / pieces;
  const char16_t* shown = p.checkedSpecifier;
  if (p.uncheckedSpecifier && p.kind != CopyPanelKind::kLength) shown = p.uncheckedSpecifier;
  int x = kLeft;
  for (int i = 0; i < pieces; ++i) {
    t.push_back({ControlKind::Edit, PieceBoxName(p, i), "", {x, kBoxY, boxW, kBoxH}, panel});
    x += boxW;
    if (i == specs) break;
    t.push_back({ControlKind::Label, SpecifierLabelName(p, i), Utf8(shown), {x + 2, kBoxY + 2, kSpecW - 4, kLabelH},
                 panel, kit::kNoTabStop});
    // The sample value under its specifier, as wide as the next box allows.
    const char16_t* sample = i < 4 ? p.samples[i] : nullptr;
    const int sampleW = (i + 1 == specs ? kRight - x : boxW + kSpecW) - 8;
    t.push_back({ControlKind::Label, SampleLabelName(p, i), Utf8(sample), {x, kSampleY, sampleW, kLabelH}, panel,
                 kit::kNoTabStop});
    x += kSpecW;
  }
  const int previewW = (p.checkName ? kCheckX - 8 : kRight) - kLeft;
  t.push_back({ControlKind::Label, PreviewLabelName(p), "", {kLeft, kPreviewY, previewW, kLabelH}, panel});
  if (p.checkName)
    t.push_back({ControlKind::CheckBox, p.checkName, p.checkCaption, {kCheckX, kPreviewY - 1, kCheckW, 18}, panel});
  t.push_back({ControlKind::Button, std::string("btnCopy_") + p.name + "Reset", "リセット", {kResetX, 3, kResetW, 22},
               panel, 0, "", ResetActionName(p)});
}

}  // namespace

std::string SpecifierLabelName(const CopyPanelDef& panel, int index) {
  return std::string("lblCopy_") + panel.name + "Specifier" + std::to_string(index + 1);
}
std::string SampleLabelName(const CopyPanelDef& panel, int index) {
  return std::string("lblCopy_") + panel.name + "Sample" + std::to_string(index + 1);
}
std::string TitleLabelName(const CopyPanelDef& panel) { return std::string("lblCopy_") + panel.name + "Title"; }
std::string GroupLabelName(std::string_view group) { return "lblCopy_" + std::string(group); }

std::string GroupCaption(std::string_view group) {
  for (const auto& g : kGroups)
    if (group == g.group) return g.caption;
  return {};
}

bool IsGroupLabelName(std::string_view name) {
  for (const auto& g : kGroups)
    if (name == GroupLabelName(g.group)) return true;
  return false;
}

bool IsSampleLabelName(std::string_view name) {
  return StartsWith(name, "lblCopy_") && name.find("Sample") != std::string_view::npos;
}

kit::ControlTableDesc CopyPageTable() {
  constexpr unsigned kFooter = kit::kStretchRight | kit::kMoveBottom;
  kit::ControlTableDesc t = {
      {ControlKind::Label, "Label_Copy_Title", " 移動", {8, 10, 36, kLabelH}},
      {ControlKind::ComboBox, "ComboBox_Copy_FmtSel", "", {48, 6, 300, 20}, "", kit::kOwnerDraw},
      {ControlKind::Panel, "ScrollBox_Copy", "", {8, 34, 484, 254}, "",
       kit::kBorder | kit::kStretchRight | kit::kStretchBottom},
      {ControlKind::Panel, "pnlCopy_Body", "", {0, 0, kContentWidth, 0}, "ScrollBox_Copy"},
  };
  const size_t body = t.size() - 1;
  int y = 0;
  std::string group;
  for (size_t i = 0; i < CopyPanelCount(); ++i) {
    const CopyPanelDef& p = CopyPanels()[i];
    if (group != p.group) {
      group = p.group;
      if (y > 0) y += kGap;
      t.push_back({ControlKind::Label, GroupLabelName(group), GroupCaption(group), {0, y, kContentWidth, kGroupH},
                   "pnlCopy_Body"});
      y += kGroupH + kGap;
    }
    AddPanel(t, p, y);
    y += (p.kind == CopyPanelKind::kOptions ? kOptionsPanelH : kPanelH) + kGap;
  }
  t[body].rect.height = y;
  t.push_back({ControlKind::Panel, "Panel_Cmd", "", {0, 292, 500, 38}, "", kFooter});
  t.push_back({ControlKind::Button, "Button_Reset", "リセット", {336, 7, 76, 24}, "Panel_Cmd", kit::kMoveRight, "",
               "actCopy_ResetAll"});
  t.push_back({ControlKind::Button, "Button_Close", "閉じる", {418, 7, 76, 24}, "Panel_Cmd", kit::kMoveRight, "",
               "actFile_Close"});
  return t;
}

}  // namespace zorvik
