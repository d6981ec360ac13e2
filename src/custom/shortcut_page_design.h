// The shortcut page's design data: its control table, its own commands with
// captions and hints, the key groups of the command grid's menu and the
// questions it asks. Platform-free.
#pragma once
#include <cstddef>

#include "kit/control_desc.h"

namespace zorvik {

struct ShortCutPageCommand {
  const char* name;
  const char* caption;
  const char* hint;
};
const ShortCutPageCommand* ShortCutPageCommands();
size_t ShortCutPageCommandCount();

// The submenus of the command grid's menu that add a key: key rows
// first..last of the fixed key set.
struct KeyMenuGroup {
  const char* name;
  const char* caption;
  const char* hint;  // "" when none
  int first, last;
};
const KeyMenuGroup* KeyMenuGroups();
constexpr size_t kKeyMenuGroupCount = 4;

// The control table at 96 dpi (kDesignWidth x kDesignHeight of the page).
// The tab control and the splitter are made by the page itself: they are
// no table controls.
kit::ControlTableDesc ShortCutPageTable();

// Design geometry the page lays out from (96-dpi pixels).
constexpr int kShortCutMargin = 8;
constexpr int kShortCutLeftWidth = 196;   // the tab control
constexpr int kShortCutSplitter = 4;
constexpr int kShortCutBottom = 44;       // below the grids: hint group and Close
constexpr int kShortCutMinLeft = 150, kShortCutMinRight = 200;
constexpr int kShortCutButtonWidth = 60, kShortCutButtonHeight = 24, kShortCutButtonGap = 4;
constexpr int kShortCutCommandColumn = 112;  // the command grid's caption column

extern const char kReplaceQuestion[];       // "[%:0s] には %:1s がセットされています\r置き換えますか"
extern const char kResetKeysQuestion[];
extern const char kResetGesturesQuestion[];
extern const char kResetAllQuestion[];

}  // namespace zorvik
