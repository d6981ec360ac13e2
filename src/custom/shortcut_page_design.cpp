#include "custom/shortcut_page_design.h"

#include <iterator>

namespace zorvik {

namespace {

constexpr ShortCutPageCommand kCommands[] = {
    {"actShortCutKey_Set", "キーにコマンドをセット", "キーにコマンドをセット"},
    {"actShortCutKey_Delete", "キーのコマンドを削除", "キーにセットされているコマンドを削除"},
    {"actShortCutKey_ResetAll", "キーの設定をリセット", "すべてのキーの設定をリセット"},
    {"actGesture_Set", "ジェスチャにコマンドをセット", "ジェスチャにコマンドをセット"},
    {"actGesture_Delete", "ジェスチャのコマンドを削除", "ジェスチャにセットされているコマンドを削除"},
    {"actGesture_ResetAll", "マウスジェスチャの設定をリセット", "すべてのマウスジェスチャの設定をリセット"},
    {"actCommand_KeyAdd", "コマンドにキーを追加", "コマンドにキーを追加"},
    {"actCommand_KeyDelete", "コマンドのキーとジェスチャを削除", "コマンドにセットされているキーとジェスチャを削除"},
    {"actCommand_KeyResetAll", "キーとマウスジェスチャの設定をリセット", "すべてのキーとマウスジェスチャの設定をリセット"},
    {"actMenu_Popup", "メニュー表示", "メニュー表示"},
    {"actFile_Close", "閉じる", "閉じる"},
};

constexpr KeyMenuGroup kKeyGroups[kKeyMenuGroupCount] = {
    {"mniCommand_NumberKey", "数字キーを追加", "0～1のキーをコマンドに追加", 0, 9},
    {"mniCommand_AlphabetKey", "アルファベットキーを追加", "", 10, 36},
    {"mniCommand_FunctionKey", "ファンクションキーを追加", "", 37, 48},
    {"mniCommand_ExtendedKey", "拡張キーを追加", "方向キーやエンター、エスケープ、削除や挿入キーなどを追加", 49, 61},
};

}  // namespace

const char kReplaceQuestion[] = "[%:0s] には %:1s がセットされています\r置き換えますか";
const char kResetKeysQuestion[] = "すべてのショートカットキーの設定をリセットします\rよろしいですか";
const char kResetGesturesQuestion[] = "すべてのマウスジェスチャの設定をリセットします\rよろしいですか";
const char kResetAllQuestion[] = "すべてのショートカットキーとマウスジェスチャの設定をリセットします\rよろしいですか";

const ShortCutPageCommand* ShortCutPageCommands() { return kCommands; }
size_t ShortCutPageCommandCount() { return std::size(kCommands); }
const KeyMenuGroup* KeyMenuGroups() { return kKeyGroups; }

// Columns: kind, name, caption, 96-dpi rectangle, parent, flags, hint, command.
// The two tab panels lie over the tab control's page area and the command
// panel right of the splitter; the page places those three (and the
// splitter) itself, their contents follow them by their anchors.
kit::ControlTableDesc ShortCutPageTable() {
  using kit::ControlKind;
  constexpr int m = kShortCutMargin, w = 500, h = 330;
  constexpr int top = h - kShortCutBottom - m;  // height of the tab control and command panel
  constexpr int tabW = kShortCutLeftWidth - 8, tabH = top - 28;
  constexpr int cmdLeft = m + kShortCutLeftWidth + kShortCutSplitter, cmdW = w - m - cmdLeft;
  constexpr int bw = kShortCutButtonWidth, bh = kShortCutButtonHeight, g = kShortCutButtonGap;
  constexpr unsigned kGrid = kit::kStretchRight | kit::kStretchBottom;
  constexpr unsigned kUnder = kit::kMoveBottom;
  auto buttons = [&](kit::ControlTableDesc& t, const char* panel, const char* prefix, int y,
                     const char* const (&names)[3], const char* const (&captions)[3], const char* const (&cmds)[3]) {
    for (int i = 0; i < 3; ++i)
      t.push_back({ControlKind::Button, std::string("Button_") + prefix + names[i], captions[i],
                   {i * (bw + g), y, bw, bh}, panel, kUnder, "", cmds[i]});
  };
  kit::ControlTableDesc t = {
      {ControlKind::Panel, "Panel_ShortCutKey", "", {m + 4, m + 24, tabW, tabH}},
      {ControlKind::Grid, "StringGrid_ShortCutKey", "", {0, 0, tabW, tabH - bh - 6}, "Panel_ShortCutKey", kGrid,
       "ドラッグしてコマンドリストへドロップするとコマンドをセット"},
  };
  buttons(t, "Panel_ShortCutKey", "ShortCutKey_", tabH - bh, {"Set", "Delete", "ResetAll"},
          {"セット", "削除", "リセット"}, {"actShortCutKey_Set", "actShortCutKey_Delete", "actShortCutKey_ResetAll"});
  t.push_back({ControlKind::Panel, "Panel_Gesture", "", {m + 4, m + 24, tabW, tabH}, "", kit::kHidden});
  t.push_back({ControlKind::Grid, "StringGrid_Gesture", "", {0, 0, tabW, tabH - bh - 6}, "Panel_Gesture", kGrid,
               "ドラッグしてコマンドリストへドロップするとコマンドをセット"});
  buttons(t, "Panel_Gesture", "Gesture_", tabH - bh, {"Set", "Delete", "ResetAll"}, {"セット", "削除", "リセット"},
          {"actGesture_Set", "actGesture_Delete", "actGesture_ResetAll"});
  const kit::ControlTableDesc rest = {
      {ControlKind::Panel, "Panel_Command", "", {cmdLeft, m, cmdW, top}},
      {ControlKind::Label, "Label_Command", "コマンドリスト", {0, 3, 84, 16}, "Panel_Command"},
      {ControlKind::ComboBox, "ComboBox_CommandCategory", "", {88, 0, cmdW - 88, 20}, "Panel_Command",
       kit::kStretchRight, "カテゴリを選ぶとその先頭のコマンドへ移動"},
      {ControlKind::Grid, "StringGrid_Command", "", {0, 24, cmdW, top - 24 - bh - 6}, "Panel_Command", kGrid,
       "ドラッグしてキーリストかジェスチャへドロップするとセット"},
  };
  t.insert(t.end(), rest.begin(), rest.end());
  buttons(t, "Panel_Command", "Command_", top - bh, {"KeyAdd", "KeyDelete", "KeyResetAll"},
          {"追加", "削除", "リセット"}, {"actCommand_KeyAdd", "actCommand_KeyDelete", "actCommand_KeyResetAll"});
  const kit::ControlTableDesc bottom = {
      {ControlKind::GroupBox, "GroupBox_Hint", "コマンドヒント", {m, h - 42, w - 2 * m - 96, 36}, "",
       kit::kStretchRight | kit::kMoveBottom},
      {ControlKind::Label, "Label_Hint", "", {8, 15, w - 2 * m - 96 - 16, 16}, "GroupBox_Hint",
       kit::kStretchRight | kit::kMoveBottom},
      {ControlKind::Button, "Button_Close", "閉じる", {w - m - 80, h - 32, 80, 24}, "",
       kit::kMoveRight | kit::kMoveBottom, "", "actFile_Close"},
  };
  t.insert(t.end(), bottom.begin(), bottom.end());
  return t;
}

}  // namespace zorvik
