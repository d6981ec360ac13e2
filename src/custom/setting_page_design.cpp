#include "custom/setting_page_design.h"

namespace zorvik {

namespace {
// Where the panels go, and their size (96 dpi).
constexpr int kPanelX = 152, kPanelY = 8, kPanelW = 340, kPanelH = 282;
}  // namespace

const kit::ControlTableDesc& SettingPageDesign() {
  using K = kit::ControlKind;
  const kit::DesignRect panel{kPanelX, kPanelY, kPanelW, kPanelH};
  constexpr unsigned hidden = kit::kHidden;
  constexpr unsigned corner = kit::kMoveRight | kit::kMoveBottom;
  // Columns: kind, name, caption, rectangle (in its parent), parent, flags, hint.
  // Check boxes, radio buttons and buttons without a caption take their
  // command's (by the naming rule).
  static const kit::ControlTableDesc table = {
      {K::TreeView, "TreeView_Category", "", {8, 8, 136, 282}, "", kit::kStretchBottom},

      {K::Panel, "Panel_Setting_Zoom", "", panel, "", hidden},
      {K::GroupBox, "GroupBox_Zoom", "拡大倍率", {0, 0, kPanelW, 90}, "Panel_Setting_Zoom"},
      {K::TrackBar, "TrackBar_Zoom", "", {10, 20, 320, 32}, "GroupBox_Zoom", 0, "", "", 0, 9},
      {K::Label, "Label_Zoom", "", {14, 60, 200, 16}, "GroupBox_Zoom"},

      {K::Panel, "Panel_Setting_Grid", "", panel, "", hidden},
      {K::CheckBox, "CheckBox_Grid_Disp", "", {4, 0, 300, 20}, "Panel_Setting_Grid"},
      {K::GroupBox, "GroupBox_Grid", "グリッド", {0, 26, 140, 146}, "Panel_Setting_Grid"},
      {K::RadioButton, "RadioButton_Grid_Gray", "", {10, 20, 124, 18}, "GroupBox_Grid"},
      {K::RadioButton, "RadioButton_Grid_Black", "", {10, 40, 124, 18}, "GroupBox_Grid"},
      {K::RadioButton, "RadioButton_Grid_White", "", {10, 60, 124, 18}, "GroupBox_Grid"},
      {K::RadioButton, "RadioButton_Grid_Invert", "", {10, 80, 124, 18}, "GroupBox_Grid"},
      {K::RadioButton, "RadioButton_Grid_Transparent", "", {10, 100, 124, 18}, "GroupBox_Grid"},
      {K::RadioButton, "RadioButton_Grid_SelColor", "", {10, 120, 124, 18}, "GroupBox_Grid"},
      {K::GroupBox, "GroupBox_SubGrid", "サブグリッド", {146, 26, 194, 190}, "Panel_Setting_Grid"},
      {K::RadioButton, "RadioButton_Grid_SubNone", "", {10, 20, 178, 18}, "GroupBox_SubGrid"},
      {K::RadioButton, "RadioButton_Grid_SubBlue", "", {10, 40, 178, 18}, "GroupBox_SubGrid"},
      {K::RadioButton, "RadioButton_Grid_SubRed", "", {10, 60, 178, 18}, "GroupBox_SubGrid"},
      {K::RadioButton, "RadioButton_Grid_SelSubColor", "", {10, 80, 178, 18}, "GroupBox_SubGrid"},
      {K::CheckBox, "CheckBox_Grid_UseSubElseColor", "", {10, 110, 178, 18}, "GroupBox_SubGrid"},
      {K::Button, "Button_Grid_SelSubElseColor", "", {10, 136, 174, 24}, "GroupBox_SubGrid"},

      {K::Panel, "Panel_Setting_InfoOpt", "", panel, "", hidden},
      {K::GroupBox, "GroupBox_InfoOpt", "情報表示オプション", {0, 0, kPanelW, 62}, "Panel_Setting_InfoOpt"},
      {K::Button, "Button_Opt_SelFont", "", {10, 24, 120, 24}, "GroupBox_InfoOpt"},

      {K::Panel, "Panel_Setting_Info", "", panel, "", hidden},
      {K::GroupBox, "GroupBox_Info", "表示情報", {0, 0, kPanelW, 214}, "Panel_Setting_Info"},
      {K::Label, "Label_Info", "　表示する項目にチェック", {10, 20, 300, 16}, "GroupBox_Info"},
      {K::CheckList, "CheckListBox_Info", "", {10, 40, 320, 166}, "GroupBox_Info"},
      {K::Panel, "Panel_Length", "", {0, 220, kPanelW, 62}, "Panel_Setting_Info", hidden},
      {K::GroupBox, "GroupBox_Length", "長さの原点", {0, 0, kPanelW, 58}, "Panel_Length"},
      {K::Label, "Label_LengthX", "X", {12, 26, 14, 16}, "GroupBox_Length"},
      {K::SpinEdit, "SpinEdit_Pos_LengthOriginX", "", {28, 22, 90, 22}, "GroupBox_Length"},
      {K::Label, "Label_LengthY", "Y", {136, 26, 14, 16}, "GroupBox_Length"},
      {K::SpinEdit, "SpinEdit_Pos_LengthOriginY", "", {152, 22, 90, 22}, "GroupBox_Length"},

      {K::Panel, "Panel_Setting_Capture", "", panel, "", hidden},
      {K::GroupBox, "GroupBox_Pause", "一時停止", {0, 0, kPanelW, 56}, "Panel_Setting_Capture"},
      {K::CheckBox, "CheckBox_Capture_Pause", "", {10, 24, 150, 18}, "GroupBox_Pause"},
      {K::Button, "Button_Capture_Update", "", {170, 21, 100, 24}, "GroupBox_Pause"},
      {K::GroupBox, "GroupBox_CaptureOpt", "キャプチャオプション", {0, 62, kPanelW, 70}, "Panel_Setting_Capture"},
      {K::CheckBox, "CheckBox_Capture_NoSelfCapture", "", {10, 22, 300, 18}, "GroupBox_CaptureOpt"},
      {K::CheckBox, "CheckBox_Capture_SmoothCapture", "", {10, 44, 300, 18}, "GroupBox_CaptureOpt"},
      {K::GroupBox, "GroupBox_CaptureMode", "キャプチャモード", {0, 138, kPanelW, 102}, "Panel_Setting_Capture"},
      {K::CheckBox, "CheckBox_Capture_Lupe", "", {10, 22, 300, 18}, "GroupBox_CaptureMode"},
      {K::CheckBox, "CheckBox_Capture_Fixed", "", {10, 44, 300, 18}, "GroupBox_CaptureMode"},
      {K::Label, "Label_FixedX", "X", {12, 74, 14, 16}, "GroupBox_CaptureMode"},
      {K::SpinEdit, "SpinEdit_Capture_FixedX", "", {28, 70, 90, 22}, "GroupBox_CaptureMode"},
      {K::Label, "Label_FixedY", "Y", {136, 74, 14, 16}, "GroupBox_CaptureMode"},
      {K::SpinEdit, "SpinEdit_Capture_FixedY", "", {152, 70, 90, 22}, "GroupBox_CaptureMode"},

      {K::Panel, "Panel_Setting_Opt", "", panel, "", hidden},
      {K::GroupBox, "GroupBox_Opt", "オプション設定", {0, 0, kPanelW, 200}, "Panel_Setting_Opt"},
      {K::CheckList, "CheckListBox_Opt", "", {10, 22, 320, 168}, "GroupBox_Opt"},

      {K::Panel, "Panel_Setting_APITest", "", panel, "", hidden},
      {K::GroupBox, "GroupBox_APITest", "APIテストオプション", {0, 0, kPanelW, kPanelH}, "Panel_Setting_APITest"},
      {K::Label, "Label_APITest", "　表示するテスト項目にチェック", {10, 20, 300, 16}, "GroupBox_APITest"},
      {K::CheckList, "CheckListBox_APITest", "", {10, 40, 320, 234}, "GroupBox_APITest"},

      {K::Button, "Button_Reset", "リセット", {336, 298, 75, 24}, "", corner, "設定をリセットします。"},
      {K::Button, "Button_Close", "閉じる", {417, 298, 75, 24}, "", corner},
  };
  return table;
}

const std::vector<SettingNode>& SettingNodes() {
  static const std::vector<SettingNode> nodes = {
      {"拡大倍率", -1, "Panel_Setting_Zoom", ""},
      {"グリッド", -1, "Panel_Setting_Grid", ""},
      {"表示情報", -1, "Panel_Setting_InfoOpt", ""},
      {"カラー情報", 2, "Panel_Setting_Info", "カラー情報"},
      {"カーソル位置情報", 2, "Panel_Setting_Info", "カーソル位置情報"},
      {"ウィンドウ情報", 2, "Panel_Setting_Info", "ウィンドウ情報"},
      {"キャプチャ", -1, "Panel_Setting_Capture", ""},
      {"オプション", -1, "Panel_Setting_Opt", "オプション"},
      {"API テスト", -1, "Panel_Setting_APITest", ""},
  };
  return nodes;
}

}  // namespace zorvik
